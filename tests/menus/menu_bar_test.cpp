#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "menus/command_outline.h"
#include "menus/menu_bar.h"
#include "peer/test_app.h"
#include "toolkit/accelerators.h"
#include "toolkit/menu_command.h"
#include "toolkit/text_codec.h"

namespace {

// Reads the offset of a caption's hot-key letter, which FOX keeps to itself.
struct CaptionPeek : FX::FXMenuCaption {
    static FX::FXint hotOffset(const FX::FXMenuCaption* caption) {
        return caption->*(&CaptionPeek::hotoff);
    }
};

// The caption's label as stored (CP1251) and the index of its mnemonic
// letter in it, -1 when none.
struct Mnemonic {
    std::string label;
    int index;
};

Mnemonic mnemonicOf(const FX::FXMenuCaption* caption) {
    const FX::FXString text = caption->getText();
    const FX::FXint off = CaptionPeek::hotOffset(caption);
    if (off < 0) return {fromUtf8(text), -1};
    return {fromUtf8(text), static_cast<int>(fromUtf8(text.left(off)).size())};
}

// The slot a CP1251 character takes in a mnemonic table, -1 for none.
int slotOf(char c) {
    SAccelTable table;
    clearAccelTable(table);
    const char text[2] = {c, 0};
    assignAccel(table, text);
    for (int i = 0; i < 36; ++i)
        if (table.used[i]) return i;
    return -1;
}

// Everything the builder made, gathered by walking the widgets.
struct MenuCensus {
    std::vector<FX::FXMenuTitle*> titles;
    std::vector<FX::FXMenuCascade*> cascades;
    std::vector<TFXMenuCommand*> commands;
    int separators = 0;
    std::vector<std::vector<FX::FXMenuCaption*>> panes;  // captions of each pane

    void walkPane(FX::FXComposite* pane) {
        panes.emplace_back();
        const std::size_t index = panes.size() - 1;
        for (FX::FXWindow* w = pane->getFirst(); w != nullptr; w = w->getNext()) {
            if (auto* cascade = dynamic_cast<FX::FXMenuCascade*>(w)) {
                cascades.push_back(cascade);
                panes[index].push_back(cascade);
                walkPane(cascade->getMenu());
            } else if (auto* command = dynamic_cast<TFXMenuCommand*>(w)) {
                commands.push_back(command);
                panes[index].push_back(command);
            } else if (dynamic_cast<FX::FXHorizontalSeparator*>(w)) {
                ++separators;
            }
        }
    }
};

class MenuBar : public ::testing::Test {
protected:
    void SetUp() override {
        window = new FX::FXMainWindow(&testApp(), "menu");
        bar = buildMenuBar(window);
        for (FX::FXWindow* w = bar->getFirst(); w != nullptr; w = w->getNext()) {
            auto* title = dynamic_cast<FX::FXMenuTitle*>(w);
            ASSERT_NE(title, nullptr);
            census.titles.push_back(title);
            census.walkPane(title->getMenu());
        }
    }
    void TearDown() override {
        destroyMenuPanes(bar);
        delete window;
    }

    TFXMenuCommand* commandEntry(FX::FXSelector id) const {
        for (TFXMenuCommand* c : census.commands)
            if (c->getSelector() == id) return c;
        return nullptr;
    }

    FX::FXMainWindow* window = nullptr;
    FX::FXMenuBar* bar = nullptr;
    MenuCensus census;
};

TEST_F(MenuBar, HoldsTheWholeOutlineAsFirstChild) {
    EXPECT_EQ(window->getFirst(), bar);
    EXPECT_EQ(census.titles.size(), kOutlineRootCount);
    EXPECT_EQ(census.cascades.size(), kOutlineGroupCount);
    EXPECT_EQ(census.commands.size(), kOutlineCommandCount);
    EXPECT_EQ(census.separators, static_cast<int>(kOutlineSeparatorCount));
}

// Commands stand in outline order, each sending its own id to the window.
TEST_F(MenuBar, EntriesSendTheirIdsToTheWindowInOutlineOrder) {
    std::vector<FX::FXSelector> outlineIds, menuIds;
    for (const OutlineEntry& e : kCommandOutline)
        if (e.kind == OutlineKind::Command) outlineIds.push_back(e.command);
    for (TFXMenuCommand* c : census.commands) {
        menuIds.push_back(c->getSelector());
        EXPECT_EQ(c->getTarget(), window);
        EXPECT_TRUE(c->isEnabled());
        EXPECT_FALSE(c->isChecked());
        EXPECT_EQ(c->getAccelKey(), 0u);
    }
    EXPECT_EQ(menuIds, outlineIds);
    for (FX::FXSelector absent : {5002, 5003, 5187, 5309, 5310, 5350, 5351, 5352, 5445})
        EXPECT_EQ(commandEntry(absent), nullptr) << absent;
}

// The mnemonic rule: titles, a sample of panes and the report labels.
TEST_F(MenuBar, MnemonicsFollowTheSlotRule) {
    const int titleIndexes[] = {0, 0, 0, 0, 0, 1, 0, 1};
    for (std::size_t i = 0; i < census.titles.size(); ++i)
        EXPECT_EQ(mnemonicOf(census.titles[i]).index, titleIndexes[i]) << i;
    const std::map<FX::FXSelector, int> entryIndexes = {
        {5014, 2}, {5015, 2}, {5034, 0}, {5035, 0}, {5036, 1}, {5069, 21}, {5389, 4},
        {5029, 0}, {5030, 0}, {5031, 1}, {5553, 0}, {5554, 0}, {5555, 1}};
    for (const auto& [id, index] : entryIndexes) {
        TFXMenuCommand* entry = commandEntry(id);
        ASSERT_NE(entry, nullptr) << id;
        EXPECT_EQ(mnemonicOf(entry).index, index) << id << " " << mnemonicOf(entry).label;
    }
}

// In each pane no two entries with labels of their own share a slot (report
// entries keep their marked letters whatever the pane holds).
TEST_F(MenuBar, NoTwoEntriesOfAPaneShareASlot) {
    auto checkDistinct = [](const std::vector<FX::FXMenuCaption*>& captions) {
        std::set<int> slots;
        for (FX::FXMenuCaption* c : captions) {
            const Mnemonic m = mnemonicOf(c);
            ASSERT_GE(m.index, 0) << m.label;
            const int slot = slotOf(m.label[m.index]);
            ASSERT_GE(slot, 0) << m.label;
            EXPECT_TRUE(slots.insert(slot).second) << m.label;
        }
    };
    std::set<FX::FXSelector> reportIds;
    for (const OutlineEntry& e : kCommandOutline)
        if (e.labelText != 0) reportIds.insert(e.command);
    EXPECT_EQ(reportIds.size(), 21u);
    std::vector<FX::FXMenuCaption*> titles(census.titles.begin(), census.titles.end());
    checkDistinct(titles);
    for (const auto& pane : census.panes) {
        std::vector<FX::FXMenuCaption*> own;
        for (FX::FXMenuCaption* c : pane) {
            auto* command = dynamic_cast<TFXMenuCommand*>(c);
            if (command == nullptr || !reportIds.count(command->getSelector())) own.push_back(c);
        }
        checkDistinct(own);
    }
}

// Choosing an entry reaches the window as SEL_COMMAND with the id and data 1.
class RecordingTarget : public FX::FXObject {
public:
    long handle(FX::FXObject*, FX::FXSelector sel, void* data) override {
        if (FXSELTYPE(sel) != FX::SEL_COMMAND) return 0;
        ids.push_back(FXSELID(sel));
        datas.push_back(reinterpret_cast<FX::FXuval>(data));
        return 1;
    }
    std::vector<FX::FXSelector> ids;
    std::vector<FX::FXuval> datas;
};

TEST_F(MenuBar, ChoosingAnEntrySendsItsId) {
    TFXMenuCommand* entry = commandEntry(5001);
    ASSERT_NE(entry, nullptr);
    RecordingTarget target;
    entry->setTarget(&target);
    entry->handle(entry, FXSEL(FX::SEL_COMMAND, FX::FXWindow::ID_ACCEL), nullptr);
    entry->setTarget(window);
    EXPECT_EQ(target.ids, std::vector<FX::FXSelector>{5001});
    EXPECT_EQ(target.datas, std::vector<FX::FXuval>{1});
}

}  // namespace
