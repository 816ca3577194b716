#include "commands/command_dispatch.h"

#include "commands/command_table.h"
#include "commands/executors/local_routines.h"
#include "link/text_lines.h"

namespace {

CommandDispatcherFn installedDispatcher = nullptr;
ReportStreamHandlerFn reportStreamHandler = nullptr;

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
    if (reportStreamHandler == nullptr || stream == nullptr) {
        postUnavailable(command);
        return;
    }
    reportStreamHandler(*stream, command.reportOp);
}
