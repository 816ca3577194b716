#include "utils/message_box.h"

#include "texts/text_catalogue.h"

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

// Without the toolkit's boxes nothing is shown and questions answer No.
class SilentPresenter : public IMessageBoxPresenter {
public:
    int show(Kind, const char*, const char*, FX::FXWindow*) override { return 0; }
};

SilentPresenter silentPresenter;
IMessageBoxPresenter* defaultPresenter = &silentPresenter;
IMessageBoxPresenter* presenter = &silentPresenter;
bool commandFromTextInput = false;

// A question answers yes at once while a typed or scripted command runs.
int ask(IMessageBoxPresenter::Kind kind, const char* text, FX::FXWindow* owner) {
    if (commandFromTextInput) return 1;
    return presenter->show(kind, captionQuestion(), text, owner) == 1 ? 1 : 0;
}

}  // namespace

void setMessageBoxPresenter(IMessageBoxPresenter* p) {
    presenter = p ? p : defaultPresenter;
}

void setDefaultMessageBoxPresenter(IMessageBoxPresenter* p) {
    const bool followsDefault = presenter == defaultPresenter;
    defaultPresenter = p ? p : &silentPresenter;
    if (followsDefault) presenter = defaultPresenter;
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
