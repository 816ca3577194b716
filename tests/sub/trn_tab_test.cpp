#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sub/field_text.h"
#include "sub/sub_database.h"
#include "sub/table_catalogue.h"
#include "sub/table_dictionary.h"
#include "sub/trn_tab.h"

namespace {

constexpr uint8_t T1 = 0x01, T2 = 0x02, T3 = 0x04;
using Bytes = std::vector<uint8_t>;

// DUSPROK: keys DUS and DUSPROK (bytes), PROK a byte with an index; capacity 3.
std::unique_ptr<TTrnTabBase> small() {
    return createTable(40);
}
Bytes rec3(uint8_t dus, uint8_t id, uint8_t prok) {
    return {dus, id, prok};
}

// Ruta: short key, Ime a string with an index, then enumerations, bytes and a short.
Bytes ruta(const TTrnTabBase& t, const char* line) {
    Bytes r(size_t(t.recordLength()), 0);
    EXPECT_EQ(t.recordFromText(r.data(), line, ","), 0) << line;
    return r;
}

std::string line(const TTrnTabBase& t, const Bytes& r) {
    char text[200];
    t.recordText(text, sizeof text, ',', r.data());
    return text;
}

Bytes read(TTrnTabBase& t, uint8_t mask, int32_t row, int* rc = nullptr) {
    Bytes r(size_t(t.recordLength()), 0);
    const int code = t.readRow(mask, row, r.data());
    if (rc != nullptr) *rc = code;
    return code == tsOK ? r : Bytes{};
}

Bytes readKey(TTrnTabBase& t, uint8_t mask, const Bytes& key) {
    Bytes r(size_t(t.recordLength()), 0);
    std::memcpy(r.data(), key.data(), size_t(t.keyLength()));
    return t.findAndRead(mask, r.data(), kFindExact) == tsOK ? r : Bytes{};
}

int insert(TTrnTabBase& t, uint8_t mask, const Bytes& r, uint8_t* conflict = nullptr) {
    uint8_t c = 0;
    const int rc = t.insert(conflict ? conflict : &c, mask, r.data());
    return rc;
}

SSubSlotHeader headerOf(const TTrnTabBase& t, int32_t row) {
    SSubSlotHeader h{};
    std::memcpy(&h, t.slotAt(row), sizeof h);
    return h;
}

enum Holder { kNone, kSame, kOther };

struct LockKind {
    const char* name;
    std::function<void(TTrnTabBase&, uint8_t)> hold;  // what the holder takes
    std::function<int(TTrnTabBase&, uint8_t*, uint8_t)> check;
    std::function<int(TTrnTabBase&, uint8_t*, uint8_t)> run;
    bool reportsConflicts = true;  // releases and marks never conflict
};

const int16_t F = 3;  // PROK
const int32_t R = 0;  // the one committed record

const LockKind kLockKinds[] = {
    {"table exclusive", [](TTrnTabBase& t, uint8_t m) { t.applyLockTableExclusive(m); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.checkLockTableExclusive(c, m); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.lockTableExclusive(c, m); }},
    {"table shared", [](TTrnTabBase& t, uint8_t m) { t.applyLockTableShared(m); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.checkLockTableShared(c, m); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.lockTableShared(c, m); }},
    {"table shared release", [](TTrnTabBase& t, uint8_t m) { t.applyLockTableShared(m); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.checkUnlockTableShared(m); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.unlockTableShared(m); }, false},
    {"field exclusive", [](TTrnTabBase& t, uint8_t m) { t.applyLockFieldExclusive(m, F); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.checkLockFieldExclusive(c, m, F); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.lockFieldExclusive(c, m, F); }},
    {"field shared", [](TTrnTabBase& t, uint8_t m) { t.applyLockFieldShared(m, F); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.checkLockFieldShared(c, m, F); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.lockFieldShared(c, m, F); }},
    {"field shared release", [](TTrnTabBase& t, uint8_t m) { t.applyLockFieldShared(m, F); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.checkUnlockFieldShared(m, F); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.unlockFieldShared(m, F); }, false},
    {"mark", [](TTrnTabBase& t, uint8_t m) { t.applyMarkField(m, F); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.checkMarkField(m, F); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.markField(m, F); }, false},
    {"record exclusive", [](TTrnTabBase& t, uint8_t m) { t.applyLockRecordExclusive(m, R); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.checkLockRecordExclusive(c, m, R); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.lockRecordExclusive(c, m, R); }},
    {"record shared", [](TTrnTabBase& t, uint8_t m) { t.applyLockRecordShared(m, R); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.checkLockRecordShared(c, m, R); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.lockRecordShared(c, m, R); }},
    {"record shared release", [](TTrnTabBase& t, uint8_t m) { t.applyLockRecordShared(m, R); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.checkUnlockRecordShared(m, R); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.unlockRecordShared(m, R); }, false},
    {"record field", [](TTrnTabBase& t, uint8_t m) { t.applyLockRecordField(m, R, F); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.checkLockRecordField(c, m, R, F); },
     [](TTrnTabBase& t, uint8_t* c, uint8_t m) { return t.lockRecordField(c, m, R, F); }},
};

struct LockCase {
    int kind;
    Holder holder;
    uint8_t mask;  // the asking transaction; 0 is none
    int check;
    uint8_t conflict;
    int combined;
};

// For each lock kind: nobody, the asker itself or another transaction holds
// it, asked by transaction T1 and without a transaction.
const LockCase kLockCases[] = {
    {0, kNone, T1, 0, 0, 0},   {0, kSame, T1, 2, 0, 0},    {0, kOther, T1, 1, T2, 1},
    {0, kNone, 0, 0, 0, 0},    {0, kOther, 0, 1, T2, 1},   {1, kNone, T1, 0, 0, 0},
    {1, kSame, T1, 2, 0, 0},   {1, kOther, T1, 0, 0, 0},   {1, kNone, 0, 0, 0, 0},
    {1, kOther, 0, 0, 0, 0},   {2, kNone, T1, 3, 0, 0},    {2, kSame, T1, 0, 0, 0},
    {2, kOther, T1, 3, 0, 0},  {2, kNone, 0, 3, 0, 0},     {2, kOther, 0, 3, 0, 0},
    {3, kNone, T1, 0, 0, 0},   {3, kSame, T1, 2, 0, 0},    {3, kOther, T1, 1, T2, 1},
    {3, kNone, 0, 0, 0, 0},    {3, kOther, 0, 1, T2, 1},   {4, kNone, T1, 0, 0, 0},
    {4, kSame, T1, 2, 0, 0},   {4, kOther, T1, 0, 0, 0},   {4, kNone, 0, 0, 0, 0},
    {4, kOther, 0, 0, 0, 0},   {5, kNone, T1, 3, 0, 0},    {5, kSame, T1, 0, 0, 0},
    {5, kOther, T1, 3, 0, 0},  {5, kNone, 0, 3, 0, 0},     {5, kOther, 0, 3, 0, 0},
    {6, kNone, T1, 0, 0, 0},   {6, kSame, T1, 4, 0, 0},    {6, kOther, T1, 0, 0, 0},
    {6, kNone, 0, 0, 0, 0},    {6, kOther, 0, 0, 0, 0},    {7, kNone, T1, 0, 0, 0},
    {7, kSame, T1, 2, 0, 0},   {7, kOther, T1, 1, T2, 1},  {7, kNone, 0, 2, 0, 0},
    {7, kOther, 0, 1, T2, 1},  {8, kNone, T1, 0, 0, 0},    {8, kSame, T1, 2, 0, 0},
    {8, kOther, T1, 0, 0, 0},  {8, kNone, 0, 2, 0, 0},     {8, kOther, 0, 2, 0, 0},
    {9, kNone, T1, 3, 0, 0},   {9, kSame, T1, 0, 0, 0},    {9, kOther, T1, 3, 0, 0},
    {9, kNone, 0, 3, 0, 0},    {9, kOther, 0, 3, 0, 0},    {10, kNone, T1, 0, 0, 0},
    {10, kSame, T1, 0, 0, 0},  {10, kOther, T1, 1, T2, 1}, {10, kNone, 0, 2, 0, 0},
    {10, kOther, 0, 1, T2, 1},
};

TEST(TrnTabLocks, EveryKindAgainstEveryHolder) {
    for (const LockCase& c : kLockCases) {
        const LockKind& k = kLockKinds[c.kind];
        const std::string what = std::string(k.name) + " holder " + std::to_string(c.holder) +
                                 " mask " + std::to_string(c.mask);
        auto t = small();
        ASSERT_EQ(insert(*t, 0, rec3(1, 1, 7)), tsOK);
        // Record-field changes need the field's mark of both transactions.
        if (c.kind == 10) {
            t->applyMarkField(T1, F);
            t->applyMarkField(T2, F);
        }
        if (c.holder == kSame) k.hold(*t, T1);
        if (c.holder == kOther) k.hold(*t, T2);
        const STableMasks before = t->masks();
        const Bytes slotBefore(t->slotAt(0), t->slotAt(0) + t->slotLength());

        uint8_t conflict = 0xEE;
        EXPECT_EQ(k.check(*t, &conflict, c.mask), c.check) << what;
        if (k.reportsConflicts) {
            EXPECT_EQ(conflict, c.conflict) << what;
        }
        conflict = 0xEE;
        EXPECT_EQ(k.run(*t, &conflict, c.mask), c.combined) << what;

        if (c.mask == 0) {  // without a transaction nothing is ever taken
            EXPECT_EQ(std::memcmp(&before, &t->masks(), sizeof before), 0) << what;
            EXPECT_EQ(Bytes(t->slotAt(0), t->slotAt(0) + t->slotLength()), slotBefore) << what;
        }
    }
}

TEST(TrnTabLocks, AppliedLocksAndReleases) {
    auto t = small();
    ASSERT_EQ(insert(*t, 0, rec3(1, 1, 7)), tsOK);
    ASSERT_EQ(insert(*t, 0, rec3(1, 2, 8)), tsOK);
    uint8_t c = 0;
    // Shared record locks count per transaction; the table mask goes with the last.
    EXPECT_EQ(t->lockRecordShared(&c, T2, 0), tsOK);
    EXPECT_EQ(t->lockRecordShared(&c, T2, 1), tsOK);
    EXPECT_EQ(t->sharedRecordLocks(1), 2);
    EXPECT_EQ(t->unlockRecordShared(T2, 0), tsOK);
    EXPECT_EQ(t->masks().recordShared, T2);
    EXPECT_EQ(t->unlockRecordShared(T2, 1), tsOK);
    EXPECT_EQ(t->masks().recordShared, 0);
    EXPECT_EQ(t->sharedRecordLocks(1), 0);

    EXPECT_EQ(t->lockFieldShared(&c, T3, 3), tsOK);
    EXPECT_EQ(t->lockFieldShared(&c, T3, 2), tsOK);
    EXPECT_EQ(t->sharedFieldLocks(2), 2);
    EXPECT_EQ(t->unlockFieldShared(T3, 3), tsOK);
    EXPECT_EQ(t->masks().fieldShared, T3);
    EXPECT_EQ(t->unlockFieldShared(T3, 2), tsOK);
    EXPECT_EQ(t->masks().fieldShared, 0);

    // An exclusive record lock gives the transaction a pending copy.
    EXPECT_EQ(t->lockRecordExclusive(&c, T1, 1), tsOK);
    const SSubSlotHeader h = headerOf(*t, 1);
    EXPECT_EQ(h.versions, kCommittedVersion | kPendingVersion);
    EXPECT_EQ(h.ownerMask, T1);
    EXPECT_EQ(read(*t, T1, 1), rec3(1, 2, 8));
    EXPECT_EQ(t->masks().recordExclusive, T1);

    // Field number first, then row; by key an absent key is no record.
    EXPECT_EQ(t->lockRecordField(&c, T1, 9, 0), tsNePostojiAtribut);
    EXPECT_EQ(t->lockRecordField(&c, T1, 9, 1), tsNePostojiSlog);
    EXPECT_EQ(t->lockFieldExclusive(&c, T1, 4), tsNePostojiAtribut);
    EXPECT_EQ(t->markField(T1, 0), tsNePostojiAtribut);
    EXPECT_EQ(t->lockRecordShared(&c, T1, -1), tsNePostojiSlog);
    const Bytes absent = {5, 5};
    EXPECT_EQ(t->lockRecordExclusiveByKey(&c, T2, absent.data()), tsNePostojiSlog);
    EXPECT_EQ(t->lockRecordSharedByKey(&c, T2, rec3(1, 1, 0).data()), tsOK);
    EXPECT_EQ(t->unlockRecordSharedByKey(T2, rec3(1, 1, 0).data()), tsOK);
    EXPECT_EQ(t->lockRecordFieldByKey(&c, T2, rec3(1, 2, 0).data(), 3), tsKolizija);
    EXPECT_EQ(c, T1);
}

TEST(TrnTabLocks, MaskBitIndex) {
    for (int i = 0; i < 8; ++i) EXPECT_EQ(bitIndexOfMask(uint8_t(1u << i)), i);
    for (uint8_t m : {0x00, 0x03, 0xFF, 0x81}) EXPECT_EQ(bitIndexOfMask(m), -1) << int(m);
}

TEST(TrnTabChanges, PendingInsertVisibleToItsTransactionOnly) {
    for (bool commit : {false, true}) {
        auto t = small();
        ASSERT_EQ(insert(*t, T1, rec3(1, 1, 7)), tsOK);
        ASSERT_EQ(t->recordCount(), 1);
        EXPECT_EQ(headerOf(*t, 0).versions, kPendingVersion);
        int rc = 0;
        read(*t, 0, 0, &rc);
        EXPECT_EQ(rc, tsNePostojiSlog);
        read(*t, T2, 0, &rc);
        EXPECT_EQ(rc, tsNePostojiSlog);
        EXPECT_EQ(read(*t, T1, 0), rec3(1, 1, 7));
        EXPECT_EQ(insert(*t, T1, rec3(1, 1, 9)), tsVecPostojiSlog);

        EXPECT_EQ(commit ? t->commit(T1) : t->rollback(T1), tsOK);
        EXPECT_EQ(t->recordCount(), commit ? 1 : 0);
        if (commit) {
            EXPECT_EQ(headerOf(*t, 0).versions, kCommittedVersion);
            EXPECT_EQ(headerOf(*t, 0).ownerMask, 0);
            EXPECT_EQ(read(*t, 0, 0), rec3(1, 1, 7));
        }
        EXPECT_EQ(t->masks().recordExclusive, 0);
        EXPECT_EQ(t->indexTable(3)->recordCount(), commit ? 1 : 0);
    }
}

TEST(TrnTabChanges, DeleteThenInsertAgainReusesTheSlot) {
    auto t = small();
    ASSERT_EQ(insert(*t, 0, rec3(1, 1, 7)), tsOK);
    uint8_t c = 0;
    EXPECT_EQ(t->remove(&c, T1, rec3(1, 1, 0).data()), tsOK);
    EXPECT_EQ(readKey(*t, T1, rec3(1, 1, 0)), Bytes{});
    EXPECT_EQ(readKey(*t, T2, rec3(1, 1, 0)), rec3(1, 1, 7));
    EXPECT_EQ(insert(*t, T1, rec3(1, 1, 5)), tsOK);
    EXPECT_EQ(t->recordCount(), 1);
    EXPECT_EQ(readKey(*t, T1, rec3(1, 1, 0)), rec3(1, 1, 5));
    EXPECT_EQ(readKey(*t, 0, rec3(1, 1, 0)), rec3(1, 1, 7));
    EXPECT_EQ(t->commit(T1), tsOK);
    EXPECT_EQ(readKey(*t, 0, rec3(1, 1, 0)), rec3(1, 1, 5));
}

TEST(TrnTabChanges, ChangeWithoutTransactionReportsBlockers) {
    auto t = small();
    ASSERT_EQ(insert(*t, 0, rec3(1, 1, 7)), tsOK);
    uint8_t c = 0;
    ASSERT_EQ(t->lockRecordShared(&c, T2, 0), tsOK);
    EXPECT_EQ(t->remove(&c, 0, rec3(1, 1, 0).data()), tsKolizija);
    EXPECT_EQ(c, T2);
    EXPECT_EQ(t->recordCount(), 1);

    // Inserting without a transaction a key another transaction inserted.
    ASSERT_EQ(insert(*t, T3, rec3(2, 1, 8)), tsOK);
    EXPECT_EQ(insert(*t, 0, rec3(2, 1, 9), &c), tsKolizija);
    EXPECT_EQ(c, T3);

    // A table lock of another transaction blocks a new record.
    t->rollback(T3);
    t->rollback(T2);
    ASSERT_EQ(t->lockTableShared(&c, T2), tsOK);
    EXPECT_EQ(insert(*t, 0, rec3(3, 1, 1), &c), tsKolizija);
    EXPECT_EQ(c, T2);
    t->rollback(T2);
    EXPECT_EQ(insert(*t, 0, rec3(2, 1, 9)), tsOK);
    EXPECT_EQ(t->remove(&c, 0, rec3(1, 1, 0).data()), tsOK);
    EXPECT_EQ(t->recordCount(), 1);
    EXPECT_EQ(std::memcmp(t->scratchSlot() + kSlotHeaderSize, rec3(1, 1, 0).data(), 2), 0);
    EXPECT_EQ(t->remove(&c, 0, rec3(1, 1, 0).data()), tsNePostojiSlog);
}

TEST(TrnTabChanges, CapacityAndIndexCapacity) {
    auto t = small();
    EXPECT_EQ(t->capacity(), 3);
    EXPECT_EQ(t->indexTable(3)->capacity(), 4);
    EXPECT_EQ(createTable(77)->indexTable(2)->capacity(), 265);
    EXPECT_EQ(t->indexTable(1), nullptr);
    for (uint8_t i = 0; i < 3; ++i) ASSERT_EQ(insert(*t, 0, rec3(1, i, i)), tsOK);
    EXPECT_EQ(insert(*t, 0, rec3(1, 9, 9)), tsPrepunaTabela);
    EXPECT_EQ(insert(*t, T1, rec3(0, 0, 9)), tsPrepunaTabela);
    EXPECT_EQ(t->recordCount(), 3);
}

// Bytes of this process held in memory.
size_t residentBytes() {
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (f == nullptr) return 0;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
    return size_t(resident) * size_t(sysconf(_SC_PAGESIZE));
}

// Every table's storage is reserved when the database is made, but making it
// writes none of that storage: its pages stay out of memory until used.
TEST(TrnTabChanges, StorageIsReservedButUntouchedAtCreation) {
    const size_t before = residentBytes();
    auto database = std::make_unique<KSub>();
    const size_t grown = residentBytes() - before;
    size_t reserved = 0;
    for (int32_t t = 0; t <= 204; ++t)
        if (const TTrnTabBase* table = database->table(t))
            reserved += size_t(table->capacity()) * size_t(table->slotLength());
    EXPECT_GT(reserved, size_t(8) << 20);
    EXPECT_LT(grown, reserved / 10);  // the pages of slots are untouched till written
}

TEST(TrnTabChanges, CommitRemovesEveryDeletedSlot) {
    auto t = small();
    for (uint8_t i = 0; i < 3; ++i) ASSERT_EQ(insert(*t, 0, rec3(1, i, i)), tsOK);
    uint8_t c = 0;
    for (uint8_t i = 0; i < 3; ++i) ASSERT_EQ(t->remove(&c, T1, rec3(1, i, 0).data()), tsOK);
    EXPECT_EQ(t->recordCount(), 3);
    EXPECT_EQ(t->commit(T1), tsOK);
    EXPECT_EQ(t->recordCount(), 0);
    EXPECT_EQ(t->indexTable(3)->recordCount(), 0);
}

TEST(TrnTabChanges, FieldChangesOfTwoTransactions) {
    const auto t = createTable(77);
    ASSERT_EQ(insert(*t, 0, ruta(*t, "1,Beograd,sigNo7,rDolaz,0,eprAnalogna,0,0,0")), tsOK);
    uint8_t c = 0;
    ASSERT_EQ(t->markField(T1, 5), tsOK);  // EndToEnd
    ASSERT_EQ(t->markField(T2, 8), tsOK);  // S
    EXPECT_EQ(t->updateField(&c, T1, 5, ruta(*t, "1,x,sigNo7,rDolaz,1,eprAnalogna,9,9,9").data()),
              tsOK);
    EXPECT_EQ(t->updateField(&c, T2, 8, ruta(*t, "1,y,sigNo7,rDolaz,9,eprAnalogna,9,4,9").data()),
              tsOK);
    EXPECT_EQ(headerOf(*t, 0).fieldChangeMask, T1 | T2);
    EXPECT_EQ(
        line(*t, read(*t, T1, 0)),
        "    1,Beograd ,sigNo7       ,rDolaz    ,       1,eprAnalogna ,           0,   0,     0");
    EXPECT_EQ(
        line(*t, read(*t, T2, 0)),
        "    1,Beograd ,sigNo7       ,rDolaz    ,       0,eprAnalogna ,           0,   4,     0");
    EXPECT_EQ(
        line(*t, read(*t, 0, 0)),
        "    1,Beograd ,sigNo7       ,rDolaz    ,       0,eprAnalogna ,           0,   0,     0");
    // A changed field of another transaction blocks; a record lock too.
    EXPECT_EQ(t->markField(T3, 5), tsOK);
    EXPECT_EQ(t->updateField(&c, T3, 5, ruta(*t, "1,z,sigNo7,rDolaz,1,eprAnalogna,0,0,0").data()),
              tsKolizija);
    EXPECT_EQ(c, T1);
    EXPECT_EQ(t->lockRecordExclusive(&c, T3, 0), tsKolizija);
    EXPECT_EQ(c, T1 | T2);
    // Marking after changing single fields is refused.
    EXPECT_EQ(t->markField(T1, 6), tsVecPostojiFWL);

    EXPECT_EQ(t->commit(T1), tsOK);
    EXPECT_EQ(
        line(*t, read(*t, 0, 0)),
        "    1,Beograd ,sigNo7       ,rDolaz    ,       1,eprAnalogna ,           0,   0,     0");
    EXPECT_EQ(headerOf(*t, 0).fieldChangeMask, T2);
    EXPECT_EQ(t->commit(T2), tsOK);
    EXPECT_EQ(
        line(*t, read(*t, 0, 0)),
        "    1,Beograd ,sigNo7       ,rDolaz    ,       1,eprAnalogna ,           0,   4,     0");
    EXPECT_EQ(headerOf(*t, 0).versions, kCommittedVersion);
    EXPECT_EQ(t->masks().recordField, 0);
}

TEST(TrnTabChanges, RollbackOfOneFieldChangerKeepsTheOther) {
    const auto t = createTable(77);
    ASSERT_EQ(insert(*t, 0, ruta(*t, "1,Beograd,sigNo7,rDolaz,0,eprAnalogna,0,0,0")), tsOK);
    uint8_t c = 0;
    t->markField(T1, 5);
    t->markField(T2, 8);
    t->updateField(&c, T1, 5, ruta(*t, "1,x,sigNo7,rDolaz,1,eprAnalogna,0,0,0").data());
    t->updateField(&c, T2, 8, ruta(*t, "1,x,sigNo7,rDolaz,0,eprAnalogna,0,4,0").data());
    EXPECT_EQ(t->rollback(T1), tsOK);
    EXPECT_EQ(
        line(*t, read(*t, T2, 0)),
        "    1,Beograd ,sigNo7       ,rDolaz    ,       0,eprAnalogna ,           0,   4,     0");
    EXPECT_EQ(t->rollback(T2), tsOK);
    EXPECT_EQ(t->recordCount(), 1);
    EXPECT_EQ(headerOf(*t, 0).versions, kCommittedVersion);
    EXPECT_EQ(
        line(*t, read(*t, 0, 0)),
        "    1,Beograd ,sigNo7       ,rDolaz    ,       0,eprAnalogna ,           0,   0,     0");
}

TEST(TrnTabChanges, UpdatesAndTheirRefusals) {
    const auto t = createTable(77);
    ASSERT_EQ(insert(*t, 0, ruta(*t, "1,Beograd,sigNo7,rDolaz,0,eprAnalogna,0,0,0")), tsOK);
    uint8_t c = 0;
    const Bytes changed = ruta(*t, "1,Novi Sad,sigR2D,rOdlaz,1,eprDigitalna,1,2,3");
    EXPECT_EQ(t->update(&c, 0, changed.data()), tsOK);
    EXPECT_EQ(read(*t, 0, 0), changed);
    EXPECT_EQ(t->update(&c, 0, ruta(*t, "2,a,sigNo7,rDolaz,0,eprAnalogna,0,0,0").data()),
              tsNePostojiSlog);
    EXPECT_EQ(t->updateField(&c, 0, 1, changed.data()), tsKljucniAtribut);
    EXPECT_EQ(t->updateField(&c, 0, 10, changed.data()), tsNePostojiAtribut);
    const Bytes s9 = ruta(*t, "1,x,sigNo7,rDolaz,0,eprAnalogna,0,9,0");
    EXPECT_EQ(t->updateField(&c, 0, 8, s9.data()), tsOK);  // without a transaction: committed
    EXPECT_EQ(
        line(*t, read(*t, 0, 0)),
        "    1,Novi Sad,sigR2D       ,rOdlaz    ,       1,eprDigitalna,           1,   9,     3");
    EXPECT_EQ(headerOf(*t, 0).versions, kCommittedVersion);

    // Pending update seen by its transaction only.
    const Bytes pending = ruta(*t, "1,Nis,sigD2,rOdlaz,0,eprDigitalna,0,0,0");
    EXPECT_EQ(t->update(&c, T1, pending.data()), tsOK);
    EXPECT_EQ(read(*t, T1, 0), pending);
    EXPECT_EQ(line(*t, read(*t, 0, 0)).substr(6, 8), "Novi Sad");
    EXPECT_EQ(t->update(&c, T2, changed.data()), tsKolizija);
    EXPECT_EQ(c, T1);
}

TEST(TrnTabIndex, UniqueValuesAndConflicts) {
    auto t = createTable(39);  // DUSKOOR: as DUSPROK with room for more records
    uint8_t c = 0;
    ASSERT_EQ(insert(*t, 0, rec3(1, 1, 7)), tsOK);
    // A second visible record with the same indexed value.
    EXPECT_EQ(insert(*t, 0, rec3(1, 2, 7)), tsIndeksnaKolizija);
    EXPECT_EQ(insert(*t, T1, rec3(1, 2, 7)), tsIndeksnaKolizija);
    // After the first is deleted in the same transaction the value is free for it.
    ASSERT_EQ(t->remove(&c, T1, rec3(1, 1, 0).data()), tsOK);
    EXPECT_EQ(insert(*t, T1, rec3(1, 2, 7)), tsOK);
    // Others still see the committed entry; a pending entry of T1 blocks T2.
    EXPECT_EQ(insert(*t, T2, rec3(1, 3, 7)), tsIndeksnaKolizija);
    ASSERT_EQ(insert(*t, T1, rec3(2, 1, 5)), tsOK);
    EXPECT_EQ(insert(*t, T2, rec3(2, 2, 5), &c), tsKolizija);
    EXPECT_EQ(c, T1);
    EXPECT_EQ(t->commit(T1), tsOK);

    int32_t row = -1;
    EXPECT_EQ(t->findRowByIndex(0, 3, rec3(0, 0, 7).data(), kFindExact, &row), tsOK);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(read(*t, 0, row), rec3(1, 2, 7));
    Bytes probe = rec3(0, 0, 6);
    EXPECT_EQ(t->readByIndex(0, 3, probe.data(), kFindAtOrAfter), tsOK);
    EXPECT_EQ(probe, rec3(1, 2, 7));
    EXPECT_EQ(t->findRowByIndex(0, 3, rec3(0, 0, 4).data(), kFindExact, &row), tsNePostojiSlog);
    EXPECT_EQ(t->findRowByIndex(0, 1, rec3(0, 0, 4).data(), kFindExact, &row), tsNijeIndeksniKljuc);
    EXPECT_EQ(t->findRowByIndex(0, 4, rec3(0, 0, 4).data(), kFindExact, &row), tsNePostojiAtribut);
    EXPECT_EQ(t->isIndexedField(3), 1);
    EXPECT_EQ(t->isIndexedField(1), 0);
    EXPECT_EQ(t->isIndexedField(0), 0);
    EXPECT_EQ(t->isIndexedField(4), 0);
}

// PPLink: a short key, two shorts with an index each, a short.
Bytes ppLink(int16_t key, int16_t first, int16_t second, int16_t state) {
    Bytes r;
    for (const int16_t v : {key, first, second, state}) {
        r.push_back(uint8_t(uint16_t(v)));
        r.push_back(uint8_t(uint16_t(v) >> 8));
    }
    return r;
}

Bytes slots(const TTrnTabBase& t) {
    Bytes all;
    for (int32_t row = 0; row < t.recordCount(); ++row)
        all.insert(all.end(), t.slotAt(row), t.slotAt(row) + t.slotLength());
    return all;
}

// Records read in key order whose index values come in order are appended
// with their entries in one pass; in any other order each goes through the
// general insert. Both leave the same slots in the table and its indexes,
// and a refused record changes nothing, not even the index checked before
// the one that refused it.
TEST(TrnTabIndex, RecordsInOrderAndOutOfOrderLeaveTheSameSlots) {
    std::vector<Bytes> records;
    for (int16_t k = 0; k < 300; ++k)
        records.push_back(
            ppLink(int16_t(k - 150), int16_t(3 * k - 400), int16_t(1000 - 7 * k), int16_t(k % 5)));
    const auto inOrder = createTable(56);
    for (const Bytes& r : records) ASSERT_EQ(insert(*inOrder, 0, r), tsOK);
    EXPECT_EQ(inOrder->currentRow(), 299);
    EXPECT_EQ(inOrder->indexTable(2)->currentRow(), 299);  // the first index grows at its end
    EXPECT_EQ(inOrder->indexTable(3)->currentRow(), 0);    // the second at its start
    const auto mixed = createTable(56);
    for (size_t i = 0; i < records.size(); ++i)
        ASSERT_EQ(insert(*mixed, 0, records[(i * 7) % records.size()]), tsOK);
    EXPECT_EQ(slots(*mixed), slots(*inOrder));
    EXPECT_EQ(slots(*mixed->indexTable(2)), slots(*inOrder->indexTable(2)));
    EXPECT_EQ(slots(*mixed->indexTable(3)), slots(*inOrder->indexTable(3)));

    // After the last key: a second value already taken, then a first one.
    const Bytes before = slots(*inOrder);
    const Bytes firstIndex = slots(*inOrder->indexTable(2));
    const Bytes secondIndex = slots(*inOrder->indexTable(3));
    EXPECT_EQ(insert(*inOrder, 0, ppLink(200, 9000, 1000, 0)), tsIndeksnaKolizija);
    EXPECT_EQ(insert(*inOrder, 0, ppLink(201, 497, -9000, 0)), tsIndeksnaKolizija);
    EXPECT_EQ(insert(*inOrder, 0, ppLink(149, 9000, -9000, 0)), tsVecPostojiSlog);
    EXPECT_EQ(slots(*inOrder), before);
    EXPECT_EQ(slots(*inOrder->indexTable(2)), firstIndex);
    EXPECT_EQ(slots(*inOrder->indexTable(3)), secondIndex);
    EXPECT_EQ(insert(*inOrder, 0, ppLink(200, 9000, -9000, 0)), tsOK);
    int32_t row = -1;
    EXPECT_EQ(inOrder->findRowByIndex(0, 3, ppLink(0, 0, -9000, 0).data(), kFindExact, &row), tsOK);
    EXPECT_EQ(row, 300);

    // A table held by a transaction is not appended to without one.
    const auto held = createTable(56);
    ASSERT_EQ(insert(*held, 0, records[0]), tsOK);
    uint8_t c = 0;
    ASSERT_EQ(held->lockTableShared(&c, T2), tsOK);
    EXPECT_EQ(insert(*held, 0, records[1], &c), tsKolizija);
    EXPECT_EQ(c, T2);
    EXPECT_EQ(held->recordCount(), 1);
}

// Every table, records of random bytes taken in a random order: the rows
// stand in the order compareKeys gives their keys (tables whose keys are
// integers compare them in a form of their own).
TEST(TrnTabIndex, EveryTableKeepsItsRowsInKeyOrder) {
    uint32_t seed = 12345;
    const auto random = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return uint8_t(seed >> 16);
    };
    int tables = 0;
    for (int16_t number = 0; number < kTableNumberLimit; ++number) {
        const auto t = createTable(number);
        if (t == nullptr || t->keyFieldCount() == 0) continue;
        SCOPED_TRACE(number);
        ++tables;
        Bytes r(size_t(t->recordLength()));
        for (int i = 0; i < 120 && t->recordCount() < t->capacity(); ++i) {
            for (uint8_t& b : r) b = random();
            uint8_t c = 0;
            t->insert(&c, 0, r.data());  // a key or index value already there is refused
        }
        ASSERT_GT(t->recordCount(), 1);
        Bytes previous(size_t(t->recordLength()));
        Bytes current(size_t(t->recordLength()));
        for (int32_t row = 0; row < t->recordCount(); ++row) {
            ASSERT_EQ(t->readRow(0, row, current.data()), tsOK);
            if (row > 0)
                EXPECT_LT(
                    compareKeys(previous.data(), current.data(), t->fields(), t->keyFieldCount()),
                    0)
                    << row;
            previous.swap(current);
        }
    }
    EXPECT_GT(tables, 100);
}

TEST(TrnTabIndex, RollbackRestoresEntriesOfAStringIndex) {
    const auto t = createTable(77);
    TTrnTabBase* index = t->indexTable(2);
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->keyLength(), 9);
    EXPECT_EQ(index->dataLength(), 2);
    uint8_t c = 0;
    ASSERT_EQ(insert(*t, 0, ruta(*t, "1,Beograd,sigNo7,rDolaz,0,eprAnalogna,0,0,0")), tsOK);
    ASSERT_EQ(insert(*t, 0, ruta(*t, "2,Nis,sigNo7,rDolaz,0,eprAnalogna,0,0,0")), tsOK);
    // Index values compare without regard to the case of letters.
    EXPECT_EQ(insert(*t, 0, ruta(*t, "3,NIS,sigNo7,rDolaz,0,eprAnalogna,0,0,0")),
              tsIndeksnaKolizija);
    ASSERT_EQ(
        t->updateField(&c, T1, 2, ruta(*t, "1,Zemun,sigNo7,rDolaz,0,eprAnalogna,0,0,0").data()),
        tsOK);
    const Bytes byName = ruta(*t, "0,beograd,sigNo7,rDolaz,0,eprAnalogna,0,0,0");
    const Bytes byNew = ruta(*t, "0,zemun,sigNo7,rDolaz,0,eprAnalogna,0,0,0");
    int32_t row = -1;
    EXPECT_EQ(t->findRowByIndex(T1, 2, byName.data(), kFindExact, &row), tsNePostojiSlog);
    EXPECT_EQ(t->findRowByIndex(T1, 2, byNew.data(), kFindExact, &row), tsOK);
    EXPECT_EQ(t->findRowByIndex(0, 2, byName.data(), kFindExact, &row), tsOK);
    EXPECT_EQ(t->findRowByIndex(0, 2, byNew.data(), kFindExact, &row), tsNePostojiSlog);
    // Others still see the name that T1 gave up.
    EXPECT_EQ(
        t->updateField(&c, T2, 2, ruta(*t, "2,Beograd,sigNo7,rDolaz,0,eprAnalogna,0,0,0").data()),
        tsIndeksnaKolizija);

    EXPECT_EQ(t->rollback(T1), tsOK);
    EXPECT_EQ(t->findRowByIndex(0, 2, byName.data(), kFindExact, &row), tsOK);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(t->findRowByIndex(0, 2, byNew.data(), kFindExact, &row), tsNePostojiSlog);
    EXPECT_EQ(index->recordCount(), 2);
    EXPECT_EQ(index->masks().recordExclusive, 0);
}

TEST(TrnTabSearch, Modes) {
    auto t = small();
    for (uint8_t i : {2, 4, 6}) ASSERT_EQ(insert(*t, 0, rec3(1, i, i)), tsOK);
    uint8_t c = 0;
    ASSERT_EQ(t->remove(&c, T1, rec3(1, 4, 0).data()), tsOK);  // invisible to T1
    struct Case {
        uint8_t mask;
        uint8_t key;
        uint8_t mode;
        int code;
        int32_t row;
    };
    const Case cases[] = {
        {0, 4, kFindExact, tsOK, 1},
        {T1, 4, kFindExact, tsNePostojiSlog, -1},
        {0, 5, kFindExact, tsNePostojiSlog, -1},
        {0, 5, kFindAtOrBefore, tsOK, 1},
        {T1, 5, kFindAtOrBefore, tsOK, 0},
        {0, 1, kFindAtOrBefore, tsNePostojiSlog, -1},
        {0, 3, kFindAtOrAfter, tsOK, 1},
        {T1, 3, kFindAtOrAfter, tsOK, 2},
        {0, 7, kFindAtOrAfter, tsNePostojiSlog, -1},
        {0, 6, kFindAtOrAfter, tsOK, 2},
        {0, 4, 3, tsLosKriterijumTrazenja, -1},
    };
    for (const Case& k : cases) {
        int32_t row = 99;
        const Bytes key = rec3(1, k.key, 0);
        EXPECT_EQ(t->findRow(k.mask, key.data(), k.mode, &row), k.code) << int(k.key);
        EXPECT_EQ(row, k.row) << int(k.key) << " mode " << int(k.mode);
        if (k.code == tsOK) {
            EXPECT_EQ(t->currentRow(), k.row);
        }
    }
    EXPECT_EQ(t->findKey(rec3(1, 4, 0).data()), 1);
    EXPECT_EQ(t->findKey(rec3(1, 5, 0).data()), -1);
    EXPECT_EQ(t->findFirstAtOrAfter(rec3(1, 7, 0).data()), -1);
    EXPECT_EQ(t->findFirstAtOrAfter(rec3(0, 9, 0).data()), 0);
    EXPECT_EQ(t->findLastAtOrBefore(rec3(1, 1, 0).data()), -1);
    EXPECT_EQ(t->findLastAtOrBefore(rec3(2, 0, 0).data()), 2);
    int32_t pos = -1;
    EXPECT_EQ(t->findInsertPosition(&pos, rec3(1, 5, 0).data()), 0);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(t->findInsertPosition(&pos, rec3(1, 6, 0).data()), -1);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(t->findInsertPosition(&pos, rec3(1, 2, 0).data()), -1);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(t->findInsertPosition(&pos, rec3(0, 2, 0).data()), 0);
    EXPECT_EQ(pos, 0);
}

TEST(TrnTabChanges, ClearAndReset) {
    auto t = small();
    for (uint8_t i = 0; i < 2; ++i) ASSERT_EQ(insert(*t, 0, rec3(1, i, i)), tsOK);
    uint8_t c = 0;
    ASSERT_EQ(t->lockRecordShared(&c, T2, 0), tsOK);
    EXPECT_EQ(t->clear(&c, T1), tsKolizija);
    EXPECT_EQ(c, T2);
    t->rollback(T2);
    EXPECT_EQ(t->clear(&c, T1), tsOK);
    EXPECT_EQ(t->masks().tableExclusive, T1);
    EXPECT_EQ(read(*t, T1, 0), Bytes{});
    EXPECT_EQ(read(*t, 0, 0), rec3(1, 0, 0));
    EXPECT_EQ(insert(*t, T1, rec3(1, 0, 1)), tsOK);  // the value 1 was deleted for T1 too
    EXPECT_EQ(t->rollback(T1), tsOK);
    EXPECT_EQ(read(*t, 0, 1), rec3(1, 1, 1));
    EXPECT_EQ(t->clear(&c, 0), tsOK);
    EXPECT_EQ(t->recordCount(), 0);
    EXPECT_EQ(t->indexTable(3)->recordCount(), 0);

    ASSERT_EQ(insert(*t, 0, rec3(1, 1, 1)), tsOK);
    ASSERT_EQ(insert(*t, T1, rec3(1, 2, 2)), tsOK);
    ASSERT_EQ(t->lockRecordShared(&c, T3, 0), tsOK);
    t->resetTransactions();
    EXPECT_EQ(t->recordCount(), 1);
    EXPECT_EQ(t->indexTable(3)->recordCount(), 1);
    EXPECT_EQ(t->masks().recordShared, 0);
    EXPECT_EQ(t->sharedRecordLocks(2), 0);
    EXPECT_EQ(t->masks().recordExclusive, 0);
    t->reset();
    EXPECT_EQ(t->recordCount(), 0);
    EXPECT_EQ(t->indexTable(3)->recordCount(), 0);
}

// Slot images as the exchange sends them: header, key, committed and pending data.
Bytes slotImage(uint8_t versions, uint8_t shared, uint8_t owner, uint8_t changers, uint8_t dus,
                uint8_t id, uint8_t committed, uint8_t pending) {
    return {versions, shared, owner, changers, dus, id, committed, pending};
}

TEST(TrnTabLoad, SlotImagesInKeyOrder) {
    auto t = small();
    EXPECT_EQ(t->slotLength(), 8);
    EXPECT_EQ(t->loadSlot(1, slotImage(1, 0, 0, 0, 1, 1, 7, 0).data()), tsNijePoslednji);
    ASSERT_EQ(t->loadSlot(0, slotImage(1, 0, 0, 0, 1, 2, 7, 0).data()), tsOK);
    EXPECT_EQ(t->loadSlot(1, slotImage(1, 0, 0, 0, 1, 2, 8, 0).data()), tsNijeNajveci);
    EXPECT_EQ(t->loadSlot(1, slotImage(1, 0, 0, 0, 1, 1, 8, 0).data()), tsNijeNajveci);
    EXPECT_EQ(t->loadSlot(1, slotImage(1, 0, 0, 0, 1, 3, 7, 0).data()), tsIndeksnaKolizija);
    // A record T2 holds shared and T1 replaces: both index entries load.
    ASSERT_EQ(t->loadSlot(1, slotImage(3, T2, T1, 0, 1, 3, 8, 9).data()), tsOK);
    EXPECT_EQ(t->masks().recordExclusive, T1);
    EXPECT_EQ(t->masks().recordShared, T2);
    EXPECT_EQ(t->sharedRecordLocks(1), 1);
    EXPECT_EQ(read(*t, T1, 1), rec3(1, 3, 9));
    EXPECT_EQ(read(*t, 0, 1), rec3(1, 3, 8));
    int32_t row = -1;
    EXPECT_EQ(t->findRowByIndex(T1, 3, rec3(0, 0, 9).data(), kFindExact, &row), tsOK);
    EXPECT_EQ(t->findRowByIndex(0, 3, rec3(0, 0, 9).data(), kFindExact, &row), tsNePostojiSlog);
    EXPECT_EQ(t->findRowByIndex(0, 3, rec3(0, 0, 8).data(), kFindExact, &row), tsOK);
    EXPECT_EQ(row, 1);
    // The loaded pending version commits like any other.
    EXPECT_EQ(t->commit(T1), tsOK);
    EXPECT_EQ(read(*t, 0, 1), rec3(1, 3, 9));
    EXPECT_EQ(t->findRowByIndex(0, 3, rec3(0, 0, 9).data(), kFindExact, &row), tsOK);

    ASSERT_EQ(t->loadSlot(2, slotImage(2, 0, T3, 0, 1, 4, 0, 5).data()), tsOK);
    EXPECT_EQ(t->loadSlot(3, slotImage(1, 0, 0, 0, 1, 5, 6, 0).data()), tsPrepunaTabela);
    EXPECT_EQ(read(*t, T3, 2), rec3(1, 4, 5));
}

TEST(TrnTabLoad, LockState) {
    auto t = small();
    const uint8_t exclusive[3] = {0, 0, T1};
    const uint8_t shared[3] = {T2 | T3, 0, T2};
    const uint8_t marks[3] = {0, T3, 0};
    t->setLockState(0, T3, exclusive, shared, marks);
    EXPECT_EQ(t->masks().tableShared, T3);
    EXPECT_EQ(t->field(3)->exclusiveMask, T1);
    EXPECT_EQ(t->field(2)->markMask, T3);
    EXPECT_EQ(t->sharedFieldLocks(1), 2);
    uint8_t c = 0;
    // Loaded field locks block the table like locks taken here.
    EXPECT_EQ(t->lockTableExclusive(&c, T1), tsKolizija);
    EXPECT_EQ(c, T2 | T3);
    EXPECT_EQ(t->unlockFieldShared(T2, 1), tsOK);
    EXPECT_EQ(t->unlockFieldShared(T2, 3), tsOK);
    EXPECT_EQ(t->masks().fieldShared, T3);
}

TEST(TrnTab, TableListAndCatalogueTables) {
    KTableList list;
    EXPECT_EQ(list.capacity(), 204);
    EXPECT_EQ(list.fieldCount(), 1);
    EXPECT_STREQ(list.field(1)->name, "Tid");
    uint8_t c = 0;
    for (int16_t table : {77, 5, 204, 77}) {
        const uint8_t key[2] = {uint8_t(table), uint8_t(table >> 8)};
        list.insert(&c, 0, key);
    }
    EXPECT_EQ(list.recordCount(), 3);
    const uint8_t first[2] = {0, 0};
    Bytes row(2);
    std::memcpy(row.data(), first, 2);
    EXPECT_EQ(list.findAndRead(0, row.data(), kFindAtOrAfter), tsOK);
    EXPECT_EQ(row, (Bytes{5, 0}));

    for (int16_t table = 1; table <= kLastTableNumber; ++table) {
        if (!isValidTableNumber(table)) continue;
        const auto t = createTable(table);
        ASSERT_TRUE(t->hasStorage()) << table;
        EXPECT_EQ(t->slotLength(), 4 + t->keyLength() + 2 * t->dataLength());
        for (int16_t f = 1; f <= t->fieldCount(); ++f) {
            const TTrnTabBase* sub = t->indexTable(f);
            if (sub == nullptr) continue;
            const int32_t cap = t->capacity();
            EXPECT_EQ(sub->capacity(), cap < 20 ? cap + cap / 2 : cap + 10) << table;
            EXPECT_EQ(sub->keyFieldCount(), 1);
            EXPECT_EQ(sub->dataLength(), t->keyLength());
        }
    }
}

}  // namespace
