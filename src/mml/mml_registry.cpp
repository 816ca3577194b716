#include "mml/mml_registry.h"

#include <cstring>

#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "utils/message_box.h"

namespace {

constexpr int kSyntaxErrorTextId = 21018;

int compareTitle(const SMML_Obradjivac& entry, const char* const& key) {
    return std::strcmp(entry.name, key);  // compares bytes as unsigned
}

const char* titleOf(const SMML_Obradjivac& entry) {
    return entry.name;
}

// The first 99 characters of a title, under which it is stored and found.
void cutTitle(char (&out)[kMmlTitleSize], const char* name) {
    const size_t n = strnlen(name != nullptr ? name : "", kMmlTitleSize - 1);
    if (n > 0) std::memcpy(out, name, n);
    out[n] = '\0';
}

}  // namespace

SCommandRegistry::SCommandRegistry() : KTSortArray(kCapacity, 0, compareTitle, titleOf) {}

SCommandRegistry& commandRegistry() {
    static SCommandRegistry registry;
    return registry;
}

KMML_Izvrsavac::KMML_Izvrsavac(SCommandRegistry& registry) : registry_(registry) {}

SMML_Obradjivac* KMML_Izvrsavac::lookup(const char* name) {
    char key[kMmlTitleSize];
    cutTitle(key, name);
    return registry_.find(key) == 0 ? registry_.cursor() : nullptr;
}

int KMML_Izvrsavac::registerHandler(const char* name, KMML_ObradjivacKomande* handler,
                                    int32_t commandId) {
    SMML_Obradjivac entry{};
    cutTitle(entry.name, name);
    entry.handler = handler;
    entry.commandId = commandId;
    if (entry.name[0] == '\0') return -1;
    if (registry_.find(entry.name) == 0) return -1;
    return registry_.insert(entry);
}

eMmlStatus KMML_Izvrsavac::runCommand(const char* name, int count, const SMML_Argument* args,
                                      char* errorText, uint8_t journal) {
    SMML_Obradjivac* entry = lookup(name);
    if (entry == nullptr) {
        setMmlErrorText(errorText, name != nullptr ? name : "");
        return msUnknownCommand;
    }
    if (count > kMaxScriptArguments) return msTooManyParameters;
    return entry->handler->execute(count, args, errorText, journal);
}

int32_t KMML_Izvrsavac::getCommandId(const char* name) {
    const SMML_Obradjivac* entry = lookup(name);
    return entry != nullptr ? entry->commandId : kUnknownCommandId;
}

const char* KMML_Izvrsavac::getCommandTemplate(const char* name) {
    SMML_Obradjivac* entry = lookup(name);
    return entry != nullptr ? entry->handler->commandTemplate() : nullptr;
}

uint16_t KMML_Izvrsavac::getHelpTopic(const char* name) {
    SMML_Obradjivac* entry = lookup(name);
    return entry != nullptr ? entry->handler->helpTopic() : 0;
}

KMML_Izvrsavac& mmlExecutor() {
    static KMML_Izvrsavac executor;
    return executor;
}

void executeMmlCommand(const char* text) {
    char name[kMmlFieldSize];
    SMML_Argument args[kMaxTypedArguments];
    int count = 0;
    if (parseMmlStatement(text, name, kMmlTokenLimit, kMaxTypedArguments, count, args) != 0) {
        const char* message = textById(kSyntaxErrorTextId);
        showError(message);
        postTextLine(kLineLocal, message, kTypeOperator);
        return;
    }
    char errorText[kMmlErrorTextSize] = "";
    const eMmlStatus status = mmlExecutor().runCommand(name, count, args, errorText, 1);
    showCommandStatus(status, errorText);
}
