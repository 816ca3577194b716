#pragma once

#include <cstdint>
#include <string>

#include "link/message_bus.h"

// Flags of a text line: bit 0 delivers it locally on the bus; any other bit
// also sends it to the exchange with the flags (bit 0 cleared) in front.
constexpr uint8_t kLineLocal = 0x01;
constexpr uint8_t kLineJournal = 0x42;

constexpr uint8_t kCodePlainText = 255;
constexpr uint8_t kCodeCodedText = 254;
constexpr uint8_t kCodeRemoteCommand = 253;
constexpr uint8_t kTypeOperator = 136;
constexpr uint8_t kTypeDebugText = 13;  // the debug stream

// Posts a text line (cut at 256 characters): sent first, then delivered locally.
int postTextLine(uint8_t flags, const char* text, uint8_t type);
// The same for a coded catalogue message (code 254).
int postCodedTextLine(uint8_t flags, const char* codedText, uint8_t type);
// Posts the text in pieces of 75 characters.
void postLongText(uint8_t flags, const char* text, uint8_t type);
// The label without its "~" marks, in a buffer shared by all calls.
const char* stripTildes(const char* label);
// Opens the help page of a topic (0 the contents) with the desktop viewer;
// an error box when it cannot be opened.
void openHelpPage(uint16_t topic);
// Opens a help page by its path: a page that is not there gives text 25305
// before any program starts; without a program to open pages the operator
// is told so with kNoHelpOpenerText.
void openHelpDocument(const std::string& path);
inline constexpr const char* kNoHelpOpenerText =
    "Не найдена программа для открытия страниц помощи (xdg-open)";
// The path openHelpPage opens for a topic.
std::string helpPagePath(uint16_t topic);

// Runs a menu command in the main window as a menu choice would. The main
// window installs the handler; without one the call does nothing.
void runMainWindowCommand(uint16_t id);
void setMainWindowCommandHandler(void (*handler)(uint16_t id));

// Receiver of menu commands that the exchange or another workstation asks
// this workstation to run (type 136, code 253, word command id).
class KORInteractor : public TMessageReceiver {
public:
    KORInteractor();
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
};

int createORInteractor();
void destroyORInteractor();
