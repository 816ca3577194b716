#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "alarms/line_test_decoder.h"
#include "link/message_bus.h"

// Subscriber line-test results (type 143, the code names the test): each
// result is decoded and written as a few lines of operator messages.

constexpr std::uint8_t kTypeLineTest = 143;
// The show operations' result for a code that has none.
constexpr int kLineTestNoDisplay = -2;

class ZCOMILC : public TMessageReceiver {
public:
    ZCOMILC();
    void onMessage(std::uint8_t type, std::uint16_t key, std::uint8_t code,
                   const std::uint8_t* payload, int length) override;
    // Decodes one result (payload byte 0 is not read) and posts its lines;
    // kLineTestNoDisplay for a code without a display.
    int showResult(std::uint8_t code, const std::uint8_t* payload, std::size_t length);

private:
    // Replaces the decoder by one at the payload offset.
    void decodeAt(std::size_t offset);

    int showCommunicationTest();
    int showVoltages();
    int showInsulation();
    int showLeakage();
    int showCapacitance();
    int showPhaseAngle();
    int showLoopResistance();
    int showDialTest();
    int showMeterTest();
    int showRingingCurrent();
    int showToneSignal();
    int showTariffSignal();
    int showLoopClosure();
    int showDigitReception();
    int showDisconnectDelay();
    int showFeedingVoltage();
    int showCardRestored();

    std::unique_ptr<ZILC> decoder_;
    const std::uint8_t* payload_ = nullptr;
    std::size_t length_ = 0;
};

// The one receiver, alive from start-up to the end of the program.
extern ZCOMILC* lineTestReceiver;
// Start step: creates the receiver (a second call replaces the first); 0, or
// -1 when it cannot be created.
int createLineTestReceiver();
