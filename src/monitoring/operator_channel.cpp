#include "monitoring/operator_channel.h"

#include <cstring>
#include <string>

#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "shell/main_window.h"
#include "sub/replication_control.h"
#include "sub/sub_database.h"
#include "sub/table_catalogue.h"
#include "sub/table_groups.h"
#include "toolkit/rec_shell.h"
#include "utils/bytes.h"
#include "utils/message_box.h"

int32_t operatorLoggedOn = 0;

namespace {

constexpr int kLineSize = 101;  // 100 characters and the terminator
constexpr int kBoxTextSize = 256;
constexpr int kLastTable = 204;
constexpr int16_t kStopMonitoring = 1;
constexpr int16_t kChosenFromList = 1;

// Shared by every request: data byte 0 holds the awaited answer code.
STimerEvent requestEvent;
void (*tableViewOpener)(uint16_t) = nullptr;

// The record editor of the table over the main window, titled with the
// table's name; it is not modal and deletes itself when closed.
void openRecordEditor(uint16_t table) {
    auto* editor = new TTableModifyShell(mainWindow, static_cast<int16_t>(table));
    editor->create();
    editor->show(FX::PLACEMENT_OWNER);
}

template <typename... Args>
std::string formatted(int textId, const Args&... args) {
    char text[kBoxTextSize];
    formatMessage(text, sizeof text, textId, args...);
    return text;
}

TTrnTabBase* localTable(int32_t table) {
    return table >= 0 && table <= kLastTable ? subDatabase.table(table) : nullptr;
}

void postCommandState(const uint8_t* payload, int length) {
    ByteReader in(payload, static_cast<size_t>(length));
    const int32_t id = in.i32le();
    if (!in.ok()) return;
    char line[kLineSize];
    if (length > 4) {
        const int32_t state = in.i32le();
        const char* stateText = textById(in.ok() && state == 1 ? 25194 : 25195);
        formatMessage(line, sizeof line, 25191, commandName(id), id, stateText);
    } else {
        formatMessage(line, sizeof line, 25192, commandName(id), id);
    }
    postTextLine(kLineLocal, line, kTypeOperator);
}

void tableAnswer(int result, uint16_t table) {
    if (result != 1) {
        showOperatorInfo(textById(21210));
        return;
    }
    if (localTable(table) == nullptr) {
        showOperatorError(textById(21209));
        return;
    }
    requestTableReplication(table);
    openMonitoredTableView(table);
}

void groupTables(int32_t group, int32_t& count, uint16_t tables[204]) {
    count = tableGroupSize(group);
    for (int32_t k = 0; k < count; ++k) tables[k] = tableGroupMember(group, k);
}

void groupAnswer(int result, uint16_t group) {
    if (result != 1) {
        showOperatorInfo(textById(21215));
        return;
    }
    if (checkTableGroup(group) != 0) {
        showOperatorError(textById(21214));
        return;
    }
    int32_t count = 0;
    uint16_t tables[204] = {};
    groupTables(group, count, tables);
    requestTablesReplication(static_cast<uint16_t>(count), tables);
}

// The leading decimal number of a text (after blanks and a sign); 0 when it
// has none. Values beyond 16 bits stay out of every table range.
int32_t leadingNumber(const char* text) {
    const char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    int32_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (value <= 0xFFFF) value = value * 10 + (*p - '0');
    return negative ? -value : value;
}

// The table a form names, or -1 after telling the operator why not.
int32_t chosenTable(int16_t way, const char (&typed)[31], int32_t listValue) {
    int32_t table = 0;
    if (way == kChosenFromList) {
        table = static_cast<uint16_t>(listValue);
    } else {
        const std::string text(typed, strnlen(typed, sizeof typed));
        table = leadingNumber(text.c_str());
        if (table == 0) {
            table = findTableBySingularName(text.c_str());
            if (table < 0) table = findTableByPluralName(text.c_str());
        }
        if (table < 1 || table > kLastTable) {
            showInformation(formatted(21206, text).c_str());
            return -1;
        }
    }
    if (localTable(table) == nullptr) {
        showInformation(textById(21207));
        return -1;
    }
    return table;
}

void openTableView(uint16_t table, int questionId) {
    if (confirm(textById(questionId)) != 1) return;
    if (tableViewOpener != nullptr)
        tableViewOpener(table);
    else
        openRecordEditor(table);
}

}  // namespace

TOperator::TOperator() : TMessageReceiver(kTypeOperator) {}

bool TOperator::sendRequest(uint8_t code, int payloadLength, int32_t timeout) {
    if (payloadLength < 0) payloadLength = 0;
    if (payloadLength > kRequestBufferSize) payloadLength = kRequestBufferSize;
    // A request that never left awaits no answer: its time-out box would
    // blame the exchange, so the operator is told at once instead.
    if (!sendToLink(kTypeOperator, kExchangeAddress, code, request,
                    static_cast<uint16_t>(payloadLength))) {
        showOperatorError(kMessageNotSentText);
        return false;
    }
    std::memset(requestEvent.data, 0, sizeof requestEvent.data);
    requestEvent.data[0] = static_cast<uint8_t>(code | kAnswerBit);
    if (pendingTimer == -1 && timeout > 0) {
        const uint32_t delay = timeout == 1 ? kRequestTimeoutMs : static_cast<uint32_t>(timeout);
        pendingTimer = setTimer(this, delay, &requestEvent);
    }
    active = 1;
    addCodeFilter(static_cast<uint8_t>(code | kAnswerBit));
    return true;
}

void TOperator::cancelPendingTimer() {
    if (pendingTimer == -1) return;
    killTimer(this, pendingTimer);
    pendingTimer = -1;
}

void TLogOper::onMessage(uint8_t, uint16_t, uint8_t code, const uint8_t* payload, int length) {
    if (length < 0) length = 0;
    switch (code) {
        case kCodeOperatorLoggedOn:
            ::operatorLoggedOn = 1;
            return;
        case kCodeOperatorLoggedOff:
            ::operatorLoggedOn = 0;
            rerequestAllTables();
            showOperatorInfo(textById(25153));
            return;
        case kCodeCommandState:
            postCommandState(payload, length);
            return;
        default:
            break;
    }
    cancelPendingTimer();
    ByteReader in(payload, static_cast<size_t>(length));
    const uint16_t result = in.u16le();
    const uint16_t subject = in.u16le();
    if (code == kCodeReadTableAnswer || code == kCodeReadTableGroupAnswer) removeCodeFilter(code);
    if (!in.ok() || (code != kCodeReadTableAnswer && code != kCodeReadTableGroupAnswer)) {
        // Unknown codes and answers too short to hold result and subject.
        showOperatorError(textById(25743));
        return;
    }
    if (code == kCodeReadTableAnswer)
        tableAnswer(result, subject);
    else
        groupAnswer(result, subject);
}

void TLogOper::onTimer(const STimerEvent* event) {
    if (event == nullptr) return;
    if (event->timerId == pendingTimer) pendingTimer = -1;
    switch (event->data[0]) {
        case kCodeReadTableAnswer:
            showOperatorError(textById(21211));
            removeCodeFilter(kCodeReadTableAnswer);
            break;
        case kCodeReadTableGroupAnswer:
            showOperatorError(textById(21216));
            removeCodeFilter(kCodeReadTableGroupAnswer);
            break;
        default:
            showOperatorError(textById(21217));
            break;
    }
}

bool TLogOper::operatorLoggedOn() {
    return ::operatorLoggedOn != 0;
}

void TLogOper::reinitOperatorInterface() {
    ::operatorLoggedOn = 0;
    rerequestAllTables();
    showOperatorInfo(textById(25301));
}

TLogOper& operatorLogChannel() {
    static TLogOper channel;
    return channel;
}

const STimerEvent& operatorRequestEvent() {
    return requestEvent;
}

int startOperatorChannel() {
    TLogOper& channel = operatorLogChannel();
    std::memset(requestEvent.data, 0, sizeof requestEvent.data);
    channel.addCodeFilter(kCodeCommandState);
    channel.addCodeFilter(kCodeOperatorLoggedOn);
    channel.addCodeFilter(kCodeOperatorLoggedOff);
    channel.active = 1;
    setOperatorChannel(&channel);
    return 0;
}

int stopOperatorChannel() {
    TLogOper& channel = operatorLogChannel();
    channel.clearCodeFilters();
    channel.active = 0;
    // A time-out after the stop would show a box for a channel that is gone.
    channel.cancelPendingTimer();
    setOperatorChannel(nullptr);
    return 0;
}

void reinitOperatorInterface() {
    operatorLogChannel().reinitOperatorInterface();
}

void showOperatorInfo(const char* text) {
    showInformationCaptioned(textById(25302), text);
}

void showOperatorError(const char* text) {
    showErrorCaptioned(textById(25302), text);
}

int monitorTableCommand(const SParamsOkPracenjeTabele& params) {
    const int32_t table = chosenTable(params.eNacxinIzbora, params.Tabela, params.eTabela);
    if (table < 0) return 0;
    if (params.ptPracenje == kStopMonitoring) {
        releaseTableReplication(static_cast<uint16_t>(table));
        showInformation(formatted(21205, table).c_str());
        return 0;
    }
    TLogOper& channel = operatorLogChannel();
    ByteWriter out(channel.request, sizeof channel.request);
    out.u16le(static_cast<uint16_t>(table));
    channel.sendRequest(kCodeReadTable, 2, 1);
    return 0;
}

int monitorTableGroupCommand(const SParamsOkPracenjeGrupeTabela& params) {
    const uint16_t group = static_cast<uint16_t>(params.eGrupaTabela);
    if (checkTableGroup(group) != 0) {
        showError(textById(21212));
        return 0;
    }
    if (params.ptPracenje == kStopMonitoring) {
        int32_t count = 0;
        uint16_t tables[204] = {};
        groupTables(group, count, tables);
        releaseTablesReplication(static_cast<uint16_t>(count), tables);
        showInformation(formatted(21213, params.eGrupaTabela).c_str());
        return 0;
    }
    TLogOper& channel = operatorLogChannel();
    ByteWriter out(channel.request, sizeof channel.request);
    out.u16le(group);
    out.u16le(0);
    channel.sendRequest(kCodeReadTableGroup, 4, 1);
    return 0;
}

int viewTableOnOrCommand(const SParamsOkPregledTabeleOR& params) {
    const int32_t table = chosenTable(params.eNacxinIzbora, params.Tabela, params.eTabela);
    if (table < 0) return 0;
    openLocalTableView(static_cast<uint16_t>(table),
                       isTableConsistent(static_cast<int16_t>(table)));
    return 0;
}

void openMonitoredTableView(uint16_t table) {
    openTableView(table, 21220);
}

void openLocalTableView(uint16_t table, int consistent) {
    openTableView(table, consistent == 1 ? 21218 : 21219);
}

void setTableViewOpener(void (*opener)(uint16_t table)) {
    tableViewOpener = opener;
}
