#include "utils/message_box.h"

#include <fox-1.6/fx.h>

#include "link/text_catalogue.h"
#include "toolkit/text_codec.h"

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

class FoxMessageBoxPresenter : public IMessageBoxPresenter {
public:
    int show(Kind kind, const char* caption, const char* text, FX::FXWindow* owner) override {
        FX::FXApp* app = FX::FXApp::instance();
        if (app == nullptr) return 0;
        const FX::FXString title = toUtf8(caption);
        const FX::FXString body = toUtf8(text);
        FX::FXuint answer = 0;
        // The text is never used as a format: pass it through "%s".
        switch (kind) {
            case Kind::Information:
                answer = owner ? FX::FXMessageBox::information(owner, FX::MBOX_OK, title.text(),
                                                               "%s", body.text())
                               : FX::FXMessageBox::information(app, FX::MBOX_OK, title.text(), "%s",
                                                               body.text());
                return 1;
            case Kind::Error:
                answer = owner ? FX::FXMessageBox::error(owner, FX::MBOX_OK, title.text(), "%s",
                                                         body.text())
                               : FX::FXMessageBox::error(app, FX::MBOX_OK, title.text(), "%s",
                                                         body.text());
                return 1;
            case Kind::Question:
                answer = owner ? FX::FXMessageBox::question(owner, FX::MBOX_YES_NO, title.text(),
                                                            "%s", body.text())
                               : FX::FXMessageBox::question(app, FX::MBOX_YES_NO, title.text(),
                                                            "%s", body.text());
                return answer == FX::MBOX_CLICKED_YES ? 1 : 0;
        }
        return 0;
    }
};

FoxMessageBoxPresenter foxPresenter;
IMessageBoxPresenter* presenter = &foxPresenter;
bool commandFromTextInput = false;

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
    if (isCommandFromTextInput()) return 1;
    return presenter->show(IMessageBoxPresenter::Kind::Question, captionQuestion(), text, owner) ==
                   1
               ? 1
               : 0;
}

bool isCommandFromTextInput() {
    return commandFromTextInput;
}

void setCommandFromTextInput(bool on) {
    commandFromTextInput = on;
}
