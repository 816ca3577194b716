#include "alarms/kop_statistics.h"

#include <algorithm>
#include <cstdio>

#include "alarms/kop_statistics_window.h"
#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "utils/bytes.h"

// Notes: an answer's first 16 bytes hold the six traffic counters; bytes 16
// to 25, when present, the four error counters and the free-memory count.
// A shorter answer is dropped. The first answer is the base of the rates and
// averages: it shows them as 0.

namespace {

constexpr std::size_t kHeaderLineSize = 100;
constexpr std::size_t kHeaderMax = 300;
constexpr std::size_t kStatisticsLineSize = 200;
constexpr std::size_t kStatisticsMax = 2000;
constexpr int kTrafficBytes = 16;
constexpr int kFullAnswerBytes = 26;

constexpr int kTextOwner = 21073;
constexpr int kTextLinks = 21074;
constexpr int kTableHead[] = {21075, 21076, 21077};
constexpr int kCounterLines[] = {21078, 21079, 21080, 21081, 21082, 21083};
constexpr int kErrorLines[] = {21084, 21085, 21086, 21087};
constexpr int kTextUse = 21088;
constexpr int kTextLoad = 21089;
constexpr int kTextFree = 21090;

// Counters in answer order; the 32-bit ones count octets.
constexpr bool kWide[] = {false, false, true, false, false, true};
enum { kFillSent, kSent, kOctetsSent, kFillReceived, kReceived, kOctetsReceived };

std::uint32_t clampToU32(std::int64_t v) {
    if (v < 0) return 0;
    return v > 0xFFFFFFFFll ? 0xFFFFFFFFu : static_cast<std::uint32_t>(v);
}

// Overhead and data of a set of per-second values, in octets.
double overheadOf(const std::int64_t* v) {
    return 5.0 * double(v[kFillSent] + v[kFillReceived]) + 3.0 * double(v[kSent] + v[kReceived]);
}
double dataOf(const std::int64_t* v) {
    return double(v[kOctetsSent] + v[kOctetsReceived]);
}
float percentOf(double octets, std::int64_t capacity) {
    if (capacity <= 0 || octets <= 0) return 0.0f;  // a negative load shows as 0
    return static_cast<float>(octets * 100.0 / double(capacity));
}

}  // namespace

SKopCard kopCardOf(std::int16_t host, std::uint8_t cardNumber) {
    struct SHost {
        const char* name;
        std::uint16_t base;
        std::int32_t links, bitRate;
    };
    static constexpr SHost kHosts[] = {{"OR", 0, 1, 8000000},
                                       {"AR", 16408, 1, 8000000},
                                       {"CP1", 16392, 2, 1330000},
                                       {"CP2", 16400, 2, 1330000}};
    SKopCard card;
    if (host < 0 || host > 3) return card;
    const SHost& h = kHosts[host];
    card.host = h.name;
    card.address = host == 0 ? 1 : static_cast<std::uint16_t>(h.base + cardNumber);
    card.links = h.links;
    card.bitRate = h.bitRate;
    if (h.bitRate == 8000000) {
        card.speedText = "8";
    } else {
        char text[10];
        std::snprintf(text, sizeof text, "%.2f", h.bitRate * 0.000001);
        card.speedText = text;
    }
    return card;
}

KKOP_StatPrijemnik::KKOP_StatPrijemnik(std::int16_t host, std::uint8_t cardNumber,
                                       IKopStatView* window)
    : TMessageReceiver(kTypeKopStatistics),
      cardNumber_(cardNumber),
      card_(kopCardOf(host, cardNumber)),
      window_(window) {
    addKeyFilter(card_.address);
    addCodeFilter(kCodeKopStatistics);
    active = 1;
    sendRequest();
    setTimer(this, kKopStatisticsPeriodMs);

    char line[kHeaderLineSize];
    formatMessage(line, sizeof line, kTextOwner, card_.host, cardNumber_, card_.address);
    header_ = line;
    header_ += "\n";
    formatMessage(line, sizeof line, kTextLinks, card_.links, card_.speedText);
    header_ += line;
    if (header_.size() > kHeaderMax) header_.resize(kHeaderMax);
    if (window_ != nullptr) window_->setHeaderText(header_);
}

KKOP_StatPrijemnik::~KKOP_StatPrijemnik() {
    killTimers(this);
}

void KKOP_StatPrijemnik::sendRequest() {
    if (router != nullptr)
        router->sendMessage(kTypeKopStatistics, card_.address, kCodeKopStatistics, nullptr, 0);
}

void KKOP_StatPrijemnik::onTimer(const STimerEvent*) {
    sendRequest();
    setTimer(this, kKopStatisticsPeriodMs);
}

void KKOP_StatPrijemnik::appendLine(const char* line) {
    std::string s = line;
    s += "\n";
    const std::size_t room = kStatisticsMax - std::min(statistics_.size(), kStatisticsMax);
    statistics_.append(s, 0, std::min(room, s.size()));
}

void KKOP_StatPrijemnik::onMessage(std::uint8_t, std::uint16_t key, std::uint8_t code,
                                   const std::uint8_t* payload, int length) {
    if (code != kCodeKopStatistics || key != card_.address || length < kTrafficBytes) return;
    const std::int32_t now = programClock();
    const std::int32_t dt = now - previousTime_;
    const std::int32_t elapsed = now - startTime_;

    ByteReader in(payload, static_cast<std::size_t>(length));
    std::uint32_t current[kCounters];
    for (int i = 0; i < kCounters; ++i) current[i] = kWide[i] ? in.u32le() : in.u16le();

    statistics_.clear();
    char line[kStatisticsLineSize];
    for (int id : kTableHead) {
        formatMessage(line, sizeof line, id);
        appendLine(line);
    }
    std::int64_t rates[kCounters], averages[kCounters];
    for (int i = 0; i < kCounters; ++i) {
        // The true increment of a counter that wrapped.
        const std::uint32_t increment = kWide[i]
                                            ? current[i] - previous_[i]
                                            : static_cast<std::uint16_t>(current[i] - previous_[i]);
        totals_[i] += increment;
        rates[i] = !firstAnswer_ && dt > 0 ? std::int64_t(increment) * 1000 / dt : 0;
        averages[i] = !firstAnswer_ && elapsed > 0 ? totals_[i] * 1000 / elapsed : 0;
        formatMessage(line, sizeof line, kCounterLines[i], current[i], clampToU32(rates[i]),
                      clampToU32(averages[i]));
        appendLine(line);
    }
    appendLine("");

    const std::int64_t capacity = std::int64_t(card_.links) * card_.bitRate / 8;
    const float use = percentOf(dataOf(rates), capacity);
    const float useAverage = percentOf(dataOf(averages), capacity);
    if (use > highestUse_) highestUse_ = use;
    formatMessage(line, sizeof line, kTextUse, use, "%", useAverage, "%", highestUse_, "%");
    appendLine(line);
    const float load = percentOf(dataOf(rates) - overheadOf(rates), capacity);
    const float loadAverage = percentOf(dataOf(averages) - overheadOf(averages), capacity);
    if (load > highestLoad_) highestLoad_ = load;
    formatMessage(line, sizeof line, kTextLoad, load, "%", loadAverage, "%", highestLoad_, "%");
    appendLine(line);

    for (int i = 0; i < kCounters; ++i) previous_[i] = current[i];
    if (firstAnswer_) {
        startTime_ = now;
        for (std::int64_t& t : totals_) t = 0;
        highestUse_ = highestLoad_ = 0;
    }

    if (length >= kFullAnswerBytes) {
        appendLine("");
        for (int id : kErrorLines) {
            formatMessage(line, sizeof line, id, in.u16le());
            appendLine(line);
        }
        appendLine("");
        const std::uint16_t freeCount = in.u16le();
        if (freeCount < lowestFree_) lowestFree_ = freeCount;
        formatMessage(line, sizeof line, kTextFree, freeCount, lowestFree_);
        appendLine(line);
    }

    firstAnswer_ = false;
    if (window_ != nullptr) window_->setStatisticsText(statistics_);
    previousTime_ = now;
}

KKOP_StatPrijemnik* openKopStatisticsWindow(const SParamsStatistikaKOPa& params) {
    const SKopCard card = kopCardOf(params.eDomacinKOPa, params.byBrojKOPa);
    char title[64];
    std::snprintf(title, sizeof title, "KOP %d, %s", params.byBrojKOPa, card.host.c_str());
    return openKopStatisticsView(title, params.eDomacinKOPa, params.byBrojKOPa);
}
