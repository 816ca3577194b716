#include <unistd.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "monitoring/monitoring_fixtures.h"
#include "monitoring/monitoring_texts.h"
#include "monitoring/tt_report.h"
#include "utils/bytes.h"
#include "utils/dates.h"

namespace {

const int32_t kJuly14 = dayNumberOf(2006, 7, 14);

STTRecord call(const char* subscriber, const char* dialled = "5551234",
               const char* calling = "777") {
    STTRecord r;
    std::snprintf(r.subscriber, sizeof r.subscriber, "%s", subscriber);
    std::snprintf(r.dialledNumber, sizeof r.dialledNumber, "%s", dialled);
    std::snprintf(r.callingNumber, sizeof r.callingNumber, "%s", calling);
    r.startDay = r.endDay = kJuly14;
    r.startTime = 3661;
    r.endTime = 3700;
    r.co = 1;
    r.cd = 2;
    r.ts = 3;
    r.tk = 4;
    r.operatorNo = -1;
    r.price = 1.5;
    r.pulses = 12.5;
    std::snprintf(r.currency, sizeof r.currency, "RUB");
    return r;
}

std::string recordBytes(const STTRecord& r) {
    uint8_t b[kTTRecordSize];
    ByteWriter w(b, sizeof b);
    w.u8(r.head);
    w.bytes(r.subscriber, sizeof r.subscriber);
    w.bytes(r.dialledNumber, sizeof r.dialledNumber);
    w.bytes(r.callingNumber, sizeof r.callingNumber);
    for (int32_t v : {r.startDay, r.startTime, r.endDay, r.endTime}) w.u32le(uint32_t(v));
    w.u8(r.co);
    w.u8(r.cd);
    for (int16_t v : {r.ts, r.tk, r.operatorNo}) w.u16le(uint16_t(v));
    w.bytes(&r.price, 8);
    w.bytes(&r.pulses, 8);
    w.bytes(r.currency, sizeof r.currency);
    EXPECT_TRUE(w.ok() && w.size() == sizeof b);
    return std::string(reinterpret_cast<const char*>(b), sizeof b);
}

struct Form {
    std::string subscriber, dialled, calling, from, to, pulses;
    int16_t kind = 1;   // 0 window, 1 file
    int16_t cut = 1;    // 0 cut
    int16_t price = 1;  // 0 with price
};

SParamsOperIzvestajTT fullParams(const Form& f) {
    SParamsOperIzvestajTT p{};
    std::strncpy(p.sPretplatnik, f.subscriber.c_str(), sizeof p.sPretplatnik);
    std::strncpy(p.sBiraniBroj, f.dialled.c_str(), sizeof p.sBiraniBroj);
    std::strncpy(p.sABroj, f.calling.c_str(), sizeof p.sABroj);
    std::strncpy(p.sOdDatuma, f.from.c_str(), sizeof p.sOdDatuma);
    std::strncpy(p.sDoDatuma, f.to.c_str(), sizeof p.sDoDatuma);
    std::strncpy(p.sBrImpulsa, f.pulses.c_str(), sizeof p.sBrImpulsa);
    p.VrstaIzvestaja = f.kind;
    p.bOdseciVisak = f.cut;
    p.bStampajCenu = f.price;
    return p;
}

SParamsMinOperIzvestajTT minimalParams(const Form& f) {
    const SParamsOperIzvestajTT full = fullParams(f);
    SParamsMinOperIzvestajTT p{};
    std::memcpy(&p, &full, sizeof p);
    return p;
}

// A clock that moves on by `step` ms at every reading: slices end after a few records.
class SteppingTicks : public platform::ITickSource {
public:
    uint32_t milliseconds() override { return now += step; }
    uint32_t now = 5000;
    uint32_t step = 100;
};

class TtReport : public ::testing::Test, protected MonitoringWorld {
protected:
    ~TtReport() override {
        if (ttReport.running()) ttReport.abort();
    }
    void putCalls(const std::vector<STTRecord>& calls) {
        std::string bytes;
        for (const auto& c : calls) bytes += recordBytes(c);
        dir.write(kTTFileName, bytes);
    }
    // Subscribers of the record lines of a full window report.
    std::vector<std::string> reportedSubscribers() const {
        std::vector<std::string> out;
        for (const auto& l : reports.lines)
            if (l.rfind("254:23294$", 0) == 0) out.push_back(l.substr(10, l.find('$', 10) - 10));
        return out;
    }
    void runOut() {
        for (int i = 0; i < 10000 && ttReport.running(); ++i) tickTimers();
    }
    RecordingReports reports;
};

TEST_F(TtReport, FileReportWithItsHeaderLinesAndFooter) {
    putCalls({call("123")});
    dir.write(kTTReportFileName, "old");
    makeTtReport(fullParams(Form{}));
    const std::string line =
        "    123|               5551234|        777|14.07.06|01:01:01|14.07.06|01:01:40|  1|  2|  "
        "3|  4|      "
        "|12.50       ";
    EXPECT_EQ(dir.read(kTTReportFileName), std::string("\r\n") + kText23300 + "\r\n" + kText23301 +
                                               "\r\n" + kText23303 + "\r\n" + kText23305 + "\r\n" +
                                               kText23306 + "\r\n\r\n" + kText23311 + "\r\n" +
                                               line + "\r\n" + withArgs(kText23314, {"1"}));
    EXPECT_EQ(lines(), (std::vector<std::string>{
                           withArgs(kText23319, {"tt.bin", "1"}),
                           withArgs(kText23320, {"100", "%", "tt.bin", "0", "1"}),
                           withArgs(kText23321, {"0", "1"}), withArgs(kText23322, {"1", "1"})}));
    EXPECT_EQ(shell.opened, std::vector<std::string>{kTTReportFileName});
    EXPECT_FALSE(ttReport.running());
}

TEST_F(TtReport, FileHeaderOfTheFilters) {
    putCalls({});
    Form f;
    f.subscriber = "12";
    f.dialled = "555";
    f.calling = "7";
    f.from = "1.7.06";
    f.to = "31.07.2006";
    f.pulses = "5";
    makeMinimalTtReport(minimalParams(f));
    EXPECT_EQ(dir.read(kTTReportFileName),
              std::string("\r\n") + kText23300 + "\r\n" + withArgs(kText23297, {"12"}) + "\r\n" +
                  withArgs(kText23302, {"555"}) + "\r\n" + withArgs(kText23304, {"7"}) + "\r\n" +
                  withArgs(kText23307, {"01.07.06"}) + withArgs(kText23308, {"31.07.06"}) + "\r\n" +
                  withArgs(kText23309, {"5.00"}) + "\r\n\r\n" + kText23326 + "\r\n" +
                  withArgs(kText23314, {"0"}));
    EXPECT_EQ(lines().back(), withArgs(kText23322, {"0", "0"}));
}

TEST_F(TtReport, WindowReportsOfEachForm) {
    putCalls({call("123")});
    const std::string coded =
        "123$5551234$777$14.07.06$01:01:01$14.07.06$01:01:40$1$2$3$4$      $12.500000";
    const struct {
        const char* name;
        bool minimal;
        int16_t price;
        std::string heading;
        std::string record;
    } cases[] = {
        {"full without price", false, 1, "254:23292", "254:23294$" + coded},
        {"full with price", false, 0, "254:23293", "254:23295$" + coded + "$1.500000$RUB"},
        {"minimal", true, 0, "254:23325",
         "255:<TR><TD>    123<TD>                    5551234   <TD>          777<TD>  14.07.06 "
         "<TD> "
         "01:01:01<TD>   14.07.06 <TD> 01:01:40 <TD>    1 <TD>   2 <TD>   3 <TD>  4 <TD> 12.50     "
         "  "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        reports.lines.clear();
        reports.opened.clear();
        Form f;
        f.kind = 0;
        f.price = c.price;
        if (c.minimal)
            makeMinimalTtReport(minimalParams(f));
        else
            makeTtReport(fullParams(f));
        ASSERT_EQ(reports.opened.size(), 1u);
        EXPECT_EQ(reports.opened[0], (std::vector<int32_t>{c.minimal ? 5277 : 5276, 23291, 23313}));
        EXPECT_EQ(reports.lines,
                  (std::vector<std::string>{"254:23300", "254:23301", "254:23303", "254:23305",
                                            "254:23306", c.heading, c.record, "254:23296$1"}));
    }
}

TEST_F(TtReport, Filters) {
    STTRecord overMidnight = call("55");
    overMidnight.startDay = dayNumberOf(2006, 7, 31);
    overMidnight.endDay = dayNumberOf(2006, 8, 1);
    STTRecord fewPulses = call("66");
    fewPulses.pulses = 4.99;
    STTRecord fivePulses = call("67");
    fivePulses.pulses = 5.0;
    putCalls({call("12"), call("123"), call("1200"), call("312", "999", "888"), overMidnight,
              fewPulses, fivePulses});
    const struct {
        const char* name;
        Form form;
        std::vector<std::string> subscribers;
    } cases[] = {
        {"no filter",
         Form{"", "", "", "", "", "", 0},
         {"12", "123", "1200", "312", "55", "66", "67"}},
        {"subscriber prefix", Form{"12", "", "", "", "", "", 0}, {"12", "123", "1200"}},
        {"dialled prefix", Form{"", "99", "", "", "", "", 0}, {"312"}},
        {"calling prefix", Form{"", "", "8", "", "", "", 0}, {"312"}},
        {"the day the call ended", Form{"", "", "", "01.08.06", "01.08.06", "", 0}, {"55"}},
        {"not the day it started", Form{"", "", "", "31.07.06", "31.07.06", "", 0}, {}},
        {"from a day on", Form{"", "", "", "15.07.06", "", "", 0}, {"55"}},
        {"up to a day",
         Form{"", "", "", "", "31.07.06", "", 0},
         {"12", "123", "1200", "312", "66", "67"}},
        {"at least five pulses",
         Form{"", "", "", "", "", "5", 0},
         {"12", "123", "1200", "312", "55", "67"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        reports.lines.clear();
        makeTtReport(fullParams(c.form));
        EXPECT_EQ(reportedSubscribers(), c.subscribers);
    }
}

TEST_F(TtReport, BadFormsStartNothing) {
    const struct {
        const char* name;
        bool withFile;
        Form form;
        std::string line;
    } cases[] = {
        {"no tt.bin", false, Form{}, withArgs(kText23318, {"tt.bin"})},
        {"a date that does not exist", true, Form{"", "", "", "30.02.06"}, kText23315},
        {"a date of another form", true, Form{"", "", "", "", "1/2/06"}, kText23315},
        {"a pulse count that is no number", true, Form{"", "", "", "", "", "5x"}, kText23316},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove((dir.path() + "/" + kTTFileName).c_str());
        if (c.withFile) putCalls({call("1")});
        operatorLines.messages.clear();
        EXPECT_EQ(makeTtReport(fullParams(c.form)), -1);
        EXPECT_EQ(lines(), std::vector<std::string>{c.line});
        EXPECT_FALSE(ttReport.running());
        EXPECT_FALSE(std::ifstream(dir.path() + "/" + kTTReportFileName).good());
    }
}

TEST_F(TtReport, RecordLineColumns) {
    STTRecord r = call("1", "12345678901234567890123", "2");
    r.operatorNo = 0;
    STTReportFilter filter;
    filter.cutDialled = true;
    ASSERT_EQ(startTtReportToFile(kTTReportFileName, filter), -1);  // no tt.bin yet
    putCalls({});
    ASSERT_EQ(startTtReportToFile(kTTReportFileName, filter), 0);
    const std::string cut = ttReport.formatCodedLine(r, 23298, false);
    EXPECT_EQ(
        cut,
        "23298$1$123456789012345678901*$2$14.07.06$01:01:01$14.07.06$01:01:40$1$2$3$4$0$12.500000");
    std::snprintf(r.dialledNumber, sizeof r.dialledNumber, "1234567890123456789012");
    EXPECT_NE(ttReport.formatCodedLine(r, 23298, false).find("$1234567890123456789012$"),
              std::string::npos);
    EXPECT_NE(ttReport.formatMinimalLine(r, false).find("|1234567890123456789012|"),
              std::string::npos);
}

TEST_F(TtReport, EmptyFileStillHasHeaderAndFooter) {
    putCalls({});
    Form f;
    f.kind = 0;
    makeTtReport(fullParams(f));
    EXPECT_EQ(reports.lines.back(), "254:23296$0");
    EXPECT_TRUE(reportedSubscribers().empty());
    EXPECT_EQ(lines(), (std::vector<std::string>{withArgs(kText23319, {"tt.bin", "0"}),
                                                 withArgs(kText23321, {"0", "0"}),
                                                 withArgs(kText23322, {"0", "0"})}));
}

TEST_F(TtReport, NoWindowStillCountsItsLines) {
    reports.giveWindow = false;
    putCalls({call("1"), call("2")});
    Form f;
    f.kind = 0;
    makeTtReport(fullParams(f));
    EXPECT_TRUE(reports.lines.empty());
    EXPECT_EQ(lines().back(), withArgs(kText23322, {"2", "2"}));
    EXPECT_EQ(lines()[lines().size() - 2], withArgs(kText23321, {"0", "2"}));
}

TEST_F(TtReport, SlicesOfLimitedTimeWithProgressSteps) {
    SteppingTicks ticks;
    platform::setTickSource(&ticks);
    std::vector<STTRecord> calls(60, call("1"));
    putCalls(calls);
    makeTtReport(fullParams(Form{}));
    EXPECT_TRUE(ttReport.running());
    runOut();
    platform::setTickSource(&clock);
    ASSERT_FALSE(ttReport.running());
    EXPECT_GT(ttReport.maxPerSlice, 0);
    EXPECT_LT(ttReport.maxPerSlice, 60);
    EXPECT_EQ(lines().back(), withArgs(kText23322, {std::to_string(ttReport.minPerSlice),
                                                    std::to_string(ttReport.maxPerSlice)}));
    int previous = 0, steps = 0;
    for (const auto& l : lines()) {
        const std::string head =
            withArgs(kText23320, {"#"}).substr(0, withArgs(kText23320, {"#"}).find('#'));
        if (l.rfind(head, 0) != 0) continue;
        const int percent = std::stoi(l.substr(head.size()));
        EXPECT_GE(percent, previous + 5);
        previous = percent;
        ++steps;
    }
    EXPECT_GE(previous, 95);
    EXPECT_GT(steps, 1);
    std::string text = dir.read(kTTReportFileName);
    EXPECT_NE(text.find(withArgs(kText23314, {"60"})), std::string::npos);
}

TEST_F(TtReport, ClosingTheWindowEndsTheReport) {
    SteppingTicks ticks;
    platform::setTickSource(&ticks);
    putCalls(std::vector<STTRecord>(60, call("1")));
    Form f;
    f.kind = 0;
    makeTtReport(fullParams(f));
    ASSERT_TRUE(ttReport.running());
    reports.stillOpen = false;
    runOut();
    platform::setTickSource(&clock);
    EXPECT_FALSE(ttReport.running());
    EXPECT_EQ(lines().back(), kText23323);
    EXPECT_NE(reports.lines.back().rfind("254:23294$", 0), std::string::npos);  // no footer
}

TEST_F(TtReport, ANewReportEndsTheRunningOne) {
    SteppingTicks ticks;
    platform::setTickSource(&ticks);
    putCalls(std::vector<STTRecord>(60, call("1")));
    Form f;
    f.kind = 0;
    makeTtReport(fullParams(f));
    ASSERT_TRUE(ttReport.running());
    operatorLines.messages.clear();
    makeTtReport(fullParams(Form{}));
    runOut();
    platform::setTickSource(&clock);
    ASSERT_GE(lines().size(), 2u);
    EXPECT_EQ(lines()[0], kText23323);
    EXPECT_EQ(lines()[1], withArgs(kText23319, {"tt.bin", "60"}));
    EXPECT_NE(dir.read(kTTReportFileName).find(withArgs(kText23314, {"60"})), std::string::npos);
}

TEST_F(TtReport, ALargeReportIsShownOnlyWhenTheOperatorWants) {
    putCalls(std::vector<STTRecord>(19000, call("1")));
    for (int answer : {0, 1}) {
        SCOPED_TRACE(answer);
        boxes.answer = answer;
        boxes.boxes.clear();
        shell.opened.clear();
        makeMinimalTtReport(minimalParams(Form{}));
        ASSERT_GT(dir.read(kTTReportFileName).size(), 2000000u);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Question);
        EXPECT_EQ(boxes.boxes[0].text, kText23324);
        EXPECT_EQ(shell.opened.size(), size_t(answer));
    }
}

TEST_F(TtReport, AFailedWriteKeepsTheOldReportAndShowsNothing) {
    putCalls({call("1")});
    dir.write(kTTReportFileName, "old");
    ASSERT_EQ(symlink("/dev/full", (dir.path() + "/ttizlaz.txt.tmp").c_str()), 0);
    makeTtReport(fullParams(Form{}));
    EXPECT_EQ(dir.read(kTTReportFileName), "old");
    EXPECT_EQ(lines().back(), kText23251);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(TtReport, CutLastRecordIsNoRecord) {
    putCalls({call("1")});
    dir.write(kTTFileName, dir.read(kTTFileName) + std::string(50, '7'));
    Form f;
    f.kind = 0;
    makeTtReport(fullParams(f));
    EXPECT_EQ(reportedSubscribers(), std::vector<std::string>{"1"});
}

}  // namespace
