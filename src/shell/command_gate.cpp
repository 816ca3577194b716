#include "shell/command_gate.h"

#include "commands/command_dispatch.h"
#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "utils/bytes.h"
#include "utils/message_box.h"

TSecurity* commandGate = nullptr;

namespace {

constexpr int kFirstOperatorCommand = 5001;
constexpr int kLastOperatorCommand = 5599;

enum RightsResult : int16_t { kGranted = 0, kNoRight = 1, kNotLoggedIn = 2 };

}  // namespace

TSecurity::TSecurity() : TMessageReceiver(kTypeOperator) {
    addCodeFilter(kCodeRightsAnswer);
    active = 1;
}

int TSecurity::runCommand(int16_t id) {
    if (id < kFirstOperatorCommand || id > kLastOperatorCommand) return 0;
    dispatchCommand(static_cast<uint16_t>(id));
    return 1;
}

// The sender is not examined: an answer from any address is acted on. An
// answer shorter than its four bytes is dropped.
void TSecurity::onMessage(uint8_t, uint16_t, uint8_t, const uint8_t* payload, int length) {
    ByteReader r(payload, length < 0 ? 0 : static_cast<size_t>(length));
    const uint16_t command = r.u16le();
    const int16_t result = r.i16le();
    if (!r.ok()) return;
    switch (result) {
        case kGranted:
            dispatchCommand(command);
            break;
        case kNoRight: {
            char text[80];
            formatMessage(text, sizeof text, 25204, commandName(command));
            showInformation(text);
            break;
        }
        case kNotLoggedIn:
            showInformation(textById(25202));
            break;
        default:
            break;
    }
}
