/*
  Notes:
  - TDialogBox passes every key to FXDialogBox first (Escape cancels there);
    only an F1 that nothing handled opens the help page.
  - TMsgBox ends its modal loop itself with the result of the button; the
    cancel command, which FXDialogBox also sends for Escape, counts as Cancel.
  - The message label doubles every "&" so that the text shows unchanged.
  - Boxes and small dialogs belong to the topmost window that shows, and a
    TFocusKeeper around every modal run puts the focus back into the field
    that had it, so the operator can type on after a box.
  - A dialog's default width holds its title: the window manager would cut
    a title wider than the window.
*/
#include "toolkit/dialog_box.h"

#include <fox-1.6/fxkeys.h>

#include <cstdarg>
#include <cstdio>
#include <string>

#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "toolkit/accelerators.h"
#include "toolkit/dialog_icons.h"
#include "toolkit/text_codec.h"
#include "utils/message_box.h"

namespace {

FX::FXWindow* dialogOwner = nullptr;

// Room that a title bar needs beside its text: the window icon, the margins
// and the buttons. Window managers draw the title in a bold font and often
// show all three buttons whatever the decorations ask, so both are allowed for.
constexpr FX::FXint kTitleMargin = 48;
constexpr FX::FXint kTitleButtonWidth = 24;
constexpr FX::FXint kTitleButtons = 3;
constexpr FX::FXint kBoldTitlePercent = 115;

bool isEditableField(FX::FXWindow* w) {
    if (w == nullptr || !w->isMemberOf(FXMETACLASS(FX::FXTextField))) return false;
    auto* field = static_cast<FX::FXTextField*>(w);
    return field->shown() && field->isEnabled() && field->isEditable();
}

// A size given by the window's maker never cuts its contents off.
void fitContents(FX::FXTopWindow* window) {
    const FX::FXint w = FXMAX(window->getWidth(), window->getDefaultWidth());
    const FX::FXint h = FXMAX(window->getHeight(), window->getDefaultHeight());
    if (w != window->getWidth() || h != window->getHeight()) window->resize(w, h);
}

bool isTopLevel(FX::FXApp* app, FX::FXWindow* window) {
    for (FX::FXWindow* w = app->getRootWindow()->getFirst(); w != nullptr; w = w->getNext())
        if (w == window) return true;
    return false;
}

bool holds(FX::FXWindow* root, FX::FXWindow* window) {
    if (root == window) return true;
    for (FX::FXWindow* w = root->getFirst(); w != nullptr; w = w->getNext())
        if (holds(w, window)) return true;
    return false;
}

enum class EButtonIcon : uint8_t { None, Accept, Cancel };

// One button of a set: its result, its catalogue text (0: plain label).
struct SMsgButton {
    FX::FXuint result;
    int textId;
    const char* plainLabel;
    EButtonIcon icon;
    bool initial;
};

struct SMsgButtonSet {
    SMsgButton buttons[3];
    int count;
};

// Sets 1..6, buttons left to right.
const SMsgButtonSet kButtonSets[] = {
    {{{kMsgBoxClickedOk, 21401, nullptr, EButtonIcon::Accept, true}}, 1},
    {{{kMsgBoxClickedOk, 21401, nullptr, EButtonIcon::Accept, true},
      {kMsgBoxClickedCancel, 22019, nullptr, EButtonIcon::Cancel, false}},
     2},
    {{{kMsgBoxClickedYes, 25955, nullptr, EButtonIcon::Accept, true},
      {kMsgBoxClickedNo, 25956, nullptr, EButtonIcon::Cancel, false}},
     2},
    {{{kMsgBoxClickedYes, 25955, nullptr, EButtonIcon::None, true},
      {kMsgBoxClickedNo, 25956, nullptr, EButtonIcon::None, false},
      {kMsgBoxClickedCancel, 22019, nullptr, EButtonIcon::Cancel, false}},
     3},
    {{{kMsgBoxClickedQuit, 0, "&Quit", EButtonIcon::None, true},
      {kMsgBoxClickedCancel, 0, "&Cancel", EButtonIcon::None, false}},
     2},
    {{{kMsgBoxClickedQuit, 0, "&Quit", EButtonIcon::None, false},
      {kMsgBoxClickedSave, 0, "&Save", EButtonIcon::None, true},
      {kMsgBoxClickedCancel, 0, "&Cancel", EButtonIcon::None, false}},
     3},
};

FX::FXIcon* buttonIcon(EButtonIcon icon) {
    switch (icon) {
        case EButtonIcon::None:
            return nullptr;
        case EButtonIcon::Accept:
            return acceptIcon();
        case EButtonIcon::Cancel:
            return cancelIcon();
    }
    return nullptr;
}

std::string vformat(const char* format, va_list args) {
    if (format == nullptr) return std::string();
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n <= 0) return std::string();
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(&out[0], out.size(), format, args);
    out.resize(static_cast<std::size_t>(n));
    return out;
}

FX::FXuint runBox(FX::FXWindow* owner, FX::FXuint opts, const char* caption,
                  const std::string& text, EMessageIcon kind) {
    FX::FXApp* app = FX::FXApp::instance();
    if (app == nullptr) return kMsgBoxClickedCancel;
    FX::FXIcon* icon = makeMessageIcon(kind);
    const FX::FXuint boxOpts = opts | FX::DECOR_TITLE | FX::DECOR_BORDER;
    if (owner == nullptr) owner = topDialogOwner();
    TMsgBox* box = owner != nullptr ? new TMsgBox(owner, caption, text.c_str(), icon, boxOpts)
                                    : new TMsgBox(app, caption, text.c_str(), icon, boxOpts);
    const FX::FXuint result = box->execute(FX::PLACEMENT_CURSOR);
    delete box;
    delete icon;
    return result;
}

}  // namespace

void setMainDialogOwner(FX::FXWindow* owner) {
    dialogOwner = owner;
}

FX::FXWindow* mainDialogOwner() {
    return dialogOwner;
}

FX::FXWindow* topDialogOwner() {
    FX::FXApp* app = FX::FXApp::instance();
    if (app != nullptr) {
        FX::FXWindow* modal = app->getModalWindow();
        if (modal != nullptr && modal->shown()) return modal;
        FX::FXWindow* active = app->getActiveWindow();
        // A window of the program, not a floating toolbar or a tooltip.
        if (active != nullptr && active->shown() &&
            (active->isMemberOf(FXMETACLASS(FX::FXDialogBox)) ||
             active->isMemberOf(FXMETACLASS(FX::FXMainWindow))))
            return active;
    }
    return dialogOwner;
}

FX::FXWindow* focusedWidget(FX::FXWindow* window) {
    if (window == nullptr) return nullptr;
    while (window->getFocus() != nullptr) window = window->getFocus();
    return window;
}

FX::FXTextField* firstEditableField(FX::FXWindow* root) {
    if (root == nullptr) return nullptr;
    for (FX::FXWindow* w = root->getFirst(); w != nullptr; w = w->getNext()) {
        if (!w->shown()) continue;
        if (isEditableField(w)) return static_cast<FX::FXTextField*>(w);
        if (FX::FXTextField* field = firstEditableField(w)) return field;
    }
    return nullptr;
}

void focusField(FX::FXTextField* field) {
    if (field == nullptr) return;
    field->setFocus();
    field->selectAll();
}

FX::FXint titleWidth(FX::FXTopWindow* window) {
    const FX::FXuint decor = window->getDecorations();
    if ((decor & FX::DECOR_TITLE) == 0) return 0;
    const FX::FXint text = window->getApp()->getNormalFont()->getTextWidth(window->getTitle());
    return text * kBoldTitlePercent / 100 + kTitleMargin + kTitleButtons * kTitleButtonWidth;
}

// ------------------------------------------------------------- TFocusKeeper

TFocusKeeper::TFocusKeeper() {
    shell_ = topDialogOwner();
    widget_ = focusedWidget(shell_);
}

TFocusKeeper::~TFocusKeeper() {
    FX::FXApp* app = FX::FXApp::instance();
    if (app == nullptr || shell_ == nullptr || widget_ == nullptr || widget_ == shell_) return;
    // The box's loop served the poll: the window may have gone meanwhile.
    if (!isTopLevel(app, shell_) || !shell_->shown() || !holds(shell_, widget_)) return;
    widget_->setFocus();
}

namespace {

class TMsgBoxPresenter : public IMessageBoxPresenter {
public:
    int show(Kind kind, const char* caption, const char* text, FX::FXWindow* owner) override {
        if (FX::FXApp::instance() == nullptr) return 0;
        if (owner == nullptr) owner = topDialogOwner();
        // The text is never used as a format: it goes through "%s".
        switch (kind) {
            case Kind::Information:
                TMsgBox::information(owner, kMsgBoxOk, caption, "%s", text != nullptr ? text : "");
                return 1;
            case Kind::Error:
                TMsgBox::error(owner, kMsgBoxOk, caption, "%s", text != nullptr ? text : "");
                return 1;
            case Kind::Question:
            case Kind::DeletionQuestion: {
                const FX::FXuint opts =
                    kMsgBoxYesNo | (kind == Kind::DeletionQuestion ? kMsgBoxInitialNo : 0);
                return TMsgBox::question(owner, opts, caption, "%s", text != nullptr ? text : "") ==
                               kMsgBoxClickedYes
                           ? 1
                           : 0;
            }
        }
        return 0;
    }
};

TMsgBoxPresenter msgBoxPresenter;

}  // namespace

void useToolkitMessageBoxes() {
    setDefaultMessageBoxPresenter(&msgBoxPresenter);
}

// ---------------------------------------------------------------- TDialogBox

FXDEFMAP(TDialogBox)
TDialogBoxMap[] = {
    FXMAPFUNC(FX::SEL_COMMAND, TDialogBox::ID_ENTER, TDialogBox::onCmdEnter),
    FXMAPFUNC(FX::SEL_COMMAND, TDialogBox::ID_HELP, TDialogBox::onCmdHelp),
    FXMAPFUNC(FX::SEL_KEYPRESS, 0, TDialogBox::onKeyPress),
    FXMAPFUNC(FX::SEL_KEYRELEASE, 0, TDialogBox::onKeyRelease),
};
FXIMPLEMENT(TDialogBox, FX::FXDialogBox, TDialogBoxMap, ARRAYNUMBER(TDialogBoxMap))

TDialogBox::TDialogBox(FX::FXApp* app, const char* title, FX::FXuint opts, FX::FXint x, FX::FXint y,
                       FX::FXint w, FX::FXint h, FX::FXint pl, FX::FXint pr, FX::FXint pt,
                       FX::FXint pb, FX::FXint hs, FX::FXint vs)
    : FX::FXDialogBox(app, toUtf8(title), opts, x, y, w, h, pl, pr, pt, pb, hs, vs) {}

TDialogBox::TDialogBox(FX::FXWindow* owner, const char* title, FX::FXuint opts, FX::FXint x,
                       FX::FXint y, FX::FXint w, FX::FXint h, FX::FXint pl, FX::FXint pr,
                       FX::FXint pt, FX::FXint pb, FX::FXint hs, FX::FXint vs)
    : FX::FXDialogBox(owner, toUtf8(title), opts, x, y, w, h, pl, pr, pt, pb, hs, vs) {}

void TDialogBox::show(FX::FXuint placement) {
    fitContents(this);
    FX::FXDialogBox::show(placement);
    focusFirstField();
}

void TDialogBox::show() {
    fitContents(this);
    FX::FXDialogBox::show();
    focusFirstField();
}

void TDialogBox::focusFirstField() {
    if (isEditableField(focusedWidget(this))) return;
    FX::FXWindow* had = focusOnHide_;
    focusOnHide_ = nullptr;
    if (had != nullptr && holds(this, had) && isEditableField(had))
        had->setFocus();
    else
        focusField(firstEditableField(this));
}

void TDialogBox::hide() {
    focusOnHide_ = focusedWidget(this);
    FX::FXDialogBox::hide();
}

FX::FXint TDialogBox::getDefaultWidth() {
    return FXMAX(FX::FXDialogBox::getDefaultWidth(), titleWidth(this));
}

FX::FXuint TDialogBox::execute(FX::FXuint placement) {
    TFocusKeeper keeper;
    return FX::FXDialogBox::execute(placement);
}

void TDialogBox::openHelp() {
    openHelpPage(static_cast<uint16_t>(helpPage));
}

long TDialogBox::onCmdEnter(FX::FXObject*, FX::FXSelector, void*) {
    if (acceptButton != nullptr)
        handle(this, FXSEL(FX::SEL_COMMAND, FX::FXDialogBox::ID_ACCEPT), nullptr);
    return 1;
}

long TDialogBox::onCmdHelp(FX::FXObject*, FX::FXSelector, void*) {
    openHelp();
    return 1;
}

long TDialogBox::onKeyPress(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
    if (FX::FXDialogBox::onKeyPress(sender, sel, ptr)) return 1;
    const auto* event = static_cast<const FX::FXEvent*>(ptr);
    if (event == nullptr || event->code != KEY_F1) return 0;
    openHelp();
    return 1;
}

long TDialogBox::onKeyRelease(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
    FX::FXDialogBox::onKeyRelease(sender, sel, ptr);
    return 1;
}

// ------------------------------------------------------------------- TMsgBox

FXDEFMAP(TMsgBox)
TMsgBoxMap[] = {
    FXMAPFUNC(FX::SEL_COMMAND, FX::FXDialogBox::ID_CANCEL, TMsgBox::onCmdCancel),
    FXMAPFUNCS(FX::SEL_COMMAND, TMsgBox::ID_CLICKED_YES, TMsgBox::ID_CLICKED_SAVE,
               TMsgBox::onCmdClicked),
};
FXIMPLEMENT(TMsgBox, FX::FXDialogBox, TMsgBoxMap, ARRAYNUMBER(TMsgBoxMap))

TMsgBox::TMsgBox(FX::FXWindow* owner, const char* caption, const char* text, FX::FXIcon* icon,
                 FX::FXuint opts, FX::FXint x, FX::FXint y)
    : FX::FXDialogBox(
          owner, toUtf8(caption),
          (opts & ~(kMsgBoxSetMask | kMsgBoxInitialNo)) | FX::DECOR_TITLE | FX::DECOR_BORDER, x, y,
          0, 0, 0, 0, 0, 0, 4, 4) {
    build(text, icon, opts);
}

TMsgBox::TMsgBox(FX::FXApp* app, const char* caption, const char* text, FX::FXIcon* icon,
                 FX::FXuint opts, FX::FXint x, FX::FXint y)
    : FX::FXDialogBox(
          app, toUtf8(caption),
          (opts & ~(kMsgBoxSetMask | kMsgBoxInitialNo)) | FX::DECOR_TITLE | FX::DECOR_BORDER, x, y,
          0, 0, 0, 0, 0, 0, 4, 4) {
    build(text, icon, opts);
}

void TMsgBox::build(const char* text, FX::FXIcon* icon, FX::FXuint opts) {
    using namespace FX;
    auto* content =
        new FXVerticalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
    auto* info = new FXHorizontalFrame(content, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 10, 10,
                                       10, 10, 4, 4);
    new FXLabel(info, FXString(), icon, ICON_BEFORE_TEXT | LAYOUT_CENTER_Y);
    auto* message = new FXLabel(info, FXString(), nullptr,
                                JUSTIFY_LEFT | ICON_BEFORE_TEXT | LAYOUT_FILL_X | LAYOUT_FILL_Y);
    message->setText(toUtf8Literal(text != nullptr ? text : ""));
    new FXHorizontalSeparator(content, SEPARATOR_GROOVE | LAYOUT_FILL_X);
    auto* row = new FXHorizontalFrame(content, LAYOUT_FILL_X | PACK_UNIFORM_WIDTH, 0, 0, 0, 0, 10,
                                      10, 5, 5);
    FXuint set = (opts & kMsgBoxSetMask) >> 28;
    if (set < 1 || set > 6) set = 1;  // a box always has a button to end it
    const SMsgButtonSet& buttons = kButtonSets[set - 1];
    bool hasNo = false;
    for (int i = 0; i < buttons.count; ++i)
        if (buttons.buttons[i].result == kMsgBoxClickedNo) hasNo = true;
    for (int i = 0; i < buttons.count; ++i) {
        const SMsgButton& b = buttons.buttons[i];
        const std::string label =
            b.textId != 0 ? convertTildeAccel(textById(b.textId)) : std::string(b.plainLabel);
        FXuint buttonOpts = kDialogButtonOpts | LAYOUT_TOP | LAYOUT_LEFT | LAYOUT_CENTER_X;
        const bool initial =
            (opts & kMsgBoxInitialNo) != 0 && hasNo ? b.result == kMsgBoxClickedNo : b.initial;
        if (initial) buttonOpts |= BUTTON_INITIAL;
        auto* button = new FXButton(row, toUtf8(label), buttonIcon(b.icon), this,
                                    ID_CLICKED_YES + b.result - kMsgBoxClickedYes, buttonOpts, 0, 0,
                                    0, 0, 30, 30, 2, 2);
        if (initial) {
            button->setFocus();
            button->setDefault(TRUE);
        }
    }
}

FX::FXint TMsgBox::getDefaultWidth() {
    return FXMAX(FX::FXDialogBox::getDefaultWidth(), titleWidth(this));
}

FX::FXuint TMsgBox::execute(FX::FXuint placement) {
    TFocusKeeper keeper;
    return FX::FXDialogBox::execute(placement);
}

long TMsgBox::onCmdClicked(FX::FXObject*, FX::FXSelector sel, void*) {
    getApp()->stopModal(this, FXSELID(sel) - ID_CLICKED_YES + kMsgBoxClickedYes);
    hide();
    return 1;
}

long TMsgBox::onCmdCancel(FX::FXObject* sender, FX::FXSelector, void* ptr) {
    return onCmdClicked(sender, FXSEL(FX::SEL_COMMAND, ID_CLICKED_CANCEL), ptr);
}

FX::FXuint TMsgBox::error(FX::FXWindow* owner, FX::FXuint opts, const char* caption,
                          const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = vformat(format, args);
    va_end(args);
    return runBox(owner, opts, caption, text, EMessageIcon::Error);
}

FX::FXuint TMsgBox::question(FX::FXWindow* owner, FX::FXuint opts, const char* caption,
                             const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = vformat(format, args);
    va_end(args);
    return runBox(owner, opts, caption, text, EMessageIcon::Question);
}

FX::FXuint TMsgBox::information(FX::FXWindow* owner, FX::FXuint opts, const char* caption,
                                const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = vformat(format, args);
    va_end(args);
    return runBox(owner, opts, caption, text, EMessageIcon::Information);
}

// ----------------------------------------------------------- TRadioExclusion

FXDEFMAP(TRadioExclusion)
TRadioExclusionMap[] = {
    FXMAPFUNC(FX::SEL_COMMAND, TRadioExclusion::ID_RADIO, TRadioExclusion::onCmdRadio),
};
FXIMPLEMENT(TRadioExclusion, FX::FXObject, TRadioExclusionMap, ARRAYNUMBER(TRadioExclusionMap))

long TRadioExclusion::onCmdRadio(FX::FXObject* sender, FX::FXSelector, void*) {
    if (sender == nullptr || !sender->isMemberOf(FXMETACLASS(FX::FXRadioButton))) return 0;
    select(static_cast<FX::FXRadioButton*>(sender));
    return 1;
}

void TRadioExclusion::select(FX::FXRadioButton* button) {
    button->setCheck(TRUE);
    for (FX::FXWindow* w = button->getParent()->getFirst(); w != nullptr; w = w->getNext()) {
        if (w != button && w->isMemberOf(FXMETACLASS(FX::FXRadioButton)))
            static_cast<FX::FXRadioButton*>(w)->setCheck(FALSE);
    }
}
