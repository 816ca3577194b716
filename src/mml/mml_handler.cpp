#include "mml/mml_handler.h"

#include <cstring>

#include "utils/message_box.h"

eMmlStatus bindArguments(KMacBazaMML& handler, const char* const* declared, int declaredCount,
                         int givenCount, const SMML_Argument* given, char* errorText,
                         uint8_t journal) {
    // Counts first: a wrong number fails as such whatever the names say.
    if (declaredCount > givenCount) return msTooFewParameters;
    if (declaredCount < givenCount) return msTooManyParameters;
    if (declaredCount > kMaxDeclaredParameters) return msTooManyParameters;

    const char* values[kMaxDeclaredParameters] = {};
    for (int i = 0; i < givenCount; ++i) {
        const SMML_Argument& arg = given[i];
        int slot = i;  // a positional value takes the slot of its own place
        if (arg.name[0] != '\0') {
            slot = -1;
            for (int j = 0; j < declaredCount && slot < 0; ++j)
                if (std::strcmp(arg.name, declared[j]) == 0) slot = j;
            if (slot < 0) {
                setMmlErrorText(errorText, arg.name);
                return msUnknownParameter;
            }
        }
        if (values[slot] != nullptr) {
            setMmlErrorText(errorText, declared[slot]);
            return msParameterTwice;
        }
        values[slot] = arg.value;
    }

    setCommandFromTextInput(true);
    const eMmlStatus status = handler.executeWithValues(values, errorText, journal);
    setCommandFromTextInput(false);
    return status;
}
