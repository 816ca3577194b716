#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/message_bus.h"
#include "texts/text_catalogue.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "peer/work_dir.h"
#include "platform/tick.h"
#include "shell/main_window.h"
#include "shell/message_windows.h"
#include "toolkit/text_codec.h"

namespace {

constexpr uint8_t kType = 170;

class MessageWindows : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        shell = new FX::FXMainWindow(&testApp(), "owner");
        shell->create();
    }
    void TearDown() override {
        delete shell;
        testApp().flush(true);
        platform::setTickSource(nullptr);
    }
    void send(const std::string& text) {
        dispatchMessage(kType, 16408, 255, reinterpret_cast<const uint8_t*>(text.c_str()),
                        static_cast<int>(text.size()) + 1);
    }
    static std::string cell(TTxtMsgViewer* viewer, int row, int col) {
        const char* text = viewer->getCellText(row, col);
        return text != nullptr ? text : "<null>";
    }
    TTxtMsgWindow* dialogWindow(TOporMsgReceiver* stream, bool follow,
                                TTxtMsgWindow** pointer = nullptr) {
        return new TTxtMsgWindow(stream, shell, "Окно", "A|B|C", 120, false, follow, pointer);
    }

    platform::TestTickSource clock;
    ScopedWorkDir dir;
    FX::FXMainWindow* shell = nullptr;
};

// Cells split a line at "|" and 0xB3 as the layout is split; a one-column
// layout shows the whole line.
TEST_F(MessageWindows, CellsFollowTheLayout) {
    struct Case {
        const char* layout;
        const char* line;
        std::vector<std::string> cells;  // columns 0..3 of row 1
    };
    const std::string boxBar =
        "1\xB3"
        "2";
    const Case cases[] = {
        {"A|B|C", "1|2", {"1", "2", "", ""}},
        {"A|B|C", "1|2|3|4", {"1", "2", "3", "4"}},
        {"A|B|C", boxBar.c_str(), {"1", "2", "", ""}},
        {"A|B|C", "", {"", "", "", ""}},
        {"Один столбец", "1|2", {"1|2", "1|2", "1|2", "1|2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout + std::string(" / ") + c.line);
        TOporMsgReceiver stream(kType, 10, nullptr, 100);
        TTxtMsgViewer viewer(&stream, shell, c.layout, false);
        send(c.line);
        for (int col = 0; col < 4; ++col) EXPECT_EQ(cell(&viewer, 1, col), c.cells[col]) << col;
        EXPECT_EQ(cell(&viewer, 0, 0), "<null>");  // the title row draws its own labels
        EXPECT_EQ(cell(&viewer, 2, 0), "<null>");  // beyond the stream's lines
        EXPECT_EQ(viewer.getRowCount(), 2);
    }
}

// A new window reloads the stream from its log, so it shows the log's lines
// once each, and then follows every change of the stream.
TEST_F(MessageWindows, WindowShowsTheLogAndFollowsTheStream) {
    dir.write("ALARM.log", "one\ntwo\n");
    TOporMsgReceiver stream(kType, 100, "ALARM.log", 100);
    for (const char* t : {"three", "four", "five"}) send(t);
    TTxtMsgWindow* window = dialogWindow(&stream, true);
    TTxtMsgViewer* viewer = window->viewer();
    EXPECT_EQ(viewer->getRowCount(), 6);
    EXPECT_EQ(cell(viewer, 1, 0), "one");
    EXPECT_EQ(cell(viewer, 5, 0), "five");
    EXPECT_EQ(dir.read("ALARM.log"), "one\ntwo\nthree\nfour\nfive\n");

    send("six");
    EXPECT_EQ(viewer->getRowCount(), 7);
    EXPECT_EQ(cell(viewer, 6, 0), "six");
    stream.clearAndDeleteLog();
    EXPECT_EQ(viewer->getRowCount(), 1);
    EXPECT_EQ(cell(viewer, 1, 0), "<null>");
    delete window;
}

// Two windows on one stream both show a new line; destroying one leaves the
// other working and clears the owner's pointer of the one destroyed.
TEST_F(MessageWindows, TwoWindowsOnOneStream) {
    TOporMsgReceiver stream(kType, 100, "ALARM.log", 100);
    TTxtMsgWindow* listing = nullptr;
    TTxtMsgWindow* watching = nullptr;
    dialogWindow(&stream, false, &listing);
    dialogWindow(&stream, true, &watching);
    ASSERT_NE(listing, nullptr);
    ASSERT_NE(watching, nullptr);
    EXPECT_FALSE(listing->viewer()->follows());
    EXPECT_TRUE(watching->viewer()->follows());
    send("a|b");
    for (TTxtMsgWindow* w : {listing, watching}) EXPECT_EQ(cell(w->viewer(), 1, 1), "b");
    delete listing;
    EXPECT_EQ(listing, nullptr);
    send("c|d");
    EXPECT_EQ(watching->viewer()->getRowCount(), 3);
    EXPECT_EQ(cell(watching->viewer(), 2, 0), "c");
    delete watching;
    EXPECT_EQ(watching, nullptr);
    send("e");  // no viewer left to tell
    EXPECT_EQ(stream.buffer().count(), 3);
}

// A stream that goes away leaves its windows usable with empty cells; the
// windows then never touch it again.
TEST_F(MessageWindows, StreamDestroyedUnderAWindow) {
    auto* stream = new TOporMsgReceiver(kType, 100, "ALARM.log", 100);
    TTxtMsgWindow* window = dialogWindow(stream, true);
    send("line");
    window->show();
    delete stream;
    EXPECT_FALSE(window->viewer()->isAttached());
    EXPECT_EQ(cell(window->viewer(), 1, 0), "<null>");
    window->viewer()->streamChanged(vnLineAppended);  // a late notice does nothing
    window->dialog()->layout();
    testApp().repaint();
    delete window;
}

// A dialog is created on screen once and shown again on every call; closing
// it only hides it. A window in a frame has no dialog and show does nothing.
TEST_F(MessageWindows, ShowCreatesTheDialogOnce) {
    TOporMsgReceiver stream(kType, 100, nullptr, 100);
    TTxtMsgWindow* window = dialogWindow(&stream, false);
    window->setHelpTopic(70);
    ASSERT_NE(window->dialog(), nullptr);
    EXPECT_EQ(window->dialog()->helpPage, 70);
    EXPECT_EQ(window->dialog()->getTitle(), toUtf8("Окно"));
    EXPECT_FALSE(window->isCreated());
    window->show();
    EXPECT_TRUE(window->isCreated());
    EXPECT_TRUE(window->dialog()->shown());
    window->dialog()->handle(nullptr, FXSEL(FX::SEL_CLOSE, 0), nullptr);
    EXPECT_FALSE(window->dialog()->shown());
    FX::FXDialogBox* first = window->dialog();
    window->show();
    EXPECT_EQ(window->dialog(), first);
    EXPECT_TRUE(window->dialog()->shown());
    delete window;

    TTxtMsgWindow* framed = new TTxtMsgWindow(&stream, shell, "x", "A", 800, true, true, nullptr);
    EXPECT_EQ(framed->dialog(), nullptr);
    EXPECT_EQ(framed->outerFrame()->getParent(), shell);
    framed->setHelpTopic(5);
    framed->show();
    EXPECT_FALSE(framed->isCreated());
    delete framed;
    EXPECT_EQ(shell->numChildren(), 0);
}

// The toolkit deleting a dialog before its window leaves the window safe to
// delete.
TEST_F(MessageWindows, DialogDeletedFirst) {
    TOporMsgReceiver stream(kType, 100, nullptr, 100);
    TTxtMsgWindow* window = dialogWindow(&stream, false);
    window->show();
    delete window->dialog();
    EXPECT_EQ(window->dialog(), nullptr);
    send("after");
    delete window;
}

// The main window's list fills its message frame, is headed by the switch-on
// line and shows "sys.log" with the lines of this run.
TEST(MainMessageList, ShowsTheOperatorLog) {
    ScopedWorkDir dir;
    RecordingBoxes boxes;
    dir.write("sys.log", "earlier\n");
    auto* window = new TTalvor(&testApp());
    window->create();
    TTxtMsgWindow* list = window->messageList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->dialog(), nullptr);
    EXPECT_EQ(list->outerFrame()->getParent(), window->messageListFrame());
    TTxtMsgViewer* viewer = list->viewer();
    EXPECT_TRUE(viewer->follows());
    EXPECT_EQ(viewer->getColumnCount(), 1);
    EXPECT_EQ(viewer->getColumnTitle(0).rfind("Операторский компьютер включён (OR): ", 0), 0u);
    EXPECT_EQ(viewer->getTable()->getFont(), fixedPitchFont);
    EXPECT_STREQ(viewer->getCellText(1, 0), "earlier");
    // The switch-on lines are delivered locally: rule, text, rule.
    EXPECT_EQ(viewer->getRowCount(), 5);
    EXPECT_EQ(std::string(viewer->getCellText(3, 0)), viewer->getColumnTitle(0));
    window->logSwitchOff();
    EXPECT_FALSE(viewer->isAttached());
    delete window;
    testApp().flush(true);
}

}  // namespace
