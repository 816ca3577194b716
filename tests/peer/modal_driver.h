#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

#include <fox-1.6/fx.h>

// Drives the modal dialogs a test opens: each step runs from a FOX timeout
// inside the innermost modal loop, given its modal window, one step per
// timeout. A step that finds no modal window waits for the next timeout; a
// dialog that the last step worked on and that is still open afterwards is a
// failure and is cancelled, so a test never hangs. Arm it before the call that
// opens a dialog, and end it before the next call: a later dialog may reuse
// the address of the last.
class ModalDriver : public FX::FXObject {
    FXDECLARE(ModalDriver)

public:
    enum { ID_STEP = 1 };
    using Step = std::function<void(FX::FXWindow* modal)>;

    ModalDriver() = default;
    ~ModalDriver() override;
    ModalDriver& then(Step step);
    void start();
    std::size_t pending() const { return steps_.size(); }

    long onStep(FX::FXObject*, FX::FXSelector, void*);

private:
    void arm();
    std::deque<Step> steps_;
    FX::FXWindow* lastModal_ = nullptr;
};

// Sends a key press and its release, as typing it would, to a window.
void pressKey(FX::FXWindow* window, FX::FXuint code, const char* text = "");
// Sends a command message with the given id to a window from nowhere.
void sendCommand(FX::FXObject* window, FX::FXuint id);
// Clicks a button, a radio or a check button with the left mouse button.
void clickButton(FX::FXWindow* button);

// The first child (depth first) of the window of class T with the text, or
// null; an empty text matches any.
FX::FXWindow* findChild(FX::FXWindow* root, const FX::FXMetaClass* type, const char* utf8Text = "");
template <class T>
T* findChild(FX::FXWindow* root, const char* utf8Text = "") {
    return static_cast<T*>(findChild(root, &T::metaClass, utf8Text));
}
// Every child of class T, depth first.
void collectChildren(FX::FXWindow* root, const FX::FXMetaClass* type,
                     std::vector<FX::FXWindow*>& out);
template <class T>
std::vector<T*> childrenOf(FX::FXWindow* root) {
    std::vector<FX::FXWindow*> all;
    collectChildren(root, &T::metaClass, all);
    std::vector<T*> typed;
    for (FX::FXWindow* w : all) typed.push_back(static_cast<T*>(w));
    return typed;
}
