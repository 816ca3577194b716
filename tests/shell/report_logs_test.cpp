#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/command_dispatch.h"
#include "commands/command_table.h"
#include "commands/dialogs/command_dispatcher.h"
#include "link/message_bus.h"
#include "texts/text_catalogue.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "peer/work_dir.h"
#include "platform/disk_space.h"
#include "platform/tick.h"
#include "shell/report_logs.h"
#include "toolkit/text_codec.h"
#include "utils/files.h"

namespace {

class ReportLogs : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        platform::setDiskSpace(&disk);
        testApp();
        ASSERT_EQ(createReportLogs(), 0);
    }
    void TearDown() override {
        stopDiskWatcher();
        closeReportLogs();
        testApp().flush(true);
        platform::setDiskSpace(nullptr);
        platform::setTickSource(nullptr);
    }
    static void send(uint8_t type, const std::string& text) {
        dispatchMessage(type, 16408, 255, reinterpret_cast<const uint8_t*>(text.c_str()),
                        static_cast<int>(text.size()) + 1);
    }
    void advance(uint32_t ms) {
        clock.advance(ms);
        tickTimers();
    }

    platform::TestTickSource clock;
    platform::TestDiskSpace disk;
    ScopedWorkDir dir;
    // Deleting a log tells the operator in a box.
    RecordingBoxes boxes;
};

// Each stream takes its own message type, flushes to its own log every
// 100 ms and writes what is left when it is closed.
TEST_F(ReportLogs, StreamsLogTheirReports) {
    for (const ReportStreamRow& row : kReportStreams) {
        SCOPED_TRACE(row.logFile);
        TOporMsgReceiver* stream = reportStream(row.messageType);
        ASSERT_NE(stream, nullptr);
        EXPECT_EQ(stream->logName(), row.logFile);
        send(row.messageType, row.name);
    }
    EXPECT_EQ(reportStream(100), nullptr);
    advance(100);
    for (const ReportStreamRow& row : kReportStreams)
        EXPECT_EQ(dir.read(row.logFile), std::string(row.name) + "\n");
    send(170, "last");
    closeReportLogs();
    EXPECT_EQ(reportStream(170), nullptr);
    EXPECT_EQ(dir.read("ALARM.log"), std::string(kReportStreams[0].name) + "\nlast\n");
}

// One window per stream and mode, made on first use and shown on every use;
// both windows of a stream show each new report.
TEST_F(ReportLogs, WindowsAreMadeOnceAndShownEachTime) {
    EXPECT_EQ(openReportWindow(170, true), 0);
    TTxtMsgWindow* watching = reportWindow(170, true);
    ASSERT_NE(watching, nullptr);
    watching->dialog()->hide();
    EXPECT_EQ(openReportWindow(170, true), 0);
    EXPECT_EQ(reportWindow(170, true), watching);
    EXPECT_TRUE(watching->dialog()->shown());
    EXPECT_EQ(reportWindow(170, false), nullptr);

    EXPECT_EQ(openReportWindow(170, false), 0);
    TTxtMsgWindow* listing = reportWindow(170, false);
    ASSERT_NE(listing, nullptr);
    EXPECT_NE(listing, watching);
    send(170, "12.03.06 10:00:00 ALARM");
    for (TTxtMsgWindow* w : {listing, watching}) {
        EXPECT_EQ(w->viewer()->getRowCount(), 2);
        EXPECT_STREQ(w->viewer()->getCellText(1, 0), "12.03.06 10:00:00 ALARM");
    }

    EXPECT_EQ(openReportWindow(100, false), -1);
    EXPECT_EQ(reportWindow(100, false), nullptr);
}

// Titles, headers, help pages and follow flags come from the stream's row.
TEST_F(ReportLogs, WindowsTakeTheirStreamsLooks) {
    for (const ReportStreamRow& row : kReportStreams) {
        for (bool watching : {false, true}) {
            SCOPED_TRACE(std::string(row.logFile) + (watching ? " watching" : " listing"));
            ASSERT_EQ(openReportWindow(row.messageType, watching), 0);
            TTxtMsgWindow* w = reportWindow(row.messageType, watching);
            ASSERT_NE(w, nullptr);
            const std::string title =
                std::string(watching ? "Наблюдение: " : "Просматривание: ") + row.name;
            EXPECT_EQ(w->dialog()->getTitle(), toUtf8(title));
            EXPECT_EQ(w->dialog()->helpPage, row.helpPage);
            EXPECT_EQ(w->viewer()->follows(), watching);
            std::vector<std::string> titles;
            EXPECT_EQ(w->viewer()->getColumnCount(), splitLayout(row.header, titles));
            EXPECT_EQ(w->viewer()->getColumnTitle(0), titles[0]);
        }
    }
}

// A report that arrives while no window is open is in the ring and the log,
// and the window opened later shows it once.
TEST_F(ReportLogs, ReportsBeforeTheWindowShowOnce) {
    send(216, "B|A|date");
    advance(100);
    ASSERT_EQ(openReportWindow(216, false), 0);
    TTxtMsgViewer* viewer = reportWindow(216, false)->viewer();
    EXPECT_EQ(viewer->getRowCount(), 2);
    EXPECT_STREQ(viewer->getCellText(1, 1), "A");
    EXPECT_EQ(dir.read("MCI.log"), "B|A|date\n");
}

// The 21 commands reach their stream through the dispatcher: view and watch
// open the windows, delete empties the stream and its windows and deletes the log.
TEST_F(ReportLogs, CommandsOfEveryStream) {
    for (const ReportStreamRow& row : kReportStreams) {
        SCOPED_TRACE(row.logFile);
        send(row.messageType, "report");
        advance(100);
        EXPECT_EQ(dispatchCommand(row.view), 1);
        ASSERT_NE(reportWindow(row.messageType, false), nullptr);
        EXPECT_TRUE(reportWindow(row.messageType, false)->dialog()->shown());
        EXPECT_EQ(reportWindow(row.messageType, true), nullptr);
        EXPECT_EQ(dispatchCommand(row.monitor), 1);
        ASSERT_NE(reportWindow(row.messageType, true), nullptr);
        EXPECT_TRUE(reportWindow(row.messageType, true)->dialog()->shown());

        EXPECT_EQ(dispatchCommand(row.deleteLog), 1);
        EXPECT_EQ(reportStream(row.messageType)->buffer().count(), 0);
        EXPECT_EQ(reportWindow(row.messageType, true)->viewer()->getRowCount(), 1);
        EXPECT_EQ(fileExists(row.logFile), 0);
        EXPECT_EQ(deleteReportLog(row.messageType), -1);  // nothing left to delete
    }
}

// With the form dispatcher installed, as at start-up, the commands reach the
// same streams and windows, and deleting a log is told in a box either way.
TEST_F(ReportLogs, CommandsOnTheFormRoadEndInTheSameStreams) {
    const ReportStreamRow& row = kReportStreams[0];
    send(row.messageType, "report");
    advance(100);
    EXPECT_EQ(dispatchCommand(row.deleteLog), 1);
    ASSERT_EQ(installCommandDispatcher(), 0);
    EXPECT_EQ(dispatchCommand(row.monitor), 1);
    EXPECT_NE(reportWindow(row.messageType, true), nullptr);
    send(row.messageType, "report");
    advance(100);
    EXPECT_EQ(dispatchCommand(row.deleteLog), 1);
    EXPECT_EQ(reportStream(row.messageType)->buffer().count(), 0);
    EXPECT_EQ(fileExists(row.logFile), 0);
    EXPECT_EQ(dispatchCommand(row.deleteLog), 1);
    setCommandDispatcher(nullptr);
    ASSERT_EQ(boxes.boxes.size(), 3u);
    EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Information);
    EXPECT_EQ(boxes.boxes[0].text, textById(26959));
    EXPECT_EQ(boxes.boxes[1].kind, IMessageBoxPresenter::Kind::Information);
    EXPECT_EQ(boxes.boxes[2].kind, IMessageBoxPresenter::Kind::Error);
    EXPECT_EQ(boxes.boxes[2].text, textById(25644));
}

// Below 4,882 free bytes every stream is emptied and its log deleted; a
// failed query clears nothing. The next check follows 5 s later either way.
TEST_F(ReportLogs, DiskWatcherClearsBelowTheThreshold) {
    struct Case {
        const char* name;
        double bytes;
        bool fail;
        bool cleared;
    };
    const Case cases[] = {
        {"4,881 bytes", 4881, false, true},
        {"no space", 0, false, true},
        {"4,882 bytes", 4882, false, false},
        {"failed query", 0, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        disk.bytes = 1e9;
        disk.fail = false;
        disk.asked.clear();
        ASSERT_EQ(startDiskWatcher(), 0);
        ASSERT_NE(diskWatcher, nullptr);
        EXPECT_EQ(disk.asked, std::vector<std::string>{"."});
        send(170, "alarm");
        advance(100);
        ASSERT_NE(fileExists("ALARM.log"), 0);

        disk.bytes = c.bytes;
        disk.fail = c.fail;
        advance(4899);  // 4,999 ms after the first check
        EXPECT_EQ(disk.asked.size(), 1u);
        advance(1);
        EXPECT_EQ(disk.asked.size(), 2u);
        EXPECT_EQ(reportStream(170)->buffer().count(), c.cleared ? 0 : 1);
        EXPECT_EQ(fileExists("ALARM.log") != 0, !c.cleared);
        advance(5000);
        EXPECT_EQ(disk.asked.size(), 3u);

        stopDiskWatcher();
        EXPECT_EQ(diskWatcher, nullptr);
        advance(10000);
        EXPECT_EQ(disk.asked.size(), 3u);
        stopDiskWatcher();
        reportStream(170)->clearAndDeleteLog();
    }
}

// Starting the watcher twice keeps one check period.
TEST_F(ReportLogs, DiskWatcherStartedTwiceChecksOncePerPeriod) {
    disk.bytes = 1e9;
    startDiskWatcher();
    startDiskWatcher();
    disk.asked.clear();
    advance(5000);
    EXPECT_EQ(disk.asked.size(), 1u);
}

}  // namespace
