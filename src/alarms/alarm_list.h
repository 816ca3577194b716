#pragma once

#include <cstdint>
#include <string>

#include <fox-1.6/fx.h>

#include "alarms/alarm_row.h"
#include "utils/sort_array.h"

class KSub;

constexpr int32_t kAlarmListCapacity = 1000;

// Which alarms the list shows while the filter is on.
struct SAlarmFilter {
    int16_t klasa = -1;  // a class of table 173; -1 all classes
    uint8_t showA1 = 1;
    uint8_t showA2 = 1;
    uint8_t showA3 = 1;
    uint8_t showA0 = 1;
    uint8_t showConfirmed = 1;    // Stanje 1
    uint8_t showUnconfirmed = 1;  // Stanje 0
    uint8_t showInactive = 1;     // Stanje 2
    uint8_t on = 0;               // while 0 nothing above applies
};

// One line of the list as the table shows it.
struct SAlarmListLine {
    char dateTime[50] = {};
    char level[10] = {};
    char description[1024] = {};
    FX::FXColor back = FXRGB(255, 255, 255);
    bool bold = false;
    int32_t AlarmIB = 0;
    uint8_t confirmed = 0;  // active and confirmed: chooses the icon
};

// Sort keys of the list: 0 type and parameters, 1 date and time, 2 level,
// 3 state, 4 alarm id, 5 processor address, 6 none (each row goes first).
constexpr int8_t kAlarmSortKeyCount = 7;
constexpr int8_t kAlarmSortNone = 6;
// The key the comparisons use; a view sets it from its own key before it
// rebuilds its copy, so that each open list keeps its own order.
extern int8_t alarmListSortKey;
bool alarmRowLess(const sListaAlarma& a, const sListaAlarma& b);
bool alarmRowEqual(const sListaAlarma& a, const sListaAlarma& b);

// Back colour of a line by state and level; false for a level that keeps
// the line's colour as it was.
bool alarmLineColour(uint8_t stanje, uint8_t nivo, FX::FXColor* colour);

// The alarm list without its widgets: a sorted copy of table 172, the
// filter, and the lines made from the copy.
class KAlarmListModel {
public:
    explicit KAlarmListModel(KSub& db);
    KAlarmListModel(const KAlarmListModel&) = delete;
    KAlarmListModel& operator=(const KAlarmListModel&) = delete;

    // Rebuilds the copy from the committed rows of table 172 in this
    // model's order; rows that cannot be read and rows beyond the copy's
    // capacity are skipped.
    void reload();
    // Row i of the copy, or null when the filter hides it or i is outside.
    const sListaAlarma* rowAt(int32_t i) const;
    // Makes the lines of the first n rows of the copy that the filter lets
    // through; -1 (lines unchanged) at a row whose state is outside 0..2.
    int fillLines(int32_t n);
    // The alarm shown by a line: the first row of the copy passing the
    // filter with its AlarmIB; null when none has it.
    const sListaAlarma* findShown(int32_t AlarmIB) const;

    int32_t copyCount() const { return int32_t(copy_.count()); }
    int32_t lineCount() const { return lineCount_; }
    const SAlarmListLine& line(int32_t i) const { return lines_[i]; }

    SAlarmFilter filter;
    int8_t sortKey = 0;

private:
    KSub& db_;
    KTSortArray<sListaAlarma, sListaAlarma> copy_;
    SAlarmListLine lines_[kAlarmListCapacity];
    int32_t lineCount_ = 0;
};

// The counts under the list, over the whole table 172.
struct SAlarmTableCounts {
    int32_t level[4] = {};  // active (Stanje not 2) alarms of A1, A2, A3, A0
    int32_t unconfirmed = 0;
};
// false when an active row has a level outside 1..4 (counts then unusable).
bool countAlarmTable(KSub& db, SAlarmTableCounts& out);

// The label texts of the list window.
std::string alarmLevelCountText(int level, int32_t count);  // level 1..4
std::string alarmUnconfirmedText(int32_t count);
std::string alarmFilterLabelText(KSub& db, const SAlarmFilter& filter);
// 0 for key 6, which keeps the label.
int alarmSortLabelTextId(int8_t key);

// The text id of a class of table 173 (its Opis); 21269 "all classes" for
// -1 or a class the table does not have.
int alarmClassNameId(KSub& db, int16_t klasa);
