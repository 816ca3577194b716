#include "alarms/line_test_decoder.h"

#include <cmath>
#include <cstring>

#include "alarms/line_test_texts.h"
#include "utils/bytes.h"

// Notes: every decoder copies the bytes of its layout out of the payload
// first (a result that does not hold them is refused before anything is
// written), then computes in double precision and stores single-precision
// values, so that limits such as 1.01, 1.98 or 1,000,000 ohms compare exactly
// as written.

namespace {

constexpr double kTimeStep = 0.0000005;  // s per step of a 24-bit time count
constexpr double kLoadA = 95000.0;       // first load of a voltage block, ohms
constexpr double kMaxSourceResistance = 1000000.0;
constexpr double kResistanceCeiling = 1000000000.0;
constexpr double kResistanceBridge = 10000000.0;
constexpr std::uint32_t kCountExceeded = 0xFFFFFF;

// Three bytes, most significant first.
std::uint32_t count24(const std::uint8_t* b) {
    return std::uint32_t(b[0]) << 16 | std::uint32_t(b[1]) << 8 | b[2];
}

// Volts per step of a range code; 0 for the invalid codes 0 and 3.
double voltageStep(unsigned code) {
    if (code == 1) return 10.0 / 255.0;
    if (code == 2) return 100.0 / 255.0;
    return 0.0;
}

// The source behind two measurements, v1 across the first load and v2 across
// the second: 0 when found (or when both are too small to need it), 1 when
// the loaded measurement did not fall, 2 when out of range. `fell` tells
// whether the loaded measurement fell as a real source's would.
template <typename Write>
int solveSource(double v1, double v2, double loadB, bool small, bool fell, bool& valid,
                Write writeResistance, double& voltage) {
    if (small) {
        valid = false;
        voltage = v1;
        return 0;
    }
    if (!fell) return 1;
    valid = true;
    const double denominator = kLoadA * v2 - loadB * v1;
    if (denominator == 0.0) return 2;
    const double rs = kLoadA * loadB * (v1 - v2) / denominator;
    writeResistance(rs);
    if (rs > kMaxSourceResistance || !(rs >= 0.0)) return 2;
    voltage = v1 * (rs + kLoadA) / kLoadA;
    return 0;
}

}  // namespace

ZILC::ZILC(const std::uint8_t* position, std::size_t available)
    : position_(position), available_(position != nullptr ? available : 0) {}

ZILC::~ZILC() = default;

bool ZILC::take(std::size_t offset, std::uint8_t* out, std::size_t count) const {
    ByteReader r(position_, available_);
    if (!r.skip(offset)) return false;
    return r.bytes(out, count);
}

int ZILC::decodeVoltageBlock(std::size_t offset, float secondLoad, SLineTestVoltage& out) const {
    std::uint8_t b[6];
    if (!take(offset, b, sizeof b)) return 0;
    const unsigned dc1Code = (b[0] >> 4) & 3, ac1Code = b[0] & 3;
    const unsigned dc2Code = (b[3] >> 4) & 3, ac2Code = b[3] & 3;
    for (unsigned code : {dc1Code, ac1Code, dc2Code, ac2Code})
        if (code != 1 && code != 2) return 0;
    const double dc1 = (b[0] & 0x80 ? -1.0 : 1.0) * voltageStep(dc1Code) * b[1];
    const double dc2 = (b[3] & 0x80 ? -1.0 : 1.0) * voltageStep(dc2Code) * b[4];
    const double ac1 = voltageStep(ac1Code) * b[2];
    const double ac2 = voltageStep(ac2Code) * b[5];
    out.dc1 = float(dc1);
    out.dc2 = float(dc2);
    out.ac1 = float(ac1);
    out.ac2 = float(ac2);
    const double loadB = secondLoad;

    double udc = 0.0;
    const int dcResult = solveSource(
        dc1, dc2, loadB, std::fabs(dc1) < 1.0 && std::fabs(dc2) < 1.0,
        std::fabs(dc2) < std::fabs(dc1), out.rsDcValid, [&](double rs) { out.rsDc = float(rs); },
        udc);
    if (dcResult != 0) return dcResult;
    out.udc = float(udc);

    double uac = 0.0;
    const int acResult = solveSource(
        ac1, ac2, loadB, std::fabs(ac1) < 1.0 && std::fabs(ac2) < 1.0, ac1 > ac2, out.rsAcValid,
        [&](double rs) { out.rsAc = float(rs); }, uac);
    if (acResult != 0) return acResult;
    out.uac = float(uac);

    out.ueff = float(std::sqrt(udc * udc + uac * uac));
    return 3;
}

int ZILC::decodeVoltageAB(float secondLoad, SLineTestVoltage& out) const {
    return decodeVoltageBlock(0, secondLoad, out);
}
int ZILC::decodeVoltageAGround(float secondLoad, SLineTestVoltage& out) const {
    return decodeVoltageBlock(6, secondLoad, out);
}
int ZILC::decodeVoltageBGround(float secondLoad, SLineTestVoltage& out) const {
    return decodeVoltageBlock(12, secondLoad, out);
}
int ZILC::decodeFeedingVoltage(float secondLoad, SLineTestVoltage& out) const {
    return decodeVoltageBlock(0, secondLoad, out);
}

int ZILC::decodeResistance(std::size_t offset, float& ohms) const {
    static constexpr double kReference[4] = {6000.0, 600000.0, 1000.0, 100000.0};
    std::uint8_t b[3];
    if (!take(offset, b, sizeof b) || b[2] == 0) return -1;
    const double r = kReference[b[0] & 3] / b[2] * b[1];
    double value = kResistanceCeiling;
    if (r < kResistanceBridge) {
        value = r / (kResistanceBridge - r) * kResistanceBridge;
        if (value > kResistanceCeiling) value = kResistanceCeiling;
    }
    ohms = float(value);
    return 0;
}

int ZILC::decodeInsulation(float& ohms) const {
    return decodeResistance(0, ohms);
}
int ZILC::decodeLoopResistance(float& ohms) const {
    return decodeResistance(0, ohms);
}

int ZILC::decodeLeakage(float& wireA, float& wireB) const {
    const int a = decodeResistance(0, wireA);
    const int b = decodeResistance(3, wireB);
    return a == 0 && b == 0 ? 0 : -1;
}

int ZILC::decodeCapacitance(float& nanofarads, bool& belowRange, bool& aboveRange) const {
    belowRange = false;
    aboveRange = false;
    std::uint8_t b[6];
    if (!take(0, b, sizeof b)) return -1;
    const std::uint32_t n1 = count24(b), n2 = count24(b + 3);
    if (n1 == 0) return -1;
    const double q = double(n2) / double(n1);  // T2 / T1: the time step cancels
    if (q > 1.98) {
        aboveRange = true;
        return 0;
    }
    nanofarads = float((q - 1.0) * 220.0 / (2.0 - q));
    if (q < 1.01) belowRange = true;
    return 0;
}

int ZILC::decodePhaseAngle(float& degrees) const {
    std::uint8_t b[6];
    if (!take(0, b, sizeof b)) return -1;
    const std::uint32_t n1 = count24(b), n2 = count24(b + 3);
    if (n1 == 0) return -1;
    degrees = float(double(n2) / double(n1) * 180.0);
    return 0;
}

int ZILC::decodeRingingCurrent(SRingingCurrent& out) const {
    std::uint8_t b[10];
    if (!take(0, b, sizeof b)) return kLineTestTruncated;
    const std::uint32_t n1 = count24(b), n2 = count24(b + 3), n3 = count24(b + 6);
    out.absent = n1 == 0 && n2 == 0 && n3 == 0 && b[9] == 0;
    out.onTimeExceeded = n1 == kCountExceeded;
    out.onTime = float(n1 * kTimeStep - 0.065);
    out.notRepeated = n2 == kCountExceeded;
    out.pause = float(n2 * kTimeStep + 0.065);
    out.period = float(n3 * kTimeStep);
    out.amplitude = float(b[9] * 0.434);
    return 0;
}

int ZILC::decodeToneSignal(SToneSignal& out) const {
    std::uint8_t b[16];
    if (!take(0, b, sizeof b)) return kLineTestTruncated;
    std::uint32_t n[5];
    bool any = b[15] != 0;
    for (int i = 0; i < 5; ++i) {
        n[i] = count24(b + 3 * i);
        any = any || n[i] != 0;
    }
    const auto tone = [](std::uint32_t count) {
        return count == 0 ? 0.0f : float(count * kTimeStep - 0.02);
    };
    const auto pause = [](std::uint32_t count) {
        return count == 0 ? 0.0f : float(count * kTimeStep + 0.01);
    };
    out.absent = !any;
    out.firstTone = tone(n[0]);
    out.toneExceeded = n[0] == kCountExceeded;
    out.firstPause = pause(n[1]);
    out.notRepeated = n[1] == kCountExceeded;
    out.secondTone = tone(n[2]);
    out.secondPause = pause(n[3]);
    out.period = float(n[4] * kTimeStep);
    out.amplitude = float(b[15] * 0.001465);
    return 0;
}

int ZILC::decodeTariffSignal(STariffSignal& out) const {
    std::uint8_t b[10];
    if (!take(0, b, sizeof b)) return kLineTestTruncated;
    const std::uint32_t n1 = count24(b), n2 = count24(b + 3), n3 = count24(b + 6);
    out.absent = n1 == 0 && n2 == 0 && n3 == 0 && b[9] == 0;
    out.signalExceeded = n1 == kCountExceeded;
    out.duration = float(n1 * kTimeStep);
    out.singlePulse = n2 == kCountExceeded;
    out.pause = float(n2 * kTimeStep);
    out.period = float(n3 * kTimeStep);
    out.amplitude = float(b[9] * 0.01302);
    return 0;
}

int ZILC::decodeLoopClosure(SLoopClosure& out) const {
    constexpr double kAmperesPerStep = 0.000058593;
    std::uint8_t b[3];
    if (!take(0, b, sizeof b)) return kLineTestTruncated;
    out.dutyCycle = (b[0] & 0x04) != 0;
    out.zInterface = (b[0] & 0x02) != 0;
    out.hs = (b[0] & 0x01) != 0;
    out.currentByte2 = float(b[2] * kAmperesPerStep);
    out.currentByte1 = float(b[1] * kAmperesPerStep);
    return 0;
}

int ZILC::decodeDisconnectDelay(SDisconnectDelay& out) const {
    std::uint8_t b[5];
    if (!take(0, b, sizeof b)) return kLineTestTruncated;
    out.noDelay = (b[0] & 0x80) != 0;
    if (out.noDelay) {
        out.ringingNotEnded = (b[0] & 0x40) != 0;
        return 0;
    }
    if (b[0] & 0x01)
        out.delay = float(b[4] * 0.000064);
    else
        out.delay = float((b[1] * 256 + b[2]) * 0.000128 - 0.005);
    return 0;
}

int ZILC::decodeMeterPulses(std::uint8_t& pulsesSent) const {
    std::uint8_t b[2];
    if (!take(0, b, sizeof b)) return kLineTestTruncated;
    pulsesSent = b[1];
    return 0;
}

bool ZILC::checkCommunicationPattern(std::uint8_t (&pattern)[30]) const {
    std::uint8_t b[30];
    if (!take(0, b, sizeof b)) return false;
    std::memcpy(pattern, b, sizeof b);
    for (int i = 0; i < 30; ++i)
        if (b[i] != 30 - i) return false;
    return true;
}

int ZILC::decodeDialTest(SDialTest& out) const {
    std::uint8_t head[2];
    if (!take(0, head, sizeof head)) return kLineTestTruncated;
    const std::uint8_t count = head[0] & 0x0F;
    std::uint8_t digits[15];
    if (!take(6, digits, count)) return kLineTestTruncated;
    out.tone = (head[1] & 0x80) != 0;
    out.bit6 = (head[1] & 0x40) != 0;
    out.bit2 = (head[1] & 0x04) != 0;
    out.bit1 = (head[1] & 0x02) != 0;
    out.bit0 = (head[1] & 0x01) != 0;
    out.method = (head[0] >> 4) & 3;
    out.count = count;
    out.digits.clear();
    for (std::uint8_t i = 0; i < count; ++i) {
        const unsigned v = digits[i];
        if (v == 10)
            out.digits += kDialZero;
        else if (v == 11)
            out.digits += kDialStar;
        else if (v == 12)
            out.digits += kDialHash;
        else if (48 + v <= 0xFF)
            out.digits += char(48 + v);
        else
            out.digits += kUnknownDigitChar;  // no character has that code
    }
    return 0;
}

int ZILC::decodeDigitReception(SDigitReception& out) const {
    std::uint8_t n = 0;
    if (!take(0, &n, 1)) return kLineTestTruncated;
    std::uint8_t b[255 + 2];
    if (!take(1, b, std::size_t(n) + 2)) return kLineTestTruncated;
    std::string text;
    unsigned previous = 1;
    bool fillers = true;
    for (unsigned i = 0; i < n && text.size() < kMaxDigitText; ++i) {
        const unsigned c = b[i];
        for (unsigned v = previous; fillers && v + 2 <= c && text.size() < kMaxDigitText; ++v)
            text += '_';
        if (previous > c) fillers = false;
        if (text.size() < kMaxDigitText)
            text += c <= 15 ? kReceivedDigitChars[c] : kUnknownDigitChar;
        previous = c;
    }
    out.digits = text;
    out.fullSet = b[n] == 15;
    out.digitsSent = b[n + 1];
    return text == (out.fullSet ? kFullDigitSet : kDecimalDigitSet) ? 0 : 1;
}
