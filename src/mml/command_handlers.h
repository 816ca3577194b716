#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "commands/command_table.h"
#include "mml/mml_handler.h"

// The handlers of the operator commands. Every row of the command table that
// names a handler class Obr_<suffix> is served by one object of Obr_Komanda,
// which takes the title, help topic, declared parameters and template from
// the row: binding commands bind their arguments and run the command's
// executor, local-action commands run their workstation action.
class Obr_Komanda : public KMacBazaMML {
public:
    explicit Obr_Komanda(const CommandRow& command) : command_(command) {}

    eMmlStatus execute(int count, const SMML_Argument* args, char* errorText,
                       uint8_t journal) override;
    const char* commandTemplate() override;
    uint16_t helpTopic() override { return command_.helpTopic; }
    eMmlStatus executeWithValues(const char* const* values, char* errorText,
                                 uint8_t journal) override;

    const CommandRow& command() const { return command_; }
    // "Obr_" and the row's suffix.
    std::string className() const;

private:
    const CommandRow& command_;
};

// True for the commands that run a workstation action and take no arguments.
bool isLocalActionCommand(const CommandRow& command);

// The MML parameter names a command declares, in form order (none for a
// local-action command); returns their number, at most kMaxDeclaredParameters.
int declaredParameterNames(const CommandRow& command, const char* (&names)[kMaxDeclaredParameters]);

// Builds the template of a command into out (size bytes with the zero): the
// title, " :", one piece per declared parameter, the last character then
// replaced by ";". Returns its length.
size_t buildCommandTemplate(const CommandRow& command, char* out, size_t size);
// Size of the one template buffer all handlers share.
constexpr size_t kTemplateBufferSize = 1000;

// The executor of a binding command: converts, checks, journals (journal 1)
// and performs the command with its value texts in declared order.
using CommandExecutorFn = eMmlStatus (*)(const CommandRow& command, const char* const* values,
                                         char* errorText, uint8_t journal);
// Installs the executor of all binding commands; null restores the stand-in.
void setCommandExecutor(CommandExecutorFn executor);

// The stand-in executor records its last call and returns msOk.
struct SStandInCall {
    uint16_t command = 0;
    std::vector<std::string> values;
    uint8_t journal = 0;
    uint32_t calls = 0;  // calls since start
};
const SStandInCall& lastStandInCall();

// Runs the workstation action of a local-action command (its routine).
using LocalActionFn = void (*)(LocalRoutine action);
// Installs the runner of local actions; null: the actions do nothing.
void setLocalActionRunner(LocalActionFn runner);

// Makes the handler of every command row with a handler class (once) and
// registers it in the command registry under its title, in ascending id;
// a title already registered keeps its first handler. Always returns 0.
int registerCommandHandlers();
// The handlers made by registerCommandHandlers, in ascending id.
std::vector<Obr_Komanda>& commandHandlers();
