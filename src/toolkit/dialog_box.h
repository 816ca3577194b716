#pragma once

#include <cstdint>

#include <fox-1.6/fx.h>

// The window that owns the program's dialogs and message boxes: the main
// window once it exists. Without one, dialogs belong to the application.
void setMainDialogOwner(FX::FXWindow* owner);
FX::FXWindow* mainDialogOwner();
// The window that a box or small dialog raised now belongs to: the window of
// the innermost modal loop while it shows, else the top-level window that has
// the focus, else the main window. The box then stays over the window that
// raised it, and the window manager gives that window the focus back.
FX::FXWindow* topDialogOwner();

// The widget at the end of the window's focus chain: the window itself when
// none of its children has the focus.
FX::FXWindow* focusedWidget(FX::FXWindow* window);
// The first text field under root, depth first, that is shown, enabled and
// editable (the text of a drop-down list counts); null when there is none.
FX::FXTextField* firstEditableField(FX::FXWindow* root);
// Puts the focus in the field and selects its whole text, so that typing
// replaces it.
void focusField(FX::FXTextField* field);

// Remembers which widget of the topmost window has the focus and gives the
// focus back to it when destroyed, if the widget is still there and shows:
// every modal dialog and box keeps one around its run.
class TFocusKeeper {
public:
    TFocusKeeper();
    ~TFocusKeeper();
    TFocusKeeper(const TFocusKeeper&) = delete;
    TFocusKeeper& operator=(const TFocusKeeper&) = delete;

private:
    FX::FXWindow* shell_ = nullptr;
    FX::FXWindow* widget_ = nullptr;
};
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

    // Shows the dialog at least as large as its contents need, with the focus
    // in its first editable field, unless a field of it has the focus
    // already (a dialog shown again after a box).
    void show() override;
    void show(FX::FXuint placement) override;
    // Puts the focus in the field that had it when the dialog last hid, else
    // in the first editable field, unless a field has it.
    void focusFirstField();
    // Remembers the field that has the focus, for the next showing.
    void hide() override;
    // At least as wide as the title, so that the title is not cut.
    FX::FXint getDefaultWidth() override;
    // Runs the dialog modally over the window that opened it; the focus goes
    // back to where it was when the dialog ends.
    FX::FXuint execute(FX::FXuint placement = FX::PLACEMENT_CURSOR) override;

    long onCmdEnter(FX::FXObject*, FX::FXSelector, void*);
    long onCmdHelp(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onKeyRelease(FX::FXObject*, FX::FXSelector, void*);

    int32_t helpPage = 0;
    FX::FXButton* acceptButton = nullptr;

protected:
    TDialogBox() {}

private:
    FX::FXWindow* focusOnHide_ = nullptr;
};

// Options of the buttons of the program's dialogs: a raised default-capable
// button whose icon stands before its caption, never over it.
constexpr FX::FXuint kDialogButtonOpts = FX::BUTTON_DEFAULT | FX::FRAME_RAISED | FX::FRAME_THICK |
                                         FX::ICON_BEFORE_TEXT | FX::JUSTIFY_NORMAL;

// Button sets of TMsgBox: set n stands in bits 28 to 30 of the options.
constexpr FX::FXuint kMsgBoxOk = 1u << 28;
constexpr FX::FXuint kMsgBoxOkCancel = 2u << 28;
constexpr FX::FXuint kMsgBoxYesNo = 3u << 28;
constexpr FX::FXuint kMsgBoxYesNoCancel = 4u << 28;
constexpr FX::FXuint kMsgBoxQuitCancel = 5u << 28;
constexpr FX::FXuint kMsgBoxQuitSaveCancel = 6u << 28;
constexpr FX::FXuint kMsgBoxSetMask = 7u << 28;
// With a set that has a No button: No is the initial button, so that Enter
// pressed by mistake does not delete or destroy anything.
constexpr FX::FXuint kMsgBoxInitialNo = 1u << 31;

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

    // At least as wide as the caption.
    FX::FXint getDefaultWidth() override;
    // Runs the box; the focus goes back to where it was when it ends.
    FX::FXuint execute(FX::FXuint placement = FX::PLACEMENT_CURSOR) override;

    // Build the message from the format, show the box with its icon over the
    // owner (null: the topmost window), placed under the mouse cursor, and
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

// Width a top-level window needs so that its title is shown whole: the
// title's text in the normal font and room for the decorations.
FX::FXint titleWidth(FX::FXTopWindow* window);

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
