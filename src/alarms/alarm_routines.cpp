#include "alarms/alarm_routines.h"

#include "alarms/alarm_list_window.h"
#include "alarms/alarm_panel.h"
#include "alarms/kop_statistics.h"
#include "commands/executors/local_routines.h"
#include "commands/param_records.h"

namespace {

// The packed parameter records, read in place.
void runSaveAlpSettings(const uint8_t* record) {
    saveAlpSettings(*reinterpret_cast<const SParamsOkPodesavanjeALP*>(record));
}
void runShowAlpSettings(const uint8_t*) {
    showAlpSettings();
}
void runTestAlpConnection(const uint8_t*) {
    testAlpConnection();
}
void runTestAlpIndicators(const uint8_t*) {
    testAlpIndicators();
}
void runTestAlp(const uint8_t*) {
    testAlp();
}
void runOpenAlarmListWindow(const uint8_t*) {
    openAlarmListWindow();
}
void runOpenKopStatisticsWindow(const uint8_t* record) {
    openKopStatisticsWindow(*reinterpret_cast<const SParamsStatistikaKOPa*>(record));
}

}  // namespace

int installAlarmRoutines() {
    setLocalRoutine(LocalRoutine::saveAlpSettings, runSaveAlpSettings);
    setLocalRoutine(LocalRoutine::showAlpSettings, runShowAlpSettings);
    setLocalRoutine(LocalRoutine::testAlpConnection, runTestAlpConnection);
    setLocalRoutine(LocalRoutine::testAlpIndicators, runTestAlpIndicators);
    setLocalRoutine(LocalRoutine::testAlp, runTestAlp);
    setLocalRoutine(LocalRoutine::openKopStatisticsWindow, runOpenKopStatisticsWindow);
    setLocalRoutine(LocalRoutine::openAlarmListWindow, runOpenAlarmListWindow);
    return 0;
}
