#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <fox-1.6/fxkeys.h>
#include <gtest/gtest.h>

#include "commands/command_dispatch.h"
#include "commands/command_table.h"
#include "commands/executors/local_routines.h"
#include "mml/mml_executors.h"
#include "texts/text_catalogue.h"
#include "mml/command_handlers.h"
#include "mml/mml_registry.h"
#include "peer/modal_driver.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "peer/work_dir.h"
#include "shell/about_window.h"
#include "shell/main_window.h"
#include "toolkit/accelerators.h"
#include "toolkit/text_codec.h"

namespace {

std::vector<uint16_t> dispatched;
void recordDispatch(uint16_t id) {
    dispatched.push_back(id);
}

using Step = ModalDriver::Step;

// The about window over a real main window; commands it sends stop at a
// recording dispatcher behind the rights gate.
class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = new TTalvor(&testApp());
        mainWindow = window;
        window->create();
        setCommandDispatcher(recordDispatch);
        dispatched.clear();
    }
    void TearDown() override {
        setCommandDispatcher(nullptr);
        window->logSwitchOff();
        delete window;
        testApp().flush(true);
    }
    // Runs the about window as command 5014 does while the steps drive it;
    // true when each step found it modal.
    bool runAbout(std::vector<Step> steps) {
        ModalDriver driver;
        bool allAbout = true;
        for (Step& s : steps)
            driver.then([s, &allAbout](FX::FXWindow* modal) {
                allAbout = allAbout && dynamic_cast<KOProgramu*>(modal) != nullptr;
                s(modal);
            });
        driver.start();
        runLocalRoutine(LocalRoutine::showAboutWindow, nullptr);
        EXPECT_EQ(driver.pending(), 0u);
        return allAbout;
    }

    ScopedWorkDir dir;
    RecordingBoxes boxes;
    TTalvor* window = nullptr;
};

std::vector<FX::FXButton*> buttonsOf(FX::FXWindow* about) {
    return childrenOf<FX::FXButton>(about);
}

// Title, border only, pictures, fonts, title line and its tip, the help
// button and the six shortcuts sending to the main window, the OK button.
TEST_F(AboutWindow, Contents) {
    KOProgramu about(window, textById(21117), FX::DECOR_BORDER, 0, 0, 0, 0, 10, 10, 10, 10, 4, 4);
    about.create();
    EXPECT_EQ(about.getTitle(), toUtf8(textById(21117)));
    EXPECT_EQ(about.getDecorations(), FX::DECOR_BORDER);

    std::vector<std::pair<int, int>> pictures;
    for (FX::FXLabel* label : childrenOf<FX::FXLabel>(&about))
        if (label->getIcon() != nullptr && dynamic_cast<FX::FXButton*>(label) == nullptr)
            pictures.emplace_back(label->getIcon()->getWidth(), label->getIcon()->getHeight());
    EXPECT_EQ(pictures, (std::vector<std::pair<int, int>>{{682, 107}, {160, 299}}));

    FX::FXFontDesc normal, title, small;
    testApp().getNormalFont()->getFontDesc(normal);
    about.titleFont()->getFontDesc(title);
    about.smallFont()->getFontDesc(small);
    EXPECT_EQ(title.size, normal.size * 2);
    EXPECT_EQ(small.size, normal.size * 2 / 3);

    FX::FXLabel* titleLine = findChild<FX::FXLabel>(&about, "KELM OR  2.82");
    ASSERT_NE(titleLine, nullptr);
    EXPECT_EQ(titleLine->getFont(), about.titleFont());
    EXPECT_EQ(titleLine->getTextColor(), FXRGB(0, 75, 175));
    EXPECT_EQ(titleLine->getTipText(),
              toUtf8((std::string(textById(21117)) + "\n" + textById(21116) + " 2.82").c_str()));

    const std::vector<FX::FXButton*> buttons = buttonsOf(&about);
    ASSERT_EQ(buttons.size(), 8u);
    std::vector<FX::FXSelector> sent;
    for (std::size_t i = 0; i + 1 < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->getTarget(), window);
        sent.push_back(buttons[i]->getSelector());
        const char* text = i == 0 ? textById(25641) : commandName(buttons[i]->getSelector());
        EXPECT_EQ(buttons[i]->getText(), toUtf8(text));
    }
    EXPECT_EQ(sent, (std::vector<FX::FXSelector>{5598, 5020, 5023, 5016, 5276, 5272, 5570}));
    FX::FXButton* ok = buttons.back();
    EXPECT_EQ(ok->getTarget(), &about);
    EXPECT_EQ(ok->getIcon(), window->appIcon);
    std::string okText = convertTildeAccel(textById(21401));
    EXPECT_EQ(ok->getText(), toUtf8(okText.erase(okText.find('&'), 1).c_str()));  // & marks the key
    EXPECT_TRUE(ok->isDefault());
}

// Each way of closing ends the modal run; F1 and the shortcut buttons send
// their commands while the window stays open.
TEST_F(AboutWindow, ClosesAndSendsCommandsWhileOpen) {
    const Step enter = [](FX::FXWindow* w) { pressKey(w, FX::KEY_Return); };
    const Step escape = [](FX::FXWindow* w) { pressKey(w, FX::KEY_Escape); };
    const Step okButton = [](FX::FXWindow* w) { clickButton(buttonsOf(w).back()); };
    const Step closeBox = [](FX::FXWindow* w) { w->handle(w, FXSEL(FX::SEL_CLOSE, 0), nullptr); };
    const Step f1 = [](FX::FXWindow* w) { pressKey(w, FX::KEY_F1); };
    const Step alarmList = [](FX::FXWindow* w) { clickButton(buttonsOf(w)[2]); };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<uint16_t> sent;
    };
    const Case cases[] = {
        {"Enter", {enter}, {}},
        {"Escape", {escape}, {}},
        {"OK button", {okButton}, {}},
        {"window manager", {closeBox}, {}},
        {"F1 then Enter", {f1, enter}, {5598}},
        {"alarm list then OK", {alarmList, okButton}, {5023}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dispatched.clear();
        EXPECT_TRUE(runAbout(c.steps));
        EXPECT_EQ(dispatched, c.sent);
        EXPECT_EQ(testApp().getModalWindow(), nullptr);
    }
}

// Once the loop runs, the splash opens by itself; Enter closes it for good.
TEST_F(AboutWindow, SplashOpensOnceAfterStart) {
    ModalDriver driver;
    bool splash = false;
    driver.then([&splash](FX::FXWindow* modal) {
        splash = dynamic_cast<KOProgramu*>(modal) != nullptr;
        pressKey(modal, FX::KEY_Return);
    });
    driver.start();
    window->armSplashTimeout();
    while (driver.pending() > 0) testApp().runOneEvent();
    EXPECT_TRUE(splash);
    EXPECT_FALSE(testApp().hasTimeout(window, TTalvor::ID_TIMEOUT_SPLASH));
    EXPECT_EQ(testApp().getModalWindow(), nullptr);
}

// Given as MML, the about command returns once the operator closes the
// window; an argument refuses it unopened.
TEST_F(AboutWindow, FromMmlAsFromTheMenu) {
    installCommandExecutors();
    registerCommandHandlers();
    const std::string title = std::string("\"") + findCommand(5014)->title + "\"";
    struct Case {
        std::string statement;
        bool opens;
    };
    const Case cases[] = {{title + ";", true}, {title + ":;", false}};
    for (const Case& c : cases) {
        ModalDriver driver;
        bool opened = false;
        if (c.opens)
            driver.then([&opened](FX::FXWindow* modal) {
                opened = dynamic_cast<KOProgramu*>(modal) != nullptr;
                pressKey(modal, FX::KEY_Escape);
            });
        driver.start();
        executeMmlCommand(c.statement.c_str());
        EXPECT_EQ(opened, c.opens) << c.statement;
        EXPECT_EQ(driver.pending(), 0u);
    }
    setCommandExecutor(nullptr);
    setLocalActionRunner(nullptr);
}

}  // namespace
