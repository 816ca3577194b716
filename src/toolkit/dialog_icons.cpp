#include "toolkit/dialog_icons.h"

namespace {

const char* const kAcceptXpm[] = {
    "16 16 2 1",        ". c #C0C0C0",      "g c #008000",      "................",
    "................", "..............g.", ".............gg.", "............ggg.",
    "...........ggg..", "..........ggg...", ".g.......ggg....", ".gg.....ggg.....",
    ".ggg...ggg......", "..ggg.ggg.......", "...ggggg........", "....ggg.........",
    ".....g..........", "................", "................"};

const char* const kCancelXpm[] = {
    "16 16 2 1",        ". c #C0C0C0",      "r c #C00000",      "................",
    "................", "..rr........rr..", "..rrr......rrr..", "...rrr....rrr...",
    "....rrr..rrr....", ".....rrrrrr.....", "......rrrr......", "......rrrr......",
    ".....rrrrrr.....", "....rrr..rrr....", "...rrr....rrr...", "..rrr......rrr..",
    "..rr........rr..", "................", "................"};

const char* const kHelpXpm[] = {
    "16 16 2 1",        ". c #C0C0C0",      "b c #0000C0",      "................",
    ".....bbbbbb.....", "....bbbbbbbb....", "...bbb....bbb...", "...bb......bb...",
    "...........bb...", "..........bbb...", ".........bbb....", "........bbb.....",
    ".......bbb......", ".......bb.......", ".......bb.......", "................",
    ".......bb.......", ".......bb.......", "................"};

const char* const kErrorXpm[] = {
    "16 16 3 1",        ". c #C0C0C0",      "x c #C00000",      "w c #FFFFFF",
    "................", ".....xxxxxx.....", "...xxxxxxxxxx...", "..xxxxxxxxxxxx..",
    "..xxwwxxxxwwxx..", ".xxxxwwxxwwxxxx.", ".xxxxxwwxwxxxxx.", ".xxxxxxwwxxxxxx.",
    ".xxxxxwwwwxxxxx.", ".xxxxwwxxwwxxxx.", ".xxxwwxxxxwwxxx.", "..xxwxxxxxxwxx..",
    "..xxxxxxxxxxxx..", "...xxxxxxxxxx...", ".....xxxxxx.....", "................"};

const char* const kQuestionXpm[] = {
    "16 16 3 1",        ". c #C0C0C0",      "x c #0000C0",      "w c #FFFFFF",
    "................", ".....xxxxxx.....", "...xxxxxxxxxx...", "..xxxxwwwwxxxx..",
    "..xxxwwxxwwxxx..", ".xxxxwxxxxwxxxx.", ".xxxxxxxxwwxxxx.", ".xxxxxxxwxxxxxx.",
    ".xxxxxxwwxxxxxx.", ".xxxxxxwwxxxxxx.", ".xxxxxxxxxxxxxx.", "..xxxxxxxxxxxx..",
    "..xxxxxwwxxxxx..", "...xxxxxxxxxx...", ".....xxxxxx.....", "................"};

const char* const kInformationXpm[] = {
    "16 16 3 1",        ". c #C0C0C0",      "x c #0000C0",      "w c #FFFFFF",
    "................", ".....xxxxxx.....", "...xxxxxxxxxx...", "..xxxxxwwxxxxx..",
    "..xxxxxwwxxxxx..", ".xxxxxxxxxxxxxx.", ".xxxxxwwwxxxxxx.", ".xxxxxxwwxxxxxx.",
    ".xxxxxxwwxxxxxx.", ".xxxxxxwwxxxxxx.", ".xxxxxxwwxxxxxx.", "..xxxxxwwxxxxx..",
    "..xxxxwwwwxxxx..", "...xxxxxxxxxx...", ".....xxxxxx.....", "................"};

FX::FXIcon* makeIcon(const char* const* pixels) {
    return new FX::FXXPMIcon(FX::FXApp::instance(), const_cast<const FX::FXchar**>(pixels),
                             FXRGB(192, 192, 192), FX::IMAGE_ALPHACOLOR);
}

// A shared icon, made on first use; it lives as long as the program.
FX::FXIcon* sharedIcon(FX::FXIcon*& slot, const char* const* pixels) {
    if (slot == nullptr) slot = makeIcon(pixels);
    return slot;
}

FX::FXIcon* acceptSlot = nullptr;
FX::FXIcon* cancelSlot = nullptr;
FX::FXIcon* helpSlot = nullptr;

}  // namespace

FX::FXIcon* acceptIcon() {
    return sharedIcon(acceptSlot, kAcceptXpm);
}

FX::FXIcon* cancelIcon() {
    return sharedIcon(cancelSlot, kCancelXpm);
}

FX::FXIcon* helpIcon() {
    return sharedIcon(helpSlot, kHelpXpm);
}

FX::FXIcon* makeMessageIcon(EMessageIcon kind) {
    switch (kind) {
        case EMessageIcon::Error:
            return makeIcon(kErrorXpm);
        case EMessageIcon::Question:
            return makeIcon(kQuestionXpm);
        case EMessageIcon::Information:
            return makeIcon(kInformationXpm);
    }
    return makeIcon(kInformationXpm);
}
