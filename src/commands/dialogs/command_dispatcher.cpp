#include "commands/dialogs/command_dispatcher.h"

#include "commands/command_dispatch.h"
#include "commands/command_hooks.h"
#include "commands/dialogs/command_forms.h"
#include "commands/executors/command_executor.h"
#include "commands/executors/command_requests.h"
#include "commands/executors/local_routines.h"
#include "utils/message_box.h"

namespace {

// A command with a form: its own record and RP number, so that a command
// dispatched from inside its form or routine leaves this one undisturbed.
void runFormCommand(const CommandRow& command) {
    uint8_t record[kParamRecordSize] = {};
    uint16_t rpNumber = 0;
    if (readCommandParams(buildCommandForm(command), command, record, sizeof record, &rpNumber) !=
        0)
        return;
    // The line is written before the action: a request without a route is
    // journalled all the same.
    runCommandJournal(command.id, record, rpNumber);
    if (command.action == CommandAction::Request)
        sendCommandRequest(command.id, record, rpNumber);
    else
        runLocalRoutine(command.routine, record);
}

}  // namespace

int readCommandParams(std::unique_ptr<KSimpleDialog> form, const CommandRow& command,
                      uint8_t* record, std::size_t size, uint16_t* rpNumber) {
    if (form == nullptr) return -1;
    for (;;) {
        if (form->execute(command.helpTopic) != 0) return -1;
        if (!storeCommandForm(*form, command, record, size, rpNumber)) return -1;
        const char* refusal = runCommandCheck(command.id, record);
        if (refusal == nullptr) return 0;
        showError(refusal);
    }
}

void runCommandOnDialogRoad(uint16_t id) {
    const CommandRow* command = findCommand(id);
    if (command == nullptr) return;
    switch (command->action) {
        case CommandAction::Request:
        case CommandAction::LocalRoutine:
            runFormCommand(*command);
            break;
        case CommandAction::LocalAction:
            runLocalRoutine(command->routine, nullptr);
            break;
        case CommandAction::ReportStream:
            runReportStreamCommand(*command);
            break;
    }
}

int installCommandDispatcher() {
    setCommandDispatcher(runCommandOnDialogRoad);
    return 0;
}
