#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "monitoring/continuous_load.h"
#include "monitoring/monitoring_fixtures.h"
#include "monitoring/monitoring_texts.h"
#include "sub/replication_control.h"

namespace {

class ContinuousLoad : public ::testing::Test, protected MonitoringWorld {
protected:
    ~ContinuousLoad() override {
        for (KStalno** g : {&continuousCpLoad, &continuousArLoad, &continuousCallStore}) {
            delete *g;
            *g = nullptr;
        }
    }
    // The codes of the requests sent to the management processor so far.
    std::vector<uint8_t> codes() const {
        std::vector<uint8_t> out;
        for (const auto& m : requests.messages) {
            EXPECT_EQ(m.key, 16408);
            EXPECT_TRUE(m.payload.empty());
            out.push_back(m.code);
        }
        return out;
    }
    RecordingReceiver requests{kTypeLoadMeasurement};
    const int otherTimers = armedTimerCount();  // the router's own
};

using Toggle = void (*)();

TEST_F(ContinuousLoad, EachCommandRepeatsItsOwnRequestEverySecond) {
    const struct {
        Toggle toggle;
        KStalno** global;
        uint8_t code;
    } cases[] = {{toggleContinuousCpLoad, &continuousCpLoad, 153},
                 {toggleContinuousArLoad, &continuousArLoad, 156},
                 {toggleContinuousCallStore, &continuousCallStore, 185}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.code));
        requests.messages.clear();
        c.toggle();
        ASSERT_NE(*c.global, nullptr);
        pass(999);
        EXPECT_TRUE(codes().empty()) << "the first request waits a second";
        pass(1);
        EXPECT_EQ(codes(), std::vector<uint8_t>{c.code});
        pass(1000);
        EXPECT_EQ(codes(), (std::vector<uint8_t>{c.code, c.code}));
        c.toggle();
        EXPECT_EQ(*c.global, nullptr);
        EXPECT_EQ(armedTimerCount(), otherTimers);
        pass(5000);
        EXPECT_EQ(codes().size(), 2u);
    }
}

TEST_F(ContinuousLoad, TwoRunsWithinASecondSendNothing) {
    toggleContinuousCpLoad();
    pass(500);
    toggleContinuousCpLoad();
    pass(10000);
    EXPECT_TRUE(codes().empty());
    EXPECT_EQ(continuousCpLoad, nullptr);
}

TEST_F(ContinuousLoad, RepeatersRunSideBySide) {
    toggleContinuousCpLoad();
    pass(500);
    toggleContinuousArLoad();
    for (int n = 0; n < 4; ++n) pass(500);  // to 2.5 s
    EXPECT_EQ(codes(), (std::vector<uint8_t>{153, 156, 153, 156}));
}

TEST_F(ContinuousLoad, AnHourOfRequestsThenSilenceUntilTheNextRunsStartAgain) {
    toggleContinuousCpLoad();
    for (int s = 0; s < 3600; ++s) pass(1000);
    EXPECT_EQ(codes().size(), 3600u);
    pass(1000);
    pass(60000);
    EXPECT_EQ(codes().size(), 3600u);
    EXPECT_EQ(armedTimerCount(), otherTimers);
    ASSERT_NE(continuousCpLoad, nullptr) << "the spent repeater stays until the next run";

    toggleContinuousCpLoad();  // only deletes it
    EXPECT_EQ(continuousCpLoad, nullptr);
    pass(2000);
    EXPECT_EQ(codes().size(), 3600u);

    toggleContinuousCpLoad();  // a new series
    pass(1000);
    EXPECT_EQ(codes().size(), 3601u);
}

TEST_F(ContinuousLoad, RestartOfTheReplicationIsAskedFirst) {
    for (int answer : {0, 1}) {
        boxes.boxes.clear();
        boxes.answer = answer;
        restartReplicationCommand();  // without a replication client the restart does nothing
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Question);
        EXPECT_EQ(boxes.boxes[0].text, kText21221);
    }
}

}  // namespace
