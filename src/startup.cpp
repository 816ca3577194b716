#include "startup.h"

#include "alarms/alarm_count_poll.h"
#include "alarms/alarm_panel.h"
#include "alarms/alarm_reporter.h"
#include "alarms/alarm_routines.h"
#include "alarms/line_test_display.h"
#include "alarms/no7_monitor.h"
#include "alarms/signalling_supervision.h"
#include "commands/dialogs/command_dispatcher.h"
#include "mml/mml_executors.h"
#include "link/link_supervision.h"
#include "link/router.h"
#include "link/text_lines.h"
#include "menus/command_tree.h"
#include "menus/operator_groups.h"
#include "menus/printout_map.h"
#include "mml/command_handlers.h"
#include "mml/mml_script.h"
#include "mml/progress_dialog.h"
#include "monitoring/monitoring_routines.h"
#include "monitoring/operator_channel.h"
#include "monitoring/stat_files.h"
#include "monitoring/tt_report.h"
#include "shell/debug_streams.h"
#include "shell/main_window.h"
#include "shell/report_logs.h"
#include "shell/operator_reports.h"
#include "sub/replication_control.h"
#include "commands/executors/record_windows.h"

namespace {

int startPrintoutMap() {
    fillPrintoutCommandMap();
    return 0;
}

int startCommandTree() {
    buildCommandTree();
    return 0;
}

// Progress windows stand over the main window.
int installProgressWindows() {
    installProgressDialogs(mainWindow);
    return 0;
}

}  // namespace

// Run once the windows exist: the fixed tables first, then the services in
// this order from the router on; they stop in the shutdown order. Each
// service adds its row where the order puts it. The No.7 monitor receives
// for the program's whole life: it starts before the first poll can deliver
// a frame and stops last.
const std::vector<SStartStep>& serviceStartSteps() {
    static const std::vector<SStartStep> steps = {
        {"printout map", startPrintoutMap, false},
        {"command tree", startCommandTree, false},
        {"debug streams", createDebugReceivers, true},
        {"router", createRouter, false},
        {"No.7 monitor", createNo7Monitor, false},
        {"statistics files", createStatFileReceiver, false},
        {"report logs", createReportLogs, true},
        {"remote menu commands", createORInteractor, true},
        {"operator reports", startOperatorReports, true},
        {"administration log date", readAdminLogDate, true},
        {"signalling supervision", createSignallingSupervision, true},
        {"link supervision", startLinkSupervision, true},
        {"table replication", startReplication, false},
        {"operator channel", startOperatorChannel, true},
        {"disk watcher", startDiskWatcher, true},
        {"line tests", createLineTestReceiver, true},
        {"alarm-count poll", createAlarmCountPoll, false},
        {"alarm reporter", createAlarmReporter, false},
        {"alarm panel", startAlarmPanel, false},
        {"command executors", installCommandExecutors, false},
        {"command dispatcher", installCommandDispatcher, false},
        {"monitoring routines", installMonitoringRoutines, false},
        {"operator groups", installOperatorGroupsRoutine, false},
        {"alarm routines", installAlarmRoutines, false},
        {"command handlers", registerCommandHandlers, false},
        {"MML scripts", installMmlScripts, false},
        {"progress windows", installProgressWindows, false},
        {"record windows", installRecordWindows, false},
    };
    return steps;
}

const std::vector<SStopStep>& serviceStopSteps() {
    static const std::vector<SStopStep> steps = {
        {"alarm panel", [] { stopAlarmPanel(); }},
        {"report logs", closeReportLogs},
        {"router", destroyRouter},
        {"operator reports", stopOperatorReports},
        {"remote menu commands", destroyORInteractor},
        {"alarm reporter", destroyAlarmReporter},
        {"alarm-count poll", destroyAlarmCountPoll},
        {"operator channel", [] { stopOperatorChannel(); }},
        {"table replication", stopReplication},
        {"debug streams", deleteDebugReceivers},
        {"administration log", [] { shutdownAdminLog(); }},
        {"signalling supervision", destroySignallingSupervision},
        {"link supervision", stopLinkSupervision},
        {"disk watcher", stopDiskWatcher},
        {"statistics files", destroyStatFileReceiver},
        {"MML scripts", removeMmlScripts},
        {"No.7 monitor", destroyNo7Monitor},
    };
    return steps;
}

int runStartSteps(const std::vector<SStartStep>& steps) {
    for (const SStartStep& step : steps) {
        const int rc = step.start();
        if (rc != 0 && step.tested) return -1;
    }
    return 0;
}

void runStopSteps(const std::vector<SStopStep>& steps) {
    for (const SStopStep& step : steps) step.stop();
}
