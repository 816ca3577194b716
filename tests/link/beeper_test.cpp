#include <vector>

#include <gtest/gtest.h>

#include "link/beeper.h"
#include "link/timer_pool.h"
#include "platform/speaker.h"
#include "platform/tick.h"

namespace {

using Tone = platform::RecordingSpeaker::Tone;
using Tones = std::vector<Tone>;

class Beeper : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        platform::setSpeaker(&speaker);
    }
    void TearDown() override {
        platform::setSpeaker(nullptr);
        platform::setTickSource(nullptr);
    }
    void advance(uint32_t ms) {
        clock.advance(ms);
        tickTimers();
    }
    platform::TestTickSource clock;
    platform::RecordingSpeaker speaker;
};

// A tone plays on until its timer ends it.
TEST_F(Beeper, TimerEndsTheTone) {
    TBeepReceiver b;
    EXPECT_EQ(b.beep(1200, 200), 0);
    EXPECT_EQ(speaker.tones, (Tones{{1200, -1}}));
    advance(199);
    EXPECT_TRUE(b.isRunning());
    advance(1);
    EXPECT_FALSE(b.isRunning());
    EXPECT_EQ(speaker.tones, (Tones{{1200, -1}, {1200, 0}}));
    EXPECT_EQ(b.beep(1500, 100), 0);  // idle again
}

// A second beep 100 ms into a 200 ms beep sounds its own 300 ms.
TEST_F(Beeper, SecondBeepRestartsTheTone) {
    TBeepReceiver b;
    b.beep(1200, 200);
    advance(100);
    EXPECT_EQ(b.beep(1500, 300), 1);
    advance(299);
    EXPECT_TRUE(b.isRunning());
    EXPECT_EQ(speaker.tones, (Tones{{1200, -1}, {1500, -1}}));
    advance(1);
    EXPECT_EQ(speaker.tones, (Tones{{1200, -1}, {1500, -1}, {1500, 0}}));
}

// Destroying a sounding beeper stops the tone and leaves no timer armed.
TEST_F(Beeper, DestroyingStopsTheTone) {
    const int armed = armedTimerCount();
    {
        TBeepReceiver b;
        b.beep(1000, 500);
        EXPECT_EQ(armedTimerCount(), armed + 1);
    }
    EXPECT_EQ(armedTimerCount(), armed);
    EXPECT_EQ(speaker.tones, (Tones{{1000, -1}, {1000, 0}}));
}

// Without a free timer the speaker times the tone itself.
TEST_F(Beeper, NoFreeTimerPlaysATimedTone) {
    struct Filler : TTimerReceiver {
        void onTimer(const STimerEvent*) override {}
    } filler;
    while (setTimer(&filler, 1000) >= 0) {
    }
    TBeepReceiver b;
    EXPECT_EQ(b.beep(800, 150), 0);
    EXPECT_FALSE(b.isRunning());
    EXPECT_EQ(speaker.tones, (Tones{{800, 150}}));
    killTimers(&filler);
}

}  // namespace
