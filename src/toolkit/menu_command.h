#pragma once

#include <cstdint>

#include <fox-1.6/fx.h>

// The entry of the main window's pull-down menus: one per operator command.
// Its text is "label\taccelerator\thelp"; an accelerator is registered with
// the owner of the pane. When chosen (mouse, Space or Enter, hot key or
// accelerator) it sends SEL_COMMAND with its selector and the data 1 to its
// target. A hot-key release fires only when exactly one hot-key press
// reached the item since the last release, so a held, repeating key or a
// release whose press went elsewhere does nothing.
class TFXMenuCommand : public FX::FXMenuCaption {
    FXDECLARE(TFXMenuCommand)

protected:
    TFXMenuCommand();

    uint8_t checkState = 0;
    FX::FXString accelText;
    FX::FXHotKey accelKey = 0;
    int32_t hotKeyPresses = 0;

public:
    // Sizes of the layout, in pixels.
    static constexpr int kLeadWidth = 22;   // at least, for the check mark or the icon
    static constexpr int kTrailSpace = 16;  // after the accelerator text
    static constexpr int kAccelGap = 5;     // between label and accelerator text
    static constexpr int kIconPadding = 5;  // added to icon and font sizes

    TFXMenuCommand(FX::FXComposite* parent, const FX::FXString& text, FX::FXIcon* icon = nullptr,
                   FX::FXObject* target = nullptr, FX::FXSelector selector = 0,
                   FX::FXuint options = 0);
    ~TFXMenuCommand() override;

    void check();
    void uncheck();
    bool isChecked() const { return checkState == 1; }
    FX::FXString getAccelText() const { return accelText; }
    FX::FXHotKey getAccelKey() const { return accelKey; }
    int32_t pendingHotKeyPresses() const { return hotKeyPresses; }

    bool canFocus() const override;
    void setFocus() override;
    void killFocus() override;
    FX::FXint getDefaultWidth() override;
    FX::FXint getDefaultHeight() override;
    void save(FX::FXStream& store) const override;
    void load(FX::FXStream& store) override;

    long onPaint(FX::FXObject*, FX::FXSelector, void*);
    long onEnter(FX::FXObject*, FX::FXSelector, void*);
    long onLeave(FX::FXObject*, FX::FXSelector, void*);
    long onButtonPress(FX::FXObject*, FX::FXSelector, void*);
    long onButtonRelease(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onKeyRelease(FX::FXObject*, FX::FXSelector, void*);
    long onHotKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onHotKeyRelease(FX::FXObject*, FX::FXSelector, void*);
    long onCmdCheck(FX::FXObject*, FX::FXSelector, void*);
    long onCmdUncheck(FX::FXObject*, FX::FXSelector, void*);
    long onCmdSetValue(FX::FXObject*, FX::FXSelector, void*);
    long onCmdSetIntValue(FX::FXObject*, FX::FXSelector, void*);
    long onCmdGetIntValue(FX::FXObject*, FX::FXSelector, void*);
    long onCmdAccel(FX::FXObject*, FX::FXSelector, void*);

private:
    FX::FXAccelTable* ownerAccelTable() const;
    // Closes the menu and sends the command.
    void fire(bool closeMenu);
    void drawCheckMark(FX::FXDC& dc, FX::FXint x, FX::FXint y);
};

// A pull-down pane that makes its windows on the display when it first pops
// up. The main window's menus hold some 750 entries; making them all at
// start-up, when no operator has opened a menu yet, took most of the time
// before the main window appeared.
class TLazyMenuPane : public FX::FXMenuPane {
public:
    explicit TLazyMenuPane(FX::FXWindow* owner, FX::FXuint options = 0)
        : FX::FXMenuPane(owner, options) {}

    void create() override;
    void popup(FX::FXWindow* grabTo, FX::FXint x, FX::FXint y, FX::FXint w = 0,
               FX::FXint h = 0) override;
    // Whether the pane has been asked for yet (made on the display).
    bool wanted() const { return wanted_; }

private:
    bool wanted_ = false;
};
