#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "commands/param_records.h"
#include "link/timer_pool.h"
#include "monitoring/stat_files.h"

// Statistics reviews: the call records of one statistics case whose time
// lies in a window of the day, printed to the statistics report stream
// (type 142) in full (every event of a call) or as one table line per call.
// The file is read from a 200 ms timer, at most 10 printed or 100 skipped
// records a tick, so that a long file never blocks the program.

constexpr uint32_t kStatReviewTickMs = 200;

// The route that owns a trunk's connection point (table 80 by its indexed
// field PrikTacka); false when the point is in no row.
bool statRouteOfPoint(int32_t point, int16_t& route);
// The name of a route (table 77 by key, at most 8 characters); false when
// the route is in no row.
bool statRouteName(int16_t route, std::string& name);

// "hh:mm:ss" for 0..86399 seconds, else "**:**:**".
std::string formatTimeOfDay(int64_t seconds);

// Appends one event's template expanded with its values to out.
void formatStatEvent(std::string& out, const char* eventTemplate,
                     const std::vector<SStatValue>& values);

class TStatPregled : public TTimerReceiver {
public:
    enum Action { kStartFull = 0, kStartTable = 1, kStop = 2, kTick = 3 };

    TStatPregled() = default;
    ~TStatPregled() override;
    void step(int action, uint8_t statCase = 0, uint8_t fromHour = 0, uint8_t fromMinute = 0,
              uint8_t toHour = 0, uint8_t toMinute = 0);
    void onTimer(const STimerEvent* event) override;

    // The output of one record; false when it gives none. A malformed
    // record sets fileError (the full review keeps what it built of it).
    bool printFullCallRecord(const SStatCallRecord& record, std::string& text);
    bool printReducedCallRecord(const SStatCallRecord& record, std::string& line);

    FILE* file = nullptr;
    uint8_t running = 0;
    int32_t tableMode = 0;
    int32_t timerId = -1;
    int32_t callCount = 0;
    int32_t fromTime = 0;
    int32_t toTime = 0;
    uint8_t fileError = 0;

private:
    void start(int action, uint8_t statCase, uint8_t fromHour, uint8_t fromMinute, uint8_t toHour,
               uint8_t toMinute);
    void tick();
    void end();
    // The party letter and name of a seizure; false for an unknown party kind.
    bool partyOf(const std::vector<SStatValue>& values, char& letter, std::string& point,
                 std::string& name);
};

extern TStatPregled statReview;

// Commands 5570, 5571 and 5572.
void startStatisticsReview(const SParamsStatPregled& params);
void startReducedStatisticsReview(const SParamsStatReduced& params);
void stopStatisticsReview();
