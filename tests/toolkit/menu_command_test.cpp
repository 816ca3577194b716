#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <fox-1.6/fxkeys.h>

#include "peer/test_app.h"
#include "toolkit/menu_command.h"

namespace {

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

// An item in a pane owned by a main window, as the menu bar makes them.
class MenuCommand : public ::testing::Test {
protected:
    void SetUp() override {
        owner = new FX::FXMainWindow(&testApp(), "owner");
        pane = new FX::FXMenuPane(owner);
        owner->create();
        pane->create();
    }
    void TearDown() override {
        delete pane;
        delete owner;
    }
    TFXMenuCommand* make(const char* text) {
        auto* item = new TFXMenuCommand(pane, text, nullptr, &target, 5123, 0);
        item->create();
        return item;
    }
    long send(TFXMenuCommand* item, FX::FXuint type, FX::FXSelector id, FX::FXuint key = 0) {
        FX::FXEvent ev;
        ev.code = key;
        return item->handle(item, FXSEL(type, id), &ev);
    }

    FX::FXMainWindow* owner = nullptr;
    FX::FXMenuPane* pane = nullptr;
    RecordingTarget target;
};

// A hot-key release fires only after exactly one press since the last release.
TEST_F(MenuCommand, HotKeyReleaseFiresAfterExactlyOnePress) {
    struct Case {
        const char* name;
        int presses;
        bool enabled;
        long releaseHandled;
        std::size_t fires;
    };
    const Case cases[] = {
        {"one press", 1, true, 1, 1},
        {"held and repeating", 3, true, 0, 0},
        {"release without press", 0, true, 0, 0},
        {"disabled, counted", 1, false, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TFXMenuCommand* item = make("&Item");
        if (!c.enabled) item->disable();
        target.ids.clear();
        for (int i = 0; i < c.presses; ++i)
            EXPECT_EQ(send(item, FX::SEL_KEYPRESS, FX::FXWindow::ID_HOTKEY), 1);
        EXPECT_EQ(item->pendingHotKeyPresses(), c.presses);
        EXPECT_EQ(send(item, FX::SEL_KEYRELEASE, FX::FXWindow::ID_HOTKEY), c.releaseHandled);
        EXPECT_EQ(target.ids.size(), c.fires);
        EXPECT_EQ(item->pendingHotKeyPresses(), 0);
        delete item;
    }
}

// The accelerator text is registered with the pane's owner and fires
// without any menu; a disabled item's accelerator does nothing.
TEST_F(MenuCommand, AcceleratorOfTheSecondField) {
    TFXMenuCommand* item = make("La&bel\tCtl-L\tSome help");
    const FX::FXHotKey key = FX::parseAccel("Ctl-L");
    EXPECT_EQ(item->getText(), "Label");
    EXPECT_EQ(item->getAccelText(), "Ctl-L");
    EXPECT_EQ(item->getHelpText(), "Some help");
    EXPECT_EQ(item->getAccelKey(), key);
    EXPECT_EQ(owner->getAccelTable()->targetOfAccel(key), item);

    EXPECT_EQ(send(item, FX::SEL_COMMAND, FX::FXWindow::ID_ACCEL), 1);
    EXPECT_EQ(target.ids, std::vector<FX::FXSelector>{5123});
    EXPECT_EQ(target.datas, std::vector<FX::FXuval>{1});
    EXPECT_FALSE(pane->shown());
    item->disable();
    EXPECT_EQ(send(item, FX::SEL_COMMAND, FX::FXWindow::ID_ACCEL), 0);
    EXPECT_EQ(target.ids.size(), 1u);

    delete item;
    EXPECT_FALSE(owner->getAccelTable()->hasAccel(key));

    TFXMenuCommand* plain = make("Plain");
    EXPECT_EQ(plain->getAccelKey(), 0u);
    EXPECT_TRUE(plain->getAccelText().empty());
    delete plain;
}

// A mouse release fires only on a highlighted item; Space and Enter fire on
// release; other keys and a disabled item are not handled.
TEST_F(MenuCommand, ButtonsAndKeys) {
    TFXMenuCommand* item = make("Item");
    EXPECT_EQ(send(item, FX::SEL_LEFTBUTTONRELEASE, 0), 1);
    EXPECT_TRUE(target.ids.empty());
    send(item, FX::SEL_ENTER, 0);
    EXPECT_TRUE(item->isActive());
    EXPECT_EQ(send(item, FX::SEL_LEFTBUTTONRELEASE, 0), 1);
    EXPECT_EQ(target.ids.size(), 1u);
    send(item, FX::SEL_LEAVE, 0);
    EXPECT_FALSE(item->isActive());

    struct KeyCase {
        FX::FXuint key;
        long handled;
    };
    for (const KeyCase& k :
         {KeyCase{FX::KEY_space, 1}, KeyCase{FX::KEY_KP_Space, 1}, KeyCase{FX::KEY_Return, 1},
          KeyCase{FX::KEY_KP_Enter, 1}, KeyCase{FX::KEY_a, 0}}) {
        target.ids.clear();
        EXPECT_EQ(send(item, FX::SEL_KEYPRESS, 0, k.key), k.handled) << k.key;
        EXPECT_EQ(send(item, FX::SEL_KEYRELEASE, 0, k.key), k.handled) << k.key;
        EXPECT_EQ(target.ids.size(), static_cast<std::size_t>(k.handled)) << k.key;
    }

    item->disable();
    target.ids.clear();
    EXPECT_EQ(send(item, FX::SEL_LEFTBUTTONPRESS, 0), 0);
    EXPECT_EQ(send(item, FX::SEL_LEFTBUTTONRELEASE, 0), 0);
    EXPECT_EQ(send(item, FX::SEL_KEYRELEASE, 0, FX::KEY_Return), 0);
    EXPECT_TRUE(target.ids.empty());
    delete item;
}

TEST_F(MenuCommand, CheckStateThroughItsMessages) {
    TFXMenuCommand* item = make("Item");
    FX::FXint value = 7;
    auto get = [&] {
        FX::FXint out = -1;
        item->handle(item, FXSEL(FX::SEL_COMMAND, FX::FXWindow::ID_GETINTVALUE), &out);
        return out;
    };
    EXPECT_EQ(get(), 0);
    item->handle(item, FXSEL(FX::SEL_COMMAND, FX::FXWindow::ID_CHECK), nullptr);
    EXPECT_EQ(get(), 1);
    item->handle(item, FXSEL(FX::SEL_COMMAND, FX::FXWindow::ID_UNCHECK), nullptr);
    EXPECT_FALSE(item->isChecked());
    item->handle(item, FXSEL(FX::SEL_COMMAND, FX::FXWindow::ID_SETVALUE), (void*)(FX::FXival)1);
    EXPECT_TRUE(item->isChecked());
    value = 0;
    item->handle(item, FXSEL(FX::SEL_COMMAND, FX::FXWindow::ID_SETINTVALUE), &value);
    EXPECT_EQ(get(), 0);
    delete item;
}

// Without an icon: 22 + label + 16, and 5 more plus the accelerator text
// when there is one.
TEST_F(MenuCommand, DefaultWidth) {
    TFXMenuCommand* plain = make("Some label");
    FX::FXFont* font = plain->getFont();
    const FX::FXint tw = font->getTextWidth("Some label", 10);
    const FX::FXint aw = font->getTextWidth("Ctl-K", 5);
    EXPECT_EQ(plain->getDefaultWidth(), 22 + tw + 16);
    TFXMenuCommand* withAccel = make("Some label\tCtl-K");
    EXPECT_EQ(withAccel->getDefaultWidth(), 22 + tw + 5 + aw + 16);
    EXPECT_EQ(withAccel->getDefaultHeight(), font->getFontHeight() + 5);
    delete plain;
    delete withAccel;
}

}  // namespace

// A pane and its items reach the display only when the pane first pops up,
// through its title's post as an operator's click does; after that it
// behaves as any pane.
TEST(LazyMenuPane, IsMadeWhenItFirstPopsUp) {
    auto* owner =
        new FX::FXMainWindow(&testApp(), "owner", nullptr, nullptr, FX::DECOR_ALL, 0, 0, 300, 200);
    auto* bar = new FX::FXMenuBar(owner, FX::LAYOUT_FILL_X);
    auto* pane = new TLazyMenuPane(owner);
    auto* title = new FX::FXMenuTitle(bar, "Title", nullptr, pane);
    auto* item = new TFXMenuCommand(pane, "Item", nullptr, nullptr, 5123, 0);
    owner->create();
    pane->create();
    owner->show(FX::PLACEMENT_DEFAULT);
    EXPECT_FALSE(pane->wanted());
    EXPECT_EQ(pane->id(), 0u);
    EXPECT_EQ(item->id(), 0u);

    title->handle(title, FXSEL(FX::SEL_COMMAND, FX::FXMenuTitle::ID_POST), nullptr);
    EXPECT_TRUE(pane->wanted());
    EXPECT_NE(pane->id(), 0u);
    EXPECT_NE(item->id(), 0u);
    EXPECT_TRUE(pane->shown());

    title->handle(title, FXSEL(FX::SEL_COMMAND, FX::FXMenuTitle::ID_UNPOST), nullptr);
    EXPECT_FALSE(pane->shown());
    title->handle(title, FXSEL(FX::SEL_COMMAND, FX::FXMenuTitle::ID_POST), nullptr);
    EXPECT_TRUE(pane->shown());
    title->handle(title, FXSEL(FX::SEL_COMMAND, FX::FXMenuTitle::ID_UNPOST), nullptr);
    delete pane;
    delete owner;
}
