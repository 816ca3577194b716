#pragma once

#include <cstdint>

#include <fox-1.6/fx.h>

#include "link/text_streams.h"
#include "toolkit/dialog_box.h"
#include "toolkit/tabela.h"

// A table of the lines of one text-message stream: row 0 holds the column
// titles of the layout string, row k the stream's line k - 1 (the oldest in
// row 1). The viewer keeps no copy of the lines: each cell is read from the
// stream's ring when it is drawn, split into columns at "|" and 0xB3 as the
// layout string is.
class TTxtMsgViewer : public TTabela, public ITxtMsgViewer {
public:
    // stream may be null: the viewer then shows no lines.
    TTxtMsgViewer(TTxtMsgReceiver* stream, FX::FXComposite* parent, const char* layout,
                  bool follow);
    ~TTxtMsgViewer() override;

    // Null for the title row, a row beyond the stream's lines and a viewer
    // whose stream is gone; a column beyond the line's fields is empty. The
    // text of a split line is valid until the next call.
    const char* getCellText(FX::FXint row, FX::FXint col) override;

    void streamChanged(int code) override;
    void streamDetached() override;

    TTxtMsgReceiver* stream() const { return stream_; }
    bool isAttached() const { return attached != 0; }
    bool follows() const { return follow != 0; }
    // The grid went with its window: the viewer no longer touches it.
    void forgetTable() { table = nullptr; }

protected:
    TTxtMsgReceiver* stream_ = nullptr;
    uint8_t attached = 0;
    uint8_t follow = 0;
};

class TTxtMsgWindow;

// The dialog of a message window; tells its window when the toolkit deletes
// it first, so that the window leaves the grid alone.
class TTxtMsgDialog : public TDialogBox {
    FXDECLARE(TTxtMsgDialog)

public:
    TTxtMsgDialog(FX::FXApp* app, const char* title, TTxtMsgWindow* window);
    ~TTxtMsgDialog() override;
    void release() { window_ = nullptr; }

protected:
    TTxtMsgDialog() = default;

private:
    TTxtMsgWindow* window_ = nullptr;
};

// A window of one viewer: either a frame inside an owner window (the
// operator-message list of the main window) or a dialog of its own (report
// and debug windows). Creating it reloads the stream from its log, so the
// window shows the stream's history. Closing a dialog only hides it; the
// next show() shows the same window with what arrived meanwhile.
class TTxtMsgWindow {
public:
    // title and layout are CP1251; ownerPointer, when given, is set to the
    // window and cleared when the window is destroyed.
    TTxtMsgWindow(TTxtMsgReceiver* stream, FX::FXComposite* owner, const char* title,
                  const char* layout, int32_t width, bool inFrame, bool follow,
                  TTxtMsgWindow** ownerPointer);
    virtual ~TTxtMsgWindow();
    TTxtMsgWindow(const TTxtMsgWindow&) = delete;
    TTxtMsgWindow& operator=(const TTxtMsgWindow&) = delete;

    // The dialog's help page; nothing for a window in a frame.
    void setHelpTopic(int32_t page);
    // Creates the dialog on the first call, then shows it centred on its
    // owner; nothing for a window in a frame.
    void show();

    TTxtMsgViewer* viewer() const { return viewer_; }
    TDialogBox* dialog() const { return dialog_; }
    FX::FXVerticalFrame* outerFrame() const { return outerFrame_; }
    TTxtMsgReceiver* stream() const { return stream_; }
    bool isCreated() const { return created != 0; }

    // Called by the dialog when the toolkit deletes it before the window.
    void dialogDeleted();

private:
    TTxtMsgReceiver* stream_ = nullptr;
    TTxtMsgWindow** ownerPointer_ = nullptr;
    FX::FXVerticalFrame* outerFrame_ = nullptr;
    FX::FXVerticalFrame* innerFrame_ = nullptr;
    TTxtMsgDialog* dialog_ = nullptr;
    uint8_t created = 0;
    TTxtMsgViewer* viewer_ = nullptr;
};
