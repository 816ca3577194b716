#include "commands/command_dispatch.h"

#include "commands/command_table.h"
#include "commands/executors/local_routines.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "link/text_streams.h"
#include "utils/files.h"
#include "utils/message_box.h"

namespace {

CommandDispatcherFn installedDispatcher = nullptr;
ReportStreamHandlerFn reportStreamHandler = nullptr;

// Texts of the log deletion.
constexpr int kTextDone = 26959;
constexpr int kTextAlreadyDeleted = 25644;

void postUnavailable(const CommandRow& command) {
    postTextLine(kLineLocal, unavailableFunctionText(command.title).c_str(), kTypeOperator);
}

void runWithoutForms(const CommandRow& command) {
    switch (command.action) {
        case CommandAction::LocalAction:
            runLocalRoutine(command.routine, nullptr);
            return;
        case CommandAction::ReportStream:
            runReportStreamCommand(command);
            return;
        case CommandAction::Request:
        case CommandAction::LocalRoutine:
            break;
    }
    postUnavailable(command);
}

TTxtMsgReceiver* streamReceiver(const ReportStreamRow& stream) {
    for (TTxtMsgReceiver* receiver : messageReceiverList())
        if (receiver->messageType() == stream.messageType) return receiver;
    return nullptr;
}

}  // namespace

int dispatchCommand(uint16_t id) {
    const CommandRow* command = findCommand(id);
    if (command == nullptr) return 0;
    if (installedDispatcher != nullptr)
        installedDispatcher(id);
    else
        runWithoutForms(*command);
    return 1;
}

void setCommandDispatcher(CommandDispatcherFn dispatcher) {
    installedDispatcher = dispatcher;
}

void setReportStreamHandler(ReportStreamHandlerFn handler) {
    reportStreamHandler = handler;
}

void runReportStreamCommand(const CommandRow& command) {
    const ReportStreamRow* stream = findReportStream(command.id);
    if (stream != nullptr && reportStreamHandler != nullptr) {
        reportStreamHandler(*stream, command.reportOp);
        return;
    }
    if (stream != nullptr && command.reportOp == ReportOp::DeleteLog) {
        deleteReportStreamLog(*stream);
        return;
    }
    postUnavailable(command);
}

void deleteReportStreamLog(const ReportStreamRow& stream) {
    TTxtMsgReceiver* receiver = streamReceiver(stream);
    const bool deleted =
        receiver != nullptr ? receiver->clearAndDeleteLog() == 0 : deleteFile(stream.logFile) == 0;
    if (deleted)
        showInformation(textById(kTextDone));
    else
        showError(textById(kTextAlreadyDeleted));
}
