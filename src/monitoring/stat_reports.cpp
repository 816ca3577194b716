#include "monitoring/stat_reports.h"

#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "monitoring/stat_reviews.h"
#include "toolkit/small_dialogs.h"
#include "utils/code_mappers.h"

TVrsteSaobracaja trafficKindsReport;
TUspehVeze successByDestinationReport;
TUspehRuta successByRouteReport;

namespace {

constexpr int32_t kEmptyFileText = 25094;
constexpr int kSecondsPerDay = 86400;
constexpr int kNoCause = 255;

void postOperatorLine(const char* text) {
    postTextLine(kLineLocal, text, kTypeOperator);
}

void postMessage(size_t size, int32_t textId, const std::vector<MessageArg>& args) {
    std::vector<char> line(size);
    formatMessageArgs(line.data(), line.size(), textId, args.data(), args.size());
    postOperatorLine(line.data());
}

// The party kind of a seizure (kinds 0, 1 and 26); -1 without one.
int32_t partyKind(const SStatItem& item) {
    return item.values.empty() ? -1 : item.values[0].integer;
}

bool isTableKind(int kind) {
    return kind >= 0 && kind < kStatTableEventKinds;
}

}  // namespace

// ---- the shared shape

TStatReport::~TStatReport() {
    if (file != nullptr) std::fclose(file);
}

void TStatReport::step(int action, uint8_t statCase) {
    if (action == kTick) {
        if (running) slice();
        return;
    }
    if (action != kStart) return;
    if (running) {
        postOperatorLine(textById(texts_.busy));
        return;
    }
    caseNumber = statCase;
    file = openStatFile(statCase);
    if (file == nullptr) {
        postOperatorLine(textById(texts_.noFile));
        return;
    }
    clear();
    firstTime = lastTime = -1;
    running = 1;
    slice();
}

void TStatReport::onTimer(const STimerEvent*) {
    timerId = -1;
    step(kTick, caseNumber);
}

void TStatReport::close() {
    running = 0;
    if (file != nullptr) std::fclose(file);
    file = nullptr;
}

void TStatReport::slice() {
    tickRecords = 0;
    for (;;) {
        SStatCallRecord record;
        const StatRead read = readStatRecord(file, record);
        if (read == StatRead::End) {
            close();
            if (firstTime == -1) {
                postOperatorLine(textById(kEmptyFileText));
                clear();
                return;
            }
            print();
            return;
        }
        // A file cut inside a record: the whole records are reported, and the
        // operator is told that the data are in doubt.
        if (read == StatRead::Truncated) {
            close();
            if (firstTime == -1)
                postOperatorLine(textById(kEmptyFileText));
            else
                print();
            postOperatorLine(textById(texts_.malformed));
            return;
        }
        Counted counted = Counted::Malformed;
        if (isStatTimeOfDay(record.timeOfDay)) {
            if (firstTime == -1) firstTime = record.timeOfDay;
            lastTime = record.timeOfDay;
            counted = record.isTimeMark() ? Counted::Dropped : evaluate(record);
        }
        if (counted == Counted::Malformed) {
            close();
            clear();
            postOperatorLine(textById(texts_.malformed));
            return;
        }
        if (counted == Counted::Yes && ++tickRecords == kStatReportSlice) {
            timerId = setTimer(this, kStatReportTickMs);
            return;
        }
    }
}

void TStatReport::postHeader(int32_t textId) const {
    postMessage(
        100, textId,
        {caseNumber, firstTime / 3600, firstTime / 60 % 60, lastTime / 3600, lastTime / 60 % 60});
}

// ---- traffic kinds

namespace {

// Names of the traffic kinds by origin and destination.
constexpr int32_t kTrafficKindTexts[3][4] = {
    {25100, 25101, 25102, 25103}, {25104, 25105, 25106, 25107}, {25108, 25109, 25110, 25111}};
constexpr int kNoParty = 3;

}  // namespace

TVrsteSaobracaja::TVrsteSaobracaja() : TStatReport({25096, 25095, 25019}) {}

void TVrsteSaobracaja::clear() {
    for (auto& origin : counts)
        for (auto& destination : origin)
            for (Pair& p : destination) p = Pair{};
}

TStatReport::Counted TVrsteSaobracaja::evaluate(const SStatCallRecord& record) {
    std::vector<SStatItem> items;
    if (!readStatItems(record, items)) return Counted::Malformed;
    int origin = kNoParty, destination = kNoParty, calledFree = 0;
    uint32_t time = 0;
    for (const SStatItem& item : items) {
        if (item.event.hasDelta && calledFree) time += uint32_t(int32_t(item.event.delta));
        const int kind = item.event.kind;
        if (!isTableKind(kind)) return Counted::Malformed;
        if (kind == 0 || kind == 1 || kind == 26) {
            const int32_t party = partyKind(item);
            if (party < 0 || party >= kNoParty) return Counted::Malformed;
            (kind == 1 ? destination : origin) = party;
        } else if (kind == 13) {
            calledFree = 1;
        }
    }
    if (origin != kNoParty) {
        Pair& p = counts[origin][destination][calledFree];
        ++p.count;
        p.time += time;
    }
    return Counted::Yes;
}

void TVrsteSaobracaja::print() {
    int32_t duration = lastTime - firstTime;
    if (duration < 0) duration += kSecondsPerDay;
    postHeader(25097);
    postOperatorLine(textById(25098));
    for (int origin = 0; origin < 3; ++origin) {
        for (int destination = 0; destination <= kNoParty; ++destination) {
            for (int flag = 0; flag < (destination == kNoParty ? 1 : 2); ++flag) {
                const Pair& p = counts[origin][destination][flag];
                std::vector<MessageArg> args = {kTrafficKindTexts[origin][destination],
                                                flag ? 25112 : 25113, 25116, int64_t(p.count)};
                if (flag && p.count != 0) {
                    args.insert(args.end(), {25114, double(p.time) / p.count});
                } else {
                    args.push_back(kEmptyTextId);
                }
                if (flag && duration != 0) {
                    args.insert(args.end(), {25115, double(p.time) / duration});
                } else {
                    args.push_back(kEmptyTextId);
                }
                postMessage(100, 25099, args);
            }
        }
    }
}

// ---- success reports

void sCounter::add(const sCounter& o) {
    for (int i = 0; i < 256; ++i) causes[i] += o.causes[i];
    noCallMemory += o.noCallMemory;
    calledFree += o.calledFree;
    timeBeforeFree += o.timeBeforeFree;
    timeFreeToAnswer += o.timeFreeToAnswer;
    timeAnswered += o.timeAnswered;
    answered += o.answered;
    noCause += o.noCause;
}

TStatReport::Counted TStatSuccessReport::evaluate(const SStatCallRecord& record) {
    std::vector<SStatItem> items;
    if (!readStatItems(record, items)) return Counted::Malformed;
    int state = 0;  // 0 before the called party is free, 1 free, 2 answered
    int cause = kNoCause;
    uint32_t times[3] = {};
    int32_t key = layout_.noKey;
    for (const SStatItem& item : items) {
        if (item.event.hasDelta) times[state] += uint32_t(int32_t(item.event.delta));
        const int kind = item.event.kind;
        if (!isTableKind(kind)) return Counted::Malformed;
        keyFromEvent(item, key);
        if (kind == 12) {
            cause = item.values[0].integer & 0xFF;
        } else if (kind == 13) {
            state = 1;
        } else if (kind == 14) {
            state = 2;
        } else if (kind == 26) {
            if (sCounter* c = counterFor(key)) ++c->noCallMemory;
        }
    }
    sCounter* c = counterFor(key);
    if (c == nullptr) return Counted::Dropped;
    if (state == 2) {
        ++c->answered;
    } else if (state == 1) {
        ++c->calledFree;
    } else if (cause == kNoCause) {
        ++c->noCause;
    } else {
        ++c->causes[cause];
    }
    c->timeBeforeFree += times[0];
    c->timeFreeToAnswer += times[1];
    c->timeAnswered += times[2];
    return Counted::Yes;
}

void TStatSuccessReport::printLine(const sCounter& c, int32_t key) {
    uint32_t sumCauses = 0;
    for (uint32_t n : c.causes) sumCauses += n;
    const uint32_t calls = c.noCallMemory + c.calledFree + c.answered + c.noCause + sumCauses;
    const uint32_t free = c.calledFree + c.answered;
    std::vector<MessageArg> args;
    std::string text;
    firstColumn(key, args, text);
    auto ratio = [&](double value, uint32_t by) {
        if (by == 0) {
            args.push_back(layout_.empty);
        } else {
            args.insert(args.end(), {layout_.real, value / by});
        }
    };
    args.insert(args.end(),
                {int64_t(calls), int64_t(c.noCallMemory), int64_t(sumCauses), int64_t(free)});
    ratio(free * 100.0, calls);
    args.push_back(int64_t(c.answered));
    ratio(c.answered * 100.0, calls);
    args.push_back(int64_t(c.noCause));
    ratio(c.timeBeforeFree, calls);
    ratio(c.timeFreeToAnswer, free);
    ratio(c.timeAnswered, c.answered);
    postMessage(200, layout_.line, args);
}

void TStatSuccessReport::printCauseLines(const sCounter& c, int32_t key) {
    uint32_t total = 0;
    for (uint32_t n : c.causes) total += n;
    // Ascending by count; among equal counts the first found moves up.
    int order[256];
    for (int i = 0; i < 256; ++i) order[i] = i;
    for (int i = 0; i < 255; ++i) {
        int smallest = i;
        for (int j = i + 1; j < 256; ++j)
            if (c.causes[order[j]] < c.causes[order[smallest]]) smallest = j;
        std::swap(order[i], order[smallest]);
    }
    for (int cause : order) {
        const uint32_t count = c.causes[cause];
        if (count == 0) continue;
        std::vector<MessageArg> args;
        std::string text;
        firstColumn(key, args, text);
        if (layout_.causeNested != 0) args.push_back(layout_.causeNested);
        args.insert(args.end(), {cause, int64_t(count), count * 100.0 / total,
                                 textById(endOfSelectionCauseTextId(cause))});
        postMessage(200, layout_.causeLine, args);
    }
}

void TStatSuccessReport::print() {
    summary = std::make_unique<sCounter>();
    const std::vector<int32_t> order = keys();
    for (int32_t key : order) summary->add(*counterFor(key));
    postHeader(layout_.header);
    postOperatorLine("");
    postOperatorLine(textById(layout_.columns));
    for (int32_t key : order) printLine(*counterFor(key), key);
    postOperatorLine(textById(layout_.separator));
    printLine(*summary, layout_.noKey);
    postOperatorLine("");
    postOperatorLine(textById(layout_.causeHeader));
    for (int32_t key : order) printCauseLines(*counterFor(key), key);
    postOperatorLine(textById(layout_.causeSeparator));
    printCauseLines(*summary, layout_.noKey);
    postOperatorLine("");
    releaseCounters();
}

void TStatSuccessReport::releaseCounters() {
    summary.reset();
    dropCounters();
}

// ---- success by traffic destination

TUspehVeze::TUspehVeze()
    : TStatSuccessReport({{25117, 25118, 25130},
                          25119,
                          25120,
                          25121,
                          25122,
                          25123,
                          25124,
                          25129,
                          25128,
                          25126,
                          25127,
                          0}) {}

void TUspehVeze::clear() {
    releaseCounters();
}

void TUspehVeze::dropCounters() {
    for (auto& c : counters) c.reset();
}

sCounter* TUspehVeze::counterFor(int32_t destination) {
    if (destination < 0 || destination > 255) return nullptr;
    auto& c = counters[size_t(destination)];
    if (!c) c = std::make_unique<sCounter>();
    return c.get();
}

std::vector<int32_t> TUspehVeze::keys() const {
    std::vector<int32_t> out;
    for (int32_t d = 0; d < 256; ++d)
        if (counters[size_t(d)]) out.push_back(d);
    return out;
}

void TUspehVeze::keyFromEvent(const SStatItem& item, int32_t& key) {
    if (item.event.kind == 11) key = item.values[0].integer & 0xFF;
}

void TUspehVeze::firstColumn(int32_t key, std::vector<MessageArg>& args, std::string&) {
    if (key == 0) {
        args.push_back(25127);  // destination 0 and the summary show an empty column
    } else {
        args.insert(args.end(), {25125, key});
    }
}

// ---- success by route

namespace {

constexpr int16_t kRouteSubscriber = -1;
constexpr int16_t kRouteDri = -2;
constexpr int16_t kRouteUnknown = -3;
constexpr int16_t kRouteNone = -4;

}  // namespace

TUspehRuta::TUspehRuta()
    : TStatSuccessReport({{25139, 25131, 25142},
                          25132,
                          25133,
                          25140,
                          25134,
                          25141,
                          25136,
                          25135,
                          0,
                          25137,
                          25138,
                          kRouteNone}) {}

void TUspehRuta::step(int action, uint8_t statCase, int32_t outgoingSide) {
    if (action == kStart && !running) outgoing = outgoingSide == 1 ? 1 : 0;
    TStatReport::step(action, statCase);
}

void TUspehRuta::clear() {
    releaseCounters();
}

void TUspehRuta::dropCounters() {
    routes.clear();
}

sCounter* TUspehRuta::counterForRoute(int16_t route) {
    for (auto& r : routes)
        if (r.first == route) return r.second.get();
    if (int(routes.size()) >= kMaxRoutes) return nullptr;
    routes.emplace_back(route, std::make_unique<sCounter>());
    return routes.back().second.get();
}

std::vector<int32_t> TUspehRuta::keys() const {
    std::vector<int32_t> out;
    for (const auto& r : routes) out.push_back(r.first);
    return out;
}

void TUspehRuta::keyFromEvent(const SStatItem& item, int32_t& key) {
    if (item.event.kind != (outgoing ? 1 : 0)) return;
    const int32_t party = partyKind(item);
    if (party == 0) {
        key = kRouteSubscriber;
    } else if (party == 2) {
        key = kRouteDri;
    } else {
        int16_t route = 0;
        key = statRouteOfPoint(item.values[1].integer, route) ? route : kRouteUnknown;
    }
}

std::string TUspehRuta::routeName(int16_t route) {
    switch (route) {
        case kRouteSubscriber:
            return "Ptp.";
        case kRouteDri:
            return "GM";
        case kRouteUnknown:
            return "???";
        case kRouteNone:
            return "";
        default:
            break;
    }
    std::string name;
    return statRouteName(route, name) ? name : "???";
}

void TUspehRuta::firstColumn(int32_t key, std::vector<MessageArg>& args, std::string& text) {
    text = routeName(int16_t(key));
    args.push_back(text);
}

// ---- the commands

void startTrafficKindsReport(const SParamsStatVrsteSaob& p) {
    trafficKindsReport.step(TStatReport::kStart, p.StatSlucaj);
}

void startSuccessByDestinationReport(const SParamsStatUspehVeze& p) {
    successByDestinationReport.step(TStatReport::kStart, p.StatSlucaj);
}

void startSuccessByRouteReport(const SParamsStatUspehRuta& p) {
    if (requireConsistentTable(77) != 0 || requireConsistentTable(80) != 0) return;
    successByRouteReport.step(TStatReport::kStart, p.StatSlucaj, p.surSmer);
}
