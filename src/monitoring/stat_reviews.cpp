#include "monitoring/stat_reviews.h"

#include <cstring>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "shell/report_logs.h"
#include "sub/rec_cursor.h"
#include "toolkit/small_dialogs.h"

TStatPregled statReview;

namespace {

constexpr int16_t kRouteTable = 77;
constexpr int16_t kRouteChannelTable = 80;
constexpr int16_t kPointField = 3;         // PrikTacka of table 80, indexed
constexpr size_t kChannelPointOffset = 4;  // after Ruta and Prioritet
constexpr size_t kChannelRecordSize = 8;
constexpr size_t kRouteNameOffset = 2;  // Ime of table 77, after the key Ruta
constexpr size_t kRouteNameBytes = 9;
constexpr size_t kRouteNameMax = 8;

constexpr int kTickBudget = 100;
constexpr int kPrintedCost = 10;
constexpr int kSkippedCost = 1;
constexpr size_t kDigitsColumn = 17;
constexpr int kSecondsPerDay = 86400;

void postReviewLine(const char* text) {
    postTextLine(kLineLocal, text, kTypeStatistics);
}

void postOperatorLine(const char* text) {
    postTextLine(kLineLocal, text, kTypeOperator);
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// printf into a string cut to `most` characters.
template <typename... Args>
std::string printed(size_t most, const char* format, Args... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return std::string(buffer).substr(0, most);
}

void appendValue(std::string& out, const SStatValue& v, bool element) {
    switch (v.conversion) {
        case 'c':
            out += printed(32, element ? "%d " : "%d", int(static_cast<int8_t>(v.integer)));
            break;
        case 'h':
        case 'l':
            out += printed(32, element ? "%d " : "%d", int(v.integer));
            break;
        case 'd':
            out += printed(63, element ? "%8.2lf " : "%8.2lf", v.real);
            break;
        case 's':
            out += v.text;
            break;
    }
}

// The times of one call in the table review, seconds from its first event.
struct SCallTime {
    bool set = false;
    int64_t at = 0;
    void mark(int64_t t) {
        set = true;
        at = t;
    }
};

}  // namespace

bool statRouteOfPoint(int32_t point, int16_t& route) {
    uint8_t record[kChannelRecordSize] = {};
    std::memcpy(record + kChannelPointOffset, &point, sizeof point);
    if (subDatabase.readByIndexField(0, kRouteChannelTable, kPointField, record, kFindExact) !=
        tsOK)
        return false;
    std::memcpy(&route, record, sizeof route);
    return true;
}

bool statRouteName(int16_t route, std::string& name) {
    TUniRec cursor(kRouteTable);
    if (cursor.record == nullptr ||
        size_t(cursor.recordLength()) < kRouteNameOffset + kRouteNameBytes)
        return false;
    uint8_t key[sizeof route];
    std::memcpy(key, &route, sizeof route);
    if (cursor.readKey(key) != tsOK) return false;
    const char* ime = reinterpret_cast<const char*>(cursor.record + kRouteNameOffset);
    name.assign(ime, strnlen(ime, kRouteNameMax));
    return true;
}

std::string formatTimeOfDay(int64_t seconds) {
    if (seconds < 0 || seconds >= kSecondsPerDay) return "**:**:**";
    const int s = static_cast<int>(seconds);
    return printed(8, "%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
}

void formatStatEvent(std::string& out, const char* eventTemplate,
                     const std::vector<SStatValue>& values) {
    size_t next = 0;
    auto take = [&]() -> const SStatValue* {
        return next < values.size() ? &values[next++] : nullptr;
    };
    for (const char* p = eventTemplate; *p != '\0'; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        if (p[1] == '\0') break;  // a "%" at the very end gives nothing
        const char c = lower(*++p);
        const char element = lower(p[1]);
        if (c == 'c' || c == 'h' || c == 'l' || c == 'd' || c == 's') {
            if (const SStatValue* v = take()) appendValue(out, *v, false);
        } else if (c == 'a' &&
                   (element == 'c' || element == 'h' || element == 'l' || element == 'd')) {
            ++p;
            const SStatValue* count = take();
            for (int32_t i = 0; count != nullptr && i < count->integer; ++i)
                if (const SStatValue* v = take()) appendValue(out, *v, true);
        } else {
            out += '%';  // any other character is dropped
        }
    }
}

TStatPregled::~TStatPregled() {
    if (file != nullptr) std::fclose(file);
}

void TStatPregled::step(int action, uint8_t statCase, uint8_t fromHour, uint8_t fromMinute,
                        uint8_t toHour, uint8_t toMinute) {
    switch (action) {
        case kStartFull:
        case kStartTable:
            start(action, statCase, fromHour, fromMinute, toHour, toMinute);
            return;
        case kStop:
            if (!running) {
                postOperatorLine(textById(25093));
                return;
            }
            killTimer(this, timerId);
            end();
            postReviewLine(textById(25092));
            return;
        case kTick:
            if (running) tick();
            return;
        default:
            return;
    }
}

void TStatPregled::onTimer(const STimerEvent*) {
    timerId = -1;
    step(kTick);
}

void TStatPregled::start(int action, uint8_t statCase, uint8_t fromHour, uint8_t fromMinute,
                         uint8_t toHour, uint8_t toMinute) {
    if (running) {
        postOperatorLine(textById(25015));
        return;
    }
    tableMode = action == kStartTable ? 1 : 0;
    fromTime = fromHour * 3600 + fromMinute * 60;
    toTime = toHour * 3600 + toMinute * 60;
    file = openStatFile(statCase);
    if (file == nullptr) {
        postOperatorLine(textById(25016));
        return;
    }
    openReportWindow(kTypeStatistics, true);
    char line[200];
    formatMessage(line, sizeof line, 25017, statCase, fromHour, fromMinute, toHour, toMinute);
    postReviewLine(line);
    if (tableMode) postReviewLine(textById(25087));
    timerId = setTimer(this, kStatReviewTickMs);
    callCount = 0;
    running = 1;
}

void TStatPregled::end() {
    running = 0;
    fileError = 0;
    timerId = -1;
    if (file != nullptr) std::fclose(file);
    file = nullptr;
}

void TStatPregled::tick() {
    for (int spent = 0; spent < kTickBudget;) {
        SStatCallRecord record;
        const StatRead read = readStatRecord(file, record);
        if (read == StatRead::End) {
            char line[100];
            formatMessage(line, sizeof line, 25018, callCount);
            postReviewLine(line);
            end();
            return;
        }
        // A file cut inside a record, or a time no clock gives, is no
        // statistics file from there on: what was printed stays.
        if (read == StatRead::Truncated || !isStatTimeOfDay(record.timeOfDay)) fileError = 1;
        if (!fileError && (record.timeOfDay < fromTime || record.timeOfDay > toTime)) {
            spent += kSkippedCost;
            continue;
        }
        std::string output;
        const bool has = !fileError && (tableMode ? printReducedCallRecord(record, output)
                                                  : printFullCallRecord(record, output));
        if (fileError) {
            if (!tableMode && !output.empty())
                postLongText(kLineLocal, output.c_str(), kTypeStatistics);
            postReviewLine(textById(25019));
            end();
            return;
        }
        if (has) {
            if (tableMode)
                postReviewLine(output.c_str());
            else
                postLongText(kLineLocal, output.c_str(), kTypeStatistics);
        }
        spent += kPrintedCost;
    }
    timerId = setTimer(this, kStatReviewTickMs);
}

bool TStatPregled::printFullCallRecord(const SStatCallRecord& record, std::string& text) {
    const int t = record.timeOfDay;
    char buffer[100];
    if (record.isTimeMark()) {
        formatMessage(buffer, sizeof buffer, 25086, t / 3600, t / 60 % 60, t % 60);
        text = buffer;
        return true;
    }
    ++callCount;
    formatMessage(buffer, sizeof buffer, 25085, record.callNumber, t / 3600, t / 60 % 60, t % 60);
    text = buffer;
    std::vector<SStatItem> items;
    if (!readStatItems(record, items)) fileError = 1;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].event.hasDelta) {
            formatMessage(buffer, sizeof buffer, 26149, items[i].event.delta);
            text += buffer;
        }
        formatStatEvent(text, textById(statEventTextId(items[i].event.kind)), items[i].values);
        if (i + 1 < items.size()) text += ',';
    }
    return true;
}

bool TStatPregled::partyOf(const std::vector<SStatValue>& values, char& letter, std::string& point,
                           std::string& name) {
    const int32_t number = values.size() > 1 ? values[1].integer : 0;
    switch (values.empty() ? -1 : values[0].integer) {
        case 0:
            letter = 'L';
            name = textById(25089);
            break;
        case 1: {
            letter = 'P';
            int16_t route = 0;
            if (!statRouteOfPoint(number, route) || !statRouteName(route, name))
                name = textById(25090);
            break;
        }
        case 2:
            letter = 'G';
            name = textById(25091);
            break;
        default:
            return false;
    }
    point = printed(6, "%d", int(number));
    return true;
}

bool TStatPregled::printReducedCallRecord(const SStatCallRecord& record, std::string& line) {
    if (record.isTimeMark() || record.eventBytes == 0) return false;
    ++callCount;
    char inLetter = ' ', outLetter = ' ', freeMark = ' ', answerMark = ' ', releaseMark = ' ';
    std::string inPoint, inName, outPoint, outName, category, eos, tariff;
    std::string received, working;
    bool sendSet = false;
    int32_t sendPosition = 0;
    SCallTime inSeized, outSeized, tornDown, released;
    int64_t t = 0;

    std::vector<SStatItem> items;
    if (!readStatItems(record, items)) {
        fileError = 1;
        return false;
    }
    for (const SStatItem& item : items) {
        const std::vector<SStatValue>& v = item.values;
        if (item.event.hasDelta) t += item.event.delta;
        if (item.event.kind < 0 || item.event.kind >= kStatTableEventKinds) {
            fileError = 1;
            return false;
        }
        switch (item.event.kind) {
            case 0:
            case 1: {
                const bool incoming = item.event.kind == 0;
                (incoming ? inSeized : outSeized).mark(t);
                if (!partyOf(v, incoming ? inLetter : outLetter, incoming ? inPoint : outPoint,
                             incoming ? inName : outName)) {
                    fileError = 1;
                    return false;
                }
                break;
            }
            case 4:
                received += v[0].text;
                working += v[0].text;
                break;
            case 5:
            case 7:
                category = printed(2, "%d", int(static_cast<int8_t>(v[0].integer)));
                break;
            case 9: {
                int32_t n = static_cast<int8_t>(v[0].integer);
                if (n < 0) n = 0;  // a negative count replaces nothing
                if (size_t(n) > working.size()) n = int32_t(working.size());
                working = v[1].text + working.substr(size_t(n));
                break;
            }
            case 10:
                sendSet = true;
                sendPosition = outLetter == 'P' ? v[0].integer : 1;
                break;
            case 12:
                eos = printed(3, "%d", int(static_cast<int8_t>(v[0].integer)));
                break;
            case 13:
                freeMark = '+';
                break;
            case 14:
                answerMark = '+';
                break;
            case 17:
                tornDown.mark(t);
                break;
            case 19:
                released.mark(t);
                releaseMark = '+';
                break;
            case 30:
                if (answerMark == '+') tariff = printed(8, "%8.2lf", v[0].real);
                break;
            default:
                break;
        }
    }

    // Times: a side seized and never ended ends with the call; an end
    // without its seizure starts with the call.
    const int64_t total = t;
    const int64_t base = int64_t(record.timeOfDay) - total;
    if (inSeized.set && !tornDown.set) tornDown.mark(total);
    if (tornDown.set && !inSeized.set) inSeized.mark(0);
    if (outSeized.set && !released.set) released.mark(total);
    if (released.set && !outSeized.set) outSeized.mark(0);
    auto shown = [base](const SCallTime& c) -> std::string {
        if (!c.set) return "";
        int64_t at = c.at + base;
        if (at < 0) at += kSecondsPerDay;
        return formatTimeOfDay(at);
    };

    std::string sent;
    if (sendSet) {
        const size_t from = sendPosition > 1 ? size_t(sendPosition - 1) : 0;
        sent = from < working.size() ? working.substr(from) : "";
    }
    received = received.substr(0, kDigitsColumn);
    sent = sent.substr(0, kDigitsColumn);

    char buffer[1000];
    formatMessage(buffer, sizeof buffer, 25088, shown(inSeized), inLetter, inPoint, inName,
                  received, category, outLetter, outPoint, outName, sent, shown(outSeized), eos,
                  freeMark, answerMark, tariff, shown(tornDown), releaseMark, shown(released),
                  record.marker != 0 ? '+' : ' ');
    line = buffer;
    return true;
}

namespace {

// The tables that name routes must be consistent before a review starts.
bool routeTablesConsistent() {
    return requireConsistentTable(kRouteTable) == 0 &&
           requireConsistentTable(kRouteChannelTable) == 0;
}

}  // namespace

void startStatisticsReview(const SParamsStatPregled& p) {
    if (!routeTablesConsistent()) return;
    statReview.step(TStatPregled::kStartFull, p.StatSlucaj, p.PocS, p.PocM, p.KrajS, p.KrajM);
}

void startReducedStatisticsReview(const SParamsStatReduced& p) {
    if (!routeTablesConsistent()) return;
    statReview.step(TStatPregled::kStartTable, p.StatSlucaj, p.PocS, p.PocM, p.KrajS, p.KrajM);
}

void stopStatisticsReview() {
    statReview.step(TStatPregled::kStop);
}
