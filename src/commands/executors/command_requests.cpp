#include "commands/executors/command_requests.h"

#include <cstring>

#include "commands/command_table.h"
#include "link/router.h"
#include "link/text_lines.h"
#include "utils/bytes.h"

namespace {

bool isTextKind(FieldKind kind) {
    return kind == FieldKind::Text || kind == FieldKind::Password;
}

// Appends one record field: a text up to its zero (a text that fills its field
// without one is cut before the last byte), a number in its width.
void packField(const FieldRow& field, const uint8_t* at, ByteWriter& out) {
    if (!isTextKind(field.kind)) {
        out.bytes(at, field.width);
        return;
    }
    const std::size_t most = field.width > 0 ? field.width - 1u : 0u;
    const void* zero = std::memchr(at, 0, most);
    const std::size_t n = zero != nullptr ? static_cast<const uint8_t*>(zero) - at : most;
    out.bytes(at, n);
    out.u8(0);
}

}  // namespace

int packCommandRecord(int commandId, const uint8_t* record, uint8_t* body, std::size_t room) {
    const CommandRow* command = findCommand(commandId);
    if (command == nullptr) return -1;
    ByteWriter out(body, room);
    std::size_t offset = 0;
    for (const FieldRow& field : commandFields(*command)) {
        if (!field.inRecord) continue;
        packField(field, record + offset, out);
        offset += field.width;
    }
    return out.ok() ? static_cast<int>(out.size()) : -1;
}

bool hasRpNumber(int commandId) {
    const CommandRow* command = findCommand(commandId);
    if (command == nullptr) return false;
    for (const FieldRow& field : commandFields(*command))
        if (!field.inRecord) return true;
    return false;
}

int sendCommandRequest(int commandId, const uint8_t* record, uint16_t rpNumber) {
    const CommandRow* command = findCommand(commandId);
    if (command == nullptr || command->action != CommandAction::Request) return -1;
    uint8_t body[kRpNumberBytes + kRequestBodySize];
    ByteWriter prefix(body, sizeof body);
    if (hasRpNumber(commandId)) prefix.u16le(rpNumber);
    const int packed = packCommandRecord(commandId, record, body + prefix.size(), kRequestBodySize);
    const bool sent =
        packed >= 0 && sendToLink(command->messageType, kExchangeAddress, command->code, body,
                                  static_cast<uint16_t>(prefix.size() + packed));
    if (!sent) postTextLine(kLineLocal, requestNotSentText(command->title).c_str(), kTypeOperator);
    return sent ? 0 : -1;
}

std::string requestNotSentText(const char* title) {
    return std::string("Команда \"") + (title != nullptr ? title : "") +
           "\" не отправлена на станцию: нет связи";
}

int packOkDodOgrPolazPozivaBezSifre(const SParamsOkDodOgrPolazPozivaBezSifre* record, uint8_t* body,
                                    std::size_t room) {
    return packCommandRecord(5221, reinterpret_cast<const uint8_t*>(record), body, room);
}
