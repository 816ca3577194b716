#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alarms/alarm_fixtures.h"
#include "alarms/alarm_reporter.h"
#include "alarms/alarm_texts.h"
#include "peer/recording_receiver.h"

namespace {

const std::string kNow[] = {"05", "03", "2024", "07", "08", "09"};

std::string line(const char* text, const std::string& description = "") {
    return withArgs(text, {kNow[0], kNow[1], kNow[2], kNow[3], kNow[4], kNow[5], description});
}
std::string raised(const char* param) {
    return line(kText26771, withArgs(kText21291, {param}));
}
std::string ended(const char* param) {
    return line(kText26772, withArgs(kText21291, {param}));
}
std::string cancelled(const char* param) {
    return line(kText26773, withArgs(kText21291, {param}));
}

const sListaAlarma kActive = alarmRow(10, 5, "A", esaAktivanNepotvrdjen, enaA1, 1);
const sListaAlarma kConfirmed = alarmRow(10, 6, "B", esaAktivanPotvrdjen, enaA2, 2);
const sListaAlarma kInactive = alarmRow(12, 5, "C", esaNeaktivanNepotvrdjen, enaA3, 3);

class AlarmReporter : public ::testing::Test {
protected:
    AlarmReporter() : lines(kTypeAlarm) { lines.addCodeFilter(255); }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : lines.messages) out.push_back(m.text());
        return out;
    }
    AlarmDatabase d;
    KAlarmReporter reporter{d.db};
    RecordingReceiver lines;
};

TEST_F(AlarmReporter, LoadReportsActiveRowsAndKeepsAll) {
    d.load({kActive, kConfirmed, kInactive});
    EXPECT_EQ(texts(), (std::vector<std::string>{line(kText26769), raised("A"), raised("B")}));
    EXPECT_EQ(reporter.count(), 3);
    // The line of the new list is posted whole (109 characters).
    EXPECT_EQ(line(kText26770).size(), 109u);
}

TEST_F(AlarmReporter, CommitReportsTheWholeTableAgain) {
    d.load({kActive, kInactive});
    lines.messages.clear();
    ASSERT_EQ(d.db.beginTransaction(0x01, 7), 0);
    uint8_t record[kAlarmRowSize];
    encodeAlarmRow(kConfirmed, record);
    uint8_t conflict = 0;
    ASSERT_EQ(d.db.insertRecord(7, kAlarmListTable, record, &conflict), 0);
    EXPECT_TRUE(lines.messages.empty());  // changes inside a transaction are not reported
    ASSERT_EQ(d.db.commitTransaction(7), 0);
    EXPECT_EQ(texts(),
              (std::vector<std::string>{line(kText26770), raised("A"), raised("B"), ended("C")}));
    EXPECT_EQ(reporter.count(), 3);
}

struct ChangeCase {
    const char* name;
    std::function<void(AlarmDatabase&)> change;
    std::vector<std::string> expected;
    int32_t count;
};

TEST_F(AlarmReporter, SingleChanges) {
    sListaAlarma newOpis = kActive;
    newOpis.Opis = kOpisOther;
    sListaAlarma confirmed = kActive;
    confirmed.Stanje = esaAktivanPotvrdjen;
    sListaAlarma endedWithNewOpis = newOpis;
    endedWithNewOpis.Stanje = esaNeaktivanNepotvrdjen;
    const std::string newDescription = withArgs(kText21292, {"A"});
    const sListaAlarma otherOpc = alarmRow(10, 7, "A", esaAktivanNepotvrdjen, enaA1, 9);
    const sListaAlarma plain = alarmRow(11, 1, "", esaAktivanNepotvrdjen, enaA2, 8, kOpisPlain);
    const ChangeCase cases[] = {
        {"insert active", [&](AlarmDatabase& a) { a.insert(otherOpc); }, {raised("A")}, 4},
        {"insert without arguments",
         [&](AlarmDatabase& a) { a.insert(plain); },
         {line(kText26771, kText21256)},
         4},
        {"insert inactive",
         [&](AlarmDatabase& a) { a.insert(alarmRow(13, 1, "D", 2, enaA1, 4)); },
         {},
         4},
        {"delete active", [&](AlarmDatabase& a) { a.remove(kActive); }, {cancelled("A")}, 2},
        {"delete inactive", [&](AlarmDatabase& a) { a.remove(kInactive); }, {}, 2},
        {"update of the state only", [&](AlarmDatabase& a) { a.update(confirmed); }, {}, 3},
        {"update of the description",
         [&](AlarmDatabase& a) { a.update(newOpis); },
         {line(kText26771, newDescription)},
         3},
        {"update to inactive with a new description",
         [&](AlarmDatabase& a) { a.update(endedWithNewOpis); },
         {line(kText26772, newDescription)},
         3},
        {"field update of the description",
         [&](AlarmDatabase& a) { a.updateField(6, newOpis); },
         {line(kText26771, newDescription)},
         3},
        {"field update of the state",
         [&](AlarmDatabase& a) { a.updateField(4, confirmed); },
         {},
         3},
        {"field updates of level, date and time",
         [&](AlarmDatabase& a) {
             a.updateField(5, kActive);
             a.updateField(7, kActive);
             a.updateField(8, kActive);
         },
         {},
         3},
        {"clear",
         [&](AlarmDatabase& a) {
             uint8_t c = 0;
             a.db.clearTable(0, kAlarmListTable, &c);
         },
         {line(kText26769)},
         0},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        AlarmDatabase a;
        KAlarmReporter r(a.db);
        RecordingReceiver seen(kTypeAlarm);
        a.load({kActive, kConfirmed, kInactive});
        seen.messages.clear();
        c.change(a);
        std::vector<std::string> got;
        for (const auto& m : seen.messages) got.push_back(m.text());
        EXPECT_EQ(got, c.expected);
        EXPECT_EQ(r.count(), c.count);
    }
}

TEST_F(AlarmReporter, KeepsRowsInKeyOrderAndFollowsFieldUpdates) {
    d.load({kActive, kConfirmed});
    d.insert(alarmRow(10, 5, "B", esaAktivanNepotvrdjen, enaA1, 5));
    d.insert(alarmRow(10, -3, "Z", esaAktivanNepotvrdjen, enaA1, 6));
    ASSERT_EQ(reporter.count(), 4);
    const int32_t ids[] = {6, 1, 5, 2};
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(reporter.row(i).AlarmIB, ids[i]) << i;
    int32_t at = -1;
    EXPECT_EQ(reporter.findRow(alarmRow(10, 5, "AA", 0, 0, 0), &at), 0);
    EXPECT_EQ(at, 2);
    sListaAlarma levelled = kActive;
    levelled.Nivo = enaA0;
    d.updateField(5, levelled);
    ASSERT_EQ(reporter.findRow(kActive, &at), 1);
    EXPECT_EQ(reporter.row(at).Nivo, enaA0);
}

TEST_F(AlarmReporter, KeysOutsideTheCopyChangeNothing) {
    // Rows in the table before the reporter exists are not in its copy.
    AlarmDatabase a;
    a.insert(kActive);
    KAlarmReporter late(a.db);
    RecordingReceiver seen(kTypeAlarm);
    sListaAlarma other = kActive;
    other.Opis = kOpisOther;
    a.update(other);
    a.updateField(6, other);
    a.remove(kActive);
    EXPECT_TRUE(seen.messages.empty());
    EXPECT_EQ(late.count(), 0);
}

TEST(AlarmReporterLifetime, CreatedOnceAndDestroyed) {
    AlarmDatabase a;
    ASSERT_EQ(createAlarmReporter(), 0);
    KAlarmReporter* first = alarmReporter;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(createAlarmReporter(), 0);
    EXPECT_EQ(alarmReporter, first);
    EXPECT_EQ(a.notifier.subscriptionCount(kAlarmListTable), 1);
    destroyAlarmReporter();
    EXPECT_EQ(alarmReporter, nullptr);
    EXPECT_EQ(a.notifier.subscriptionCount(kAlarmListTable), 0);
    destroyAlarmReporter();
}

TEST(AlarmRow, RecordLayoutOfTable172) {
    KSubNotifier n;
    KSub db(&n);
    ASSERT_EQ(db.table(kAlarmListTable)->recordLength(), int16_t(kAlarmRowSize));
    const int16_t offsets[] = {0, 2, 4, 85, 86, 87, 89, 93, 97};
    for (int16_t f = 1; f <= 9; ++f) {
        int16_t offset = -1;
        ASSERT_EQ(db.fieldOffset(kAlarmListTable, f, &offset), 0);
        EXPECT_EQ(offset, offsets[f - 1]) << f;
    }
    sListaAlarma r = alarmRow(-2, 300, "1$2", 1, 4, 70000, 21291);
    uint8_t record[kAlarmRowSize];
    encodeAlarmRow(r, record);
    EXPECT_EQ(record[0], 0xFE);
    EXPECT_EQ(record[85], 1);
    EXPECT_EQ(record[97] | record[98] << 8 | record[99] << 16, 70000);
    sListaAlarma back;
    for (size_t cut = 0; cut < kAlarmRowSize; ++cut)
        EXPECT_FALSE(decodeAlarmRow(record, cut, back)) << cut;
    ASSERT_TRUE(decodeAlarmRow(record, sizeof record, back));
    EXPECT_EQ(compareAlarmKeys(back, r), 0);
    EXPECT_EQ(back.AlarmIB, 70000);
    EXPECT_EQ(back.Vreme, r.Vreme);
    // Parametri of 81 bytes without a terminator keeps 80 characters.
    std::memset(record + 4, 'x', kAlarmParamSize);
    ASSERT_TRUE(decodeAlarmRow(record, sizeof record, back));
    EXPECT_EQ(std::string(back.Parametri), std::string(80, 'x'));
}

}  // namespace
