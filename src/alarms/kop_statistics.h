#pragma once

#include <cstdint>
#include <string>

#include "commands/param_records.h"
#include "link/message_bus.h"
#include "link/timer_pool.h"

// Link statistics of one communications card: the card is asked for its
// counters every second (type 141, code 240) and its answers are shown as
// totals, rates of the last second and averages since the window opened,
// with the utilisation and the load of the card's links.

constexpr std::uint8_t kTypeKopStatistics = 141;
constexpr std::uint8_t kCodeKopStatistics = 240;
constexpr std::uint32_t kKopStatisticsPeriodMs = 1000;

// Where the receiver shows its two texts (code page 1251).
class IKopStatView {
public:
    virtual ~IKopStatView() = default;
    virtual void setHeaderText(const std::string& text) = 0;
    virtual void setStatisticsText(const std::string& text) = 0;
};

// The card polled for a host choice (0 OR, 1 AR, 2 CP1, 3 CP2) and card number.
struct SKopCard {
    std::string host;  // empty for an unknown host
    std::uint16_t address = 0;
    std::int32_t links = 0;
    std::int32_t bitRate = 0;  // per link, bit/s
    std::string speedText;     // Mbit/s as the header shows it
};
SKopCard kopCardOf(std::int16_t host, std::uint8_t cardNumber);

class KKOP_StatPrijemnik : public TMessageReceiver, public TTimerReceiver {
public:
    // Sends the first request, arms the poll and shows the header.
    KKOP_StatPrijemnik(std::int16_t host, std::uint8_t cardNumber, IKopStatView* window);
    ~KKOP_StatPrijemnik() override;

    void onMessage(std::uint8_t type, std::uint16_t key, std::uint8_t code,
                   const std::uint8_t* payload, int length) override;
    void onTimer(const STimerEvent* event) override;

    const SKopCard& card() const { return card_; }
    const std::string& headerText() const { return header_; }
    const std::string& statisticsText() const { return statistics_; }

private:
    static constexpr int kCounters = 6;
    void sendRequest();
    void appendLine(const char* line);

    std::string header_;
    std::string statistics_;
    std::uint8_t cardNumber_;
    SKopCard card_;
    IKopStatView* window_;  // not owned
    std::uint16_t lowestFree_ = 65535;
    float highestUse_ = 0;
    float highestLoad_ = 0;
    bool firstAnswer_ = true;
    std::uint32_t previous_[kCounters] = {};
    // Totals of the increments since the first answer; 64 bits, so that an
    // octet total of a busy link does not overflow within the hour.
    std::int64_t totals_[kCounters] = {};
    std::int32_t startTime_ = 0;
    std::int32_t previousTime_ = 0;
};

// The action of command 5008: a new window polling the card of the record.
KKOP_StatPrijemnik* openKopStatisticsWindow(const SParamsStatistikaKOPa& params);
