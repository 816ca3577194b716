#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alarms/alarm_count_poll.h"
#include "alarms/alarm_panel.h"
#include "alarms/alarm_reporter.h"
#include "link/router.h"
#include "peer/loopback_router.h"
#include "utils/status_cells.h"

namespace {

// A status cell that remembers its last colour and its repaints.
class RecordingCell : public IStatusCell {
public:
    void setText(const char*) override {}
    void showIdleColour() override { colour = "idle"; }
    void showActiveColour() override { colour = "active"; }
    void refresh() override { ++refreshes; }
    std::string colour = "start";
    int refreshes = 0;
};

// Keeps every picture the panel sends; the port stays closed.
class RecordingStrategy : public KStrategijaKomunikacijaSaALP {
public:
    RecordingStrategy() : KStrategijaKomunikacijaSaALP("", 9600) {}
    int send(const SAlpPicture& picture) override {
        pictures.push_back(picture);
        return 0;
    }
    std::vector<SAlpPicture> pictures;
};

// Indicators 0..3 of a picture: '-' off, 'o' on with attribute 0, 'B' with 1.
std::string indicators(const SAlpPicture& p) {
    std::string s;
    for (int i = 0; i < 4; ++i)
        s.push_back(p.indicators[i] != 1 ? '-' : p.indicators[4 + i] == 1 ? 'B' : 'o');
    return s;
}
// The two digits of display 1 or 2, blank as ' '.
std::string display(const SAlpPicture& p, int which) {
    std::string s;
    for (int position = 0; position < 2; ++position) {
        const uint8_t v = p.display[(which - 1) * 5 + position];
        s.push_back(v == kAlpBlankDigit ? ' ' : v < 10 ? char('0' + v) : '?');
    }
    return s;
}

std::vector<uint8_t> answer(uint16_t a1, uint16_t a2, uint16_t third) {
    return {0xEE,           uint8_t(a1),        uint8_t(a1 >> 8), uint8_t(a2), uint8_t(a2 >> 8),
            uint8_t(third), uint8_t(third >> 8)};
}

class AlarmCountPoll : public ::testing::Test {
protected:
    void SetUp() override {
        a1Cell = &a1;
        a2Cell = &a2;
        okCell = &ok;
        panel = std::make_unique<KAlarmniPanel>(&strategy);
        alarmPanel = panel.get();
    }
    void TearDown() override {
        a1Cell = a2Cell = okCell = nullptr;
        alarmPanel = nullptr;
        endAlpTest();
    }
    RecordingCell a1, a2, ok;
    RecordingStrategy strategy;
    std::unique_ptr<KAlarmniPanel> panel;
};

struct CountCase {
    uint16_t a1, a2, third;
    const char* a1Colour;
    const char* a2Colour;
    const char* okColour;
    const char* indicators;  // 0..3
    const char* display1;
    const char* display2;
};

TEST_F(AlarmCountPoll, AnswerPaintsCellsAndPanel) {
    const CountCase cases[] = {
        {0, 0, 0, "idle", "idle", "active", "-o--", "  ", "  "},
        {0, 0, 4, "idle", "idle", "idle", "--o-", "  ", "  "},
        {0, 3, 0, "idle", "active", "idle", "--B-", "  ", "03"},
        {0, 3, 4, "idle", "active", "idle", "--B-", "  ", "03"},
        {7, 0, 0, "active", "idle", "idle", "---B", "07", "  "},
        {123, 0, 9, "active", "idle", "idle", "---B", "99", "  "},
        {99, 45, 0, "active", "active", "idle", "--BB", "99", "45"},
        {10, 100, 1, "active", "active", "idle", "--BB", "10", "99"},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a1 << "/" << c.a2 << "/" << c.third);
        KAlarmProzivka poll;
        strategy.pictures.clear();
        panel = std::make_unique<KAlarmniPanel>(&strategy);
        alarmPanel = panel.get();
        a1 = a2 = ok = RecordingCell();
        const std::vector<uint8_t> p = answer(c.a1, c.a2, c.third);
        EXPECT_EQ(dispatchMessage(kTypeAlarm, kExchangeAddress, kAlarmCountAnswerCode, p.data(),
                                  int(p.size())),
                  1);
        EXPECT_EQ(a1.colour, c.a1Colour);
        EXPECT_EQ(a2.colour, c.a2Colour);
        EXPECT_EQ(ok.colour, c.okColour);
        EXPECT_GT(a1.refreshes, 0);
        ASSERT_EQ(strategy.pictures.size(), 1u);
        EXPECT_EQ(indicators(strategy.pictures[0]), c.indicators);
        EXPECT_EQ(display(strategy.pictures[0], 1), c.display1);
        EXPECT_EQ(display(strategy.pictures[0], 2), c.display2);
    }
}

TEST_F(AlarmCountPoll, PanelLeftAloneDuringATestOrWithoutPanel) {
    KAlarmProzivka poll;
    const std::vector<uint8_t> p = answer(2, 0, 0);
    beginAlpTest();
    dispatchMessage(kTypeAlarm, kExchangeAddress, kAlarmCountAnswerCode, p.data(), int(p.size()));
    EXPECT_EQ(a1.colour, "active");
    EXPECT_TRUE(strategy.pictures.empty());
    EXPECT_EQ(indicators(panel->picture()), "----");
    endAlpTest();
    alarmPanel = nullptr;
    const std::vector<uint8_t> none = answer(0, 0, 0);
    dispatchMessage(kTypeAlarm, kExchangeAddress, kAlarmCountAnswerCode, none.data(),
                    int(none.size()));
    EXPECT_EQ(ok.colour, "active");
    EXPECT_TRUE(strategy.pictures.empty());
}

TEST_F(AlarmCountPoll, ShortAnswersAndOtherCodesChangeNothing) {
    KAlarmProzivka poll;
    const std::vector<uint8_t> p = answer(5, 5, 5);
    for (size_t cut = 0; cut < p.size(); ++cut)
        dispatchMessage(kTypeAlarm, kExchangeAddress, kAlarmCountAnswerCode, p.data(), int(cut));
    EXPECT_EQ(dispatchMessage(kTypeAlarm, kExchangeAddress, 8, p.data(), int(p.size())), 0);
    EXPECT_EQ(a1.colour, "start");
    EXPECT_TRUE(strategy.pictures.empty());
}

class AlarmCountPollOverUdp : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override { startRouter(kLoopbackExchangeRoutes); }
    void TearDown() override {
        destroyAlarmCountPoll();
        a1Cell = nullptr;
        stopRouter();
    }
};

TEST_F(AlarmCountPollOverUdp, PollsEveryFiveSecondsAndTakesTheAnswer) {
    RecordingCell cell;
    a1Cell = &cell;
    ASSERT_EQ(createAlarmCountPoll(), 0);
    ASSERT_NE(alarmCountPoll, nullptr);
    clock.advance(4999);
    tickTimers();
    EXPECT_EQ(peer.pump(), 0);
    for (int poll = 1; poll <= 3; ++poll) {
        clock.advance(poll == 1 ? 1 : 5000);
        tickTimers();
        ASSERT_EQ(peer.pump(), 1) << poll;  // polls go on without answers
        const auto& f = peer.received.back();
        EXPECT_EQ(f.type, kTypeAlarm);
        EXPECT_EQ(f.destination, kExchangeAddress);
        EXPECT_EQ(f.code, kAlarmCountPollCode);
        EXPECT_TRUE(f.payload.empty());
    }
    peer.sendFrame(kTypeAlarm, ownAddress, kExchangeAddress, kAlarmCountAnswerCode,
                   answer(1, 0, 0));
    router->receiveMessages();
    EXPECT_EQ(cell.colour, "active");
    destroyAlarmCountPoll();
    EXPECT_EQ(alarmCountPoll, nullptr);
    clock.advance(10000);
    tickTimers();
    EXPECT_EQ(peer.pump(), 0);
}

}  // namespace
