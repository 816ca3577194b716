#include "shell/main_window.h"

#include "link/catalogue_message.h"
#include "link/text_catalogue.h"
#include "link/text_lines.h"
#include "link/timer_pool.h"
#include "shell/poll_loop.h"
#include "shell/text_streams.h"
#include "utils/dates.h"
#include "toolkit/text_codec.h"

TTalvor* mainWindow = nullptr;

namespace {

constexpr int kSwitchLineBytes = 81;

// Text `id` formatted with the current local date and time.
std::string formatWithNow(int id) {
    SDateTime now;
    getCurrentDateTime(&now);
    char text[kSwitchLineBytes];
    formatMessage(text, sizeof text, id, now.date.day, now.date.month, now.date.year, now.time.hour,
                  now.time.minute, now.time.second);
    return text;
}

void postFramedLine(const std::string& text) {
    const std::string rule(68, '-');
    postTextLine(kLineLocal, rule.c_str(), kTypeOperator);
    postTextLine(kLineLocal, text.c_str(), kTypeOperator);
    postTextLine(kLineLocal, rule.c_str(), kTypeOperator);
}

// Remote menu commands reach the window as the command message a menu
// choice sends.
void sendCommandToMainWindow(uint16_t id) {
    if (mainWindow) mainWindow->handle(mainWindow, FXSEL(FX::SEL_COMMAND, id), nullptr);
}
}  // namespace

FXDEFMAP(TTalvor) TTalvorMap[] = {
    FXMAPFUNC(FX::SEL_TIMEOUT, TTalvor::ID_TIMEOUT_POLL, TTalvor::onTimeoutPoll),
    FXMAPFUNC(FX::SEL_TIMEOUT, TTalvor::ID_TIMEOUT_SPLASH, TTalvor::onTimeoutSplash),
    FXMAPFUNC(FX::SEL_CHORE, TTalvor::ID_CHORE_POLL, TTalvor::onChorePoll),
    FXMAPFUNC(FX::SEL_CLOSE, 0, TTalvor::onClose),
};

FXIMPLEMENT(TTalvor, FX::FXMainWindow, TTalvorMap, ARRAYNUMBER(TTalvorMap))

TTalvor::TTalvor(FX::FXApp* application)
    : FX::FXMainWindow(application, toUtf8(textById(26967)), nullptr, nullptr, FX::DECOR_ALL, 10,
                       10, 780, 550, 0, 0, 0, 0) {
    initTimers();
    createOperatorMessageWindow();
    setMainWindowCommandHandler(sendCommandToMainWindow);
}

void TTalvor::createOperatorMessageWindow() {
    operatorStream = new TOporMsgReceiver(kTypeOperator, 10000, "sys.log", 100);
    postFramedLine(formatWithNow(25629));
}

void TTalvor::logSwitchOff() {
    if (operatorStream == nullptr) return;
    postFramedLine(formatWithNow(25630));
    operatorStream->flush();
    delete operatorStream;
    operatorStream = nullptr;
}

TTalvor::~TTalvor() {
    getApp()->removeTimeout(this, ID_TIMEOUT_POLL);
    getApp()->removeTimeout(this, ID_TIMEOUT_SPLASH);
    getApp()->removeChore(this, ID_CHORE_POLL);
    delete operatorStream;
    if (mainWindow == this) {
        mainWindow = nullptr;
        setMainWindowCommandHandler(nullptr);
    }
}

void TTalvor::create() {
    FX::FXMainWindow::create();
    show(FX::PLACEMENT_SCREEN);
}

void TTalvor::poll() {
    pollServices();
}

void TTalvor::armPollTimeout() {
    getApp()->addTimeout(this, ID_TIMEOUT_POLL, kPollPeriodMs);
}

void TTalvor::armPollChore() {
    if (chorePending_) return;
    chorePending_ = true;
    getApp()->addChore(this, ID_CHORE_POLL);
}

long TTalvor::onTimeoutPoll(FX::FXObject*, FX::FXSelector, void*) {
    if (pollIsDue(programClock())) poll();
    armPollTimeout();
    // The chore is re-armed here, once per period, rather than from itself:
    // FOX runs a chore whenever the loop is idle, and a chore that re-adds
    // itself keeps a processor busy.
    armPollChore();
    return 1;
}

long TTalvor::onChorePoll(FX::FXObject*, FX::FXSelector, void*) {
    chorePending_ = false;
    if (pollIsDue(programClock())) poll();
    return 1;
}

// The window manager's close box ends the event loop with 0 without asking;
// the window stays until the application is destroyed, after the shutdown
// steps have run and the switch-off lines are written.
long TTalvor::onClose(FX::FXObject*, FX::FXSelector, void*) {
    getApp()->reg().write();
    getApp()->stop(0);
    return 1;
}

long TTalvor::onTimeoutSplash(FX::FXObject*, FX::FXSelector, void*) {
    return 1;
}
