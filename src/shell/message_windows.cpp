#include "shell/message_windows.h"

#include <string>
#include <vector>

#include "shell/main_window.h"

/*
  Notes:
  - The grid of a viewer lies in its window's frames. A window deletes its
    viewer (and with it the grid) before its frames or dialog go; when the
    toolkit deletes a dialog first (the application going away), the dialog
    tells its window, whose viewer then forgets the grid.
*/

namespace {

constexpr FX::FXint kVisibleRows = 20;

// Split fields of the last line asked for, shared by every viewer.
std::vector<std::string>& splitFields() {
    static std::vector<std::string> fields;
    return fields;
}

}  // namespace

TTxtMsgViewer::TTxtMsgViewer(TTxtMsgReceiver* stream, FX::FXComposite* parent, const char* layout,
                             bool follow)
    : TTabela(parent, layout, kVisibleRows), stream_(stream), follow(follow ? 1 : 0) {
    if (stream_ == nullptr) return;
    attached = 1;
    stream_->addViewer(this);
}

TTxtMsgViewer::~TTxtMsgViewer() {
    if (attached && stream_ != nullptr) stream_->removeViewer(this);
}

const char* TTxtMsgViewer::getCellText(FX::FXint row, FX::FXint col) {
    if (!attached || stream_ == nullptr || row <= 0) return nullptr;
    const char* line = stream_->buffer().textAt(row - 1);
    if (line == nullptr) return nullptr;
    if (columnCount <= 1) return line;
    std::vector<std::string>& fields = splitFields();
    splitLayout(line, fields);
    if (col < 0 || col >= static_cast<FX::FXint>(fields.size())) return "";
    return fields[static_cast<size_t>(col)].c_str();
}

void TTxtMsgViewer::streamChanged(int code) {
    if (!attached || stream_ == nullptr) return;
    switch (code) {
        case vnLineAppended:
        case vnLogReloaded:
            setRowCount(stream_->buffer().count() + 1);
            break;
        case vnCleared:
            clearRows();
            break;
        default:
            break;
    }
    repaint();
    if (follow) scrollToBottom();
}

void TTxtMsgViewer::streamDetached() {
    attached = 0;
    stream_ = nullptr;
    repaint();
}

// ---------------------------------------------------------------------------

FXIMPLEMENT(TTxtMsgDialog, TDialogBox, nullptr, 0)

TTxtMsgDialog::TTxtMsgDialog(FX::FXApp* app, const char* title, TTxtMsgWindow* window)
    : TDialogBox(app, title,
                 FX::DECOR_TITLE | FX::DECOR_MINIMIZE | FX::DECOR_MAXIMIZE | FX::DECOR_CLOSE |
                     FX::DECOR_BORDER | FX::DECOR_RESIZE,
                 0, 0, 0, 0, 10, 10, 10, 10, 4, 4),
      window_(window) {}

TTxtMsgDialog::~TTxtMsgDialog() {
    if (window_ != nullptr) window_->dialogDeleted();
}

// ---------------------------------------------------------------------------

TTxtMsgWindow::TTxtMsgWindow(TTxtMsgReceiver* stream, FX::FXComposite* owner, const char* title,
                             const char* layout, int32_t width, bool inFrame, bool follow,
                             TTxtMsgWindow** ownerPointer)
    : stream_(stream), ownerPointer_(ownerPointer) {
    const FX::FXuint fill = FX::LAYOUT_FILL_X | FX::LAYOUT_FILL_Y;
    FX::FXComposite* outerParent = owner;
    if (!inFrame) {
        FX::FXApp* app = owner != nullptr ? owner->getApp() : FX::FXApp::instance();
        dialog_ = new TTxtMsgDialog(app, title, this);
        outerParent = dialog_;
    }
    outerFrame_ = new FX::FXVerticalFrame(outerParent, fill, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
    innerFrame_ = new FX::FXVerticalFrame(outerFrame_, fill | FX::FRAME_SUNKEN | FX::FRAME_THICK, 0,
                                          0, 0, 0, 0, 0, 0, 0, 4, 4);
    viewer_ = new TTxtMsgViewer(stream, innerFrame_, layout, follow);
    if (OrTable* grid = viewer_->getTable()) {
        if (fixedPitchFont != nullptr) grid->setFont(fixedPitchFont);
        grid->setWidth(width);
    }
    // A frame added to an owner already on screen is realised at once.
    if (inFrame && owner != nullptr && owner->id() != 0) {
        outerFrame_->create();
        owner->recalc();
    }
    if (ownerPointer_ != nullptr) *ownerPointer_ = this;
    if (stream_ != nullptr) stream_->loadLog();
    created = 0;
}

TTxtMsgWindow::~TTxtMsgWindow() {
    if (ownerPointer_ != nullptr && *ownerPointer_ == this) *ownerPointer_ = nullptr;
    delete viewer_;
    viewer_ = nullptr;
    if (dialog_ != nullptr) {
        dialog_->release();
        delete dialog_;
    } else if (outerFrame_ != nullptr) {
        FX::FXWindow* parent = outerFrame_->getParent();
        delete outerFrame_;
        if (parent != nullptr) parent->recalc();
    }
}

void TTxtMsgWindow::dialogDeleted() {
    if (viewer_ != nullptr) viewer_->forgetTable();
    dialog_ = nullptr;
    outerFrame_ = innerFrame_ = nullptr;
}

void TTxtMsgWindow::setHelpTopic(int32_t page) {
    if (dialog_ != nullptr) dialog_->helpPage = page;
}

void TTxtMsgWindow::show() {
    if (dialog_ == nullptr) return;
    if (!created) {
        dialog_->create();
        created = 1;
    }
    dialog_->show(FX::PLACEMENT_OWNER);
}
