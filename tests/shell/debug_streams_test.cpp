#include <algorithm>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

#include "commands/command_dispatch.h"
#include "link/message_bus.h"
#include "texts/text_catalogue.h"
#include "peer/modal_driver.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "peer/work_dir.h"
#include "platform/local_clock.h"
#include "platform/tick.h"
#include "shell/debug_streams.h"
#include "toolkit/text_codec.h"
#include "utils/debug_trace.h"
#include "utils/files.h"

namespace {

class DebugStreams : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        localClock.current = {2006, 3, 5, 14, 7, 9, 0};
        platform::setLocalClock(&localClock);
        testApp();
        ASSERT_EQ(createDebugReceivers(), 0);
    }
    void TearDown() override {
        deleteDebugReceivers();
        testApp().flush(true);
        platform::setLocalClock(nullptr);
        platform::setTickSource(nullptr);
    }
    static void send(uint8_t type, uint8_t code, const std::string& bytes) {
        dispatchMessage(type, 1234, code, reinterpret_cast<const uint8_t*>(bytes.data()),
                        static_cast<int>(bytes.size()));
    }

    platform::TestTickSource clock;
    platform::TestLocalClock localClock;
    RecordingBoxes boxes;
    ScopedWorkDir dir;
};

// Every message of the stream's type becomes a line stamped with its arrival,
// whatever its code and whether or not its text ends within the payload.
TEST_F(DebugStreams, LinesAreStampedWithTheirArrival) {
    struct Case {
        uint8_t type;
        uint8_t code;
        std::string payload;
        std::string line;
    };
    const Case cases[] = {
        {13, 255, std::string("ABC", 4), "05.03.06 14:07:09 ABC"},
        {13, 0, "no end", "05.03.06 14:07:09 no end"},
        {13, 7, std::string("cut\0rest", 8), "05.03.06 14:07:09 cut"},
        {219, 1, std::string("Блокировка", 11), "05.03.06 14:07:09 Блокировка"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        TDebugReceiver* stream = c.type == 13 ? debugStream : secondDebugStream;
        const int before = stream->buffer().count();
        send(c.type, c.code, c.payload);
        ASSERT_EQ(stream->buffer().count(), before + 1);
        EXPECT_STREQ(stream->buffer().textAt(before), c.line.c_str());
    }
    // A text too long for the line keeps its first characters.
    send(13, 0, std::string(400, 'x'));
    EXPECT_EQ(std::string(debugStream->buffer().textAt(3)).size(),
              static_cast<size_t>(kDebugLineBytes - 1));
}

// The log waits for 10,000 lines, then takes them all at once; trace texts
// of the replication never reach it.
TEST_F(DebugStreams, LogIsWrittenInBatchesOfTenThousand) {
    writeDebugTrace("SYNC_ERR 1");
    for (int i = 0; i < 9999; ++i) send(13, 0, "line");
    EXPECT_EQ(fileExists("debug.log"), 0);
    send(13, 0, "last");
    const std::string log = dir.read("debug.log");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 10000);
    EXPECT_EQ(log.substr(log.size() - 23), "05.03.06 14:07:09 last\n");
    EXPECT_EQ(log.find("SYNC_ERR"), std::string::npos);
    EXPECT_EQ(debugStream->buffer().unwrittenCount(), 0);
}

// The copy reports each outcome with its text.
TEST_F(DebugStreams, CopyReportsItsOutcome) {
    struct Case {
        const char* name;
        bool lines;
        bool drive;
        std::string text;
    };
    const Case cases[] = {
        {"no log", false, true, textById(26277)},
        {"no drive", true, false, textById(26278)},
        {"copied", true, true, "DEBUG сообщения скопированы в A:\\DEBUG.LOG"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        deleteFile("debug.log");
        debugStream->clearAndDeleteLog();
        if (c.lines) send(13, 0, "copied line");
        if (c.drive) makeDirectory("A");
        boxes.boxes.clear();
        EXPECT_EQ(dispatchCommand(5151), 1);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Information);
        EXPECT_EQ(boxes.boxes[0].text, c.text);
        if (c.lines && c.drive) {
            EXPECT_EQ(dir.read("A/DEBUG.LOG"), dir.read("debug.log"));
        }
        deleteFile("A/DEBUG.LOG");
        rmdir("A");
    }
}

// Clearing asks first; on yes the stream is emptied and its log deleted.
TEST_F(DebugStreams, ClearAsksFirst) {
    for (int answer : {0, 1}) {
        SCOPED_TRACE(answer);
        send(13, 0, "x");
        debugStream->flush();
        boxes.boxes.clear();
        boxes.answer = answer;
        EXPECT_EQ(dispatchCommand(5150), 1);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].text, "Удаление DEBUG сообщений?");
        EXPECT_EQ(debugStream->buffer().count() == 0, answer == 1);
        EXPECT_EQ(fileExists("debug.log") == 0, answer == 1);
    }
}

std::vector<TTxtMsgDialog*> dialogs() {
    return childrenOf<TTxtMsgDialog>(testApp().getRootWindow());
}

// Each view or watch command opens one more window, shown at once.
TEST_F(DebugStreams, EveryCommandOpensAWindow) {
    struct Case {
        uint16_t command;
        bool watching;
        bool second;
    };
    const Case cases[] = {{5148, false, false}, {5149, true, false}, {5175, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        TTxtMsgReceiver* stream = c.second ? secondDebugStream : debugStream;
        const int lines = stream->buffer().count() + 1;
        send(c.second ? 219 : 13, 0, "seen");
        for (int round = 0; round < 2; ++round) {
            const auto before = dialogs();
            EXPECT_EQ(dispatchCommand(c.command), 1);
            const auto after = dialogs();
            ASSERT_EQ(after.size(), before.size() + 1);
            TTxtMsgDialog* box = nullptr;
            for (TTxtMsgDialog* d : after)
                if (std::find(before.begin(), before.end(), d) == before.end()) box = d;
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(box->shown());
            EXPECT_EQ(box->getTitle(), toUtf8(textById(c.watching ? 26281 : 26282)));
        }
        // Each window reloaded the log: every line is there once.
        EXPECT_EQ(stream->buffer().count(), lines);
    }
}

}  // namespace
