#pragma once

#include <cstdint>

#include "mml/mml_statement.h"
#include "mml/mml_status.h"

// A handler of one MML command, registered under the command's title.
class KMML_ObradjivacKomande {
public:
    virtual ~KMML_ObradjivacKomande() = default;
    // Runs the command with its parsed arguments; errorText has room for
    // kMmlErrorTextSize bytes; the journal flag 1 asks for a journal line.
    virtual eMmlStatus execute(int count, const SMML_Argument* args, char* errorText,
                               uint8_t journal) = 0;
    // The command's template, valid until the next call; null for none.
    virtual const char* commandTemplate() = 0;
    // The help page number, 0 for none.
    virtual uint16_t helpTopic() = 0;
};

// The handlers of operator commands: they also take the value texts bound to
// the command's declared parameters, one per parameter in declared order.
class KMacBazaMML : public KMML_ObradjivacKomande {
public:
    virtual eMmlStatus executeWithValues(const char* const* values, char* errorText,
                                         uint8_t journal) {
        return msOk;
    }
};

// Most parameters a command declares, and most values a binding holds.
constexpr int kMaxDeclaredParameters = 16;

// Binds the given arguments to the declared names (positional ones by their
// place, named ones by exact bytes), then runs the handler's executor with
// the values in declared order. While the executor runs, a command counts as
// given as text (isCommandFromTextInput), so confirmations answer yes.
eMmlStatus bindArguments(KMacBazaMML& handler, const char* const* declared, int declaredCount,
                         int givenCount, const SMML_Argument* given, char* errorText,
                         uint8_t journal);
