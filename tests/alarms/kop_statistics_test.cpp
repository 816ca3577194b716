#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <fox-1.6/fxkeys.h>
#include <gtest/gtest.h>

#include "alarms/kop_statistics.h"
#include "alarms/kop_statistics_window.h"
#include "alarms/alarm_test_support.h"
#include "alarms/panel_texts.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/timer_pool.h"
#include "link/udp_transport.h"
#include "peer/modal_driver.h"
#include "peer/recording_receiver.h"
#include "peer/test_app.h"
#include "peer/work_dir.h"
#include "platform/tick.h"
#include "toolkit/text_codec.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct SCounters {
    std::uint16_t fillSent, sent;
    std::uint32_t octetsSent;
    std::uint16_t fillReceived, received;
    std::uint32_t octetsReceived;
};

Bytes answer(const SCounters& c, std::initializer_list<std::uint16_t> errorsAndFree = {}) {
    Bytes b;
    auto put16 = [&b](std::uint16_t v) {
        b.push_back(static_cast<std::uint8_t>(v));
        b.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto put32 = [&](std::uint32_t v) {
        put16(static_cast<std::uint16_t>(v));
        put16(static_cast<std::uint16_t>(v >> 16));
    };
    put16(c.fillSent);
    put16(c.sent);
    put32(c.octetsSent);
    put16(c.fillReceived);
    put16(c.received);
    put32(c.octetsReceived);
    for (std::uint16_t v : errorsAndFree) put16(v);
    return b;
}

// The statistics text: the table head, the six counter lines with their
// value, rate and average, then the percentage lines.
std::string trafficText(const SCounters& c, const std::uint32_t (&rates)[6],
                        const std::uint32_t (&averages)[6], const char* const (&use)[3],
                        const char* const (&load)[3]) {
    const std::uint32_t values[6] = {c.fillSent,     c.sent,     c.octetsSent,
                                     c.fillReceived, c.received, c.octetsReceived};
    const char* const lines[6] = {kText21078, kText21079, kText21080,
                                  kText21081, kText21082, kText21083};
    std::string s = std::string(kText21075) + "\n" + kText21076 + "\n" + kText21077 + "\n";
    for (int i = 0; i < 6; ++i)
        s += withArgs(lines[i],
                      {padded(values[i], 10), padded(rates[i], 8), padded(averages[i], 8)}) +
             "\n";
    s += "\n";
    s += withArgs(kText21088, {use[0], "%", use[1], "%", use[2], "%"}) + "\n";
    s += withArgs(kText21089, {load[0], "%", load[1], "%", load[2], "%"}) + "\n";
    return s;
}

// The window whose receiver this is, among the application's top windows.
KKOP_StatProzor* windowOf(const KKOP_StatPrijemnik* receiver) {
    for (FX::FXWindow* w = FX::FXApp::instance()->getRootWindow()->getFirst(); w != nullptr;
         w = w->getNext()) {
        auto* k = dynamic_cast<KKOP_StatProzor*>(w);
        if (k != nullptr && k->receiver() == receiver) return k;
    }
    return nullptr;
}

class RecordingView : public IKopStatView {
public:
    void setHeaderText(const std::string& text) override { header = text; }
    void setStatisticsText(const std::string& text) override {
        statistics = text;
        ++shown;
    }
    std::string header, statistics;
    int shown = 0;
};

// A router whose routes to the cards are local, so that requests come back
// on the bus; a test clock.
class KopStatistics : public ::testing::Test {
protected:
    KopStatistics() {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        dir.write("modem.ini",
                  "[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=3\n"
                  "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=1\n"
                  "[Usmeravanja\\Usmerenje2]\nUsmeravanje=Lokal\nDPC=16395\n"
                  "[Usmeravanja\\Usmerenje3]\nUsmeravanje=Lokal\nDPC=16410\n");
        udpLocalPort = 0;
        router = new TKopCls();
        requests.addCodeFilter(kCodeKopStatistics);
    }
    ~KopStatistics() override {
        destroyRouter();
        udpLocalPort = udpRemotePort = 6666;
        platform::setTickSource(nullptr);
    }
    void pass(std::uint32_t ms) {
        clock.advance(ms);
        tickTimers();
    }
    void deliver(std::uint16_t from, const Bytes& payload) {
        dispatchMessage(kTypeKopStatistics, from, kCodeKopStatistics, payload.data(),
                        static_cast<int>(payload.size()));
    }
    int requestsTo(std::uint16_t address) const {
        int n = 0;
        for (const auto& m : requests.messages)
            if (m.key == address && m.payload.empty()) ++n;
        return n;
    }

    ScopedWorkDir dir;
    platform::TestTickSource clock;
    RecordingReceiver requests{kTypeKopStatistics};
};

TEST_F(KopStatistics, CardsAndHeaders) {
    struct Case {
        std::int16_t host;
        std::uint8_t card;
        const char* name;
        std::uint16_t address;
        const char* links;
        const char* speed;
    };
    const Case cases[] = {
        {0, 5, "OR", 1, "1", "8"},
        {1, 2, "AR", 16410, "1", "8"},
        {2, 3, "CP1", 16395, "2", "1.33"},
        {3, 0, "CP2", 16400, "2", "1.33"},
        {7, 1, "", 0, "0", ""},
    };
    for (const Case& c : cases) {
        RecordingView view;
        KKOP_StatPrijemnik receiver(c.host, c.card, &view);
        EXPECT_EQ(receiver.card().address, c.address) << c.name;
        EXPECT_EQ(view.header, withArgs(kText21073, {c.name, std::to_string(c.card),
                                                     std::to_string(c.address)}) +
                                   "\n" + withArgs(kText21074, {c.links, c.speed}))
            << c.name;
    }
    const SKopCard cp1 = kopCardOf(2, 3);
    EXPECT_EQ(cp1.links * cp1.bitRate / 8, 332500);
}

TEST_F(KopStatistics, PollsEverySecondUntilDeleted) {
    const int routerTimers = armedTimerCount();
    auto* receiver = new KKOP_StatPrijemnik(2, 3, nullptr);
    EXPECT_EQ(requestsTo(16395), 1);
    pass(999);
    EXPECT_EQ(requestsTo(16395), 1);
    pass(1);
    pass(1000);
    EXPECT_EQ(requestsTo(16395), 3);
    delete receiver;
    pass(5000);
    EXPECT_EQ(requestsTo(16395), 3);
    EXPECT_EQ(armedTimerCount(), routerTimers);
}

TEST_F(KopStatistics, RatesAveragesAndPercentages) {
    RecordingView view;
    KKOP_StatPrijemnik receiver(0, 1, &view);

    // The first answer is the base: nothing to compare it with yet.
    const SCounters first = {10, 100, 50000, 20, 200, 60000};
    pass(1000);
    deliver(1, answer(first));
    EXPECT_EQ(view.statistics, trafficText(first, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
                                           {"0.0", "0.0", "0.0"}, {"0.0", "0.0", "0.0"}));

    // One second later: 250,000 octets of 1,000,000 a second.
    const SCounters second = {10, 100, 200000, 20, 200, 160000};
    pass(1000);
    deliver(1, answer(second));
    EXPECT_EQ(view.statistics,
              trafficText(second, {0, 0, 150000, 0, 0, 100000}, {0, 0, 150000, 0, 0, 100000},
                          {"25.0", "25.0", "25.0"}, {"25.0", "25.0", "25.0"}));

    // Two seconds later: a message counter wrapped (65,530 -> 4 counts 10 with
    // the earlier 65,430); fill-in and messages weigh on the load.
    const SCounters third = {110, 4, 300000, 20, 200, 160000};
    deliver(1, answer({10, 65530, 200000, 20, 200, 160000}));  // same instant: no rates
    pass(2000);
    deliver(1, answer(third));
    // Rates over 2 s: fill 100 -> 50, messages 10 -> 5, octets 100,000 -> 50,000.
    // Averages over 3 s: fill 100 -> 33, messages 65,440 -> 21,813, octets 250,000 -> 83,333.
    // Load now (50,000 - 5 x 50 - 3 x 5) = 4.97%; on average (116,666 - 5 x 33 - 3 x 21,813)
    // = 5.1%.
    EXPECT_EQ(view.statistics,
              trafficText(third, {50, 5, 50000, 0, 0, 0}, {33, 21813, 83333, 0, 0, 33333},
                          {"5.0", "11.7", "25.0"}, {"5.0", "5.1", "25.0"}));
    EXPECT_EQ(view.shown, 4);
}

TEST_F(KopStatistics, ErrorSectionAndLowestFreeMemory) {
    RecordingView view;
    KKOP_StatPrijemnik receiver(1, 2, &view);
    const SCounters c = {0, 0, 0, 0, 0, 0};
    const std::string traffic = trafficText(c, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
                                            {"0.0", "0.0", "0.0"}, {"0.0", "0.0", "0.0"});
    auto errors = [](const char* free, const char* lowest) {
        return "\n" + withArgs(kText21084, {"1"}) + "\n" + withArgs(kText21085, {"2"}) + "\n" +
               withArgs(kText21086, {"3"}) + "\n" + withArgs(kText21087, {"65535"}) + "\n\n" +
               withArgs(textById(21090), {free, lowest}) + "\n";
    };
    struct Step {
        Bytes payload;
        std::string text;  // empty: the answer is dropped
    };
    Bytes cut = answer(c, {1, 2, 3, 65535, 7});
    cut.pop_back();
    const Step steps[] = {
        {answer(c, {1, 2, 3, 65535, 40}), traffic + errors("40", "40")},
        {answer(c, {1, 2, 3, 65535, 50}), traffic + errors("50", "40")},
        {cut, traffic},
        {answer(c, {1, 2, 3, 65535, 7}), traffic + errors("7", "7")},
        {Bytes(15, 0), ""},
    };
    for (const Step& s : steps) {
        view.statistics.clear();
        deliver(16410, s.payload);
        EXPECT_EQ(view.statistics, s.text) << s.payload.size();
    }
    // Answers of another card, or with another code, are not this window's.
    deliver(16411, answer(c, {1, 2, 3, 4, 5}));
    const Bytes other = answer(c);
    dispatchMessage(kTypeKopStatistics, 16410, 35, other.data(), static_cast<int>(other.size()));
    EXPECT_TRUE(view.statistics.empty());
}

TEST_F(KopStatistics, WindowShowsTheCardAndEscapeStopsIt) {
    testApp();
    const int receiversBefore = messageReceiverCount();
    const int routerTimers = armedTimerCount();
    KKOP_StatPrijemnik* first = openKopStatisticsWindow({2, 3});
    KKOP_StatPrijemnik* second = openKopStatisticsWindow({2, 3});
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(messageReceiverCount(), receiversBefore + 2);
    EXPECT_EQ(requestsTo(16395), 2);

    KKOP_StatProzor* shown = windowOf(first);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->getTitle(), toUtf8("KOP 3, CP1"));
    EXPECT_TRUE(shown->shown());
    EXPECT_EQ(shown->getX(), 50);
    EXPECT_EQ(shown->getY(), 20);
    EXPECT_EQ(shown->headerArea()->getText(), toUtf8(first->headerText()));
    deliver(16395, answer({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(shown->statisticsArea()->getText(), toUtf8(first->statisticsText()));
    EXPECT_NE(first->statisticsText().find(kText21075), std::string::npos);

    pressKey(shown, FX::KEY_Escape);
    EXPECT_FALSE(shown->shown());
    EXPECT_EQ(shown->receiver(), nullptr);
    EXPECT_EQ(messageReceiverCount(), receiversBefore + 1);
    for (int i = 0; i < 20; ++i) testApp().runOneEvent(false);

    // The other window keeps polling until its close box.
    pass(1000);
    EXPECT_EQ(requestsTo(16395), 3);
    KKOP_StatProzor* other = windowOf(second);
    ASSERT_NE(other, nullptr);
    other->close(TRUE);
    for (int i = 0; i < 20; ++i) testApp().runOneEvent(false);
    EXPECT_EQ(messageReceiverCount(), receiversBefore);
    EXPECT_EQ(armedTimerCount(), routerTimers);
}

}  // namespace
