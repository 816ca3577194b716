#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <fox-1.6/fxkeys.h>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "peer/loopback_router.h"
#include "peer/modal_driver.h"
#include "peer/recording_receiver.h"
#include "peer/test_app.h"
#include "platform/local_clock.h"
#include "platform/shell.h"
#include "shell/operator_reports.h"
#include "toolkit/file_chooser.h"
#include "toolkit/text_codec.h"

namespace {

// The fixed lines of a report page.
// The head declares the code page the page is written in.
constexpr const char* kPageTitleOpen =
    "<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"
    "<TITLE>";
constexpr const char* kPageTitleClose = "</TITLE></HEAD>";
constexpr const char* kPageBody = "<BODY>";
constexpr const char* kPageLogo = "<P align=\"center\"><IMG src=\"qjp.gif\" alt=\"QJP logo\"></P>";
constexpr const char* kPageBoldCentreOpen = "<p align=\"center\"><b>";
constexpr const char* kPageBoldCentreClose = "</b></p>";
constexpr const char* kPageCentreOpen = "<p align=\"center\">";
constexpr const char* kPageCentreClose = "</p>";
constexpr const char* kPageRule = "<hr><p>";
constexpr const char* kPageHeaderEnd = "<p>";
constexpr const char* kPageEnd = "</BODY></HTML>";

using Bytes = std::vector<uint8_t>;

// This workstation is 28675, so that 28673 is another workstation's address.
const char* const kModemIni =
    "[Usmeravanja]\n"
    "BrojORa=28675\n"
    "BrojUsmeravanja=2\n"
    "[Usmeravanja\\Usmerenje1]\n"
    "Usmeravanje=Lokal\n"
    "DPC=28675\n"
    "[Usmeravanja\\Usmerenje2]\n"
    "Usmeravanje=TCP-IP\n"
    "IPAdresa=127.0.0.1\n"
    "DPC=0\n";

constexpr uint16_t kOwn = 28675;
constexpr uint16_t kOtherWorkstation = 28673;
constexpr int32_t kTitle = 23291;
constexpr int32_t kColumnsHeader = 21075;  // four columns split by "|"
constexpr int32_t kHtmlHeader = 23313;

class RecordingChooser : public IFileNameChooser {
public:
    RecordingChooser() { setFileNameChooser(this); }
    ~RecordingChooser() override { setFileNameChooser(nullptr); }
    bool choose(const char* patterns, const char* initialName, int patternIndex,
                std::string& chosen) override {
        asked.push_back({patterns, initialName, std::to_string(patternIndex)});
        chosen = answer;
        return !cancel;
    }
    std::vector<std::vector<std::string>> asked;
    std::string answer = "saved.htm";
    bool cancel = false;
};

Bytes openPayload(int32_t command, int32_t title, int32_t header) {
    Bytes b;
    for (int32_t v : {command, title, header})
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(uint32_t(v) >> (8 * i)));
    return b;
}

Bytes text(const std::string& s) {
    Bytes b(s.begin(), s.end());
    b.push_back(0);
    return b;
}

std::vector<std::string> streamLines(const KOperIzvestaj* w) {
    std::vector<std::string> out;
    const TTxtMsgBuffer& b = w->reportStream()->buffer();
    for (int i = 0; i < b.count(); ++i) out.push_back(b.textAt(i));
    return out;
}

std::string formattedLine(const char* coded) {
    char out[1001];
    formatCodedMessage(out, sizeof out, coded);
    return out;
}

// Every report window of the application.
std::vector<KOperIzvestaj*> reportWindows() {
    std::vector<KOperIzvestaj*> out;
    for (FX::FXWindow* w = testApp().getRootWindow()->getFirst(); w != nullptr; w = w->getNext())
        if (auto* r = dynamic_cast<KOperIzvestaj*>(w)) out.push_back(r);
    return out;
}

class OperatorReports : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override {
        testApp();
        startRouter(kModemIni);
        platform::setShell(&shell);
        platform::setLocalClock(&localClock);
        localClock.current = {2006, 7, 14, 12, 34, 56, 0};
        operatorLines.addCodeFilter(kCodePlainText);
        startOperatorReports();
    }
    void TearDown() override {
        for (KOperIzvestaj* w : reportWindows()) delete w;
        freeOperatorReports();
        initOperatorReports();
        localReportNumber = 0;
        platform::setLocalClock(nullptr);
        platform::setShell(nullptr);
        stopRouter();
    }
    // A frame of type 237 from a source with the report number in its header.
    void fromExchange(uint16_t source, uint16_t number, uint8_t code, const Bytes& payload) {
        Bytes frame = makeFrame(kTypeOperatorReport, kOwn, source, code, payload);
        frame[7] = static_cast<uint8_t>(number);
        frame[8] = static_cast<uint8_t>(number >> 8);
        peer.sendRaw(frame);
        router->receiveMessages();
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (const auto& m : operatorLines.messages) out.push_back(m.text());
        return out;
    }
    static std::string event(int32_t eventId, uint16_t number) {
        std::string s = textById(26954);
        const std::string args[] = {
            "12", "34", "56", textById(eventId), textById(kTitle), std::to_string(number)};
        for (int n = 6; n >= 1; --n) {
            const std::string mark = "%" + std::to_string(n);
            s.replace(s.find(mark), mark.size(), args[n - 1]);
        }
        return s;
    }
    static KOperIzvestaj* openWindow(uint16_t source, uint16_t number) {
        if (openReports().find(reportKey(source, number)) != 0) return nullptr;
        return openReports().cursor()->window;
    }
    static bool isClosed(uint16_t source, uint16_t number) {
        return closedReports().find(reportKey(source, number)) == 0;
    }

    platform::RecordingShell shell;
    platform::TestLocalClock localClock;
    RecordingReceiver operatorLines{kTypeOperator};
};

TEST_F(OperatorReports, ExchangeReportFromOpeningToItsEnd) {
    fromExchange(kExchangeAddress, 7, kCodeReportOpen, openPayload(5001, kTitle, kColumnsHeader));
    KOperIzvestaj* w = openWindow(kExchangeAddress, 7);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->shown());
    EXPECT_EQ(fromUtf8(w->getTitle()), textById(kTitle));
    EXPECT_EQ(w->commandId(), 5001);
    EXPECT_EQ(lines(), std::vector<std::string>{event(26955, 7)});

    fromExchange(kExchangeAddress, 7, kCodeReportLine, text("21206$<b>a</b>|b|c"));
    fromExchange(kExchangeAddress, 7, kCodeReportLine, text("21206$x"));
    EXPECT_EQ(streamLines(w), (std::vector<std::string>{formattedLine("21206$<b>a</b>|b|c"),
                                                        formattedLine("21206$x")}));
    KHTMLMsgViewer* v = w->viewer();
    ASSERT_EQ(v->getColumnCount(), 4);
    EXPECT_EQ(v->getRowCount(), 3);
    const std::string worded = textById(21206);  // "...'%1'..."
    const std::string before = worded.substr(0, worded.find("%1"));
    const std::string after = worded.substr(worded.find("%1") + 2);
    const struct {
        int row, col;
        bool none;
        std::string shown;
    } cells[] = {
        {0, 0, true, ""},   {1, 0, false, before + "a"},
        {1, 1, false, "b"}, {1, 2, false, "c" + after},
        {1, 3, false, ""},  {2, 0, false, formattedLine("21206$x")},
        {2, 1, false, ""},  {3, 0, true, ""},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.col));
        const char* shown = v->getCellText(c.row, c.col);
        if (c.none) {
            EXPECT_EQ(shown, nullptr);
        } else {
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(std::string(shown), c.shown);
        }
    }

    fromExchange(kExchangeAddress, 7, kCodeReportFinished, {});
    EXPECT_EQ(lines().back(), event(26957, 7));
    EXPECT_EQ(openWindow(kExchangeAddress, 7), nullptr);
    EXPECT_FALSE(isClosed(kExchangeAddress, 7));
    ASSERT_EQ(reportWindows(), std::vector<KOperIzvestaj*>{w});  // still shown
    fromExchange(kExchangeAddress, 7, kCodeReportLine, text("21206$late"));
    EXPECT_EQ(streamLines(w).size(), 2u);
}

TEST_F(OperatorReports, SameNumberFromTwoSourcesKeepsTwoWindowsAndLogs) {
    fromExchange(kExchangeAddress, 1, kCodeReportOpen, openPayload(1, kTitle, kHtmlHeader));
    fromExchange(kOtherWorkstation, 1, kCodeReportOpen, openPayload(1, kTitle, kHtmlHeader));
    fromExchange(kExchangeAddress, 1, kCodeReportLine, text("21206$exchange"));
    fromExchange(kOtherWorkstation, 1, kCodeReportLine, text("21206$workstation"));
    KOperIzvestaj* fromExchangeWindow = openWindow(kExchangeAddress, 1);
    KOperIzvestaj* fromWorkstation = openWindow(kOtherWorkstation, 1);
    ASSERT_NE(fromExchangeWindow, nullptr);
    ASSERT_NE(fromWorkstation, nullptr);
    ASSERT_NE(fromExchangeWindow, fromWorkstation);
    fromExchangeWindow->reportStream()->flush();
    fromWorkstation->reportStream()->flush();
    EXPECT_EQ(fromExchangeWindow->reportStream()->logName(), "40181.izv");
    EXPECT_EQ(dir.read("40181.izv"), formattedLine("21206$exchange") + "\n");
    EXPECT_EQ(dir.read("70011.izv"), formattedLine("21206$workstation") + "\n");
}

TEST_F(OperatorReports, WindowClosedBeforeTheEnd) {
    const struct {
        const char* name;
        void (*close)(KOperIzvestaj*);
    } cases[] = {
        {"close box", [](KOperIzvestaj* w) { w->handle(w, FXSEL(FX::SEL_CLOSE, 0), nullptr); }},
        {"Escape",
         [](KOperIzvestaj* w) {
             FX::FXEvent key;
             key.type = FX::SEL_KEYPRESS;
             key.code = KEY_Escape;
             w->handle(w, FXSEL(FX::SEL_KEYPRESS, 0), &key);
         }},
    };
    uint16_t number = 20;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ++number;
        fromExchange(kExchangeAddress, number, kCodeReportOpen,
                     openPayload(1, kTitle, kHtmlHeader));
        fromExchange(kExchangeAddress, number, kCodeReportLine, text("21206$kept"));
        KOperIzvestaj* w = openWindow(kExchangeAddress, number);
        ASSERT_NE(w, nullptr);
        c.close(w);
        EXPECT_TRUE(reportWindows().empty());
        EXPECT_EQ(lines().back(), event(26956, number));
        EXPECT_TRUE(isClosed(kExchangeAddress, number));
        EXPECT_EQ(dir.read(reportLogName(kExchangeAddress, number)),
                  formattedLine("21206$kept") + "\n");
        const size_t posted = lines().size();
        fromExchange(kExchangeAddress, number, kCodeReportLine, text("21206$dropped"));
        fromExchange(kExchangeAddress, number, kCodeReportFinished, {});
        EXPECT_FALSE(isClosed(kExchangeAddress, number));
        EXPECT_EQ(lines().size(), posted);
    }
}

TEST_F(OperatorReports, OtherKeysLeaveTheWindowOpen) {
    const SIzvestaj r = openOperatorReport(kExchangeAddress, 3, 1, kTitle, kHtmlHeader);
    FX::FXEvent key;
    key.type = FX::SEL_KEYPRESS;
    key.code = KEY_a;
    key.text = "a";
    r.window->handle(r.window, FXSEL(FX::SEL_KEYPRESS, 0), &key);
    EXPECT_TRUE(isOperatorReportOpen(r));
}

TEST_F(OperatorReports, LocalReportsNumberedInTheOrderOpened) {
    std::vector<SIzvestaj> opened;
    for (int i = 0; i < 3; ++i)
        opened.push_back(openOperatorReport(kOwn, 99, 5276, kTitle, kHtmlHeader));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(opened[i].source, kOwn);
        EXPECT_EQ(opened[i].number, i + 1);
        EXPECT_NE(opened[i].window, nullptr);
        EXPECT_TRUE(isOperatorReportOpen(opened[i]));
    }
    const std::string coded = "21206$x";
    const std::string plain = "<TR><TD>plain";
    appendOperatorReportLine(opened[1], kCodeCodedText, coded.c_str(), int(coded.size()) + 1);
    appendOperatorReportLine(opened[1], kCodePlainText, plain.c_str(), int(plain.size()) + 1);
    EXPECT_EQ(streamLines(opened[1].window),
              (std::vector<std::string>{formattedLine("21206$x"), plain}));
    EXPECT_STREQ(opened[1].window->viewer()->getCellText(2, 0), "plain");
    EXPECT_TRUE(streamLines(opened[0].window).empty());

    delete opened[1].window;
    EXPECT_FALSE(isOperatorReportOpen(opened[1]));
    appendOperatorReportLine(opened[1], kCodePlainText, plain.c_str(), int(plain.size()) + 1);
    EXPECT_TRUE(isOperatorReportOpen(opened[2]));
}

TEST_F(OperatorReports, FullRegistriesOpenNoWindow) {
    for (uint16_t n = 1; n <= kMaxOpenReports; ++n)
        ASSERT_NE(openOperatorReport(kExchangeAddress, n, 1, kTitle, kHtmlHeader).window, nullptr);
    const SIzvestaj over = openOperatorReport(kExchangeAddress, 101, 1, kTitle, kHtmlHeader);
    EXPECT_EQ(over.window, nullptr);
    EXPECT_EQ(over.number, 101);
    EXPECT_TRUE(isClosed(kExchangeAddress, 101));
    EXPECT_EQ(reportWindows().size(), kMaxOpenReports);
    for (uint16_t n = 102; n <= 151; ++n)
        EXPECT_EQ(openOperatorReport(kExchangeAddress, n, 1, kTitle, kHtmlHeader).window, nullptr);
    EXPECT_EQ(closedReports().count(), kMaxClosedReports);
    EXPECT_FALSE(isClosed(kExchangeAddress, 151));
    fromExchange(kExchangeAddress, 101, kCodeReportFinished, {});
    EXPECT_FALSE(isClosed(kExchangeAddress, 101));
    EXPECT_EQ(openReports().count(), kMaxOpenReports);
}

TEST_F(OperatorReports, MalformedOpeningsOpenNothing) {
    Bytes shortPayload = openPayload(1, kTitle, kHtmlHeader);
    shortPayload.pop_back();
    fromExchange(kExchangeAddress, 4, kCodeReportOpen, shortPayload);
    fromExchange(kExchangeAddress, 4, kCodeReportLine, text("21206$x"));
    fromExchange(kExchangeAddress, 4, kCodeReportFinished, {});
    EXPECT_TRUE(reportWindows().empty());
    EXPECT_EQ(openReports().count(), 0u);
    EXPECT_EQ(closedReports().count(), 0u);
    EXPECT_TRUE(lines().empty());
}

TEST_F(OperatorReports, ReopenedKeyTakesOverFromTheEarlierWindow) {
    const SIzvestaj first = openOperatorReport(kExchangeAddress, 5, 1, kTitle, kHtmlHeader);
    const SIzvestaj second = openOperatorReport(kExchangeAddress, 5, 1, kTitle, kHtmlHeader);
    fromExchange(kExchangeAddress, 5, kCodeReportLine, text("21206$x"));
    EXPECT_TRUE(streamLines(first.window).empty());
    EXPECT_EQ(streamLines(second.window).size(), 1u);
    delete first.window;
    EXPECT_EQ(openWindow(kExchangeAddress, 5), second.window);
    fromExchange(kExchangeAddress, 5, kCodeReportLine, text("21206$y"));
    EXPECT_EQ(streamLines(second.window).size(), 2u);
}

// The first eight lines of a page of a report titled kTitle with the HTML
// header, written at the test clock's time.
std::string pageHead() {
    const std::string title = textById(kTitle);
    return std::string(kPageTitleOpen) + title + kPageTitleClose + "\n" + kPageBody + "\n" +
           kPageLogo + "\n" + kPageBoldCentreOpen + textById(21117) + kPageBoldCentreClose + "\n" +
           kPageCentreOpen + title + kPageCentreClose + "\n" + kPageCentreOpen +
           "14.07.2006.  12:34:56" + kPageCentreClose + "\n" + kPageRule + "\n" +
           textById(kHtmlHeader) + kPageHeaderEnd + "\n";
}

// A report key opened again, while its earlier window is open or after that
// report finished: the new report's log, saved page and printed page hold
// only its own lines, also once the earlier window has closed, and the
// earlier window's page keeps its own.
TEST_F(OperatorReports, ReopenedKeyHoldsOnlyItsOwnLines) {
    RecordingChooser chooser;
    const std::string first = formattedLine("21206$first") + "\n";
    const std::string second = formattedLine("21206$second") + "\n";
    const std::string printed = toUtf8(textById(kTitle)).text() + std::string(".htm");
    for (bool finishedFirst : {false, true}) {
        SCOPED_TRACE(finishedFirst ? "finished, then opened again" : "opened again while open");
        const uint16_t number = finishedFirst ? 12 : 11;
        fromExchange(kExchangeAddress, number, kCodeReportOpen,
                     openPayload(1, kTitle, kHtmlHeader));
        KOperIzvestaj* earlier = openWindow(kExchangeAddress, number);
        ASSERT_NE(earlier, nullptr);
        fromExchange(kExchangeAddress, number, kCodeReportLine, text("21206$first"));
        if (finishedFirst) fromExchange(kExchangeAddress, number, kCodeReportFinished, {});
        fromExchange(kExchangeAddress, number, kCodeReportOpen,
                     openPayload(1, kTitle, kHtmlHeader));
        KOperIzvestaj* later = openWindow(kExchangeAddress, number);
        ASSERT_NE(later, nullptr);
        ASSERT_NE(later, earlier);
        fromExchange(kExchangeAddress, number, kCodeReportLine, text("21206$second"));

        chooser.answer = "earlier.htm";
        sendCommand(earlier, KOperIzvestaj::ID_SAVE);
        EXPECT_EQ(dir.read("earlier.htm"), pageHead() + first + kPageEnd + "\n");
        delete earlier;

        const std::string log = reportLogName(kExchangeAddress, number);
        EXPECT_EQ(dir.read(log), "");  // the later report's lines are not flushed yet
        chooser.answer = "later.htm";
        sendCommand(later, KOperIzvestaj::ID_SAVE);
        EXPECT_EQ(dir.read("later.htm"), pageHead() + second + kPageEnd + "\n");
        sendCommand(later, KOperIzvestaj::ID_PRINT);
        EXPECT_EQ(dir.read(printed), pageHead() + second);
        delete later;
        EXPECT_EQ(dir.read(log), second);
    }
}

TEST_F(OperatorReports, SavedAndPrintedPages) {
    RecordingChooser chooser;
    const SIzvestaj r = openOperatorReport(kExchangeAddress, 9, 1, kTitle, kHtmlHeader);
    fromExchange(kExchangeAddress, 9, kCodeReportLine, text("21206$<b>x</b>"));
    fromExchange(kExchangeAddress, 9, kCodeReportLine, text("21206$y"));
    const std::string title = textById(kTitle);
    const std::string head = pageHead();
    const std::string log =
        formattedLine("21206$<b>x</b>") + "\n" + formattedLine("21206$y") + "\n";

    sendCommand(r.window, KOperIzvestaj::ID_SAVE);
    EXPECT_EQ(chooser.asked,
              (std::vector<std::vector<std::string>>{{"*.htm", "izvestaj.htm", "0"}}));
    EXPECT_EQ(dir.read("saved.htm"), head + log + kPageEnd + "\n");

    sendCommand(r.window, KOperIzvestaj::ID_PRINT);
    const std::string printed = toUtf8(title).text() + std::string(".htm");
    EXPECT_EQ(shell.printed, std::vector<std::string>{printed});
    EXPECT_EQ(dir.read(printed), head + log);

    chooser.cancel = true;
    chooser.answer = "cancelled.htm";
    sendCommand(r.window, KOperIzvestaj::ID_SAVE);
    EXPECT_EQ(dir.read("cancelled.htm"), "");
    EXPECT_EQ(reportPrintFileName("a/b\\c"), "a_b_c.htm");
}

}  // namespace
