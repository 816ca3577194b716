#include <cstring>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <fox-1.6/fxkeys.h>
#include <gtest/gtest.h>

#include "commands/executors/local_routines.h"
#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "menus/command_tree.h"
#include "menus/group_rights.h"
#include "menus/operator_groups.h"
#include "menus/rights_exchange.h"
#include "menus/rights_fixtures.h"
#include "peer/modal_driver.h"
#include "peer/test_app.h"
#include "toolkit/text_codec.h"

namespace {

TEST(BuiltInOperatorGroups, ExactNamesOnly) {
    const struct {
        const char* name;
        int expected;
    } cases[] = {
        {"Administratori", 1}, {"Strucnjaci", 1}, {"Obicni", 1}, {"Posada", 1},
        {"administratori", 0}, {"Posada ", 0},    {"Posad", 0},  {"", 0},
        {nullptr, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isBuiltInOperatorGroup(c.name), c.expected) << (c.name ? c.name : "null");
}

// Names of the groups the stand-in management processor keeps.
std::string groupName(int i) {
    return "Grupa" + std::to_string(i);
}

class OperatorGroups : public ::testing::Test, protected RightsExchange {
protected:
    void SetUp() override {
        testApp();
        startRouter(kLoopbackExchangeRoutes);
        window = new KGrupeOperShell(&testApp(), "Grupe", 100, 20, 600, 250);
        window->create();
    }
    void TearDown() override {
        delete window;
        destroyCommandTree();
        stopRouter();
    }
    // The list answers: the count, then the entries.
    void answerList(int count) {
        answer(kGroupList, int32Bytes(count));
        Bytes entries;
        for (int i = 0; i < count; ++i) entries = entries + int32Bytes(i) + textBytes(groupName(i));
        answer(kGroupList, entries);
    }
    std::vector<std::string> rows() const {
        std::vector<std::string> out;
        for (int i = 0; i < window->groupList()->getNumItems(); ++i)
            out.push_back(fromUtf8(window->groupList()->getItemText(i)));
        return out;
    }
    void selectRow(int row) { window->groupList()->setCurrentItem(row); }
    // Runs a button of the window whose dialog the step handles.
    void runWithDialog(FX::FXuint id, ModalDriver::Step step) {
        ModalDriver driver;
        driver.then(std::move(step));
        driver.start();
        sendCommand(window, id);
        EXPECT_EQ(driver.pending(), 0u);
    }
    std::string status() const { return window->statusText(); }

    KGrupeOperShell* window = nullptr;
};

TEST_F(OperatorGroups, OpensWithTwentyEmptyRowsAndAsksForTheList) {
    const auto sent = requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].type, kRightsMessageType);
    EXPECT_EQ(sent[0].destination, kExchangeAddress);
    EXPECT_EQ(sent[0].code, kGroupList);
    EXPECT_TRUE(sent[0].payload.empty());
    EXPECT_EQ(rows(), std::vector<std::string>(20, ""));
    EXPECT_EQ(window->groupList()->getCurrentItem(), 0);
    EXPECT_EQ(window->groupCount, 0);
    EXPECT_EQ(status(), "");
}

TEST_F(OperatorGroups, ListAnswersFillTheRowsOfTheCount) {
    const std::string twenty(20, 'n');
    const struct {
        const char* name;
        std::vector<Bytes> answers;
        int count;
        std::vector<std::pair<int, std::string>> named;  // rows with a text
    } cases[] = {
        {"count alone changes no row", {int32Bytes(3)}, 3, {}},
        {"entries fill rows up to the count",
         {int32Bytes(2), int32Bytes(0) + textBytes("Alfa") + int32Bytes(1) + textBytes("Beta") +
                             int32Bytes(2) + textBytes("Gama")},
         2,
         {{0, "Alfa"}, {1, "Beta"}}},
        {"index outside 0..19 skipped, long name cut to 19",
         {int32Bytes(20), int32Bytes(20) + textBytes("Van") + int32Bytes(-1) + textBytes("Minus") +
                              int32Bytes(19) + textBytes(twenty)},
         20,
         {{19, std::string(19, 'n')}}},
        {"last name without its zero",
         {int32Bytes(1), int32Bytes(0) + Bytes{'A', 'b', 'c'}},
         1,
         {{0, "Abc"}}},
        {"a short tail is no entry",
         {int32Bytes(1), int32Bytes(0) + textBytes("X") + Bytes{1, 0}},
         1,
         {{0, "X"}}},
    };
    for (const auto& c : cases) {
        for (int i = 0; i < 20; ++i) window->groupList()->setItemText(i, "");
        std::memset(window->groupNames, 0, sizeof window->groupNames);
        for (const Bytes& a : c.answers) answer(kGroupList, a);
        EXPECT_EQ(window->groupCount, c.count) << c.name;
        std::vector<std::string> expected(20, "");
        for (const auto& [row, text] : c.named) expected[static_cast<std::size_t>(row)] = text;
        EXPECT_EQ(rows(), expected) << c.name;
    }
}

TEST_F(OperatorGroups, StatusAnswersShowTheirTextsAndRefreshTheList) {
    const struct {
        uint8_t code;
        Bytes payload;
        int text;
        bool listAgain;
    } cases[] = {
        {kSetRights, statusBytes(0), 25275, false},
        {kSetRights, statusBytes(1), 25279, false},
        {kGroupAdded, statusBytes(0), 25278, true},
        {kGroupAdded, statusBytes(-1), 25281, false},
        {kGroupDeleted, statusBytes(0), 25277, true},
        {kGroupDeleted, statusBytes(2), 25280, true},
        {kRenameGroup, statusBytes(0) + Bytes{9, 9}, 25273, true},
        {kRenameGroup, statusBytes(256), 25274, false},
        {kRenameGroup, Bytes{0}, 25274, false},  // too short to hold a status
    };
    requests();
    for (const auto& c : cases) {
        answer(c.code, c.payload);
        EXPECT_EQ(status(), textById(c.text)) << int(c.code) << " " << c.text;
        EXPECT_EQ(requestCodes(),
                  c.listAgain ? std::vector<uint8_t>{kGroupList} : std::vector<uint8_t>{})
            << c.text;
    }
}

TEST_F(OperatorGroups, ListTimeOutAndALateAnswer) {
    EXPECT_NE(window->pending.timerFor(kGroupList), -1);
    waitAnswerTimeout();
    EXPECT_EQ(status(), textById(25271));
    EXPECT_EQ(window->pending.timerFor(kGroupList), -1);
    answer(kSetRights, statusBytes(0));
    EXPECT_EQ(status(), textById(25275));
    STimerEvent unknown;
    unknown.data[0] = 99;
    window->onTimer(&unknown);
    EXPECT_EQ(status(), textById(25290));
}

// A request the link did not take is said in the status line and awaits
// no answer, so no time-out text blames the exchange afterwards.
TEST_F(OperatorGroups, UnsentRequestsAreSaidAndAwaitNothing) {
    for (const SLinkState& link : kLinkStates) {
        SCOPED_TRACE(link.name);
        delete window;
        setLinkState(link);
        requests();
        window = new KGrupeOperShell(&testApp(), "Grupe", 100, 20, 600, 250);
        window->create();
        EXPECT_EQ(status(), link.sends ? "" : kMessageNotSentText);
        EXPECT_EQ(window->pending.timerFor(kGroupList) != -1, link.sends);
        EXPECT_EQ(requests().size(), link.sends ? 1u : 0u);
        waitAnswerTimeout();
        EXPECT_EQ(status(), link.sends ? textById(25271) : kMessageNotSentText);
    }
}

TEST_F(OperatorGroups, AnAnswerCancelsOnlyTheTimeOutOfItsOwnCode) {
    answerList(3);
    selectRow(1);
    runWithDialog(KGrupeOperShell::ID_RENAME_GROUP, [](FX::FXWindow* modal) {
        findChild<FX::FXTextField>(modal)->setText("Novo ime");
        sendCommand(modal, FX::FXDialogBox::ID_ACCEPT);
    });
    EXPECT_EQ(requestCodes(), (std::vector<uint8_t>{kGroupList, kRenameGroup}));
    // Another list answer does not take the rename's time-out away.
    answerList(3);
    EXPECT_NE(window->pending.timerFor(kRenameGroup), -1);
    waitAnswerTimeout();
    EXPECT_EQ(status(), textById(25272));
    // An answered request leaves no time-out behind.
    answer(kRenameGroup, statusBytes(1));
    waitAnswerTimeout();
    EXPECT_EQ(status(), textById(25274));
}

TEST_F(OperatorGroups, RenameSendsBothNamesCutTo20) {
    const std::string longName(25, 'z');
    const struct {
        const char* name;
        int row;
        const char* typed;  // null: no dialog expected
        bool cancel;
        int text;       // status text afterwards, 0 empty
        Bytes payload;  // empty: nothing sent
    } cases[] = {
        {"built-in refused", 0, nullptr, false, 25276, {}},
        {"four characters refused", 1, "abcd", false, 25287, {}},
        {"five characters sent", 1, "abcde", false, 0, textBytes("Grupa1") + textBytes("abcde")},
        {"long name cut", 1, longName.c_str(), false, 0,
         textBytes("Grupa1") + textBytes(std::string(20, 'z'))},
        {"cancelled", 1, "abcdef", true, 0, {}},
        {"lower-case built-in name accepted", 2, "Druga grupa", false, 0,
         textBytes("administratori") + textBytes("Druga grupa")},
    };
    answer(kGroupList, int32Bytes(3));
    answer(kGroupList, int32Bytes(0) + textBytes("Administratori") + int32Bytes(1) +
                           textBytes(groupName(1)) + int32Bytes(2) + textBytes("administratori"));
    requests();
    for (const auto& c : cases) {
        selectRow(c.row);
        if (c.typed == nullptr) {
            sendCommand(window, KGrupeOperShell::ID_RENAME_GROUP);
        } else {
            const std::string old = fromUtf8(window->groupList()->getItemText(c.row));
            runWithDialog(KGrupeOperShell::ID_RENAME_GROUP, [&](FX::FXWindow* modal) {
                char title[300];
                formatMessage(title, sizeof title, 25258, old);
                EXPECT_EQ(fromUtf8(static_cast<FX::FXTopWindow*>(modal)->getTitle()), title);
                findChild<FX::FXTextField>(modal)->setText(c.typed);
                sendCommand(modal,
                            c.cancel ? FX::FXDialogBox::ID_CANCEL : FX::FXDialogBox::ID_ACCEPT);
            });
        }
        EXPECT_EQ(status(), c.text != 0 ? textById(c.text) : "") << c.name;
        const auto sent = requests();
        ASSERT_EQ(sent.size(), c.payload.empty() ? 0u : 1u) << c.name;
        if (c.payload.empty()) continue;
        EXPECT_EQ(sent[0].code, kRenameGroup);
        EXPECT_EQ(sent[0].payload, c.payload) << c.name;
        EXPECT_NE(window->pending.timerFor(kRenameGroup), -1);
    }
}

TEST_F(OperatorGroups, AddSendsTheNewNameAndTheComboText) {
    const struct {
        const char* name;
        const char* typed;
        const char* base;  // null: as offered
        Bytes payload;
    } cases[] = {
        {"first base offered", "Nova grupa", nullptr,
         textBytes("Nova grupa") + textBytes("Administratori")},
        {"typed base not checked", "Nova grupa", "Bilo sta",
         textBytes("Nova grupa") + textBytes("Bilo sta")},
        {"short name refused", "Nova", nullptr, {}},
    };
    answer(kGroupList, int32Bytes(0));  // the opening list request is answered
    requests();
    for (const auto& c : cases) {
        runWithDialog(KGrupeOperShell::ID_ADD_GROUP, [&](FX::FXWindow* modal) {
            auto* combo = findChild<FX::FXComboBox>(modal);
            ASSERT_NE(combo, nullptr);
            ASSERT_EQ(combo->getNumItems(), 4);
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(fromUtf8(combo->getItem(i)), builtInOperatorGroups[i]);
            if (c.base != nullptr) combo->setText(c.base);
            findChild<FX::FXTextField>(modal)->setText(c.typed);
            sendCommand(modal, FX::FXDialogBox::ID_ACCEPT);
        });
        const auto sent = requests();
        ASSERT_EQ(sent.size(), c.payload.empty() ? 0u : 1u) << c.name;
        if (c.payload.empty()) {
            EXPECT_EQ(status(), textById(25287));
            continue;
        }
        EXPECT_EQ(sent[0].code, kAddGroup);
        EXPECT_EQ(sent[0].payload, c.payload) << c.name;
        waitAnswerTimeout();
        EXPECT_EQ(status(), textById(25269)) << c.name;
    }
}

TEST_F(OperatorGroups, DeleteRemovesTheRowAtOnce) {
    answerList(20);
    requests();
    selectRow(4);
    runWithDialog(KGrupeOperShell::ID_DELETE_GROUP, [](FX::FXWindow* modal) {
        char text[300];
        formatMessage(text, sizeof text, 25286, groupName(4));
        EXPECT_EQ(fromUtf8(static_cast<FX::FXTopWindow*>(modal)->getTitle()), text);
        sendCommand(modal, FX::FXDialogBox::ID_ACCEPT);
    });
    auto sent = requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, kDeleteGroup);
    EXPECT_EQ(sent[0].payload, textBytes(groupName(4)));
    EXPECT_EQ(window->groupList()->getNumItems(), 19);
    EXPECT_EQ(window->groupCount, 19);
    // Refused: the list comes again; its 20th name finds no row.
    answer(kGroupDeleted, statusBytes(1));
    EXPECT_EQ(status(), textById(25280));
    EXPECT_EQ(requestCodes(), (std::vector<uint8_t>{kGroupList}));
    answerList(20);
    std::vector<std::string> expected;
    for (int i = 0; i < 19; ++i) expected.push_back(groupName(i));
    EXPECT_EQ(rows(), expected);

    // Cancelled, or Enter at once (the question stands on "cancel"): nothing
    // sent, nothing removed.
    runWithDialog(KGrupeOperShell::ID_DELETE_GROUP,
                  [](FX::FXWindow* modal) { sendCommand(modal, FX::FXDialogBox::ID_CANCEL); });
    runWithDialog(KGrupeOperShell::ID_DELETE_GROUP,
                  [](FX::FXWindow* modal) { pressKey(modal, KEY_Return, "\r"); });
    EXPECT_TRUE(requests().empty());
    EXPECT_EQ(window->groupList()->getNumItems(), 19);
}

TEST_F(OperatorGroups, WithoutRowsNothingRunsAndDeleteSaysSo) {
    window->groupList()->clearItems();
    requests();
    for (FX::FXuint id : {KGrupeOperShell::ID_SET_RIGHTS, KGrupeOperShell::ID_READ_RIGHTS,
                          KGrupeOperShell::ID_RENAME_GROUP}) {
        sendCommand(window, id);
        EXPECT_EQ(status(), "");
    }
    sendCommand(window, KGrupeOperShell::ID_DELETE_GROUP);
    EXPECT_EQ(status(), textById(25282));
    EXPECT_TRUE(requests().empty());
}

TEST_F(OperatorGroups, SetRightsThroughTheEditorAndItsAnswer) {
    buildCommandTree();
    answerList(2);
    requests();
    selectRow(0);
    window->groupList()->setItemText(0, "Administratori");
    sendCommand(window, KGrupeOperShell::ID_SET_RIGHTS);
    EXPECT_EQ(status(), textById(25276));
    EXPECT_TRUE(requests().empty());

    selectRow(1);
    runWithDialog(KGrupeOperShell::ID_SET_RIGHTS, [&](FX::FXWindow* modal) {
        auto* editor = dynamic_cast<KPodesiPravaPristupa*>(modal);
        ASSERT_NE(editor, nullptr);
        char title[300];
        formatMessage(title, sizeof title, 25257, groupName(1));
        EXPECT_EQ(fromUtf8(editor->getTitle()), title);
        const auto sent = requests();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].payload, textBytes(groupName(1)));
        answer(kReadRights, bitmapOf({5001}));
        FX::FXTreeList* list = editor->rightsTree()->treeList();
        list->setCurrentItem(commandItem(list, 5597));
        sendCommand(editor, KPodesiPravaPristupa::ID_GRANT);
        sendCommand(editor, KPodesiPravaPristupa::ID_ACCEPT_RIGHTS);
    });
    const auto sent = requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, kSetRights);
    EXPECT_EQ(sent[0].payload, textBytes(groupName(1)) + bitmapOf({5001, 5597}));
    answer(kSetRights, statusBytes(0));
    EXPECT_EQ(status(), textById(25275));
}

TEST_F(OperatorGroups, ReadRightsOpensTheViewerForBuiltInGroupsToo) {
    buildCommandTree();
    window->groupList()->setItemText(0, "Posada");
    selectRow(0);
    requests();
    runWithDialog(KGrupeOperShell::ID_READ_RIGHTS, [&](FX::FXWindow* modal) {
        auto* viewer = dynamic_cast<KPrikPravaPristupa*>(modal);
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(fromUtf8(viewer->getTitle()), textById(25291));
        const auto sent = requests();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].payload, textBytes("Posada"));
        sendCommand(viewer, FX::FXDialogBox::ID_ACCEPT);
    });
    EXPECT_EQ(status(), "");
}

TEST_F(OperatorGroups, HiddenWindowStillShowsAnswers) {
    window->show();
    sendCommand(window, KGrupeOperShell::ID_CANCEL_WINDOW);
    EXPECT_FALSE(window->shown());
    answer(kGroupAdded, statusBytes(0));
    EXPECT_EQ(status(), textById(25278));
}

class OperatorGroupsCommand : public ::testing::Test, protected RightsExchange {
protected:
    void SetUp() override {
        testApp();
        startRouter(kLoopbackExchangeRoutes);
        installOperatorGroupsRoutine();
    }
    void TearDown() override {
        destroyOperatorGroupsWindow();
        setLocalRoutine(LocalRoutine::openOperatorGroupsDialog, nullptr);
        stopRouter();
    }
};

TEST_F(OperatorGroupsCommand, SecondRunOnlyShowsTheWindow) {
    runLocalRoutine(LocalRoutine::openOperatorGroupsDialog, nullptr);
    ASSERT_NE(operatorGroupsWindow, nullptr);
    EXPECT_TRUE(operatorGroupsWindow->shown());
    EXPECT_EQ(fromUtf8(operatorGroupsWindow->getTitle()), textById(25256));
    operatorGroupsWindow->hide();
    KGrupeOperShell* first = operatorGroupsWindow;
    runLocalRoutine(LocalRoutine::openOperatorGroupsDialog, nullptr);
    EXPECT_EQ(operatorGroupsWindow, first);
    EXPECT_TRUE(operatorGroupsWindow->shown());
    EXPECT_EQ(requestCodes(), (std::vector<uint8_t>{kGroupList}));
}

}  // namespace
