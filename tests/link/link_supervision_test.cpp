#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/link_supervision.h"
#include "link/message_bus.h"
#include "link/router.h"
#include "link/udp_transport.h"
#include "peer/fake_card_setup.h"
#include "peer/stand_in_exchange.h"
#include "peer/work_dir.h"
#include "platform/local_clock.h"
#include "shell/poll_loop.h"

namespace {

using Bytes = std::vector<uint8_t>;

class RecordingReplication : public IReplicationControl {
public:
    void restartReplication() override { ++restarts; }
    bool isReplicationOn() override { return on; }
    void setReplicationOn(bool value) override {
        on = value;
        if (!value) ++switchedOff;
    }
    void showReplicationStatus() override { ++statusShown; }
    bool on = false;
    int restarts = 0, switchedOff = 0, statusShown = 0;
};

class RecordingOperatorChannel : public IOperatorChannel {
public:
    bool operatorLoggedOn() override { return loggedOn; }
    void reinitOperatorInterface() override {
        loggedOn = false;
        ++reinits;
    }
    bool loggedOn = false;
    int reinits = 0;
};

// This workstation (28673) with the stand-in exchange behind its default route.
const char* const kLanIni =
    "[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=2\n"
    "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=28673\n"
    "[Usmeravanja\\Usmerenje2]\nUsmeravanje=TCP-IP\nIPAdresa=127.0.0.1\nDPC=0\n";

class LinkSupervision : public ::testing::Test {
protected:
    void SetUp() override {
        fake.card.present = false;
        dir.write("modem.ini", kLanIni);
        udpLocalPort = 0;
        udpRemotePort = exchange.port();
        createRouter();
        exchange.setWorkstationPort(udpBoundPort());
        setReplicationControl(&replication);
        setOperatorChannel(&channel);
        ASSERT_EQ(startLinkSupervision(), 0);
    }
    void TearDown() override {
        stopLinkSupervision();
        destroyRouter();
        setReplicationControl(nullptr);
        setOperatorChannel(nullptr);
        udpLocalPort = udpRemotePort = 6666;
    }
    void pollFrom(uint16_t source, const Bytes& payload) {
        exchange.sendFrame(kTypeLinkPoll, 28673, source, kCodeLinkPoll, payload);
        pollServices();
    }
    ScopedFakeCard fake;
    ScopedWorkDir dir;
    StandInExchange exchange;
    RecordingReplication replication;
    RecordingOperatorChannel channel;
};

TEST_F(LinkSupervision, PollIsEchoedToItsSourceAndRestartsReplicationOnce) {
    pollFrom(16408, {1, 2, 3});
    ASSERT_EQ(exchange.pump(), 1);
    const StandInExchange::Frame& echo = exchange.received[0];
    EXPECT_EQ(echo.type, kTypeLinkPoll);
    EXPECT_EQ(echo.code, kCodeLinkPoll);
    EXPECT_EQ(echo.destination, 16408);
    EXPECT_EQ(echo.source, 28673);
    EXPECT_EQ(echo.payload, (Bytes{1, 2, 3}));
    EXPECT_EQ(replication.restarts, 1);
    EXPECT_EQ(linkUp, 1);

    pollFrom(28675, {});
    ASSERT_EQ(exchange.pump(), 1);
    EXPECT_EQ(exchange.received[1].destination, 28675);
    EXPECT_TRUE(exchange.received[1].payload.empty());
    EXPECT_EQ(replication.restarts, 1);
}

// One step of a link history: time passes, then maybe a poll arrives.
struct LinkStep {
    uint32_t advanceMs;
    bool poll;
    bool logOn;  // the exchange reports an operator logged on before the step
    int switchedOff, statusShown, reinits, restarts;
    uint8_t linkUp;
};

TEST_F(LinkSupervision, WatchdogFiresEveryFifteenSecondsWithoutPolls) {
    replication.on = true;
    channel.loggedOn = true;
    const LinkStep steps[] = {
        {14999, false, false, 0, 0, 0, 0, 0},
        {1, false, false, 1, 1, 1, 0, 0},      // 15 s: off, status, re-initialised
        {15000, false, false, 1, 1, 1, 0, 0},  // 30 s: already off, nobody logged on
        {15000, false, true, 1, 1, 2, 0, 0},   // 45 s: logged on again
        {1000, true, false, 1, 1, 2, 1, 1},    // the first poll restarts replication
        {10000, true, false, 1, 1, 2, 1, 1},   // polls every 10 s keep the link up
        {10000, true, false, 1, 1, 2, 1, 1},
        {14999, false, false, 1, 1, 2, 1, 1},
        {1, false, false, 1, 1, 2, 1, 0},  // lost again: replication was off already
        {500, true, false, 1, 1, 2, 2, 1},
    };
    int n = 0;
    for (const LinkStep& s : steps) {
        ++n;
        if (s.logOn) channel.loggedOn = true;
        fake.clock.advance(s.advanceMs);
        if (s.poll)
            pollFrom(16408, {9});
        else
            pollServices();
        EXPECT_EQ(replication.switchedOff, s.switchedOff) << "step " << n;
        EXPECT_EQ(replication.statusShown, s.statusShown) << "step " << n;
        EXPECT_EQ(channel.reinits, s.reinits) << "step " << n;
        EXPECT_EQ(replication.restarts, s.restarts) << "step " << n;
        EXPECT_EQ(linkUp, s.linkUp) << "step " << n;
    }
}

struct ClockCase {
    const char* name;
    uint8_t code;
    Bytes payload;
    bool set;
};

TEST_F(LinkSupervision, ClockIsSetOnlyFromAValidEightBytePayload) {
    // 15.03.2006 10:20:30.50 in wire order.
    const Bytes good = {15, 3, 0xD6, 0x07, 50, 30, 20, 10};
    Bytes longer = good, shorter = good, month13 = good, feb30 = good, hour24 = good, y1979 = good;
    longer.push_back(0);
    shorter.pop_back();
    month13[1] = 13;
    feb30[0] = 30;
    feb30[1] = 2;
    hour24[7] = 24;
    y1979[2] = 0xBB;  // 1979
    const ClockCase cases[] = {
        {"valid", kCodeClockSet, good, true},
        {"nine bytes", kCodeClockSet, longer, false},
        {"seven bytes", kCodeClockSet, shorter, false},
        {"code 1", kCodeClockInfo, good, false},
        {"month 13", kCodeClockSet, month13, false},
        {"30 February", kCodeClockSet, feb30, false},
        {"hour 24", kCodeClockSet, hour24, false},
        {"year 1979", kCodeClockSet, y1979, false},
    };
    for (const ClockCase& c : cases) {
        platform::TestLocalClock clock;
        clock.current = {2001, 1, 1, 0, 0, 0, 0};
        platform::setLocalClock(&clock);
        dispatchMessage(kTypeClock, 16408, c.code, c.payload.data(), int(c.payload.size()));
        platform::setLocalClock(nullptr);
        EXPECT_EQ(!clock.sets.empty(), c.set) << c.name;
        if (!c.set) continue;
        const platform::LocalTime& t = clock.current;
        EXPECT_EQ(t.year, 2006);
        EXPECT_EQ(t.month, 3);
        EXPECT_EQ(t.day, 15);
        EXPECT_EQ(t.hour, 10);
        EXPECT_EQ(t.minute, 20);
        EXPECT_EQ(t.second, 30);
    }
}

TEST_F(LinkSupervision, StopCancelsTheWatchdog) {
    replication.on = true;
    stopLinkSupervision();
    fake.clock.advance(60000);
    pollFrom(16408, {});
    EXPECT_EQ(exchange.pump(), 0);
    EXPECT_EQ(replication.switchedOff, 0);
    EXPECT_EQ(replication.restarts, 0);
}

}  // namespace
