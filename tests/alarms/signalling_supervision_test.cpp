#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alarms/alarm_test_support.h"
#include "alarms/panel_texts.h"
#include "alarms/signalling_supervision.h"
#include "link/text_lines.h"
#include "peer/recording_receiver.h"
#include "platform/local_clock.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kRp = 16392;
constexpr std::uint8_t kTypeSupervisionLines = 139;

// The supervision line of an event as the operator reads it.
std::string eventLine(std::uint16_t rp, std::int32_t point, std::int32_t elapsed,
                      const std::string& event) {
    return withArgs(kText26190, {padded(rp, 3), padded(point, 5), padded(elapsed, 5), event});
}

void put32(Bytes& b, std::int32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(std::uint32_t(v) >> (8 * i)));
}

Bytes event(std::uint8_t kind, std::uint8_t value, std::int32_t point, std::int32_t time) {
    Bytes b = {kind, value};
    put32(b, point);
    put32(b, time);
    return b;
}

Bytes events(std::initializer_list<Bytes> list) {
    Bytes b = {static_cast<std::uint8_t>(list.size())};
    for (const Bytes& e : list) b.insert(b.end(), e.begin(), e.end());
    return b;
}

class Supervision : public ::testing::Test {
protected:
    Supervision() {
        platform::setLocalClock(&clock);
        clock.current.hour = 10;
        processorClockCount = 0;
        pointEventCount = 0;
        operatorLines.addCodeFilter(kCodePlainText);
        supervisionLines.addCodeFilter(kCodePlainText);
        EXPECT_EQ(createSignallingSupervision(), 0);
    }
    ~Supervision() override {
        destroySignallingSupervision();
        platform::setLocalClock(nullptr);
    }
    static std::vector<std::string> texts(const RecordingReceiver& r) {
        std::vector<std::string> out;
        for (const auto& m : r.messages) out.push_back(m.text());
        return out;
    }
    void deliver(std::uint8_t code, const Bytes& payload, std::uint16_t rp = kRp) {
        dispatchMessage(kTypeSupervisionLines, rp, code, payload.data(),
                        static_cast<int>(payload.size()));
    }
    // Workstation time of day in hundredths (10:00 at the start).
    void setNow(std::int32_t hundredths) {
        clock.current.hour = static_cast<std::uint8_t>(hundredths / 360000);
        clock.current.minute = static_cast<std::uint8_t>(hundredths / 6000 % 60);
        clock.current.second = static_cast<std::uint8_t>(hundredths / 100 % 60);
        clock.current.millisecond = static_cast<std::uint16_t>(hundredths % 100 * 10);
    }

    platform::TestLocalClock clock;
    RecordingReceiver operatorLines{kTypeOperator};
    RecordingReceiver supervisionLines{kTypeSupervisionLines};
};

TEST_F(Supervision, ConfirmationsAndRefusals) {
    struct Case {
        std::uint8_t code;
        std::int32_t point;
        const char* text;
    };
    const Case cases[] = {{211, 1234, kText22167},
                          {212, -5, kText22175},
                          {215, 70000, kText26647},
                          {216, 0, kText26648},
                          {217, 2147483647, kText22176}};
    for (const Case& c : cases) {
        operatorLines.messages.clear();
        Bytes payload;
        put32(payload, c.point);
        deliver(c.code, payload);
        EXPECT_EQ(texts(operatorLines),
                  std::vector<std::string>{withArgs(c.text, {"16392", std::to_string(c.point)})})
            << int(c.code);
        // A payload too short for the point shows nothing.
        operatorLines.messages.clear();
        deliver(c.code, Bytes(payload.begin(), payload.begin() + 3));
        EXPECT_TRUE(operatorLines.messages.empty()) << int(c.code);
    }
    EXPECT_TRUE(supervisionLines.messages.empty());
}

TEST_F(Supervision, ListOfSupervisedPoints) {
    const Bytes entry1 = {0x39, 0x30, 0, 0, 0xEE, 0x01, 0x70};     // point 12345, terminal 28673
    const Bytes entry2 = {0xFF, 0xFF, 0xFF, 0xFF, 0, 0xFF, 0xFF};  // point -1, terminal 65535
    auto join = [](std::initializer_list<Bytes> parts) {
        Bytes b;
        for (const Bytes& p : parts) b.insert(b.end(), p.begin(), p.end());
        return b;
    };
    const std::string total = withArgs(kText22183, {"16392", "3"});
    const std::string line1 = withArgs(kText22184, {"12345", "28673"});
    const std::string line2 = withArgs(kText22184, {"-1", "65535"});
    struct Case {
        const char* what;
        Bytes payload;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"flag 1 with total and entries",
         join({{1, 3, 0, 2}, entry1, entry2}),
         {total, line1, line2}},
        {"flag 0: entries right after it", join({{0, 2}, entry1, entry2}), {line1, line2}},
        {"flag 0, none", {0, 0}, {}},
        {"flag 1, none", {1, 3, 0, 0}, {total}},
        {"count beyond the payload", join({{0, 3}, entry1, entry2, {1, 2, 3}}), {line1, line2}},
    };
    for (const Case& c : cases) {
        operatorLines.messages.clear();
        deliver(213, c.payload);
        EXPECT_EQ(texts(operatorLines), c.lines) << c.what;
    }
}

TEST_F(Supervision, EventTexts) {
    struct Case {
        std::uint8_t kind, value;
        std::string text;
    };
    const Case cases[] = {
        {0, 5, withArgs(kText26150, {"5"})},
        {1, 9, kText26152},
        {4, 7, withArgs(kText26154, {"7"})},
        {13, 3, withArgs(kText26159, {kText22599})},
        {13, 9, withArgs(kText26159, {kText26119})},
        {43, 7, kText26176},
        {47, 2, withArgs(kText26180, {"2"})},
        {50, 1, withArgs(kText26646, {kText26116})},
        {50, 17, withArgs(kText26646, {kText26118})},
        {50, 0, withArgs(kText26646, {kText26119})},
        {50, 12, withArgs(kText26646, {kText26119})},
        {63, 255, withArgs(kText26186, {"255"})},
        {201, 0, kText26189},
        {7, 0, kText26138},
        {255, 0, kText26138},
    };
    std::int32_t point = 100;
    for (const Case& c : cases) {
        supervisionLines.messages.clear();
        deliver(214, events({event(c.kind, c.value, ++point, 0)}));
        EXPECT_EQ(texts(supervisionLines),
                  std::vector<std::string>{eventLine(kRp, point, 0, c.text)})
            << int(c.kind) << "/" << int(c.value);
    }
    EXPECT_TRUE(operatorLines.messages.empty());
}

TEST_F(Supervision, ElapsedTimeBetweenEventsOfAPoint) {
    const std::int32_t start = 10 * 360000;
    const std::int32_t rpTime = 123456;  // the processor's own clock
    struct Step {
        const char* what;
        std::int32_t now;      // workstation, hundredths
        std::int32_t rpDelta;  // processor time - rpTime
        std::int32_t point;
        std::int32_t elapsed;
    };
    const Step steps[] = {
        {"first event of a point", start, 0, 7, 0},
        {"1.5 s later, clocks in step", start + 150, 150, 7, 150},
        {"another point starts at 0", start + 150, 150, 8, 0},
        {"exactly one second ahead keeps the offset", start + 150, 250, 7, 100},
        {"101 hundredths ahead resynchronises", start + 150, 351, 7, 0},
        {"the new offset holds", start + 200, 401, 7, 50},
        {"behind the last event gives 0", start + 100, 301, 7, 0},
    };
    for (const Step& s : steps) {
        setNow(s.now);
        supervisionLines.messages.clear();
        deliver(214, events({event(1, 0, s.point, rpTime + s.rpDelta)}));
        EXPECT_EQ(texts(supervisionLines),
                  std::vector<std::string>{eventLine(kRp, s.point, s.elapsed, kText26152)})
            << s.what;
    }
}

TEST_F(Supervision, CorrectedTimeOutsideTheDayResynchronises) {
    setNow(100);
    EXPECT_EQ(syncProcessorTime(5, 8639950), 100);  // offset -8,639,850
    setNow(150);
    EXPECT_EQ(syncProcessorTime(5, 8640000), 150);  // corrected 150: in step
    EXPECT_EQ(syncProcessorTime(5, 8639000), 150);  // corrected below 0: resync
    EXPECT_EQ(syncProcessorTime(5, 8639000), 150);  // offset now 150 - 8,639,000
    setNow(8639990);
    EXPECT_EQ(syncProcessorTime(6, 0), 8639990);            // offset 8,639,990
    EXPECT_EQ(syncProcessorTime(6, 50), 8639990);           // corrected past the day: resync
    EXPECT_EQ(syncProcessorTime(6, -2147483647), 8639990);  // no overflow
    EXPECT_EQ(processorClockCount, 2);
}

TEST_F(Supervision, FullTablesDropTheLeastRecentlyUsed) {
    for (std::int32_t p = 0; p < kCorrelationEntries; ++p) {
        syncProcessorTime(static_cast<std::uint16_t>(p), 0);
        elapsedForConnectionPoint(1000, p);
    }
    // Using 0 again makes 1 the oldest; the 101st entry evicts it.
    syncProcessorTime(0, 0);
    elapsedForConnectionPoint(1500, 0);
    syncProcessorTime(500, 0);
    elapsedForConnectionPoint(2000, 500);
    EXPECT_EQ(processorClockCount, kCorrelationEntries);
    EXPECT_EQ(pointEventCount, kCorrelationEntries);
    EXPECT_EQ(processorClockTable[0].processor, 2);
    EXPECT_EQ(pointEventTable[0].point, 2);
    EXPECT_EQ(processorClockTable[kCorrelationEntries - 2].processor, 0);
    EXPECT_EQ(pointEventTable[kCorrelationEntries - 2].lastTime, 1500);
    EXPECT_EQ(elapsedForConnectionPoint(1700, 0), 200);  // kept, with its time
    EXPECT_EQ(elapsedForConnectionPoint(1700, 1), 0);    // evicted: a first event again
    EXPECT_EQ(pointEventTable[0].point, 3);
}

TEST_F(Supervision, WhatIsIgnored) {
    Bytes full = events({});
    full.resize(kSupervisionMaxPayload, 0);
    full[0] = 26;  // 26 complete events of 10 bytes fill 260 bytes
    for (std::size_t i = 0; i < 26; ++i) full[1 + i * 10] = 1;
    deliver(214, full);
    EXPECT_EQ(supervisionLines.messages.size(), 25u);  // the 26th lies past the payload
    supervisionLines.messages.clear();

    Bytes tooLong = full;
    tooLong.push_back(0);
    deliver(214, tooLong);
    deliver(214, {});
    deliver(113, events({event(1, 0, 1, 0)}));  // the No.7 monitor's code
    deliver(210, events({event(1, 0, 1, 0)}));
    Bytes point;
    put32(point, 1);
    dispatchMessage(kTypeOperator, kRp, 211, point.data(), 4);
    EXPECT_TRUE(supervisionLines.messages.empty());
    EXPECT_TRUE(operatorLines.messages.empty());
}

TEST_F(Supervision, CreatedOnceAndReplaced) {
    EXPECT_EQ(signallingSupervisionCreated, 1);
    ASSERT_EQ(createSignallingSupervision(), 0);
    EXPECT_NE(signallingSupervision, nullptr);
    Bytes point;
    put32(point, 9);
    deliver(211, point);
    EXPECT_EQ(operatorLines.messages.size(), 1u);  // one receiver answers
    destroySignallingSupervision();
    EXPECT_EQ(signallingSupervision, nullptr);
    EXPECT_EQ(signallingSupervisionCreated, 0);
    deliver(211, point);
    EXPECT_EQ(operatorLines.messages.size(), 1u);
    destroySignallingSupervision();
}

}  // namespace
