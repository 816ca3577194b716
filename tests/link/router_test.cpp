#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/router.h"
#include "link/text_lines.h"
#include "link/udp_transport.h"
#include "peer/loopback_router.h"
#include "peer/recording_receiver.h"
#include "peer/stand_in_exchange.h"
#include "peer/work_dir.h"
#include "platform/tick.h"
#include "utils/status_cells.h"

namespace {

const char* const kGatewayIni =
    "[Usmeravanja]\n"
    "BrojORa=28673\n"
    "BrojUsmeravanja=3\n"
    "[Usmeravanja\\Usmerenje1]\n"
    "Usmeravanje=Lokal\n"
    "DPC=28673\n"
    "[Usmeravanja\\Usmerenje2]\n"
    "Usmeravanje=TCP-IP\n"
    "IPAdresa=127.0.0.1\n"
    "DPC=28674\n"
    "[Usmeravanja\\Usmerenje3]\n"
    "Usmeravanje=TCP-IP\n"
    "IPAdresa=127.0.0.1\n"
    "DPC=0\n";

class RecordingCell : public IStatusCell {
public:
    void setText(const char* t) override {
        text = t;
        left = false;
    }
    void setTextLeft(const char* t) override {
        text = t;
        left = true;
    }
    std::string text;
    bool left = false;
};

// A router over loopback UDP with the stand-in exchange as every TCP-IP peer.
class RouterOverUdp : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override { startRouter(kGatewayIni); }
    void TearDown() override { stopRouter(); }
};

TEST_F(RouterOverUdp, TextLineToTheExchangeIsOneExactDatagram) {
    ASSERT_TRUE(udpIsOpen());
    postTextLine(kLineJournal, "AB", 136);
    ASSERT_EQ(peer.pump(), 1);
    const std::vector<uint8_t> expected = {13, 0, 136, 0x18, 0x40, 0x01, 0x70, 0,
                                           0,  0, 255, 0x42, 'A',  'B',  0};
    EXPECT_EQ(peer.received[0].bytes, expected);
}

TEST_F(RouterOverUdp, FrameForThisWorkstationIsDeliveredWithItsSourceAsKey) {
    RecordingReceiver rec(136);
    peer.sendFrame(136, 28673, 16408, 255, {'h', 'i', 0});
    router->receiveMessages();
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].key, 16408);
    EXPECT_EQ(rec.messages[0].code, 255);
    EXPECT_EQ(rec.messages[0].text(), "hi");
}

TEST_F(RouterOverUdp, FrameForAnotherWorkstationIsRelayedUnchanged) {
    const auto frame = makeFrame(150, 28674, 16408, 7, {1, 2, 3});
    peer.sendRaw(frame);
    router->receiveMessages();
    ASSERT_EQ(peer.pump(), 1);
    EXPECT_EQ(peer.received[0].bytes, frame);
    // From a source no route names, a destination without its own route finds none.
    peer.sendFrame(150, 28675, 16408, 7, {});
    router->receiveMessages();
    EXPECT_EQ(peer.pump(), 0);
}

TEST_F(RouterOverUdp, MalformedFramesAreDroppedAndCounted) {
    RecordingReceiver rec(136);
    auto shortLength = makeFrame(136, 28673, 16408, 255, {'x', 0});
    shortLength[0] = 5;
    auto beyondDatagram = makeFrame(136, 28673, 16408, 255, {'x', 0});
    beyondDatagram[0] = 40;
    std::vector<uint8_t> oversize =
        makeFrame(136, 28673, 16408, 255, std::vector<uint8_t>(1200, 'a'));
    const std::vector<std::vector<uint8_t>> bad = {shortLength, beyondDatagram, oversize, {0x01}};
    for (const auto& datagram : bad) peer.sendRaw(datagram);
    router->receiveMessages();
    EXPECT_TRUE(rec.messages.empty());
    EXPECT_EQ(router->droppedFrames, bad.size());
}

// Every waiting frame is taken in one pass, in the order it arrived.
TEST_F(RouterOverUdp, APassTakesEveryWaitingFrameInOrder) {
    constexpr int kFrames = 500;
    RecordingReceiver rec(136);
    for (int i = 0; i < kFrames; ++i)
        peer.sendFrame(136, 28673, 16408, 255, {uint8_t(i & 0xFF), uint8_t(i >> 8)});
    if (udpLostFrames() != 0) GTEST_SKIP() << "the kernel granted too small a receive buffer";
    EXPECT_EQ(router->receiveMessages(), kFrames);
    EXPECT_FALSE(router->framesLeft);
    ASSERT_EQ(rec.messages.size(), size_t(kFrames));
    for (int i = 0; i < kFrames; ++i)
        EXPECT_EQ(rec.messages[i].payload,
                  (std::vector<uint8_t>{uint8_t(i & 0xFF), uint8_t(i >> 8)}));
}

// A receiver that takes a millisecond of the program clock for each message.
class SlowReceiver : public RecordingReceiver {
public:
    SlowReceiver(uint8_t type, platform::TestTickSource& clock)
        : RecordingReceiver(type), clock_(clock) {}
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override {
        RecordingReceiver::onMessage(type, key, code, payload, length);
        clock_.advance(1);
    }

private:
    platform::TestTickSource& clock_;
};

// The budget ends a pass with frames still waiting; the next pass goes on
// from the first frame left.
TEST_F(RouterOverUdp, BudgetEndsAPassAndTheNextGoesOn) {
    SlowReceiver rec(136, clock);
    for (int i = 0; i < 50; ++i) peer.sendFrame(136, 28673, 16408, 255, {uint8_t(i)});
    const struct {
        int taken;
        bool left;
    } passes[] = {{20, true}, {20, true}, {10, false}, {0, false}};
    for (const auto& pass : passes) {
        EXPECT_EQ(router->receiveMessages(), pass.taken);
        EXPECT_EQ(router->framesLeft, pass.left);
    }
    ASSERT_EQ(rec.messages.size(), 50u);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(rec.messages[i].payload[0], i);
}

TEST_F(RouterOverUdp, PayloadLimitAndTrafficCell) {
    RecordingCell cell;
    linkTrafficCell = &cell;
    const std::vector<uint8_t> big(270, 'z');
    EXPECT_EQ(router->sendMessage(1, 16408, 2, big.data(), 270), -1);
    EXPECT_EQ(peer.pump(), 0);
    EXPECT_EQ(router->sendMessage(1, 16408, 2, big.data(), 269), 0);
    ASSERT_EQ(peer.pump(), 1);
    EXPECT_EQ(peer.received[0].bytes.size(), 280u);
    EXPECT_EQ(peer.received[0].bytes[0] | peer.received[0].bytes[1] << 8, 278);
    clock.advance(1000);
    tickTimers();
    EXPECT_EQ(cell.text, "  282:    0");
    EXPECT_TRUE(cell.left);
    clock.advance(1000);
    tickTimers();
    EXPECT_EQ(cell.text, "    0:    0");
    linkTrafficCell = nullptr;
}

struct RoutesCase {
    const char* name;
    const char* ini;  // null: no modem.ini
    uint16_t own;
    std::vector<std::pair<uint16_t, uint8_t>> routes;  // address, kind
};

std::string routeSection(int n, const char* kind, const char* ip, int dpc) {
    std::string s = "[Usmeravanja\\Usmerenje" + std::to_string(n) + "]\nUsmeravanje=" + kind + "\n";
    if (ip) s += std::string("IPAdresa=") + ip + "\n";
    return s + "DPC=" + std::to_string(dpc) + "\n";
}

TEST(RouteTable, ModemIniVariants) {
    udpLocalPort = 0;
    const std::string unknownKind = "[Usmeravanja]\nBrojORa=28674\nBrojUsmeravanja=3\n" +
                                    routeSection(1, "Lokal", nullptr, 28674) +
                                    routeSection(2, "lokal", nullptr, 1) +
                                    routeSection(3, "KOP", nullptr, 0);
    const std::string trailing = "[usmeravanja]\nbrojusmeravanja=2\n" +
                                 routeSection(1, "TCP-IP", "10.0.0.257", 5) +
                                 routeSection(2, "TCP-IP", "10.0.0.2x", 6);
    std::string many = "[Usmeravanja]\nBrojUsmeravanja=150\n";
    for (int n = 1; n <= 150; ++n) many += routeSection(n, "KOP", nullptr, n);
    const std::vector<RoutesCase> cases = {
        {"missing file", nullptr, 28673, {}},
        {"unknown kind ends the table", unknownKind.c_str(), 28674, {{28674, rkLokal}}},
        {"trailing character ends it", trailing.c_str(), 28673, {{5, rkTcpIp}}},
    };
    for (const auto& c : cases) {
        ScopedWorkDir dir;
        if (c.ini) dir.write("modem.ini", c.ini);
        TKopCls r;
        EXPECT_EQ(ownAddress, c.own) << c.name;
        ASSERT_EQ(r.routeCount, c.routes.size()) << c.name;
        for (size_t i = 0; i < c.routes.size(); ++i) {
            EXPECT_EQ(r.routes[i].address, c.routes[i].first) << c.name;
            EXPECT_EQ(r.routes[i].kind, c.routes[i].second) << c.name;
        }
        if (c.routes.empty()) EXPECT_EQ(r.sendMessage(1, 16408, 1, nullptr, 0), -1) << c.name;
    }
    {
        ScopedWorkDir dir;
        dir.write("modem.ini", trailing);
        TKopCls r;
        EXPECT_EQ(r.routes[0].ip[3], 1);  // 257 keeps its low 8 bits
    }
    {
        ScopedWorkDir dir;
        dir.write("modem.ini", many);
        TKopCls r;
        EXPECT_EQ(r.routeCount, 100u);
    }
    udpLocalPort = 6666;
}

TEST(RouteChoice, DefaultRouteFirstShadowsOnlyForKnownSources) {
    ScopedWorkDir dir;
    udpLocalPort = 0;
    TKopCls r;
    udpLocalPort = 6666;
    r.routeCount = 3;
    r.routes[0] = SRoute{0, rkKop, {}};
    r.routes[1] = SRoute{28674, rkTcpIp, {127, 0, 0, 1}};
    r.routes[2] = SRoute{16408, rkKop, {}};
    EXPECT_EQ(r.chooseRoute(28674, r.isKnownSource(1234)), &r.routes[1]);
    EXPECT_EQ(r.chooseRoute(28674, r.isKnownSource(16408)), &r.routes[0]);
    EXPECT_EQ(r.chooseRoute(28673, true), &r.routes[0]);
}

}  // namespace

namespace {

// Frames the kernel dropped because the socket's buffer was full are told to
// the operator with their number at the next traffic tick, once.
TEST(RouterLostFrames, BurstBeyondTheSocketBufferGivesOneLineWithTheCount) {
    const int asked = udpReceiveBufferBytes;
    udpReceiveBufferBytes = 4096;
    RecordingReceiver debugLines(kTypeDebugText);
    LoopbackRouter link;
    link.startRouter(kGatewayIni);
    udpReceiveBufferBytes = asked;
    ASSERT_EQ(debugLines.messages.size(), 1u);
    EXPECT_EQ(debugLines.messages[0].text(),
              "Величина UDP приемного буфера: " + std::to_string(udpReceiveBufferGranted()));

    RecordingReceiver lines(kTypeOperator);
    constexpr int kBurst = 300;
    for (int i = 0; i < kBurst; ++i)
        link.peer.sendFrame(150, 28673, 16408, 1, std::vector<uint8_t>(100, 'x'));
    const int taken = router->receiveMessages();
    ASSERT_LT(taken, kBurst);
    EXPECT_TRUE(lines.messages.empty());  // told at the tick, not at once
    link.clock.advance(1000);
    tickTimers();
    ASSERT_EQ(lines.messages.size(), 1u);
    EXPECT_EQ(lines.messages[0].text(),
              "Потеряно сообщений из канала связи: " + std::to_string(kBurst - taken));
    // Nothing lost since: no further line.
    link.peer.sendFrame(150, 28673, 16408, 1, {});
    EXPECT_EQ(router->receiveMessages(), 1);
    link.clock.advance(1000);
    tickTimers();
    EXPECT_EQ(lines.messages.size(), 1u);
    link.stopRouter();
}

}  // namespace
