#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <gtest/gtest.h>

#include "texts/text_catalogue.h"
#include "menus/command_tree.h"
#include "menus/group_rights.h"
#include "menus/rights_exchange.h"
#include "menus/rights_fixtures.h"
#include "peer/modal_driver.h"
#include "peer/test_app.h"

namespace {

class GroupRights : public ::testing::Test, protected RightsExchange {
protected:
    void SetUp() override {
        testApp();
        startRouter(kLoopbackExchangeRoutes);
        destroyCommandTree();
        buildCommandTree();
        owner = std::make_unique<FX::FXMainWindow>(&testApp(), "owner");
        owner->create();
    }
    void TearDown() override {
        owner.reset();
        destroyCommandTree();
        stopRouter();
    }
    std::unique_ptr<KPodesiPravaPristupa> openEditor(const char* group = "Grupa1") {
        auto editor = std::make_unique<KPodesiPravaPristupa>(owner.get(), "Prava", group);
        editor->create();
        return editor;
    }
    void select(KPravaPristupaBase& dialog, int32_t command) {
        FX::FXTreeList* list = dialog.rightsTree()->treeList();
        list->setCurrentItem(commandItem(list, command));
    }
    std::unique_ptr<FX::FXMainWindow> owner;
};

TEST_F(GroupRights, RightsRequestCarriesAtMost19Characters) {
    const struct {
        const char* name;
        std::string group;
        std::string sent;
    } cases[] = {
        {"19 characters whole", std::string(19, 'g'), std::string(19, 'g')},
        {"20 characters cut", std::string(20, 'g'), std::string(19, 'g')},
        {"empty name", "", ""},
    };
    for (const auto& c : cases) {
        auto editor = openEditor(c.group.c_str());
        const auto sent = requests();
        ASSERT_EQ(sent.size(), 1u) << c.name;
        EXPECT_EQ(sent[0].type, kRightsMessageType);
        EXPECT_EQ(sent[0].destination, kExchangeAddress);
        EXPECT_EQ(sent[0].code, kReadRights);
        EXPECT_EQ(sent[0].payload, textBytes(c.sent)) << c.name;
        EXPECT_NE(editor->pendingTimer, -1);

        // The set request of the same editor names the group alike.
        answer(kReadRights, bitmapOf({}));
        select(*editor, 5008);
        sendCommand(editor.get(), KPodesiPravaPristupa::ID_GRANT);
        sendCommand(editor.get(), KPodesiPravaPristupa::ID_ACCEPT_RIGHTS);
        const auto set = requests();
        ASSERT_EQ(set.size(), 1u) << c.name;
        EXPECT_EQ(set[0].code, kSetRights);
        EXPECT_EQ(set[0].payload, textBytes(c.sent) + bitmapOf({5008})) << c.name;
    }
}

TEST_F(GroupRights, OkSendsTheRightsOnlyAfterAChange) {
    enum Action { Grant, Revoke };
    const struct {
        const char* name;
        std::vector<std::pair<Action, int32_t>> actions;
        bool sent;
        std::vector<int32_t> rights;  // bits of the bitmap sent
    } cases[] = {
        {"nothing done", {}, false, {}},
        {"grant of a command that has its right", {{Grant, 5001}}, false, {}},
        {"grant then revoke", {{Grant, 5008}, {Revoke, 5008}}, true, {5001}},
        {"grant", {{Grant, 5008}}, true, {5001, 5008}},
        {"revoke", {{Revoke, 5001}}, true, {}},
    };
    for (const auto& c : cases) {
        auto editor = openEditor();
        requests();
        answer(kReadRights, bitmapOf({5001}));
        EXPECT_EQ(editor->pendingTimer, -1);
        for (const auto& [action, command] : c.actions) {
            select(*editor, command);
            sendCommand(editor.get(), action == Grant ? KPodesiPravaPristupa::ID_GRANT
                                                      : KPodesiPravaPristupa::ID_REVOKE);
        }
        EXPECT_EQ(editor->changed, c.sent ? 1 : 0) << c.name;
        sendCommand(editor.get(), KPodesiPravaPristupa::ID_ACCEPT_RIGHTS);
        const auto sent = requests();
        ASSERT_EQ(sent.size(), c.sent ? 1u : 0u) << c.name;
        if (!c.sent) continue;
        Bytes bitmap(kRightsBitmapSize, 0);
        for (int32_t r : c.rights) rightsBitmapPut(bitmap.data(), r, true);
        EXPECT_EQ(sent[0].payload, textBytes("Grupa1") + bitmap) << c.name;
    }
}

TEST_F(GroupRights, SetRequestOfPosadaIs128Bytes) {
    auto editor = openEditor("Posada");
    requests();
    Bytes received(kRightsBitmapSize, 0);
    received[100] = 0x5A;  // bytes of no command go back as received
    answer(kReadRights, received);
    select(*editor, 5010);
    sendCommand(editor.get(), KPodesiPravaPristupa::ID_GRANT);
    sendCommand(editor.get(), KPodesiPravaPristupa::ID_ACCEPT_RIGHTS);
    const auto sent = requests();
    ASSERT_EQ(sent.size(), 1u);
    ASSERT_EQ(sent[0].payload.size(), 128u);
    EXPECT_EQ(sent[0].payload[6], 0);
    EXPECT_EQ(sent[0].payload[7 + 100], 0x5A);
    EXPECT_EQ(sent[0].payload[7 + 1], 0x04);  // 5010: bit 2 of byte 1
}

TEST_F(GroupRights, GrantBeforeTheRightsArriveChangesNothing) {
    auto editor = openEditor();
    sendCommand(editor.get(), KPodesiPravaPristupa::ID_GRANT);
    sendCommand(editor.get(), KPodesiPravaPristupa::ID_REVOKE);
    EXPECT_EQ(editor->changed, 0);
    EXPECT_EQ(editor->rightsTree()->treeList()->getNumItems(), 0);
}

TEST_F(GroupRights, AnswersWithoutUsableRights) {
    const struct {
        const char* name;
        Bytes payload;
    } cases[] = {
        {"empty answer", {}},
        {"longer than the bitmap", Bytes(kRightsBitmapSize + 1, 0xFF)},
    };
    for (const auto& c : cases) {
        auto editor = openEditor();
        answer(kReadRights, c.payload);
        EXPECT_EQ(editor->statusText(), textById(25293)) << c.name;
        EXPECT_EQ(editor->rightsTree()->treeList()->getNumItems(), 0) << c.name;
        // Nothing to send: grant finds no item.
        sendCommand(editor.get(), KPodesiPravaPristupa::ID_GRANT);
        EXPECT_EQ(editor->changed, 0) << c.name;
    }
}

TEST_F(GroupRights, TimeOutThenALateAnswer) {
    auto editor = openEditor();
    KPrikPravaPristupa viewer(owner.get(), "Pregled", "Grupa1");
    viewer.create();
    waitAnswerTimeout();
    EXPECT_EQ(editor->pendingTimer, -1);
    EXPECT_EQ(viewer.pendingTimer, -1);
    EXPECT_EQ(editor->statusText(), textById(25292));
    // The answer that comes later is still shown, by both.
    answer(kReadRights, bitmapOf({5599}));
    EXPECT_EQ(enabledCommands(editor->rightsTree()->treeList()), (std::vector<int32_t>{5599}));
    EXPECT_EQ(enabledCommands(viewer.rightsTree()->treeList()), (std::vector<int32_t>{5599}));
    requests();
}

// The editor says at once when the read request did not leave, and arms no
// time-out whose text would blame the exchange.
TEST_F(GroupRights, UnsentReadRequestIsSaidAndAwaitsNothing) {
    for (const SLinkState& link : kLinkStates) {
        SCOPED_TRACE(link.name);
        setLinkState(link);
        requests();
        auto editor = openEditor();
        EXPECT_EQ(editor->statusText(), link.sends ? "" : kMessageNotSentText);
        EXPECT_EQ(editor->pendingTimer != -1, link.sends);
        EXPECT_EQ(requests().size(), link.sends ? 1u : 0u);
        waitAnswerTimeout();
        EXPECT_EQ(editor->statusText(), link.sends ? textById(25292) : kMessageNotSentText);
    }
}

TEST_F(GroupRights, ViewerRunsModallyAndClosesWithItsButton) {
    KPrikPravaPristupa viewer(owner.get(), "Pregled", "Posada");
    EXPECT_EQ(requestCodes(), (std::vector<uint8_t>{kReadRights}));
    ModalDriver driver;
    driver.then([&](FX::FXWindow* modal) {
        ASSERT_EQ(modal, &viewer);
        answer(kReadRights, bitmapOf({5001}));
        EXPECT_EQ(enabledCommands(viewer.rightsTree()->treeList()), (std::vector<int32_t>{5001}));
        clickButton(findChild<FX::FXButton>(modal));
    });
    driver.start();
    EXPECT_EQ(viewer.execute(FX::PLACEMENT_CURSOR), 1u);
    EXPECT_TRUE(requests().empty());
}

}  // namespace

namespace {

// The editor opens at least 400 x 300 with the tree list over the whole row
// of its buttons, and can be made larger and smaller; the viewer's button
// stands under its tree as well.
TEST_F(GroupRights, ButtonsRunAlongTheBottomUnderTheTree) {
    auto editor = openEditor();
    KPrikPravaPristupa viewer(owner.get(), "Pregled", "Grupa1");
    viewer.create();
    struct Case {
        const char* name;
        KPravaPristupaBase* dialog;
        FX::FXint width, height;
    };
    for (const Case& c :
         {Case{"editor", editor.get(), 400, 300}, Case{"viewer", &viewer, 300, 500}}) {
        c.dialog->show(FX::PLACEMENT_DEFAULT);
        c.dialog->layout();
        EXPECT_GE(c.dialog->getWidth(), c.width) << c.name;
        EXPECT_GE(c.dialog->getHeight(), c.height) << c.name;
        EXPECT_EQ(c.dialog->getDecorations() & FX::DECOR_RESIZE, FX::DECOR_RESIZE) << c.name;
        FX::FXTreeList* tree = c.dialog->rightsTree()->treeList();
        const auto buttons = childrenOf<FX::FXButton>(c.dialog);
        ASSERT_FALSE(buttons.empty()) << c.name;
        for (FX::FXButton* b : buttons) {
            FX::FXint treeX = 0, treeY = 0, x = 0, y = 0;
            tree->translateCoordinatesTo(treeX, treeY, c.dialog, 0, 0);
            b->translateCoordinatesTo(x, y, c.dialog, 0, 0);
            EXPECT_GE(y, treeY + tree->getHeight()) << c.name;
            EXPECT_GT(tree->getHeight(), 3 * b->getHeight()) << c.name;
        }
        c.dialog->hide();
    }
}

}  // namespace
