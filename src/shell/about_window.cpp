#include "shell/about_window.h"

#include <string>

#include "texts/text_catalogue.h"
#include "shell/about_images.h"
#include "shell/main_window.h"
#include "toolkit/accelerators.h"
#include "toolkit/text_codec.h"

#include <fox-1.6/fxkeys.h>

/*
  Notes:
  - The window is owned by the main window and has no title bar; its own
    close message (the OK button, Enter, Escape, the window manager) ends
    its modal loop with 1 and hides it. Its user deletes it.
  - The shortcut buttons and F1 target the owner with command ids, so the
    commands pass the rights gate as menu choices do.
  - The images and fonts are ours: freed in the destructor.
*/

namespace {

const FX::FXColor kBlue = FXRGB(0, 75, 175);
const FX::FXColor kRed = FXRGB(211, 33, 36);
constexpr int kStripeWidth = 4;

constexpr int kTitleText = 21117;
constexpr int kVersionText = 21116;
constexpr int kHelpButtonText = 25641;
constexpr int kCommandsText = 25307;
constexpr int kOkText = 21401;

const char kToolkitNotice[] = "This program uses the FOX Toolkit Library";

FX::FXSeparator* stripe(FX::FXComposite* parent, FX::FXColor colour) {
    auto* s = new FX::FXVerticalSeparator(
        parent, FX::SEPARATOR_NONE | FX::LAYOUT_FILL_Y | FX::LAYOUT_FIX_WIDTH, 0, 0, kStripeWidth,
        0, 0, 0, 0, 0);
    s->setBackColor(colour);
    return s;
}

}  // namespace

FXDEFMAP(KOProgramu)
KOProgramuMap[] = {
    FXMAPFUNC(FX::SEL_KEYPRESS, 0, KOProgramu::onKeyPress),
    FXMAPFUNC(FX::SEL_KEYRELEASE, 0, KOProgramu::onKeyRelease),
    FXMAPFUNC(FX::SEL_CLOSE, 0, KOProgramu::onCmdClose),
    FXMAPFUNC(FX::SEL_COMMAND, KOProgramu::ID_CLOSE_ABOUT, KOProgramu::onCmdClose),
};

FXIMPLEMENT(KOProgramu, FX::FXTopWindow, KOProgramuMap, ARRAYNUMBER(KOProgramuMap))

constexpr uint16_t KOProgramu::kShortcutCommands[];

KOProgramu::KOProgramu(FX::FXWindow* owner, const char* title, FX::FXuint opts, FX::FXint x,
                       FX::FXint y, FX::FXint w, FX::FXint h, FX::FXint pl, FX::FXint pr,
                       FX::FXint pt, FX::FXint pb, FX::FXint hs, FX::FXint vs)
    : FX::FXTopWindow(owner, toUtf8(title), nullptr, nullptr, opts, x, y, w, h, pl, pr, pt, pb, hs,
                      vs) {
    bannerIcon_ = new FX::FXGIFIcon(getApp(), kAboutBannerGif);
    sideIcon_ = new FX::FXGIFIcon(getApp(), kAboutSideGif);
    createFonts();
    buildContents();
}

KOProgramu::~KOProgramu() {
    delete bannerIcon_;
    delete sideIcon_;
    delete titleFont_;
    delete smallFont_;
}

// The normal font's description at twice its size, and at a third of that.
void KOProgramu::createFonts() {
    FX::FXFontDesc description;
    getApp()->getNormalFont()->getFontDesc(description);
    const FX::FXuint doubled = description.size * 2;
    description.size = doubled;
    titleFont_ = new FX::FXFont(getApp(), description);
    description.size = doubled / 3;
    smallFont_ = new FX::FXFont(getApp(), description);
}

void KOProgramu::buildContents() {
    auto* outer = new FX::FXVerticalFrame(this, FX::LAYOUT_FILL_X | FX::LAYOUT_FILL_Y, 0, 0, 0, 0,
                                          4, 4, 4, 4, 4, 4);
    new FX::FXLabel(outer, FX::FXString::null, bannerIcon_, FX::LABEL_NORMAL);

    auto* middle = new FX::FXHorizontalFrame(outer, FX::LAYOUT_FILL_X | FX::LAYOUT_FILL_Y, 0, 0, 0,
                                             0, 4, 4, 4, 4);
    new FX::FXLabel(middle, FX::FXString::null, sideIcon_, FX::LABEL_NORMAL);
    new FX::FXVerticalSeparator(middle, FX::SEPARATOR_LINE | FX::LAYOUT_FILL_Y);
    stripe(middle, kBlue);
    stripe(middle, kRed);

    auto* column = new FX::FXVerticalFrame(middle, FX::LAYOUT_FILL_X | FX::LAYOUT_FILL_Y, 0, 0, 0,
                                           0, 4, 4, 4, 4, 4, 4);
    const std::string tip =
        std::string(textById(kTitleText)) + "\n" + textById(kVersionText) + " " + kVersion;
    const std::string titleLine = std::string("KELM OR ") + " " + kVersion + "\t" + tip;
    auto* title = new FX::FXLabel(column, toUtf8(titleLine.c_str()), nullptr,
                                  FX::LABEL_NORMAL | FX::LAYOUT_CENTER_X);
    title->setFont(titleFont_);
    title->setTextColor(kBlue);
    new FX::FXHorizontalSeparator(column, FX::SEPARATOR_GROOVE | FX::LAYOUT_FILL_X);
    new FX::FXButton(column, toUtf8(textById(kHelpButtonText)), nullptr, getOwner(),
                     kHelpContentsCommand,
                     FX::BUTTON_TOOLBAR | FX::FRAME_RAISED | FX::LAYOUT_FILL_X);
    new FX::FXHorizontalSeparator(column, FX::SEPARATOR_GROOVE | FX::LAYOUT_FILL_X);
    auto* commands = new FX::FXLabel(column, toUtf8(textById(kCommandsText)), nullptr,
                                     FX::LABEL_NORMAL | FX::LAYOUT_CENTER_X);
    commands->setTextColor(kBlue);
    for (uint16_t id : kShortcutCommands)
        new FX::FXButton(column, toUtf8(commandName(id)), nullptr, getOwner(), id,
                         FX::BUTTON_TOOLBAR | FX::FRAME_RAISED | FX::LAYOUT_FILL_X);

    new FX::FXHorizontalSeparator(outer, FX::SEPARATOR_GROOVE | FX::LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0,
                                  8, 8);
    auto* notice = new FX::FXHorizontalFrame(outer, FX::LAYOUT_FILL_X, 0, 0, 0, 0, 4, 4, 4, 4);
    auto* line =
        new FX::FXLabel(notice, kToolkitNotice, nullptr, FX::LABEL_NORMAL | FX::LAYOUT_RIGHT);
    line->setFont(smallFont_);
    new FX::FXButton(
        outer, toUtf8(convertTildeAccel(textById(kOkText)).c_str()),
        mainWindow != nullptr ? mainWindow->appIcon : nullptr, this, ID_CLOSE_ABOUT,
        FX::BUTTON_NORMAL | FX::BUTTON_DEFAULT | FX::BUTTON_INITIAL | FX::LAYOUT_CENTER_X);
}

int KOProgramu::execute(FX::FXuint placement) {
    create();
    show(placement);
    return getApp()->runModalFor(this);
}

void KOProgramu::sendToOwner(uint16_t command) {
    if (getOwner() != nullptr) getOwner()->handle(this, FXSEL(FX::SEL_COMMAND, command), nullptr);
}

long KOProgramu::onKeyPress(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
    if (FX::FXTopWindow::onKeyPress(sender, sel, ptr)) return 1;
    switch (static_cast<FX::FXEvent*>(ptr)->code) {
        case FX::KEY_Return:
        case FX::KEY_Escape:
            handle(this, FXSEL(FX::SEL_COMMAND, ID_CLOSE_ABOUT), nullptr);
            return 1;
        case FX::KEY_F1:
            sendToOwner(kHelpContentsCommand);
            return 1;
        default:
            return 0;
    }
}

// The releases of the keys the window acts on are swallowed.
long KOProgramu::onKeyRelease(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
    if (FX::FXTopWindow::onKeyRelease(sender, sel, ptr)) return 1;
    const FX::FXuint code = static_cast<FX::FXEvent*>(ptr)->code;
    return code == FX::KEY_Return || code == FX::KEY_Escape || code == FX::KEY_F1 ? 1 : 0;
}

long KOProgramu::onCmdClose(FX::FXObject*, FX::FXSelector, void*) {
    getApp()->stopModal(this, 1);
    hide();
    return 1;
}

void runAboutWindow(FX::FXWindow* owner) {
    auto* about = new KOProgramu(owner, textById(kTitleText), FX::DECOR_BORDER, 0, 0, 0, 0, 10, 10,
                                 10, 10, 4, 4);
    about->execute(FX::PLACEMENT_SCREEN);
    delete about;
}
