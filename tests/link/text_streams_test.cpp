#include <sys/stat.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/message_bus.h"
#include "link/timer_pool.h"
#include "peer/work_dir.h"
#include "platform/tick.h"
#include "link/text_streams.h"

namespace {

class RecordingViewer : public ITxtMsgViewer {
public:
    void streamChanged(int code) override { codes.push_back(code); }
    void streamDetached() override { detached = true; }
    std::vector<int> codes;
    bool detached = false;
};

std::vector<std::string> lines(const TTxtMsgBuffer& b) {
    std::vector<std::string> out;
    for (int i = 0; i < b.count(); ++i) out.push_back(b.textAt(i));
    return out;
}

class TextStreams : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
    }
    void TearDown() override { platform::setTickSource(nullptr); }
    void send(uint8_t code, const std::string& text, int length = -1) {
        const int n = length < 0 ? static_cast<int>(text.size()) + 1 : length;
        dispatchMessage(136, 16408, code, reinterpret_cast<const uint8_t*>(text.c_str()), n);
    }
    void advance(uint32_t ms) {
        clock.advance(ms);
        tickTimers();
    }
    platform::TestTickSource clock;
    ScopedWorkDir dir;
};

TEST_F(TextStreams, RingKeepsTheNewestLinesAndLosesUnwrittenOnes) {
    TTxtMsgReceiver stream(136, 3, "ring.log", -1);
    for (const char* t : {"a", "b", "c", "d"}) send(255, t);
    EXPECT_EQ(lines(stream.buffer()), (std::vector<std::string>{"b", "c", "d"}));
    EXPECT_EQ(stream.buffer().textAt(3), nullptr);
    EXPECT_EQ(stream.buffer().textAt(-1), nullptr);
    // Three unwritten lines reached maxLines at "c": a, b, c went to the log then.
    EXPECT_EQ(stream.buffer().unwrittenCount(), 1);
    EXPECT_EQ(dir.read("ring.log"), "a\nb\nc\n");
    stream.flush();
    EXPECT_EQ(dir.read("ring.log"), "a\nb\nc\nd\n");

    // While the log cannot be written, a full ring loses its oldest unwritten line.
    TTxtMsgReceiver failing(137, 3, "missing-folder/ring.log", -1);
    for (const char* t : {"a", "b", "c", "d"})
        dispatchMessage(137, 0, 0, reinterpret_cast<const uint8_t*>(t), 2);
    EXPECT_EQ(lines(failing.buffer()), (std::vector<std::string>{"b", "c", "d"}));
    EXPECT_EQ(failing.buffer().unwrittenCount(), 3);
}

TEST_F(TextStreams, PeriodBatchesWritesAndNotifiesOnce) {
    TTxtMsgReceiver stream(136, 100, "period.log", 100);
    RecordingViewer viewer;
    stream.addViewer(&viewer);
    send(255, "one");
    send(255, "two");
    EXPECT_EQ(dir.read("period.log"), "");
    advance(100);
    EXPECT_EQ(dir.read("period.log"), "one\ntwo\n");
    EXPECT_EQ(viewer.codes, (std::vector<int>{vnLineAppended, vnLineAppended, vnPeriodEnded}));
    advance(100);  // nothing new: no write, no notice
    EXPECT_EQ(dir.read("period.log"), "one\ntwo\n");
    EXPECT_EQ(viewer.codes.size(), 3u);
    stream.removeViewer(&viewer);
}

// An idle stream keeps no timer running: the period starts with a line and
// goes on only while something waits, a log that could not be written too.
TEST_F(TextStreams, APeriodRunsOnlyWhileWorkWaits) {
    TTxtMsgReceiver stream(136, 100, "later/period.log", 100);
    EXPECT_EQ(armedTimerCount(), 0);
    send(255, "one");
    EXPECT_EQ(armedTimerCount(), 1);
    advance(100);  // the folder is missing: the line waits, the period goes on
    EXPECT_EQ(stream.buffer().unwrittenCount(), 1);
    EXPECT_EQ(armedTimerCount(), 1);
    ::mkdir((dir.path() + "/later").c_str(), 0700);
    advance(100);
    EXPECT_EQ(dir.read("later/period.log"), "one\n");
    EXPECT_EQ(armedTimerCount(), 0);
    send(255, "two");
    stream.flush();  // written at once; the viewers are still told at the period's end
    EXPECT_EQ(dir.read("later/period.log"), "one\ntwo\n");
    EXPECT_EQ(armedTimerCount(), 1);
    advance(100);
    EXPECT_EQ(armedTimerCount(), 0);
}

TEST_F(TextStreams, WithoutPeriodEveryLineNotifiesAndWritesWaitForFlush) {
    TTxtMsgReceiver stream(136, 100, "noperiod.log", -1);
    RecordingViewer viewer;
    stream.addViewer(&viewer);
    send(255, "x");
    EXPECT_EQ(viewer.codes, (std::vector<int>{vnLineAppended, vnLineWithoutPeriod}));
    advance(1000);
    EXPECT_EQ(dir.read("noperiod.log"), "");
    stream.removeViewer(&viewer);
}

TEST_F(TextStreams, ReloadShowsEachLineOnceClearDeletesTheLog) {
    auto* stream = new TTxtMsgReceiver(136, 100, "reload.log", 100);
    send(255, "early 1");
    send(255, "early 2");
    RecordingViewer viewer;
    stream->addViewer(&viewer);
    stream->loadLog();
    EXPECT_EQ(lines(stream->buffer()), (std::vector<std::string>{"early 1", "early 2"}));
    EXPECT_EQ(stream->buffer().unwrittenCount(), 0);
    EXPECT_EQ(viewer.codes.back(), vnLogReloaded);
    EXPECT_EQ(stream->clearAndDeleteLog(), 0);
    EXPECT_EQ(viewer.codes.back(), vnCleared);
    EXPECT_EQ(stream->buffer().count(), 0);
    EXPECT_EQ(stream->clearAndDeleteLog(), -1);  // no log any more
    delete stream;
    EXPECT_TRUE(viewer.detached);
}

TEST_F(TextStreams, OperatorStreamFormatsCodedMessagesAndLetsWatchWindowsTakeThem) {
    TOporMsgReceiver stream(136, 100, "sys.log", 100);
    send(254, "21119");
    send(253, "ignored");
    send(255, std::string("no terminator here"), 5);
    EXPECT_EQ(lines(stream.buffer()), (std::vector<std::string>{"Конец работы?", "no te"}));

    static int offered = 0;
    offerPrintoutToWatchWindows = [](int32_t number, const char*) {
        ++offered;
        return number == 21119;
    };
    send(254, "21119");
    send(255, "21119");
    offerPrintoutToWatchWindows = nullptr;
    EXPECT_EQ(offered, 1);
    EXPECT_EQ(lines(stream.buffer()).back(), "21119");
    EXPECT_EQ(stream.buffer().count(), 3);
}

}  // namespace
