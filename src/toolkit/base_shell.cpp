/*
  Notes:
  - A shell belongs to the owner's application, not to the owner window, so
    it is a free top-level window that the owner does not delete.
  - The form's text fields have no target: Enter in a field neither accepts
    nor cancels the form.
*/
#include "toolkit/base_shell.h"

#include <cstring>
#include <string>

#include "toolkit/accelerators.h"
#include "toolkit/shared_fonts.h"
#include "toolkit/text_codec.h"

using namespace FX;

namespace {

constexpr FXuint kShellDecor =
    DECOR_TITLE | DECOR_MINIMIZE | DECOR_MAXIMIZE | DECOR_CLOSE | DECOR_BORDER | DECOR_RESIZE;
constexpr FXint kFrameSpacing = 4;
constexpr FXint kButtonPadding = 2;
constexpr int kFormRowsWithoutScroll = 8;
constexpr int kFormFieldColumns = 50;
constexpr FXint kFitExtraWidth = 60;
constexpr FXint kFitExtraHeight = 100;

FXApp* applicationOf(FXWindow* owner) {
    return owner != nullptr ? owner->getApp() : FXApp::instance();
}

// A frame of the shell with padding and spacing 4 all round.
template <class Frame>
Frame* spacedFrame(FXComposite* parent, FXuint opts) {
    return new Frame(parent, opts, 0, 0, 0, 0, kFrameSpacing, kFrameSpacing, kFrameSpacing,
                     kFrameSpacing, kFrameSpacing, kFrameSpacing);
}

}  // namespace

FXIMPLEMENT(TBaseShell, TDialogBox, nullptr, 0)

TBaseShell::TBaseShell(FXWindow* owner, const char* title, FXint x, FXint y, FXint w, FXint h)
    : TDialogBox(applicationOf(owner), title, kShellDecor, x, y, w, h, 10, 10, 10, 10, 4, 4) {
    mainFrame = spacedFrame<FXVerticalFrame>(this, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    upperFrame = spacedFrame<FXHorizontalFrame>(mainFrame, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    new FXHorizontalSeparator(mainFrame, SEPARATOR_GROOVE | LAYOUT_FILL_X);
    contentsFrame = spacedFrame<FXHorizontalFrame>(mainFrame, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    lowerFrame = spacedFrame<FXHorizontalFrame>(mainFrame, LAYOUT_FILL_X);
    buttonBar = spacedFrame<FXHorizontalFrame>(mainFrame, LAYOUT_FILL_X);
    statusBar = new FXStatusBar(mainFrame, LAYOUT_FILL_X | STATUSBAR_WITH_DRAGCORNER);
    setStatus("", kShellTitleColour);
}

// The frames and the status bar are children of the window, which deletes them.
TBaseShell::~TBaseShell() = default;

FXButton* TBaseShell::addButton(const char* label, FXSelector id, bool right, bool isDefault) {
    FXuint opts =
        FRAME_RAISED | FRAME_THICK | LAYOUT_CENTER_Y | (right ? LAYOUT_RIGHT : LAYOUT_LEFT);
    if (isDefault) opts |= BUTTON_DEFAULT | BUTTON_INITIAL;
    auto* button =
        new FXButton(buttonBar, toUtf8(convertTildeAccel(label)), nullptr, this, id, opts, 0, 0, 0,
                     0, kButtonPadding, kButtonPadding, kButtonPadding, kButtonPadding);
    if (isDefault) button->setDefault(TRUE);
    return button;
}

void TBaseShell::setStatus(const char* text, FXColor colour) {
    FXStatusLine* line = statusBar->getStatusLine();
    line->setTextColor(colour);
    line->setNormalText(toUtf8(text != nullptr ? text : ""));
    line->setText(line->getNormalText());
    if (line->id() != 0) line->repaint();
}

// ---------------------------------------------------------------------------

FXIMPLEMENT(TTableModify, TBaseShell, nullptr, 0)

TTableModify::TTableModify(FXWindow* owner, int expectedFields, const char* title,
                           const char* acceptLabel, const char* cancelLabel)
    : TBaseShell(owner, title) {
    FXComposite* holder = contentsFrame;
    if (expectedFields > kFormRowsWithoutScroll) {
        scroller = new FXScrollWindow(
            contentsFrame, LAYOUT_FILL_X | LAYOUT_FILL_Y | HSCROLLING_OFF | VSCROLLER_ALWAYS);
        holder = scroller;
    }
    grid = new FXMatrix(holder, 2, MATRIX_BY_COLUMNS | FRAME_RAISED | LAYOUT_FILL_X | LAYOUT_FILL_Y,
                        0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
    addButton(cancelLabel, FXDialogBox::ID_CANCEL, false, true);
    acceptButton = addButton(acceptLabel, FXDialogBox::ID_ACCEPT, true, false);
}

int TTableModify::addField(const char* label, const char* text, int readOnly) {
    if (fieldCount_ >= kRecordFormRows) return fieldCount_;
    const int row = fieldCount_;
    labels[row] = new FXLabel(
        grid, toUtf8Literal(label != nullptr ? label : ""), nullptr,
        FRAME_RAISED | LAYOUT_FILL_X | LAYOUT_FILL_Y | LAYOUT_FILL_COLUMN | LAYOUT_FILL_ROW, 0, 0,
        0, 0, 2, 2, 2, 2);
    fields[row] =
        new FXTextField(grid, kFormFieldColumns, nullptr, 0,
                        FRAME_SUNKEN | FRAME_THICK | LAYOUT_FILL_COLUMN, 0, 0, 0, 0, 2, 2, 2, 2);
    if (text != nullptr) fields[row]->setText(toUtf8(text));
    if (readOnly == 1) {
        if (sharedFonts().bold != nullptr) fields[row]->setFont(sharedFonts().bold);
        fields[row]->disable();
    }
    if (id() != 0) {
        labels[row]->create();
        fields[row]->create();
    }
    return ++fieldCount_;
}

void TTableModify::getFieldText(int index, char* buffer, std::size_t size) const {
    if (index < 0 || index >= fieldCount_ || buffer == nullptr || size == 0) return;
    const std::string text = fromUtf8(fields[index]->getText());
    const std::size_t n = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

void TTableModify::fitWindow() {
    if (fieldCount_ <= kFormRowsWithoutScroll) return;
    const FXint rowHeight = grid->getDefaultHeight() / fieldCount_;
    resize(grid->getDefaultWidth() + kFitExtraWidth,
           rowHeight * kFormRowsWithoutScroll + kFitExtraHeight);
}
