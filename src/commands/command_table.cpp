#include "commands/command_table.h"

#include <cstring>

namespace {

const char* const kChoiceTableNames[kChoiceTableCount + 1] = {
    "",
    "choicesNivoAlarma",
    "choicesKategorija",
    "choicesEOSkod",
    "choicesSignalizacija",
    "choicesSpecUsluga",
    "choicesNumPlan",
    "choicesKorisnik",
    "choicesPodsistem",
    "choicesVremenskaKontrola",
    "choicesIdentPoz",
    "choicesGrupaTabela",
    "choicesVerzija",
    "choicesPort",
    "choicesBrzina",
    "choicesUsluga",
    "choicesZPPVrstaIVerzija",
    "choicesKlaseAlarma",
    "choicesGrupnaUsluga",
    "choicesDodelaUsluga",
    "choicesTabela",
};

const char* const kLocalRoutineNames[] = {
    "",
    "configureWorkstation",
    "writeServerRoutes",
    "writeClientRoutes",
    "executeMmlCommand",
    "startMmlScript",
    "stopMmlScript",
    "openWatchWindow",
    "openKopStatisticsWindow",
    "listWatchableCommands",
    "confirmClearOperatorLog",
    "openEmptyTextFileViewer",
    "openEmptyBinaryFileViewer",
    "showDisplaySettings",
    "showAboutWindow",
    "confirmExit",
    "openBackupWindow",
    "openLoadWindow",
    "monitorTableCommand",
    "monitorTableGroupCommand",
    "viewTableOnOrCommand",
    "restartReplicationCommand",
    "saveTablesToScript",
    "openAlarmListWindow",
    "saveAlpSettings",
    "showAlpSettings",
    "testAlpConnection",
    "testAlpIndicators",
    "testAlp",
    "watchProcessorLocalTimes",
    "toggleContinuousCpLoad",
    "toggleContinuousArLoad",
    "replaceProcessorProgram",
    "openDebugViewWindow",
    "openDebugWatchWindow",
    "confirmClearDebugLog",
    "copyDebugLogToDiskette",
    "blockSubscribersFromFile",
    "unblockSubscribersFromFile",
    "openSecondDebugWatchWindow",
    "runVisualCaseDialog",
    "exportTariffCounters",
    "startTtTransferCommand",
    "stopTtTransferCommand",
    "showTtTransferStatus",
    "makeTtReport",
    "makeMinimalTtReport",
    "toggleContinuousCallStore",
    "deleteStatisticsFile",
    "startStatisticsReview",
    "startReducedStatisticsReview",
    "stopStatisticsReview",
    "startTrafficKindsReport",
    "startSuccessByDestinationReport",
    "startSuccessByRouteReport",
    "openOperatorGroupsDialog",
    "openHelpIndex",
    "openHelpAlphaIndex",
};

constexpr int32_t kFirstRowId = 5001;
constexpr int32_t kLastRowId = 5599;

}  // namespace

const CommandRow* findCommand(int32_t id) {
    if (id < kFirstRowId || id > kLastRowId) return nullptr;
    return &kCommands[id - kFirstRowId];
}

bool hasForm(const CommandRow& command) {
    return command.action == CommandAction::Request ||
           command.action == CommandAction::LocalRoutine;
}

Rows<FieldRow> commandFields(const CommandRow& command) {
    return {kFields + command.firstField, command.fieldCount};
}

Rows<GroupItemRow> groupItems(const FieldRow& field) {
    return {kGroupItems + field.firstItem, field.itemCount};
}

const FieldRow* findField(const CommandRow& command, const char* name) {
    for (const FieldRow& field : commandFields(command))
        if (std::strcmp(field.name, name) == 0) return &field;
    return nullptr;
}

const char* mmlParameterName(const FieldRow& field) {
    return field.inRecord ? field.label : kRpNumberMmlName;
}

uint8_t fieldKindWidth(FieldKind kind, uint8_t textMax) {
    switch (kind) {
        case FieldKind::Byte:
            return 1;
        case FieldKind::Short:
            return 2;
        case FieldKind::Long:
            return 4;
        case FieldKind::Double:
            return 8;
        case FieldKind::Text:
        case FieldKind::Password:
            return static_cast<uint8_t>(textMax + 1);
        case FieldKind::Choice:
            return 4;
        case FieldKind::RadioGroup:
        case FieldKind::CheckGroup:
            return 2;
    }
    return 0;
}

const CheckRow* findCheck(int32_t command) {
    std::size_t lo = 0, hi = kCheckCount;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (kChecks[mid].command < command)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < kCheckCount && kChecks[lo].command == command ? &kChecks[lo] : nullptr;
}

Rows<CheckTextRow> checkTexts(const CheckRow& check) {
    return {kCheckTexts + check.firstText, check.textCount};
}

const ReportStreamRow* findReportStream(int32_t command) {
    for (const ReportStreamRow& stream : kReportStreams)
        if (stream.view == command || stream.monitor == command || stream.deleteLog == command)
            return &stream;
    return nullptr;
}

const char* choiceTableName(ChoiceTableId id) {
    const auto i = static_cast<std::size_t>(id);
    return i < sizeof kChoiceTableNames / sizeof kChoiceTableNames[0] ? kChoiceTableNames[i] : "";
}

const char* localRoutineName(LocalRoutine routine) {
    const auto i = static_cast<std::size_t>(routine);
    return i < sizeof kLocalRoutineNames / sizeof kLocalRoutineNames[0] ? kLocalRoutineNames[i]
                                                                        : "";
}
