#include "alarms/alarm_count_poll.h"

#include "alarms/alarm_panel.h"
#include "alarms/alarm_reporter.h"
#include "link/router.h"
#include "utils/bytes.h"
#include "utils/status_cells.h"

KAlarmProzivka* alarmCountPoll = nullptr;

namespace {

constexpr uint8_t kBlankDigit = 16;
constexpr int kDigitTens = 0;
constexpr int kDigitOnes = 1;

void paintCell(IStatusCell* cell, bool active) {
    if (cell == nullptr) return;
    if (active)
        cell->showActiveColour();
    else
        cell->showIdleColour();
    cell->refresh();
}

void showDisplay(void (KAlarmniPanel::*setDigit)(int, uint8_t, uint8_t), uint16_t count,
                 bool blank) {
    uint8_t tens = kBlankDigit;
    uint8_t ones = kBlankDigit;
    if (!blank) alarmCountDigits(count, &tens, &ones);
    (alarmPanel->*setDigit)(kDigitTens, tens, 0);
    (alarmPanel->*setDigit)(kDigitOnes, ones, 0);
}

}  // namespace

bool decodeAlarmCounts(const uint8_t* payload, int length, SAlarmCounts& out) {
    ByteReader in(payload, length > 0 ? static_cast<size_t>(length) : 0);
    in.skip(1);
    SAlarmCounts counts;
    counts.a1 = in.u16le();
    counts.a2 = in.u16le();
    counts.third = in.u16le();
    if (!in.ok()) return false;
    out = counts;
    return true;
}

void alarmCountDigits(uint16_t count, uint8_t* tens, uint8_t* ones) {
    if (count >= 99) {
        *tens = *ones = 9;
        return;
    }
    *tens = static_cast<uint8_t>(count / 10);
    *ones = static_cast<uint8_t>(count % 10);
}

KAlarmProzivka::KAlarmProzivka() : TMessageReceiver(kTypeAlarm) {
    addCodeFilter(kAlarmCountAnswerCode);
    active = 1;
    timerId = setTimer(this, kAlarmCountPeriod);
}

KAlarmProzivka::~KAlarmProzivka() {
    killTimers(this);
}

void KAlarmProzivka::onTimer(const STimerEvent*) {
    if (router != nullptr)
        router->sendMessage(kTypeAlarm, kExchangeAddress, kAlarmCountPollCode, nullptr, 0);
    timerId = setTimer(this, kAlarmCountPeriod);
}

void KAlarmProzivka::onMessage(uint8_t, uint16_t, uint8_t code, const uint8_t* payload,
                               int length) {
    SAlarmCounts counts;
    if (code != kAlarmCountAnswerCode || !decodeAlarmCounts(payload, length, counts)) return;
    showCounts(counts, !isAlpTestRunning() && alarmPanel != nullptr);
}

void KAlarmProzivka::showCounts(const SAlarmCounts& c, bool drive) {
    if (c.a1 != 0) {
        paintCell(a1Cell, true);
        paintCell(okCell, false);
        if (drive) {
            alarmPanel->clearIndicator(1);
            alarmPanel->setIndicator(3, 1);
            showDisplay(&KAlarmniPanel::setDisplay1Digit, c.a1, false);
        }
    } else {
        paintCell(a1Cell, false);
        if (drive) {
            alarmPanel->clearIndicator(3);
            showDisplay(&KAlarmniPanel::setDisplay1Digit, 0, true);
        }
    }
    if (c.a2 != 0) {
        paintCell(a2Cell, true);
        paintCell(okCell, false);
        if (drive) {
            alarmPanel->clearIndicator(1);
            alarmPanel->setIndicator(2, 1);
            showDisplay(&KAlarmniPanel::setDisplay2Digit, c.a2, false);
        }
    } else {
        paintCell(a2Cell, false);
        if (drive) {
            alarmPanel->clearIndicator(2);
            showDisplay(&KAlarmniPanel::setDisplay2Digit, 0, true);
        }
    }
    if (c.third != 0) {
        paintCell(okCell, false);
        if (drive && c.a1 == 0 && c.a2 == 0) {
            alarmPanel->clearIndicator(1);
            alarmPanel->setIndicator(2, 0);
            showDisplay(&KAlarmniPanel::setDisplay2Digit, 0, true);
        }
    } else if (drive && c.a2 == 0) {
        alarmPanel->clearIndicator(2);
    }
    if (c.a1 == 0 && c.a2 == 0 && c.third == 0) {
        paintCell(okCell, true);
        if (drive) alarmPanel->setIndicator(1, 0);
    }
    if (drive) alarmPanel->send();
}

int createAlarmCountPoll() {
    if (alarmCountPoll == nullptr) alarmCountPoll = new KAlarmProzivka();
    return 0;
}

void destroyAlarmCountPoll() {
    delete alarmCountPoll;
    alarmCountPoll = nullptr;
}
