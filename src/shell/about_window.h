#pragma once

#include <cstdint>

#include <fox-1.6/fx.h>

// The program's about window, also the splash shown once at start: the
// program's name and version, a button to the help contents and buttons
// of six frequently used commands. The buttons send their command ids to
// the owner (the main window) as a menu choice would; the commands then run
// inside this window's modal loop. OK, Enter, Escape or the window
// manager's close message close it.
class KOProgramu : public FX::FXTopWindow {
    FXDECLARE(KOProgramu)

public:
    enum { ID_CLOSE_ABOUT = FX::FXTopWindow::ID_LAST, ID_LAST };

    // The version shown in the title line and its tooltip.
    static constexpr const char* kVersion = "2.82";
    // The shortcut commands under the help button, top to bottom.
    static constexpr uint16_t kShortcutCommands[] = {5020, 5023, 5016, 5276, 5272, 5570};
    static constexpr uint16_t kHelpContentsCommand = 5598;

    // title is CP1251.
    KOProgramu(FX::FXWindow* owner, const char* title, FX::FXuint opts, FX::FXint x, FX::FXint y,
               FX::FXint w, FX::FXint h, FX::FXint pl, FX::FXint pr, FX::FXint pt, FX::FXint pb,
               FX::FXint hs, FX::FXint vs);
    ~KOProgramu() override;

    // Creates and shows the window and runs its modal loop; 1 when it was
    // closed through the window itself.
    virtual int execute(FX::FXuint placement);

    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onKeyRelease(FX::FXObject*, FX::FXSelector, void*);
    long onCmdClose(FX::FXObject*, FX::FXSelector, void*);

    FX::FXFont* titleFont() const { return titleFont_; }
    FX::FXFont* smallFont() const { return smallFont_; }

protected:
    KOProgramu() = default;

private:
    void createFonts();
    void buildContents();
    void sendToOwner(uint16_t command);

    FX::FXIcon* bannerIcon_ = nullptr;
    FX::FXIcon* sideIcon_ = nullptr;
    FX::FXFont* titleFont_ = nullptr;
    FX::FXFont* smallFont_ = nullptr;
};

// Builds the about window over the owner with its catalogue title and
// border only, runs it modally centred on the screen and deletes it.
void runAboutWindow(FX::FXWindow* owner);
