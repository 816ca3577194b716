#include "mml/progress_window.h"

#include <algorithm>

#include "mml/mml_script.h"

namespace {

ProgressViewFactory viewFactory = nullptr;

}  // namespace

KProvera& defaultConfirmation() {
    static KProvera confirmation;
    return confirmation;
}

void setProgressViewFactory(ProgressViewFactory factory) {
    viewFactory = factory;
}

KProzorPracenjaProcesa::KProzorPracenjaProcesa(const char* title, int lineWidth,
                                               IProvera* confirmation, int lineCount)
    : title_(title != nullptr ? title : ""),
      lines_(static_cast<size_t>(std::clamp(lineCount, 1, kMaxLines))),
      confirmation_(confirmation != nullptr ? confirmation : &defaultConfirmation()),
      alive_(std::make_shared<bool>(true)) {
    if (viewFactory != nullptr) window_ = viewFactory(*this);
}

KProzorPracenjaProcesa::~KProzorPracenjaProcesa() {
    *alive_ = false;
    IProgressView* view = window_;
    window_ = nullptr;
    if (view != nullptr) view->dispose();
}

int KProzorPracenjaProcesa::setLine(const char* text, int number) {
    if (number < 1 || number > lineCount()) return -1;
    lines_[static_cast<size_t>(number - 1)] = text != nullptr ? text : "";
    if (window_ != nullptr)
        window_->showLine(number, lines_[static_cast<size_t>(number - 1)].c_str());
    return 0;
}

int KProzorPracenjaProcesa::setProgressLine(const char* text, int number) {
    return setLine(text, number);
}

const std::string& KProzorPracenjaProcesa::line(int number) const {
    static const std::string kNone;
    return number >= 1 && number <= lineCount() ? lines_[static_cast<size_t>(number - 1)] : kNone;
}

bool KProzorPracenjaProcesa::closeNeedsConfirmation() const {
    return isScriptRunning();
}

bool KProzorPracenjaProcesa::closeWindow() {
    if (closeNeedsConfirmation()) {
        // The question runs a nested event loop in which the owner may go.
        const std::shared_ptr<bool> alive = alive_;
        const bool yes = confirmation_->confirmClose();
        if (!*alive) return true;
        if (!yes) return false;
    }
    window_ = nullptr;
    releaseOwner();
    return true;
}
