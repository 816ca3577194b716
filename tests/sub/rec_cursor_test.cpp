#include <vector>

#include <gtest/gtest.h>

#include "sub/rec_cursor.h"
#include "sub_fixtures.h"

namespace {

constexpr int16_t kDusProk = 40;

// Table 40 with the committed records 1,1,5 and 3,1,7, and 2,1,6 inserted by
// the open transaction 11 only.
struct CursorFixture : OwnDatabase {
    CursorFixture() {
        uint8_t c = 0;
        db->insertRecord(0, kDusProk, record(kDusProk, "1,1,5").data(), &c);
        db->insertRecord(0, kDusProk, record(kDusProk, "3,1,7").data(), &c);
        db->beginTransaction(0x01, 11);
        db->insertRecord(11, kDusProk, record(kDusProk, "2,1,6").data(), &c);
    }
    std::string current(const TTrnRecBase& cursor) const {
        return text(kDusProk, Bytes(cursor.record, cursor.record + cursor.recordLength()));
    }
};

TEST(RecordCursor, WalksTheViewOfItsTransaction) {
    struct Case {
        int16_t transaction;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {0, {"1,1,5", "3,1,7"}},
        {11, {"1,1,5", "2,1,6", "3,1,7"}},
        {99, {}},  // names no open transaction: nothing is visible
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.transaction);
        CursorFixture f;
        TUniRec cursor(kDusProk, f.db.get());
        cursor.transactionId = c.transaction;
        std::vector<std::string> seen;
        int rc = cursor.first();
        for (; rc == tsOK; rc = cursor.next()) seen.push_back(f.current(cursor));
        EXPECT_EQ(seen, c.rows);
        if (c.rows.empty()) {
            EXPECT_EQ(rc, tsPraznaTabela);
            EXPECT_EQ(cursor.row, 0);
            EXPECT_EQ(cursor.read(), tsNevazecaTransakcija);
        } else {
            // At the end the last record stays current and in the buffer.
            EXPECT_EQ(rc, tsKrajTabele);
            EXPECT_EQ(cursor.row, 2);
            EXPECT_EQ(f.current(cursor), c.rows.back());
        }
        EXPECT_EQ(cursor.rowCount(), 3);
    }
}

TEST(RecordCursor, ReadsByKeyWithSearchModes) {
    struct Case {
        uint8_t mode;
        uint8_t key[2];
        int expected;
        int32_t row;
        const char* record;
    };
    const Case cases[] = {
        {kFindExact, {3, 1}, tsOK, 2, "3,1,7"},
        {kFindExact, {2, 1}, tsNePostojiSlog, -1, nullptr},  // another transaction's insert
        {kFindAtOrBefore, {2, 9}, tsOK, 0, "1,1,5"},
        {kFindAtOrBefore, {0, 0}, tsNePostojiSlog, -1, nullptr},
        {kFindAtOrAfter, {1, 2}, tsOK, 2, "3,1,7"},
        {5, {1, 1}, tsLosKriterijumTrazenja, 1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.mode) * 100 + c.key[0]);
        CursorFixture f;
        TUniRec cursor(kDusProk, f.db.get());
        cursor.row = 1;
        cursor.searchMode = c.mode;
        EXPECT_EQ(cursor.readKey(c.key), c.expected);
        EXPECT_EQ(cursor.row, c.row);
        if (c.record != nullptr) EXPECT_EQ(f.current(cursor), c.record);
    }
}

TEST(RecordCursor, GotoRowOutsideOrInvisibleKeepsTheRow) {
    CursorFixture f;
    TUniRec cursor(kDusProk, f.db.get());
    ASSERT_EQ(cursor.gotoRow(2), 0);
    for (int32_t row : {-1, 1, 3}) EXPECT_EQ(cursor.gotoRow(row), tsNePostojiSlog) << row;
    EXPECT_EQ(cursor.row, 2);
    char text[20];
    ASSERT_EQ(cursor.fieldText(3, text, sizeof text), 0);
    EXPECT_STREQ(text, "  7");  // the field in its column width
}

TEST(RecordCursor, OwnBufferStartsZeroedAndAMissingTableIsInert) {
    OwnDatabase o;
    TUniRec empty(kDusProk, o.db.get());
    EXPECT_EQ(empty.row, 0);
    EXPECT_EQ(empty.first(), tsPraznaTabela);
    for (int16_t i = 0; i < empty.recordLength(); ++i) EXPECT_EQ(empty.record[i], 0);
    TUniRec none(123, o.db.get());
    EXPECT_EQ(none.first(), tsNePostojiTabela);
    EXPECT_EQ(none.next(), tsNePostojiTabela);
    EXPECT_EQ(none.read(), tsNePostojiTabela);
    EXPECT_EQ(none.gotoRow(0), tsNePostojiTabela);
    EXPECT_EQ(none.rowCount(), 0);
    EXPECT_EQ(none.recordLength(), 0);
}

}  // namespace
