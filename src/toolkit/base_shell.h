#pragma once

#include <cstdint>

#include <fox-1.6/fx.h>

#include "toolkit/dialog_box.h"

// Colour of a shell's title, of a cleared status and of default texts.
constexpr FX::FXColor kShellTitleColour = FXRGB(85, 0, 85);
// Colour of sent requests, answers and refused forms.
constexpr FX::FXColor kShellAlertColour = FXRGB(255, 0, 0);

// Frame of the modeless tool windows that work on a table or a list: a free,
// resizable top-level window with a contents area between an upper and a
// lower frame, a bar of command buttons and a status line with one coloured
// text. Subclasses fill the frames; titles and texts are CP1251.
class TBaseShell : public TDialogBox {
    FXDECLARE(TBaseShell)

public:
    TBaseShell(FX::FXWindow* owner, const char* title, FX::FXint x = 0, FX::FXint y = 0,
               FX::FXint w = 0, FX::FXint h = 0);
    ~TBaseShell() override;

    // A raised button in the button bar, at its right or left end, sending
    // the command id to the shell; the label's first "~" marks its hot key.
    FX::FXButton* addButton(const char* label, FX::FXSelector id, bool right, bool isDefault);
    // Sets the status line's colour and text and repaints it at once.
    void setStatus(const char* text, FX::FXColor colour);
    void setStatusText(const char* text, FX::FXColor colour) { setStatus(text, colour); }

    FX::FXHorizontalFrame* contentsFrame = nullptr;
    FX::FXVerticalFrame* mainFrame = nullptr;
    FX::FXHorizontalFrame* upperFrame = nullptr;
    FX::FXHorizontalFrame* lowerFrame = nullptr;
    FX::FXHorizontalFrame* buttonBar = nullptr;
    FX::FXStatusBar* statusBar = nullptr;

protected:
    TBaseShell() = default;
};

// Most rows of a record form.
constexpr int kRecordFormRows = 128;

// The record form: one labelled text field per field of a record, with
// accept and cancel buttons (cancel the default, so Enter in a field does
// neither). Run it with execute(PLACEMENT_CURSOR): 1 accepted, 0 cancelled.
class TTableModify : public TBaseShell {
    FXDECLARE(TTableModify)

public:
    TTableModify(FX::FXWindow* owner, int expectedFields, const char* title,
                 const char* acceptLabel, const char* cancelLabel);

    // Appends a row; a read-only row (readOnly 1) shows its text in bold and
    // cannot be edited. Rows beyond 128 are refused. Returns the row count.
    int addField(const char* label, const char* text, int readOnly);
    // Copies the row's text (CP1251) into buffer; an index outside the rows
    // leaves it untouched.
    void getFieldText(int index, char* buffer, std::size_t size) const;
    // With more than 8 rows: a size that shows about eight rows.
    void fitWindow();
    int fieldCount() const { return fieldCount_; }

    FX::FXLabel* labels[kRecordFormRows] = {};
    FX::FXTextField* fields[kRecordFormRows] = {};
    FX::FXMatrix* grid = nullptr;
    FX::FXScrollWindow* scroller = nullptr;  // only for more than 8 rows

protected:
    TTableModify() = default;

private:
    int32_t fieldCount_ = 0;
};
