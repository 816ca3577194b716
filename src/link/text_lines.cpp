#include "link/text_lines.h"

#include <cstdio>
#include <cstring>

#include "link/router.h"
#include "texts/text_catalogue.h"
#include "platform/shell.h"
#include "utils/bytes.h"
#include "utils/message_box.h"

namespace {

constexpr int kMaxLine = 256;
constexpr int kLongTextPiece = 75;
constexpr int kMaxHelpPath = 99;

void (*mainWindowCommandHandler)(uint16_t) = nullptr;
KORInteractor* orInteractor = nullptr;

int postLine(uint8_t flags, const char* text, uint8_t type, uint8_t code) {
    const char* source = text ? text : "";
    char line[kMaxLine + 1];
    const size_t length = strnlen(source, kMaxLine);
    std::memcpy(line, source, length);
    line[length] = '\0';
    if (flags & ~kLineLocal) {
        uint8_t payload[kMaxLine + 2];
        payload[0] = static_cast<uint8_t>(flags & ~kLineLocal);
        std::memcpy(payload + 1, line, length + 1);
        if (router)
            router->sendMessage(type, kExchangeAddress, code, payload,
                                static_cast<uint16_t>(length + 2));
    }
    if (flags & kLineLocal)
        dispatchMessage(type, kExchangeAddress, code, reinterpret_cast<const uint8_t*>(line),
                        static_cast<int>(length + 1));
    return 0;
}

}  // namespace

int postTextLine(uint8_t flags, const char* text, uint8_t type) {
    return postLine(flags, text, type, kCodePlainText);
}

int postCodedTextLine(uint8_t flags, const char* codedText, uint8_t type) {
    return postLine(flags, codedText, type, kCodeCodedText);
}

void postLongText(uint8_t flags, const char* text, uint8_t type) {
    if (text == nullptr) return;
    for (size_t rest = std::strlen(text); rest > 0;) {
        char piece[kLongTextPiece + 1];
        const size_t n = rest < kLongTextPiece ? rest : kLongTextPiece;
        std::memcpy(piece, text, n);
        piece[n] = '\0';
        postTextLine(flags, piece, type);
        text += n;
        rest -= n;
    }
}

const char* stripTildes(const char* label) {
    static char buffer[kMaxLine + 1];
    size_t n = 0;
    for (const char* p = label ? label : ""; *p && n < kMaxLine; ++p)
        if (*p != '~') buffer[n++] = *p;
    buffer[n] = '\0';
    return buffer;
}

std::string helpPagePath(uint16_t topic) {
    std::string path = textById(26894);
    char page[32];
    if (topic == 0)
        std::snprintf(page, sizeof page, "/index.htm");
    else
        std::snprintf(page, sizeof page, "/f%d.htm", topic - 28);
    path += page;
    if (path.size() > kMaxHelpPath) path.resize(kMaxHelpPath);
    return path;
}

void openHelpPage(uint16_t topic) {
    openHelpDocument(helpPagePath(topic));
}

void openHelpDocument(const std::string& path) {
    switch (platform::shell().openDocument(path)) {
        case platform::OpenResult::Started:
            return;
        case platform::OpenResult::NoOpener:
            showError(kNoHelpOpenerText);
            return;
        case platform::OpenResult::NoSuchDocument:
        case platform::OpenResult::Failed:
            showError(textById(25305));
            return;
    }
}

void runMainWindowCommand(uint16_t id) {
    if (mainWindowCommandHandler) mainWindowCommandHandler(id);
}

void setMainWindowCommandHandler(void (*handler)(uint16_t id)) {
    mainWindowCommandHandler = handler;
}

KORInteractor::KORInteractor() : TMessageReceiver(kTypeOperator) {
    addCodeFilter(kCodeRemoteCommand);
    active = 1;
}

void KORInteractor::onMessage(uint8_t, uint16_t, uint8_t, const uint8_t* payload, int length) {
    ByteReader r(payload, length < 0 ? 0 : static_cast<size_t>(length));
    const uint16_t id = r.u16le();
    if (r.ok()) runMainWindowCommand(id);
}

int createORInteractor() {
    if (orInteractor == nullptr) orInteractor = new KORInteractor();
    return 0;
}

void destroyORInteractor() {
    delete orInteractor;
    orInteractor = nullptr;
}
