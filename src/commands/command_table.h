#pragma once

#include <cstddef>
#include <cstdint>

// The operator commands 5001..5599 as data: one row per command, one row per
// form field, one row per radio or check item. The forms, form readers,
// journal formatters, MML executors and request packers all read these rows,
// so each command shape is written once as shared code.

constexpr std::size_t kCommandCount = 599;  // ids 5001..5599
constexpr std::size_t kFieldCount = 1054;
constexpr std::size_t kGroupItemCount = 683;
constexpr std::size_t kCheckCount = 62;
constexpr std::size_t kCheckTextCount = 101;
constexpr std::size_t kReportStreamCount = 7;

// Catalogue text that labels the regional-processor number of the RP commands.
constexpr int32_t kRpNumberLabelTextId = 21554;
// MML name of that field: the form label is not the parameter name there.
constexpr const char* kRpNumberMmlName = "RP";

// How a form field is shown, read and stored in the parameter record.
enum class FieldKind : uint8_t {
    Byte,        // 8-bit unsigned, 1 byte
    Short,       // 16-bit signed, 2 bytes
    Long,        // 32-bit signed, 4 bytes
    Double,      // 64-bit IEEE double, 8 bytes
    Text,        // at most textMax characters, textMax + 1 bytes with the zero
    Password,    // as Text, shown hidden
    Choice,      // 32-bit signed value of the chosen entry of a choice table
    RadioGroup,  // 16-bit index of the chosen item
    CheckGroup,  // 16-bit mask, bit i for item i
};

// The constant choice tables that choice fields offer, by the table's name.
enum class ChoiceTableId : uint8_t {
    none,
    choicesNivoAlarma,
    choicesKategorija,
    choicesEOSkod,
    choicesSignalizacija,
    choicesSpecUsluga,
    choicesNumPlan,
    choicesKorisnik,
    choicesPodsistem,
    choicesVremenskaKontrola,
    choicesIdentPoz,
    choicesGrupaTabela,
    choicesVerzija,
    choicesPort,
    choicesBrzina,
    choicesUsluga,
    choicesZPPVrstaIVerzija,
    choicesKlaseAlarma,
    choicesGrupnaUsluga,
    choicesDodelaUsluga,
    choicesTabela,
};
constexpr std::size_t kChoiceTableCount = 20;

// What a command does once its parameters are read.
enum class CommandAction : uint8_t {
    Request,       // sends its record to the exchange as one request (type, code)
    LocalRoutine,  // hands its record to a routine of the workstation
    LocalAction,   // no form: runs a routine of the workstation at once
    ReportStream,  // no form: views, watches or deletes the log of a report stream
};

// Workstation routines that commands run instead of sending a request: the
// routines of the commands without parameters, then those given the record.
enum class LocalRoutine : uint8_t {
    none,
    configureWorkstation,
    writeServerRoutes,
    writeClientRoutes,
    executeMmlCommand,
    startMmlScript,
    stopMmlScript,
    openWatchWindow,
    openKopStatisticsWindow,
    listWatchableCommands,
    confirmClearOperatorLog,
    openEmptyTextFileViewer,
    openEmptyBinaryFileViewer,
    showDisplaySettings,
    showAboutWindow,
    confirmExit,
    openBackupWindow,
    openLoadWindow,
    monitorTableCommand,
    monitorTableGroupCommand,
    viewTableOnOrCommand,
    restartReplicationCommand,
    saveTablesToScript,
    openAlarmListWindow,
    saveAlpSettings,
    showAlpSettings,
    testAlpConnection,
    testAlpIndicators,
    testAlp,
    watchProcessorLocalTimes,
    toggleContinuousCpLoad,
    toggleContinuousArLoad,
    replaceProcessorProgram,
    openDebugViewWindow,
    openDebugWatchWindow,
    confirmClearDebugLog,
    copyDebugLogToDiskette,
    blockSubscribersFromFile,
    unblockSubscribersFromFile,
    openSecondDebugWatchWindow,
    runVisualCaseDialog,
    exportTariffCounters,
    startTtTransferCommand,
    stopTtTransferCommand,
    showTtTransferStatus,
    makeTtReport,
    makeMinimalTtReport,
    toggleContinuousCallStore,
    deleteStatisticsFile,
    startStatisticsReview,
    startReducedStatisticsReview,
    stopStatisticsReview,
    startTrafficKindsReport,
    startSuccessByDestinationReport,
    startSuccessByRouteReport,
    openOperatorGroupsDialog,
    openHelpIndex,
    openHelpAlphaIndex,
};

// Operation of a report-stream command on its stream.
enum class ReportOp : uint8_t { None, View, Monitor, DeleteLog };

struct CommandRow {
    uint16_t id;
    uint16_t helpTopic;  // 0 for the report-stream commands, which have no handler
    bool local;          // registered for MML under id -1
    CommandAction action;
    uint8_t messageType;   // request type; for a report-stream command the stream's type
    uint8_t code;          // request code
    LocalRoutine routine;  // LocalRoutine and LocalAction commands
    ReportOp reportOp;     // ReportStream commands
    uint16_t firstField;   // into kFields
    uint8_t fieldCount;
    uint8_t recordSize;  // bytes of SParams<Suffix>
    const char* suffix;  // handler class Obr_<suffix>; null without a handler
    const char* title;   // byte-exact: MML finds the command by it
};

struct FieldRow {
    uint16_t command;
    const char* name;   // field name, also the record field's; may begin with a blank
    const char* label;  // form label, also the MML parameter name
    FieldKind kind;
    uint8_t textMax;        // Text and Password: most characters
    uint8_t width;          // bytes the field takes
    bool inRecord;          // false for the RP number, kept beside the record
    ChoiceTableId choices;  // Choice fields
    bool excludeUsluga;     // the form leaves out the entries of excludedUsluga
    uint16_t firstItem;     // into kGroupItems (radio and check groups)
    uint8_t itemCount;
};

struct GroupItemRow {
    uint16_t command;
    const char* field;  // name of the group field the item belongs to
    const char* name;
    const char* label;  // also the MML keyword of the item
};

// A command's check: its refusal texts, in the order its tests run, and the
// question of a check that asks the operator to confirm.
struct CheckRow {
    uint16_t command;
    const char* name;
    uint16_t firstText;  // into kCheckTexts
    uint8_t textCount;
    const char* question;  // null unless the check asks
};

struct CheckTextRow {
    uint16_t command;
    const char* text;
};

struct ReportStreamRow {
    uint8_t messageType;
    const char* logFile;
    uint16_t view, monitor, deleteLog;  // its three command ids
    const char* name;
    uint16_t helpPage;   // help page of its windows
    const char* header;  // layout string of its windows' columns
};

extern const CommandRow kCommands[kCommandCount];  // kCommands[i].id == 5001 + i
extern const FieldRow kFields[kFieldCount];        // in command order, form order within
extern const GroupItemRow kGroupItems[kGroupItemCount];
extern const CheckRow kChecks[kCheckCount];  // ascending command id
extern const CheckTextRow kCheckTexts[kCheckTextCount];
extern const ReportStreamRow kReportStreams[kReportStreamCount];

// A contiguous run of table rows.
template <class T>
struct Rows {
    const T* first = nullptr;
    std::size_t count = 0;
    const T* begin() const { return first; }
    const T* end() const { return first + count; }
    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }
    const T& operator[](std::size_t i) const { return first[i]; }
};

// The row of a command id; null outside 5001..5599.
const CommandRow* findCommand(int32_t id);
// True for the commands that read parameters through a form.
bool hasForm(const CommandRow& command);
Rows<FieldRow> commandFields(const CommandRow& command);
Rows<GroupItemRow> groupItems(const FieldRow& field);
// The field of the command's form with exactly this name (blanks count); null when none.
const FieldRow* findField(const CommandRow& command, const char* name);
// The name under which MML binds the field's value.
const char* mmlParameterName(const FieldRow& field);
// Bytes a field of this kind takes (the text kinds: textMax + 1).
uint8_t fieldKindWidth(FieldKind kind, uint8_t textMax);
// The command's check, or null for a command without one.
const CheckRow* findCheck(int32_t command);
Rows<CheckTextRow> checkTexts(const CheckRow& check);
// The stream a report-stream command works on; null for any other command.
const ReportStreamRow* findReportStream(int32_t command);
// Names as the code knows them, for diagnostics and journal-free lookups.
const char* choiceTableName(ChoiceTableId id);
const char* localRoutineName(LocalRoutine routine);
