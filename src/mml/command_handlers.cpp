#include "mml/command_handlers.h"

#include <cstring>

#include "mml/mml_registry.h"

namespace {

// Template piece endings after the parameter name, by field kind.
const char* templateEnding(FieldKind kind) {
    switch (kind) {
        case FieldKind::Byte:
        case FieldKind::Short:
        case FieldKind::Long:
        case FieldKind::Double:
        case FieldKind::Text:
        case FieldKind::Choice:
            return " = ,";
        case FieldKind::Password:
            return " = *****,";
        case FieldKind::RadioGroup:
            return ": ;";
        case FieldKind::CheckGroup:
            return ":";
    }
    return " = ,";
}

// Appends text to out[0..length), keeping room for the zero.
void append(char* out, size_t size, size_t& length, const char* text) {
    const size_t room = size - 1 - length;
    const size_t n = strnlen(text, room);
    std::memcpy(out + length, text, n);
    length += n;
    out[length] = '\0';
}

SStandInCall standInCall;

eMmlStatus standInExecutor(const CommandRow& command, const char* const* values, char* errorText,
                           uint8_t journal) {
    const char* names[kMaxDeclaredParameters];
    const int count = declaredParameterNames(command, names);
    standInCall.command = command.id;
    standInCall.values.assign(values, values + count);
    standInCall.journal = journal;
    ++standInCall.calls;
    return msOk;
}

CommandExecutorFn commandExecutor = standInExecutor;
LocalActionFn localActionRunner = nullptr;
char templateBuffer[kTemplateBufferSize];

}  // namespace

bool isLocalActionCommand(const CommandRow& command) {
    return command.action == CommandAction::LocalAction;
}

int declaredParameterNames(const CommandRow& command,
                           const char* (&names)[kMaxDeclaredParameters]) {
    if (isLocalActionCommand(command)) return 0;
    int count = 0;
    for (const FieldRow& field : commandFields(command)) {
        if (count == kMaxDeclaredParameters) break;
        names[count++] = mmlParameterName(field);
    }
    return count;
}

size_t buildCommandTemplate(const CommandRow& command, char* out, size_t size) {
    if (size == 0) return 0;
    size_t length = 0;
    out[0] = '\0';
    append(out, size, length, command.title);
    append(out, size, length, " :");
    if (!isLocalActionCommand(command)) {
        for (const FieldRow& field : commandFields(command)) {
            append(out, size, length, " ");
            append(out, size, length, mmlParameterName(field));
            append(out, size, length, templateEnding(field.kind));
        }
    }
    if (length > 0) out[length - 1] = ';';
    return length;
}

std::string Obr_Komanda::className() const {
    return std::string("Obr_") + (command_.suffix != nullptr ? command_.suffix : "");
}

eMmlStatus Obr_Komanda::execute(int count, const SMML_Argument* args, char* errorText,
                                uint8_t journal) {
    if (isLocalActionCommand(command_)) {
        if (count != 0) return msTooManyParameters;
        if (localActionRunner != nullptr) localActionRunner(command_.routine);
        return msOk;
    }
    const char* names[kMaxDeclaredParameters];
    const int declared = declaredParameterNames(command_, names);
    return bindArguments(*this, names, declared, count, args, errorText, journal);
}

const char* Obr_Komanda::commandTemplate() {
    buildCommandTemplate(command_, templateBuffer, sizeof templateBuffer);
    return templateBuffer;
}

eMmlStatus Obr_Komanda::executeWithValues(const char* const* values, char* errorText,
                                          uint8_t journal) {
    if (isLocalActionCommand(command_)) return msOk;  // never called for them
    return commandExecutor(command_, values, errorText, journal);
}

void setCommandExecutor(CommandExecutorFn executor) {
    commandExecutor = executor != nullptr ? executor : standInExecutor;
}

const SStandInCall& lastStandInCall() {
    return standInCall;
}

void setLocalActionRunner(LocalActionFn runner) {
    localActionRunner = runner;
}

std::vector<Obr_Komanda>& commandHandlers() {
    static std::vector<Obr_Komanda> handlers = [] {
        std::vector<Obr_Komanda> made;
        made.reserve(kCommandCount);
        for (const CommandRow& command : kCommands)
            if (command.suffix != nullptr) made.emplace_back(command);
        return made;
    }();
    return handlers;
}

int registerCommandHandlers() {
    KMML_Izvrsavac& executor = mmlExecutor();
    for (Obr_Komanda& handler : commandHandlers()) {
        const CommandRow& command = handler.command();
        executor.registerHandler(command.title, &handler,
                                 command.local ? kLocalCommandId : command.id);
    }
    return 0;
}
