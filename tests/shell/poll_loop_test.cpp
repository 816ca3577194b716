#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/kop_card.h"
#include "link/link_supervision.h"
#include "link/router.h"
#include "link/text_lines.h"
#include "link/timer_pool.h"
#include "link/udp_transport.h"
#include "monitoring/operator_channel.h"
#include "peer/loopback_router.h"
#include "peer/stand_in_exchange.h"
#include "peer/test_app.h"
#include "peer/work_dir.h"
#include "platform/kop_device.h"
#include "platform/tick.h"
#include "shell/main_window.h"
#include "shell/poll_loop.h"
#include "startup.h"
#include "utils/message_box.h"

// The main window with its poll timeout counted: how often the loop woke
// the poll, against how often it polled.
class CountingMainWindow : public TTalvor {
    FXDECLARE(CountingMainWindow)

public:
    explicit CountingMainWindow(FX::FXApp* application) : TTalvor(application) {}
    long onCountedTimeout(FX::FXObject* sender, FX::FXSelector sel, void* ptr) {
        ++wakeups;
        return onTimeoutPoll(sender, sel, ptr);
    }
    int wakeups = 0;

protected:
    CountingMainWindow() = default;
};

FXDEFMAP(CountingMainWindow)
CountingMainWindowMap[] = {
    FXMAPFUNC(FX::SEL_TIMEOUT, TTalvor::ID_TIMEOUT_POLL, CountingMainWindow::onCountedTimeout),
};
FXIMPLEMENT(CountingMainWindow, TTalvor, CountingMainWindowMap, ARRAYNUMBER(CountingMainWindowMap))

// Runs a check from a FOX timeout every few milliseconds, inside whatever
// loop is running (a modal one included), until it reports done; a bound on
// the rounds keeps a broken loop from hanging the test.
class LoopWatcher : public FX::FXObject {
    FXDECLARE(LoopWatcher)

public:
    enum { ID_LOOK = 1 };
    using Look = bool (*)(void* context);
    LoopWatcher(Look look, void* context) : look_(look), context_(context) {}
    ~LoopWatcher() override { testApp().removeTimeout(this, ID_LOOK); }
    void start() { testApp().addTimeout(this, ID_LOOK, kEveryMs); }
    long onLook(FX::FXObject*, FX::FXSelector, void*) {
        if (++rounds > kMaxRounds || look_(context_)) {
            done = 1;
            // A box still open is closed, so that the loop that opened it ends.
            if (FX::FXWindow* modal = testApp().getModalWindow())
                modal->handle(this, FXSEL(FX::SEL_COMMAND, FX::FXDialogBox::ID_CANCEL), nullptr);
            return 0;
        }
        start();
        return 0;
    }
    FX::FXuint done = 0;
    int rounds = 0;
    static constexpr int kEveryMs = 5;
    static constexpr int kMaxRounds = 2000;

protected:
    LoopWatcher() = default;

private:
    Look look_ = nullptr;
    void* context_ = nullptr;
};

FXDEFMAP(LoopWatcher)
LoopWatcherMap[] = {
    FXMAPFUNC(FX::SEL_TIMEOUT, LoopWatcher::ID_LOOK, LoopWatcher::onLook),
};
FXIMPLEMENT(LoopWatcher, FX::FXObject, LoopWatcherMap, ARRAYNUMBER(LoopWatcherMap))

namespace {

class PollCounter : public TTimerReceiver {
public:
    int count = 0;
    void onTimer(const STimerEvent*) override {
        ++count;
        setTimer(this, 0);  // fires once per poll
    }
};

class PollLoop : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        lastPollTime = programClock();
        setTimer(&counter, 0);
    }
    void TearDown() override { platform::setTickSource(nullptr); }
    platform::TestTickSource clock{777};
    PollCounter counter;
};

TEST_F(PollLoop, ThirtyMillisecondsDoNotPollThirtyOneDo) {
    clock.advance(30);
    EXPECT_FALSE(pollIfDue());
    clock.advance(1);
    EXPECT_TRUE(pollIfDue());
    EXPECT_EQ(counter.count, 1);
    EXPECT_EQ(lastPollTime, programClock());
}

TEST_F(PollLoop, TimeoutAndChoreWithinOnePeriodPollOnce) {
    TTalvor* window = new TTalvor(&testApp());  // initialises the timer pool
    window->create();
    setTimer(&counter, 0);
    lastPollTime = programClock();
    clock.advance(31);
    window->onTimeoutPoll(nullptr, 0, nullptr);
    clock.advance(5);
    window->onChorePoll(nullptr, 0, nullptr);
    EXPECT_EQ(counter.count, 1);
    clock.advance(26);
    window->onChorePoll(nullptr, 0, nullptr);
    EXPECT_EQ(counter.count, 2);
    delete window;
}

TEST_F(PollLoop, TimeoutIsArmedForWhatIsLeftOfThePeriod) {
    const int32_t now = programClock();
    lastPollTime = now;
    EXPECT_EQ(pollDueInMs(now), 31);
    EXPECT_EQ(pollDueInMs(now + 20), 11);
    EXPECT_EQ(pollDueInMs(now + 30), 1);
    EXPECT_EQ(pollDueInMs(now + 31), 1);
    EXPECT_EQ(pollDueInMs(now + 500), 1);
    EXPECT_EQ(pollDueInMs(now - 5), 31);  // a clock that seems to run backwards
}

TEST_F(PollLoop, PacingSurvivesClockWrap) {
    clock.set(0xFFFFFFF0u);
    resetProgramClock();
    clock.set(0xFFFFFFF0u + 0x7FFFFFF0u);
    lastPollTime = programClock();
    clock.advance(40);  // the program clock wraps past 2^31
    EXPECT_TRUE(pollIsDue(programClock()));
}

// FOX's own clock as the program clock: the loop's timeouts and the poll's
// pacing read the same time, so the count of wake-ups is exact.
class FoxClock : public platform::ITickSource {
public:
    uint32_t milliseconds() override {
        return static_cast<uint32_t>(FX::FXThread::time() / 1000000);
    }
};

class CountUpTo : public TTimerReceiver {
public:
    explicit CountUpTo(int n) : target(n) {}
    void onTimer(const STimerEvent*) override {
        if (++count >= target) done = 1;
        setTimer(this, 0);  // fires once per poll
    }
    int target;
    int count = 0;
    FX::FXuint done = 0;
};

bool lookNever(void*) {
    return false;
}

// In the running loop, every wake-up of the poll timeout polls: the timeout
// is due when the poll is, not 30 ms after the last one ended, which the
// pacing (more than 30 ms) always refused, halving the poll rate.
TEST(PollPeriod, EveryTimeoutOfTheIdleLoopPolls) {
    FoxClock clock;
    platform::setTickSource(&clock);
    resetProgramClock();
    CountingMainWindow* window = new CountingMainWindow(&testApp());
    window->create();
    CountUpTo polls(12);
    setTimer(&polls, 0);
    LoopWatcher guard(lookNever, nullptr);  // ends the loop if the polls stop
    guard.start();
    lastPollTime = programClock();
    window->startPolling();
    FX::FXuint stop = 0;
    while (!stop) {
        testApp().runOneEvent();
        stop = polls.done | guard.done;
    }
    window->stopPolling();
    EXPECT_EQ(polls.count, 12);
    EXPECT_LE(window->wakeups, polls.count + 1);
    delete window;
    platform::setTickSource(nullptr);
}

// A box raised by a frame from inside a poll does not stop the polls: the
// exchange's link poll sent while the box is open is answered, and the
// timer pool goes on ticking, before the box is closed.
struct BoxInPoll {
    StandInExchange* exchange = nullptr;
    CountUpTo* ticks = nullptr;
    int ticksAtFirstLook = -1;
    bool boxSeen = false;
    bool pollSent = false;
    bool answeredWhileOpen = false;
    int ticksWhileOpen() const { return ticks->count - ticksAtFirstLook; }
};

class LinkReplication : public IReplicationControl {
public:
    void restartReplication() override {}
    bool isReplicationOn() override { return false; }
    void setReplicationOn(bool) override {}
    void showReplicationStatus() override {}
};

bool lookAtTheBox(void* context) {
    BoxInPoll& state = *static_cast<BoxInPoll*>(context);
    FX::FXWindow* modal = testApp().getModalWindow();
    if (modal == nullptr) return state.boxSeen;  // the box went away by itself
    if (!state.boxSeen) state.ticksAtFirstLook = state.ticks->count;
    state.boxSeen = true;
    if (!state.pollSent) {
        state.exchange->sendFrame(kTypeLinkPoll, 28673, 16408, kCodeLinkPoll, {7});
        state.pollSent = true;
        return false;
    }
    state.exchange->pump();
    for (const StandInExchange::Frame& frame : state.exchange->received)
        if (frame.type == kTypeLinkPoll && frame.code == kCodeLinkPoll)
            state.answeredWhileOpen = true;
    return state.answeredWhileOpen && state.ticksWhileOpen() >= 3;
}

TEST(PollInModalLoops, LinkPollsAreAnsweredWhileABoxFromAPollIsOpen) {
    platform::FakeKopCard card;
    card.present = false;
    platform::setKopDevice(&card);
    ScopedWorkDir dir;
    dir.write("modem.ini",
              "[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=2\n"
              "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=28673\n"
              "[Usmeravanja\\Usmerenje2]\nUsmeravanje=TCP-IP\nIPAdresa=127.0.0.1\nDPC=0\n");
    StandInExchange exchange;
    udpLocalPort = 0;
    udpRemotePort = exchange.port();
    resetProgramClock();
    TTalvor* window = new TTalvor(&testApp());  // initialises the timer pool
    mainWindow = window;
    window->create();
    createRouter();
    exchange.setWorkstationPort(udpBoundPort());
    LinkReplication replication;
    setReplicationControl(&replication);
    ASSERT_EQ(startLinkSupervision(), 0);
    startOperatorChannel();

    CountUpTo ticks(1000000);
    setTimer(&ticks, 0);
    BoxInPoll state;
    state.exchange = &exchange;
    state.ticks = &ticks;
    LoopWatcher watcher(lookAtTheBox, &state);
    watcher.start();
    lastPollTime = programClock();
    window->startPolling();
    // "Operator logged out": the operator channel shows an information box.
    exchange.sendFrame(kTypeOperator, 28673, 16408, kCodeOperatorLoggedOff, {});
    testApp().runUntil(watcher.done);

    EXPECT_TRUE(state.boxSeen);
    EXPECT_TRUE(state.pollSent);
    EXPECT_TRUE(state.answeredWhileOpen);
    EXPECT_GE(state.ticksWhileOpen(), 3);

    window->stopPolling();
    stopOperatorChannel();
    stopLinkSupervision();
    setReplicationControl(nullptr);
    destroyRouter();
    mainWindow = nullptr;
    delete window;
    kopClose();
    platform::setKopDevice(nullptr);
    udpLocalPort = udpRemotePort = 0;
}

// A timer of the pool that opens a box when it fires, as the link watchdog
// does after an outage: the box's loop runs inside a poll that the poll
// timeout started, with no frame on the link to wake another.
class BoxOnTimer : public TTimerReceiver {
public:
    void onTimer(const STimerEvent*) override { showInformation("box"); }
};

struct TimerBox {
    CountUpTo* ticks = nullptr;
    int ticksAtFirstLook = -1;
    bool boxSeen = false;
};

bool lookForTicksUnderTheBox(void* context) {
    TimerBox& state = *static_cast<TimerBox*>(context);
    if (testApp().getModalWindow() == nullptr) return state.boxSeen;
    if (!state.boxSeen) state.ticksAtFirstLook = state.ticks->count;
    state.boxSeen = true;
    return state.ticks->count - state.ticksAtFirstLook >= 3;
}

TEST(PollInModalLoops, TimersTickWhileABoxFromATimerIsOpen) {
    FoxClock clock;
    platform::setTickSource(&clock);
    resetProgramClock();
    TTalvor* window = new TTalvor(&testApp());  // initialises the timer pool
    window->create();
    CountUpTo ticks(1000000);
    setTimer(&ticks, 0);
    BoxOnTimer box;
    setTimer(&box, 100);
    TimerBox state;
    state.ticks = &ticks;
    LoopWatcher watcher(lookForTicksUnderTheBox, &state);
    watcher.start();
    lastPollTime = programClock();
    window->startPolling();
    testApp().runUntil(watcher.done);

    EXPECT_TRUE(state.boxSeen);
    EXPECT_GE(ticks.count - state.ticksAtFirstLook, 3);

    window->stopPolling();
    killTimers(&ticks);
    killTimers(&box);
    delete window;
    platform::setTickSource(nullptr);
}

// Records type 150 and takes a millisecond of the test clock per message.
class SlowLines : public TMessageReceiver {
public:
    explicit SlowLines(platform::TestTickSource& clock) : TMessageReceiver(150), clock_(clock) {
        active = 1;
    }
    void onMessage(uint8_t, uint16_t, uint8_t, const uint8_t* payload, int length) override {
        if (length > 0) codes.push_back(payload[0]);
        clock_.advance(1);
    }
    std::vector<int> codes;

private:
    platform::TestTickSource& clock_;
};

bool lookNeverAgain(void*) {
    return false;
}

// In the running loop, frames waiting on the link are taken as they come,
// without waiting for the poll's 30 ms; a poll that its budget ends leaves
// the rest to the next one, and all arrive in order.
TEST(PollIntake, FramesAreTakenAtOnceAndABudgetEndedPollIsContinued) {
    platform::FakeKopCard card;
    card.present = false;
    platform::setKopDevice(&card);
    LoopbackRouter link;
    link.startRouter(kLoopbackExchangeRoutes);
    TTalvor* window = new TTalvor(&testApp());  // initialises the timer pool
    window->create();
    SlowLines lines(link.clock);
    lastPollTime = programClock();
    window->startPolling();
    std::vector<int> sent;
    for (int i = 0; i < 50; ++i) {
        link.peer.sendFrame(150, 28673, 16408, 1, {uint8_t(i)});
        sent.push_back(i);
    }
    LoopWatcher guard(lookNeverAgain, nullptr);
    guard.start();
    // The test clock stands still but for the frames' own milliseconds, so
    // no poll is ever due by the clock: only the socket and the chore poll.
    while (lines.codes.size() < sent.size() && !guard.done) testApp().runOneEvent();
    EXPECT_EQ(lines.codes, sent);
    EXPECT_FALSE(pollLeftFramesWaiting());
    window->stopPolling();
    delete window;
    link.stopRouter();
    kopClose();
    platform::setKopDevice(nullptr);
    udpLocalPort = udpRemotePort = 0;
}

std::vector<std::string> ran;
int okStep() {
    ran.push_back("ok");
    return 0;
}
int failUntested() {
    ran.push_back("untested");
    return -1;
}
int failTested() {
    ran.push_back("tested");
    return -1;
}
int neverRun() {
    ran.push_back("never");
    return 0;
}

TEST(StartSteps, TestedFailureEndsStartUpUntestedDoesNot) {
    ran.clear();
    const std::vector<SStartStep> steps = {{"a", okStep, true},
                                           {"b", failUntested, false},
                                           {"c", failTested, true},
                                           {"d", neverRun, false}};
    EXPECT_EQ(runStartSteps(steps), -1);
    EXPECT_EQ(ran, (std::vector<std::string>{"ok", "untested", "tested"}));
    ran.clear();
    EXPECT_EQ(runStartSteps({{"a", okStep, true}, {"b", failUntested, false}}), 0);
}

}  // namespace
