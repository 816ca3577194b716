#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "monitoring/monitoring_fixtures.h"
#include "monitoring/monitoring_texts.h"
#include "monitoring/tt_report.h"
#include "monitoring/tt_transfer.h"
#include "peer/loopback_router.h"
#include "sub/field_text.h"
#include "utils/bytes.h"
#include "utils/dates.h"

namespace {

// A code-3 request as the exchange reads it.
struct WindowRequest {
    uint8_t file;
    int32_t next;
    uint8_t window;
    int32_t first;
    int32_t last;
};

std::string dayText(int32_t day) {
    char text[32];
    formatDateField(text, sizeof text, day);
    return text;
}

SParamsOperZadavanjePrenTT period(uint8_t d1, uint8_t m1, int16_t y1, uint8_t d2, uint8_t m2,
                                  int16_t y2) {
    SParamsOperZadavanjePrenTT p{};
    p.byDanPoc = d1;
    p.byMesPoc = m1;
    p.hGodPoc = y1;
    p.byDanKraj = d2;
    p.byMesKraj = m2;
    p.hGodKraj = y2;
    return p;
}

class TtTransfer : public ::testing::Test, protected MonitoringWorld {
protected:
    TtTransfer() {
        requests.addCodeFilter(kTtAskRange);
        requests.addCodeFilter(kTtAskRecords);
    }
    ~TtTransfer() override {
        if (ttTransfer.isRunning()) ttTransfer.abort();
    }

    void answer(uint8_t code, const Bytes& payload = {}) {
        dispatchMessage(kTypeCallDiagnostics, kExchangeAddress, code, payload.data(),
                        static_cast<int>(payload.size()));
    }
    void range(int32_t count, int32_t first, int32_t last) {
        Bytes p(12);
        ByteWriter out(p.data(), p.size());
        out.u32le(static_cast<uint32_t>(count));
        out.u32le(static_cast<uint32_t>(first));
        out.u32le(static_cast<uint32_t>(last));
        answer(kTtRange, p);
    }
    // A record whose bytes all carry its number's low byte.
    void record(int32_t number, size_t size = 102) {
        Bytes p(size, static_cast<uint8_t>(number));
        ByteWriter out(p.data(), 4);
        out.u32le(static_cast<uint32_t>(number));
        answer(kTtRecord, p);
    }
    std::vector<WindowRequest> windows() const {
        std::vector<WindowRequest> out;
        for (const auto& m : requests.messages) {
            if (m.code != kTtAskRecords) continue;
            ByteReader in(m.payload.data(), m.payload.size());
            WindowRequest w{};
            w.file = in.u8();
            w.next = in.i32le();
            w.window = in.u8();
            w.first = in.i32le();
            w.last = in.i32le();
            EXPECT_TRUE(in.ok() && in.remaining() == 0);
            out.push_back(w);
        }
        return out;
    }
    // The low bytes of the record numbers in "tt.bin", in file order.
    std::vector<int> storedRecords() const {
        const std::string bytes = dir.read(kTTFileName);
        std::vector<int> out;
        for (size_t at = 0; at + kTTRecordSize <= bytes.size(); at += kTTRecordSize)
            out.push_back(static_cast<uint8_t>(bytes[at + 4]));
        EXPECT_EQ(bytes.size() % kTTRecordSize, 0u);
        return out;
    }

    RecordingReceiver requests{kTypeCallDiagnostics};
};

TEST_F(TtTransfer, DatesAreCheckedFirstThenLast) {
    struct Case {
        uint8_t day, month;
        int32_t year;
        int result;
        const char* firstText;
        const char* lastText;
    };
    const Case cases[] = {
        {31, 4, 2006, 3, kText23268, kText23272}, {0, 5, 2006, 4, kText23269, kText23273},
        {32, 1, 2006, 4, kText23269, kText23273}, {29, 2, 2007, 1, kText23276, kText23276},
        {30, 2, 2008, 2, kText23277, kText23277}, {1, 13, 2006, 5, kText23270, kText23274},
        {1, 0, 2006, 5, kText23270, kText23274},  {1, 1, 2101, 6, kText23271, kText23275},
        {1, 1, -5, 6, kText23271, kText23275},    {29, 2, 2008, 0, nullptr, nullptr},
        {31, 12, 1900, 0, nullptr, nullptr},
    };
    const SDate good{14, 7, 2006};
    for (const Case& c : cases) {
        const SDate date{c.day, c.month, c.year};
        EXPECT_EQ(checkDate(date), c.result) << int(c.day) << "." << int(c.month) << "." << c.year;
        if (c.result == 0) continue;
        operatorLines.messages.clear();
        EXPECT_EQ(checkTransferDates(date, good), -1);
        EXPECT_EQ(checkTransferDates(good, date), -1);
        EXPECT_EQ(lines(), (std::vector<std::string>{c.firstText, c.lastText}));
    }
    // Only the first fault is told.
    operatorLines.messages.clear();
    EXPECT_EQ(checkTransferDates(SDate{0, 1, 2006}, SDate{1, 13, 2006}), -1);
    EXPECT_EQ(lines(), std::vector<std::string>{kText23269});
}

TEST_F(TtTransfer, StartCommandRanges) {
    int32_t today = 0;
    makeDayNumber(&today, 14, 7, 2006);
    struct Case {
        SParamsOperZadavanjePrenTT params;
        std::vector<std::string> lines;
        int32_t first, last;  // of the range requests; -1: none sent
    };
    SParamsOperZadavanjePrenTT all{};
    all.bSviDatumi = 1;
    const Case cases[] = {
        {all, {kText23306, withArgs(kText23308, {dayText(today + 1)}), kText23255}, 0, today + 1},
        {period(14, 7, 2006, 14, 7, 2006),
         {withArgs(kText23307, {dayText(today)}), withArgs(kText23308, {dayText(today)}),
          kText23255},
         today,
         today},
        {period(15, 7, 2006, 14, 7, 2006), {kText23278}, -1, -1},
        {period(31, 4, 2006, 14, 7, 2006), {kText23268}, -1, -1},
    };
    for (const Case& c : cases) {
        operatorLines.messages.clear();
        requests.messages.clear();
        startTtTransferCommand(c.params);
        EXPECT_EQ(lines(), c.lines);
        if (c.first < 0) {
            EXPECT_TRUE(requests.messages.empty());
            continue;
        }
        ASSERT_EQ(requests.messages.size(), 3u);
        for (uint32_t file = 0; file < 3; ++file) {
            ByteReader in(requests.messages[file].payload.data(),
                          requests.messages[file].payload.size());
            EXPECT_EQ(in.u32le(), file);
            EXPECT_EQ(in.i32le(), c.first);
            EXPECT_EQ(in.i32le(), c.last);
            EXPECT_TRUE(in.ok() && in.remaining() == 0);
        }
        // A second start while one runs changes nothing.
        operatorLines.messages.clear();
        startTtTransferCommand(c.params);
        EXPECT_EQ(lines(), std::vector<std::string>{kText23258});
        EXPECT_EQ(requests.messages.size(), 3u);
        stopTtTransferCommand();
    }
}

// Range requests the link did not take end the start: the operator reads
// that nothing was sent instead of the transfer's beginning, and a new start
// is not refused as one already running.
TEST_F(TtTransfer, UnsentRangeRequestsEndTheStart) {
    for (const SLinkState& state : kLinkStates) {
        if (state.sends) continue;
        SCOPED_TRACE(state.name);
        replaceRouter(dir, state.routes);
        operatorLines.messages.clear();
        EXPECT_EQ(startTtTransfer(0, 0), -1);
        const std::vector<std::string> shown = lines();
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back(), kMessageNotSentText);
        EXPECT_EQ(std::count(shown.begin(), shown.end(), std::string(kText23255)), 0);
        EXPECT_FALSE(isTtTransferRunning());
    }
}

TEST_F(TtTransfer, DownloadsFilesTwoOneZeroIntoTtBin) {
    dir.write(kTTFileName, std::string(98 * 3, 'x'));  // an old file goes
    ASSERT_EQ(startTtTransfer(0, 0), 0);
    range(2, 10, 11);  // file 0
    range(0, 0, 0);    // file 1
    EXPECT_TRUE(windows().empty());
    range(3, 20, 22);  // file 2: the download begins there
    ASSERT_EQ(windows().size(), 1u);
    EXPECT_EQ(windows()[0].file, 2);
    EXPECT_EQ(windows()[0].next, 20);
    EXPECT_EQ(windows()[0].window, kTtWindow);
    EXPECT_EQ(windows()[0].last, 22);

    operatorLines.messages.clear();
    clock.advance(1000);
    record(20);
    record(21);
    record(22);
    answer(kTtEndOfFile);
    EXPECT_EQ(windows().back().file, 1);
    answer(kTtEndOfFile);  // file 1 was empty: no line for it
    EXPECT_EQ(windows().back().file, 0);
    EXPECT_EQ(windows().back().next, 10);
    record(10);
    record(11);
    clock.advance(2000);
    answer(kTtEndOfFile);
    EXPECT_FALSE(isTtTransferRunning());
    EXPECT_EQ(storedRecords(), (std::vector<int>{20, 21, 22, 10, 11}));

    const std::vector<std::string> l = lines();
    ASSERT_EQ(l.size(), 8u);  // five progress lines, two file ends, the end
    EXPECT_EQ(l[0], withArgs(kText23256, {"20", "%", "1", "4"}));
    EXPECT_EQ(l[3], withArgs(kText23284, {"2", "3"}));
    EXPECT_EQ(l[6], withArgs(kText23284, {"0", "2"}));
    EXPECT_EQ(l[7], withArgs(kText23257, {"5", "3"}));

    // The answers that still come change nothing.
    record(12);
    EXPECT_EQ(storedRecords().size(), 5u);
}

TEST_F(TtTransfer, OutOfSequenceRecordsAndSilenceAreRetried) {
    ASSERT_EQ(startTtTransfer(1, 2), 0);
    range(0, 0, 0);
    range(0, 0, 0);
    range(100, 1, 100);
    record(1);
    operatorLines.messages.clear();
    record(5);
    EXPECT_EQ(lines(), std::vector<std::string>{withArgs(kText23280, {"5"})});
    record(2);  // the quiet period drops everything, ends of files too
    answer(kTtEndOfFile);
    answer(kTtError);
    EXPECT_TRUE(isTtTransferRunning());
    pass(2999);
    EXPECT_EQ(windows().size(), 1u);
    pass(1);
    ASSERT_EQ(windows().size(), 2u);
    EXPECT_EQ(windows()[1].next, 2);

    // A window that goes unanswered: 3,000 ms waiting, 3,000 ms quiet, asked again.
    pass(3000);
    record(2);  // dropped
    pass(3000);
    ASSERT_EQ(windows().size(), 3u);
    EXPECT_EQ(windows()[2].next, 2);
    record(2);
    stopTtTransferCommand();
    EXPECT_EQ(storedRecords(), (std::vector<int>{1, 2}));
    EXPECT_EQ(lines().back(), withArgs(kText23285, {"2", "%", "2"}));
}

TEST_F(TtTransfer, WindowsOfFiftyAskForTheNext) {
    ASSERT_EQ(startTtTransfer(1, 2), 0);
    range(0, 0, 0);
    range(0, 0, 0);
    range(120, 1, 120);
    for (int32_t n = 1; n <= 49; ++n) record(n);
    EXPECT_EQ(windows().size(), 1u);
    record(50);
    ASSERT_EQ(windows().size(), 2u);
    EXPECT_EQ(windows()[1].next, 51);
    pass(2999);  // an accepted record re-arms nothing: the window's time runs from its request
    record(51);
    pass(1);
    record(52);  // timed out: waiting now, answers dropped
    stopTtTransferCommand();
    EXPECT_EQ(storedRecords().size(), 51u);
}

TEST_F(TtTransfer, ErrorsStopsAndStatus) {
    const int othersArmed = armedTimerCount();  // the router's own
    showTtTransferStatus();
    stopTtTransferCommand();
    EXPECT_EQ(lines(), (std::vector<std::string>{kText23290, kText23289, kText23287}));

    // Stopped while the ranges are collected: an empty file, 0 records.
    ASSERT_EQ(startTtTransfer(1, 2), 0);
    operatorLines.messages.clear();
    stopTtTransferCommand();
    EXPECT_EQ(lines(), std::vector<std::string>{withArgs(kText23285, {"0", "%", "0"})});
    EXPECT_EQ(dir.read(kTTFileName), "");

    // An error answer keeps what was received.
    ASSERT_EQ(startTtTransfer(1, 2), 0);
    range(0, 0, 0);
    range(0, 0, 0);
    range(4, 1, 4);
    record(1);
    record(2, 60);  // a record cut short is never stored
    operatorLines.messages.clear();
    answer(kTtError);
    EXPECT_EQ(lines(), std::vector<std::string>{kText23281});
    EXPECT_FALSE(isTtTransferRunning());
    EXPECT_EQ(storedRecords(), std::vector<int>{1});
    EXPECT_EQ(armedTimerCount(), othersArmed);
}

TEST_F(TtTransfer, EmptyRangesEndWithoutProgress) {
    ASSERT_EQ(startTtTransfer(1, 2), 0);
    for (int i = 0; i < 3; ++i) range(0, 0, 0);
    range(7, 1, 7);  // a fourth range has no place
    operatorLines.messages.clear();
    for (int i = 0; i < 3; ++i) answer(kTtEndOfFile);
    EXPECT_EQ(windows().size(), 3u);
    EXPECT_EQ(lines(), std::vector<std::string>{withArgs(kText23257, {"0", "0"})});
    EXPECT_FALSE(isTtTransferRunning());
}

}  // namespace
