#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/message_bus.h"
#include "link/timer_pool.h"

// One line of a stream: its text and whether it is in the log file yet.
struct TTxtMsgRecord {
    uint8_t written = 0;
    std::string text;
};

// Ring of the last lines of a stream. Line index 0 is the oldest; the lines
// not yet in the log are always the newest ones.
class TTxtMsgBuffer {
public:
    explicit TTxtMsgBuffer(int16_t capacity);

    // Stores the line as unwritten; returns the ring slot written.
    int append(const std::string& text);
    const char* textAt(int index) const;
    int firstUnwrittenIndex() const;
    const char* firstUnwritten() const;
    void markWritten(int index);
    void markFirstWritten();
    bool isWritten(int index) const;
    int count() const { return count_; }
    int unwrittenCount() const { return unwritten_; }
    int capacity() const { return capacity_; }
    int slotOf(int index) const { return (start_ + index) % capacity_; }
    void clear();

private:
    int16_t capacity_;
    int count_ = 0;
    int start_ = 0;
    int write_ = 0;
    int unwritten_ = 0;
    std::vector<TTxtMsgRecord> ring_;
};

// Codes a stream passes to its viewers.
enum eViewerNotice {
    vnLineAppended = 0,
    vnLogReloaded = -100,
    vnCleared = -101,
    vnPeriodEnded = -102,
    vnLineWithoutPeriod = -103,
};

class TTxtMsgReceiver;

// What a window showing a stream implements: told of every change, and told
// when the stream goes away so that it stops reading it.
class ITxtMsgViewer {
public:
    virtual ~ITxtMsgViewer() = default;
    virtual void streamChanged(int code) = 0;
    virtual void streamDetached() = 0;
};

// A stream of text lines: a receiver of one message type that keeps its last
// lines in a ring, mirrors them to a log file and tells its viewers.
class TTxtMsgReceiver : public TMessageReceiver, public TTimerReceiver {
public:
    // logName may be null (no log); flushPeriod < 0: no period.
    TTxtMsgReceiver(uint8_t type, int16_t maxLines, const char* logName, int32_t flushPeriod);
    ~TTxtMsgReceiver() override;

    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
    void onTimer(const STimerEvent* event) override;
    virtual void clear();

    // Appends one line, as a message arriving does.
    void appendLine(const std::string& text);
    int flush();
    void loadLog();
    int clearAndDeleteLog();
    int copyLog(const char* target);
    void addViewer(ITxtMsgViewer* viewer);
    bool removeViewer(ITxtMsgViewer* viewer);
    void notifyViewers(int code);

    const TTxtMsgBuffer& buffer() const { return buffer_; }
    const std::string& logName() const { return logName_; }
    bool dirty() const { return dirty_ != 0; }

protected:
    TTxtMsgBuffer buffer_;
    std::vector<ITxtMsgViewer*> viewers_;  // most recently attached first
    std::string logName_;
    int16_t maxLines_;
    int32_t flushPeriod_;
    int32_t timerId_ = -1;
    int32_t dirty_ = 0;

private:
    // The period's timer runs only while the period has work: lines not yet
    // written or viewers not yet told; an idle stream arms no timer.
    void armPeriodIfWorkWaits();
    int writeUnwritten();
};

// The stream of texts from the exchange and the program: plain texts (code
// 255) and coded catalogue messages (code 254), offered to running MML
// scripts and to the watch windows before they are appended.
class TOporMsgReceiver : public TTxtMsgReceiver {
public:
    TOporMsgReceiver(uint8_t type, int16_t maxLines, const char* logName, int32_t flushPeriod);
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
};

// The text a message payload carries: up to its NUL, or up to its length
// when it has none.
std::string messagePayloadText(const uint8_t* payload, int length);

// Every live stream, the most recently created first.
const std::vector<TTxtMsgReceiver*>& messageReceiverList();
void clearAllMessageStreams();

// Hooks the MML scripts and the watch windows fill when they exist. A script
// sees every text; a watch window may take a coded printout (returns true),
// which then leaves no line in the stream.
extern void (*offerMessageToScripts)(uint8_t type, const char* text, int length);
extern bool (*offerPrintoutToWatchWindows)(int32_t textNumber, const char* text);
