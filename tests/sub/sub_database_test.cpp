#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sub/sub_database.h"
#include "sub/table_catalogue.h"
#include "sub_fixtures.h"

namespace {

constexpr int16_t kDusProk = 40;  // keys DUS, DUSPROK; PROK indexed; capacity 3
const uint8_t kKey11[] = {1, 1};

struct Scenario {
    const char* name;
    std::function<void(OwnDatabase&)> script;
    std::vector<SeenEvent> expected;  // what a subscriber of table 40 sees
};

const Scenario kScenarios[] = {
    {"changes in a transaction, then its commit",
     [](OwnDatabase& o) {
         KSub& db = *o.db;
         uint8_t c = 0;
         ASSERT_EQ(db.beginTransaction(0x01, 11), 0);
         ASSERT_EQ(db.insertRecord(11, kDusProk, o.record(kDusProk, "1,1,5").data(), &c), 0);
         ASSERT_EQ(db.updateField(11, kDusProk, 3, o.record(kDusProk, "1,1,6").data(), &c), 0);
         EXPECT_TRUE(o.committed(kDusProk).empty());
         ASSERT_EQ(db.commitTransaction(11), 0);
         EXPECT_EQ(o.committed(kDusProk), std::vector<std::string>{"1,1,6"});
     },
     {{snTrnRecInsert, 40, 11, 0, 0},
      {snTrnFieldUpdate, 40, 11, 3, 0},
      {snTrnCommit, 40, 11, 0, 0}}},
    {"a delete rolled back keeps the record",
     [](OwnDatabase& o) {
         KSub& db = *o.db;
         uint8_t c = 0;
         ASSERT_EQ(db.insertRecord(0, kDusProk, o.record(kDusProk, "1,1,5").data(), &c), 0);
         ASSERT_EQ(db.beginTransaction(0x02, 12), 0);
         ASSERT_EQ(db.deleteRecord(12, kDusProk, kKey11, &c), 0);
         EXPECT_EQ(db.isRecordVisible(12, kDusProk, kKey11), 0);
         EXPECT_EQ(db.isRecordVisible(0, kDusProk, kKey11), 1);
         ASSERT_EQ(db.rollbackTransaction(12), 0);
         EXPECT_EQ(o.committed(kDusProk).size(), 1u);
     },
     {{snRecInsert, 40, 0, 0, 0}, {snTrnRecDelete, 40, 12, 0, 0}, {snTrnRollback, 40, 12, 0, 0}}},
    {"a change without a transaction rolls both blockers back, lower mask first",
     [](OwnDatabase& o) {
         KSub& db = *o.db;
         uint8_t c = 0;
         ASSERT_EQ(db.beginTransaction(0x01, 11), 0);
         ASSERT_EQ(db.beginTransaction(0x02, 12), 0);
         ASSERT_EQ(db.beginTransaction(0x04, 13), 0);
         ASSERT_EQ(db.lockTableShared(12, kDusProk, &c), 0);
         ASSERT_EQ(db.lockTableShared(11, kDusProk, &c), 0);
         // Inside a third transaction the conflict is returned and nothing changes.
         EXPECT_EQ(db.insertRecord(13, kDusProk, o.record(kDusProk, "2,1,6").data(), &c), 1);
         EXPECT_EQ(c, 0x03);
         ASSERT_EQ(db.insertRecord(0, kDusProk, o.record(kDusProk, "2,1,6").data(), &c), 0);
         EXPECT_EQ(db.slots[0].active + db.slots[1].active, 0);
         EXPECT_EQ(db.slots[2].active, 1);
         EXPECT_EQ(db.table(kDusProk)->masks().tableShared, 0);
     },
     {{snTableLockShared, 40, 12, 0, 0},
      {snTableLockShared, 40, 11, 0, 0},
      {snTrnRollback, 40, 11, 0, 0},
      {snTrnRollback, 40, 12, 0, 0},
      {snRecInsert, 40, 0, 0, 0}}},
    {"record locks by key carry row -1, by row the row",
     [](OwnDatabase& o) {
         KSub& db = *o.db;
         uint8_t c = 0;
         ASSERT_EQ(db.insertRecord(0, kDusProk, o.record(kDusProk, "1,1,5").data(), &c), 0);
         ASSERT_EQ(db.beginTransaction(0x08, 14), 0);
         ASSERT_EQ(db.lockRecordSharedByKey(14, kDusProk, kKey11, &c), 0);
         ASSERT_EQ(db.lockRecordSharedByRow(14, kDusProk, 0, &c), 0);
         ASSERT_EQ(db.unlockRecordSharedByRow(14, kDusProk, 0), 0);
         ASSERT_EQ(db.lockRecordFieldByKey(14, kDusProk, 3, kKey11, &c), 0);
         ASSERT_EQ(db.lockFieldShared(14, kDusProk, 3, &c), 0);
         ASSERT_EQ(db.unlockFieldShared(14, kDusProk, 3), 0);
         // A release of a lock not held is done, and announced.
         ASSERT_EQ(db.unlockTableShared(0, kDusProk), 0);
     },
     {{snRecInsert, 40, 0, 0, 0},
      {snRecLockShared, 40, 14, 0, -1},
      {snRecLockShared, 40, 14, 0, 0},
      {snRecUnlockShared, 40, 14, 0, 0},
      {snRecFieldLock, 40, 14, 3, -1},
      {snFieldLockShared, 40, 14, 3, 0},
      {snFieldUnlockShared, 40, 14, 3, 0},
      {snTableUnlockShared, 40, 0, 0, 0}}},
    {"loading: reset, lock state, a record",
     [](OwnDatabase& o) {
         KSub& db = *o.db;
         const uint8_t none[3] = {};
         uint8_t slot[4 + 2 + 2 * 1] = {kCommittedVersion, 0, 0, 0, 1, 1, 5, 0};
         ASSERT_EQ(db.resetTable(kDusProk), 0);
         ASSERT_EQ(db.loadTableLockState(kDusProk, 0, 0, none, none, none), 0);
         ASSERT_EQ(db.loadRecord(kDusProk, 0, slot), 0);
         EXPECT_EQ(db.loadRecord(kDusProk, 0, slot), tsNijePoslednji);
     },
     {{snTableReset, 40, 0, 0, 0}, {snLockStateLoaded, 40, 0, 0, 0}, {snRecLoaded, 40, 0, 0, 0}}},
};

TEST(SubDatabase, EventsInOrder) {
    for (const Scenario& s : kScenarios) {
        SCOPED_TRACE(s.name);
        OwnDatabase o;
        RecordingSubscriber sub(&o.notifier);
        ASSERT_EQ(sub.registerTable(kDusProk), 0);
        s.script(o);
        EXPECT_EQ(sub.seen, s.expected);
    }
}

TEST(SubDatabase, EventRecordsPointAtKeyImageOrRemovedRecord) {
    OwnDatabase o;
    KSub& db = *o.db;
    RecordingSubscriber sub(&o.notifier);
    sub.registerTable(kDusProk);
    uint8_t c = 0;
    const Bytes image = o.record(kDusProk, "1,1,5");
    db.insertRecord(0, kDusProk, image.data(), &c);
    db.lockRecordExclusiveByRow(0, kDusProk, 0, &c);
    db.lockRecordExclusiveByKey(0, kDusProk, kKey11, &c);
    db.deleteRecord(0, kDusProk, kKey11, &c);
    ASSERT_EQ(sub.records.size(), 4u);
    EXPECT_EQ(sub.records[0], image.data());
    EXPECT_EQ(sub.records[1], nullptr);
    EXPECT_EQ(sub.records[2], kKey11);
    // The removed record as it stood: key and committed data.
    ASSERT_NE(sub.records[3], nullptr);
    EXPECT_EQ(std::memcmp(sub.records[3], image.data(), 3), 0);
}

TEST(SubDatabase, CommitDeliversOncePerTouchedTable) {
    OwnDatabase o;
    KSub& db = *o.db;
    RecordingSubscriber of20(&o.notifier), of30(&o.notifier);
    of20.registerTable(20);
    of30.registerTable(30);
    uint8_t c = 0;
    ASSERT_EQ(db.beginTransaction(0x10, 7), 0);
    ASSERT_EQ(db.lockTableShared(7, 20, &c), 0);
    ASSERT_EQ(db.lockTableShared(7, 10, &c), 0);
    ASSERT_EQ(db.lockTableExclusive(7, 20, &c), 0);  // the table stays listed once
    int16_t listed[8];
    ASSERT_EQ(db.tablesOfSlot(4, listed, 8), 2);
    EXPECT_EQ(listed[0], 10);
    EXPECT_EQ(listed[1], 20);
    ASSERT_EQ(db.commitTransaction(7), 0);
    const std::vector<SeenEvent> expected = {{snTableLockShared, 20, 7, 0, 0},
                                             {snTableLockExcl, 20, 7, 0, 0},
                                             {snTrnCommit, 20, 7, 0, 0}};
    EXPECT_EQ(of20.seen, expected);
    EXPECT_TRUE(of30.seen.empty());
    EXPECT_EQ(db.slots[4].active, 0);
    EXPECT_EQ(db.table(20)->masks().tableShared | db.table(20)->masks().tableExclusive, 0);
}

TEST(SubDatabase, TransactionControlRefusals) {
    OwnDatabase o;
    KSub& db = *o.db;
    EXPECT_EQ(db.beginTransaction(0x03, 5), tsNevazeciDeskriptor);
    EXPECT_EQ(db.beginTransaction(0x00, 5), tsNevazeciDeskriptor);
    ASSERT_EQ(db.beginTransaction(0x20, 5), 0);
    EXPECT_EQ(db.beginTransaction(0x20, 6), tsVecPostojiTransakcija);
    EXPECT_EQ(db.commitTransaction(0), tsNevazecaTransakcija);
    EXPECT_EQ(db.rollbackTransaction(-5), tsNevazecaTransakcija);
    EXPECT_EQ(db.commitTransaction(6), tsNevazecaTransakcija);
    uint8_t c = 0;
    EXPECT_EQ(db.lockTableShared(6, kDusProk, &c), tsNevazecaTransakcija);
    int16_t id = 0;
    EXPECT_EQ(db.transactionIdOfMask(0x20, &id), 0);
    EXPECT_EQ(id, 5);
    EXPECT_EQ(db.transactionIdOfMask(0x40, &id), tsNevazeciDeskriptor);
    EXPECT_EQ(db.commitTransaction(5), 0);  // no table touched: only the slot is freed
    EXPECT_EQ(db.slots[5].active, 0);
}

TEST(SubDatabase, TransactionListIsCheckedWhole) {
    OwnDatabase o;
    KSub& db = *o.db;
    ASSERT_EQ(db.beginTransaction(0x01, 3), 0);
    const uint8_t bad[] = {0x01, 0x06};
    const int16_t ids[] = {21, 22, 23};
    EXPECT_EQ(db.loadTransactionList(2, bad, ids, 30), -1);
    EXPECT_EQ(db.slots[0].active, 1);
    EXPECT_EQ(db.slots[0].id, 3);
    EXPECT_EQ(db.loadTransactionList(9, bad, ids, 30), -1);
    const uint8_t good[] = {0x02, 0x80, 0x02};
    ASSERT_EQ(db.loadTransactionList(3, good, ids, 30), 0);
    EXPECT_EQ(db.slots[0].active, 0);
    EXPECT_EQ(db.slots[1].id, 23);  // the later entry of a mask wins
    EXPECT_EQ(db.slots[7].id, 22);
    EXPECT_EQ(db.lastTransactionId, 30);
    ASSERT_EQ(db.loadTransactionList(0, nullptr, nullptr, 0), 0);
    for (const STrnSlot& s : db.slots) EXPECT_EQ(s.active, 0);
}

TEST(SubDatabase, LoadedLocksAndRecordsBelongToTheirTransactions) {
    OwnDatabase o;
    KSub& db = *o.db;
    const uint8_t fieldShared[3] = {0, 0, 0x08};
    const uint8_t none[3] = {};
    // Owner mask 0x04 while slot 2 is inactive: refused, nothing stored.
    uint8_t slot[8] = {kCommittedVersion | kPendingVersion, 0, 0x04, 0, 1, 1, 5, 6};
    EXPECT_EQ(db.loadRecord(kDusProk, 0, slot), tsNevazecaTransakcija);
    EXPECT_EQ(db.table(kDusProk)->recordCount(), 0);
    const uint8_t masks[] = {0x04, 0x08, 0x10};
    const int16_t ids[] = {41, 42, 43};
    ASSERT_EQ(db.loadTransactionList(3, masks, ids, 43), 0);
    ASSERT_EQ(db.loadTableLockState(kDusProk, 0x10, 0, none, fieldShared, none), 0);
    ASSERT_EQ(db.loadRecord(kDusProk, 0, slot), 0);
    int16_t listed[4];
    EXPECT_EQ(db.tablesOfSlot(2, listed, 4), 1);
    EXPECT_EQ(db.tablesOfSlot(3, listed, 4), 1);
    EXPECT_EQ(db.tablesOfSlot(4, listed, 4), 1);
    EXPECT_EQ(listed[0], kDusProk);
    // Their commits and rollbacks clear the loaded locks.
    ASSERT_EQ(db.commitTransaction(41), 0);
    ASSERT_EQ(db.rollbackTransaction(42), 0);
    ASSERT_EQ(db.rollbackTransaction(43), 0);
    const STableMasks& m = db.table(kDusProk)->masks();
    EXPECT_EQ(m.tableExclusive | m.fieldShared | m.recordExclusive, 0);
    EXPECT_EQ(db.table(kDusProk)->field(3)->sharedMask, 0);
    EXPECT_EQ(o.committed(kDusProk), std::vector<std::string>{"1,1,6"});
}

TEST(SubDatabase, ResetsDropPendingVersionsAndLocks) {
    for (bool all : {false, true}) {
        OwnDatabase o;
        KSub& db = *o.db;
        uint8_t c = 0;
        ASSERT_EQ(db.beginTransaction(0x01, 1), 0);
        ASSERT_EQ(db.insertRecord(1, kDusProk, o.record(kDusProk, "1,1,5").data(), &c), 0);
        ASSERT_EQ(db.lockTableShared(1, 10, &c), 0);
        if (all)
            db.resetAllTablesTransactions();
        else
            db.resetTransactions();
        EXPECT_EQ(db.slots[0].active, 0);
        EXPECT_EQ(db.table(kDusProk)->recordCount(), 0);
        EXPECT_EQ(db.table(10)->masks().tableShared, 0);
    }
}

TEST(SubDatabase, QueriesAndSetFieldValue) {
    OwnDatabase o;
    KSub& db = *o.db;
    uint8_t c = 0;
    ASSERT_EQ(db.insertRecord(0, kDusProk, o.record(kDusProk, "1,1,5").data(), &c), 0);
    ASSERT_EQ(db.insertRecord(0, kDusProk, o.record(kDusProk, "2,1,7").data(), &c), 0);
    EXPECT_EQ(db.setFieldValue(0, kDusProk, 0, kKey11, "\x09", &c), tsNePostojiAtribut);
    EXPECT_EQ(db.setFieldValue(0, kDusProk, 4, kKey11, "\x09", &c), tsNePostojiAtribut);
    const uint8_t nine = 9;
    ASSERT_EQ(db.setFieldValue(0, kDusProk, 3, kKey11, &nine, &c), 0);
    EXPECT_EQ(db.updateField(0, kDusProk, 1, o.record(kDusProk, "1,1,3").data(), &c),
              tsKljucniAtribut);
    Bytes r = o.record(kDusProk, "0,0,9");
    ASSERT_EQ(db.readByIndexField(0, kDusProk, 3, r.data(), kFindExact), 0);
    EXPECT_EQ(o.text(kDusProk, r), "1,1,9");
    EXPECT_EQ(db.readByIndexField(0, kDusProk, 1, r.data(), kFindExact), tsNijeIndeksniKljuc);
    EXPECT_EQ(db.readByIndexField(77, kDusProk, 3, r.data(), kFindExact), tsNevazecaTransakcija);
    uint8_t key[] = {1, 5};
    int32_t row = -1;
    EXPECT_EQ(db.findRecord(0, kDusProk, key, kFindAtOrAfter, &row), 0);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(db.findRecord(0, kDusProk, key, 7, &row), tsLosKriterijumTrazenja);
    EXPECT_EQ(db.fieldCount(kDusProk), 3);
    EXPECT_EQ(db.keyFieldCount(kDusProk), 2);
    EXPECT_EQ(db.isIndexedField(kDusProk, 3), 1);
    EXPECT_EQ(db.isIndexedField(kDusProk, 9), 0);
    const char* name = nullptr;
    ASSERT_EQ(db.fieldName(kDusProk, 3, &name), 0);
    EXPECT_STREQ(name, "PROK");
}

// A table number without a table is refused by every operation.
TEST(SubDatabase, NumbersWithoutTableAreRefused) {
    OwnDatabase o;
    KSub& db = *o.db;
    RecordingSubscriber sub(&o.notifier);
    uint8_t c = 0;
    uint8_t image[16] = {};
    for (int16_t t : {int16_t(0), int16_t(123), int16_t(183), int16_t(205), int16_t(-1)}) {
        SCOPED_TRACE(t);
        const std::vector<std::function<int()>> ops = {
            [&] { return db.lockTableExclusive(0, t, &c); },
            [&] { return db.unlockRecordSharedByRow(0, t, 0); },
            [&] { return db.insertRecord(0, t, image, &c); },
            [&] { return db.setFieldValue(0, t, 1, image, image, &c); },
            [&] { return db.resetTable(t); },
            [&] { return db.loadRecord(t, 0, image); },
            [&] { return db.loadTableLockState(t, 0, 0, image, image, image); },
            [&] { return db.findRecord(0, t, image, 0, nullptr); },
        };
        for (const auto& op : ops) EXPECT_EQ(op(), tsNePostojiTabela);
        EXPECT_EQ(db.isRecordVisible(0, t, image), 0);
        EXPECT_EQ(db.fieldCount(t), 0);
    }
}

TEST(SubDatabase, GlobalDatabaseHoldsEveryValidTable) {
    int count = 0;
    for (int16_t t = 0; t < kTableNumberLimit; ++t) {
        EXPECT_EQ(subDatabase.table(t) != nullptr, isValidTableNumber(t) != 0) << t;
        if (subDatabase.table(t) != nullptr) ++count;
    }
    EXPECT_EQ(count, 202);
    EXPECT_EQ(subDatabase.notifier, &subNotifier);
}

}  // namespace
