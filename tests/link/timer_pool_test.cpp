#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/timer_pool.h"
#include "platform/tick.h"

namespace {

std::vector<std::string> fired;

class Owner : public TTimerReceiver {
public:
    explicit Owner(const char* name) : name_(name) {}
    std::function<void(const STimerEvent*)> action;
    void onTimer(const STimerEvent* e) override {
        fired.push_back(name_ + ":" + std::to_string(e->data[0]));
        if (action) action(e);
    }

private:
    std::string name_;
};

STimerEvent tag(uint8_t t) {
    STimerEvent e;
    e.data[0] = t;
    return e;
}

class TimerPool : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        fired.clear();
    }
    void TearDown() override { platform::setTickSource(nullptr); }
    void advance(uint32_t ms) {
        clock.advance(ms);
        tickTimers();
    }
    std::vector<uint32_t> deltas() {
        uint32_t d[kTimerPoolSize];
        const int n = dueListDeltas(d, kTimerPoolSize);
        return std::vector<uint32_t>(d, d + n);
    }
    platform::TestTickSource clock{5000};
};

TEST_F(TimerPool, IdsComeFromTheTopOfTheFreeList) {
    Owner a("a");
    EXPECT_EQ(setTimer(&a, 10), 999);
    EXPECT_EQ(setTimer(&a, 10), 998);
    EXPECT_EQ(setTimer(&a, 10), 997);
    EXPECT_EQ(killTimer(&a, 998), 0);
    EXPECT_EQ(setTimer(&a, 10), 998);
}

TEST_F(TimerPool, DueListIsDeltaEncodedAndFiresInOrder) {
    Owner a("a");
    const STimerEvent t100 = tag(100), t50 = tag(50);
    setTimer(&a, 100, &t100);
    setTimer(&a, 50, &t50);
    EXPECT_EQ(deltas(), (std::vector<uint32_t>{50, 50}));
    advance(49);
    EXPECT_TRUE(fired.empty());
    advance(1);
    EXPECT_EQ(fired, (std::vector<std::string>{"a:50"}));
    advance(60);
    EXPECT_EQ(fired, (std::vector<std::string>{"a:50", "a:100"}));
}

TEST_F(TimerPool, SameDueTimeFiresTogetherLaterArmedFirst) {
    Owner a("a");
    const STimerEvent t1 = tag(1), t2 = tag(2);
    setTimer(&a, 20, &t1);
    setTimer(&a, 20, &t2);
    advance(30);
    EXPECT_EQ(fired, (std::vector<std::string>{"a:2", "a:1"}));
}

TEST_F(TimerPool, CancellingKeepsLaterDueTimes) {
    Owner a("a"), b("b");
    const STimerEvent t10 = tag(10), t20 = tag(20), t30 = tag(30);
    const int first = setTimer(&a, 10, &t10);
    setTimer(&b, 20, &t20);
    setTimer(&b, 30, &t30);
    EXPECT_EQ(killTimer(&a, first), 0);
    EXPECT_EQ(killTimer(&a, first), -1);
    EXPECT_EQ(killTimer(&a, 1000), -1);
    advance(19);
    EXPECT_TRUE(fired.empty());
    advance(1);
    advance(10);
    EXPECT_EQ(fired, (std::vector<std::string>{"b:20", "b:30"}));

    fired.clear();
    setTimer(&a, 10, &t10);
    setTimer(&a, 15, &t20);
    setTimer(&b, 25, &t30);
    killTimers(&a);
    advance(24);
    EXPECT_TRUE(fired.empty());
    advance(1);
    EXPECT_EQ(fired, (std::vector<std::string>{"b:30"}));
}

TEST_F(TimerPool, ZeroDelayRearmFiresAtTheNextTickWithTheSameId) {
    Owner a("a");
    int ids[2] = {-1, -1};
    int n = 0;
    a.action = [&](const STimerEvent* e) {
        ids[n++] = e->timerId;
        if (n == 1) {
            EXPECT_EQ(setTimer(&a, 0), e->timerId);
        }
    };
    setTimer(&a, 1);
    advance(30);
    EXPECT_EQ(n, 1);
    advance(30);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(ids[0], ids[1]);
}

TEST_F(TimerPool, HandlerDestroyingAnotherDueReceiverSkipsIt) {
    Owner killer("killer");
    auto* victim = new Owner("victim");
    setTimer(victim, 10);
    setTimer(&killer, 5);
    killer.action = [&](const STimerEvent*) { delete victim; };
    advance(20);
    EXPECT_EQ(fired, (std::vector<std::string>{"killer:0"}));
    EXPECT_EQ(armedTimerCount(), 0);
}

TEST_F(TimerPool, NestedTickDeliversOnlyWhatIsOnTheDueList) {
    Owner a("a"), b("b"), c("c");
    setTimer(&a, 5);
    setTimer(&b, 10);
    a.action = [&](const STimerEvent*) {
        setTimer(&c, 0);
        clock.advance(1);
        tickTimers();  // a nested poll: b waits in the outer batch, c is due now
    };
    advance(10);
    EXPECT_EQ(fired, (std::vector<std::string>{"a:0", "c:0", "b:0"}));
}

TEST_F(TimerPool, FullPoolRefusesThenRecovers) {
    Owner a("a");
    for (int i = 0; i < kTimerPoolSize; ++i) ASSERT_GE(setTimer(&a, 100 + i), 0);
    const auto before = deltas();
    EXPECT_EQ(setTimer(&a, 1), -1);
    EXPECT_EQ(deltas(), before);
    advance(100);
    EXPECT_GE(setTimer(&a, 1), 0);
}

TEST_F(TimerPool, KillOfFiredTimerFailsUnlessIdWasReused) {
    Owner a("a");
    const int id = setTimer(&a, 1);
    advance(5);
    EXPECT_EQ(killTimer(&a, id), -1);
    EXPECT_EQ(setTimer(&a, 50), id);
    EXPECT_EQ(killTimer(&a, id), 0);
}

TEST_F(TimerPool, ShiftedBaseDoesNotCountTimeSpentSettingTheClock) {
    Owner a("a");
    setTimer(&a, 100);
    const int32_t before = programClock();
    clock.advance(500);  // the system clock was being set
    EXPECT_EQ(shiftTimerBase(before, programClock()), 500);
    advance(99);
    EXPECT_TRUE(fired.empty());
    advance(1);
    EXPECT_EQ(fired.size(), 1u);
}

TEST_F(TimerPool, ClockBehindTheBaseDoesNothing) {
    Owner a("a");
    setTimer(&a, 10);
    shiftTimerBase(0, 50);  // base now lies 50 ms ahead of the clock
    advance(40);
    EXPECT_TRUE(fired.empty());
    advance(20);
    EXPECT_EQ(fired.size(), 1u);
}

}  // namespace
