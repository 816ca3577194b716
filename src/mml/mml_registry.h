#pragma once

#include <cstdint>

#include "mml/mml_handler.h"
#include "utils/sort_array.h"

// Size of a registry title: 99 characters and the zero. Titles are looked up
// by their first 99 characters.
constexpr int kMmlTitleSize = 100;
// Registry id of a command that acts on the workstation itself.
constexpr int32_t kLocalCommandId = -1;
// getCommandId of a title that is not registered.
constexpr int32_t kUnknownCommandId = -2;

// One registry entry: a title and the handler that serves it.
struct SMML_Obradjivac {
    char name[kMmlTitleSize];
    KMML_ObradjivacKomande* handler;  // not owned: handlers live for the whole run
    int32_t commandId;                // 5001..5599, or kLocalCommandId
};

// Titles in unsigned byte order (a shorter title before a longer one that
// begins with it), fixed at 1000 entries.
class SCommandRegistry : public KTSortArray<SMML_Obradjivac, const char*> {
public:
    static constexpr uint32_t kCapacity = 1000;
    SCommandRegistry();
};

// The one registry every MML command is found in.
SCommandRegistry& commandRegistry();

// Finds and runs commands by title. Holds no data: it works on a registry,
// the program's one unless a test gives it its own.
class KMML_Izvrsavac {
public:
    explicit KMML_Izvrsavac(SCommandRegistry& registry = commandRegistry());

    // 0, or -1 for an empty title, a title already present (the first one
    // stays) or a full registry. The title is kept cut to 99 characters.
    int registerHandler(const char* name, KMML_ObradjivacKomande* handler, int32_t commandId);
    // Status 0 with the name in errorText for an unknown title, 2 for more
    // than 35 arguments; otherwise the handler's status.
    eMmlStatus runCommand(const char* name, int count, const SMML_Argument* args, char* errorText,
                          uint8_t journal);
    // The registered id, or kUnknownCommandId.
    int32_t getCommandId(const char* name);
    // The handler's template, or null for an unknown title.
    const char* getCommandTemplate(const char* name);
    // The handler's help topic, or 0 for an unknown title.
    uint16_t getHelpTopic(const char* name);

private:
    SMML_Obradjivac* lookup(const char* name);
    SCommandRegistry& registry_;
};

// The executor over commandRegistry(), made on first use.
KMML_Izvrsavac& mmlExecutor();

// Runs one statement typed by the operator: a syntax error is shown in an
// error box and posted; any other outcome is posted as its status message.
void executeMmlCommand(const char* text);
