#include <string>

#include <gtest/gtest.h>

#include <fox-1.6/fx.h>
#include <fox-1.6/fxkeys.h>

#include "mml/progress_dialog.h"
#include "mml/progress_window.h"
#include "mml/script_fixture.h"
#include "mml/script_texts.h"
#include "peer/test_app.h"
#include "toolkit/text_codec.h"

namespace {

// An owner that tells when it is destroyed.
class Owner : public KProzorPracenjaProcesa {
public:
    Owner(int lines, bool* destroyed)
        : KProzorPracenjaProcesa("Ход работы", 68, nullptr, lines), destroyed_(destroyed) {}
    ~Owner() override { *destroyed_ = true; }

private:
    bool* destroyed_;
};

ProzorPracenjaProcesa_Impl* dialogOf(const KProzorPracenjaProcesa& owner) {
    return dynamic_cast<ProzorPracenjaProcesa_Impl*>(owner.window());
}

// Lets windows that were let go remove themselves (a few passes of the
// event loop that never wait).
void settleWindows() {
    for (int i = 0; i < 20; ++i) testApp().runOneEvent(false);
}

void pressKey(FX::FXWindow* window, FX::FXuint code) {
    FX::FXEvent event;
    event.type = FX::SEL_KEYPRESS;
    event.code = code;
    window->handle(window, FXSEL(FX::SEL_KEYPRESS, 0), &event);
}

// Progress windows with their dialogs on the screen.
class ProgressDialogs : public ScriptTest {
protected:
    void SetUp() override {
        testApp();
        ScriptTest::SetUp();
        installProgressDialogs(nullptr);
    }
    void TearDown() override {
        ScriptTest::TearDown();
        setProgressViewFactory(nullptr);
        settleWindows();
    }
};

}  // namespace

TEST(ProgressWindow, LinesWithinTheirCount) {
    const struct {
        int requested, count;
    } cases[] = {{-3, 1}, {0, 1}, {1, 1}, {7, 7}, {10, 10}, {12, 10}};
    for (const auto& c : cases) {
        KProzorPracenjaProcesa window("t", 68, nullptr, c.requested);
        EXPECT_EQ(window.lineCount(), c.count) << c.requested;
        EXPECT_EQ(window.setLine("first", 1), 0);
        EXPECT_EQ(window.setProgressLine("last", c.count), 0);
        EXPECT_EQ(window.setLine("x", 0), -1);
        EXPECT_EQ(window.setProgressLine("x", c.count + 1), -1);
        EXPECT_EQ(window.line(c.count), "last");
        EXPECT_EQ(window.line(1), c.count == 1 ? "last" : "first");
        EXPECT_EQ(window.line(0), "");
    }
}

TEST_F(ProgressDialogs, ShowsItsLinesAndClosesWithItsOwner) {
    bool destroyed = false;
    auto* owner = new Owner(12, &destroyed);
    ProzorPracenjaProcesa_Impl* dialog = dialogOf(*owner);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->shown());
    EXPECT_EQ(dialog->getTitle(), toUtf8("Ход работы"));
    EXPECT_EQ(dialog->lineCount(), 10);
    EXPECT_EQ(dialog->getWidth(), 800);
    owner->setLine("Строка два", 2);
    EXPECT_EQ(dialog->lineLabel(2)->getText(), toUtf8("Строка два"));
    EXPECT_EQ(dialog->lineLabel(1)->getText(), FX::FXString(""));
    EXPECT_EQ(dialog->lineLabel(11), nullptr);

    // The close box: no script runs, so it closes without asking.
    dialog->close(TRUE);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(dialog->shown());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ProgressDialogs, GoesWhenItsOwnerIsDestroyed) {
    bool destroyed = false;
    auto* owner = new Owner(3, &destroyed);
    ASSERT_NE(dialogOf(*owner), nullptr);
    delete owner;  // the dialog goes with it; the sanitizer sees any use after
    settleWindows();
}

TEST_F(ProgressDialogs, EscapeOnARunningScriptAsksFirst) {
    dir.write("a.mml", "test: a;\n");
    startMmlScript("a.mml");
    ProzorPracenjaProcesa_Impl* dialog = dialogOf(*scriptRunner());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->getTitle(), toUtf8(kScriptText21030));
    EXPECT_EQ(dialog->lineLabel(1)->getText(), FX::FXString("a.mml"));

    boxes.answer = 0;
    pressKey(dialog, FX::KEY_Escape);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, kStopScriptQuestion);
    EXPECT_TRUE(isScriptRunning());
    EXPECT_TRUE(dialog->shown());

    boxes.answer = 1;
    pressKey(dialog, FX::KEY_Escape);
    EXPECT_FALSE(isScriptRunning());
    EXPECT_EQ(scriptRunner(), nullptr);
    EXPECT_FALSE(dialog->shown());
    step(5000);
    EXPECT_TRUE(testCalls().empty());
}

TEST_F(ProgressDialogs, EndedScriptShowsItsOutcomeAndClosesWithoutAsking) {
    runScript("a.mml", "test: a;\n");
    ProzorPracenjaProcesa_Impl* dialog = dialogOf(*scriptRunner());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->lineLabel(3)->getText(), toUtf8(fmt(kScriptText21029, {"a.mml"})));
    dialog->close(TRUE);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(scriptRunner(), nullptr);
}

TEST_F(ProgressDialogs, StopCommandRemovesTheWindow) {
    dir.write("a.mml", "test: a;\n");
    startMmlScript("a.mml");
    ASSERT_NE(dialogOf(*scriptRunner()), nullptr);
    stopMmlScript();
    EXPECT_EQ(scriptRunner(), nullptr);
}
