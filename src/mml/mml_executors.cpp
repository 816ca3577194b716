#include "mml/mml_executors.h"

#include "commands/executors/command_executor.h"
#include "commands/executors/local_routines.h"
#include "commands/executors/workstation_config.h"
#include "mml/command_handlers.h"
#include "mml/mml_registry.h"

namespace {

void runLocalAction(LocalRoutine routine) {
    runLocalRoutine(routine, nullptr);
}

// The record of "Команда MML" is the statement text and its zero.
void runTypedStatement(const uint8_t* record) {
    executeMmlCommand(reinterpret_cast<const char*>(record));
}

// The packed records of the configuration commands, read in place.
void runConfigureWorkstation(const uint8_t* record) {
    configureWorkstation(*reinterpret_cast<const SParamsKonfigOR*>(record));
}
void runWriteServerRoutes(const uint8_t* record) {
    writeServerRoutes(*reinterpret_cast<const SParamsKonfigORserver*>(record));
}
void runWriteClientRoutes(const uint8_t* record) {
    writeClientRoutes(*reinterpret_cast<const SParamsKonfigORklijent*>(record));
}

}  // namespace

eMmlStatus executeCommandValues(const CommandRow& command, const char* const* values,
                                char* errorText, uint8_t journal) {
    const char* names[kMaxDeclaredParameters];
    const int count = declaredParameterNames(command, names);
    return static_cast<eMmlStatus>(
        executeWithValues(command.id, values, count, errorText, journal));
}

int installCommandExecutors() {
    setCommandExecutor(executeCommandValues);
    setLocalActionRunner(runLocalAction);
    setLocalRoutine(LocalRoutine::executeMmlCommand, runTypedStatement);
    setLocalRoutine(LocalRoutine::configureWorkstation, runConfigureWorkstation);
    setLocalRoutine(LocalRoutine::writeServerRoutes, runWriteServerRoutes);
    setLocalRoutine(LocalRoutine::writeClientRoutes, runWriteClientRoutes);
    return 0;
}
