#pragma once

#include <cstdint>
#include <vector>

#include "sub/sub_database.h"

// Reads the records of one table in the view of one transaction (0: the
// committed view) into a buffer that the owner provides: by key with a search
// mode, from the first visible record onward, or at a row. It never changes
// the table. A cursor on a number that has no table reads nothing (19).
class TTrnRecBase {
public:
    explicit TTrnRecBase(int16_t table, KSub* database = &subDatabase);

    int read();
    int readKey(const void* key);
    int first();
    int next();
    int gotoRow(int32_t row);
    int32_t rowCount() const;
    int16_t keyFieldCount() const;
    int16_t keyLength() const { return keyLength_; }
    int16_t recordLength() const { return recordLength_; }
    int fieldText(int16_t field, char* buffer, int32_t size) const;

    int16_t transactionId = 0;
    uint8_t searchMode = kFindExact;
    int32_t row = 0;
    uint8_t* record = nullptr;  // key followed by data, recordLength() bytes

    int16_t table() const { return table_; }
    KSub* database() const { return database_; }

private:
    // The table's row visible to the cursor's transaction, read into the
    // buffer; false when not visible or the transaction is not open.
    bool readVisible(int32_t at);

    KSub* database_;
    TTrnTabBase* tab_;
    int16_t table_;
    int16_t recordLength_ = 0;
    int16_t keyLength_ = 0;
};

// A cursor with a buffer of its own, zeroed, positioned on the first visible
// record when there is one.
class TUniRec : public TTrnRecBase {
public:
    explicit TUniRec(int16_t table, KSub* database = &subDatabase);

private:
    std::vector<uint8_t> ownBuffer_;
};
