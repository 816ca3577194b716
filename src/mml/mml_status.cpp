#include "mml/mml_status.h"

#include <cstring>

#include "texts/catalogue_message.h"
#include "commands/executors/command_requests.h"
#include "link/text_lines.h"

namespace {

// Texts of the statuses 0..9 (success has none).
constexpr int kStatusTextIds[] = {21007, 21008, 21009, 21010, 21011,
                                  21012, 21013, 21014, 21015, 21016};
constexpr int kUnknownStatusTextId = 21017;

char statusText[kMmlErrorTextSize] = "";

}  // namespace

void setMmlErrorText(char* errorText, const char* text) {
    const size_t n = strnlen(text != nullptr ? text : "", kMmlErrorTextSize - 1);
    if (n > 0) std::memmove(errorText, text, n);
    errorText[n] = '\0';
}

int mmlStatusTextId(int status) {
    if (status == msOk) return 0;
    if (status >= 0 && status < msOk) return kStatusTextIds[status];
    return kUnknownStatusTextId;
}

const char* commandStatusText() {
    return statusText;
}

const char* showCommandStatus(int status, const char* errorText) {
    if (status == msNotSent) {
        setMmlErrorText(statusText, requestNotSentText(errorText).c_str());
        return statusText;
    }
    const int textId = mmlStatusTextId(status);
    if (textId == 0) return statusText;
    if (textId == kUnknownStatusTextId)
        formatMessage(statusText, sizeof statusText, textId, static_cast<int32_t>(status));
    else
        formatMessage(statusText, sizeof statusText, textId, errorText != nullptr ? errorText : "");
    postTextLine(kLineLocal, statusText, kTypeOperator);
    return statusText;
}
