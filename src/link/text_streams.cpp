#include "link/text_streams.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "texts/catalogue_message.h"
#include "utils/files.h"

void (*offerMessageToScripts)(uint8_t, const char*, int) = nullptr;
bool (*offerPrintoutToWatchWindows)(int32_t, const char*) = nullptr;

namespace {

std::vector<TTxtMsgReceiver*>& streams() {
    static std::vector<TTxtMsgReceiver*> list;
    return list;
}

constexpr int kMaxLogLine = 1023;
constexpr int kMaxFormatted = 1001;

}  // namespace

std::string messagePayloadText(const uint8_t* payload, int length) {
    if (payload == nullptr || length <= 0) return std::string();
    const char* p = reinterpret_cast<const char*>(payload);
    return std::string(p, strnlen(p, static_cast<size_t>(length)));
}

// The ring grows with the lines up to its capacity: a stream that keeps
// 10,000 lines does not hold room for them from the start.
TTxtMsgBuffer::TTxtMsgBuffer(int16_t capacity) : capacity_(capacity > 0 ? capacity : 1) {}

int TTxtMsgBuffer::append(const std::string& text) {
    const int slot = write_;
    if (static_cast<size_t>(slot) == ring_.size()) ring_.emplace_back();  // slots fill in order
    TTxtMsgRecord& record = ring_[static_cast<size_t>(slot)];
    if (count_ < capacity_) {
        ++count_;
        ++unwritten_;
    } else {
        // Full: the newest line replaces the oldest, which is lost if it was
        // never written.
        if (record.written) ++unwritten_;
        start_ = (write_ + 1) % capacity_;
    }
    record.text = text;
    record.written = 0;
    write_ = (write_ + 1) % capacity_;
    return slot;
}

const char* TTxtMsgBuffer::textAt(int index) const {
    if (index < 0 || index >= count_) return nullptr;
    return ring_[static_cast<size_t>(slotOf(index))].text.c_str();
}

int TTxtMsgBuffer::firstUnwrittenIndex() const {
    return unwritten_ > 0 ? count_ - unwritten_ : -1;
}

const char* TTxtMsgBuffer::firstUnwritten() const {
    const int index = firstUnwrittenIndex();
    return index < 0 ? nullptr : textAt(index);
}

void TTxtMsgBuffer::markWritten(int index) {
    if (index < 0 || index >= count_) return;
    TTxtMsgRecord& record = ring_[static_cast<size_t>(slotOf(index))];
    if (record.written) return;
    record.written = 1;
    --unwritten_;
}

void TTxtMsgBuffer::markFirstWritten() {
    const int index = firstUnwrittenIndex();
    if (index >= 0) markWritten(index);
}

bool TTxtMsgBuffer::isWritten(int index) const {
    if (index < 0 || index >= count_) return false;
    return ring_[static_cast<size_t>(slotOf(index))].written != 0;
}

void TTxtMsgBuffer::clear() {
    while (unwritten_ > 0) markFirstWritten();
    count_ = start_ = write_ = unwritten_ = 0;
}

TTxtMsgReceiver::TTxtMsgReceiver(uint8_t type, int16_t maxLines, const char* logName,
                                 int32_t flushPeriod)
    : TMessageReceiver(type),
      buffer_(maxLines),
      logName_(logName ? std::string(logName).substr(0, 254) : std::string()),
      maxLines_(maxLines),
      flushPeriod_(flushPeriod) {
    active = 1;
    streams().insert(streams().begin(), this);
}

TTxtMsgReceiver::~TTxtMsgReceiver() {
    for (ITxtMsgViewer* viewer : viewers_) viewer->streamDetached();
    viewers_.clear();
    flush();
    auto& list = streams();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    killTimers(this);
}

void TTxtMsgReceiver::appendLine(const std::string& text) {
    buffer_.append(text);
    notifyViewers(vnLineAppended);
    if (flushPeriod_ < 0) {
        notifyViewers(vnLineWithoutPeriod);
    } else {
        dirty_ = 1;
        armPeriodIfWorkWaits();
    }
    if (buffer_.unwrittenCount() >= maxLines_) flush();
}

void TTxtMsgReceiver::armPeriodIfWorkWaits() {
    const bool work = dirty_ != 0 || (buffer_.unwrittenCount() > 0 && !logName_.empty());
    if (flushPeriod_ >= 0 && timerId_ < 0 && work)
        timerId_ = setTimer(this, static_cast<uint32_t>(flushPeriod_));
}

void TTxtMsgReceiver::onMessage(uint8_t, uint16_t, uint8_t, const uint8_t* payload, int length) {
    appendLine(messagePayloadText(payload, length));
}

void TTxtMsgReceiver::onTimer(const STimerEvent*) {
    timerId_ = -1;
    writeUnwritten();
    if (dirty_) notifyViewers(vnPeriodEnded);
    armPeriodIfWorkWaits();  // a log that could not be written is tried again
}

void TTxtMsgReceiver::clear() {
    clearAndDeleteLog();
}

// Writes what waits; a period still owed to the viewers starts anew.
int TTxtMsgReceiver::flush() {
    if (timerId_ >= 0) killTimer(this, timerId_);
    timerId_ = -1;
    const int rc = writeUnwritten();
    armPeriodIfWorkWaits();
    return rc;
}

int TTxtMsgReceiver::writeUnwritten() {
    if (buffer_.unwrittenCount() == 0 || logName_.empty()) return 0;
    std::FILE* file = nullptr;
    const int opened = openTextForAppend(&file, logName_.c_str());
    if (opened != 0 || file == nullptr) return opened != 0 ? opened : -1;
    while (const char* text = buffer_.firstUnwritten()) {
        if (writeTextLine(file, text, true) != 0) break;
        buffer_.markFirstWritten();
    }
    return closeTextFile(file);
}

void TTxtMsgReceiver::loadLog() {
    flush();
    if (logName_.empty()) return;
    std::FILE* file = nullptr;
    if (openTextForRead(&file, logName_.c_str()) != 0 || file == nullptr) return;
    buffer_.clear();
    char line[kMaxLogLine + 1];
    while (readTextLine(file, line, sizeof line) == 0) {
        buffer_.append(line);
        buffer_.markWritten(buffer_.count() - 1);
    }
    closeTextFile(file);
    notifyViewers(vnLogReloaded);
}

int TTxtMsgReceiver::clearAndDeleteLog() {
    buffer_.clear();
    notifyViewers(vnCleared);
    if (logName_.empty()) return -1;
    return deleteFile(logName_.c_str()) == 0 ? 0 : -1;
}

int TTxtMsgReceiver::copyLog(const char* target) {
    flush();
    return copyFile(logName_.c_str(), target);
}

void TTxtMsgReceiver::addViewer(ITxtMsgViewer* viewer) {
    viewers_.insert(viewers_.begin(), viewer);
}

bool TTxtMsgReceiver::removeViewer(ITxtMsgViewer* viewer) {
    auto it = std::find(viewers_.begin(), viewers_.end(), viewer);
    if (it == viewers_.end()) return false;
    viewers_.erase(it);
    return true;
}

void TTxtMsgReceiver::notifyViewers(int code) {
    dirty_ = 0;
    // A copy: a viewer may detach itself while it is told.
    const std::vector<ITxtMsgViewer*> viewers = viewers_;
    for (ITxtMsgViewer* viewer : viewers)
        if (std::find(viewers_.begin(), viewers_.end(), viewer) != viewers_.end())
            viewer->streamChanged(code);
}

TOporMsgReceiver::TOporMsgReceiver(uint8_t type, int16_t maxLines, const char* logName,
                                   int32_t flushPeriod)
    : TTxtMsgReceiver(type, maxLines, logName, flushPeriod) {
    addCodeFilter(255);
    addCodeFilter(254);
}

void TOporMsgReceiver::onMessage(uint8_t type, uint16_t, uint8_t code, const uint8_t* payload,
                                 int length) {
    const std::string text = messagePayloadText(payload, length);
    if (code == 255) {
        if (offerMessageToScripts) offerMessageToScripts(type, text.c_str(), length);
        appendLine(text);
        return;
    }
    if (code != 254) return;
    char formatted[kMaxFormatted];
    formatCodedMessage(formatted, sizeof formatted, text.c_str());
    const int32_t textNumber = static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10));
    if (offerMessageToScripts)
        offerMessageToScripts(type, formatted, static_cast<int>(std::strlen(formatted)) + 1);
    if (offerPrintoutToWatchWindows && offerPrintoutToWatchWindows(textNumber, formatted)) return;
    appendLine(formatted);
}

const std::vector<TTxtMsgReceiver*>& messageReceiverList() {
    return streams();
}

void clearAllMessageStreams() {
    const std::vector<TTxtMsgReceiver*> list = streams();
    for (TTxtMsgReceiver* stream : list) stream->clear();
}
