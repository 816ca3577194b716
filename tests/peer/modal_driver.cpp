#include "peer/modal_driver.h"

#include <cstring>

#include <fox-1.6/fxkeys.h>
#include <gtest/gtest.h>

#include "peer/test_app.h"

namespace {
constexpr FX::FXuint kStepMs = 5;
}

FXDEFMAP(ModalDriver)
ModalDriverMap[] = {
    FXMAPFUNC(FX::SEL_TIMEOUT, ModalDriver::ID_STEP, ModalDriver::onStep),
};
FXIMPLEMENT(ModalDriver, FX::FXObject, ModalDriverMap, ARRAYNUMBER(ModalDriverMap))

ModalDriver::~ModalDriver() {
    testApp().removeTimeout(this, ID_STEP);
}

ModalDriver& ModalDriver::then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

void ModalDriver::start() {
    arm();
}

void ModalDriver::arm() {
    testApp().addTimeout(this, ID_STEP, kStepMs);
}

long ModalDriver::onStep(FX::FXObject*, FX::FXSelector, void*) {
    FX::FXWindow* modal = testApp().getModalWindow();
    if (modal == nullptr) {
        if (!steps_.empty()) arm();
        return 1;
    }
    if (steps_.empty()) {
        // Only the dialog the last step worked on: a later dialog is another driver's.
        if (modal != lastModal_) return 1;
        ADD_FAILURE() << "a modal dialog is still open after the last step";
        modal->handle(this, FXSEL(FX::SEL_COMMAND, FX::FXDialogBox::ID_CANCEL), nullptr);
        return 1;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    lastModal_ = modal;
    arm();  // first: the step may open a nested modal loop that later steps drive
    step(modal);
    return 1;
}

void pressKey(FX::FXWindow* window, FX::FXuint code, const char* text) {
    FX::FXEvent event;
    event.type = FX::SEL_KEYPRESS;
    event.code = code;
    event.state = 0;
    event.text = text;
    window->handle(window, FXSEL(FX::SEL_KEYPRESS, 0), &event);
    event.type = FX::SEL_KEYRELEASE;
    window->handle(window, FXSEL(FX::SEL_KEYRELEASE, 0), &event);
}

void sendCommand(FX::FXObject* window, FX::FXuint id) {
    window->handle(nullptr, FXSEL(FX::SEL_COMMAND, id), nullptr);
}

void clickButton(FX::FXWindow* button) {
    FX::FXEvent event;
    event.type = FX::SEL_LEFTBUTTONPRESS;
    event.code = FX::LEFTBUTTON;
    event.win_x = 1;
    event.win_y = 1;
    button->handle(button, FXSEL(FX::SEL_LEFTBUTTONPRESS, 0), &event);
    event.type = FX::SEL_LEFTBUTTONRELEASE;
    button->handle(button, FXSEL(FX::SEL_LEFTBUTTONRELEASE, 0), &event);
}

FX::FXWindow* findChild(FX::FXWindow* root, const FX::FXMetaClass* type, const char* utf8Text) {
    std::vector<FX::FXWindow*> all;
    collectChildren(root, type, all);
    for (FX::FXWindow* w : all) {
        if (utf8Text == nullptr || *utf8Text == '\0') return w;
        if (w->isMemberOf(FXMETACLASS(FX::FXLabel)) &&
            static_cast<FX::FXLabel*>(w)->getText() == utf8Text)
            return w;
    }
    return nullptr;
}

void collectChildren(FX::FXWindow* root, const FX::FXMetaClass* type,
                     std::vector<FX::FXWindow*>& out) {
    if (root == nullptr) return;
    for (FX::FXWindow* w = root->getFirst(); w != nullptr; w = w->getNext()) {
        if (w->isMemberOf(type)) out.push_back(w);
        collectChildren(w, type, out);
    }
}
