#include "commands/command_dispatch.h"

#include "commands/command_table.h"
#include "commands/executors/local_routines.h"
#include "link/text_lines.h"

namespace {

CommandDispatcherFn installedDispatcher = nullptr;

void runWithoutForms(const CommandRow& command) {
    if (command.action == CommandAction::LocalAction) {
        runLocalRoutine(command.routine, nullptr);
        return;
    }
    postTextLine(kLineLocal, unavailableFunctionText(command.title).c_str(), kTypeOperator);
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
