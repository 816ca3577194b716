#pragma once

#include <fox-1.6/fx.h>

class TOporMsgReceiver;

// The program's one main window. It owns the poll triggers: a 30 ms timeout
// and an idle chore, each polling when more than 30 ms have passed since the
// last poll ended.
class TTalvor : public FX::FXMainWindow {
    FXDECLARE(TTalvor)

public:
    enum {
        ID_TIMEOUT_POLL = FX::FXMainWindow::ID_LAST,
        ID_TIMEOUT_SPLASH,
        ID_CHORE_POLL,
        ID_LAST
    };

    explicit TTalvor(FX::FXApp* application);
    ~TTalvor() override;

    void create() override;

    void poll();
    // Creates the operator-message stream and posts the switch-on lines.
    void createOperatorMessageWindow();
    // Posts the switch-off lines, flushes the stream to "sys.log" and deletes it.
    void logSwitchOff();
    void armPollTimeout();
    void armPollChore();

    long onTimeoutPoll(FX::FXObject*, FX::FXSelector, void*);
    long onChorePoll(FX::FXObject*, FX::FXSelector, void*);
    long onTimeoutSplash(FX::FXObject*, FX::FXSelector, void*);
    long onClose(FX::FXObject*, FX::FXSelector, void*);

protected:
    TTalvor() = default;

    TOporMsgReceiver* operatorStream = nullptr;

private:
    bool chorePending_ = false;
};

extern TTalvor* mainWindow;
