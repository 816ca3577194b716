#pragma once

#include <memory>
#include <string>
#include <vector>

// A confirmation asked before a progress window closes.
class IProvera {
public:
    virtual ~IProvera() = default;
    // True: the window may close.
    virtual bool confirmClose() = 0;
};

// The confirmation that always lets the window close.
class KProvera : public IProvera {
public:
    bool confirmClose() override { return true; }
};
KProvera& defaultConfirmation();

class KProzorPracenjaProcesa;

// What shows a progress window on the screen. The owner keeps the lines; the
// view only draws them and forwards the operator's close request to
// KProzorPracenjaProcesa::closeWindow.
class IProgressView {
public:
    virtual ~IProgressView() = default;
    // Shows the text on a line (1..count).
    virtual void showLine(int number, const char* text) = 0;
    // The owner goes: the view forgets it and removes itself from the screen.
    virtual void dispose() = 0;
};

// Makes the view of a new window, or null for none (the program without a
// display, and tests of what the windows hold).
using ProgressViewFactory = IProgressView* (*)(KProzorPracenjaProcesa& owner);
// Installs the factory (null: windows have no view).
void setProgressViewFactory(ProgressViewFactory factory);

// The owner of a small window that shows a few lines of a running process.
// Closing the window destroys the owner with it, unless the confirmation
// refuses while a script runs.
class KProzorPracenjaProcesa {
public:
    static constexpr int kMaxLines = 10;

    // The line count is taken within 1..10; the width is the callers' concern.
    KProzorPracenjaProcesa(const char* title, int lineWidth, IProvera* confirmation, int lineCount);
    virtual ~KProzorPracenjaProcesa();
    KProzorPracenjaProcesa(const KProzorPracenjaProcesa&) = delete;
    KProzorPracenjaProcesa& operator=(const KProzorPracenjaProcesa&) = delete;

    // 0, or -1 for a number outside 1..count (nothing changes).
    int setLine(const char* text, int number);
    int setProgressLine(const char* text, int number);

    // The close request: false when refused; otherwise the window is let go
    // (its view removes itself) and the owner is destroyed.
    bool closeWindow();
    // The view went by itself (destroyed with its parent window).
    void viewDestroyed() { window_ = nullptr; }

    const std::string& title() const { return title_; }
    int lineCount() const { return static_cast<int>(lines_.size()); }
    // The text of a line (1..count); empty for any other number.
    const std::string& line(int number) const;
    IProgressView* window() const { return window_; }

protected:
    // Destroys the owner; an owner that is busy may put it off.
    virtual void releaseOwner() { delete this; }
    // Whether closing must be confirmed first: while a script runs.
    virtual bool closeNeedsConfirmation() const;

private:
    IProgressView* window_ = nullptr;
    std::string title_;
    std::vector<std::string> lines_;
    IProvera* confirmation_;
    // False once the owner is gone, for callers that may outlive it.
    std::shared_ptr<bool> alive_;
};
