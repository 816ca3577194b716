#include "sub/sub_database.h"

#include <cstring>

#include "sub/field_text.h"
#include "sub/table_catalogue.h"

// The notifier is defined before the database in this one translation unit,
// so it is built first and destroyed last.
KSubNotifier subNotifier;
KSub subDatabase(&subNotifier);

namespace {

constexpr int kWorkImageSize = 1000;

bool isSingleBit(uint8_t mask) {
    return bitIndexOfMask(mask) >= 0;
}

}  // namespace

KSub::KSub(KSubNotifier* notifier) : notifier(notifier) {
    for (int i = 0; i < kTransactionSlots; ++i) {
        slots[i].mask = static_cast<uint8_t>(1u << i);
        slots[i].tables = std::make_unique<KTableList>();
    }
    for (int16_t t = 0; t < kTableNumberLimit; ++t)
        if (isValidTableNumber(t)) tables[t] = createTable(t);
}

KSub::~KSub() = default;

TTrnTabBase* KSub::table(int32_t table) const {
    return table >= 0 && table < kTableNumberLimit ? tables[table].get() : nullptr;
}

const SSubField* KSub::fieldOf(int16_t table, int16_t field) const {
    const TTrnTabBase* t = this->table(table);
    return t != nullptr ? t->field(field) : nullptr;
}

void KSub::raise(const SSubEvent& e, bool tableQueue) const {
    if (notifier == nullptr) return;
    notifier->deliverGlobal(e);
    if (tableQueue) notifier->deliverTable(e);
}

// ---- helpers

int KSub::maskOfTransaction(int16_t id, uint8_t* mask) const {
    if (id == 0) {
        *mask = 0;
        return tsOK;
    }
    for (const STrnSlot& s : slots) {
        if (s.active && s.id == id) {
            *mask = s.mask;
            return tsOK;
        }
    }
    return tsNevazecaTransakcija;
}

int KSub::transactionIdOfMask(uint8_t mask, int16_t* id) const {
    const int i = bitIndexOfMask(mask);
    if (i < 0 || !slots[i].active) return tsNevazeciDeskriptor;
    *id = slots[i].id;
    return tsOK;
}

void KSub::rollbackConflicting(uint8_t conflict) {
    for (int i = 0; i < kTransactionSlots; ++i)
        if ((conflict & slots[i].mask) && slots[i].active) rollbackTransaction(slots[i].id);
}

void KSub::noteTableInTransaction(int16_t table, uint8_t mask) {
    const int i = bitIndexOfMask(mask);
    if (i < 0) return;
    uint8_t conflict = 0;
    slots[i].tables->insert(&conflict, 0, &table);  // already listed: stays as it is
}

// Notes the table for every active transaction among the masks, in mask order.
void KSub::noteMaskedTables(int16_t table, uint8_t masks) {
    for (const STrnSlot& s : slots)
        if ((masks & s.mask) && s.active) noteTableInTransaction(table, s.mask);
}

int KSub::tablesOfSlot(int slot, int16_t* out, int max) const {
    if (slot < 0 || slot >= kTransactionSlots) return 0;
    const KTableList& list = *slots[slot].tables;
    int n = 0;
    for (int32_t row = 0; row < list.recordCount() && n < max; ++row)
        std::memcpy(&out[n++], list.slotAt(row) + kSlotHeaderSize, sizeof(int16_t));
    return n;
}

// ---- transaction control

int KSub::beginTransaction(uint8_t mask, int16_t id) {
    const int i = bitIndexOfMask(mask);
    if (i < 0) return tsNevazeciDeskriptor;
    if (slots[i].active) return tsVecPostojiTransakcija;
    lastTransactionId = id;
    slots[i].active = 1;
    slots[i].id = id;
    slots[i].tables->reset();
    SSubEvent e;
    e.event = snTrnBegin;
    e.trnId = static_cast<uint16_t>(id);
    e.trnMask = mask;
    raise(e, false);
    return tsOK;
}

// The tables finish first, so that every receiver sees the final data; then
// the global event, then one event per touched table on that table's queue.
int KSub::endTransaction(int16_t id, bool commit) {
    if (id <= 0) return tsNevazecaTransakcija;
    STrnSlot* slot = nullptr;
    for (STrnSlot& s : slots)
        if (s.active && s.id == id) {
            slot = &s;
            break;
        }
    if (slot == nullptr) return tsNevazecaTransakcija;
    int16_t touched[kTableNumberLimit];
    const int n = tablesOfSlot(bitIndexOfMask(slot->mask), touched, kTableNumberLimit);
    for (int k = 0; k < n; ++k) {
        TTrnTabBase* t = table(touched[k]);
        if (t == nullptr) continue;
        if (commit)
            t->commit(slot->mask);
        else
            t->rollback(slot->mask);
    }
    SSubEvent e;
    e.event = commit ? snTrnCommit : snTrnRollback;
    e.trnId = static_cast<uint16_t>(id);
    if (notifier != nullptr) {
        notifier->deliverGlobal(e);
        for (int k = 0; k < n; ++k) {
            e.table = touched[k];
            notifier->deliverTable(e);
        }
    }
    slot->active = 0;
    return tsOK;
}

int KSub::commitTransaction(int16_t id) {
    return endTransaction(id, true);
}

int KSub::rollbackTransaction(int16_t id) {
    return endTransaction(id, false);
}

void KSub::resetTransactions() {
    bool touched[kTableNumberLimit] = {};
    for (int i = 0; i < kTransactionSlots; ++i) {
        int16_t list[kTableNumberLimit];
        const int n = tablesOfSlot(i, list, kTableNumberLimit);
        for (int k = 0; k < n; ++k)
            if (list[k] >= 0 && list[k] < kTableNumberLimit) touched[list[k]] = true;
        slots[i].active = 0;
    }
    for (int16_t t = 0; t < kTableNumberLimit; ++t)
        if (touched[t] && tables[t]) tables[t]->resetTransactions();
}

void KSub::resetAllTablesTransactions() {
    for (auto& t : tables)
        if (t) t->resetTransactions();
    for (STrnSlot& s : slots) s.active = 0;
}

int KSub::loadTransactionList(int16_t count, const uint8_t* masks, const int16_t* ids,
                              int16_t lastId) {
    if (count < 0 || count > kTransactionSlots) return -1;
    if (count > 0 && (masks == nullptr || ids == nullptr)) return -1;
    for (int16_t k = 0; k < count; ++k)
        if (!isSingleBit(masks[k])) return -1;
    for (STrnSlot& s : slots) s.active = 0;
    for (int16_t k = 0; k < count; ++k) {
        STrnSlot& s = slots[bitIndexOfMask(masks[k])];
        s.active = 1;
        s.id = ids[k];
        s.tables->reset();
    }
    lastTransactionId = lastId;
    SSubEvent e;
    e.event = snTrnListAccepted;
    raise(e, false);
    return tsOK;
}

// ---- loading a table

int KSub::resetTable(int16_t table) {
    TTrnTabBase* t = this->table(table);
    if (t == nullptr) return tsNePostojiTabela;
    t->reset();
    SSubEvent e;
    e.event = snTableReset;
    e.table = table;
    raise(e);
    return tsOK;
}

int KSub::loadTableLockState(int16_t table, uint8_t tableExclusive, uint8_t tableShared,
                             const uint8_t* fieldExclusive, const uint8_t* fieldShared,
                             const uint8_t* recordField) {
    TTrnTabBase* t = this->table(table);
    if (t == nullptr) return tsNePostojiTabela;
    t->setLockState(tableExclusive, tableShared, fieldExclusive, fieldShared, recordField);
    // The transactions holding these locks must find the table in their
    // lists, or their commit and rollback would leave the locks behind.
    uint8_t holders = tableExclusive | tableShared;
    for (int16_t f = 0; f < t->fieldCount(); ++f) {
        if (fieldExclusive != nullptr) holders |= fieldExclusive[f];
        if (fieldShared != nullptr) holders |= fieldShared[f];
        if (recordField != nullptr) holders |= recordField[f];
    }
    noteMaskedTables(table, holders);
    SSubEvent e;
    e.event = snLockStateLoaded;
    e.table = table;
    raise(e);
    return tsOK;
}

int KSub::loadRecord(int16_t table, int32_t row, const uint8_t* slotImage) {
    TTrnTabBase* t = this->table(table);
    if (t == nullptr) return tsNePostojiTabela;
    if (slotImage == nullptr) return tsNijePoslednji;
    SSubSlotHeader h;
    std::memcpy(&h, slotImage, sizeof h);
    const uint8_t named = h.sharedMask | h.ownerMask | h.fieldChangeMask;
    for (const STrnSlot& s : slots)
        if ((named & s.mask) && !s.active) return tsNevazecaTransakcija;
    const int rc = t->loadSlot(row, slotImage);
    if (rc != tsOK) return rc;
    noteMaskedTables(table, named);
    SSubEvent e;
    e.event = snRecLoaded;
    e.table = table;
    e.row = row;
    e.record = slotImage;
    raise(e);
    return tsOK;
}

// ---- the pattern of every lock and change

// Each operation is the one caller of its own run, which is taken into it:
// a file of records read in a loop makes no extra call per record.
template <typename Apply>
[[gnu::always_inline]] inline int KSub::run(int16_t id, int16_t table, uint8_t* conflict,
                                            const SOp& op, Apply apply) {
    uint8_t mask = 0;
    if (maskOfTransaction(id, &mask) != tsOK) return tsNevazecaTransakcija;
    TTrnTabBase* t = this->table(table);
    if (t == nullptr) return tsNePostojiTabela;
    uint8_t localConflict = 0;
    uint8_t* c = conflict != nullptr ? conflict : &localConflict;
    int rc = apply(*t, mask, c);
    if (rc == tsKolizija && mask == 0 && op.retry) {
        rollbackConflicting(*c);
        rc = apply(*t, mask, c);
    }
    if (rc != tsOK) return rc;
    if (mask != 0 && op.note) noteTableInTransaction(table, mask);
    SSubEvent e;
    e.event = mask != 0 ? op.trnEvent : op.plainEvent;
    e.table = table;
    e.trnId = static_cast<uint16_t>(id);
    e.field = op.field;
    e.row = op.row;
    e.record = op.removedRecord && mask == 0 ? t->scratchSlot() + kSlotHeaderSize : op.record;
    raise(e);
    return tsOK;
}

namespace {

// Locks: the same event with or without a transaction.
KSub::SOp lockOp(uint32_t event, int16_t field = 0) {
    return {event, event, true, true, field, 0, nullptr, false};
}
KSub::SOp releaseOp(uint32_t event, int16_t field = 0) {
    return {event, event, false, false, field, 0, nullptr, false};
}
KSub::SOp byKey(KSub::SOp op, const void* key) {
    op.row = -1;
    op.record = key;
    return op;
}
KSub::SOp byRow(KSub::SOp op, int32_t row) {
    op.row = row;
    op.record = nullptr;
    return op;
}
KSub::SOp changeOp(uint32_t trnEvent, uint32_t plainEvent, const void* record, int16_t field = 0) {
    return {trnEvent, plainEvent, true, true, field, 0, record, false};
}

}  // namespace

int KSub::lockTableExclusive(int16_t id, int16_t table, uint8_t* conflict) {
    return run(id, table, conflict, lockOp(snTableLockExcl),
               [](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.lockTableExclusive(c, m); });
}

int KSub::lockTableShared(int16_t id, int16_t table, uint8_t* conflict) {
    return run(id, table, conflict, lockOp(snTableLockShared),
               [](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.lockTableShared(c, m); });
}

int KSub::unlockTableShared(int16_t id, int16_t table) {
    return run(id, table, nullptr, releaseOp(snTableUnlockShared),
               [](TTrnTabBase& t, uint8_t m, uint8_t*) { return t.unlockTableShared(m); });
}

int KSub::lockFieldExclusive(int16_t id, int16_t table, int16_t field, uint8_t* conflict) {
    return run(
        id, table, conflict, lockOp(snFieldLockExcl, field),
        [&](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.lockFieldExclusive(c, m, field); });
}

int KSub::lockFieldShared(int16_t id, int16_t table, int16_t field, uint8_t* conflict) {
    return run(
        id, table, conflict, lockOp(snFieldLockShared, field),
        [&](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.lockFieldShared(c, m, field); });
}

int KSub::unlockFieldShared(int16_t id, int16_t table, int16_t field) {
    return run(id, table, nullptr, releaseOp(snFieldUnlockShared, field),
               [&](TTrnTabBase& t, uint8_t m, uint8_t*) { return t.unlockFieldShared(m, field); });
}

int KSub::markFieldForRecordChange(int16_t id, int16_t table, int16_t field) {
    SOp op = lockOp(snFieldMark, field);
    op.retry = false;
    return run(id, table, nullptr, op,
               [&](TTrnTabBase& t, uint8_t m, uint8_t*) { return t.markField(m, field); });
}

int KSub::lockRecordExclusiveByKey(int16_t id, int16_t table, const void* key, uint8_t* conflict) {
    return run(id, table, conflict, byKey(lockOp(snRecLockExcl), key),
               [&](TTrnTabBase& t, uint8_t m, uint8_t* c) {
                   return t.lockRecordExclusiveByKey(c, m, key);
               });
}

int KSub::lockRecordExclusiveByRow(int16_t id, int16_t table, int32_t row, uint8_t* conflict) {
    return run(
        id, table, conflict, byRow(lockOp(snRecLockExcl), row),
        [&](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.lockRecordExclusive(c, m, row); });
}

int KSub::lockRecordSharedByKey(int16_t id, int16_t table, const void* key, uint8_t* conflict) {
    return run(
        id, table, conflict, byKey(lockOp(snRecLockShared), key),
        [&](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.lockRecordSharedByKey(c, m, key); });
}

int KSub::lockRecordSharedByRow(int16_t id, int16_t table, int32_t row, uint8_t* conflict) {
    return run(
        id, table, conflict, byRow(lockOp(snRecLockShared), row),
        [&](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.lockRecordShared(c, m, row); });
}

int KSub::unlockRecordSharedByKey(int16_t id, int16_t table, const void* key) {
    return run(
        id, table, nullptr, byKey(releaseOp(snRecUnlockShared), key),
        [&](TTrnTabBase& t, uint8_t m, uint8_t*) { return t.unlockRecordSharedByKey(m, key); });
}

int KSub::unlockRecordSharedByRow(int16_t id, int16_t table, int32_t row) {
    return run(id, table, nullptr, byRow(releaseOp(snRecUnlockShared), row),
               [&](TTrnTabBase& t, uint8_t m, uint8_t*) { return t.unlockRecordShared(m, row); });
}

int KSub::lockRecordFieldByKey(int16_t id, int16_t table, int16_t field, const void* key,
                               uint8_t* conflict) {
    return run(id, table, conflict, byKey(lockOp(snRecFieldLock, field), key),
               [&](TTrnTabBase& t, uint8_t m, uint8_t* c) {
                   return t.lockRecordFieldByKey(c, m, key, field);
               });
}

int KSub::lockRecordFieldByRow(int16_t id, int16_t table, int16_t field, int32_t row,
                               uint8_t* conflict) {
    return run(
        id, table, conflict, byRow(lockOp(snRecFieldLock, field), row),
        [&](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.lockRecordField(c, m, row, field); });
}

// ---- changes

int KSub::clearTable(int16_t id, int16_t table, uint8_t* conflict) {
    return run(id, table, conflict, changeOp(snTrnTableClear, snTableClear, nullptr),
               [](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.clear(c, m); });
}

int KSub::insertRecord(int16_t id, int16_t table, const void* record, uint8_t* conflict) {
    return run(id, table, conflict, changeOp(snTrnRecInsert, snRecInsert, record),
               [&](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.insert(c, m, record); });
}

int KSub::deleteRecord(int16_t id, int16_t table, const void* key, uint8_t* conflict) {
    SOp op = changeOp(snTrnRecDelete, snRecDelete, key);
    op.removedRecord = true;
    return run(id, table, conflict, op,
               [&](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.remove(c, m, key); });
}

int KSub::updateRecord(int16_t id, int16_t table, const void* record, uint8_t* conflict) {
    return run(id, table, conflict, changeOp(snTrnRecUpdate, snRecUpdate, record),
               [&](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.update(c, m, record); });
}

int KSub::updateField(int16_t id, int16_t table, int16_t field, const void* record,
                      uint8_t* conflict) {
    return run(
        id, table, conflict, changeOp(snTrnFieldUpdate, snFieldUpdate, record, field),
        [&](TTrnTabBase& t, uint8_t m, uint8_t* c) { return t.updateField(c, m, field, record); });
}

int KSub::setFieldValue(int16_t id, int16_t table, int16_t field, const void* key,
                        const void* value, uint8_t* conflict) {
    const TTrnTabBase* t = this->table(table);
    if (t == nullptr) return tsNePostojiTabela;
    const SSubField* f = t->field(field);
    if (f == nullptr) return tsNePostojiAtribut;
    if (t->recordLength() > kWorkImageSize || key == nullptr || value == nullptr)
        return tsNePostojiAtribut;
    uint8_t image[kWorkImageSize] = {};
    std::memcpy(image, key, size_t(t->keyLength()));
    if (f->flags & kFieldBit)
        copyBit(image + f->offset, static_cast<const uint8_t*>(value), f->bitNumber);
    else
        std::memcpy(image + f->offset, value, size_t(f->size));
    return updateField(id, table, field, image, conflict);
}

// ---- queries

int KSub::isRecordVisible(int16_t id, int16_t table, const void* key) const {
    const TTrnTabBase* t = this->table(table);
    uint8_t mask = 0;
    if (t == nullptr || key == nullptr || maskOfTransaction(id, &mask) != tsOK) return 0;
    return t->isVisible(mask, t->findKey(key)) ? 1 : 0;
}

int KSub::findRecord(int16_t id, int16_t table, void* key, uint8_t mode, int32_t* row) {
    TTrnTabBase* t = this->table(table);
    if (t == nullptr) return tsNePostojiTabela;
    uint8_t mask = 0;
    if (maskOfTransaction(id, &mask) != tsOK) return tsNevazecaTransakcija;
    return t->findRow(mask, key, mode, row);
}

int KSub::readByIndexField(int16_t id, int16_t table, int16_t field, void* record, uint8_t mode) {
    TTrnTabBase* t = this->table(table);
    if (t == nullptr) return tsNePostojiTabela;
    uint8_t mask = 0;
    if (maskOfTransaction(id, &mask) != tsOK) return tsNevazecaTransakcija;
    return t->readByIndex(mask, field, record, mode);
}

int16_t KSub::fieldCount(int16_t table) const {
    const TTrnTabBase* t = this->table(table);
    return t != nullptr ? t->fieldCount() : 0;
}

int16_t KSub::keyFieldCount(int16_t table) const {
    const TTrnTabBase* t = this->table(table);
    return t != nullptr ? t->keyFieldCount() : 0;
}

int KSub::fieldType(int16_t table, int16_t field, int16_t* out) const {
    const SSubField* f = fieldOf(table, field);
    if (f == nullptr) return tsNePostojiAtribut;
    *out = f->type;
    return tsOK;
}

int KSub::fieldOffset(int16_t table, int16_t field, int16_t* out) const {
    const SSubField* f = fieldOf(table, field);
    if (f == nullptr) return tsNePostojiAtribut;
    *out = f->offset;
    return tsOK;
}

int KSub::fieldName(int16_t table, int16_t field, const char** out) const {
    const SSubField* f = fieldOf(table, field);
    if (f == nullptr) return tsNePostojiAtribut;
    *out = f->name;
    return tsOK;
}

int KSub::isIndexedField(int16_t table, int16_t field) const {
    const TTrnTabBase* t = this->table(table);
    return t != nullptr ? t->isIndexedField(field) : 0;
}

int KSub::fieldFromText(int16_t table, int16_t field, void* record, const char* text) const {
    const TTrnTabBase* t = this->table(table);
    return t != nullptr ? t->fieldFromText(field, record, text) : tsNePostojiTabela;
}

int KSub::recordFromText(int16_t table, void* record, const char* line,
                         const char* separators) const {
    const TTrnTabBase* t = this->table(table);
    return t != nullptr ? t->recordFromText(record, line, separators) : tsNePostojiTabela;
}

int KSub::headerText(int16_t table, char* buffer, int size, char separator) const {
    const TTrnTabBase* t = this->table(table);
    return t != nullptr ? t->headerText(buffer, size, separator) : tsNePostojiTabela;
}

int KSub::recordText(int16_t table, char* buffer, int size, char separator,
                     const uint8_t* record) const {
    const TTrnTabBase* t = this->table(table);
    return t != nullptr ? t->recordText(buffer, size, separator, record) : tsNePostojiTabela;
}

int KSub::fieldText(int16_t table, int16_t field, char* buffer, int size,
                    const void* record) const {
    const TTrnTabBase* t = this->table(table);
    return t != nullptr ? t->fieldText(field, buffer, size, record) : tsNePostojiTabela;
}
