#include "shell/main_window.h"

#include "link/text_catalogue.h"
#include "link/timer_pool.h"
#include "shell/poll_loop.h"
#include "toolkit/text_codec.h"

TTalvor* mainWindow = nullptr;

FXDEFMAP(TTalvor)
TTalvorMap[] = {
    FXMAPFUNC(FX::SEL_TIMEOUT, TTalvor::ID_TIMEOUT_POLL, TTalvor::onTimeoutPoll),
    FXMAPFUNC(FX::SEL_TIMEOUT, TTalvor::ID_TIMEOUT_SPLASH, TTalvor::onTimeoutSplash),
    FXMAPFUNC(FX::SEL_CHORE, TTalvor::ID_CHORE_POLL, TTalvor::onChorePoll),
};

FXIMPLEMENT(TTalvor, FX::FXMainWindow, TTalvorMap, ARRAYNUMBER(TTalvorMap))

TTalvor::TTalvor(FX::FXApp* application)
    : FX::FXMainWindow(application, toUtf8(textById(26967)), nullptr, nullptr, FX::DECOR_ALL, 10,
                       10, 780, 550, 0, 0, 0, 0) {
    initTimers();
}

TTalvor::~TTalvor() {
    getApp()->removeTimeout(this, ID_TIMEOUT_POLL);
    getApp()->removeTimeout(this, ID_TIMEOUT_SPLASH);
    getApp()->removeChore(this, ID_CHORE_POLL);
    if (mainWindow == this) mainWindow = nullptr;
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

long TTalvor::onTimeoutSplash(FX::FXObject*, FX::FXSelector, void*) {
    return 1;
}
