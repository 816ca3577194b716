#pragma once

#include <string>
#include <vector>

#include "alarms/alarm_row.h"

namespace FX {
class FXWindow;
}

// One label of the alarm detail window.
struct SAlarmDetailLine {
    std::string text;  // CP1251
    bool right;        // class names stand right-justified
};

// The labels of an alarm's detail window: date, time, level, description,
// type, state, processor, id, the classes heading and one name per class
// of the alarm's type (classes table 173 does not have give no label).
std::vector<SAlarmDetailLine> alarmDetailLines(KSub& db, const sListaAlarma& row);

// The modal detail window of one alarm over the owner, placed under the
// mouse cursor; returns when it is closed.
void showAlarmDetails(const sListaAlarma& row, FX::FXWindow* owner);
