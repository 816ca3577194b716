#include "sub/trn_tab.h"

#include <cstring>
#include <initializer_list>
#include <map>
#include <new>

#include "sub/field_text.h"
#include "sub/value_order.h"

namespace {

SSubSlotHeader* header(uint8_t* slot) {
    return reinterpret_cast<SSubSlotHeader*>(slot);
}
const SSubSlotHeader* header(const uint8_t* slot) {
    return reinterpret_cast<const SSubSlotHeader*>(slot);
}

uint8_t* out(uint8_t* conflict, uint8_t value) {
    if (conflict != nullptr) *conflict = value;
    return conflict;
}

// Copies and clears of the few bytes of a key, a record or an index entry
// in moves of eight (the last one overlapping) rather than a library call.
inline void copyBytes(uint8_t* out, const uint8_t* in, size_t n) {
    if (n < 8) {  // two overlapping moves of four, or of two, or one byte
        if (n >= 4) {
            std::memcpy(out, in, 4);
            std::memcpy(out + n - 4, in + n - 4, 4);
        } else if (n >= 2) {
            std::memcpy(out, in, 2);
            std::memcpy(out + n - 2, in + n - 2, 2);
        } else if (n == 1) {
            out[0] = in[0];
        }
        return;
    }
    for (size_t i = 0; i + 8 < n; i += 8) std::memcpy(out + i, in + i, 8);
    std::memcpy(out + n - 8, in + n - 8, 8);
}

inline void clearBytes(uint8_t* out, size_t n) {
    static const uint8_t kZeros[8] = {};
    if (n < 8) {
        if (n >= 4) {
            std::memcpy(out, kZeros, 4);
            std::memcpy(out + n - 4, kZeros, 4);
        } else if (n >= 2) {
            std::memcpy(out, kZeros, 2);
            std::memcpy(out + n - 2, kZeros, 2);
        } else if (n == 1) {
            out[0] = 0;
        }
        return;
    }
    for (size_t i = 0; i + 8 < n; i += 8) std::memcpy(out + i, kZeros, 8);
    std::memcpy(out + n - 8, kZeros, 8);
}

// 1 with the blocking transactions in conflict, else 0.
int blockedBy(uint8_t* conflict, uint8_t blockers) {
    if (blockers == 0) return tsOK;
    out(conflict, blockers);
    return tsKolizija;
}

// Maps the answer of a check to the result of its combined operation: 0 applies,
// the answer "nothing to do" succeeds too, the listed answers pass unchanged.
template <typename Apply>
int combine(int answer, int nothingToDo, std::initializer_list<int> passed, Apply apply) {
    if (answer == tsOK) {
        apply();
        return tsOK;
    }
    if (answer == nothingToDo) return tsOK;
    for (int p : passed)
        if (answer == p) return answer;
    return tsNeocekivano;
}

int32_t indexCapacity(int32_t capacity) {
    return capacity < 20 ? capacity + capacity / 2 : capacity + 10;
}

// A shared lock of a field or record: the item's mask, the table's mask and
// the transaction's counter; the table mask loses the transaction with its
// last lock of the kind.
template <typename Counter>
void takeShared(uint8_t& itemMask, uint8_t& tableMask, Counter* counters, uint8_t mask) {
    itemMask |= mask;
    tableMask |= mask;
    const int i = bitIndexOfMask(mask);
    if (i >= 0) ++counters[i];
}

template <typename Counter>
void releaseShared(uint8_t& itemMask, uint8_t& tableMask, Counter* counters, uint8_t mask) {
    itemMask &= ~mask;
    const int i = bitIndexOfMask(mask);
    if (i >= 0 && counters[i] > 1) {
        --counters[i];
        return;
    }
    if (i >= 0) counters[i] = 0;
    tableMask &= ~mask;
}

// The index of a list of value names, made once for every field of every
// table that names its values by the list: the dictionaries use a few lists
// in many places. An index lives as long as a table uses it.
std::shared_ptr<const SEnumIndex> sharedEnumIndex(const char* const* names, int32_t count) {
    static std::map<std::pair<const char* const*, int32_t>, std::weak_ptr<const SEnumIndex>>
        indexes;
    std::weak_ptr<const SEnumIndex>& known = indexes[{names, count}];
    if (std::shared_ptr<const SEnumIndex> index = known.lock()) return index;
    std::shared_ptr<const SEnumIndex> index = buildEnumIndex(names, count);
    known = index;
    return index;
}

}  // namespace

int bitIndexOfMask(uint8_t mask) {
    for (int i = 0; i < kTransactionSlots; ++i)
        if (mask == (1u << i)) return i;
    return -1;
}

TTrnTabBase::TTrnTabBase(int32_t capacity, int16_t fieldCount, const SSubFieldDef* dictionary)
    : capacity_(capacity > 0 ? capacity : 0),
      fields_(fieldCount > 0 && dictionary != nullptr ? fieldCount : 0),
      fieldCount_(static_cast<int16_t>(fields_.size())) {
    compileFieldDefs(fields_.data(), &layout_, dictionary, fieldCount_);
    slotLength_ =
        static_cast<int16_t>(kSlotHeaderSize + layout_.keyLength + 2 * layout_.dataLength);
    try {
        planIntegerKey();
        for (SSubField& f : fields_) {
            if (f.type != ftEnum && f.type != ftEnum8) continue;
            enumIndexes_.push_back(sharedEnumIndex(f.enumNames, f.enumCount));
            f.enumIndex = enumIndexes_.back().get();
        }
        createIndexTables(dictionary);
        const size_t bytes = size_t(capacity_) * size_t(slotLength_);
        slots_ = std::unique_ptr<uint8_t[], FreeStorage>(
            static_cast<uint8_t*>(platform::reserveZeroed(bytes)), FreeStorage{bytes});
        if (!slots_) throw std::bad_alloc();
        scratch_.assign(size_t(slotLength_), 0);
        viewWork_.assign(size_t(layout_.recordLength), 0);
        size_t entry = 0;
        for (const auto& sub : indexTables_)
            if (sub && size_t(sub->recordLength()) > entry) entry = size_t(sub->recordLength());
        entryWork_.assign(entry, 0);
        hasStorage_ = true;
    } catch (const std::bad_alloc&) {
        // A table that cannot be built completely holds no records.
        slots_.reset();
        hasStorage_ = false;
    }
}

TTrnTabBase::~TTrnTabBase() = default;

void TTrnTabBase::createIndexTables(const SSubFieldDef* dictionary) {
    indexTables_.resize(fields_.size());
    for (int16_t i = 0; i < fieldCount_; ++i) {
        if ((fields_[i].flags & kFieldIndex) == 0) continue;
        indexTables_[i] = createIndexTable(dictionary[i], dictionary);
        fields_[i].indexTable = indexTables_[i].get();
        indexedFields_.push_back(i);
    }
}

// Field 1: the indexed field as the only key; then the table's key fields as data.
std::unique_ptr<TTrnTabBase> TTrnTabBase::createIndexTable(const SSubFieldDef& indexed,
                                                           const SSubFieldDef* dictionary) {
    std::vector<SSubFieldDef> defs;
    defs.push_back(indexed);
    defs.back().flags = kFieldKey;
    for (int16_t k = 0; k < layout_.keyFieldCount; ++k) {
        defs.push_back(dictionary[k]);
        defs.back().flags = 0;
    }
    return std::make_unique<TTrnTabBase>(indexCapacity(capacity_),
                                         static_cast<int16_t>(defs.size()), defs.data());
}

const SSubField* TTrnTabBase::field(int16_t field) const {
    return isFieldNumber(field) ? &fields_[field - 1] : nullptr;
}

int32_t TTrnTabBase::sharedRecordLocks(int transactionSlot) const {
    return transactionSlot >= 0 && transactionSlot < kTransactionSlots
               ? recordLocks_[transactionSlot]
               : 0;
}

int16_t TTrnTabBase::sharedFieldLocks(int transactionSlot) const {
    return transactionSlot >= 0 && transactionSlot < kTransactionSlots
               ? fieldLocks_[transactionSlot]
               : 0;
}

const uint8_t* TTrnTabBase::slotAt(int32_t row) const {
    return rowInRange(row) ? slot(row) : nullptr;
}

TTrnTabBase* TTrnTabBase::indexTable(int16_t field) const {
    return isFieldNumber(field) ? fields_[field - 1].indexTable : nullptr;
}

bool TTrnTabBase::isVisible(uint8_t mask, int32_t row) const {
    if (!rowInRange(row)) return false;
    const SSubSlotHeader* h = header(slot(row));
    const bool own = (mask & (h->ownerMask | h->fieldChangeMask)) != 0;
    return (h->versions & (own ? kPendingVersion : kCommittedVersion)) != 0;
}

// ---- text forms

int TTrnTabBase::fieldText(int16_t field, char* buffer, int size, const void* record) const {
    return fieldTextOf(fields_.data(), fieldCount_, field, buffer, size, record);
}

int TTrnTabBase::recordText(char* buffer, int size, char separator, const uint8_t* record) const {
    return recordTextOf(fields_.data(), fieldCount_, buffer, size, separator, record);
}

int TTrnTabBase::headerText(char* buffer, int size, char separator) const {
    return headerTextOf(fields_.data(), fieldCount_, buffer, size, separator);
}

int TTrnTabBase::fieldFromText(int16_t field, void* record, const char* text) const {
    return fieldFromTextOf(fields_.data(), fieldCount_, field, record, text);
}

int TTrnTabBase::recordFromText(void* record, const char* line, const char* separators) const {
    return recordFromTextOf(fields_.data(), fieldCount_, record, line, separators);
}

// ---- record views

[[gnu::always_inline]] inline int TTrnTabBase::orderOfSlotKey(int32_t row, const void* key) const {
    const uint8_t* a = slot(row) + kSlotHeaderSize;
    const uint8_t* b = static_cast<const uint8_t*>(key);
    if (integerKey_.empty()) return orderOfKeys(a, b, fields_.data(), layout_.keyFieldCount);
    for (const SKeyPart& p : integerKey_) {
        const int c = orderOfStoredIntegers(a + p.offset, b + p.offset, p.width);
        if (c != 0) return c;
    }
    return 0;
}

int TTrnTabBase::compareSlotKey(int32_t row, const void* key) const {
    return orderOfSlotKey(row, key);
}

// The key as integers when every field of it is one: a byte or a one-byte
// enumeration (unsigned), a short or a two-byte enumeration, a long, date,
// time or four-byte enumeration (signed). The order is orderOfKeys' own.
void TTrnTabBase::planIntegerKey() {
    for (int16_t i = 0; i < layout_.keyFieldCount && i < fieldCount_; ++i) {
        const SSubField& f = fields_[size_t(i)];
        const bool isEnum = f.type == ftEnum || f.type == ftEnum8;
        int width = 0;
        if (f.type == ftByte) width = 1;
        if (f.type == ftShort) width = 2;
        if (f.type == ftLong || f.type == ftDate || f.type == ftTime) width = 4;
        if (isEnum && (f.size == 1 || f.size == 2 || f.size == 4)) width = f.size;
        if (width == 0) {
            integerKey_.clear();
            return;
        }
        integerKey_.push_back(SKeyPart{f.offset, uint8_t(width)});
    }
}

// A field between two record images whose bases put the field at its offset.
void TTrnTabBase::copyDataField(const SSubField& f, uint8_t* targetBase,
                                const uint8_t* sourceBase) const {
    if (f.flags & kFieldBit)
        copyBit(targetBase + f.offset, sourceBase + f.offset, f.bitNumber);
    else
        std::memcpy(targetBase + f.offset, sourceBase + f.offset, size_t(f.size));
}

// The version of the row that the mask sees, as a record image; false when it sees none.
bool TTrnTabBase::viewRecord(uint8_t mask, int32_t row, uint8_t* record) const {
    const uint8_t* s = slot(row);
    const SSubSlotHeader* h = header(s);
    const uint8_t* committed = s + kSlotHeaderSize;  // field bases: field at its offset
    const uint8_t* pending = committed + layout_.dataLength;
    const int16_t key = layout_.keyLength;
    const int16_t data = layout_.dataLength;
    std::memcpy(record, s + kSlotHeaderSize, size_t(key));
    const uint8_t changers = h->fieldChangeMask;
    const bool ownsPending = mask != 0 && ((mask & h->ownerMask) != 0 ||
                                           ((changers & mask) != 0 && (changers & ~mask) == 0));
    if (ownsPending) {
        if ((h->versions & kPendingVersion) == 0) return false;
        std::memcpy(record + key, pending + key, size_t(data));
        return true;
    }
    if (mask != 0 && (changers & mask) != 0) {  // field changes shared with others
        std::memcpy(record + key, committed + key, size_t(data));
        for (const SSubField& f : fields_)
            if ((f.flags & kFieldKey) == 0 && (f.markMask & mask) != 0)
                copyDataField(f, record, pending);
        return true;
    }
    if ((h->versions & kCommittedVersion) == 0) return false;
    std::memcpy(record + key, committed + key, size_t(data));
    return true;
}

int TTrnTabBase::readRow(uint8_t mask, int32_t row, void* record) {
    if (!rowInRange(row) || record == nullptr) return tsNePostojiSlog;
    if (!viewRecord(mask, row, static_cast<uint8_t*>(record))) return tsNePostojiSlog;
    currentRow_ = row;
    return tsOK;
}

// ---- table and field locks

int TTrnTabBase::checkLockTableExclusive(uint8_t* conflict, uint8_t mask) const {
    out(conflict, 0);
    if (mask != 0 && masks_.tableExclusive == mask) return tsVecZakljucano;
    const uint8_t blockers =
        (masks_.tableExclusive | masks_.tableShared | masks_.fieldExclusive | masks_.fieldShared |
         masks_.recordExclusive | masks_.recordShared | masks_.recordField) &
        ~mask;
    return blockedBy(conflict, blockers);
}

void TTrnTabBase::applyLockTableExclusive(uint8_t mask) {
    if (mask != 0) masks_.tableExclusive = mask;
}

int TTrnTabBase::lockTableExclusive(uint8_t* conflict, uint8_t mask) {
    return combine(checkLockTableExclusive(conflict, mask), tsVecZakljucano, {tsKolizija},
                   [&] { applyLockTableExclusive(mask); });
}

int TTrnTabBase::checkLockTableShared(uint8_t* conflict, uint8_t mask) const {
    out(conflict, 0);
    if (mask != 0 && (masks_.tableShared & mask) != 0) return tsVecZakljucano;
    const uint8_t blockers = (masks_.tableExclusive | masks_.fieldExclusive |
                              masks_.recordExclusive | masks_.recordField) &
                             ~mask;
    return blockedBy(conflict, blockers);
}

void TTrnTabBase::applyLockTableShared(uint8_t mask) {
    masks_.tableShared |= mask;
}

int TTrnTabBase::lockTableShared(uint8_t* conflict, uint8_t mask) {
    return combine(checkLockTableShared(conflict, mask), tsVecZakljucano, {tsKolizija},
                   [&] { applyLockTableShared(mask); });
}

int TTrnTabBase::checkUnlockTableShared(uint8_t mask) const {
    return mask != 0 && (masks_.tableShared & mask) != 0 ? tsOK : tsNijeZakljucano;
}

void TTrnTabBase::applyUnlockTableShared(uint8_t mask) {
    masks_.tableShared &= ~mask;
}

int TTrnTabBase::unlockTableShared(uint8_t mask) {
    return combine(checkUnlockTableShared(mask), tsNijeZakljucano, {},
                   [&] { applyUnlockTableShared(mask); });
}

int TTrnTabBase::checkLockFieldExclusive(uint8_t* conflict, uint8_t mask, int16_t field) const {
    out(conflict, 0);
    if (!isFieldNumber(field)) return tsNePostojiAtribut;
    const SSubField& f = fields_[field - 1];
    if (mask != 0 && f.exclusiveMask == mask) return tsVecZakljucano;
    const uint8_t blockers =
        (masks_.tableExclusive | masks_.tableShared | f.exclusiveMask | f.sharedMask |
         masks_.recordExclusive | masks_.recordShared | masks_.recordField) &
        ~mask;
    return blockedBy(conflict, blockers);
}

void TTrnTabBase::applyLockFieldExclusive(uint8_t mask, int16_t field) {
    if (mask == 0 || !isFieldNumber(field)) return;
    fields_[field - 1].exclusiveMask = mask;
    masks_.fieldExclusive |= mask;
}

int TTrnTabBase::lockFieldExclusive(uint8_t* conflict, uint8_t mask, int16_t field) {
    return combine(checkLockFieldExclusive(conflict, mask, field), tsVecZakljucano,
                   {tsKolizija, tsNePostojiAtribut}, [&] { applyLockFieldExclusive(mask, field); });
}

int TTrnTabBase::checkLockFieldShared(uint8_t* conflict, uint8_t mask, int16_t field) const {
    out(conflict, 0);
    if (!isFieldNumber(field)) return tsNePostojiAtribut;
    const SSubField& f = fields_[field - 1];
    if (mask != 0 && (f.sharedMask & mask) != 0) return tsVecZakljucano;
    const uint8_t blockers =
        (f.exclusiveMask | masks_.tableExclusive | masks_.recordExclusive | masks_.recordField) &
        ~mask;
    return blockedBy(conflict, blockers);
}

void TTrnTabBase::applyLockFieldShared(uint8_t mask, int16_t field) {
    if (mask == 0 || !isFieldNumber(field)) return;
    takeShared(fields_[field - 1].sharedMask, masks_.fieldShared, fieldLocks_, mask);
}

int TTrnTabBase::lockFieldShared(uint8_t* conflict, uint8_t mask, int16_t field) {
    return combine(checkLockFieldShared(conflict, mask, field), tsVecZakljucano,
                   {tsKolizija, tsNePostojiAtribut}, [&] { applyLockFieldShared(mask, field); });
}

int TTrnTabBase::checkUnlockFieldShared(uint8_t mask, int16_t field) const {
    if (!isFieldNumber(field)) return tsNePostojiAtribut;
    return mask != 0 && (fields_[field - 1].sharedMask & mask) != 0 ? tsOK : tsNijeZakljucano;
}

void TTrnTabBase::applyUnlockFieldShared(uint8_t mask, int16_t field) {
    if (mask == 0 || !isFieldNumber(field)) return;
    releaseShared(fields_[field - 1].sharedMask, masks_.fieldShared, fieldLocks_, mask);
}

int TTrnTabBase::unlockFieldShared(uint8_t mask, int16_t field) {
    return combine(checkUnlockFieldShared(mask, field), tsNijeZakljucano, {tsNePostojiAtribut},
                   [&] { applyUnlockFieldShared(mask, field); });
}

int TTrnTabBase::checkMarkField(uint8_t mask, int16_t field) const {
    if (!isFieldNumber(field)) return tsNePostojiAtribut;
    if ((fields_[field - 1].markMask & mask) != 0) return tsVecMaskirano;
    if ((masks_.recordField & mask) != 0) return tsVecPostojiFWL;
    return tsOK;
}

void TTrnTabBase::applyMarkField(uint8_t mask, int16_t field) {
    if (isFieldNumber(field)) fields_[field - 1].markMask |= mask;
}

int TTrnTabBase::markField(uint8_t mask, int16_t field) {
    return combine(checkMarkField(mask, field), tsVecMaskirano,
                   {tsNePostojiAtribut, tsVecPostojiFWL}, [&] { applyMarkField(mask, field); });
}

// ---- record locks

uint8_t TTrnTabBase::recordExclusiveBlockers(uint8_t mask, int32_t row) const {
    const SSubSlotHeader* h = header(slot(row));
    return (masks_.tableExclusive | masks_.tableShared | masks_.fieldExclusive |
            masks_.fieldShared | h->ownerMask | h->sharedMask | h->fieldChangeMask) &
           ~mask;
}

// Record locks test conflicts before a lock already held; without a
// transaction nothing is taken, so no conflict answers 2.
int TTrnTabBase::recordLockCheck(uint8_t* conflict, uint8_t mask, uint8_t blockers,
                                 bool held) const {
    if (blockedBy(conflict, blockers) != tsOK) return tsKolizija;
    return mask == 0 || held ? tsVecZakljucano : tsOK;
}

int TTrnTabBase::checkLockRecordExclusive(uint8_t* conflict, uint8_t mask, int32_t row) const {
    out(conflict, 0);
    if (!rowInRange(row)) return tsNePostojiSlog;
    const SSubSlotHeader* h = header(slot(row));
    if (mask == 0 && (h->versions & kCommittedVersion) == 0) return tsNePostojiSlog;
    return recordLockCheck(conflict, mask, recordExclusiveBlockers(mask, row),
                           h->ownerMask == mask);
}

// The transaction's pending version starts as a copy of the committed one.
void TTrnTabBase::takePendingCopy(int32_t row) {
    uint8_t* s = slot(row);
    SSubSlotHeader* h = header(s);
    if (h->versions & kPendingVersion) return;
    uint8_t* committed = s + kSlotHeaderSize + layout_.keyLength;
    std::memcpy(committed + layout_.dataLength, committed, size_t(layout_.dataLength));
    h->versions |= kPendingVersion;
}

void TTrnTabBase::applyLockRecordExclusive(uint8_t mask, int32_t row) {
    if (mask == 0 || !rowInRange(row)) return;
    header(slot(row))->ownerMask = mask;
    takePendingCopy(row);
    masks_.recordExclusive |= mask;
}

int TTrnTabBase::lockRecordExclusive(uint8_t* conflict, uint8_t mask, int32_t row) {
    return combine(checkLockRecordExclusive(conflict, mask, row), tsVecZakljucano,
                   {tsKolizija, tsNePostojiSlog}, [&] { applyLockRecordExclusive(mask, row); });
}

int TTrnTabBase::checkLockRecordShared(uint8_t* conflict, uint8_t mask, int32_t row) const {
    out(conflict, 0);
    if (!rowInRange(row)) return tsNePostojiSlog;
    const SSubSlotHeader* h = header(slot(row));
    const uint8_t blockers =
        (masks_.tableExclusive | masks_.fieldExclusive | h->ownerMask | h->fieldChangeMask) & ~mask;
    return recordLockCheck(conflict, mask, blockers, (h->sharedMask & mask) != 0);
}

void TTrnTabBase::applyLockRecordShared(uint8_t mask, int32_t row) {
    if (mask == 0 || !rowInRange(row)) return;
    takeShared(header(slot(row))->sharedMask, masks_.recordShared, recordLocks_, mask);
}

int TTrnTabBase::lockRecordShared(uint8_t* conflict, uint8_t mask, int32_t row) {
    return combine(checkLockRecordShared(conflict, mask, row), tsVecZakljucano,
                   {tsKolizija, tsNePostojiSlog}, [&] { applyLockRecordShared(mask, row); });
}

int TTrnTabBase::checkUnlockRecordShared(uint8_t mask, int32_t row) const {
    if (!rowInRange(row)) return tsNePostojiSlog;
    return mask != 0 && (header(slot(row))->sharedMask & mask) != 0 ? tsOK : tsNijeZakljucano;
}

void TTrnTabBase::applyUnlockRecordShared(uint8_t mask, int32_t row) {
    if (mask == 0 || !rowInRange(row)) return;
    releaseShared(header(slot(row))->sharedMask, masks_.recordShared, recordLocks_, mask);
}

int TTrnTabBase::unlockRecordShared(uint8_t mask, int32_t row) {
    return combine(checkUnlockRecordShared(mask, row), tsNijeZakljucano, {tsNePostojiSlog},
                   [&] { applyUnlockRecordShared(mask, row); });
}

int TTrnTabBase::checkLockRecordField(uint8_t* conflict, uint8_t mask, int32_t row,
                                      int16_t field) const {
    out(conflict, 0);
    if (!isFieldNumber(field)) return tsNePostojiAtribut;
    const SSubField& f = fields_[field - 1];
    if (mask == 0 || (f.markMask & mask) == 0) return checkLockRecordExclusive(conflict, mask, row);
    if (!rowInRange(row)) return tsNePostojiSlog;
    const SSubSlotHeader* h = header(slot(row));
    const uint8_t blockers =
        (masks_.tableExclusive | masks_.tableShared | f.exclusiveMask | f.sharedMask |
         h->ownerMask | h->sharedMask | (h->fieldChangeMask & f.markMask)) &
        ~mask;
    return blockedBy(conflict, blockers);  // never "already held": every change is applied
}

void TTrnTabBase::applyLockRecordField(uint8_t mask, int32_t row, int16_t field) {
    if (mask == 0 || !rowInRange(row) || !isFieldNumber(field)) return;
    if ((fields_[field - 1].markMask & mask) == 0) {
        applyLockRecordExclusive(mask, row);
        return;
    }
    header(slot(row))->fieldChangeMask |= mask;
    masks_.recordField |= mask;
    takePendingCopy(row);
}

int TTrnTabBase::lockRecordField(uint8_t* conflict, uint8_t mask, int32_t row, int16_t field) {
    return combine(checkLockRecordField(conflict, mask, row, field), tsVecZakljucano,
                   {tsKolizija, tsNePostojiSlog, tsNePostojiAtribut},
                   [&] { applyLockRecordField(mask, row, field); });
}

int TTrnTabBase::lockRecordExclusiveByKey(uint8_t* conflict, uint8_t mask, const void* key) {
    const int32_t row = findKey(key);
    return row < 0 ? (out(conflict, 0), tsNePostojiSlog) : lockRecordExclusive(conflict, mask, row);
}

int TTrnTabBase::lockRecordSharedByKey(uint8_t* conflict, uint8_t mask, const void* key) {
    const int32_t row = findKey(key);
    return row < 0 ? (out(conflict, 0), tsNePostojiSlog) : lockRecordShared(conflict, mask, row);
}

int TTrnTabBase::unlockRecordSharedByKey(uint8_t mask, const void* key) {
    const int32_t row = findKey(key);
    return row < 0 ? tsNePostojiSlog : unlockRecordShared(mask, row);
}

int TTrnTabBase::lockRecordFieldByKey(uint8_t* conflict, uint8_t mask, const void* key,
                                      int16_t field) {
    const int32_t row = findKey(key);
    return row < 0 ? (out(conflict, 0), tsNePostojiSlog)
                   : lockRecordField(conflict, mask, row, field);
}

// ---- index entries: {value of the field, key of the record}

int16_t TTrnTabBase::buildIndexEntry(const SSubField& f, const uint8_t* record,
                                     uint8_t* entry) const {
    const TTrnTabBase* sub = f.indexTable;
    const int16_t valueLength = sub->keyLength();
    if (f.flags & kFieldBit)
        entry[0] = static_cast<uint8_t>((record[f.offset] >> f.bitNumber) & 1);
    else
        copyBytes(entry, record + f.offset, size_t(valueLength));
    copyBytes(entry + valueLength, record, size_t(layout_.keyLength));
    return valueLength;
}

// An insert of the record's entry: 1 stays 1, any other refusal is an index
// conflict. entryRow, when given, receives the row the entry takes.
int TTrnTabBase::checkIndexInsert(uint8_t* conflict, uint8_t mask, const SSubField& f,
                                  const uint8_t* record, int32_t* entryRow) const {
    buildIndexEntry(f, record, entryWork_.data());
    int32_t row = -1;
    const int rc = f.indexTable->checkInsert(conflict, mask, entryWork_.data(), &row);
    if (entryRow != nullptr) *entryRow = row;
    if (rc == tsOK || rc == tsKolizija) return rc;
    return tsIndeksnaKolizija;
}

// Moving an entry from the old value to the new: the delete check, then the insert check.
int TTrnTabBase::checkIndexMove(uint8_t* conflict, uint8_t mask, const SSubField& f,
                                const uint8_t* oldRecord, const uint8_t* newRecord) const {
    if (compareFieldValues(oldRecord, newRecord, &f) == 0) return tsOK;
    buildIndexEntry(f, oldRecord, entryWork_.data());
    int32_t row = -1;
    int rc = f.indexTable->checkDelete(conflict, mask, entryWork_.data(), &row);
    if (rc == tsOK) rc = checkIndexInsert(conflict, mask, f, newRecord);
    if (rc == tsOK || rc == tsKolizija) return rc;
    return tsIndeksnaKolizija;
}

void TTrnTabBase::deleteIndexEntry(uint8_t mask, const SSubField& f, const uint8_t* record) {
    buildIndexEntry(f, record, entryWork_.data());
    const int32_t row = f.indexTable->findKey(entryWork_.data());
    if (row >= 0) f.indexTable->applyDelete(mask, row);
}

// row: where the entry goes as the check of the insert found it, or -1 to find it here.
void TTrnTabBase::insertIndexEntry(uint8_t mask, const SSubField& f, const uint8_t* record,
                                   int32_t row) {
    buildIndexEntry(f, record, entryWork_.data());
    if (row < 0) f.indexTable->findInsertPosition(&row, entryWork_.data());
    f.indexTable->applyInsert(mask, entryWork_.data(), row);
}

void TTrnTabBase::moveIndexEntry(uint8_t mask, const SSubField& f, const uint8_t* oldRecord,
                                 const uint8_t* newRecord) {
    if (compareFieldValues(oldRecord, newRecord, &f) == 0) return;
    deleteIndexEntry(mask, f, oldRecord);
    insertIndexEntry(mask, f, newRecord, -1);
}

// ---- clear

int TTrnTabBase::checkClear(uint8_t* conflict, uint8_t mask) const {
    const int rc = checkLockTableExclusive(conflict, mask);
    return rc == tsKolizija ? tsKolizija : tsOK;
}

void TTrnTabBase::applyClear(uint8_t mask) {
    if (mask == 0) {
        recordCount_ = 0;  // no version survives
    } else {
        masks_.tableExclusive = mask;
        if (recordCount_ > 0) masks_.recordExclusive |= mask;
        for (int32_t row = 0; row < recordCount_; ++row) {
            SSubSlotHeader* h = header(slot(row));
            h->versions &= ~kPendingVersion;
            h->ownerMask = mask;  // every record is deleted for the transaction
        }
    }
    for (const auto& sub : indexTables_)
        if (sub) sub->applyClear(mask);
}

int TTrnTabBase::clear(uint8_t* conflict, uint8_t mask) {
    const int rc = checkClear(conflict, mask);
    if (rc == tsOK) applyClear(mask);
    return rc;
}

// ---- insert

int TTrnTabBase::checkInsert(uint8_t* conflict, uint8_t mask, const void* record,
                             int32_t* row) const {
    return checkInsertAt(conflict, mask, record, row, nullptr);
}

// entryRows, when given, receives the row of each index entry (in the order
// of indexedFields_): the apply of the same insert puts them there without
// searching again, since nothing else changes the index tables in between.
int TTrnTabBase::checkInsertAt(uint8_t* conflict, uint8_t mask, const void* record, int32_t* row,
                               int32_t* entryRows) const {
    out(conflict, 0);
    const uint8_t* image = static_cast<const uint8_t*>(record);
    int32_t at = -1;
    const bool exists = findInsertPosition(&at, image) != 0;
    if (row != nullptr) *row = at;
    if (exists && isVisible(mask, at)) return tsVecPostojiSlog;
    if (exists) {
        // The slot of a record this transaction deleted is reused.
        const int rc = checkLockRecordExclusive(conflict, mask, at);
        if (rc == tsNePostojiSlog) out(conflict, recordExclusiveBlockers(mask, at));
        if (rc != tsOK && rc != tsVecZakljucano) return tsKolizija;
    } else {
        const uint8_t blockers = (masks_.tableExclusive | masks_.tableShared |
                                  masks_.fieldExclusive | masks_.fieldShared) &
                                 ~mask;
        if (blockedBy(conflict, blockers) != tsOK) return tsKolizija;
        if (recordCount_ >= usableCapacity()) return tsPrepunaTabela;
    }
    for (size_t k = 0; k < indexedFields_.size(); ++k) {
        const int rc = checkIndexInsert(conflict, mask, fields_[size_t(indexedFields_[k])], image,
                                        entryRows != nullptr ? &entryRows[k] : nullptr);
        if (rc != tsOK) return rc;
    }
    return tsOK;
}

void TTrnTabBase::applyInsert(uint8_t mask, const void* record, int32_t row) {
    applyInsertAt(mask, record, row, nullptr);
}

void TTrnTabBase::applyInsertAt(uint8_t mask, const void* record, int32_t row,
                                const int32_t* entryRows) {
    const uint8_t* image = static_cast<const uint8_t*>(record);
    if (rowInRange(row) && compareSlotKey(row, image) == 0) {
        applyLockRecordExclusive(mask, row);
        uint8_t* s = slot(row);
        std::memcpy(s + kSlotHeaderSize + layout_.keyLength + layout_.dataLength,
                    image + layout_.keyLength, size_t(layout_.dataLength));
        header(s)->versions |= kPendingVersion;
    } else if (insertSlotFromRecord(row, image, mask) != tsOK) {
        return;
    }
    currentRow_ = row;
    for (size_t k = 0; k < indexedFields_.size(); ++k)
        insertIndexEntry(mask, fields_[size_t(indexedFields_[k])], image,
                         entryRows != nullptr ? entryRows[k] : -1);
}

// Whether an insert without a transaction may append the entry (the image
// of a key and data) at the end: nothing locks the table, there is room,
// and the key comes after the last one. The check of insert() answers 0
// then and its apply puts the slot at the end.
[[gnu::always_inline]] inline bool TTrnTabBase::appendsInOrder(const uint8_t* image) const {
    if ((masks_.tableExclusive | masks_.tableShared | masks_.fieldExclusive | masks_.fieldShared) !=
        0)
        return false;
    if (recordCount_ >= usableCapacity()) return false;
    return recordCount_ == 0 || orderOfSlotKey(recordCount_ - 1, image) < 0;
}

// The slot insertSlot() makes for an image without a transaction, put at
// the end, and the row apply sets.
[[gnu::always_inline]] inline void TTrnTabBase::appendCommitted(const uint8_t* image) {
    uint8_t* s = slot(recordCount_);
    *header(s) = SSubSlotHeader{kCommittedVersion, 0, 0, 0};
    const size_t keyAndData = size_t(layout_.keyLength) + size_t(layout_.dataLength);
    copyBytes(s + kSlotHeaderSize, image, keyAndData);
    clearBytes(s + kSlotHeaderSize + keyAndData, size_t(layout_.dataLength));
    currentRow_ = recordCount_++;
}

// Records read in key order whose index values come in order too: insert()
// in one pass, all checks before any change. False, with nothing changed,
// when the general path must judge.
bool TTrnTabBase::insertInOrder(const uint8_t* image) {
    if (!appendsInOrder(image)) return false;
    if (indexedFields_.empty()) {  // most tables: the slot alone
        appendCommitted(image);
        return true;
    }
    for (const int16_t i : indexedFields_) {
        const SSubField& f = fields_[size_t(i)];
        buildIndexEntry(f, image, entryWork_.data());
        if (!f.indexTable->appendsInOrder(entryWork_.data())) return false;
    }
    appendCommitted(image);
    const bool built = indexedFields_.size() == 1;  // the one entry is still in the work area
    for (const int16_t i : indexedFields_) {
        const SSubField& f = fields_[size_t(i)];
        if (!built) buildIndexEntry(f, image, entryWork_.data());
        f.indexTable->appendCommitted(entryWork_.data());
    }
    return true;
}

int TTrnTabBase::insert(uint8_t* conflict, uint8_t mask, const void* record) {
    if (mask == 0 && insertInOrder(static_cast<const uint8_t*>(record))) {
        out(conflict, 0);
        return tsOK;
    }
    return insertChecked(conflict, mask, record);
}

// The general insert, out of line: the records of a file, which come in key
// order, do not pay for its work areas.
int TTrnTabBase::insertChecked(uint8_t* conflict, uint8_t mask, const void* record) {
    int32_t row = -1;
    int32_t entryRows[kRememberedEntryRows];
    int32_t* rows = indexedFields_.size() <= kRememberedEntryRows ? entryRows : nullptr;
    const int rc = checkInsertAt(conflict, mask, record, &row, rows);
    if (rc == tsOK) applyInsertAt(mask, record, row, rows);
    return rc;
}

// ---- delete

int TTrnTabBase::checkDelete(uint8_t* conflict, uint8_t mask, const void* key, int32_t* row) const {
    out(conflict, 0);
    const int32_t at = findKey(key);
    if (row != nullptr) *row = at;
    if (at < 0 || !isVisible(mask, at)) return tsNePostojiSlog;
    const int rc = checkLockRecordExclusive(conflict, mask, at);
    if (rc != tsOK && rc != tsVecZakljucano) return rc;
    if (layout_.indexCount == 0) return tsOK;
    viewRecord(mask, at, viewWork_.data());
    for (const SSubField& f : fields_) {
        if (f.indexTable == nullptr) continue;
        buildIndexEntry(f, viewWork_.data(), entryWork_.data());
        int32_t entryRow = -1;
        if (f.indexTable->checkDelete(conflict, mask, entryWork_.data(), &entryRow) != tsOK)
            return tsIndeksnaKolizija;
    }
    return tsOK;
}

void TTrnTabBase::applyDelete(uint8_t mask, int32_t row) {
    if (!rowInRange(row)) return;
    if (layout_.indexCount > 0) {
        viewRecord(mask, row, viewWork_.data());
        for (const SSubField& f : fields_)
            if (f.indexTable != nullptr) deleteIndexEntry(mask, f, viewWork_.data());
    }
    if (mask == 0) {
        removeSlot(row);
    } else {
        applyLockRecordExclusive(mask, row);
        header(slot(row))->versions &= ~kPendingVersion;  // deleted for this transaction only
    }
    currentRow_ = row;
}

int TTrnTabBase::remove(uint8_t* conflict, uint8_t mask, const void* key) {
    int32_t row = -1;
    const int rc = checkDelete(conflict, mask, key, &row);
    if (rc == tsOK) applyDelete(mask, row);
    return rc;
}

// ---- update

int TTrnTabBase::checkUpdate(uint8_t* conflict, uint8_t mask, const void* record,
                             int32_t* row) const {
    out(conflict, 0);
    const uint8_t* image = static_cast<const uint8_t*>(record);
    const int32_t at = findKey(image);
    if (row != nullptr) *row = at;
    if (at < 0 || !isVisible(mask, at)) return tsNePostojiSlog;
    const int rc = checkLockRecordExclusive(conflict, mask, at);
    if (rc != tsOK && rc != tsVecZakljucano) return rc;
    if (layout_.indexCount == 0) return tsOK;
    viewRecord(mask, at, viewWork_.data());
    for (const SSubField& f : fields_) {
        if (f.indexTable == nullptr) continue;
        const int moved = checkIndexMove(conflict, mask, f, viewWork_.data(), image);
        if (moved != tsOK) return moved;
    }
    return tsOK;
}

void TTrnTabBase::applyUpdate(uint8_t mask, const void* record, int32_t row) {
    if (!rowInRange(row)) return;
    const uint8_t* image = static_cast<const uint8_t*>(record);
    if (layout_.indexCount > 0) {
        viewRecord(mask, row, viewWork_.data());
        for (const SSubField& f : fields_)
            if (f.indexTable != nullptr) moveIndexEntry(mask, f, viewWork_.data(), image);
    }
    applyLockRecordExclusive(mask, row);
    uint8_t* data = slot(row) + kSlotHeaderSize + layout_.keyLength;
    if (mask != 0) data += layout_.dataLength;
    std::memcpy(data, image + layout_.keyLength, size_t(layout_.dataLength));
    currentRow_ = row;
}

int TTrnTabBase::update(uint8_t* conflict, uint8_t mask, const void* record) {
    int32_t row = -1;
    const int rc = checkUpdate(conflict, mask, record, &row);
    if (rc == tsOK) applyUpdate(mask, record, row);
    return rc;
}

// ---- update of one field

int TTrnTabBase::checkUpdateField(uint8_t* conflict, uint8_t mask, int16_t field,
                                  const void* record, int32_t* row) const {
    out(conflict, 0);
    const uint8_t* image = static_cast<const uint8_t*>(record);
    const int32_t at = findKey(image);
    if (row != nullptr) *row = at;
    if (at < 0 || !isVisible(mask, at)) return tsNePostojiSlog;
    const int rc = checkLockRecordField(conflict, mask, at, field);
    if (rc != tsOK && rc != tsVecZakljucano) return rc;
    const SSubField& f = fields_[field - 1];
    if (f.flags & kFieldKey) return tsKljucniAtribut;
    if (f.indexTable == nullptr) return tsOK;
    viewRecord(mask, at, viewWork_.data());
    return checkIndexMove(conflict, mask, f, viewWork_.data(), image);
}

void TTrnTabBase::applyUpdateField(uint8_t mask, int16_t field, const void* record, int32_t row) {
    if (!rowInRange(row) || !isFieldNumber(field)) return;
    const uint8_t* image = static_cast<const uint8_t*>(record);
    const SSubField& f = fields_[field - 1];
    if (f.indexTable != nullptr) {
        viewRecord(mask, row, viewWork_.data());
        moveIndexEntry(mask, f, viewWork_.data(), image);
    }
    applyLockRecordField(mask, row, field);
    uint8_t* base = slot(row) + kSlotHeaderSize;  // field at its offset
    if (mask != 0) base += layout_.dataLength;
    copyDataField(f, base, image);
    currentRow_ = row;
}

int TTrnTabBase::updateField(uint8_t* conflict, uint8_t mask, int16_t field, const void* record) {
    int32_t row = -1;
    const int rc = checkUpdateField(conflict, mask, field, record, &row);
    if (rc == tsOK) applyUpdateField(mask, field, record, row);
    return rc;
}

// ---- ending transactions

// Every slot from the last row to the first (rows may disappear), then the
// transaction's locks, then the same in every index.
void TTrnTabBase::finishTransaction(uint8_t mask, bool commit) {
    for (int32_t row = recordCount_ - 1; row >= 0; --row) {
        uint8_t* s = slot(row);
        SSubSlotHeader* h = header(s);
        h->sharedMask &= ~mask;
        const bool owns = (h->ownerMask & mask) != 0;
        if (!owns && (h->fieldChangeMask & mask) == 0) continue;
        uint8_t* committed = s + kSlotHeaderSize;  // field bases: field at its offset
        uint8_t* pending = committed + layout_.dataLength;
        if (owns || (h->fieldChangeMask & ~mask) == 0) {
            const uint8_t survivor = commit ? kPendingVersion : kCommittedVersion;
            if ((h->versions & survivor) == 0) {
                removeSlot(row);  // a delete committed, or an insert rolled back
                continue;
            }
            if (commit) {
                std::memcpy(committed + layout_.keyLength, pending + layout_.keyLength,
                            size_t(layout_.dataLength));
            }
            h->versions = kCommittedVersion;
            h->ownerMask = 0;
            h->fieldChangeMask = 0;
            continue;
        }
        // Single fields changed together with other transactions: only this
        // transaction's fields move; the others keep the pending version.
        h->fieldChangeMask &= ~mask;
        for (const SSubField& f : fields_) {
            if ((f.flags & kFieldKey) || (f.markMask & mask) == 0) continue;
            if (commit)
                copyDataField(f, committed, pending);
            else
                copyDataField(f, pending, committed);
        }
    }
    clearTransactionLocks(mask);
    for (const auto& sub : indexTables_)
        if (sub) sub->finishTransaction(mask, commit);
}

int TTrnTabBase::commit(uint8_t mask) {
    finishTransaction(mask, true);
    return tsOK;
}

int TTrnTabBase::rollback(uint8_t mask) {
    finishTransaction(mask, false);
    return tsOK;
}

void TTrnTabBase::resetTransactions() {
    for (int32_t row = recordCount_ - 1; row >= 0; --row) {
        SSubSlotHeader* h = header(slot(row));
        if ((h->versions & kCommittedVersion) == 0) {
            removeSlot(row);
            continue;
        }
        h->versions = kCommittedVersion;
        h->sharedMask = 0;
        h->ownerMask = 0;
        h->fieldChangeMask = 0;
    }
    clearTransactionLocks(0xFF);
    for (const auto& sub : indexTables_)
        if (sub) sub->resetTransactions();
}

void TTrnTabBase::reset() {
    recordCount_ = 0;
    currentRow_ = -1;
    clearTransactionLocks(0xFF);
    for (const auto& sub : indexTables_)
        if (sub) sub->reset();
}

void TTrnTabBase::clearTransactionLocks(uint8_t mask) {
    const uint8_t keep = static_cast<uint8_t>(~mask);
    masks_.tableExclusive &= keep;
    masks_.tableShared &= keep;
    masks_.fieldExclusive &= keep;
    masks_.fieldShared &= keep;
    masks_.recordExclusive &= keep;
    masks_.recordShared &= keep;
    masks_.recordField &= keep;
    for (SSubField& f : fields_) {
        f.exclusiveMask &= keep;
        f.sharedMask &= keep;
        f.markMask &= keep;
    }
    for (int i = 0; i < kTransactionSlots; ++i) {
        if ((mask & (1u << i)) == 0) continue;
        recordLocks_[i] = 0;
        fieldLocks_[i] = 0;
    }
}

// ---- loading

void TTrnTabBase::setLockState(uint8_t tableExclusive, uint8_t tableShared,
                               const uint8_t* fieldExclusive, const uint8_t* fieldShared,
                               const uint8_t* recordFieldMark) {
    masks_.tableExclusive = tableExclusive;
    masks_.tableShared = tableShared;
    for (int16_t i = 0; i < fieldCount_; ++i) {
        SSubField& f = fields_[i];
        if (fieldExclusive != nullptr) f.exclusiveMask = fieldExclusive[i];
        if (fieldShared != nullptr) f.sharedMask = fieldShared[i];
        if (recordFieldMark != nullptr) f.markMask = recordFieldMark[i];
        // The table's field masks and counters follow the fields, so that
        // record and table locks see the loaded field locks.
        masks_.fieldExclusive |= f.exclusiveMask;
        masks_.fieldShared |= f.sharedMask;
        for (int t = 0; t < kTransactionSlots; ++t)
            if (f.sharedMask & (1u << t)) ++fieldLocks_[t];
    }
}

// The transactions whose pending value of the field an image carries.
uint8_t TTrnTabBase::pendingIndexMask(const SSubField& f, const uint8_t* slotImage) const {
    const SSubSlotHeader* h = header(slotImage);
    if ((h->versions & kPendingVersion) == 0) return 0;
    return static_cast<uint8_t>((f.markMask & h->fieldChangeMask) | h->ownerMask);
}

int TTrnTabBase::checkLoadRecord(int32_t row, const uint8_t* slotImage) const {
    if (slotImage == nullptr || row != recordCount_) return tsNijePoslednji;
    const uint8_t* key = slotImage + kSlotHeaderSize;
    if (row > 0 && compareSlotKey(row - 1, key) >= 0) return tsNijeNajveci;
    if (recordCount_ >= usableCapacity()) return tsPrepunaTabela;
    if (layout_.indexCount == 0) return tsOK;
    const SSubSlotHeader* h = header(slotImage);
    const uint8_t* committed = slotImage + kSlotHeaderSize;  // field bases
    const uint8_t* pending = committed + layout_.dataLength;
    uint8_t* image = viewWork_.data();
    for (const SSubField& f : fields_) {
        if (f.indexTable == nullptr) continue;
        int32_t newEntries = 0;
        uint8_t conflict = 0;
        std::memcpy(image, key, size_t(layout_.keyLength));
        if (h->versions & kCommittedVersion) {
            std::memcpy(image + layout_.keyLength, committed + layout_.keyLength,
                        size_t(layout_.dataLength));
            if (checkIndexInsert(&conflict, 0, f, image) != tsOK) return tsIndeksnaKolizija;
            ++newEntries;
        }
        const uint8_t mask = pendingIndexMask(f, slotImage);
        if (mask != 0) {
            const bool sameValue = newEntries > 0 && compareFieldValues(image, pending, &f) == 0;
            std::memcpy(image + layout_.keyLength, pending + layout_.keyLength,
                        size_t(layout_.dataLength));
            if (checkIndexInsert(&conflict, mask, f, image) != tsOK) return tsIndeksnaKolizija;
            if (!sameValue) ++newEntries;
        }
        // Both entries must find room, not only each one alone.
        if (f.indexTable->recordCount() + newEntries > f.indexTable->usableCapacity())
            return tsIndeksnaKolizija;
    }
    return tsOK;
}

void TTrnTabBase::loadIndexEntry(const SSubField& f, const uint8_t* record, uint8_t mask) {
    TTrnTabBase* sub = f.indexTable;
    const int16_t valueLength = buildIndexEntry(f, record, entryWork_.data());
    const uint8_t* entry = entryWork_.data();
    int32_t row = -1;
    if (sub->findInsertPosition(&row, entry) == 0) {
        sub->insertSlot(row, entry, entry + valueLength, mask);
        return;
    }
    uint8_t* s = sub->slot(row);
    uint8_t* committed = s + kSlotHeaderSize + sub->layout_.keyLength;
    SSubSlotHeader* h = header(s);
    if (mask == 0) {
        h->versions |= kCommittedVersion;
        std::memcpy(committed, entry + valueLength, size_t(sub->layout_.dataLength));
    } else {
        h->versions |= kPendingVersion;
        std::memcpy(committed + sub->layout_.dataLength, entry + valueLength,
                    size_t(sub->layout_.dataLength));
        h->ownerMask = mask;
        sub->masks_.recordExclusive |= mask;
    }
}

void TTrnTabBase::appendLoadedSlot(const uint8_t* slotImage) {
    if (recordCount_ >= usableCapacity()) return;
    uint8_t* s = slot(recordCount_);
    std::memcpy(s, slotImage, size_t(slotLength_));
    SSubSlotHeader* h = header(s);
    h->versions &= kCommittedVersion | kPendingVersion;
    masks_.recordField |= h->fieldChangeMask;
    masks_.recordExclusive |= h->ownerMask;
    masks_.recordShared |= h->sharedMask;
    for (int t = 0; t < kTransactionSlots; ++t)
        if (h->sharedMask & (1u << t)) ++recordLocks_[t];
    ++recordCount_;
    if (layout_.indexCount == 0) return;
    const uint8_t* committed = s + kSlotHeaderSize;
    uint8_t* image = viewWork_.data();
    for (const SSubField& f : fields_) {
        if (f.indexTable == nullptr) continue;
        std::memcpy(image, committed, size_t(layout_.keyLength));
        if (h->versions & kCommittedVersion) {
            std::memcpy(image + layout_.keyLength, committed + layout_.keyLength,
                        size_t(layout_.dataLength));
            loadIndexEntry(f, image, 0);
        }
        const uint8_t mask = pendingIndexMask(f, s);
        if (mask != 0) {
            std::memcpy(image + layout_.keyLength,
                        committed + layout_.keyLength + layout_.dataLength,
                        size_t(layout_.dataLength));
            loadIndexEntry(f, image, mask);
        }
    }
}

int TTrnTabBase::loadSlot(int32_t row, const uint8_t* slotImage) {
    const int rc = checkLoadRecord(row, slotImage);
    if (rc == tsOK) appendLoadedSlot(slotImage);
    return rc;
}

// ---- searching

int32_t TTrnTabBase::findKey(const void* key) const {
    int32_t lo = 0, hi = recordCount_ - 1;
    while (lo <= hi) {
        const int32_t mid = lo + (hi - lo) / 2;
        const int c = compareSlotKey(mid, key);
        if (c == 0) return mid;
        if (c < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return -1;
}

int TTrnTabBase::findInsertPosition(int32_t* row, const void* key) const {
    if (recordCount_ == 0) {
        *row = 0;
        return 0;
    }
    const int32_t last = recordCount_ - 1;
    const int c = compareSlotKey(last, key);
    if (c == 0) {
        *row = last;
        return -1;
    }
    if (c < 0) {  // appending in key order costs one comparison
        *row = recordCount_;
        return 0;
    }
    // The first slot with a key above the given key, among rows 0..last.
    int32_t lo = 0, hi = last;
    while (lo < hi) {
        const int32_t mid = lo + (hi - lo) / 2;
        const int m = compareSlotKey(mid, key);
        if (m == 0) {
            *row = mid;
            return -1;
        }
        if (m < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    *row = lo;
    return 0;
}

int32_t TTrnTabBase::findFirstAtOrAfter(const void* key) const {
    if (recordCount_ == 0) return -1;
    int32_t lo = 0, hi = recordCount_;  // first row with key >= the given key
    while (lo < hi) {
        const int32_t mid = lo + (hi - lo) / 2;
        if (compareSlotKey(mid, key) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < recordCount_ ? lo : -1;
}

int32_t TTrnTabBase::findLastAtOrBefore(const void* key) const {
    int32_t lo = 0, hi = recordCount_;  // first row with key > the given key
    while (lo < hi) {
        const int32_t mid = lo + (hi - lo) / 2;
        if (compareSlotKey(mid, key) <= 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo - 1;
}

int32_t TTrnTabBase::firstVisibleAtOrAfter(uint8_t mask, const void* key) const {
    int32_t row = findFirstAtOrAfter(key);
    if (row < 0) return -1;
    while (row < recordCount_ && !isVisible(mask, row)) ++row;
    return row < recordCount_ ? row : -1;
}

int32_t TTrnTabBase::lastVisibleAtOrBefore(uint8_t mask, const void* key) const {
    int32_t row = findLastAtOrBefore(key);
    while (row >= 0 && !isVisible(mask, row)) --row;
    return row;
}

int TTrnTabBase::findRow(uint8_t mask, const void* key, uint8_t mode, int32_t* row) {
    int32_t found = -1;
    switch (mode) {
        case kFindExact:
            found = findKey(key);
            if (found >= 0 && !isVisible(mask, found)) found = -1;
            break;
        case kFindAtOrBefore:
            found = lastVisibleAtOrBefore(mask, key);
            break;
        case kFindAtOrAfter:
            found = firstVisibleAtOrAfter(mask, key);
            break;
        default:
            if (row != nullptr) *row = -1;
            return tsLosKriterijumTrazenja;
    }
    if (row != nullptr) *row = found;
    if (found < 0) return tsNePostojiSlog;
    currentRow_ = found;
    return tsOK;
}

int TTrnTabBase::findAndRead(uint8_t mask, void* keyAndRecord, uint8_t mode) {
    int32_t row = -1;
    const int rc = findRow(mask, keyAndRecord, mode, &row);
    return rc != tsOK ? rc : readRow(mask, row, keyAndRecord);
}

int TTrnTabBase::findRowByIndex(uint8_t mask, int16_t field, const void* record, uint8_t mode,
                                int32_t* row) {
    if (row != nullptr) *row = -1;
    if (!isFieldNumber(field)) return tsNePostojiAtribut;
    const SSubField& f = fields_[field - 1];
    if (f.indexTable == nullptr) return tsNijeIndeksniKljuc;
    TTrnTabBase* sub = f.indexTable;
    buildIndexEntry(f, static_cast<const uint8_t*>(record), entryWork_.data());
    int32_t entryRow = -1;
    int rc = sub->findRow(mask, entryWork_.data(), mode, &entryRow);
    if (rc == tsOK) rc = sub->readRow(mask, entryRow, entryWork_.data());
    if (rc != tsOK) return rc;
    int32_t found = -1;
    rc = findRow(mask, entryWork_.data() + sub->keyLength(), kFindExact, &found);
    if (row != nullptr) *row = found;
    return rc;
}

int TTrnTabBase::readByIndex(uint8_t mask, int16_t field, void* record, uint8_t mode) {
    int32_t row = -1;
    const int rc = findRowByIndex(mask, field, record, mode, &row);
    return rc != tsOK ? rc : readRow(mask, row, record);
}

int TTrnTabBase::isIndexedField(int16_t field) const {
    return isFieldNumber(field) && (fields_[field - 1].flags & kFieldIndex) ? 1 : 0;
}

// ---- slot primitives

int TTrnTabBase::insertSlotFromRecord(int32_t row, const void* record, uint8_t mask) {
    const uint8_t* image = static_cast<const uint8_t*>(record);
    return insertSlot(row, image, image + layout_.keyLength, mask);
}

int TTrnTabBase::insertSlot(int32_t row, const void* key, const void* data, uint8_t mask) {
    if (row < 0 || row > recordCount_) return tsNePostojiSlog;
    if (recordCount_ >= usableCapacity()) return tsPrepunaTabela;
    uint8_t* s = slot(row);
    if (row < recordCount_)  // records loaded in key order go to the end: nothing moves
        std::memmove(s + slotLength_, s, size_t(recordCount_ - row) * size_t(slotLength_));
    ++recordCount_;
    SSubSlotHeader* h = header(s);
    *h = SSubSlotHeader{};
    uint8_t* committed = s + kSlotHeaderSize + layout_.keyLength;
    uint8_t* pending = committed + layout_.dataLength;
    const size_t dataLength = size_t(layout_.dataLength);
    std::memcpy(s + kSlotHeaderSize, key, size_t(layout_.keyLength));
    if (mask == 0) {  // the version given, the other one zeroed
        h->versions = kCommittedVersion;
        std::memcpy(committed, data, dataLength);
        std::memset(pending, 0, dataLength);
    } else {
        h->versions = kPendingVersion;
        h->ownerMask = mask;
        std::memset(committed, 0, dataLength);
        std::memcpy(pending, data, dataLength);
        masks_.recordExclusive |= mask;
    }
    return tsOK;
}

int TTrnTabBase::removeSlot(int32_t row) {
    if (!rowInRange(row)) return tsNePostojiSlog;
    uint8_t* s = slot(row);
    std::memcpy(scratch_.data(), s, size_t(slotLength_));
    std::memmove(s, s + slotLength_, size_t(recordCount_ - row - 1) * size_t(slotLength_));
    --recordCount_;
    return tsOK;
}

// ---- table list

namespace {

const SSubFieldDef kTableListFields[] = {{kFieldKey, ftShort, 2, nullptr, 0, "Tid"}};

}  // namespace

KTableList::KTableList() : TTrnTabBase(204, 1, kTableListFields) {}

KTableList::~KTableList() = default;
