#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/timer_pool.h"
#include "peer/test_app.h"
#include "platform/tick.h"
#include "shell/main_window.h"
#include "shell/poll_loop.h"
#include "startup.h"

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

TEST_F(PollLoop, PacingSurvivesClockWrap) {
    clock.set(0xFFFFFFF0u);
    resetProgramClock();
    clock.set(0xFFFFFFF0u + 0x7FFFFFF0u);
    lastPollTime = programClock();
    clock.advance(40);  // the program clock wraps past 2^31
    EXPECT_TRUE(pollIsDue(programClock()));
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
