#include "monitoring/stat_files.h"

#include <cstring>

#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "platform/paths.h"
#include "platform/speaker.h"
#include "utils/bytes.h"
#include "utils/files.h"

namespace {

constexpr const char* kStatFolder = "ppn";
constexpr int32_t kBeepFrequency = 1500;
constexpr int32_t kBeepDuration = 100;

// Display templates of the event kinds 0..41.
constexpr int32_t kEventTextIds[kStatEventKinds] = {
    25020, 25027, 25021, 25028, 25022, 25026, 25024, 25025, 25023, 25031, 25034,
    25032, 25033, 25035, 25036, 25041, 25042, 25038, 25043, 25039, 25044, 25045,
    25046, 25047, 25048, 25040, 25049, 25050, 25051, 25052, 25037, 25053, 25054,
    25029, 25030, 25055, 25056, 25061, 25060, 25057, 25058, 25059};

void postOperatorLine(const char* text) {
    postTextLine(kLineLocal, text, kTypeOperator);
}

void beep() {
    platform::speaker().tone(kBeepFrequency, kBeepDuration);
}

bool isElementConversion(char c) {
    return c == 'c' || c == 'h' || c == 'l' || c == 'd';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// One element of type c, h, l or d.
SStatValue readElement(ByteReader& in, char conversion) {
    SStatValue v;
    v.conversion = conversion;
    switch (conversion) {
        case 'c':
            v.integer = in.u8();
            break;
        case 'h':
            v.integer = in.i16le();
            break;
        case 'l':
            v.integer = in.i32le();
            break;
        case 'd': {
            uint8_t raw[8] = {};
            in.bytes(raw, sizeof raw);
            std::memcpy(&v.real, raw, sizeof v.real);  // IEEE double, little-endian like the host
            break;
        }
    }
    return v;
}

// A zero-terminated text inside the item; false when the item ends first.
bool readText(ByteReader& in, std::string& text) {
    const uint8_t* start = in.current();
    const size_t rest = in.remaining();
    const void* end = start ? std::memchr(start, 0, rest) : nullptr;
    if (end == nullptr) return false;
    const size_t n = static_cast<size_t>(static_cast<const uint8_t*>(end) - start);
    text.assign(reinterpret_cast<const char*>(start), n);
    return in.skip(n + 1);
}

}  // namespace

std::string statFileName(uint8_t statCase) {
    char name[32];
    std::snprintf(name, sizeof name, "%s/stat%03u.dat", kStatFolder, unsigned(statCase));
    return name;
}

bool decodeStatCallRecord(const uint8_t* bytes, size_t length, SStatCallRecord& out) {
    ByteReader in(bytes, length < size_t(kStatRecordSize) ? length : size_t(kStatRecordSize));
    out.callNumber = in.i16le();
    in.bytes(out.reserved, sizeof out.reserved);
    in.bytes(out.events, sizeof out.events);
    out.eventBytes = in.u8();
    out.timeOfDay = in.i32le();
    out.marker = in.u8();
    return in.ok();
}

StatEventReader::StatEventReader(const SStatCallRecord& record) : record_(record) {
    bad_ = record.eventBytes > kStatEventAreaSize;
}

bool StatEventReader::next(SStatEvent& event) {
    if (bad_ || position_ >= record_.eventBytes) return false;
    ByteReader in(record_.events + position_, size_t(record_.eventBytes - position_));
    const uint8_t header = in.u8();
    ByteReader item(in.current(), header & 0x7F);
    if (!in.skip(header & 0x7F)) {
        bad_ = true;
        return false;
    }
    event.kind = static_cast<int8_t>(item.u8());
    event.hasDelta = (header & 0x80) != 0;
    event.delta = event.hasDelta ? item.i16le() : int16_t(0);
    if (!item.ok()) {
        bad_ = true;
        return false;
    }
    event.values = item.current();
    event.valueBytes = static_cast<uint8_t>(item.remaining());
    position_ += 1 + (header & 0x7F);
    return true;
}

int32_t statEventTextId(int kind) {
    return kind >= 0 && kind < kStatEventKinds ? kEventTextIds[kind] : 0;
}

bool readStatEventValues(const SStatEvent& event, std::vector<SStatValue>& values) {
    const int32_t textId = statEventTextId(event.kind);
    if (textId == 0) return false;
    ByteReader in(event.values, event.valueBytes);
    for (const char* p = textById(textId); *p; ++p) {
        if (*p != '%' || p[1] == '\0') continue;
        const char c = lower(*++p);
        if (isElementConversion(c)) {
            values.push_back(readElement(in, c));
        } else if (c == 's') {
            SStatValue v;
            v.conversion = 's';
            if (!readText(in, v.text)) return false;
            values.push_back(v);
        } else if (c == 'a' && isElementConversion(lower(p[1]))) {
            const char element = lower(*++p);
            SStatValue count;
            count.conversion = 'a';
            count.integer = static_cast<int8_t>(in.u8());
            if (!in.ok() || count.integer < 0) return false;
            values.push_back(count);
            for (int32_t i = 0; i < count.integer && in.ok(); ++i)
                values.push_back(readElement(in, element));
        }
        if (!in.ok()) {
            values.pop_back();  // the value cut by the end of the item
            return false;
        }
    }
    return true;
}

bool statEventTimes(const SStatCallRecord& record, std::vector<int64_t>& times) {
    StatEventReader reader(record);
    std::vector<int16_t> deltas;
    SStatEvent e;
    while (reader.next(e)) deltas.push_back(e.hasDelta ? e.delta : int16_t(0));
    int64_t time = record.timeOfDay;
    for (int16_t d : deltas) time -= d;
    for (int16_t d : deltas) {
        time += d;
        times.push_back(time);
    }
    return !reader.bad();
}

bool readStatItems(const SStatCallRecord& record, std::vector<SStatItem>& items) {
    StatEventReader reader(record);
    SStatItem item;
    while (reader.next(item.event)) {
        item.values.clear();
        if (!readStatEventValues(item.event, item.values)) return false;
        items.push_back(item);
    }
    return !reader.bad();
}

FILE* openStatFile(uint8_t statCase) {
    return std::fopen(platform::localPath(statFileName(statCase).c_str()).c_str(), "rb");
}

StatRead readStatRecord(FILE* file, SStatCallRecord& out) {
    uint8_t bytes[kStatRecordSize];
    const size_t n = file != nullptr ? std::fread(bytes, 1, sizeof bytes, file) : 0;
    if (n == 0) return StatRead::End;
    if (!decodeStatCallRecord(bytes, n, out)) return StatRead::Truncated;
    return StatRead::Record;
}

// ---- the receiver

TStatFileReceiver* statFileReceiver = nullptr;

TStatFileReceiver::TStatFileReceiver() : TMessageReceiver(kTypeStatistics) {
    for (uint8_t code : {kStatCodeOpen, kStatCodeBlock, kStatCodeEnd, kStatCodeChecksum})
        addCodeFilter(code);
    active = 1;
}

TStatFileReceiver::~TStatFileReceiver() {
    closeFile();
}

void TStatFileReceiver::onMessage(uint8_t, uint16_t key, uint8_t code, const uint8_t* payload,
                                  int length) {
    const size_t n = payload != nullptr && length > 0 ? size_t(length) : 0;
    switch (code) {
        case kStatCodeOpen:
            openCase(payload, n);
            answer(key);
            break;
        case kStatCodeBlock:
            writeBlock(payload, n);
            answer(key);
            break;
        case kStatCodeChecksum: {
            ByteReader in(payload, n);
            const uint32_t crc = in.u32le();
            if (in.ok()) announcedCrc = crc;
            break;
        }
        case kStatCodeEnd:
            endFile();
            break;
        default:
            break;
    }
}

void TStatFileReceiver::openCase(const uint8_t* payload, size_t length) {
    if (receiving) closeFile();
    receiving = 0;
    ByteReader in(payload, length);
    const uint8_t statCase = in.u8();
    if (!in.ok()) return;  // no case number: nothing to open
    fileName_ = statFileName(statCase);
    file = std::fopen(platform::localPath(fileName_.c_str()).c_str(), "wb");
    if (file == nullptr) return;
    // Unbuffered: a block that does not reach the file is known at once.
    std::setvbuf(file, nullptr, _IONBF, 0);
    receiving = 1;
    expectedBlock = 0;
    runningCrc = 0;
}

void TStatFileReceiver::writeBlock(const uint8_t* payload, size_t length) {
    if (!receiving) return;
    ByteReader in(payload, length);
    const int32_t sequence = in.i32le();
    if (!in.ok()) {
        // A block without its sequence number is not one the transfer asked for.
        abandonTransfer();
        return;
    }
    if (sequence == expectedBlock) {
        ++expectedBlock;
        const size_t n = in.remaining();
        if (n == 0 || std::fwrite(in.current(), 1, n, file) == n) {
            runningCrc = crc32Update(runningCrc, in.current(), static_cast<int32_t>(n));
            return;
        }
        // The transfer ends; what reached the file stays there, and the
        // operator is told.
        closeFile();
        receiving = 0;
        postOperatorLine(textById(23251));
        return;
    }
    if (sequence == expectedBlock - 1) {
        char line[51];
        formatMessage(line, sizeof line, 26141, sequence);
        postOperatorLine(line);
        beep();
        return;
    }
    abandonTransfer();
}

void TStatFileReceiver::abandonTransfer() {
    postOperatorLine(textById(26140));
    closeFile();
    receiving = 0;
    beep();
}

void TStatFileReceiver::endFile() {
    if (!receiving) return;
    closeFile();
    receiving = 0;
    if (runningCrc != announcedCrc) postOperatorLine(textById(26142));
}

void TStatFileReceiver::closeFile() {
    if (file != nullptr) std::fclose(file);
    file = nullptr;
}

void TStatFileReceiver::answer(uint16_t destination) {
    if (router) router->sendMessage(kTypeStatistics, destination, kStatCodeAnswer, &receiving, 1);
}

int createStatFileReceiver() {
    makeDirectory(kStatFolder);  // an existing folder is fine
    if (statFileReceiver == nullptr) statFileReceiver = new TStatFileReceiver();
    return 0;
}

void destroyStatFileReceiver() {
    delete statFileReceiver;
    statFileReceiver = nullptr;
}

void deleteStatisticsFile(const SParamsStatBris& params) {
    char line[100];
    const int textId = deleteFile(statFileName(params.StatSlucaj).c_str()) == 0 ? 25014 : 25013;
    formatMessage(line, sizeof line, textId, params.StatSlucaj);
    postOperatorLine(line);
}
