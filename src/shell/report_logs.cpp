#include "shell/report_logs.h"

#include <cstddef>

#include "commands/command_dispatch.h"
#include "commands/command_table.h"
#include "texts/catalogue_message.h"
#include "shell/main_window.h"
#include "utils/files.h"

TDiskWatcher* diskWatcher = nullptr;

namespace {

// What exists of each stream of kReportStreams, by the same index.
struct ReportLog {
    TOporMsgReceiver* stream = nullptr;
    TTxtMsgWindow* listing = nullptr;
    TTxtMsgWindow* watching = nullptr;
};
ReportLog reportLogs[kReportStreamCount];

// The index of a message type's stream in kReportStreams, or -1.
int streamIndex(uint8_t messageType) {
    for (std::size_t i = 0; i < kReportStreamCount; ++i)
        if (kReportStreams[i].messageType == messageType) return static_cast<int>(i);
    return -1;
}

void runReportCommand(const ReportStreamRow& row, ReportOp op) {
    switch (op) {
        case ReportOp::View:
            openReportWindow(row.messageType, false);
            return;
        case ReportOp::Monitor:
            openReportWindow(row.messageType, true);
            return;
        case ReportOp::DeleteLog:
            deleteReportStreamLog(row);
            return;
        case ReportOp::None:
            return;
    }
}

}  // namespace

int createReportLogs() {
    for (std::size_t i = 0; i < kReportStreamCount; ++i) {
        const ReportStreamRow& row = kReportStreams[i];
        if (reportLogs[i].stream != nullptr) continue;
        reportLogs[i].stream =
            new TOporMsgReceiver(row.messageType, kReportLines, row.logFile, kReportFlushPeriod);
    }
    // Every report-stream command, whatever road brought it, ends here.
    setReportStreamHandler(runReportCommand);
    return 0;
}

void closeReportLogs() {
    setReportStreamHandler(nullptr);
    for (ReportLog& log : reportLogs) {
        delete log.listing;
        delete log.watching;
        if (log.stream == nullptr) continue;
        log.stream->flush();
        delete log.stream;
        log.stream = nullptr;
    }
}

int openReportWindow(uint8_t messageType, bool watching) {
    const int index = streamIndex(messageType);
    if (index < 0) return -1;
    const ReportStreamRow& row = kReportStreams[index];
    ReportLog& log = reportLogs[index];
    if (log.stream == nullptr) return -1;
    TTxtMsgWindow*& window = watching ? log.watching : log.listing;
    if (window == nullptr) {
        char title[kReportTitleBytes];
        formatMessage(title, sizeof title, watching ? 25643 : 25642, row.name);
        new TTxtMsgWindow(log.stream, mainWindow, title, row.header, kReportWindowWidth, false,
                          watching, &window);
        if (window == nullptr) return 0;
        window->setHelpTopic(row.helpPage);
    }
    window->show();
    return 0;
}

int deleteReportLog(uint8_t messageType) {
    TOporMsgReceiver* stream = reportStream(messageType);
    return stream != nullptr ? stream->clearAndDeleteLog() : -1;
}

TOporMsgReceiver* reportStream(uint8_t messageType) {
    const int index = streamIndex(messageType);
    return index < 0 ? nullptr : reportLogs[index].stream;
}

TTxtMsgWindow* reportWindow(uint8_t messageType, bool watching) {
    const int index = streamIndex(messageType);
    if (index < 0) return nullptr;
    return watching ? reportLogs[index].watching : reportLogs[index].listing;
}

void TDiskWatcher::onTimer(const STimerEvent*) {
    const double free = freeDiskSpace("");
    if (free >= 0 && free < kDiskSpaceThreshold) clearAllMessageStreams();
    setTimer(this, kDiskCheckPeriod);
}

int startDiskWatcher() {
    if (diskWatcher == nullptr) diskWatcher = new TDiskWatcher;
    killTimers(diskWatcher);  // one period armed, however often it is started
    diskWatcher->onTimer(nullptr);
    return 0;
}

void stopDiskWatcher() {
    delete diskWatcher;
    diskWatcher = nullptr;
}
