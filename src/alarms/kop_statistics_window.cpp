#include "alarms/kop_statistics_window.h"

#include <fox-1.6/fxkeys.h>

#include "toolkit/shared_fonts.h"
#include "toolkit/text_codec.h"

using namespace FX;

// Notes: the window is its own target for the close box. Escape closes it
// unless the shell's own key handling (accelerators) took the key. The
// receiver goes at once, so that nothing more is sent; the window itself is
// deleted from a chore, outside the handler that closes it.

FXDEFMAP(KKOP_StatProzor)
KKOP_StatProzorMap[] = {
    FXMAPFUNC(SEL_CLOSE, KKOP_StatProzor::ID_CLOSE_REQUEST, KKOP_StatProzor::onClose),
    FXMAPFUNC(SEL_KEYPRESS, 0, KKOP_StatProzor::onKeyPress),
    FXMAPFUNC(SEL_CHORE, KKOP_StatProzor::ID_DISPOSE, KKOP_StatProzor::onDispose),
};
FXIMPLEMENT(KKOP_StatProzor, FXDialogBox, KKOP_StatProzorMap, ARRAYNUMBER(KKOP_StatProzorMap))

namespace {

constexpr FXuint kDecorations = DECOR_TITLE | DECOR_BORDER | DECOR_CLOSE;
constexpr FXuint kPlaced = LAYOUT_FIX_X | LAYOUT_FIX_Y | LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT;

FXText* textArea(FXComposite* parent, FXint x, FXint y, FXint w, FXint h) {
    auto* frame = new FXVerticalFrame(parent, FRAME_SUNKEN | FRAME_THICK | kPlaced, x, y, w, h, 0,
                                      0, 0, 0, 0, 0);
    auto* text = new FXText(frame, nullptr, 0, TEXT_READONLY | LAYOUT_FILL_X | LAYOUT_FILL_Y);
    if (sharedFonts().fixedPitch != nullptr) text->setFont(sharedFonts().fixedPitch);
    return text;
}

}  // namespace

KKOP_StatProzor::KKOP_StatProzor(FXApp* app, const char* title)
    : FXDialogBox(app, toUtf8(title), kDecorations, 50, 20, 390, 345, 0, 0, 0, 0, 0, 0) {
    // The areas stand at their own places inside a plain packer that fills
    // the whole window, so that their margins are the window's.
    auto* place = new FXPacker(this, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    header_ = textArea(place, 5, 5, 380, 40);
    statistics_ = textArea(place, 5, 50, 380, 290);
    setTarget(this);
    setSelector(ID_CLOSE_REQUEST);
}

KKOP_StatProzor::~KKOP_StatProzor() {
    getApp()->removeChore(this, ID_DISPOSE);
    delete receiver_;
}

void KKOP_StatProzor::setHeaderText(const std::string& text) {
    header_->setText(toUtf8(text));
}

void KKOP_StatProzor::setStatisticsText(const std::string& text) {
    statistics_->setText(toUtf8(text));
}

void KKOP_StatProzor::removeLater() {
    delete receiver_;
    receiver_ = nullptr;
    hide();
    getApp()->addChore(this, ID_DISPOSE);
}

long KKOP_StatProzor::onClose(FXObject*, FXSelector, void*) {
    removeLater();
    return 1;
}

long KKOP_StatProzor::onKeyPress(FXObject* sender, FXSelector sel, void* ptr) {
    if (FXTopWindow::onKeyPress(sender, sel, ptr)) return 1;
    if (static_cast<const FXEvent*>(ptr)->code == KEY_Escape) {
        removeLater();
        return 1;
    }
    return FXDialogBox::onKeyPress(sender, sel, ptr);
}

long KKOP_StatProzor::onDispose(FXObject*, FXSelector, void*) {
    delete this;
    return 1;
}

KKOP_StatPrijemnik* openKopStatisticsView(const char* title, std::int16_t host,
                                          std::uint8_t cardNumber) {
    FXApp* app = FXApp::instance();
    if (app == nullptr) return nullptr;
    auto* window = new KKOP_StatProzor(app, title);
    window->create();
    window->show(PLACEMENT_DEFAULT);
    auto* receiver = new KKOP_StatPrijemnik(host, cardNumber, window);
    window->setReceiver(receiver);
    return receiver;
}
