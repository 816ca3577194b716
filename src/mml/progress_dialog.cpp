#include "mml/progress_dialog.h"

#include "toolkit/text_codec.h"

#include <fox-1.6/fxkeys.h>

#include <algorithm>

using namespace FX;

namespace {

FXWindow* dialogOwnerWindow = nullptr;

IProgressView* makeProgressDialog(KProzorPracenjaProcesa& owner) {
    if (FXApp::instance() == nullptr) return nullptr;
    FXWindow* ownerWindow =
        dialogOwnerWindow != nullptr ? dialogOwnerWindow : FXApp::instance()->getRootWindow();
    return new ProzorPracenjaProcesa_Impl(ownerWindow, owner.title().c_str(), owner.lineCount(),
                                          &owner);
}

constexpr FXuint kDialogOptions = DECOR_TITLE | DECOR_CLOSE | DECOR_BORDER | DECOR_RESIZE;

}  // namespace

FXDEFMAP(ProzorPracenjaProcesa_Impl)
ProzorPracenjaProcesaMap[] = {
    FXMAPFUNC(SEL_CLOSE, ProzorPracenjaProcesa_Impl::ID_CLOSE_REQUEST,
              ProzorPracenjaProcesa_Impl::onCmdClose),
    FXMAPFUNC(SEL_KEYPRESS, 0, ProzorPracenjaProcesa_Impl::onKeyPress),
    FXMAPFUNC(SEL_KEYRELEASE, 0, ProzorPracenjaProcesa_Impl::onKeyRelease),
    FXMAPFUNC(SEL_CHORE, ProzorPracenjaProcesa_Impl::ID_DISPOSE,
              ProzorPracenjaProcesa_Impl::onDispose),
};
FXIMPLEMENT(ProzorPracenjaProcesa_Impl, FXDialogBox, ProzorPracenjaProcesaMap,
            ARRAYNUMBER(ProzorPracenjaProcesaMap))

ProzorPracenjaProcesa_Impl::ProzorPracenjaProcesa_Impl(FXWindow* ownerWindow, const char* title,
                                                       int lineCount, KProzorPracenjaProcesa* owner)
    : FXDialogBox(ownerWindow, toUtf8(title), kDialogOptions, 0, 0, 800, 100, 10, 10, 10, 10, 4, 4),
      lineCount_(std::clamp(lineCount, 1, static_cast<int>(KProzorPracenjaProcesa::kMaxLines))),
      owner_(owner) {
    auto* frame =
        new FXVerticalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
    for (int i = 0; i < lineCount_; ++i)
        labels_[i] =
            new FXLabel(frame, FXString::null, nullptr, LABEL_NORMAL | JUSTIFY_LEFT | LAYOUT_FILL_X,
                        0, 0, 0, 0, 2, 2, 2, 2);
    setTarget(this);
    setSelector(ID_CLOSE_REQUEST);
    create();
    show(PLACEMENT_OWNER);
}

ProzorPracenjaProcesa_Impl::~ProzorPracenjaProcesa_Impl() {
    getApp()->removeChore(this, ID_DISPOSE);
    // Destroyed with its parent window while the owner still lives.
    if (owner_ != nullptr) owner_->viewDestroyed();
}

FXLabel* ProzorPracenjaProcesa_Impl::lineLabel(int number) const {
    return number >= 1 && number <= lineCount_ ? labels_[number - 1] : nullptr;
}

void ProzorPracenjaProcesa_Impl::showLine(int number, const char* text) {
    if (FXLabel* label = lineLabel(number)) label->setText(toUtf8(text));
}

void ProzorPracenjaProcesa_Impl::dispose() {
    owner_ = nullptr;
    if (busy_ == 0) {
        delete this;
        return;
    }
    disposed_ = true;  // the close request running now removes the window
    hide();
}

void ProzorPracenjaProcesa_Impl::removeLater() {
    owner_ = nullptr;
    hide();
    getApp()->addChore(this, ID_DISPOSE);
}

void ProzorPracenjaProcesa_Impl::closeWindow() {
    ++busy_;
    const bool closed = owner_ == nullptr || owner_->closeWindow();
    --busy_;
    if (closed || disposed_) removeLater();
}

long ProzorPracenjaProcesa_Impl::onCmdClose(FXObject*, FXSelector, void*) {
    closeWindow();
    return 1;
}

long ProzorPracenjaProcesa_Impl::onKeyPress(FXObject* sender, FXSelector sel, void* ptr) {
    // Escape asks to close like the close box does. The dialog's own Escape
    // would hide it first, leaving a refused close with the window gone.
    if (static_cast<const FXEvent*>(ptr)->code == FX::KEY_Escape) {
        closeWindow();
        return 1;
    }
    FXDialogBox::onKeyPress(sender, sel, ptr);
    return 0;
}

long ProzorPracenjaProcesa_Impl::onKeyRelease(FXObject* sender, FXSelector sel, void* ptr) {
    FXDialogBox::onKeyRelease(sender, sel, ptr);
    return 1;
}

long ProzorPracenjaProcesa_Impl::onDispose(FXObject*, FXSelector, void*) {
    delete this;
    return 1;
}

void installProgressDialogs(FXWindow* ownerWindow) {
    dialogOwnerWindow = ownerWindow;
    setProgressViewFactory(makeProgressDialog);
}
