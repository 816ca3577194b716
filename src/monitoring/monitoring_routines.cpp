#include "monitoring/monitoring_routines.h"

#include "commands/executors/local_routines.h"
#include "commands/param_records.h"
#include "monitoring/backup_window.h"
#include "monitoring/load_window.h"
#include "monitoring/program_upload.h"
#include "monitoring/continuous_load.h"
#include "monitoring/operator_channel.h"
#include "monitoring/stat_files.h"
#include "monitoring/stat_reports.h"
#include "monitoring/stat_reviews.h"
#include "monitoring/subscriber_blocking.h"
#include "monitoring/tariff_export.h"
#include "monitoring/tt_report.h"
#include "monitoring/tt_transfer.h"
#include "monitoring/watch_dialogs.h"
#include "monitoring/watch_windows.h"
#include "link/text_streams.h"
#include "sub/replication_control.h"

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
void runStartStatisticsReview(const uint8_t* record) {
    startStatisticsReview(*reinterpret_cast<const SParamsStatPregled*>(record));
}
void runStartReducedStatisticsReview(const uint8_t* record) {
    startReducedStatisticsReview(*reinterpret_cast<const SParamsStatReduced*>(record));
}
void runStopStatisticsReview(const uint8_t*) {
    stopStatisticsReview();
}
void runStartTrafficKindsReport(const uint8_t* record) {
    startTrafficKindsReport(*reinterpret_cast<const SParamsStatVrsteSaob*>(record));
}
void runStartSuccessByDestinationReport(const uint8_t* record) {
    startSuccessByDestinationReport(*reinterpret_cast<const SParamsStatUspehVeze*>(record));
}
void runStartSuccessByRouteReport(const uint8_t* record) {
    startSuccessByRouteReport(*reinterpret_cast<const SParamsStatUspehRuta*>(record));
}
void runMonitorTable(const uint8_t* record) {
    monitorTableCommand(*reinterpret_cast<const SParamsOkPracenjeTabele*>(record));
}
void runMonitorTableGroup(const uint8_t* record) {
    monitorTableGroupCommand(*reinterpret_cast<const SParamsOkPracenjeGrupeTabela*>(record));
}
void runViewTableOnOr(const uint8_t* record) {
    viewTableOnOrCommand(*reinterpret_cast<const SParamsOkPregledTabeleOR*>(record));
}
void runWatchProcessorLocalTimes(const uint8_t*) {
    watchProcessorLocalTimes();
}
void runStartTtTransfer(const uint8_t* record) {
    startTtTransferCommand(*reinterpret_cast<const SParamsOperZadavanjePrenTT*>(record));
}
void runStopTtTransfer(const uint8_t*) {
    stopTtTransferCommand();
}
void runShowTtTransferStatus(const uint8_t*) {
    showTtTransferStatus();
}
void runBlockSubscribersFromFile(const uint8_t* record) {
    blockSubscribersFromFile(*reinterpret_cast<const SParamsBlokPoPtpFajl*>(record));
}
void runUnblockSubscribersFromFile(const uint8_t* record) {
    unblockSubscribersFromFile(*reinterpret_cast<const SParamsDeblokPoPtpFajl*>(record));
}
void runReplaceProcessorProgram(const uint8_t* record) {
    replaceProcessorProgram(*reinterpret_cast<const SParamsOkZamenaRPPrograma*>(record));
}
void runOpenWatchWindow(const uint8_t*) {
    openWatchWindow();
}
void runListWatchableCommands(const uint8_t*) {
    listWatchableCommands();
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
    setLocalRoutine(LocalRoutine::startStatisticsReview, runStartStatisticsReview);
    setLocalRoutine(LocalRoutine::startReducedStatisticsReview, runStartReducedStatisticsReview);
    setLocalRoutine(LocalRoutine::stopStatisticsReview, runStopStatisticsReview);
    setLocalRoutine(LocalRoutine::startTrafficKindsReport, runStartTrafficKindsReport);
    setLocalRoutine(LocalRoutine::startSuccessByDestinationReport,
                    runStartSuccessByDestinationReport);
    setLocalRoutine(LocalRoutine::startSuccessByRouteReport, runStartSuccessByRouteReport);
    setLocalRoutine(LocalRoutine::watchProcessorLocalTimes, runWatchProcessorLocalTimes);
    setLocalRoutine(LocalRoutine::openWatchWindow, runOpenWatchWindow);
    setLocalRoutine(LocalRoutine::listWatchableCommands, runListWatchableCommands);
    setLocalRoutine(LocalRoutine::openBackupWindow, [](const uint8_t*) { openBackupWindow(); });
    setLocalRoutine(LocalRoutine::openLoadWindow, [](const uint8_t*) { openLoadWindow(); });
    offerPrintoutToWatchWindows = offerPrintoutToWatchWindowsOf;
    setLocalRoutine(LocalRoutine::startTtTransferCommand, runStartTtTransfer);
    setLocalRoutine(LocalRoutine::stopTtTransferCommand, runStopTtTransfer);
    setLocalRoutine(LocalRoutine::showTtTransferStatus, runShowTtTransferStatus);
    setLocalRoutine(LocalRoutine::blockSubscribersFromFile, runBlockSubscribersFromFile);
    setLocalRoutine(LocalRoutine::unblockSubscribersFromFile, runUnblockSubscribersFromFile);
    setLocalRoutine(LocalRoutine::replaceProcessorProgram, runReplaceProcessorProgram);
    setLocalRoutine(LocalRoutine::toggleContinuousCpLoad, runToggleContinuousCpLoad);
    setLocalRoutine(LocalRoutine::toggleContinuousArLoad, runToggleContinuousArLoad);
    setLocalRoutine(LocalRoutine::toggleContinuousCallStore, runToggleContinuousCallStore);
    setLocalRoutine(LocalRoutine::restartReplicationCommand, runRestartReplicationCommand);
    setLocalRoutine(LocalRoutine::monitorTableCommand, runMonitorTable);
    setLocalRoutine(LocalRoutine::monitorTableGroupCommand, runMonitorTableGroup);
    setLocalRoutine(LocalRoutine::viewTableOnOrCommand, runViewTableOnOr);
    return 0;
}
