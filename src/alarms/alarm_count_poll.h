#pragma once

#include <cstdint>

#include "link/message_bus.h"
#include "link/timer_pool.h"

constexpr uint8_t kAlarmCountPollCode = 1;    // poll, to the management processor
constexpr uint8_t kAlarmCountAnswerCode = 9;  // answer: the counts
constexpr uint32_t kAlarmCountPeriod = 5000;  // ms between polls
constexpr int kAlarmCountsSize = 7;

// The alarm counts of an answer: a byte not read, then A1, A2 and a third
// count, unsigned 16-bit each. An answer too short for all three counts is
// not read at all.
struct SAlarmCounts {
    uint16_t a1 = 0;
    uint16_t a2 = 0;
    uint16_t third = 0;
};
bool decodeAlarmCounts(const uint8_t* payload, int length, SAlarmCounts& out);

// The two digits of a count on a two-digit display: 99 and more show 99.
void alarmCountDigits(uint16_t count, uint8_t* tens, uint8_t* ones);

// Asks the management processor for its alarm counts every 5 s; each answer
// paints the status cells A1, A2 and OK and, unless a panel test owns it,
// the alarm panel.
class KAlarmProzivka : public TMessageReceiver, public TTimerReceiver {
public:
    KAlarmProzivka();
    ~KAlarmProzivka() override;
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
    void onTimer(const STimerEvent* event) override;

    // Paints the cells and, when drive, the panel.
    static void showCounts(const SAlarmCounts& counts, bool drive);

    int32_t timerId = -1;
};

// The one poll, null before start-up.
extern KAlarmProzivka* alarmCountPoll;
// Start step (never fails) and its stop step.
int createAlarmCountPoll();
void destroyAlarmCountPoll();
