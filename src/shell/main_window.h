#pragma once

#include <cstdint>

#include <fox-1.6/fx.h>

class TOporMsgReceiver;
class TTxtMsgWindow;

// The program's one main window: menu bar, a dockable toolbar of the most
// used commands, the status bar and the operator messages. Every operator
// command from the user interface (menu, toolbar, accelerators, remote
// requests) arrives here as SEL_COMMAND with the command id and goes through
// the rights gate. The window owns the fonts other windows borrow, the poll
// triggers (a timeout due when more than 30 ms have passed since the last
// poll ended, the link socket turning readable, and an idle chore that takes
// what a poll's budget left waiting) and the shell's own commands.
class TTalvor : public FX::FXMainWindow {
    FXDECLARE(TTalvor)

public:
    enum {
        ID_TIMEOUT_POLL = FX::FXMainWindow::ID_LAST,
        ID_TIMEOUT_SPLASH,
        ID_CHORE_POLL,
        ID_SIGNAL_SHUTDOWN,
        ID_INPUT_LINK,
        ID_LAST
    };
    // Command messages the window takes; the gate runs 5001..5599 of them.
    static constexpr FX::FXSelector kFirstCommandId = 5000;
    static constexpr FX::FXSelector kLastCommandId = 5600;
    static constexpr int kToolbarButtonCount = 15;

    explicit TTalvor(FX::FXApp* application);
    ~TTalvor() override;

    void create() override;

    // One poll; true when it took a frame off the link.
    bool poll(bool fromUdp = true);
    // Creates the operator-message stream and its list, which loads
    // "sys.log", and posts the switch-on lines.
    void createOperatorMessageWindow();
    // Posts the switch-off lines, flushes the stream to "sys.log" and deletes it.
    void logSwitchOff();
    // Arms the poll triggers and watches the link socket (after the router
    // is made); stopPolling undoes it before the router goes.
    void startPolling();
    void stopPolling();
    // The poll timeout, due when the next poll is.
    void armPollTimeout();
    void armPollChore();
    // The about window as splash, 10 ms after the event loop starts.
    void armSplashTimeout();
    // SIGTERM, SIGHUP and SIGINT end the event loop with 0 without a
    // question, so that the ordered shutdown runs; FOX delivers them from its
    // loop as SEL_SIGNAL, never inside the signal handler.
    void catchShutdownSignals();
    // Once the loop has ended: the three signals are ignored, so that a
    // second one cannot interrupt the shutdown and the saving of the tables.
    static void ignoreShutdownSignals(FX::FXApp* application);

    // The shell's own commands.
    void confirmClearOperatorLog();  // 5010
    void showDisplaySettings();      // 5013
    void showAboutWindow();          // 5014
    void confirmExit();              // 5015
    void openHelpIndex();            // 5598
    void openHelpAlphaIndex();       // 5599
    void runVisualCaseDialog();      // 5223

    long onCmdCommand(FX::FXObject*, FX::FXSelector, void*);
    long onTimeoutPoll(FX::FXObject*, FX::FXSelector, void*);
    long onTimeoutSplash(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onKeyRelease(FX::FXObject*, FX::FXSelector, void*);
    long onChorePoll(FX::FXObject*, FX::FXSelector, void*);
    long onInputLink(FX::FXObject*, FX::FXSelector, void*);
    long onClose(FX::FXObject*, FX::FXSelector, void*);
    long onSignalShutdown(FX::FXObject*, FX::FXSelector, void*);

    TOporMsgReceiver* operatorMessages() const { return operatorStream; }
    FX::FXMenuBar* menuBar() const { return menuBar_; }
    FX::FXToolBar* toolBar() const { return toolbar; }
    FX::FXHorizontalFrame* statusBar() const { return statusFrame; }
    // The frame the operator-message list fills, and the list itself (null
    // once it is destroyed).
    FX::FXComposite* messageListFrame() const { return messageFrame_; }
    TTxtMsgWindow* messageList() const { return mainMessageList; }

    // Fonts other windows borrow; they live as long as the window.
    FX::FXFont* normalFont = nullptr;
    FX::FXFont* boldFont = nullptr;
    FX::FXFont* boldItalicFont = nullptr;
    FX::FXFont* italicFont = nullptr;
    // 16 x 16 image, also the image of other windows' OK buttons.
    FX::FXIcon* appIcon = nullptr;

protected:
    TTalvor() = default;

    FX::FXHorizontalFrame* statusFrame = nullptr;
    TOporMsgReceiver* operatorStream = nullptr;
    TTxtMsgWindow* mainMessageList = nullptr;
    FX::FXFontDesc fontDescription{};
    FX::FXToolBar* toolbar = nullptr;
    FX::FXIcon* toolbarIcons[kToolbarButtonCount] = {};

private:
    void buildToolbar();
    void makeFonts();
    void installAccelerators();

    FX::FXMenuBar* menuBar_ = nullptr;
    FX::FXDockSite* toolbarDock_ = nullptr;
    FX::FXToolBarShell* toolbarShell_ = nullptr;
    FX::FXToolTip* toolTip_ = nullptr;
    FX::FXComposite* messageFrame_ = nullptr;
    bool chorePending_ = false;
    bool exitQuestionOpen_ = false;
    bool shutdownSignalled_ = false;
    int watchedLink_ = -1;  // the socket descriptor FOX watches, -1 for none

    // Runs one poll with the next one already armed, then re-arms the triggers.
    void runPoll(bool fromUdp = true);
    void watchLink(bool on);
};

extern TTalvor* mainWindow;
// "Courier New" 8 points, fixed pitch: the font of message lists, file
// viewers and report windows. Made by the main window's constructor.
extern FX::FXFont* fixedPitchFont;
