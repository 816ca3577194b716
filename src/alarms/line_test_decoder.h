#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Decoder of one subscriber line-test result (type 143): raw bytes to
// physical quantities, flags and a result code. It reads the bytes from its
// position to the end of the received payload and never past them.
//
// Outputs are written through the caller's structures, field by field as the
// decoding reaches them; a field not reached keeps the caller's value. A
// result shorter than its layout writes nothing and returns the decoder's own
// failure (0 for voltage blocks, -1 for resistances, capacitance and phase
// angle, false for the communication pattern), or kLineTestTruncated where
// the decoder has none.

constexpr int kLineTestTruncated = -2;

// Second load of the voltage measurements, ohms.
constexpr float kVoltageSecondLoad = 600.0f;
// The longest digit text a digit-reception result yields; codes beyond it
// are not shown.
constexpr std::size_t kMaxDigitText = 256;

struct SLineTestVoltage {
    float dc1 = 0, dc2 = 0, ac1 = 0, ac2 = 0;  // raw measurements, V
    float ueff = 0, udc = 0, rsDc = 0, uac = 0, rsAc = 0;
    bool rsDcValid = false, rsAcValid = false;
};

struct SRingingCurrent {
    bool absent = false, onTimeExceeded = false, notRepeated = false;
    float onTime = 0, pause = 0, period = 0;  // s
    float amplitude = 0;                      // V
};

struct SToneSignal {
    bool absent = false, toneExceeded = false, notRepeated = false;
    float firstTone = 0, firstPause = 0, secondTone = 0, secondPause = 0, period = 0;  // s
    float amplitude = 0;                                                               // V
};

struct STariffSignal {
    bool absent = false, signalExceeded = false, singlePulse = false;
    float duration = 0, pause = 0, period = 0;  // s
    float amplitude = 0;                        // V
};

struct SLoopClosure {
    bool dutyCycle = false, zInterface = false, hs = false;
    float currentByte2 = 0, currentByte1 = 0;  // A
};

struct SDisconnectDelay {
    bool noDelay = false, ringingNotEnded = false;
    float delay = 0;  // s
};

struct SDialTest {
    bool tone = false, bit6 = false, bit2 = false, bit1 = false, bit0 = false;
    std::uint8_t method = 0;  // 0..3
    std::uint8_t count = 0;   // 0..15
    std::string digits;
};

struct SDigitReception {
    std::string digits;
    bool fullSet = false;
    std::uint8_t digitsSent = 0;
};

class ZILC {
public:
    // `position` is the first byte of the result; `available` the bytes the
    // payload holds from there on.
    ZILC(const std::uint8_t* position, std::size_t available);
    virtual ~ZILC();

    int decodeVoltageBlock(std::size_t offset, float secondLoad, SLineTestVoltage& out) const;
    int decodeVoltageAB(float secondLoad, SLineTestVoltage& out) const;
    int decodeVoltageAGround(float secondLoad, SLineTestVoltage& out) const;
    int decodeVoltageBGround(float secondLoad, SLineTestVoltage& out) const;
    int decodeFeedingVoltage(float secondLoad, SLineTestVoltage& out) const;

    int decodeResistance(std::size_t offset, float& ohms) const;
    int decodeInsulation(float& ohms) const;
    int decodeLoopResistance(float& ohms) const;
    int decodeLeakage(float& wireA, float& wireB) const;

    int decodeCapacitance(float& nanofarads, bool& belowRange, bool& aboveRange) const;
    int decodePhaseAngle(float& degrees) const;

    int decodeRingingCurrent(SRingingCurrent& out) const;
    int decodeToneSignal(SToneSignal& out) const;
    int decodeTariffSignal(STariffSignal& out) const;
    int decodeLoopClosure(SLoopClosure& out) const;
    int decodeDisconnectDelay(SDisconnectDelay& out) const;
    int decodeMeterPulses(std::uint8_t& pulsesSent) const;
    bool checkCommunicationPattern(std::uint8_t (&pattern)[30]) const;
    int decodeDialTest(SDialTest& out) const;
    int decodeDigitReception(SDigitReception& out) const;

private:
    // Copies the bytes [offset, offset + count) into out; false, copying
    // nothing, when the payload does not hold them all.
    bool take(std::size_t offset, std::uint8_t* out, std::size_t count) const;

    const std::uint8_t* position_;
    std::size_t available_;
};
