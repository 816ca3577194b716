#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "link/udp_transport.h"
#include "peer/recording_boxes.h"
#include "peer/recording_receiver.h"
#include "peer/work_dir.h"
#include "platform/shell.h"

namespace {

// A router whose route to the exchange is local, so that what is "sent" to
// 16408 arrives on the bus too, in order with the local deliveries.
class TextLines : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("modem.ini",
                  "[Usmeravanja]\nBrojUsmeravanja=1\n[Usmeravanja\\Usmerenje1]\n"
                  "Usmeravanje=Lokal\nDPC=0\n");
        udpLocalPort = 0;
        createRouter();
    }
    void TearDown() override {
        destroyRouter();
        udpLocalPort = 6666;
    }
    ScopedWorkDir dir;
    RecordingReceiver rec{136};
};

TEST_F(TextLines, FlagsChooseLocalSentOrBothSendFirst) {
    struct Case {
        uint8_t flags;
        std::vector<std::string> expected;  // payloads seen on the bus, in order
    } cases[] = {
        {0x01, {"line"}},
        {0x42, {std::string(1, '\x42') + "line"}},
        {0x43, {std::string(1, '\x42') + "line", "line"}},
    };
    for (const auto& c : cases) {
        rec.messages.clear();
        postTextLine(c.flags, "line", 136);
        std::vector<std::string> seen;
        for (const auto& m : rec.messages) {
            EXPECT_EQ(m.key, 16408);
            EXPECT_EQ(m.code, 255);
            seen.push_back(m.text());
        }
        EXPECT_EQ(seen, c.expected) << int(c.flags);
    }
    rec.messages.clear();
    postCodedTextLine(1, "21119", 136);
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].code, 254);
}

TEST_F(TextLines, LongTextsAreCutAt256OrSplitInto75s) {
    const std::string text(300, 'a');
    postTextLine(1, text.c_str(), 136);
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].text().size(), 256u);
    EXPECT_EQ(rec.messages[0].payload.size(), 257u);  // with its NUL
    rec.messages.clear();
    postLongText(1, text.c_str(), 136);
    ASSERT_EQ(rec.messages.size(), 4u);
    for (const auto& m : rec.messages) EXPECT_EQ(m.text().size(), 75u);
}

std::vector<uint16_t> commandsRun;
void recordCommand(uint16_t id) {
    commandsRun.push_back(id);
}

TEST(RemoteCommands, ReachTheMainWindowHandlerShortOnesIgnored) {
    commandsRun.clear();
    setMainWindowCommandHandler(recordCommand);
    createORInteractor();
    const uint8_t exitCommand[] = {0x97, 0x13};  // 5015
    dispatchMessage(136, 16408, 253, exitCommand, 2);
    dispatchMessage(136, 28674, 253, exitCommand, 1);
    dispatchMessage(136, 16408, 255, exitCommand, 2);
    destroyORInteractor();
    dispatchMessage(136, 16408, 253, exitCommand, 2);
    setMainWindowCommandHandler(nullptr);
    EXPECT_EQ(commandsRun, std::vector<uint16_t>{5015});
}

TEST(HelpPages, PathsAndFailure) {
    platform::RecordingShell shell;
    platform::setShell(&shell);
    RecordingBoxes boxes;
    openHelpPage(0);
    openHelpPage(70);
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"help/index.htm", "help/f42.htm"}));
    EXPECT_TRUE(boxes.boxes.empty());
    shell.succeed = false;
    openHelpPage(32);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Инструкция не существует");
    platform::setShell(nullptr);
}

// The system shell with a stand-in opener: a page that is not there gives
// 25305 whether or not an opener is installed (nothing is started for it);
// a page that is there but no opener gives a box that says so; a page and
// an opener give no box, and the opener is started once, with the page.
TEST(HelpPages, MissingPageAndMissingOpener) {
    ScopedWorkDir dir;
    ::mkdir("bin", 0755);
    dir.write("bin/xdg-open", "#!/bin/sh\necho \"$1\" >> '" + dir.path() + "/opened'\n");
    ::chmod("bin/xdg-open", 0755);
    ::mkdir("empty", 0755);
    const std::string oldPath = getenv("PATH") != nullptr ? getenv("PATH") : "";
    const struct {
        const char* name;
        bool page;
        const char* path;  // PATH while the page opens
        const char* box;   // null: none
    } cases[] = {
        {"no page, opener", false, "bin", "Инструкция не существует"},
        {"no page, no opener", false, "empty", "Инструкция не существует"},
        {"page, no opener", true, "empty", kNoHelpOpenerText},
        {"page, opener", true, "bin", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ::unlink(helpPagePath(0).c_str());
        if (c.page) {
            ::mkdir(textById(26894), 0755);
            dir.write(helpPagePath(0), "<html></html>");
        }
        RecordingBoxes boxes;
        ::setenv("PATH", (dir.path() + "/" + c.path).c_str(), 1);
        openHelpPage(0);
        ::setenv("PATH", oldPath.c_str(), 1);
        ASSERT_EQ(boxes.boxes.size(), c.box != nullptr ? 1u : 0u);
        if (c.box != nullptr) {
            EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Error);
            EXPECT_EQ(boxes.boxes[0].text, c.box);
        }
    }
    // The opener runs detached: waiting for it is the one place this test polls.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (dir.read("opened").empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(dir.read("opened"), helpPagePath(0) + "\n");
}

TEST(StripTildes, RemovesEveryMark) {
    EXPECT_STREQ(stripTildes("~С~охрани"), "Сохрани");
    EXPECT_STREQ(stripTildes(""), "");
}

}  // namespace
