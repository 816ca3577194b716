#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/executors/command_executor.h"
#include "commands/executors/local_routines.h"
#include "texts/text_catalogue.h"
#include "monitoring/monitoring_fixtures.h"
#include "monitoring/monitoring_routines.h"
#include "monitoring/monitoring_texts.h"
#include "monitoring/stat_records.h"
#include "monitoring/stat_reports.h"
#include "sub/sub_database.h"
#include "sub/table_catalogue.h"
#include "toolkit/small_dialogs.h"
#include "utils/code_mappers.h"
#include "utils/files.h"

namespace {

class StatReports : public ::testing::Test, protected MonitoringWorld, protected StatRouteTables {
protected:
    StatReports() { EXPECT_EQ(makeDirectory("ppn"), 0); }
    void writeCase(uint8_t statCase, const std::vector<Bytes>& records) {
        dir.write(statFileName(statCase), fileOf(records));
    }
    // Runs a report to its end; the operator lines it posted.
    template <typename Start>
    std::vector<std::string> run(TStatReport& report, Start start) {
        operatorLines.messages.clear();
        start();
        for (int i = 0; i < 100 && report.running; ++i) pass(kStatReportTickMs);
        return lines();
    }
};

std::string causeText(int cause) {
    return textById(endOfSelectionCauseTextId(cause));
}

TEST_F(StatReports, TrafficKinds) {
    writeCase(5, {recordBytes(-1, {}, 1800),
                  recordBytes(1,
                              item(0, party(0, 1)) + item(1, party(1, 5)) + item(13, {}, 2) +
                                  item(14, {}, 10) + item(19, {}, 50),
                              3600),
                  recordBytes(2, item(0, party(1, 5)), 5000),
                  recordBytes(3, item(1, party(0, 5)), 7200)});  // no origin: counted nowhere
    const std::vector<std::string> got =
        run(trafficKindsReport, [] { startTrafficKindsReport(SParamsStatVrsteSaob{5}); });
    ASSERT_EQ(got.size(), 2u + 21u);
    EXPECT_EQ(got[0], withArgs(kText25097, {"5", "0", "30", "2", "0"}));
    EXPECT_EQ(got[1], kText25098);
    // Subscriber to trunk, the called party free: one call, 60 s from then on, over 5400 s.
    EXPECT_EQ(got[2 + 3], std::string(" ") + kText25101 + "|  " + kText25112 +
                              "|          1|        60.00|        0.01");
    EXPECT_EQ(got[2 + 2], std::string(" ") + kText25101 + "|  " + kText25113 +
                              "|          0|             |            ");
    // Trunk to nobody: the one line of that kind, without the called party.
    EXPECT_EQ(got[2 + 7 + 6], std::string("     ") + kText25107 + "|  " + kText25113 +
                                  "|          1|             |            ");
    int calls = 0;
    for (size_t i = 2; i < got.size(); ++i) calls += std::stoi(got[i].substr(25, 11));
    EXPECT_EQ(calls, 2);
}

// The report's span runs from the first to the last record read, time marks
// included, and wraps at midnight; a file of time marks only is no empty file.
TEST_F(StatReports, TrafficKindsSpanAcrossMidnightAndOverTimeMarks) {
    // Subscriber to trunk, the called party free: 60 s from then on.
    const Bytes call = recordBytes(1,
                                   item(0, party(0, 1)) + item(1, party(1, 5)) + item(13, {}, 2) +
                                       item(14, {}, 10) + item(19, {}, 50),
                                   86200);
    const struct {
        const char* name;
        std::vector<Bytes> records;
        std::string header;
        std::string subscriberToTrunkFree;  // after the kind's name and flag
    } cases[] = {
        {"23:55 to 00:05, 600 s",
         {recordBytes(-1, {}, 86100), call, recordBytes(-1, {}, 300)},
         withArgs(kText25097, {"5", "23", "55", "0", "5"}),
         "|          1|        60.00|        0.10"},
        {"time marks only",
         {recordBytes(-1, {}, 3600), recordBytes(-2, {}, 7200)},
         withArgs(kText25097, {"5", "1", "0", "2", "0"}),
         "|          0|             |        0.00"},  // no calls over a span of an hour
    };
    for (const auto& c : cases) {
        writeCase(5, c.records);
        const std::vector<std::string> got =
            run(trafficKindsReport, [] { startTrafficKindsReport(SParamsStatVrsteSaob{5}); });
        ASSERT_EQ(got.size(), 2u + 21u) << c.name;
        EXPECT_EQ(got[0], c.header) << c.name;
        EXPECT_EQ(got[2 + 3],
                  std::string(" ") + kText25101 + "|  " + kText25112 + c.subscriberToTrunkFree)
            << c.name;
    }
}

TEST_F(StatReports, SuccessByDestination) {
    std::vector<Bytes> records = {
        recordBytes(1, item(11, {200}) + item(13, {}, 3) + item(14, {}, 4) + item(19, {}, 10),
                    3600),
        recordBytes(2, item(11, {200}) + item(12, {255}), 3601),  // cause 255 counts as none
        recordBytes(3, item(11, {200}) + item(26, party(0, 1)) + item(12, {3}), 3602),
    };
    for (int i = 0; i < 5; ++i) records.push_back(recordBytes(4, item(12, {16}), 3700));
    records.push_back(recordBytes(5, item(12, {17}), 3700));
    for (int i = 0; i < 3; ++i) records.push_back(recordBytes(6, item(12, {18}), 7260));
    writeCase(5, records);
    const std::vector<std::string> got = run(successByDestinationReport, [] {
        startSuccessByDestinationReport(SParamsStatUspehVeze{5});
    });
    const std::vector<std::string> expected = {
        withArgs(kText25119, {"5", "1", "0", "2", "1"}),
        "",
        kText25120,
        "   |      9|      0|      9|      0|  0.00|      0|  0.00|      0|  0.00|      |      ",
        "200|      4|      1|      1|      1| 25.00|      1| 25.00|      1|  0.75|  4.00| 10.00",
        kText25121,
        "   |     13|      1|     10|      1|  7.69|      1|  7.69|      1|  0.23|  4.00| 10.00",
        "",
        kText25122,
        "   | 17|     1| 11.11%|" + causeText(17),
        "   | 18|     3| 33.33%|" + causeText(18),
        "   | 16|     5| 55.56%|" + causeText(16),
        "200|  3|     1|100.00%|" + causeText(3),
        kText25123,
        "   | 17|     1| 10.00%|" + causeText(17),  // the selection does not keep ties in order
        "   |  3|     1| 10.00%|" + causeText(3),
        "   | 18|     3| 30.00%|" + causeText(18),
        "   | 16|     5| 50.00%|" + causeText(16),
        "",
    };
    EXPECT_EQ(got, expected);
    EXPECT_TRUE(successByDestinationReport.keys().empty());  // the counters are released
    EXPECT_EQ(successByDestinationReport.summary, nullptr);
}

TEST_F(StatReports, SuccessByRouteNamesTheRoutesOfEitherSide) {
    writeCase(
        5,
        {recordBytes(1, item(0, party(1, kRoutePoint)) + item(1, party(0, 7)) + item(14, {}), 3600),
         recordBytes(2, item(0, party(1, 5)) + item(12, {16}), 3600),
         recordBytes(3, item(0, party(2, 1)), 3600),
         recordBytes(4, item(1, party(1, kRoutePoint)), 3600)});
    const struct {
        int16_t surSmer;
        std::vector<std::string> names;
    } cases[] = {
        {0, {"MOSKVA  ", "???     ", "GM      ", "        "}},
        {1, {"Ptp.    ", "        ", "MOSKVA  "}},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> got = run(successByRouteReport, [&] {
            startSuccessByRouteReport(SParamsStatUspehRuta{5, c.surSmer});
        });
        ASSERT_GT(got.size(), 3 + c.names.size());
        EXPECT_EQ(got[0], withArgs(kText25132, {"5", "1", "0", "1", "0"}));
        EXPECT_EQ(got[2], kText25133);
        for (size_t i = 0; i < c.names.size(); ++i)
            EXPECT_EQ(got[3 + i].substr(0, 9), c.names[i] + "|") << c.surSmer;
        EXPECT_EQ(got[3 + c.names.size()], kText25140);
    }
    EXPECT_TRUE(successByRouteReport.routes.empty());
}

// A route's line, its cause line and the summary, byte for byte: an answered
// call (4 s before the called party was free, 6 s to the answer, 10 s
// talking) and one that ended on cause 16, both over route 3.
TEST_F(StatReports, SuccessByRouteLines) {
    writeCase(5, {recordBytes(1,
                              item(0, party(1, kRoutePoint)) + item(13, {}, 4) + item(14, {}, 6) +
                                  item(19, {}, 10),
                              3600),
                  recordBytes(2, item(0, party(1, kRoutePoint)) + item(12, {16}), 3660)});
    const std::vector<std::string> got = run(successByRouteReport, [] {
        startSuccessByRouteReport(SParamsStatUspehRuta{5, 0});
    });
    const std::string counts =
        "|      2|      0|      1|      1| 50.00|      1| 50.00|      0|  2.00|  6.00| 10.00";
    const std::vector<std::string> expected = {
        withArgs(kText25132, {"5", "1", "0", "1", "1"}),
        "",
        kText25133,
        "MOSKVA  " + counts,
        kText25140,
        "        " + counts,
        "",
        kText25134,
        "MOSKVA| 16|     1|100.00%|" + causeText(16),
        kText25141,
        "| 16|     1|100.00%|" + causeText(16),
        "",
    };
    EXPECT_EQ(got, expected);
    EXPECT_TRUE(successByRouteReport.routes.empty());
}

TEST_F(StatReports, RoutesBeyondTheLastCounterAreLeftOut) {
    std::vector<Bytes> records;
    for (int i = 0; i < TUspehRuta::kMaxRoutes + 2; ++i) {
        const int16_t route = int16_t(100 + i);
        const int32_t point = 1000 + i;
        uint8_t channel[8] = {};
        std::memcpy(channel, &route, 2);
        std::memcpy(channel + 4, &point, 4);
        uint8_t conflict = 0;
        ASSERT_EQ(subDatabase.insertRecord(0, 80, channel, &conflict), tsOK);
        records.push_back(recordBytes(1, item(0, party(1, point)) + item(14, {}), 3600));
    }
    writeCase(5, records);
    const std::vector<std::string> got = run(successByRouteReport, [] {
        startSuccessByRouteReport(SParamsStatUspehRuta{5, 0});
    });
    ASSERT_GT(got.size(), 4u + TUspehRuta::kMaxRoutes);
    EXPECT_EQ(got[3 + TUspehRuta::kMaxRoutes], kText25140);
    EXPECT_EQ(got[4 + TUspehRuta::kMaxRoutes].substr(0, 17), "        |    259|");
}

TEST_F(StatReports, SlicesOfAHundredRecords) {
    std::vector<Bytes> records(250, recordBytes(1, item(11, {1}), 3600));
    records.insert(records.begin() + 50, 30, recordBytes(-1, {}, 3600));  // time marks are free
    writeCase(5, records);
    startSuccessByDestinationReport(SParamsStatUspehVeze{5});
    EXPECT_TRUE(successByDestinationReport.running);
    EXPECT_EQ(successByDestinationReport.tickRecords, 100);
    startSuccessByDestinationReport(SParamsStatUspehVeze{5});
    EXPECT_EQ(lines(), std::vector<std::string>{kText25117});

    pass(kStatReportTickMs - 1);
    EXPECT_EQ(successByDestinationReport.tickRecords, 100);
    pass(1);
    EXPECT_EQ(successByDestinationReport.tickRecords, 100);
    EXPECT_EQ(lines().size(), 1u);
    pass(kStatReportTickMs);
    EXPECT_FALSE(successByDestinationReport.running);
    ASSERT_GT(lines().size(), 4u);
    EXPECT_EQ(lines()[4].substr(0, 11), "  1|    250");
}

TEST_F(StatReports, MalformedAndMissingFiles) {
    const Bytes good = recordBytes(1, item(0, party(0, 1)) + item(11, {1}), 3600);
    const Bytes cut(good.begin(), good.begin() + 40);
    const Bytes kind37 = recordBytes(2, item(37, {}), 3600);
    const Bytes badParty = recordBytes(2, item(0, party(7, 1)), 3600);
    const Bytes badTime = recordBytes(2, item(13, {}), 90000);
    const Bytes pastArea = recordBytes(2, item(0, party(0, 1)), 3600, 0, 3);
    struct Case {
        const char* name;
        std::vector<Bytes> records;  // none: no file
        bool file;
        std::string traffic, success;  // the last line of either report
        size_t trafficLines, successLines;
    };
    const Case cases[] = {
        {"no file", {}, false, kText25095, kText25118, 1, 1},
        {"an empty file", {}, true, kText25094, kText25094, 1, 1},
        {"a file cut inside a record", {good, cut}, true, kText25019, kText25130, 24, 11},
        {"only a piece of a record", {cut}, true, kText25019, kText25130, 2, 2},
        {"kind 37", {good, kind37}, true, kText25019, kText25130, 1, 1},
        {"an unknown party", {good, badParty}, true, kText25019, "", 1, 0},
        {"a time past the day", {good, badTime}, true, kText25019, kText25130, 1, 1},
        {"an item past the bytes in use", {pastArea}, true, kText25019, kText25130, 1, 1},
    };
    for (const Case& c : cases) {
        std::remove((dir.path() + "/" + statFileName(5)).c_str());
        if (c.file) writeCase(5, c.records);
        std::vector<std::string> got =
            run(trafficKindsReport, [] { startTrafficKindsReport(SParamsStatVrsteSaob{5}); });
        EXPECT_EQ(got.size(), c.trafficLines) << c.name;
        if (!got.empty()) EXPECT_EQ(got.back(), c.traffic) << c.name;
        got = run(successByDestinationReport,
                  [] { startSuccessByDestinationReport(SParamsStatUspehVeze{5}); });
        if (c.successLines == 0) continue;  // the destination report does not read parties
        EXPECT_EQ(got.size(), c.successLines) << c.name;
        if (!got.empty()) EXPECT_EQ(got.back(), c.success) << c.name;
        EXPECT_TRUE(successByDestinationReport.keys().empty()) << c.name;
        EXPECT_FALSE(trafficKindsReport.running || successByDestinationReport.running);
    }
}

// The first of tables 77 and 80 that is not consistent is named in the one
// box, and the route report does not start.
TEST_F(StatReports, RouteReportWaitsForConsistentTables) {
    writeCase(5, {recordBytes(1, item(14, {}), 3600)});
    forEachInconsistentRouteTable([&](int16_t named) {
        boxes.boxes.clear();
        operatorLines.messages.clear();
        startSuccessByRouteReport(SParamsStatUspehRuta{5, 1});
        ASSERT_EQ(boxes.boxes.size(), 1u) << named;
        EXPECT_EQ(boxes.boxes[0].text, withArgs(kText22018, {getTablePluralName(named)})) << named;
        EXPECT_FALSE(successByRouteReport.running) << named;
        EXPECT_TRUE(lines().empty()) << named;
    });
}

// Commands 5573..5575 typed as MML reach their reports with their records:
// the case, and for 5575 the side of the call the routes are taken from.
TEST_F(StatReports, CommandsTypedAsMml) {
    installMonitoringRoutines();
    writeCase(5, {recordBytes(1, item(0, party(0, 1)) + item(1, party(1, kRoutePoint)), 3600)});
    const struct {
        int command;
        std::vector<const char*> values;
        std::string header;
        std::string firstCounter;  // the start of the line after the column header
    } cases[] = {
        {5573, {"5"}, withArgs(kText25097, {"5", "1", "0", "1", "0"}), ""},
        {5574, {"5"}, withArgs(kText25119, {"5", "1", "0", "1", "0"}), "   |      1|"},
        {5575, {"5", "Входящий"}, withArgs(kText25132, {"5", "1", "0", "1", "0"}), "Ptp.    |"},
        {5575, {"5", "Исходящий"}, withArgs(kText25132, {"5", "1", "0", "1", "0"}), "MOSKVA  |"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.values.back());
        char error[256] = {};
        operatorLines.messages.clear();
        EXPECT_EQ(executeWithValues(c.command, c.values.data(), int(c.values.size()), error, 1),
                  kExecDone)
            << error;
        std::vector<std::string> got;  // the report's lines, after the journal line
        for (const std::string& l : lines())
            if (!got.empty() || l == c.header) got.push_back(l);
        ASSERT_GT(got.size(), 3u) << c.command;
        EXPECT_EQ(got[3].substr(0, c.firstCounter.size()), c.firstCounter) << c.command;
    }
    for (LocalRoutine r :
         {LocalRoutine::startTrafficKindsReport, LocalRoutine::startSuccessByDestinationReport,
          LocalRoutine::startSuccessByRouteReport})
        setLocalRoutine(r, nullptr);
}

}  // namespace
