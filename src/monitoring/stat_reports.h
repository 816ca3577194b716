#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "commands/param_records.h"
#include "texts/catalogue_message.h"
#include "link/timer_pool.h"
#include "monitoring/stat_files.h"

// Statistics reports: summaries of every call record of one statistics case,
// printed to the operator messages when the whole file has been read. The
// file is read in slices of 100 counted records, the first at once and the
// next ones 50 ms apart.

constexpr uint32_t kStatReportTickMs = 50;
constexpr int32_t kStatReportSlice = 100;

// What one report reads and counts; the shape shared by the three reports.
class TStatReport : public TTimerReceiver {
public:
    enum Action { kStart = 0, kTick = 1 };
    struct Texts {
        int32_t busy;       // a start while the report runs
        int32_t noFile;     // the case's file cannot be opened
        int32_t malformed;  // the file holds what no exchange writes
    };

    explicit TStatReport(const Texts& texts) : texts_(texts) {}
    ~TStatReport() override;
    void step(int action, uint8_t statCase);
    void onTimer(const STimerEvent* event) override;

    uint8_t running = 0;
    int32_t timerId = -1;
    uint8_t caseNumber = 0;
    FILE* file = nullptr;
    int32_t firstTime = -1;
    int32_t lastTime = -1;
    int32_t tickRecords = 0;

protected:
    enum class Counted { Yes, Dropped, Malformed };
    virtual void clear() = 0;
    virtual Counted evaluate(const SStatCallRecord& record) = 0;
    virtual void print() = 0;
    // The report's header: text with the case and the hour and minute of the
    // first and the last record.
    void postHeader(int32_t textId) const;

private:
    void slice();
    void close();
    const Texts texts_;
};

// Traffic kinds: calls counted by origin, destination and whether the
// called party was free, with their times from then on.
class TVrsteSaobracaja : public TStatReport {
public:
    TVrsteSaobracaja();
    struct Pair {
        uint32_t count = 0;
        uint32_t time = 0;
    };
    // [origin: subscriber, trunk, DRI][destination: + none][called free]
    Pair counts[3][4][2];

protected:
    void clear() override;
    Counted evaluate(const SStatCallRecord& record) override;
    void print() override;
};

// The counts of the success reports for one destination or route.
struct sCounter {
    uint32_t causes[256] = {};
    uint32_t noCallMemory = 0;
    uint32_t calledFree = 0;
    uint32_t timeBeforeFree = 0;
    uint32_t timeFreeToAnswer = 0;
    uint32_t timeAnswered = 0;
    uint32_t answered = 0;
    uint32_t noCause = 0;
    void add(const sCounter& other);
};

// Connection success, by traffic destination or by route: one counter per
// key, printed in the order of keys(), then their sum.
class TStatSuccessReport : public TStatReport {
public:
    struct Layout {
        Texts texts;
        int32_t header, columns, separator, causeHeader, causeSeparator;
        int32_t line, causeLine;
        int32_t causeNested;  // the nested text of a cause line's fields; 0: none
        int32_t real, empty;  // the nested "%6.2f" text and the empty text
        int32_t noKey;        // the key a call without one counts under
    };
    explicit TStatSuccessReport(const Layout& layout)
        : TStatReport(layout.texts), layout_(layout) {}

    // The counter of a key, made when absent; null when no more can be made.
    virtual sCounter* counterFor(int32_t key) = 0;
    // The keys that have a counter, in printing order.
    virtual std::vector<int32_t> keys() const = 0;

    // One counter's line and its cause lines.
    void printLine(const sCounter& c, int32_t key);
    void printCauseLines(const sCounter& c, int32_t key);

    std::unique_ptr<sCounter> summary;  // the sum of the counters while printing

protected:
    Counted evaluate(const SStatCallRecord& record) override;
    void print() override;
    // Sets the record's key from one of its events; false when the event
    // does not name it.
    virtual void keyFromEvent(const SStatItem& item, int32_t& key) = 0;
    // The arguments of a line's first column; `text` keeps a text argument.
    virtual void firstColumn(int32_t key, std::vector<MessageArg>& args, std::string& text) = 0;
    void releaseCounters();
    virtual void dropCounters() = 0;

private:
    const Layout layout_;
};

class TUspehVeze : public TStatSuccessReport {
public:
    TUspehVeze();
    sCounter* counterFor(int32_t destination) override;
    std::vector<int32_t> keys() const override;
    void printDestinationLine(const sCounter& c, int32_t destination) { printLine(c, destination); }

    std::array<std::unique_ptr<sCounter>, 256> counters;

protected:
    void clear() override;
    void keyFromEvent(const SStatItem& item, int32_t& key) override;
    void firstColumn(int32_t key, std::vector<MessageArg>& args, std::string& text) override;
    void dropCounters() override;
};

class TUspehRuta : public TStatSuccessReport {
public:
    static constexpr int kMaxRoutes = 259;
    TUspehRuta();
    // Start (action 0) about the outgoing side when outgoing is 1.
    void step(int action, uint8_t statCase, int32_t outgoingSide);
    sCounter* counterForRoute(int16_t route);
    sCounter* counterFor(int32_t route) override { return counterForRoute(int16_t(route)); }
    std::vector<int32_t> keys() const override;
    void printRouteLine(const sCounter& c, int16_t route) { printLine(c, route); }
    // -1 "Ptp.", -2 "GM", -3 "???", -4 empty, else the name of table 77.
    static std::string routeName(int16_t route);

    int32_t outgoing = 0;
    std::vector<std::pair<int16_t, std::unique_ptr<sCounter>>> routes;

protected:
    void clear() override;
    void keyFromEvent(const SStatItem& item, int32_t& key) override;
    void firstColumn(int32_t key, std::vector<MessageArg>& args, std::string& text) override;
    void dropCounters() override;
};

extern TVrsteSaobracaja trafficKindsReport;
extern TUspehVeze successByDestinationReport;
extern TUspehRuta successByRouteReport;

// Commands 5573, 5574 and 5575.
void startTrafficKindsReport(const SParamsStatVrsteSaob& params);
void startSuccessByDestinationReport(const SParamsStatUspehVeze& params);
void startSuccessByRouteReport(const SParamsStatUspehRuta& params);
