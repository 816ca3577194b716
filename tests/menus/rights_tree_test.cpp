#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <gtest/gtest.h>

#include "menus/command_tree.h"
#include "menus/outline_expectations.h"
#include "menus/rights_fixtures.h"
#include "menus/rights_tree.h"
#include "peer/test_app.h"
#include "toolkit/text_codec.h"

namespace {

TEST(RightsBitmap, BitOfEachCommand) {
    const struct {
        int32_t command;
        std::size_t byte;
        uint8_t mask;
    } cases[] = {{5001, 0, 0x02}, {5007, 0, 0x80}, {5008, 1, 0x01}, {5599, 74, 0x80}};
    for (const auto& c : cases) {
        uint8_t bitmap[kRightsBitmapSize] = {};
        rightsBitmapPut(bitmap, c.command, true);
        for (std::size_t i = 0; i < kRightsBitmapSize; ++i)
            EXPECT_EQ(bitmap[i], i == c.byte ? c.mask : 0) << c.command << " byte " << i;
        EXPECT_TRUE(rightsBitmapHas(bitmap, c.command));
        rightsBitmapPut(bitmap, c.command, false);
        EXPECT_FALSE(rightsBitmapHas(bitmap, c.command));
    }
}

TEST(RightsBitmap, IdsOutsideTheCommandsHaveNoBit) {
    uint8_t bitmap[kRightsBitmapSize];
    std::memset(bitmap, 0xFF, sizeof bitmap);
    for (int32_t id : {5000, 5600, 0, -1, 70000}) {
        EXPECT_FALSE(rightsBitmapHas(bitmap, id)) << id;
        rightsBitmapPut(bitmap, id, false);
    }
    for (uint8_t b : bitmap) EXPECT_EQ(b, 0xFF);
}

class RightsTree : public ::testing::Test {
protected:
    void SetUp() override {
        testApp();
        destroyCommandTree();
        buildCommandTree();
        window = std::make_unique<FX::FXMainWindow>(&testApp(), "rights");
        rights = std::make_unique<KStabloKomandi>(window.get());
        window->create();
    }
    void TearDown() override {
        rights.reset();
        window.reset();
        destroyCommandTree();
    }
    void fillWith(const std::vector<uint8_t>& bitmap) {
        ASSERT_TRUE(rights->loadRights(bitmap.data(), static_cast<int>(bitmap.size())));
        rights->fill();
    }
    FX::FXTreeList* list() const { return rights->treeList(); }

    std::unique_ptr<FX::FXMainWindow> window;
    std::unique_ptr<KStabloKomandi> rights;
};

TEST_F(RightsTree, LoadTakesAtMost121Bytes) {
    const struct {
        const char* name;
        std::size_t length;
        bool taken;
        uint8_t lastByte;  // byte 120 afterwards; every loaded byte is 0x55
    } cases[] = {
        {"whole bitmap", 121, true, 0x55},
        {"shorter replaces its own bytes", 10, true, 0xAA},
        {"122 bytes leave it", 122, false, 0xAA},
    };
    for (const auto& c : cases) {
        std::memset(rights->rights, 0xAA, kRightsBitmapSize);
        const std::vector<uint8_t> data(c.length, 0x55);
        EXPECT_EQ(rights->loadRights(data.data(), static_cast<int>(c.length)), c.taken) << c.name;
        EXPECT_EQ(rights->rights[0], c.taken ? 0x55 : 0xAA) << c.name;
        EXPECT_EQ(rights->rights[120], c.lastByte) << c.name;
        uint8_t out[kRightsBitmapSize];
        rights->storeRights(out);
        EXPECT_EQ(std::memcmp(out, rights->rights, kRightsBitmapSize), 0) << c.name;
    }
}

TEST_F(RightsTree, FillShowsTheTreeWithRightsAndDisablesEmptyGroups) {
    fillWith(bitmapOf({5001, 5599}));
    const std::vector<FX::FXTreeItem*> items = allItems(list());
    ASSERT_EQ(items.size(), 732u);
    EXPECT_EQ(enabledCommands(list()), (std::vector<int32_t>{5001, 5599}));
    for (FX::FXTreeItem* item : items) {
        EXPECT_FALSE(item->isExpanded());
        EXPECT_EQ(fromUtf8(item->getText()), itemNode(item)->label);
        if (itemNode(item)->commandId != 0) continue;
        // A group is enabled exactly when something below it is.
        bool anyEnabled = false;
        std::vector<FX::FXTreeItem*> below;
        collectItems(item->getFirst(), below);
        for (FX::FXTreeItem* b : below)
            if (itemNode(b)->commandId != 0 && b->isEnabled()) anyEnabled = true;
        EXPECT_EQ(item->isEnabled(), anyEnabled) << itemNode(item)->label;
    }
    // The group of 5001 has commands without rights besides it and stays enabled.
    EXPECT_TRUE(commandItem(list(), 5001)->getParent()->isEnabled());
    EXPECT_FALSE(commandItem(list(), 5004)->isEnabled());
}

TEST_F(RightsTree, FillingAgainDoesNotDuplicate) {
    fillWith(bitmapOf({}));
    fillWith(bitmapOf({5008}));
    EXPECT_EQ(allItems(list()).size(), 732u);
    EXPECT_EQ(enabledCommands(list()), (std::vector<int32_t>{5008}));
}

TEST_F(RightsTree, WithoutACommandTreeTheListStaysEmpty) {
    destroyCommandTree();
    rights->fill();
    EXPECT_EQ(list()->getNumItems(), 0);
    ASSERT_NE(commandTree, nullptr);
    EXPECT_EQ(commandTree->firstRoot, nullptr);
}

TEST_F(RightsTree, GrantAndRevokeOneCommand) {
    const struct {
        const char* name;
        std::vector<int32_t> granted;
        bool grant;
        int expected;
        bool bitAfter;
    } cases[] = {
        {"grant a command without its right", {}, true, 0, true},
        {"grant an enabled command", {5008}, true, -1, true},
        {"revoke an enabled command", {5008}, false, 0, false},
        {"revoke a disabled command", {}, false, -1, false},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bitmap(kRightsBitmapSize, 0);
        for (int32_t id : c.granted) rightsBitmapPut(bitmap.data(), id, true);
        fillWith(bitmap);
        FX::FXTreeItem* item = commandItem(list(), 5008);
        list()->setCurrentItem(item);
        const bool groupBefore = item->getParent()->isEnabled();
        EXPECT_EQ(c.grant ? rights->grantSelected() : rights->revokeSelected(), c.expected)
            << c.name;
        EXPECT_EQ(rights->hasRight(5008), c.bitAfter) << c.name;
        EXPECT_EQ(item->isEnabled(), c.bitAfter) << c.name;
        // The enclosing group keeps its state until the list is filled again.
        EXPECT_EQ(item->getParent()->isEnabled(), groupBefore) << c.name;
    }
}

TEST_F(RightsTree, GrantAndRevokeAGroupBranch) {
    // A group that holds a subgroup of its own label followed by more commands.
    const char* label = outline_expect::kReportGroups[1].label;
    fillWith(bitmapOf({5001}));
    FX::FXTreeItem* group = nullptr;
    for (FX::FXTreeItem* item : allItems(list())) {
        if (itemNode(item)->commandId != 0 || std::strcmp(itemNode(item)->label, label) != 0)
            continue;
        FX::FXTreeItem* first = item->getFirst();
        if (first != nullptr && std::strcmp(itemNode(first)->label, label) == 0 &&
            first->getNext() != nullptr) {
            group = item;
            break;
        }
    }
    ASSERT_NE(group, nullptr);
    std::vector<FX::FXTreeItem*> branch;
    collectItems(group->getFirst(), branch);
    std::vector<int32_t> commands;
    for (FX::FXTreeItem* item : branch)
        if (itemNode(item)->commandId != 0) commands.push_back(itemNode(item)->commandId);
    ASSERT_GT(commands.size(), 3u);

    list()->setCurrentItem(group);
    EXPECT_EQ(rights->grantSelected(), 0);
    EXPECT_EQ(rights->grantMode, 1);
    for (FX::FXTreeItem* item : branch) EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(group->isEnabled());
    for (int32_t c : commands) EXPECT_TRUE(rights->hasRight(c)) << c;
    // Nothing outside the branch changed.
    EXPECT_TRUE(rights->hasRight(5001));
    std::vector<int32_t> expected{5001};
    expected.insert(expected.end(), commands.begin(), commands.end());
    EXPECT_EQ(enabledCommands(list()), expected);

    EXPECT_EQ(rights->revokeSelected(), 0);
    EXPECT_EQ(rights->grantMode, 0);
    for (FX::FXTreeItem* item : branch) EXPECT_FALSE(item->isEnabled());
    EXPECT_FALSE(group->isEnabled());
    EXPECT_EQ(enabledCommands(list()), (std::vector<int32_t>{5001}));
}

TEST_F(RightsTree, NoCurrentItemChangesNothing) {
    fillWith(bitmapOf({5001}));
    list()->setCurrentItem(nullptr);
    EXPECT_EQ(rights->grantSelected(), -1);
    EXPECT_EQ(rights->revokeSelected(), -1);
    EXPECT_EQ(enabledCommands(list()), (std::vector<int32_t>{5001}));
}

}  // namespace
