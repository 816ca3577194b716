#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/zeroed_storage.h"
#include "sub/field_defs.h"
#include "sub/field_text.h"
#include "sub/sub_status.h"

// The four bytes that start every record slot.
struct SSubSlotHeader {
    uint8_t versions;         // kCommittedVersion | kPendingVersion
    uint8_t sharedMask;       // transactions holding a shared lock of the record
    uint8_t ownerMask;        // transaction owning the pending version
    uint8_t fieldChangeMask;  // transactions that changed single fields of the record
};

enum : uint8_t {
    kCommittedVersion = 0x01,
    kPendingVersion = 0x02,
};

constexpr int kSlotHeaderSize = 4;
constexpr int kTransactionSlots = 8;

// Masks of the whole table: which transactions hold which kind of lock.
struct STableMasks {
    uint8_t tableExclusive;
    uint8_t tableShared;
    uint8_t fieldExclusive;
    uint8_t fieldShared;
    uint8_t recordExclusive;
    uint8_t recordShared;
    uint8_t recordField;
};

// Search modes of findRow.
enum : uint8_t {
    kFindExact = 0,
    kFindAtOrBefore = 1,
    kFindAtOrAfter = 2,
};

// 0..7 for the masks 0x01..0x80, -1 for any other value.
int bitIndexOfMask(uint8_t mask);

// One table of the database: a fixed array of record slots sorted by key.
// Every record may carry a committed and a pending version; up to eight
// transactions (one mask bit each) hold locks and pending changes at the same
// time. Mask 0 is no transaction: the committed view, changed directly.
// Fields with the index flag have a unique secondary index, itself a table
// keyed by the field's value whose data is the record's key. All storage is
// allocated here; no operation allocates afterwards.
//
// Each lock and change is a check (0 may apply, or the reason it may not), an
// apply (run only after a check that allowed it) and a combined operation.
// conflict receives the masks of the other transactions that block it.
class TTrnTabBase {
public:
    TTrnTabBase(int32_t capacity, int16_t fieldCount, const SSubFieldDef* dictionary);
    virtual ~TTrnTabBase();
    TTrnTabBase(const TTrnTabBase&) = delete;
    TTrnTabBase& operator=(const TTrnTabBase&) = delete;

    int32_t capacity() const { return capacity_; }
    int32_t recordCount() const { return recordCount_; }
    int32_t currentRow() const { return currentRow_; }
    bool hasStorage() const { return hasStorage_; }
    int16_t fieldCount() const { return fieldCount_; }
    int16_t keyFieldCount() const { return layout_.keyFieldCount; }
    int16_t indexCount() const { return layout_.indexCount; }
    int16_t keyLength() const { return layout_.keyLength; }
    int16_t dataLength() const { return layout_.dataLength; }
    int16_t recordLength() const { return layout_.recordLength; }
    int16_t slotLength() const { return slotLength_; }
    // Compiled descriptor of field 1..fieldCount; null outside.
    const SSubField* field(int16_t field) const;
    const SSubField* fields() const { return fields_.data(); }
    const STableMasks& masks() const { return masks_; }
    int32_t sharedRecordLocks(int transactionSlot) const;
    int16_t sharedFieldLocks(int transactionSlot) const;
    // The slot of a row (header, key, committed data, pending data); null outside.
    const uint8_t* slotAt(int32_t row) const;
    // The slot removed last.
    const uint8_t* scratchSlot() const { return scratch_.data(); }
    // The index sub-table of a field; null for a field without index.
    TTrnTabBase* indexTable(int16_t field) const;
    bool isVisible(uint8_t mask, int32_t row) const;

    // Text forms of fields, records and the header (see sub/field_text.h).
    int fieldText(int16_t field, char* buffer, int size, const void* record) const;
    int recordText(char* buffer, int size, char separator, const uint8_t* record) const;
    int headerText(char* buffer, int size, char separator) const;
    int fieldFromText(int16_t field, void* record, const char* text) const;
    int recordFromText(void* record, const char* line, const char* separators) const;

    // ---- locks
    int checkLockTableExclusive(uint8_t* conflict, uint8_t mask) const;
    void applyLockTableExclusive(uint8_t mask);
    int lockTableExclusive(uint8_t* conflict, uint8_t mask);
    int checkLockTableShared(uint8_t* conflict, uint8_t mask) const;
    void applyLockTableShared(uint8_t mask);
    int lockTableShared(uint8_t* conflict, uint8_t mask);
    int checkUnlockTableShared(uint8_t mask) const;
    void applyUnlockTableShared(uint8_t mask);
    int unlockTableShared(uint8_t mask);

    int checkLockFieldExclusive(uint8_t* conflict, uint8_t mask, int16_t field) const;
    void applyLockFieldExclusive(uint8_t mask, int16_t field);
    int lockFieldExclusive(uint8_t* conflict, uint8_t mask, int16_t field);
    int checkLockFieldShared(uint8_t* conflict, uint8_t mask, int16_t field) const;
    void applyLockFieldShared(uint8_t mask, int16_t field);
    int lockFieldShared(uint8_t* conflict, uint8_t mask, int16_t field);
    int checkUnlockFieldShared(uint8_t mask, int16_t field) const;
    void applyUnlockFieldShared(uint8_t mask, int16_t field);
    int unlockFieldShared(uint8_t mask, int16_t field);
    int checkMarkField(uint8_t mask, int16_t field) const;
    void applyMarkField(uint8_t mask, int16_t field);
    int markField(uint8_t mask, int16_t field);

    int checkLockRecordExclusive(uint8_t* conflict, uint8_t mask, int32_t row) const;
    void applyLockRecordExclusive(uint8_t mask, int32_t row);
    int lockRecordExclusive(uint8_t* conflict, uint8_t mask, int32_t row);
    int checkLockRecordShared(uint8_t* conflict, uint8_t mask, int32_t row) const;
    void applyLockRecordShared(uint8_t mask, int32_t row);
    int lockRecordShared(uint8_t* conflict, uint8_t mask, int32_t row);
    int checkUnlockRecordShared(uint8_t mask, int32_t row) const;
    void applyUnlockRecordShared(uint8_t mask, int32_t row);
    int unlockRecordShared(uint8_t mask, int32_t row);
    int checkLockRecordField(uint8_t* conflict, uint8_t mask, int32_t row, int16_t field) const;
    void applyLockRecordField(uint8_t mask, int32_t row, int16_t field);
    int lockRecordField(uint8_t* conflict, uint8_t mask, int32_t row, int16_t field);

    // The record operations by key: 6 when no slot has the key.
    int lockRecordExclusiveByKey(uint8_t* conflict, uint8_t mask, const void* key);
    int lockRecordSharedByKey(uint8_t* conflict, uint8_t mask, const void* key);
    int unlockRecordSharedByKey(uint8_t mask, const void* key);
    int lockRecordFieldByKey(uint8_t* conflict, uint8_t mask, const void* key, int16_t field);

    // ---- changes
    int checkClear(uint8_t* conflict, uint8_t mask) const;
    void applyClear(uint8_t mask);
    int clear(uint8_t* conflict, uint8_t mask);
    // row: the invisible slot with the key that is reused, or the insert position.
    int checkInsert(uint8_t* conflict, uint8_t mask, const void* record, int32_t* row) const;
    void applyInsert(uint8_t mask, const void* record, int32_t row);
    int insert(uint8_t* conflict, uint8_t mask, const void* record);
    int checkDelete(uint8_t* conflict, uint8_t mask, const void* key, int32_t* row) const;
    void applyDelete(uint8_t mask, int32_t row);
    int remove(uint8_t* conflict, uint8_t mask, const void* key);
    int checkUpdate(uint8_t* conflict, uint8_t mask, const void* record, int32_t* row) const;
    void applyUpdate(uint8_t mask, const void* record, int32_t row);
    int update(uint8_t* conflict, uint8_t mask, const void* record);
    // Only the key and the field of the record image are used.
    int checkUpdateField(uint8_t* conflict, uint8_t mask, int16_t field, const void* record,
                         int32_t* row) const;
    void applyUpdateField(uint8_t mask, int16_t field, const void* record, int32_t row);
    int updateField(uint8_t* conflict, uint8_t mask, int16_t field, const void* record);

    // ---- ending transactions
    int commit(uint8_t mask);
    int rollback(uint8_t mask);
    void resetTransactions();
    void reset();
    void clearTransactionLocks(uint8_t mask);

    // ---- loading slot images in key order
    void setLockState(uint8_t tableExclusive, uint8_t tableShared, const uint8_t* fieldExclusive,
                      const uint8_t* fieldShared, const uint8_t* recordFieldMark);
    int checkLoadRecord(int32_t row, const uint8_t* slotImage) const;
    void appendLoadedSlot(const uint8_t* slotImage);
    int loadSlot(int32_t row, const uint8_t* slotImage);

    // ---- reading and searching
    int readRow(uint8_t mask, int32_t row, void* record);
    // readRow() of the committed view without a copy: the record image in
    // the slot, valid until the table changes; null where readRow() answers 6.
    const uint8_t* readCommitted(int32_t row) {
        if (!rowInRange(row)) return nullptr;
        const uint8_t* s = slot(row);
        if ((s[0] & kCommittedVersion) == 0) return nullptr;  // the slot header's versions
        currentRow_ = row;
        return s + kSlotHeaderSize;  // the key, then the committed data: a record image
    }
    int findRow(uint8_t mask, const void* key, uint8_t mode, int32_t* row);
    int findAndRead(uint8_t mask, void* keyAndRecord, uint8_t mode);
    int findRowByIndex(uint8_t mask, int16_t field, const void* record, uint8_t mode, int32_t* row);
    int readByIndex(uint8_t mask, int16_t field, void* record, uint8_t mode);
    int32_t firstVisibleAtOrAfter(uint8_t mask, const void* key) const;
    int32_t lastVisibleAtOrBefore(uint8_t mask, const void* key) const;
    int32_t findKey(const void* key) const;
    int32_t findFirstAtOrAfter(const void* key) const;
    int32_t findLastAtOrBefore(const void* key) const;
    int isIndexedField(int16_t field) const;

    // ---- slot primitives
    int findInsertPosition(int32_t* row, const void* key) const;
    int insertSlotFromRecord(int32_t row, const void* record, uint8_t mask);
    int insertSlot(int32_t row, const void* key, const void* data, uint8_t mask);
    int removeSlot(int32_t row);

private:
    void createIndexTables(const SSubFieldDef* dictionary);
    std::unique_ptr<TTrnTabBase> createIndexTable(const SSubFieldDef& indexed,
                                                  const SSubFieldDef* dictionary);
    uint8_t* slot(int32_t row) { return slots_.get() + size_t(row) * size_t(slotLength_); }
    const uint8_t* slot(int32_t row) const {
        return slots_.get() + size_t(row) * size_t(slotLength_);
    }
    bool rowInRange(int32_t row) const { return row >= 0 && row < recordCount_; }
    bool isFieldNumber(int16_t field) const { return field >= 1 && field <= fieldCount_; }
    int32_t usableCapacity() const { return hasStorage_ ? capacity_ : 0; }
    int compareSlotKey(int32_t row, const void* key) const;
    // compareSlotKey in place (defined where it is used): the check of every record appended.
    int orderOfSlotKey(int32_t row, const void* key) const;
    bool viewRecord(uint8_t mask, int32_t row, uint8_t* out) const;
    uint8_t recordExclusiveBlockers(uint8_t mask, int32_t row) const;
    int recordLockCheck(uint8_t* conflict, uint8_t mask, uint8_t blockers, bool held) const;
    void takePendingCopy(int32_t row);
    void copyDataField(const SSubField& f, uint8_t* targetBase, const uint8_t* sourceBase) const;
    int16_t buildIndexEntry(const SSubField& f, const uint8_t* record, uint8_t* entry) const;
    int checkIndexInsert(uint8_t* conflict, uint8_t mask, const SSubField& f, const uint8_t* record,
                         int32_t* entryRow = nullptr) const;
    int checkIndexMove(uint8_t* conflict, uint8_t mask, const SSubField& f,
                       const uint8_t* oldRecord, const uint8_t* newRecord) const;
    void moveIndexEntry(uint8_t mask, const SSubField& f, const uint8_t* oldRecord,
                        const uint8_t* newRecord);
    void deleteIndexEntry(uint8_t mask, const SSubField& f, const uint8_t* record);
    void insertIndexEntry(uint8_t mask, const SSubField& f, const uint8_t* record, int32_t row);
    bool appendsInOrder(const uint8_t* image) const;
    void appendCommitted(const uint8_t* image);
    bool insertInOrder(const uint8_t* image);
    // An insert whose check tells its apply where the index entries go.
    static constexpr size_t kRememberedEntryRows = 8;
    int checkInsertAt(uint8_t* conflict, uint8_t mask, const void* record, int32_t* row,
                      int32_t* entryRows) const;
    [[gnu::noinline]] int insertChecked(uint8_t* conflict, uint8_t mask, const void* record);
    void applyInsertAt(uint8_t mask, const void* record, int32_t row, const int32_t* entryRows);
    void loadIndexEntry(const SSubField& f, const uint8_t* record, uint8_t mask);
    uint8_t pendingIndexMask(const SSubField& f, const uint8_t* slotImage) const;
    void finishTransaction(uint8_t mask, bool commit);

    int32_t currentRow_ = -1;
    int32_t capacity_;
    int32_t recordLocks_[kTransactionSlots] = {};
    int16_t fieldLocks_[kTransactionSlots] = {};
    // Zeroed storage of all slots, reserved at creation: pages that never
    // hold a record are never written.
    struct FreeStorage {
        size_t bytes;  // value-initialized (0) with an empty pointer
        void operator()(uint8_t* p) const { platform::releaseZeroed(p, bytes); }
    };
    std::unique_ptr<uint8_t[], FreeStorage> slots_;
    std::vector<uint8_t> scratch_;
    int32_t recordCount_ = 0;
    std::vector<SSubField> fields_;
    int16_t fieldCount_;
    SSubLayout layout_{};
    int16_t slotLength_ = 0;
    STableMasks masks_{};
    bool hasStorage_ = false;
    std::vector<std::unique_ptr<TTrnTabBase>> indexTables_;
    std::vector<int16_t> indexedFields_;  // positions in fields_ of the fields with an index
    // The key's fields as integers of 1, 2 or 4 bytes, read from a short list
    // (a key is compared for every record a table takes); empty when a field
    // of the key is of another type.
    struct SKeyPart {
        int16_t offset;
        uint8_t width;
    };
    std::vector<SKeyPart> integerKey_;
    void planIntegerKey();
    // Read by fields_[].enumIndex; shared with the other fields and tables
    // whose values are named by the same list.
    std::vector<std::shared_ptr<const SEnumIndex>> enumIndexes_;
    // Work areas: a record as a transaction sees it, and an index entry.
    mutable std::vector<uint8_t> viewWork_;
    mutable std::vector<uint8_t> entryWork_;
};

// The tables touched by one transaction: table numbers, written without a transaction.
class KTableList : public TTrnTabBase {
public:
    KTableList();
    ~KTableList() override;
};
