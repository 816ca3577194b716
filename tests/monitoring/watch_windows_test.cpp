#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mml/mml_executors.h"
#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "menus/printout_map.h"
#include "mml/command_handlers.h"
#include "mml/mml_registry.h"
#include "monitoring/monitoring_fixtures.h"
#include "monitoring/monitoring_texts.h"
#include "monitoring/watch_dialogs.h"
#include "monitoring/watch_windows.h"
#include "peer/modal_driver.h"
#include "peer/test_app.h"
#include "link/text_streams.h"
#include "toolkit/text_codec.h"

namespace {

using Kind = IMessageBoxPresenter::Kind;

std::string statementOf(uint16_t command, const char* arguments = ";") {
    return std::string(commandName(command)) + arguments;
}

// The first printout number of a command that the printout map holds.
int32_t printoutOf(uint16_t command) {
    for (const PrintoutRun& run : kPrintoutRuns)
        if (run.command == command && run.first < kPrintoutMapSize) return run.first;
    return -1;
}

std::string formattedPrintout(const std::string& coded) {
    char text[1200];
    formatCodedMessage(text, sizeof text, coded.c_str());
    return text;
}

// Watch windows over the real command registry: requests to the exchange
// come back on the bus, where the loads asked for (type 139, codes 153 of
// "Нагрузка СР" and 156 of "Нагрузка АР") are counted.
class WatchWindows : public ::testing::Test, protected MonitoringWorld {
protected:
    WatchWindows() {
        testApp();
        installCommandExecutors();
        registerCommandHandlers();
        fillPrintoutCommandMap();
        offerPrintoutToWatchWindows = offerPrintoutToWatchWindowsOf;
        loads.addCodeFilter(153);
        loads.addCodeFilter(156);
    }
    ~WatchWindows() override {
        for (KOsnovniProzorZaPracenje* window : watchWindowAdministrator.windows) delete window;
        offerPrintoutToWatchWindows = nullptr;
    }

    // Opens a window in the lowest free place.
    KOsnovniProzorZaPracenje* open() {
        int place = 0;
        while (place < kWatchWindowCount && watchWindowAdministrator.windows[place] != nullptr)
            ++place;
        EXPECT_EQ(watchWindowAdministrator.openWindow(), 0);
        return place < kWatchWindowCount ? watchWindowAdministrator.windows[place] : nullptr;
    }
    // A row put in place as Add does, without the dialog.
    int add(KOsnovniProzorZaPracenje* window, const std::string& statement, int32_t periodMs) {
        SWatchRow row;
        uint8_t status = 0;
        char error[kMmlErrorTextSize] = {};
        const int result = window->parseRowCommand(statement.c_str(), &row, status, error);
        if (result != 0) return result;
        row.periodMs = periodMs;
        window->armRowTimer(&row);
        const int place = window->rowCount();
        window->insertRow(place, &row);
        window->rowList->setLine(place, statement.c_str());
        return 0;
    }
    void sendPrintout(const std::string& coded) {
        dispatchMessage(kTypeOperator, 16408, kCodeCodedText,
                        reinterpret_cast<const uint8_t*>(coded.c_str()),
                        static_cast<int>(coded.size()) + 1);
    }
    int loadsOf(uint8_t code) const {
        int n = 0;
        for (const auto& m : loads.messages) n += m.code == code;
        return n;
    }
    std::vector<std::string> streamLines() const {
        std::vector<std::string> out;
        for (int i = 0; i < stream.buffer().count(); ++i) out.push_back(stream.buffer().textAt(i));
        return out;
    }
    std::vector<std::string> listLines(KPZP_List* list) const {
        std::vector<std::string> out;
        for (int i = 0; i < list->getNumItems(); ++i) out.push_back(list->storedLine(i));
        return out;
    }
    std::vector<std::string> boxTexts(Kind kind) const {
        std::vector<std::string> out;
        for (const auto& b : boxes.boxes)
            if (b.kind == kind) out.push_back(b.text);
        return out;
    }

    RecordingReceiver loads{139};
    TOporMsgReceiver stream{kTypeOperator, 200, nullptr, -1};
};

TEST_F(WatchWindows, TwentyWindowsTitledInOrderThenRefused) {
    for (int i = 1; i <= kWatchWindowCount; ++i) {
        KOsnovniProzorZaPracenje* window = open();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(fromUtf8(window->getTitle()), withArgs(kText21034, {std::to_string(i)}));
        window->hide();  // closing only hides: the place stays taken
    }
    openWatchWindow();
    const std::string refusal = withArgs(kText21035, {"20"});
    EXPECT_EQ(lines(), std::vector<std::string>{refusal});
    EXPECT_EQ(boxTexts(Kind::Information), std::vector<std::string>{refusal});

    // A destroyed window frees its place, which the next window takes.
    delete watchWindowAdministrator.windows[4];
    EXPECT_EQ(watchWindowAdministrator.windows[4], nullptr);
    EXPECT_EQ(fromUtf8(open()->getTitle()), withArgs(kText21034, {"5"}));
}

TEST_F(WatchWindows, RowStatementsAreRefusedOrRunOnce) {
    struct Case {
        std::string statement;
        int result;
        int runs;
    };
    const Case cases[] = {
        {statementOf(5064), wrOk, 1},
        {statementOf(5064, ""), wrSyntax, 0},
        {"НЕТ ТАКОЙ КОМАНДЫ;", wrNoCommand, 0},
        {statementOf(5065), wrNotWatchable, 0},  // a workstation action
        {statementOf(5064, ":1,2,3,4,5,6,7,8,9,10,11;"), wrSyntax, 0},
        // Ten arguments parse; the command itself takes none.
        {statementOf(5064, ":1,2,3,4,5,6,7,8,9,10;"), wrFirstRunFailed, 0},
    };
    KOsnovniProzorZaPracenje* window = open();
    for (const Case& c : cases) {
        loads.messages.clear();
        SWatchRow row;
        uint8_t status = msOk;
        char error[kMmlErrorTextSize] = {};
        EXPECT_EQ(window->parseRowCommand(c.statement.c_str(), &row, status, error), c.result)
            << c.statement;
        EXPECT_EQ(loadsOf(153), c.runs) << c.statement;
        if (c.result == wrFirstRunFailed) {
            EXPECT_EQ(status, msTooManyParameters);
        }
        if (c.result == wrOk) {
            EXPECT_EQ(row.commandId, 5064);
        }
    }
}

TEST_F(WatchWindows, RowsRunEveryPeriodWithoutJournal) {
    KOsnovniProzorZaPracenje* window = open();
    ASSERT_EQ(add(window, statementOf(5064), 1000), 0);
    ASSERT_EQ(add(window, statementOf(5073), 1500), 0);
    EXPECT_EQ(loadsOf(153), 1);
    EXPECT_EQ(loadsOf(156), 1);
    pass(999);
    EXPECT_EQ(loadsOf(153), 1);
    pass(1);
    EXPECT_EQ(loadsOf(153), 2);
    pass(500);
    EXPECT_EQ(loadsOf(156), 2);
    pass(1000);
    EXPECT_EQ(loadsOf(153), 3);
    EXPECT_TRUE(lines().empty());  // no journal line, no status

    // Removing the upper row cancels its timer; the lower one keeps its own.
    window->removeRow(0);
    for (int i = 0; i < 30; ++i) pass(100);
    EXPECT_EQ(loadsOf(153), 3);
    EXPECT_EQ(loadsOf(156), 4);
    EXPECT_EQ(listLines(window->rowList), std::vector<std::string>{statementOf(5073)});
}

TEST_F(WatchWindows, FailingPeriodicRunPostsItsStatusEveryPeriod) {
    KOsnovniProzorZaPracenje* window = open();
    ASSERT_EQ(add(window, statementOf(5064), 1000), 0);
    window->row(0).argumentCount = 1;  // the command now refuses its argument
    std::strcpy(window->row(0).arguments[0].value, "1");
    pass(1000);
    pass(1000);
    ASSERT_EQ(lines().size(), 2u);
    EXPECT_EQ(lines()[0], lines()[1]);
    EXPECT_EQ(window->rowCount(), 1);
}

TEST_F(WatchWindows, PrintoutsGoToTheFirstRowThatHasNotTakenOne) {
    const int32_t number = printoutOf(5064);
    ASSERT_GE(number, 0);
    const std::string coded = std::to_string(number) + "$12";
    const std::string shown = formattedPrintout(coded);

    KOsnovniProzorZaPracenje* first = open();
    KOsnovniProzorZaPracenje* second = open();
    ASSERT_EQ(add(first, statementOf(5064), 1000), 0);
    ASSERT_EQ(add(first, statementOf(5064), 1000), 0);
    ASSERT_EQ(add(second, statementOf(5064), 1000), 0);
    second->hide();  // a hidden window goes on taking printouts

    sendPrintout(coded);  // both windows take it, the stream logs nothing
    EXPECT_EQ(listLines(first->rowList), (std::vector<std::string>{shown, statementOf(5064)}));
    EXPECT_EQ(listLines(second->rowList), std::vector<std::string>{shown});
    sendPrintout(coded);  // the lower row of the first window
    EXPECT_EQ(listLines(first->rowList), (std::vector<std::string>{shown, shown}));
    EXPECT_TRUE(streamLines().empty());
    sendPrintout(coded);  // every row has taken one: logged
    EXPECT_EQ(streamLines(), std::vector<std::string>{shown});

    // A printout of a command no row watches, or of no command, is logged.
    sendPrintout(std::to_string(printoutOf(5073)));
    sendPrintout("0");
    EXPECT_EQ(streamLines().size(), 3u);

    pass(1000);  // executed again: each row may take one more
    sendPrintout(coded);
    EXPECT_EQ(streamLines().size(), 3u);
    EXPECT_EQ(first->row(0).archive[1], shown);
}

TEST_F(WatchWindows, ArchiveKeepsTheTwentyNewestCut) {
    KOsnovniProzorZaPracenje* window = open();
    ASSERT_EQ(add(window, statementOf(5064), 100), 0);
    for (int i = 1; i <= 21; ++i) {
        EXPECT_TRUE(window->storePrintout(("printout " + std::to_string(i)).c_str(), 5064));
        EXPECT_FALSE(window->storePrintout("again", 5064));
        pass(100);
    }
    const SWatchRow& row = window->row(0);
    EXPECT_STREQ(row.archive[0], "printout 21");
    EXPECT_STREQ(row.archive[19], "printout 2");

    const std::string longText(250, 'x');
    EXPECT_TRUE(window->storePrintout(longText.c_str(), 5064));
    EXPECT_EQ(std::string(row.archive[0]), longText.substr(0, 199));
    EXPECT_EQ(window->rowList->storedLine(0), longText.substr(0, 199));
    EXPECT_EQ(fromUtf8(window->rowList->getItemText(0)), longText);  // shown whole
    char line[kWatchLineSize];
    window->rowList->getLine(line, 0, 10);
    EXPECT_STREQ(line, std::string(9, 'x').c_str());
    EXPECT_FALSE(window->storePrintout("no command", -1));
}

// ----------------------------------------------------------- the dialogs

void accept(FX::FXWindow* modal) {
    sendCommand(modal, FX::FXDialogBox::ID_ACCEPT);
}
void cancel(FX::FXWindow* modal) {
    sendCommand(modal, FX::FXDialogBox::ID_CANCEL);
}

// One pass of the entry dialog.
ModalDriver::Step typeRow(const std::string& statement, const std::string& period) {
    return [=](FX::FXWindow* modal) {
        auto* entry = dynamic_cast<KDialogZaUnosKZP*>(modal);
        ASSERT_NE(entry, nullptr);
        entry->commandField->setText(toUtf8(statement));
        entry->periodField->setText(toUtf8(period));
        accept(modal);
    };
}

// The file-name prompt of Save and Input.
ModalDriver::Step typeFileName(const std::string& name) {
    return [=](FX::FXWindow* modal) {
        auto* field = findChild<FX::FXTextField>(modal);
        ASSERT_NE(field, nullptr);
        field->setText(toUtf8(name));
        accept(modal);
    };
}

TEST_F(WatchWindows, AddAsksAgainUntilStatementAndPeriodAreValid) {
    struct Pass {
        std::string statement;
        std::string period;
        Kind kind;
        const char* text;
        int runs;  // executions of the pass
    };
    const Pass passes[] = {
        {"", "5", Kind::Information, kText21068, 0},
        {statementOf(5064, ""), "5", Kind::Error, kText21018, 0},
        {"НЕТ ТАКОЙ КОМАНДЫ;", "5", Kind::Error, kText21048, 0},
        {statementOf(5065), "5", Kind::Error, kText21047, 0},
        {statementOf(5064), "", Kind::Information, kText21069, 1},
        {statementOf(5064), "5s", Kind::Information, kText21070, 1},
        {statementOf(5064), "0.0004", Kind::Error, kText21059, 1},
        {statementOf(5064), "-2", Kind::Error, kText21059, 1},
    };
    KOsnovniProzorZaPracenje* window = open();
    ModalDriver driver;
    for (const Pass& p : passes) driver.then(typeRow(p.statement, p.period));
    driver.then(cancel);
    driver.start();
    window->addRow();

    ASSERT_EQ(boxes.boxes.size(), std::size(passes));
    int runs = 0;
    for (size_t i = 0; i < std::size(passes); ++i) {
        EXPECT_EQ(boxes.boxes[i].kind, passes[i].kind) << i;
        EXPECT_EQ(boxes.boxes[i].text, passes[i].text) << i;
        runs += passes[i].runs;
    }
    EXPECT_EQ(loadsOf(153), runs);
    EXPECT_EQ(lines(), (std::vector<std::string>{kText21018, kText21048, kText21047}));
    EXPECT_EQ(window->rowCount(), 0);
}

TEST_F(WatchWindows, AddPutsTheRowAboveTheCurrentLineOrAtTheEnd) {
    KOsnovniProzorZaPracenje* window = open();
    auto addThroughDialog = [&](const std::string& statement, const char* period) {
        ModalDriver driver;
        driver.then(typeRow(statement, period));
        driver.start();
        window->addRow();
    };
    addThroughDialog(statementOf(5064), " 0.5");
    ASSERT_EQ(window->rowCount(), 1);
    EXPECT_EQ(window->row(0).periodMs, 500);
    EXPECT_STREQ(window->row(0).mmlText, statementOf(5064).c_str());

    addThroughDialog(statementOf(5073), "2");  // the last line is current: to the end
    window->rowList->setCurrentItem(0);
    addThroughDialog(statementOf(5064), "3");  // above the current line
    EXPECT_EQ(listLines(window->rowList),
              (std::vector<std::string>{statementOf(5064), statementOf(5064), statementOf(5073)}));
    EXPECT_EQ(window->row(0).periodMs, 3000);
    EXPECT_EQ(window->row(1).periodMs, 500);
    EXPECT_TRUE(boxes.boxes.empty());

    loads.messages.clear();
    pass(500);
    EXPECT_EQ(loadsOf(153), 1);  // the moved row kept its timer
    EXPECT_EQ(loadsOf(156), 0);
}

TEST_F(WatchWindows, AddWithTenRowsOnlyShowsTheLimit) {
    KOsnovniProzorZaPracenje* window = open();
    for (int i = 0; i < kWatchRowCount; ++i) ASSERT_EQ(add(window, statementOf(5064), 1000), 0);
    window->addRow();  // no dialog opens: a driver is not needed
    EXPECT_EQ(boxTexts(Kind::Error), std::vector<std::string>{withArgs(kText21052, {"10"})});
}

TEST_F(WatchWindows, ChooserFillsTheStatementWithTheTemplate) {
    KOsnovniProzorZaPracenje* window = open();
    std::vector<std::string> listed;
    ModalDriver driver;
    driver.then([](FX::FXWindow* modal) { sendCommand(modal, KDialogZaUnosKZP::ID_CHOOSE); });
    driver.then([&](FX::FXWindow* modal) {
        auto* chooser = dynamic_cast<KIzborKZP*>(modal);
        ASSERT_NE(chooser, nullptr);
        for (int i = 0; i < chooser->commandList->getNumItems(); ++i)
            listed.push_back(chooser->commandList->storedLine(i));
        chooser->commandList->setCurrentItem(2);
        sendCommand(modal, KIzborKZP::ID_DESCRIPTION);  // help opens, the chooser stays
        accept(modal);
    });
    driver.then([&](FX::FXWindow* modal) {
        auto* entry = dynamic_cast<KDialogZaUnosKZP*>(modal);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(fromUtf8(entry->commandField->getText()),
                  mmlExecutor().getCommandTemplate(commandName(5073)));
        cancel(modal);
    });
    driver.start();
    window->addRow();

    std::vector<std::string> expected;
    for (int16_t id : watchableCommands) expected.push_back(commandName(id));
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(WatchWindows, DeleteAsksAndRemovesTheCurrentRow) {
    KOsnovniProzorZaPracenje* window = open();
    window->deleteRow();  // no rows: nothing asked
    EXPECT_TRUE(boxes.boxes.empty());

    ASSERT_EQ(add(window, statementOf(5064), 1000), 0);
    ASSERT_EQ(add(window, statementOf(5073), 1000), 0);
    window->rowList->setCurrentItem(1);
    boxes.answer = 0;
    window->deleteRow();
    EXPECT_EQ(window->rowCount(), 2);
    boxes.answer = 1;
    window->deleteRow();
    EXPECT_EQ(boxTexts(Kind::DeletionQuestion), (std::vector<std::string>{kText21046, kText21046}));
    EXPECT_EQ(listLines(window->rowList), std::vector<std::string>{statementOf(5064)});
}

TEST_F(WatchWindows, DetailsShowPeriodAndArchiveAsTaken) {
    KOsnovniProzorZaPracenje* window = open();
    EXPECT_EQ(window->openDetails(), nullptr);
    ASSERT_EQ(add(window, statementOf(5064), 2500), 0);
    KDetaljiPracenja* empty = window->openDetails();
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->archiveList->getNumItems(), 0);
    window->storePrintout("first", 5064);
    pass(2500);
    window->storePrintout("second", 5064);

    KDetaljiPracenja* details = window->openDetails();
    EXPECT_EQ(fromUtf8(details->commandLabel->getText()),
              withArgs(kText21042, {statementOf(5064)}));
    EXPECT_EQ(fromUtf8(details->periodLabel->getText()), withArgs(kText21043, {"2.50"}));
    EXPECT_EQ(listLines(details->archiveList), (std::vector<std::string>{"second", "first"}));
    delete empty;
    delete details;
}

TEST_F(WatchWindows, FileNamesAndPeriodsAsTyped) {
    const std::pair<const char*, const char*> names[] = {
        {"watch", "watch.ini"}, {"watch.txt", "watch.txt"}, {"", ".ini"}, {"a.b.c", "a.b.c"}};
    for (const auto& n : names) EXPECT_EQ(watchFileName(n.first), n.second) << n.first;

    struct Period {
        const char* text;
        int result;
        int32_t ms;
    };
    const Period periods[] = {
        {"0.5", 0, 500}, {" 5", 0, 5000}, {"1e1", 0, 10000}, {"+2.0009", 0, 2000}, {"0.0004", 0, 0},
        {"-3", 0, -1},   {"5s", -1, 0},   {"5 ", -1, 0},     {"abc", -1, 0},       {"inf", -1, 0},
        {"nan", -1, 0},  {"1e10", -1, 0}, {"+-1", -1, 0},    {"", -1, 0}};
    for (const Period& p : periods) {
        int32_t ms = 0;
        EXPECT_EQ(parseWatchPeriod(p.text, ms), p.result) << p.text;
        if (p.result == 0) {
            EXPECT_EQ(ms, p.ms) << p.text;
        }
    }
}

TEST_F(WatchWindows, SaveAndInputRoundTrip) {
    KOsnovniProzorZaPracenje* source = open();
    source->saveToFile();
    EXPECT_EQ(boxTexts(Kind::Information), std::vector<std::string>{kText21065});
    ASSERT_EQ(add(source, statementOf(5064), 1000), 0);
    ASSERT_EQ(add(source, statementOf(5073), 2500), 0);
    {
        ModalDriver driver;
        driver.then(typeFileName("watch"));
        driver.start();
        source->saveToFile();
    }
    EXPECT_EQ(boxes.boxes.back().text, withArgs(kText21067, {"watch.ini"}));

    KOsnovniProzorZaPracenje* target = open();
    ASSERT_EQ(add(target, statementOf(5073), 700), 0);
    loads.messages.clear();
    {
        ModalDriver driver;
        driver.then(typeFileName("watch"));
        driver.start();
        target->loadFromFile();
    }
    EXPECT_EQ(boxes.boxes.back().text, withArgs(kText21066, {"watch.ini"}));
    EXPECT_EQ(listLines(target->rowList),
              (std::vector<std::string>{statementOf(5064), statementOf(5073)}));
    EXPECT_EQ(target->row(1).periodMs, 2500);
    EXPECT_EQ(loadsOf(153), 1);  // each read row ran once
    EXPECT_EQ(loadsOf(156), 1);
    pass(700);  // the replaced row's timer is gone
    EXPECT_EQ(loadsOf(156), 1);
}

TEST_F(WatchWindows, SaveOverAnExistingFileAsksAndWritesKeyByKey) {
    std::string eight = "[ProzorZaPracenjeStanja]\nBrojRedova=8\n";
    for (int i = 1; i <= 8; ++i) eight += "[Red_" + std::to_string(i) + "]\nMML=x;\nPeriod=1\n";
    dir.write("old.ini", eight);
    KOsnovniProzorZaPracenje* window = open();
    ASSERT_EQ(add(window, statementOf(5064), 1000), 0);

    boxes.answer = 0;
    {
        ModalDriver driver;
        driver.then(typeFileName("old"));
        driver.start();
        window->saveToFile();
    }
    EXPECT_EQ(boxTexts(Kind::DeletionQuestion),
              std::vector<std::string>{withArgs(kText21064, {"old.ini"})});
    EXPECT_EQ(dir.read("old.ini"), eight);

    boxes.answer = 1;
    {
        ModalDriver driver;
        driver.then(typeFileName("old"));
        driver.start();
        window->saveToFile();
    }
    const std::string saved = dir.read("old.ini");
    EXPECT_NE(saved.find("BrojRedova=1"), std::string::npos);
    EXPECT_NE(saved.find("[Red_8]"), std::string::npos);  // beyond BrojRedova: never read
    EXPECT_NE(saved.find("Period=1000"), std::string::npos);
}

TEST_F(WatchWindows, InputOfBadFilesAndRows) {
    const std::string good = statementOf(5064);
    struct Case {
        const char* name;
        std::string contents;  // empty: no file
        std::vector<std::string> rows;
        std::vector<std::string> operatorLines;
        bool replaced;
    };
    auto file = [](int count, const std::vector<std::pair<std::string, std::string>>& rows) {
        std::string s = "[ProzorZaPracenjeStanja]\nBrojRedova=" + std::to_string(count) + "\n";
        for (size_t i = 0; i < rows.size(); ++i)
            s += "[Red_" + std::to_string(i + 1) + "]\nMML=" + rows[i].first + "\n" +
                 rows[i].second + "\n";
        return s;
    };
    const std::string error3 = withArgs(kText21061, {"3", kText21048});
    const std::string periodError = withArgs(kText21061, {"1", kText21059});
    const std::string firstRunError = withArgs(kText21061, {"2", kText21060});
    std::vector<std::pair<std::string, std::string>> twelve(12, {good, "Period=1000"});
    const Case cases[] = {
        {"none", "", {"kept"}, {withArgs(kText21054, {"none.ini"})}, false},
        {"zero",
         file(0, {{good, "Period=1000"}}),
         {"kept"},
         {withArgs(kText21056, {"zero.ini"})},
         false},
        {"negative", file(-2, {}), {"kept"}, {withArgs(kText21056, {"negative.ini"})}, false},
        {"nokey",
         "[ProzorZaPracenjeStanja]\n",
         {"kept"},
         {withArgs(kText21056, {"nokey.ini"})},
         false},
        {"third",
         file(4, {{good, "Period=1000"},
                  {good, "Period=1000"},
                  {"НЕТ;", "Period=1000"},
                  {good, "Period=1000"}}),
         {good, good, error3, good},
         {error3},
         true},
        {"periods",
         file(4, {{good, ""},
                  {statementOf(5064, ":1;"), "Period=5"},
                  {good, "Period=-5"},
                  {good, "Period=abc"}}),
         {periodError, firstRunError, withArgs(kText21061, {"3", kText21059}),
          withArgs(kText21061, {"4", kText21059})},
         {periodError, firstRunError, withArgs(kText21061, {"3", kText21059}),
          withArgs(kText21061, {"4", kText21059})},
         true},
        {"twelve",
         file(12, twelve),
         std::vector<std::string>(10, good),
         {withArgs(kText21055, {"12", "10"})},
         true},
    };
    for (const Case& c : cases) {
        KOsnovniProzorZaPracenje* window = open();
        ASSERT_EQ(add(window, good, 1000), 0);
        window->rowList->setLine(0, "kept");
        if (!c.contents.empty()) dir.write(std::string(c.name) + ".ini", c.contents);
        operatorLines.messages.clear();
        boxes.boxes.clear();
        ModalDriver driver;
        driver.then(typeFileName(c.name));
        driver.start();
        window->loadFromFile();
        EXPECT_EQ(listLines(window->rowList), c.rows) << c.name;
        EXPECT_EQ(lines(), c.operatorLines) << c.name;
        EXPECT_EQ(!boxTexts(Kind::Information).empty(), c.replaced) << c.name;
        // Error places never run and never take a printout.
        for (int i = 0; i < window->rowCount(); ++i)
            if (window->rowList->storedLine(i).rfind("ОШИБКА", 0) == 0) {
                EXPECT_EQ(window->row(i).timerId, -1) << c.name;
                EXPECT_EQ(window->row(i).commandId, -1) << c.name;
            }
        delete window;
    }
}

TEST_F(WatchWindows, ErrorPlacesAreSavedAsRead) {
    dir.write("mixed.ini",
              "[ProzorZaPracenjeStanja]\nBrojRedova=2\n[Red_1]\nMML=НЕТ;\nPeriod=70\n"
              "[Red_2]\nMML=" +
                  statementOf(5064) + "\nPeriod=900\n");
    KOsnovniProzorZaPracenje* window = open();
    {
        ModalDriver driver;
        driver.then(typeFileName("mixed"));
        driver.start();
        window->loadFromFile();
    }
    EXPECT_EQ(window->rowCount(), 2);
    EXPECT_FALSE(window->storePrintout("x", -1));
    EXPECT_EQ(window->writeRows("./copy.ini", "copy.ini"), 0);
    const std::string copy = dir.read("copy.ini");
    EXPECT_NE(copy.find("MML=НЕТ;"), std::string::npos);
    EXPECT_NE(copy.find("Period=70"), std::string::npos);
}

TEST_F(WatchWindows, WatchableCommandsReport) {
    RecordingReports reports;
    listWatchableCommands();
    ASSERT_EQ(reports.opened.size(), 1u);
    EXPECT_EQ(reports.opened[0], (std::vector<int32_t>{5009, 21091, 21092}));
    ASSERT_EQ(reports.lines.size(), 17u);
    EXPECT_EQ(reports.lines[0], "254:21093$" + std::string(commandName(5064)));
    EXPECT_EQ(reports.lines[15], "254:21093$" + std::string(commandName(5069)));
    EXPECT_EQ(reports.lines[16], "254:21094$16");

    reports.lines.clear();
    reports.giveWindow = false;
    listWatchableCommands();
    EXPECT_TRUE(reports.lines.empty());

    for (int32_t id = -5; id < 6000; ++id) {
        const bool listed =
            std::count(std::begin(watchableCommands), std::end(watchableCommands), id) == 1;
        EXPECT_EQ(isWatchableCommand(id), listed) << id;
    }
}

}  // namespace
