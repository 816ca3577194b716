#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <fox-1.6/fxkeys.h>
#include <gtest/gtest.h>

#include "texts/text_catalogue.h"
#include "monitoring/backup_fixtures.h"
#include "monitoring/backup_texts.h"

using namespace FX;

namespace {

// Rows in key order; the failed one is not listed by the window.
const char* const kBackups[] = {
    "01.03.06,10:00:00,Puna,0,0,bstsUspesan,bstsDobar,a,f1",
    "02.03.06,11:00:00,Bez17,0,0,bstsUspesan,bstsDobar,b,f2",
    "03.03.06,12:00:00,Puna,0,0,bstsNeuspesan,bstsDobar,c,f3",
    "04.03.06,13:00:00,Nema,0,0,bstsUspesan,bstsDobar,d,f4",
};

class LoadWindow : public BackupWorld {
protected:
    void SetUp() override {
        BackupWorld::SetUp();
        for (const char* line : kBackups) tables.insert(kTableBackups, line);
        tables.insert(kTableBackupTypes, ("Puna,sve," + ucesceWithout({})).c_str());
        tables.insert(kTableBackupTypes, ("Bez17,bez," + ucesceWithout({17})).c_str());
        openLoadWindow();
        ASSERT_NE(loadWindow, nullptr);
        window = loadWindow;
        elapse(1);
    }
    // The listed row of a backup of kBackups.
    static int listedRow(int backup) { return backup < 3 ? backup : backup - 1; }
    static Bytes keyOf(int backup) {
        const Bytes r = recordOf(kTableBackups, kBackups[backup - 1]);
        return Bytes(r.begin(), r.begin() + 8);
    }

    TLoadShell* window = nullptr;
};

TEST_F(LoadWindow, Shape) {
    EXPECT_TRUE(window->shown());
    EXPECT_EQ(fromUtf8(window->getTitle()), kText21185);
    EXPECT_EQ(statusOf(window), kText21185);
    EXPECT_EQ(colourOf(window), kShellTitleColour);
    EXPECT_EQ(window->helpPage, 55);
    const auto buttons = childrenOf<FXButton>(window->buttonBar);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(fromUtf8(buttons[0]->getText()), withoutTildes(kText21186));
    EXPECT_EQ(fromUtf8(buttons[1]->getText()), withoutTildes(kText21187));
    for (FXButton* b : buttons) {
        EXPECT_FALSE(b->getButtonStyle() & BUTTON_DEFAULT);
        EXPECT_FALSE(b->getLayoutHints() & LAYOUT_RIGHT);
    }
    // Only the successful backups, following the table.
    EXPECT_EQ(window->recordTable()->TTabela::getRowCount(), 4);
    tables.insert(kTableBackups, "05.03.06,14:00:00,Puna,0,0,bstsUspesan,bstsDobar,e,f5");
    tables.insert(kTableBackups, "06.03.06,14:00:00,Puna,0,0,bstsPrazan,bstsDobar,e,f6");
    elapse(kRecordRefreshPeriod);
    EXPECT_EQ(window->recordTable()->TTabela::getRowCount(), 5);
}

// The checks of a start in their order, the target choice and the request.
TEST_F(LoadWindow, StartChecksTheBackupAgainstTheLoadType) {
    const std::string veliko = "Veliko";
    const struct {
        const char* name;
        int backup;                     // of kBackups, 0 for no selection
        std::vector<std::string> load;  // rows of table 126: name, absent tables
        int pickedRow;                  // 0 cancels the chooser, -1 not shown
        int target;                     // -1 cancels, -2 not shown
        std::string status;
        int sentTarget;  // -1: nothing sent
    } cases[] = {
        {"no selection", 0, {}, -1, -2, kText21194, -1},
        {"chooser cancelled", 1, {"Malo"}, 0, -2, "", -1},
        {"unknown backup type", 4, {"Malo"}, 1, -2, kText21197, -1},
        {"table 17 missing", 2, {"T17"}, 1, -2, backupText(kText21198, {"17"}), -1},
        {"target cancelled", 1, {"Malo"}, 1, -1, "", -1},
        {"large load to the running CP", 1, {veliko}, 1, 0, kText21201, -1},
        {"large load to CP1", 1, {veliko}, 1, 1, kText21202, 1},
        {"other letter case to the running CP", 1, {"veliko"}, 1, 0, kText21202, 0},
        {"tables present, CP2", 2, {"Malo"}, 1, 2, kText21202, 2},
    };
    for (const auto& c : cases) {
        ScopedTables loadTypes{kTableLoadTypes};
        for (const std::string& name : c.load) {
            // T17 needs only table 17, the others every table but 17 and 204.
            const std::string ucesce = name == "T17"
                                           ? std::string(17, '.') + "x" + std::string(187, '.')
                                           : ucesceWithout({17, 204});
            loadTypes.insert(kTableLoadTypes, (name + ",opis," + ucesce).c_str());
        }
        window->recordTable()->clearSelection();
        if (c.backup > 0) select(window, listedRow(c.backup));
        boxes.boxes.clear();
        std::string pickTitle;
        std::vector<std::string> targets;
        std::vector<ModalDriver::Step> steps;
        if (c.pickedRow >= 0) steps.push_back(pick(c.pickedRow, &pickTitle));
        if (c.target >= -1) steps.push_back(option(c.target, &targets));
        press(window, TLoadShell::ID_START, steps);
        EXPECT_EQ(statusOf(window), c.status) << c.name;
        if (c.pickedRow >= 0) {
            EXPECT_EQ(pickTitle, kText21196) << c.name;
        }
        if (c.target >= -1) {
            EXPECT_EQ(targets,
                      (std::vector<std::string>{kText21200, withoutTildes(kText21199) + " *",
                                                textById(25649), textById(25650)}))
                << c.name;
        }
        // No question before a load; only the refused selection's box.
        EXPECT_EQ(boxes.boxes.size(), c.backup == 0 ? 1u : 0u) << c.name;
        const auto sent = requests();
        ASSERT_EQ(sent.size(), c.sentTarget >= 0 ? 1u : 0u) << c.name;
        if (c.sentTarget < 0) continue;
        EXPECT_EQ(sent[0].type, kTypeBackup);
        EXPECT_EQ(sent[0].destination, kBackupDestination);
        EXPECT_EQ(sent[0].code, 33);
        Bytes expected = {uint8_t(c.sentTarget)};
        expected.insert(expected.end(), c.load[0].begin(), c.load[0].end());
        expected.resize(12, 0);
        const Bytes key = keyOf(c.backup);
        expected.insert(expected.end(), key.begin(), key.end());
        EXPECT_EQ(sent[0].payload, expected) << c.name;
    }
    EXPECT_EQ(window->cursor()->rowCount(), 4);  // the table is not written
}

// Start and stop say that they were sent only when the link took the
// request; otherwise the status line says it was not.
TEST_F(LoadWindow, RequestsSayWhetherTheyWereSent) {
    tables.insert(kTableLoadTypes, ("Malo,opis," + ucesceWithout({17, 204})).c_str());
    const struct {
        const char* name;
        FXSelector id;
        std::vector<ModalDriver::Step> steps;
        const char* sentText;
    } cases[] = {
        {"start", TLoadShell::ID_START, {pick(1), option(2)}, kText21202},
        {"stop", TLoadShell::ID_STOP, {}, kText21204},
    };
    for (const SLinkState& link : kLinkStates) {
        setLinkState(link);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(link.name) + ", " + c.name);
            window->recordTable()->clearSelection();
            select(window, listedRow(2));
            boxes.answer = 1;
            press(window, c.id, c.steps);
            EXPECT_EQ(statusOf(window), link.sends ? c.sentText : kMessageNotSentText);
            EXPECT_EQ(requests().size(), link.sends ? 1u : 0u);
        }
    }
}

TEST_F(LoadWindow, StopAsksFirst) {
    expectStopAsksFirst(window, TLoadShell::ID_STOP, kText21203, kText21204, 34);
}

// Each answer that reports the load started or still running asks for the
// progress at once; no timer is involved.
TEST_F(LoadWindow, AnswersAndProgress) {
    const struct {
        uint8_t code;
        Bytes payload;
        std::string status;
        bool asksProgress;
    } cases[] = {
        {161, {0}, kText21188, true},
        {161, {3}, backupText(kText21189, {"3"}), false},
        {162, {0}, kText21190, false},
        {162, {4}, backupText(kText21191, {"4"}), false},
        {163,
         {1, 9, 0x88, 0x13, 0, 0, 0xB0, 0x04, 0, 0},
         backupText(kText21193, {"1200", "5000"}),
         true},
        {163, {0}, kText21192, false},
    };
    for (const auto& c : cases) {
        window->setStatus("-", kShellTitleColour);
        answer(c.code, c.payload);
        EXPECT_EQ(statusOf(window), c.status) << int(c.code);
        EXPECT_EQ(colourOf(window), kShellAlertColour);
        const auto sent = requests();
        ASSERT_EQ(sent.size(), c.asksProgress ? 1u : 0u) << int(c.code);
        if (!c.asksProgress) continue;
        EXPECT_EQ(sent[0].code, 35);
        EXPECT_TRUE(sent[0].payload.empty());
    }
    // While hidden the exchange of progress goes on.
    pressKey(window, KEY_Escape);
    EXPECT_FALSE(window->shown());
    answer(163, {2, 0, 10, 0, 0, 0, 3, 0, 0, 0});
    EXPECT_EQ(requests().size(), 1u);
    elapse(10000);
    EXPECT_TRUE(requests().empty());
    openLoadWindow();
    EXPECT_EQ(loadWindow, window);
    EXPECT_EQ(statusOf(window), backupText(kText21193, {"3", "10"}));
}

TEST_F(LoadWindow, IgnoresOtherAnswersAndShortOnes) {
    const struct {
        const char* name;
        uint8_t code;
        Bytes payload;
        uint16_t source;
    } cases[] = {
        {"another address", 161, {0}, 16400},
        {"a backup answer", 131, {0}, kBackupDestination},
        {"no result byte", 161, {}, kBackupDestination},
        {"progress without its numbers", 163, {1, 0, 1, 0, 0, 0, 2, 0, 0}, kBackupDestination},
    };
    for (const auto& c : cases) {
        window->setStatus("-", kShellTitleColour);
        answer(c.code, c.payload, c.source);
        EXPECT_EQ(statusOf(window), "-") << c.name;
        EXPECT_TRUE(requests().empty()) << c.name;
    }
}

// Both windows open: each takes only its own answers.
TEST_F(LoadWindow, BackupAndLoadWindowsShareTheMessageType) {
    openBackupWindow();
    ASSERT_NE(backupWindow, nullptr);
    window->setStatus("-", kShellTitleColour);
    answer(161, {5});
    EXPECT_EQ(statusOf(window), backupText(kText21189, {"5"}));
    EXPECT_EQ(statusOf(backupWindow), " ");
    answer(136, {0});
    EXPECT_EQ(statusOf(backupWindow), kText21143);
    EXPECT_EQ(statusOf(window), backupText(kText21189, {"5"}));
}

TEST(LoadChecks, TablesComparedAreZeroTo204) {
    STypeRow load, backup;
    std::fill(std::begin(load.ucesce), std::end(load.ucesce), '.');
    std::fill(std::begin(backup.ucesce), std::end(backup.ucesce), '.');
    EXPECT_EQ(firstMissingTable(load, backup), -1);
    load.ucesce[205] = 'x';  // the last character is not looked at
    EXPECT_EQ(firstMissingTable(load, backup), -1);
    load.ucesce[204] = 'x';
    load.ucesce[0] = '\0';  // anything but "." counts as taking part
    EXPECT_EQ(firstMissingTable(load, backup), 0);
    backup.ucesce[0] = 'x';
    EXPECT_EQ(firstMissingTable(load, backup), 204);
    uint8_t out[kLoadStartRequestSize];
    EXPECT_EQ(packLoadStart(out, sizeof out - 1, 1, "Veliko", SBekap()), 0);
}

}  // namespace
