#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <fox-1.6/fxkeys.h>
#include <gtest/gtest.h>

#include "commands/command_dispatch.h"
#include "commands/command_table.h"
#include "commands/dialogs/command_dispatcher.h"
#include "commands/executors/local_routines.h"
#include "mml/mml_executors.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "mml/command_handlers.h"
#include "mml/mml_registry.h"
#include "mml/mml_status.h"
#include "monitoring/backup_fixtures.h"
#include "monitoring/backup_texts.h"
#include "monitoring/monitoring_routines.h"
#include "peer/recording_receiver.h"
#include "sub/table_catalogue.h"

using namespace FX;

namespace {

// Rows in key order: empty, failed, successful, marked successful, unknown.
const char* const kBackups[] = {
    "01.03.06,10:00:00,Puna,0,0,bstsPrazan,bstsDobar,prva,f1",
    "02.03.06,11:00:00,Puna,0,0,bstsNeuspesan,bstsDobar,druga,f2",
    "03.03.06,12:30:45,Dnevna,0,0,bstsUspesan,bstsDobar,treca,f3",
    "04.03.06,13:00:00,Puna,0,1,bstsUspesan,bstsDobar,cetvrta,f4",
    "05.03.06,14:00:00,Puna,0,0,bstsNepoznat,bstsDobar,peta,f5",
};

Bytes keyOf(int row) {
    const Bytes r = recordOf(kTableBackups, kBackups[row - 1]);
    return Bytes(r.begin(), r.begin() + 8);
}

class BackupWindow : public BackupWorld {
protected:
    void SetUp() override {
        BackupWorld::SetUp();
        for (const char* line : kBackups) tables.insert(kTableBackups, line);
        tables.insert(kTableBackupTypes, ("Puna,sve," + ucesceWithout({})).c_str());
        tables.insert(kTableBackupTypes, ("Desetznaka,deset," + ucesceWithout({})).c_str());
        openBackupWindow();
        ASSERT_NE(backupWindow, nullptr);
        window = backupWindow;
        elapse(1);
    }
    // Runs a button with a selected row (0: none) and the answer to its question.
    void pressOn(FXSelector id, int row, int yes) {
        window->recordTable()->clearSelection();
        if (row > 0) select(window, row);
        boxes.answer = yes;
        boxes.boxes.clear();
        press(window, id);
    }

    TBekapShell* window = nullptr;
};

TEST_F(BackupWindow, Shape) {
    EXPECT_TRUE(window->shown());
    EXPECT_EQ(fromUtf8(window->getTitle()), kText21121);
    EXPECT_EQ(window->helpPage, 54);
    EXPECT_EQ(statusOf(window), " ");
    EXPECT_EQ(colourOf(window), kShellAlertColour);
    EXPECT_EQ(window->pollingStatus, 0);
    const auto buttons = childrenOf<FXButton>(window->buttonBar);
    const char* const captions[] = {kText21122, kText21123, kText21124, kText21125,
                                    kText21126, kText21127, kText21128, kText21130};
    ASSERT_EQ(buttons.size(), std::size(captions));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(fromUtf8(buttons[i]->getText()), withoutTildes(captions[i])) << i;
        EXPECT_FALSE(buttons[i]->getButtonStyle() & BUTTON_DEFAULT) << i;
        EXPECT_FALSE(buttons[i]->getLayoutHints() & LAYOUT_RIGHT) << i;
        EXPECT_EQ(buttons[i]->getSelector(), FXSelector(TBekapShell::ID_START + i));
    }
    EXPECT_EQ(window->recordTable()->TTabela::getRowCount(), 6);  // every row, title row too
}

// Delete, release, mark and unmark: refused states, the question answered
// no and yes, and the key of the selected backup in the request.
TEST_F(BackupWindow, OperationsOnTheSelectedBackup) {
    const std::string dnevna = backupText(kText21163, {"Dnevna", "03.03.06", "12:30:45"});
    const struct {
        const char* name;
        FXSelector id;
        int row;
        int yes;
        std::string status;
        std::string question;  // empty: none asked
        uint8_t code;          // 0: nothing sent
    } cases[] = {
        {"delete empty", TBekapShell::ID_DELETE, 1, 1, kText21161, "", 0},
        {"delete unknown", TBekapShell::ID_DELETE, 5, 1, kText21161, "", 0},
        {"delete marked", TBekapShell::ID_DELETE, 4, 1, kText21162, "", 0},
        {"delete, no", TBekapShell::ID_DELETE, 3, 0, "", dnevna, 0},
        {"delete, yes", TBekapShell::ID_DELETE, 3, 1, kText21164, dnevna, 8},
        {"release unknown", TBekapShell::ID_RELEASE, 5, 1, kText21165, "", 0},
        {"release successful", TBekapShell::ID_RELEASE, 3, 1, kText21166, "", 0},
        {"release failed", TBekapShell::ID_RELEASE, 2, 1, kText21166, "", 0},
        {"release empty", TBekapShell::ID_RELEASE, 1, 1, kText21168,
         backupText(kText21167, {"Puna", "01.03.06", "10:00:00"}), 9},
        {"mark failed", TBekapShell::ID_MARK, 2, 1, kText21169, "", 0},
        {"mark marked", TBekapShell::ID_MARK, 4, 1, kText21170, "", 0},
        {"mark", TBekapShell::ID_MARK, 3, 1, kText21172,
         backupText(kText21171, {"Dnevna", "03.03.06", "12:30:45"}), 10},
        {"unmark unmarked", TBekapShell::ID_UNMARK, 3, 1, kText21173, "", 0},
        {"unmark, no", TBekapShell::ID_UNMARK, 4, 0, "",
         backupText(kText21174, {"Puna", "04.03.06", "13:00:00"}), 0},
        {"unmark", TBekapShell::ID_UNMARK, 4, 1, kText21175,
         backupText(kText21174, {"Puna", "04.03.06", "13:00:00"}), 11},
    };
    for (const auto& c : cases) {
        pressOn(c.id, c.row, c.yes);
        EXPECT_EQ(statusOf(window), c.status) << c.name;
        if (!c.status.empty()) {
            EXPECT_EQ(colourOf(window), kShellAlertColour) << c.name;
        }
        if (c.question.empty()) {
            EXPECT_TRUE(boxes.boxes.empty()) << c.name;
        } else {
            ASSERT_EQ(boxes.boxes.size(), 1u) << c.name;
            // Erasing asks with "no" preselected.
            EXPECT_EQ(boxes.boxes[0].kind, c.id == TBekapShell::ID_DELETE
                                               ? IMessageBoxPresenter::Kind::DeletionQuestion
                                               : IMessageBoxPresenter::Kind::Question)
                << c.name;
            EXPECT_EQ(boxes.boxes[0].text, c.question) << c.name;
            EXPECT_EQ(boxes.boxes[0].owner, static_cast<FXWindow*>(window)) << c.name;
        }
        const auto sent = requests();
        ASSERT_EQ(sent.size(), c.code != 0 ? 1u : 0u) << c.name;
        if (c.code == 0) continue;
        EXPECT_EQ(sent[0].type, kTypeBackup);
        EXPECT_EQ(sent[0].destination, kBackupDestination);
        EXPECT_EQ(sent[0].code, c.code) << c.name;
        EXPECT_EQ(sent[0].payload, keyOf(c.row)) << c.name;
    }
    // The window never writes the table.
    EXPECT_EQ(window->cursor()->rowCount(), 5);
}

TEST_F(BackupWindow, ActionsOnABackupNeedOneSelectedRow) {
    for (FXSelector id : {TBekapShell::ID_DELETE, TBekapShell::ID_RELEASE, TBekapShell::ID_MARK,
                          TBekapShell::ID_UNMARK, TBekapShell::ID_DESCRIBE}) {
        pressOn(id, 0, 1);
        ASSERT_EQ(boxes.boxes.size(), 1u) << id;
        EXPECT_EQ(boxes.boxes[0].text, textById(21120)) << id;
        EXPECT_EQ(statusOf(window), kText21157) << id;
        EXPECT_TRUE(requests().empty()) << id;
    }
}

TEST_F(BackupWindow, StartAsksForATypeThenForConfirmation) {
    const struct {
        const char* name;
        int pickedRow;  // 0 cancels the chooser
        int yes;
        std::string status;
        Bytes payload;  // empty: nothing sent
    } cases[] = {
        {"chooser cancelled", 0, 1, kText21152, {}},
        {"declined", 2, 0, "", {}},
        {"started", 2, 1, backupText(kText21154, {"Puna"}), {'P', 'u', 'n', 'a', 0}},
        {"ten characters",
         1,
         1,
         backupText(kText21154, {"Desetznaka"}),
         {'D', 'e', 's', 'e', 't', 'z', 'n', 'a', 'k', 'a', 0}},
    };
    for (const auto& c : cases) {
        boxes.answer = c.yes;
        boxes.boxes.clear();
        std::string title;
        press(window, TBekapShell::ID_START, {pick(c.pickedRow, &title)});
        EXPECT_EQ(title, kText21151) << c.name;
        EXPECT_EQ(statusOf(window), c.status) << c.name;
        if (c.pickedRow > 0) {
            ASSERT_EQ(boxes.boxes.size(), 1u) << c.name;
            EXPECT_EQ(boxes.boxes[0].text,
                      backupText(kText21153, {c.pickedRow == 2 ? "Puna" : "Desetznaka"}));
            EXPECT_EQ(boxes.boxes[0].owner, static_cast<FXWindow*>(window)) << c.name;
        }
        const auto sent = requests();
        ASSERT_EQ(sent.size(), c.payload.empty() ? 0u : 1u) << c.name;
        if (!c.payload.empty()) {
            EXPECT_EQ(sent[0].code, 1);
            EXPECT_EQ(sent[0].payload, c.payload) << c.name;
        }
    }
}

TEST_F(BackupWindow, StopNeedsNoSelection) {
    window->recordTable()->clearSelection();
    expectStopAsksFirst(window, TBekapShell::ID_STOP, kText21155, kText21156, 2);
}

TEST_F(BackupWindow, DescriptionKeepsTheLast80CharactersWithoutCommas) {
    const std::string long85 = std::string(5, 'a') + std::string(79, 'b') + "c";
    const struct {
        const char* name;
        std::string typed;
        bool cancel;
        std::string sent;
    } cases[] = {
        {"commas", "a,b,,c", false, "a;b;;c"},
        {"85 characters", long85, false, long85.substr(5)},
        {"80 exactly", std::string(80, 'z'), false, std::string(80, 'z')},
        {"Cyrillic", kText21157, false, kText21157},
        {"cancelled", "x", true, ""},
    };
    for (const auto& c : cases) {
        window->recordTable()->clearSelection();
        select(window, 3);
        std::string caption, label;
        press(window, TBekapShell::ID_DESCRIBE, {[&](FXWindow* modal) {
                  caption = fromUtf8(static_cast<FXTopWindow*>(modal)->getTitle());
                  for (FXLabel* l : childrenOf<FXLabel>(modal))
                      if (l->getMetaClass() == FXMETACLASS(FXLabel)) label = fromUtf8(l->getText());
                  findChild<FXTextField>(modal)->setText(toUtf8(c.typed.c_str()));
                  sendCommand(modal, c.cancel ? FXDialogBox::ID_CANCEL : FXDialogBox::ID_ACCEPT);
              }});
        EXPECT_EQ(caption, backupText(kText21158, {"Dnevna", "03.03.06", "12:30:45"}));
        EXPECT_EQ(label, kText21159);
        const auto sent = requests();
        if (c.cancel) {
            EXPECT_TRUE(sent.empty());
            EXPECT_EQ(statusOf(window), "");
            continue;
        }
        EXPECT_EQ(statusOf(window), kText21160) << c.name;
        ASSERT_EQ(sent.size(), 1u) << c.name;
        EXPECT_EQ(sent[0].code, 4);
        Bytes expected = keyOf(3);
        expected.insert(expected.end(), c.sent.begin(), c.sent.end());
        expected.resize(89, 0);
        EXPECT_EQ(sent[0].payload, expected) << c.name;
    }
}

TEST_F(BackupWindow, AutomaticBackupOptions) {
    const struct {
        int choice;  // -1 cancels
        std::string status;
        uint8_t code;
    } cases[] = {{0, kText21181, 5}, {1, kText21182, 6}, {2, kText21183, 7}, {-1, "", 0}};
    for (const auto& c : cases) {
        std::vector<std::string> shown;
        press(window, TBekapShell::ID_AUTOMATIC, {option(c.choice, &shown)});
        EXPECT_EQ(shown,
                  (std::vector<std::string>{kText21180, withoutTildes(kText21176) + " *",
                                            withoutTildes(kText21177), withoutTildes(kText21178),
                                            withoutTildes(kText21179)}));
        EXPECT_EQ(statusOf(window), c.status) << c.choice;
        const auto sent = requests();
        ASSERT_EQ(sent.size(), c.code != 0 ? 1u : 0u) << c.choice;
        if (c.code == 0) continue;
        EXPECT_EQ(sent[0].code, c.code);
        EXPECT_TRUE(sent[0].payload.empty());
    }
    // The fourth opens an editor of the schedule, a new one each time.
    std::vector<TTableModifyShell*> editors;
    for (int i = 0; i < 2; ++i) {
        press(window, TBekapShell::ID_AUTOMATIC, {option(3)});
        EXPECT_EQ(statusOf(window), kText21184);
        for (TTableModifyShell* e : childrenOf<TTableModifyShell>(testApp().getRootWindow()))
            if (std::find(editors.begin(), editors.end(), e) == editors.end()) editors.push_back(e);
        ASSERT_EQ(editors.size(), size_t(i + 1));
        EXPECT_TRUE(editors.back()->shown());
        EXPECT_EQ(editors.back()->tableNumber(), kTableBackupSchedule);
        EXPECT_EQ(fromUtf8(editors.back()->getTitle()), getTablePluralName(kTableBackupSchedule));
    }
    EXPECT_TRUE(requests().empty());
    for (TTableModifyShell* e : editors) delete e;
}

// Every request of the window says that it was sent only when the link took
// it; otherwise the status line says it was not, and nothing reaches the
// exchange.
TEST_F(BackupWindow, RequestsSayWhetherTheyWereSent) {
    using Steps = std::vector<ModalDriver::Step>;
    const ModalDriver::Step describe = [](FXWindow* modal) {
        findChild<FXTextField>(modal)->setText(toUtf8("opis"));
        sendCommand(modal, FXDialogBox::ID_ACCEPT);
    };
    const struct {
        const char* name;
        FXSelector id;
        int row;  // 0: none selected
        Steps steps;
        std::string sentText;
    } cases[] = {
        {"start", TBekapShell::ID_START, 0, {pick(2)}, backupText(kText21154, {"Puna"})},
        {"stop", TBekapShell::ID_STOP, 0, {}, kText21156},
        {"delete", TBekapShell::ID_DELETE, 3, {}, kText21164},
        {"release", TBekapShell::ID_RELEASE, 1, {}, kText21168},
        {"mark", TBekapShell::ID_MARK, 3, {}, kText21172},
        {"unmark", TBekapShell::ID_UNMARK, 4, {}, kText21175},
        {"describe", TBekapShell::ID_DESCRIBE, 3, {describe}, kText21160},
        {"automatic on", TBekapShell::ID_AUTOMATIC, 0, {option(0)}, kText21181},
        {"automatic off", TBekapShell::ID_AUTOMATIC, 0, {option(1)}, kText21182},
        {"automatic state", TBekapShell::ID_AUTOMATIC, 0, {option(2)}, kText21183},
    };
    for (const SLinkState& link : kLinkStates) {
        setLinkState(link);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(link.name) + ", " + c.name);
            window->recordTable()->clearSelection();
            if (c.row > 0) select(window, c.row);
            boxes.answer = 1;
            press(window, c.id, c.steps);
            EXPECT_EQ(statusOf(window), link.sends ? c.sentText : kMessageNotSentText);
            EXPECT_EQ(colourOf(window), kShellAlertColour);
            EXPECT_EQ(requests().size(), link.sends ? 1u : 0u);
        }
    }
}

// Every answer code with result 0 and another result; 133 and 134 show
// their text whatever they carry.
TEST_F(BackupWindow, AnswersShowInTheStatusLine) {
    const struct {
        uint8_t code;
        Bytes payload;
        std::string status;
    } cases[] = {
        {129, {7}, backupText(kText21132, {"7"})},
        {130, {0}, kText21133},
        {130, {255}, backupText(kText21134, {"255"})},
        {131, {0}, kText21135},
        {132, {0}, kText21137},
        {132, {2}, backupText(kText21138, {"2"})},
        {133, {}, kText21139},
        {133, {1}, kText21139},
        {134, {9, 9}, kText21140},
        {135, {0}, kText21141},
        {135, {7}, kText21142},
        {136, {0}, kText21143},
        {136, {3}, backupText(kText21144, {"3"})},
        {137, {0}, kText21145},
        {137, {4}, backupText(kText21146, {"4"})},
        {138, {0}, kText21147},
        {138, {5}, backupText(kText21148, {"5"})},
        {139, {0}, kText21149},
        {139, {6}, backupText(kText21150, {"6"})},
    };
    for (const auto& c : cases) {
        window->setStatus("-", kShellTitleColour);
        answer(c.code, c.payload);
        EXPECT_EQ(statusOf(window), c.status) << int(c.code);
        EXPECT_EQ(colourOf(window), kShellAlertColour) << int(c.code);
        EXPECT_TRUE(requests().empty()) << int(c.code);
        EXPECT_EQ(window->pollingStatus, 0) << int(c.code);
    }
}

TEST_F(BackupWindow, IgnoresAnswersFromElsewhereAndShortOnes) {
    const struct {
        const char* name;
        uint8_t code;
        Bytes payload;
        uint16_t source;
    } cases[] = {
        {"another address", 136, {0}, 16400},
        {"another code", 140, {0}, kBackupDestination},
        {"a load answer", 161, {0}, kBackupDestination},
        {"no result byte", 136, {}, kBackupDestination},
        {"start without a result", 129, {}, kBackupDestination},
        {"running without its count", 131, {1, 2, 3, 4}, kBackupDestination},
    };
    for (const auto& c : cases) {
        window->setStatus("-", kShellTitleColour);
        answer(c.code, c.payload, c.source);
        EXPECT_EQ(statusOf(window), "-") << c.name;
        EXPECT_TRUE(requests().empty()) << c.name;
        EXPECT_EQ(window->pollingStatus, 0) << c.name;
    }
}

// A started backup's state is asked every 300 ms and after each answer that
// reports it running, also while the window is hidden; the answer that
// reports it finished ends both.
TEST_F(BackupWindow, PollingFollowsTheRunningBackup) {
    auto stateRequests = [&] {
        int n = 0;
        for (const auto& f : requests()) {
            EXPECT_EQ(f.code, 3);
            EXPECT_TRUE(f.payload.empty());
            ++n;
        }
        return n;
    };
    answer(129, {0});
    EXPECT_EQ(statusOf(window), kText21131);
    EXPECT_EQ(window->pollingStatus, 1);
    EXPECT_EQ(stateRequests(), 1);
    elapse(299);
    EXPECT_EQ(stateRequests(), 0);
    elapse(1);
    EXPECT_EQ(stateRequests(), 1);

    answer(131, {1, 0xD2, 0x04, 0, 0});  // running, 1234 records
    EXPECT_EQ(statusOf(window), backupText(kText21136, {"1234"}));
    EXPECT_EQ(stateRequests(), 1);

    sendCommand(window, FXDialogBox::ID_CANCEL);  // closed: only hidden
    EXPECT_FALSE(window->shown());
    answer(130, {0});  // a stop answer does not end the polling
    EXPECT_EQ(window->pollingStatus, 1);
    elapse(300);
    EXPECT_EQ(stateRequests(), 1);
    answer(131, {1, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(statusOf(window), backupText(kText21136, {"-1"}));
    EXPECT_EQ(stateRequests(), 1);

    answer(131, {0});
    EXPECT_EQ(window->pollingStatus, 0);
    for (int i = 0; i < 3; ++i) elapse(300);
    EXPECT_EQ(stateRequests(), 0);

    openBackupWindow();  // the same window, with the latest answer
    EXPECT_EQ(backupWindow, window);
    EXPECT_TRUE(window->shown());
    EXPECT_EQ(statusOf(window), kText21135);
}

// A backup started again before the last chain's timer has run out (the
// first backup just finished) still gets one state request every 300 ms.
TEST_F(BackupWindow, AStartAnswerKeepsOneChainOfStateRequests) {
    answer(129, {0});
    answer(131, {0});
    elapse(100);
    EXPECT_EQ(requests().size(), 1u);
    answer(129, {0});
    EXPECT_EQ(requests().size(), 1u);
    for (int i = 0; i < 4; ++i) {
        elapse(300);
        EXPECT_EQ(requests().size(), 1u) << i;
    }
}

// Command 5016 from the menu road and typed as MML reaches the one window;
// an argument refuses the typed command with status 2.
TEST_F(BackupWorld, CommandsOpenTheOneWindowOfEachKind) {
    installMonitoringRoutines();
    installCommandExecutors();
    installCommandDispatcher();
    registerCommandHandlers();
    struct Kind {
        uint16_t command;
        TRecShell* (*window)();
    };
    const Kind kinds[] = {
        {5016, [] { return static_cast<TRecShell*>(backupWindow); }},
        {5017, [] { return static_cast<TRecShell*>(loadWindow); }},
    };
    for (const Kind& k : kinds) {
        const std::string title = findCommand(k.command)->title;
        EXPECT_EQ(k.window(), nullptr);
        EXPECT_EQ(dispatchCommand(k.command), 1);
        TRecShell* first = k.window();
        ASSERT_NE(first, nullptr) << k.command;
        EXPECT_TRUE(first->shown());
        pressKey(first, KEY_Escape);
        EXPECT_FALSE(first->shown());

        RecordingReceiver operatorLines(kTypeOperator);
        executeMmlCommand((title + ":1;").c_str());
        EXPECT_FALSE(first->shown()) << k.command;
        ASSERT_EQ(operatorLines.messages.size(), 1u);
        EXPECT_EQ(operatorLines.messages[0].text(), textById(mmlStatusTextId(msTooManyParameters)))
            << k.command;

        executeMmlCommand((title + ";").c_str());
        EXPECT_EQ(k.window(), first);
        EXPECT_TRUE(first->shown()) << k.command;
        EXPECT_EQ(operatorLines.messages.size(), 1u);
        first->handle(first, FXSEL(SEL_CLOSE, 0), nullptr);
        EXPECT_FALSE(first->shown());
        EXPECT_EQ(dispatchCommand(k.command), 1);
        EXPECT_EQ(k.window(), first);
        EXPECT_TRUE(first->shown());
    }
    setCommandExecutor(nullptr);
    setLocalActionRunner(nullptr);
    setCommandDispatcher(nullptr);
    setLocalRoutine(LocalRoutine::openBackupWindow, nullptr);
    setLocalRoutine(LocalRoutine::openLoadWindow, nullptr);
}

TEST(BackupRequests, Layouts) {
    SBekap b;
    b.datum = 0x01020304;
    b.vreme = -2;
    uint8_t out[100];
    EXPECT_EQ(packBackupKey(out, sizeof out, b), 8);
    EXPECT_EQ(Bytes(out, out + 8), (Bytes{4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(packBackupKey(out, 7, b), 0);  // no room
    // A name without its terminator within the field is cut to 10 characters.
    EXPECT_EQ(packBackupStart(out, sizeof out, "ABCDEFGHIJKL"), 11);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out)), "ABCDEFGHIJ");
    EXPECT_EQ(packBackupDescription(out, sizeof out, b, std::string(90, 'd').c_str()), 89);
    EXPECT_EQ(out[8 + 79], 'd');
    EXPECT_EQ(out[8 + 80], 0);
    char description[kBackupDescriptionSize];
    makeBackupDescription(nullptr, description);
    EXPECT_STREQ(description, "");
}

// The layouts of the records match the table dictionary.
TEST(BackupRecords, DecodeTheTablesRows) {
    testApp();
    ScopedTables tables{kTableBackups, kTableLoadTypes};
    const Bytes r = recordOf(kTableBackups, "31.12.99,23:59:59,Tip,7,1,bstsNepoznat,2,opis,ime");
    ASSERT_EQ(r.size(), kBekapRecordSize);
    SBekap b;
    ASSERT_TRUE(readBekap(r.data(), r.size(), b));
    EXPECT_EQ(b.vreme, 86399);
    EXPECT_STREQ(b.tipBekapa, "Tip");
    EXPECT_EQ(b.a, 7);
    EXPECT_EQ(b.markiran, 1);
    EXPECT_EQ(b.status, bstsNepoznat);
    EXPECT_EQ(b.dobar, 2);
    EXPECT_STREQ(b.opis, "opis");
    EXPECT_STREQ(b.fileName, "ime");
    EXPECT_FALSE(readBekap(r.data(), r.size() - 1, b));
    const Bytes t = recordOf(kTableLoadTypes, ("Veliko,sve," + ucesceWithout({3})).c_str());
    ASSERT_EQ(t.size(), kTypeRecordSize);
    STypeRow row;
    ASSERT_TRUE(readTypeRow(t.data(), t.size(), row));
    EXPECT_STREQ(row.name, "Veliko");
    EXPECT_EQ(row.ucesce[2], 'x');
    EXPECT_EQ(row.ucesce[3], '.');
    EXPECT_FALSE(readTypeRow(t.data(), t.size() - 1, row));
}

}  // namespace
