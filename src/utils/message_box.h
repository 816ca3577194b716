#pragma once

namespace FX {
class FXWindow;
}

// The three message boxes every part of the program shows its failures,
// results and questions with. They go through a presenter so that services
// built below the window toolkit can show them and tests can answer them.
class IMessageBoxPresenter {
public:
    // A deletion question is a question whose initial answer is No.
    enum class Kind { Information, Error, Question, DeletionQuestion };
    virtual ~IMessageBoxPresenter() = default;
    // Shows a modal box over the owner (null: the topmost window that shows);
    // returns 1 for Yes/OK, 0 for No or Escape.
    virtual int show(Kind kind, const char* caption, const char* text, FX::FXWindow* owner) = 0;
};

// Installs a presenter (null restores the default one). Caller keeps ownership.
void setMessageBoxPresenter(IMessageBoxPresenter* presenter);
// The presenter used while none is installed: the toolkit's boxes, once the
// program or a test's application has set them up (useToolkitMessageBoxes).
// Until then nothing is shown and questions answer No; null returns to that.
void setDefaultMessageBoxPresenter(IMessageBoxPresenter* presenter);
IMessageBoxPresenter& messageBoxPresenter();

// Information and error boxes return 3, as the OK box of the dialog base does.
int showInformation(const char* text);
int showInformationOver(FX::FXWindow* owner, const char* text);
int showInformationCaptioned(const char* caption, const char* text);
int showError(const char* text);
int showErrorCaptioned(const char* caption, const char* text);
// Yes/No question: 1 for Yes, 0 otherwise. Answers 1 at once, showing
// nothing, while a command given as MML text or from a script executes.
int confirm(const char* text, FX::FXWindow* owner = nullptr);
// The same for a question before deleting or destroying something: No is the
// initial answer, so that a stray Enter keeps what is there.
int confirmDeletion(const char* text, FX::FXWindow* owner = nullptr);

// Set by the MML executor around a command from typed text or a script.
bool isCommandFromTextInput();
void setCommandFromTextInput(bool on);
