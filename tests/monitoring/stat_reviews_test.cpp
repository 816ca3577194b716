#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/executors/command_executor.h"
#include "commands/executors/local_routines.h"
#include "monitoring/monitoring_fixtures.h"
#include "monitoring/monitoring_routines.h"
#include "monitoring/monitoring_texts.h"
#include "monitoring/stat_records.h"
#include "monitoring/stat_reviews.h"
#include "sub/sub_database.h"
#include "sub/table_catalogue.h"
#include "toolkit/small_dialogs.h"
#include "utils/files.h"

namespace {

class StatReviews : public ::testing::Test, protected MonitoringWorld, protected StatRouteTables {
protected:
    StatReviews() {
        stream.addCodeFilter(kCodePlainText);
        EXPECT_EQ(makeDirectory("ppn"), 0);
    }
    ~StatReviews() override {
        if (statReview.running) statReview.step(TStatPregled::kStop);
    }
    void writeCase(uint8_t statCase, const std::vector<Bytes>& records) {
        dir.write(statFileName(statCase), fileOf(records));
    }
    // The review's lines since the last call.
    std::vector<std::string> streamLines() {
        std::vector<std::string> out;
        for (const auto& m : stream.messages) out.push_back(m.text());
        stream.messages.clear();
        return out;
    }
    // Runs a review of case 7 to its end; its lines after the header.
    std::vector<std::string> review(int action, uint8_t fromHour, uint8_t fromMinute,
                                    uint8_t toHour, uint8_t toMinute) {
        statReview.step(action, 7, fromHour, fromMinute, toHour, toMinute);
        for (int i = 0; i < 100 && statReview.running; ++i) pass(kStatReviewTickMs);
        std::vector<std::string> out = streamLines();
        out.erase(out.begin(), out.begin() + (action == TStatPregled::kStartTable ? 2 : 1));
        return out;
    }
    RecordingReceiver stream{kTypeStatistics};
};

// The long text as the stream gets it: pieces of 75 characters.
std::vector<std::string> pieces(const std::string& text) {
    std::vector<std::string> out;
    for (size_t at = 0; at < text.size(); at += 75) out.push_back(text.substr(at, 75));
    return out;
}

std::string total(int calls) {
    return withArgs(kText25018, {std::to_string(calls)});
}

TEST_F(StatReviews, FullReviewPrintsEveryEventOfACall) {
    writeCase(7, {recordBytes(-1, {}, 37800),
                  recordBytes(12,
                              item(0, party(1, 501)) + item(4, text("123"), 3) +
                                  item(33, le16(12) + Bytes{2} + le32(-5) + le32(6), 1) +
                                  item(30, real(2.5)) + item(37, {}),
                              37805)});
    const std::string call = std::string("0012/10:30:05 ") + "Занят DPT(1):501," +
                             "[3],Полученыe:123," + "[1],Занята цепь 12, MV: -5 6 ," +
                             "Taриф(    2.50)," + kText25061;
    std::vector<std::string> expected = {"10:30:00----------------------------"};
    for (const std::string& p : pieces(call)) expected.push_back(p);
    expected.push_back(total(1));

    statReview.step(TStatPregled::kStartFull, 7, 10, 0, 11, 0);
    EXPECT_EQ(streamLines(),
              std::vector<std::string>{withArgs(kText25017, {"7", "10", "0", "11", "0"})});
    pass(kStatReviewTickMs);
    EXPECT_EQ(streamLines(), expected);
    EXPECT_FALSE(statReview.running);
    EXPECT_TRUE(lines().empty());
}

TEST_F(StatReviews, TableReviewLines) {
    const Bytes fullCall = item(0, party(0, 1234)) + item(4, text("12"), 2) +
                           item(4, text("345"), 1) + item(5, {10}) +
                           item(1, party(1, kRoutePoint), 1) + item(9, Bytes{2} + text("99")) +
                           item(10, {2}) + item(12, {16}) + item(13, {}, 5) + item(14, {}, 6) +
                           item(30, real(1.5)) + item(17, {}, 100) + item(19, {}, 2);
    const struct {
        const char* name;
        Bytes events;
        int32_t timeOfDay;
        uint8_t marker;
        std::string line;
    } cases[] = {
        {"a whole call", fullCall, 37805, 1,
         "10:28:08|L|  1234|МЕСТНЫЙ |12345            |10|P| 70001|MOSKVA|9345             "
         "|10:28:12| 16|+|+|    1.50|10:30:03|+|10:30:05| | |+"},
        {"a call over midnight", item(0, party(2, 1)) + item(19, {}, 20), 10, 0,
         "23:59:50|G|     1|ДРИ     |                 |  | |      |      |                 "
         "|23:59:50|   | | |        |00:00:10|+|00:00:10| | | "},
        {"a tariff before the answer, a route not found",
         item(1, party(1, 5)) + item(10, {3}) + item(30, real(4.0)) + item(14, {}, 7), 100, 0,
         "        | |      |        |                 |  |P|     5|НЕОПР |                 "
         "|00:01:33|   | |+|        |        | |00:01:40| | | "},
        {"digits sent without a trunk start at the first",
         item(4, text("12")) + item(10, {1}) + item(5, {0xFF}), 100, 0,
         "        | |      |        |12               |-1| |      |      |12               "
         "|        |   | | |        |        | |        | | | "},
    };
    std::vector<Bytes> records;
    for (const auto& c : cases) records.push_back(recordBytes(1, c.events, c.timeOfDay, c.marker));
    records.push_back(recordBytes(2, {}, 200));   // no events: no line, not counted
    records.push_back(recordBytes(-1, {}, 300));  // a time mark: no line
    writeCase(7, records);

    statReview.step(TStatPregled::kStartTable, 7, 0, 0, 24, 0);
    EXPECT_EQ(streamLines(), (std::vector<std::string>{
                                 withArgs(kText25017, {"7", "0", "0", "24", "0"}), kText25087}));
    pass(kStatReviewTickMs);
    const std::vector<std::string> got = streamLines();
    ASSERT_EQ(got.size(), std::size(cases) + 1);
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(got[i], cases[i].line) << cases[i].name;
    EXPECT_EQ(got.back(), total(int(std::size(cases))));
}

TEST_F(StatReviews, TheWindowIsInclusiveToTheSecond) {
    const int32_t times[] = {37799, 37800, 38700, 39600, 39601, 86370, 86399};
    std::vector<Bytes> records;
    for (int i = 0; i < int(std::size(times)); ++i)
        records.push_back(recordBytes(int16_t(i), item(13, {}), times[i]));
    writeCase(7, records);
    const struct {
        uint8_t fromHour, fromMinute, toHour, toMinute;
        std::vector<std::string> calls;  // the call numbers printed
    } cases[] = {
        {10, 30, 11, 0, {"0001", "0002", "0003"}},
        {23, 0, 23, 59, {}},
        {23, 0, 24, 0, {"0005", "0006"}},
        {0, 0, 24, 0, {"0000", "0001", "0002", "0003", "0004", "0005", "0006"}},
        {22, 0, 2, 0, {}},  // the window does not run over midnight
    };
    for (const auto& c : cases) {
        std::vector<std::string> calls;
        const std::vector<std::string> got =
            review(TStatPregled::kStartFull, c.fromHour, c.fromMinute, c.toHour, c.toMinute);
        for (size_t i = 0; i + 1 < got.size(); ++i) calls.push_back(got[i].substr(0, 4));
        EXPECT_EQ(calls, c.calls) << int(c.fromHour) << ":" << int(c.toHour);
        EXPECT_EQ(got.back(), total(int(c.calls.size())));
    }
}

TEST_F(StatReviews, TicksPrintTenOrSkipAHundred) {
    std::vector<Bytes> records;
    for (int i = 1; i <= 25; ++i) records.push_back(recordBytes(int16_t(i), item(13, {}), 3600));
    writeCase(7, records);
    statReview.step(TStatPregled::kStartFull, 7, 0, 0, 24, 0);
    EXPECT_EQ(streamLines().size(), 1u);  // the header; nothing is read before the first tick

    statReview.step(TStatPregled::kStartTable, 7, 0, 0, 24, 0);
    EXPECT_EQ(lines(), std::vector<std::string>{kText25015});
    EXPECT_TRUE(streamLines().empty());

    const size_t perTick[] = {10, 10, 6};
    for (size_t n : perTick) {
        pass(kStatReviewTickMs - 1);
        EXPECT_TRUE(streamLines().empty());
        pass(1);
        EXPECT_EQ(streamLines().size(), n);
    }
    EXPECT_FALSE(statReview.running);

    // 150 records outside the window, then one inside: two ticks.
    records.assign(150, recordBytes(1, item(13, {}), 100));
    records.push_back(recordBytes(2, item(13, {}), 7200));
    writeCase(8, records);
    statReview.step(TStatPregled::kStartFull, 8, 1, 0, 24, 0);
    streamLines();
    pass(kStatReviewTickMs);
    EXPECT_TRUE(streamLines().empty());
    pass(kStatReviewTickMs);
    EXPECT_EQ(streamLines(),
              (std::vector<std::string>{std::string("0002/02:00:00 ") + kText25035, total(1)}));
}

TEST_F(StatReviews, Stopping) {
    std::vector<Bytes> records(30, recordBytes(1, item(13, {}), 3600));
    writeCase(7, records);
    stopStatisticsReview();
    EXPECT_EQ(lines(), std::vector<std::string>{kText25093});

    const int idleTimers = armedTimerCount();
    statReview.step(TStatPregled::kStartFull, 7, 0, 0, 24, 0);
    pass(kStatReviewTickMs);
    streamLines();
    stopStatisticsReview();
    EXPECT_EQ(streamLines(), std::vector<std::string>{kText25092});
    pass(kStatReviewTickMs * 3);
    EXPECT_TRUE(streamLines().empty());
    EXPECT_EQ(armedTimerCount(), idleTimers);
}

TEST_F(StatReviews, MalformedFiles) {
    const Bytes good = recordBytes(1, item(13, {}), 3600);
    const Bytes kind37 = recordBytes(2, item(37, {}), 3600);
    const std::string error = kText25019;
    const struct {
        const char* name;
        int action;
        std::vector<Bytes> records;
        std::vector<std::string> lines;
    } cases[] = {
        {"a file cut inside a record",
         TStatPregled::kStartFull,
         {good, Bytes(good.begin(), good.begin() + 100)},
         {std::string("0001/01:00:00 ") + kText25035, error}},
        {"kind 37 in the table review", TStatPregled::kStartTable, {kind37, good}, {error}},
        {"kind 37 in the full review",
         TStatPregled::kStartFull,
         {kind37},
         {std::string("0002/01:00:00 ") + kText25061, total(1)}},
        {"an unknown kind",
         TStatPregled::kStartFull,
         {good, recordBytes(3, item(42, {}), 3600)},
         {std::string("0001/01:00:00 ") + kText25035, "0003/01:00:00 ", error}},
        {"an unknown party",
         TStatPregled::kStartTable,
         {recordBytes(3, item(0, party(3, 1)), 3600)},
         {error}},
        {"an item past the bytes in use",
         TStatPregled::kStartTable,
         {recordBytes(3, item(0, party(0, 1)), 3600, 0, 4)},
         {error}},
        {"more bytes in use than the area has",
         TStatPregled::kStartFull,
         {recordBytes(3, item(13, {}), 3600, 0, 151)},
         {"0003/01:00:00 ", error}},
        {"values past their item",
         TStatPregled::kStartTable,
         {recordBytes(3, item(4, {'1', '2'}), 3600)},
         {error}},
        {"a time past the day",
         TStatPregled::kStartFull,
         {good, recordBytes(3, item(13, {}), 86400)},
         {std::string("0001/01:00:00 ") + kText25035, error}},
        {"a negative time", TStatPregled::kStartTable, {recordBytes(-3, {}, -27600)}, {error}},
    };
    for (const auto& c : cases) {
        writeCase(7, c.records);
        EXPECT_EQ(review(c.action, 0, 0, 24, 0), c.lines) << c.name;
        EXPECT_FALSE(statReview.running) << c.name;
        EXPECT_EQ(statReview.fileError, 0) << c.name;
    }
}

TEST_F(StatReviews, RefusedStarts) {
    statReview.step(TStatPregled::kStartFull, 9, 0, 0, 24, 0);  // no file for case 9
    EXPECT_EQ(lines(), std::vector<std::string>{kText25016});
    EXPECT_TRUE(streamLines().empty());
    EXPECT_FALSE(statReview.running);

    // Tables 77 and 80 name the routes: the first that is not consistent is
    // named in the one box, and neither review starts.
    writeCase(7, {recordBytes(1, item(13, {}), 3600)});
    forEachInconsistentRouteTable([&](int16_t named) {
        for (bool tableReview : {false, true}) {
            boxes.boxes.clear();
            if (tableReview)
                startReducedStatisticsReview(SParamsStatReduced{7, 0, 0, 24, 0});
            else
                startStatisticsReview(SParamsStatPregled{7, 0, 0, 24, 0});
            ASSERT_EQ(boxes.boxes.size(), 1u) << named;
            EXPECT_EQ(boxes.boxes[0].text, withArgs(kText22018, {getTablePluralName(named)}))
                << named;
            EXPECT_FALSE(statReview.running) << named;
            EXPECT_TRUE(streamLines().empty()) << named;
        }
    });
}

TEST_F(StatReviews, CommandsTypedAsMml) {
    installMonitoringRoutines();
    writeCase(7, {recordBytes(1, item(13, {}), 3600)});
    char error[256] = {};
    const char* badStart[] = {"7", "24", "0", "24", "0"};
    EXPECT_EQ(executeWithValues(5571, badStart, 5, error, 1), kExecCheckRefused);
    EXPECT_STREQ(error, "Время начала некорректное!");
    const char* badEnd[] = {"7", "0", "0", "24", "1"};
    EXPECT_EQ(executeWithValues(5570, badEnd, 5, error, 1), kExecCheckRefused);
    EXPECT_STREQ(error, "Время конца некорректное!");

    const char* values[] = {"7", "0", "0", "24", "0"};
    EXPECT_EQ(executeWithValues(5571, values, 5, error, 1), kExecDone);
    EXPECT_TRUE(statReview.running);
    std::string journal;  // the journal line, posted in pieces
    for (const std::string& l : lines()) journal += l;
    EXPECT_NE(journal.find("Taбличный обзор"), std::string::npos);
    EXPECT_EQ(executeWithValues(5572, nullptr, 0, error, 1), kExecDone);
    EXPECT_FALSE(statReview.running);
    for (LocalRoutine r :
         {LocalRoutine::startStatisticsReview, LocalRoutine::startReducedStatisticsReview,
          LocalRoutine::stopStatisticsReview})
        setLocalRoutine(r, nullptr);
}

}  // namespace
