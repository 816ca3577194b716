#pragma once

#include <cstdint>
#include <memory>

#include "sub/sub_notify.h"
#include "sub/sub_status.h"
#include "sub/table_dictionary.h"
#include "sub/trn_tab.h"

// One possible open transaction of the exchange.
struct STrnSlot {
    int16_t active = 0;
    uint8_t mask = 0;                    // 1 << slot index, fixed
    int16_t id = 0;                      // the exchange's transaction id while active
    std::unique_ptr<KTableList> tables;  // the tables the transaction touched
};

// The table database: every table of the local replica of the exchange's
// data, the eight transaction slots and the change notifier. Each change
// maps the transaction id to its mask, runs the table's operation, settles a
// conflict (without a transaction the blocking transactions are rolled back
// and the operation runs once more), notes the table in the transaction's
// table list and raises one event. Operations on a table number that has no
// table answer 19 (tsNePostojiTabela).
class KSub {
public:
    explicit KSub(KSubNotifier* notifier = &subNotifier);
    ~KSub();
    KSub(const KSub&) = delete;
    KSub& operator=(const KSub&) = delete;

    // The table of a number; null for 0, 123, 183 and numbers outside 0..204.
    TTrnTabBase* table(int32_t table) const;

    // ---- transaction control
    int beginTransaction(uint8_t mask, int16_t id);
    int commitTransaction(int16_t id);
    int rollbackTransaction(int16_t id);
    void resetTransactions();
    void resetAllTablesTransactions();
    // -1 (nothing changed) when a mask is not a single bit or count is outside 0..8.
    int loadTransactionList(int16_t count, const uint8_t* masks, const int16_t* ids,
                            int16_t lastId);

    // ---- loading a table
    int resetTable(int16_t table);
    // One byte per field of the table in each of the three arrays.
    int loadTableLockState(int16_t table, uint8_t tableExclusive, uint8_t tableShared,
                           const uint8_t* fieldExclusive, const uint8_t* fieldShared,
                           const uint8_t* recordField);
    int loadRecord(int16_t table, int32_t row, const uint8_t* slotImage);

    // ---- locks (conflict: the masks of the blocking transactions)
    int lockTableExclusive(int16_t id, int16_t table, uint8_t* conflict);
    int lockTableShared(int16_t id, int16_t table, uint8_t* conflict);
    int unlockTableShared(int16_t id, int16_t table);
    int lockFieldExclusive(int16_t id, int16_t table, int16_t field, uint8_t* conflict);
    int lockFieldShared(int16_t id, int16_t table, int16_t field, uint8_t* conflict);
    int unlockFieldShared(int16_t id, int16_t table, int16_t field);
    int markFieldForRecordChange(int16_t id, int16_t table, int16_t field);
    int lockRecordExclusiveByKey(int16_t id, int16_t table, const void* key, uint8_t* conflict);
    int lockRecordExclusiveByRow(int16_t id, int16_t table, int32_t row, uint8_t* conflict);
    int lockRecordSharedByKey(int16_t id, int16_t table, const void* key, uint8_t* conflict);
    int lockRecordSharedByRow(int16_t id, int16_t table, int32_t row, uint8_t* conflict);
    int unlockRecordSharedByKey(int16_t id, int16_t table, const void* key);
    int unlockRecordSharedByRow(int16_t id, int16_t table, int32_t row);
    int lockRecordFieldByKey(int16_t id, int16_t table, int16_t field, const void* key,
                             uint8_t* conflict);
    int lockRecordFieldByRow(int16_t id, int16_t table, int16_t field, int32_t row,
                             uint8_t* conflict);

    // ---- changes (id 0: the committed view, at once)
    int clearTable(int16_t id, int16_t table, uint8_t* conflict);
    int insertRecord(int16_t id, int16_t table, const void* record, uint8_t* conflict);
    int deleteRecord(int16_t id, int16_t table, const void* key, uint8_t* conflict);
    int updateRecord(int16_t id, int16_t table, const void* record, uint8_t* conflict);
    int updateField(int16_t id, int16_t table, int16_t field, const void* record,
                    uint8_t* conflict);
    // The key and one field's value (its storage size; one byte for a bit field).
    int setFieldValue(int16_t id, int16_t table, int16_t field, const void* key, const void* value,
                      uint8_t* conflict);

    // ---- queries
    int isRecordVisible(int16_t id, int16_t table, const void* key) const;
    int findRecord(int16_t id, int16_t table, void* key, uint8_t mode, int32_t* row);
    int readByIndexField(int16_t id, int16_t table, int16_t field, void* record, uint8_t mode);
    int16_t fieldCount(int16_t table) const;
    int16_t keyFieldCount(int16_t table) const;
    // The field is not checked beyond the table: callers pass 1..fieldCount.
    int fieldType(int16_t table, int16_t field, int16_t* out) const;
    int fieldOffset(int16_t table, int16_t field, int16_t* out) const;
    int fieldName(int16_t table, int16_t field, const char** out) const;
    int isIndexedField(int16_t table, int16_t field) const;
    int fieldFromText(int16_t table, int16_t field, void* record, const char* text) const;
    int recordFromText(int16_t table, void* record, const char* line, const char* separators) const;
    int headerText(int16_t table, char* buffer, int size, char separator) const;
    int recordText(int16_t table, char* buffer, int size, char separator,
                   const uint8_t* record) const;
    int fieldText(int16_t table, int16_t field, char* buffer, int size, const void* record) const;

    // ---- helpers
    int maskOfTransaction(int16_t id, uint8_t* mask) const;
    int transactionIdOfMask(uint8_t mask, int16_t* id) const;
    void rollbackConflicting(uint8_t conflict);
    void noteTableInTransaction(int16_t table, uint8_t mask);
    // The table numbers in a slot's list, ascending; the count written (at most max).
    int tablesOfSlot(int slot, int16_t* out, int max) const;

    // How one lock or change is run and announced.
    struct SOp {
        uint32_t trnEvent;    // raised inside a transaction
        uint32_t plainEvent;  // raised without one
        bool retry;           // a conflict without a transaction rolls the blockers back
        bool note;            // the table joins the transaction's list
        int16_t field;
        int32_t row;
        const void* record;
        bool removedRecord;  // the event carries the record removed without a transaction
    };

    STrnSlot slots[kTransactionSlots];
    std::unique_ptr<TTrnTabBase> tables[kTableNumberLimit];
    KSubNotifier* notifier;
    int16_t lastTransactionId = 0;

private:
    template <typename Apply>
    int run(int16_t id, int16_t table, uint8_t* conflict, const SOp& op, Apply apply);
    void raise(const SSubEvent& e, bool tableQueue = true) const;
    int endTransaction(int16_t id, bool commit);
    void noteMaskedTables(int16_t table, uint8_t masks);
    const SSubField* fieldOf(int16_t table, int16_t field) const;
};

// The one database of the program, built at load with the global notifier.
extern KSub subDatabase;
