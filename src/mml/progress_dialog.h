#pragma once

#include <fox-1.6/fx.h>

#include "mml/progress_window.h"

// The window of a KProzorPracenjaProcesa on the screen: a non-modal dialog
// with one label per line. Its close box and Escape ask the owner to close
// (KProzorPracenjaProcesa::closeWindow); once let go, it removes itself.
class ProzorPracenjaProcesa_Impl : public FX::FXDialogBox, public IProgressView {
    FXDECLARE(ProzorPracenjaProcesa_Impl)

public:
    enum { ID_CLOSE_REQUEST = FX::FXDialogBox::ID_LAST, ID_DISPOSE, ID_LAST };

    // Over ownerWindow, 800 x 100, shown at once.
    ProzorPracenjaProcesa_Impl(FX::FXWindow* ownerWindow, const char* title, int lineCount,
                               KProzorPracenjaProcesa* owner);
    ~ProzorPracenjaProcesa_Impl() override;

    void showLine(int number, const char* text) override;
    void dispose() override;
    // The close request: the owner decides; the window goes when it lets go.
    void closeWindow();

    int lineCount() const { return lineCount_; }
    FX::FXLabel* lineLabel(int number) const;

    long onCmdClose(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onKeyRelease(FX::FXObject*, FX::FXSelector, void*);
    long onDispose(FX::FXObject*, FX::FXSelector, void*);

protected:
    ProzorPracenjaProcesa_Impl() = default;

private:
    void removeLater();

    int lineCount_ = 0;
    FX::FXLabel* labels_[KProzorPracenjaProcesa::kMaxLines] = {};
    KProzorPracenjaProcesa* owner_ = nullptr;  // not owned
    int busy_ = 0;                             // inside closeWindow
    bool disposed_ = false;
};

// Makes the dialog of every progress window made from now on, over the given
// window (the main window; null: the screen).
void installProgressDialogs(FX::FXWindow* ownerWindow);
