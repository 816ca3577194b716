#include "monitoring/monitoring_routines.h"

#include "commands/executors/local_routines.h"
#include "commands/param_records.h"
#include "monitoring/continuous_load.h"
#include "monitoring/stat_files.h"
#include "monitoring/tariff_export.h"
#include "monitoring/tt_report.h"

namespace {

// The packed parameter records, read in place.
void runExportTariffCounters(const uint8_t* record) {
    exportTariffCounters(*reinterpret_cast<const SParamsEksportTarifnihBrojaca*>(record));
}
void runMakeTtReport(const uint8_t* record) {
    makeTtReport(*reinterpret_cast<const SParamsOperIzvestajTT*>(record));
}
void runMakeMinimalTtReport(const uint8_t* record) {
    makeMinimalTtReport(*reinterpret_cast<const SParamsMinOperIzvestajTT*>(record));
}
void runDeleteStatisticsFile(const uint8_t* record) {
    deleteStatisticsFile(*reinterpret_cast<const SParamsStatBris*>(record));
}
void runWatchProcessorLocalTimes(const uint8_t*) {
    watchProcessorLocalTimes();
}
void runToggleContinuousCpLoad(const uint8_t*) {
    toggleContinuousCpLoad();
}
void runToggleContinuousArLoad(const uint8_t*) {
    toggleContinuousArLoad();
}
void runToggleContinuousCallStore(const uint8_t*) {
    toggleContinuousCallStore();
}
void runRestartReplicationCommand(const uint8_t*) {
    restartReplicationCommand();
}

}  // namespace

int installMonitoringRoutines() {
    setLocalRoutine(LocalRoutine::exportTariffCounters, runExportTariffCounters);
    setLocalRoutine(LocalRoutine::makeTtReport, runMakeTtReport);
    setLocalRoutine(LocalRoutine::makeMinimalTtReport, runMakeMinimalTtReport);
    setLocalRoutine(LocalRoutine::deleteStatisticsFile, runDeleteStatisticsFile);
    setLocalRoutine(LocalRoutine::watchProcessorLocalTimes, runWatchProcessorLocalTimes);
    setLocalRoutine(LocalRoutine::toggleContinuousCpLoad, runToggleContinuousCpLoad);
    setLocalRoutine(LocalRoutine::toggleContinuousArLoad, runToggleContinuousArLoad);
    setLocalRoutine(LocalRoutine::toggleContinuousCallStore, runToggleContinuousCallStore);
    setLocalRoutine(LocalRoutine::restartReplicationCommand, runRestartReplicationCommand);
    return 0;
}
