#include "utils/message_box.h"

#include <fox-1.6/fx.h>

#include "link/text_catalogue.h"
#include "toolkit/dialog_box.h"

namespace {

// Captions of the three boxes, from the text catalogue.
const char* captionInformation() {
    return textById(25954);
}
const char* captionError() {
    return textById(22139);
}
const char* captionQuestion() {
    return textById(21402);
}

// Shows the boxes as TMsgBox over the given owner, else the topmost window.
class FoxMessageBoxPresenter : public IMessageBoxPresenter {
public:
    int show(Kind kind, const char* caption, const char* text, FX::FXWindow* owner) override {
        if (FX::FXApp::instance() == nullptr) return 0;
        if (owner == nullptr) owner = topDialogOwner();
        // The text is never used as a format: it goes through "%s".
        switch (kind) {
            case Kind::Information:
                TMsgBox::information(owner, kMsgBoxOk, caption, "%s", text != nullptr ? text : "");
                return 1;
            case Kind::Error:
                TMsgBox::error(owner, kMsgBoxOk, caption, "%s", text != nullptr ? text : "");
                return 1;
            case Kind::Question:
            case Kind::DeletionQuestion: {
                const FX::FXuint opts =
                    kMsgBoxYesNo | (kind == Kind::DeletionQuestion ? kMsgBoxInitialNo : 0);
                return TMsgBox::question(owner, opts, caption, "%s", text != nullptr ? text : "") ==
                               kMsgBoxClickedYes
                           ? 1
                           : 0;
            }
        }
        return 0;
    }
};

FoxMessageBoxPresenter foxPresenter;
IMessageBoxPresenter* presenter = &foxPresenter;
bool commandFromTextInput = false;

// A question answers yes at once while a typed or scripted command runs.
int ask(IMessageBoxPresenter::Kind kind, const char* text, FX::FXWindow* owner) {
    if (commandFromTextInput) return 1;
    return presenter->show(kind, captionQuestion(), text, owner) == 1 ? 1 : 0;
}

}  // namespace

void setMessageBoxPresenter(IMessageBoxPresenter* p) {
    presenter = p ? p : &foxPresenter;
}

IMessageBoxPresenter& messageBoxPresenter() {
    return *presenter;
}

int showInformation(const char* text) {
    return showInformationOver(nullptr, text);
}

int showInformationOver(FX::FXWindow* owner, const char* text) {
    presenter->show(IMessageBoxPresenter::Kind::Information, captionInformation(), text, owner);
    return 3;
}

int showInformationCaptioned(const char* caption, const char* text) {
    presenter->show(IMessageBoxPresenter::Kind::Information, caption, text, nullptr);
    return 3;
}

int showError(const char* text) {
    return showErrorCaptioned(captionError(), text);
}

int showErrorCaptioned(const char* caption, const char* text) {
    presenter->show(IMessageBoxPresenter::Kind::Error, caption, text, nullptr);
    return 3;
}

int confirm(const char* text, FX::FXWindow* owner) {
    return ask(IMessageBoxPresenter::Kind::Question, text, owner);
}

int confirmDeletion(const char* text, FX::FXWindow* owner) {
    return ask(IMessageBoxPresenter::Kind::DeletionQuestion, text, owner);
}

bool isCommandFromTextInput() {
    return commandFromTextInput;
}

void setCommandFromTextInput(bool on) {
    commandFromTextInput = on;
}
