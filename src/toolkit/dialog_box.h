#pragma once

#include <cstdint>

#include <fox-1.6/fx.h>

// The window that owns the program's dialogs and message boxes: the main
// window once it exists. Without one, dialogs belong to the application.
void setMainDialogOwner(FX::FXWindow* owner);
FX::FXWindow* mainDialogOwner();
// Makes the program's message boxes (utils/message_box.h) TMsgBox boxes over
// the given owner, else the main dialog owner; called once the application exists.
void useToolkitMessageBoxes();

// Base of every dialog of the program: a help page opened with F1 or the help
// command, and an optional accept button that lets Enter in a text field
// accept the dialog. Titles are CP1251.
class TDialogBox : public FX::FXDialogBox {
    FXDECLARE(TDialogBox)

public:
    enum {
        ID_ENTER = FX::FXDialogBox::ID_LAST,  // sent by text fields on Enter
        ID_HELP,                              // sent by a help button
        ID_LAST
    };

    TDialogBox(FX::FXApp* app, const char* title,
               FX::FXuint opts = FX::DECOR_TITLE | FX::DECOR_BORDER, FX::FXint x = 0,
               FX::FXint y = 0, FX::FXint w = 0, FX::FXint h = 0, FX::FXint pl = 10,
               FX::FXint pr = 10, FX::FXint pt = 10, FX::FXint pb = 10, FX::FXint hs = 4,
               FX::FXint vs = 4);
    TDialogBox(FX::FXWindow* owner, const char* title,
               FX::FXuint opts = FX::DECOR_TITLE | FX::DECOR_BORDER, FX::FXint x = 0,
               FX::FXint y = 0, FX::FXint w = 0, FX::FXint h = 0, FX::FXint pl = 10,
               FX::FXint pr = 10, FX::FXint pt = 10, FX::FXint pb = 10, FX::FXint hs = 4,
               FX::FXint vs = 4);

    void setAcceptButton(FX::FXButton* button) { acceptButton = button; }
    // Opens the dialog's help page (0: the help index).
    void openHelp();

    long onCmdEnter(FX::FXObject*, FX::FXSelector, void*);
    long onCmdHelp(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onKeyRelease(FX::FXObject*, FX::FXSelector, void*);

    int32_t helpPage = 0;
    FX::FXButton* acceptButton = nullptr;

protected:
    TDialogBox() {}
};

// Button sets of TMsgBox: set n stands in bits 28 to 30 of the options.
constexpr FX::FXuint kMsgBoxOk = 1u << 28;
constexpr FX::FXuint kMsgBoxOkCancel = 2u << 28;
constexpr FX::FXuint kMsgBoxYesNo = 3u << 28;
constexpr FX::FXuint kMsgBoxYesNoCancel = 4u << 28;
constexpr FX::FXuint kMsgBoxQuitCancel = 5u << 28;
constexpr FX::FXuint kMsgBoxQuitSaveCancel = 6u << 28;
constexpr FX::FXuint kMsgBoxSetMask = 7u << 28;

// What ended a box.
enum : FX::FXuint {
    kMsgBoxClickedYes = 1,
    kMsgBoxClickedNo = 2,
    kMsgBoxClickedOk = 3,
    kMsgBoxClickedCancel = 4,
    kMsgBoxClickedQuit = 5,
    kMsgBoxClickedSave = 6,
};

// The program's modal message box: an icon, a message and one button set;
// the result tells which button ended it (Escape is Cancel). Texts are CP1251
// and shown unchanged.
class TMsgBox : public FX::FXDialogBox {
    FXDECLARE(TMsgBox)

public:
    enum {
        ID_CLICKED_YES = FX::FXDialogBox::ID_LAST,
        ID_CLICKED_NO,
        ID_CLICKED_OK,
        ID_CLICKED_CANCEL,
        ID_CLICKED_QUIT,
        ID_CLICKED_SAVE,
        ID_LAST
    };

    TMsgBox(FX::FXWindow* owner, const char* caption, const char* text, FX::FXIcon* icon,
            FX::FXuint opts = 0, FX::FXint x = 0, FX::FXint y = 0);
    TMsgBox(FX::FXApp* app, const char* caption, const char* text, FX::FXIcon* icon,
            FX::FXuint opts = 0, FX::FXint x = 0, FX::FXint y = 0);

    long onCmdClicked(FX::FXObject*, FX::FXSelector, void*);
    long onCmdCancel(FX::FXObject*, FX::FXSelector, void*);

    // Build the message from the format, show the box with its icon over the
    // owner (null: the application), placed under the mouse cursor, and
    // return the result 1..6.
    static FX::FXuint error(FX::FXWindow* owner, FX::FXuint opts, const char* caption,
                            const char* format, ...) __attribute__((format(printf, 4, 5)));
    static FX::FXuint question(FX::FXWindow* owner, FX::FXuint opts, const char* caption,
                               const char* format, ...) __attribute__((format(printf, 4, 5)));
    static FX::FXuint information(FX::FXWindow* owner, FX::FXuint opts, const char* caption,
                                  const char* format, ...) __attribute__((format(printf, 4, 5)));

protected:
    TMsgBox() {}

private:
    void build(const char* text, FX::FXIcon* icon, FX::FXuint opts);
};

// Target of the radio buttons of one or more group boxes: a button that is
// checked unchecks the other radio buttons of its own box, which FOX 1.6
// leaves to the application.
class TRadioExclusion : public FX::FXObject {
    FXDECLARE(TRadioExclusion)

public:
    enum { ID_RADIO = 1, ID_LAST };
    TRadioExclusion() = default;
    long onCmdRadio(FX::FXObject*, FX::FXSelector, void*);
    // Checks the button and unchecks its siblings.
    static void select(FX::FXRadioButton* button);
};
