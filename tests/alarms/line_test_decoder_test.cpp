#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alarms/line_test_decoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr float kUnset = -12345.0f;  // what the caller left in an output

SLineTestVoltage untouchedVoltage() {
    SLineTestVoltage v;
    v.dc1 = v.dc2 = v.ac1 = v.ac2 = v.ueff = v.udc = v.rsDc = v.uac = v.rsAc = kUnset;
    v.rsDcValid = v.rsAcValid = true;
    return v;
}

struct VoltageCase {
    const char* what;
    Bytes block;
    float secondLoad;
    int result;
    // Expected outputs; kUnset where the decoder must not write.
    float dc1, dc2, ac1, ac2, rsDc, udc, uac, ueff;
    bool rsDcValid;
};

const VoltageCase kVoltageCases[] = {
    {"worked example",
     {0x22, 0x78, 0x00, 0x22, 0x2D, 0x00},
     600,
     3,
     47.0588f,
     17.6471f,
     0,
     0,
     1017.13f,
     47.5627f,
     0,
     47.5627f,
     true},
    {"DC range code 0 of measurement 1",
     {0x02, 0x78, 0x00, 0x22, 0x2D, 0x00},
     600,
     0,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     true},
    {"DC range code 3 of measurement 1",
     {0x32, 0x78, 0x00, 0x22, 0x2D, 0x00},
     600,
     0,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     true},
    {"AC range code 0 of measurement 2",
     {0x22, 0x78, 0x00, 0x20, 0x2D, 0x00},
     600,
     0,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     true},
    {"both DC below 1 V: no source resistance",
     {0x11, 13, 0, 0x11, 10, 0},
     600,
     3,
     0.5098f,
     0.3922f,
     0,
     0,
     kUnset,
     0.5098f,
     0,
     0.5098f,
     false},
    {"negative DC keeps its sign",
     {0x91, 13, 0, 0x91, 10, 0},
     600,
     3,
     -0.5098f,
     -0.3922f,
     0,
     0,
     kUnset,
     -0.5098f,
     0,
     0.5098f,
     false},
    {"equal DC of 1 V or more: the voltage changed",
     {0x22, 0x30, 0, 0x22, 0x30, 0},
     600,
     1,
     18.8235f,
     18.8235f,
     0,
     0,
     kUnset,
     kUnset,
     kUnset,
     kUnset,
     true},
    {"equal AC of 1 V or more: the voltage changed",
     {0x12, 0, 10, 0x12, 0, 10},
     600,
     1,
     0,
     0,
     3.9216f,
     3.9216f,
     kUnset,
     0,
     kUnset,
     kUnset,
     false},
    {"source resistance just below 1,000,000 ohms",
     {0x21, 6, 0, 0x21, 3, 0},
     45340,
     3,
     2.3529f,
     1.1765f,
     0,
     0,
     997060.2f,
     27.0479f,
     0,
     27.0479f,
     true},
    {"source resistance just above 1,000,000 ohms",
     {0x21, 6, 0, 0x21, 3, 0},
     45350,
     2,
     2.3529f,
     1.1765f,
     0,
     0,
     1001918.6f,
     kUnset,
     kUnset,
     kUnset,
     true},
    {"negative source resistance",
     {0x22, 100, 0, 0x22, 1, 0},
     95000,
     2,
     39.2157f,
     0.3922f,
     0,
     0,
     -95000.0f,
     kUnset,
     kUnset,
     kUnset,
     true},
};

void expectNear(float expected, float actual, const char* field, const char* what) {
    if (expected == kUnset)
        EXPECT_EQ(actual, kUnset) << field << ": " << what;
    else
        EXPECT_NEAR(actual, expected, std::abs(expected) * 1e-4f + 1e-4f) << field << ": " << what;
}

TEST(LineTestVoltage, BlocksDecodeToValuesAndResults) {
    for (const VoltageCase& c : kVoltageCases) {
        ZILC z(c.block.data(), c.block.size());
        SLineTestVoltage v = untouchedVoltage();
        EXPECT_EQ(z.decodeVoltageBlock(0, c.secondLoad, v), c.result) << c.what;
        expectNear(c.dc1, v.dc1, "dc1", c.what);
        expectNear(c.dc2, v.dc2, "dc2", c.what);
        expectNear(c.ac1, v.ac1, "ac1", c.what);
        expectNear(c.ac2, v.ac2, "ac2", c.what);
        expectNear(c.rsDc, v.rsDc, "rsDc", c.what);
        expectNear(c.udc, v.udc, "udc", c.what);
        expectNear(c.uac, v.uac, "uac", c.what);
        expectNear(c.ueff, v.ueff, "ueff", c.what);
        if (c.result != 0) {
            EXPECT_EQ(v.rsDcValid, c.rsDcValid) << c.what;
        }
    }
}

TEST(LineTestVoltage, ThreePairsLieAtTheirOffsets) {
    const Bytes result = {0x21, 1, 0, 0x21, 1, 0,  // a-b
                          0x21, 2, 0, 0x21, 2, 0,  // a to ground
                          0x21, 3, 0, 0x21, 3, 0};
    ZILC z(result.data(), result.size());
    SLineTestVoltage ab, ag, bg, feeding;
    z.decodeVoltageAB(kVoltageSecondLoad, ab);
    z.decodeVoltageAGround(kVoltageSecondLoad, ag);
    z.decodeVoltageBGround(kVoltageSecondLoad, bg);
    z.decodeFeedingVoltage(kVoltageSecondLoad, feeding);
    EXPECT_NEAR(ab.dc1, 100.0f / 255 * 1, 1e-5f);
    EXPECT_NEAR(ag.dc1, 100.0f / 255 * 2, 1e-5f);
    EXPECT_NEAR(bg.dc1, 100.0f / 255 * 3, 1e-5f);
    EXPECT_EQ(feeding.dc1, ab.dc1);
}

struct ResistanceCase {
    Bytes triple;
    int result;
    float ohms;  // kUnset: not written
};

TEST(LineTestResistance, TriplesByRangeAndLimits) {
    const ResistanceCase cases[] = {
        {{0x01, 100, 200}, 0, 309278.35f},  // range 1: 600,000 ohms reference
        {{0xFD, 100, 200}, 0, 309278.35f},  // bits 7-2 are not read
        {{0x00, 10, 1}, 0, 60362.17f},      // range 0: 6,000
        {{0x02, 10, 1}, 0, 10010.01f},      // range 2: 1,000
        {{0x03, 200, 2}, 0, 1e9f},          // r = 10,000,000 exactly
        {{0x01, 255, 1}, 0, 1e9f},          // r far above
        {{0x03, 199, 2}, 0, 1e9f},          // r below, R above the ceiling
        {{0x01, 100, 0}, -1, kUnset},       // divisor 0
    };
    for (const ResistanceCase& c : cases) {
        ZILC z(c.triple.data(), c.triple.size());
        float r = kUnset;
        EXPECT_EQ(z.decodeResistance(0, r), c.result) << int(c.triple[1]);
        if (c.ohms == kUnset)
            EXPECT_EQ(r, kUnset);
        else
            EXPECT_NEAR(r, c.ohms, c.ohms * 1e-5f) << int(c.triple[1]);
    }
}

TEST(LineTestResistance, LeakageDecodesBothWiresAndFailsWithEither) {
    const Bytes good = {0x01, 100, 200, 0x01, 100, 200};
    const Bytes badA = {0x01, 100, 0, 0x01, 100, 200};
    const Bytes badB = {0x01, 100, 200, 0x01, 100, 0};
    float a = kUnset, b = kUnset;
    EXPECT_EQ(ZILC(good.data(), good.size()).decodeLeakage(a, b), 0);
    EXPECT_NEAR(a, 309278.35f, 1.0f);
    EXPECT_NEAR(b, 309278.35f, 1.0f);
    a = b = kUnset;
    EXPECT_EQ(ZILC(badA.data(), badA.size()).decodeLeakage(a, b), -1);
    EXPECT_EQ(a, kUnset);
    EXPECT_NEAR(b, 309278.35f, 1.0f);
    a = b = kUnset;
    EXPECT_EQ(ZILC(badB.data(), badB.size()).decodeLeakage(a, b), -1);
    EXPECT_NEAR(a, 309278.35f, 1.0f);
    EXPECT_EQ(b, kUnset);
}

Bytes twoCounts(std::uint32_t n1, std::uint32_t n2) {
    return {std::uint8_t(n1 >> 16), std::uint8_t(n1 >> 8), std::uint8_t(n1),
            std::uint8_t(n2 >> 16), std::uint8_t(n2 >> 8), std::uint8_t(n2)};
}

TEST(LineTestCapacitance, RatioLimitsAndFlags) {
    struct Case {
        std::uint32_t n1, n2;
        int result;
        float nanofarads;  // kUnset: not written
        bool below, above;
    } cases[] = {
        {100, 150, 0, 220.0f, false, false},          // q = 1.5
        {100, 101, 0, 2.2222f, false, false},         // q = 1.01 exactly: inside
        {100, 198, 0, 10780.0f, false, false},        // q = 1.98 exactly: inside
        {200, 201, 0, 1.1055f, true, false},          // q = 1.005
        {100, 199, 0, kUnset, false, true},           // q = 1.99: no value
        {0, 150, -1, kUnset, false, false},           // first count 0
        {0x10000, 0x18000, 0, 220.0f, false, false},  // counts use all three bytes, big-endian
    };
    for (const Case& c : cases) {
        const Bytes b = twoCounts(c.n1, c.n2);
        float nf = kUnset;
        bool below = true, above = true;
        EXPECT_EQ(ZILC(b.data(), b.size()).decodeCapacitance(nf, below, above), c.result) << c.n2;
        EXPECT_EQ(below, c.below) << c.n2;
        EXPECT_EQ(above, c.above) << c.n2;
        if (c.nanofarads == kUnset)
            EXPECT_EQ(nf, kUnset) << c.n2;
        else
            EXPECT_NEAR(nf, c.nanofarads, c.nanofarads * 1e-4f) << c.n2;
    }
}

TEST(LineTestPhaseAngle, RatioOfCountsInDegrees) {
    Bytes b = twoCounts(100, 50);
    float angle = kUnset;
    EXPECT_EQ(ZILC(b.data(), b.size()).decodePhaseAngle(angle), 0);
    EXPECT_FLOAT_EQ(angle, 90.0f);
    b = twoCounts(0, 50);
    angle = kUnset;
    EXPECT_EQ(ZILC(b.data(), b.size()).decodePhaseAngle(angle), -1);
    EXPECT_EQ(angle, kUnset);
}

TEST(LineTestSignals, RingingToneAndTariff) {
    // Ringing: on time, pause, period, amplitude; the pause count all ones.
    const Bytes ringing = {0x03, 0x0D, 0x40, 0xFF, 0xFF, 0xFF, 0x0F, 0x42, 0x40, 100};
    SRingingCurrent r;
    r.absent = true;
    EXPECT_EQ(ZILC(ringing.data(), ringing.size()).decodeRingingCurrent(r), 0);
    EXPECT_FALSE(r.absent);
    EXPECT_FALSE(r.onTimeExceeded);
    EXPECT_TRUE(r.notRepeated);
    EXPECT_NEAR(r.onTime, 200000 * 0.0000005 - 0.065, 1e-6);
    EXPECT_NEAR(r.pause, 8.388607 + 0.065, 1e-5);
    EXPECT_NEAR(r.period, 1000000 * 0.0000005, 1e-6);
    EXPECT_NEAR(r.amplitude, 43.4, 1e-4);

    const Bytes silent(10, 0);
    EXPECT_EQ(ZILC(silent.data(), silent.size()).decodeRingingCurrent(r), 0);
    EXPECT_TRUE(r.absent);

    // Tone: first pause count 0, fourth count non-zero.
    Bytes tone(16, 0);
    tone[2] = 100;                                      // first tone
    tone[11] = 200;                                     // second pause
    tone[12] = 0xFF, tone[13] = 0xFF, tone[14] = 0xFF;  // period
    tone[15] = 10;
    SToneSignal t;
    EXPECT_EQ(ZILC(tone.data(), tone.size()).decodeToneSignal(t), 0);
    EXPECT_FALSE(t.absent);
    EXPECT_NEAR(t.firstTone, 100 * 0.0000005 - 0.02, 1e-7);
    EXPECT_EQ(t.firstPause, 0.0f);
    EXPECT_EQ(t.secondTone, 0.0f);
    EXPECT_NEAR(t.secondPause, 200 * 0.0000005 + 0.01, 1e-7);
    EXPECT_NEAR(t.period, 8.388607, 1e-5);  // no exceeded flag for the period
    EXPECT_FALSE(t.toneExceeded);
    EXPECT_NEAR(t.amplitude, 0.01465, 1e-7);

    // Tariff: no offsets; a duration all ones sets its flag and keeps its time.
    const Bytes tariff = {0xFF, 0xFF, 0xFF, 0, 0, 10, 0, 0, 20, 50};
    STariffSignal f;
    EXPECT_EQ(ZILC(tariff.data(), tariff.size()).decodeTariffSignal(f), 0);
    EXPECT_TRUE(f.signalExceeded);
    EXPECT_FALSE(f.singlePulse);
    EXPECT_NEAR(f.duration, 8.388607, 1e-5);
    EXPECT_NEAR(f.pause, 10 * 0.0000005, 1e-9);
    EXPECT_NEAR(f.period, 20 * 0.0000005, 1e-9);
    EXPECT_NEAR(f.amplitude, 0.651, 1e-6);
}

TEST(LineTestSignals, LoopClosureDisconnectAndMeterPulses) {
    const Bytes loop = {0x05, 100, 200};
    SLoopClosure l;
    EXPECT_EQ(ZILC(loop.data(), loop.size()).decodeLoopClosure(l), 0);
    EXPECT_TRUE(l.dutyCycle);
    EXPECT_FALSE(l.zInterface);
    EXPECT_TRUE(l.hs);
    EXPECT_NEAR(l.currentByte2, 200 * 0.000058593, 1e-9);
    EXPECT_NEAR(l.currentByte1, 100 * 0.000058593, 1e-9);

    struct Case {
        Bytes bytes;
        bool noDelay, ringingNotEnded;
        float delay;
    } cases[] = {
        {{0xC0, 1, 2, 0, 3}, true, true, kUnset},
        {{0x80, 1, 2, 0, 3}, true, false, kUnset},
        {{0x01, 1, 2, 0, 100}, false, false, 100 * 0.000064f},
        {{0x00, 1, 2, 0, 100}, false, false, 258 * 0.000128f - 0.005f},
    };
    for (const Case& c : cases) {
        SDisconnectDelay d;
        d.delay = kUnset;
        EXPECT_EQ(ZILC(c.bytes.data(), c.bytes.size()).decodeDisconnectDelay(d), 0);
        EXPECT_EQ(d.noDelay, c.noDelay);
        EXPECT_EQ(d.ringingNotEnded, c.ringingNotEnded);
        EXPECT_NEAR(d.delay, c.delay, 1e-6f);
    }

    const Bytes meter = {0xEE, 42};
    std::uint8_t pulses = 0;
    EXPECT_EQ(ZILC(meter.data(), meter.size()).decodeMeterPulses(pulses), 0);
    EXPECT_EQ(pulses, 42);
}

TEST(LineTestPattern, OnlyTheDescendingPatternIsRight) {
    Bytes pattern;
    for (int i = 0; i < 30; ++i) pattern.push_back(std::uint8_t(30 - i));
    std::uint8_t copy[30] = {};
    EXPECT_TRUE(ZILC(pattern.data(), pattern.size()).checkCommunicationPattern(copy));
    EXPECT_EQ(Bytes(copy, copy + 30), pattern);
    pattern[29] = 0;
    EXPECT_FALSE(ZILC(pattern.data(), pattern.size()).checkCommunicationPattern(copy));
    EXPECT_EQ(copy[29], 0);
}

TEST(LineTestDigits, DialTestFlagsMethodAndDigits) {
    const Bytes dial = {0x26, 0xC7, 0, 0, 0, 0, 1, 10, 11, 12, 9, 15};
    SDialTest d;
    EXPECT_EQ(ZILC(dial.data(), dial.size()).decodeDialTest(d), 0);
    EXPECT_TRUE(d.tone);
    EXPECT_TRUE(d.bit6);
    EXPECT_TRUE(d.bit2);
    EXPECT_TRUE(d.bit1);
    EXPECT_TRUE(d.bit0);
    EXPECT_EQ(d.method, 2);
    EXPECT_EQ(d.count, 6);
    EXPECT_EQ(d.digits, "10*#9?");

    const Bytes wide = {0x01, 0, 0, 0, 0, 0, 208};  // 48 + 208 is no character
    EXPECT_EQ(ZILC(wide.data(), wide.size()).decodeDialTest(d), 0);
    EXPECT_EQ(d.digits, "?");
}

Bytes digitReception(const Bytes& codes, std::uint8_t kind, std::uint8_t sent) {
    Bytes b = {std::uint8_t(codes.size())};
    b.insert(b.end(), codes.begin(), codes.end());
    b.push_back(kind);
    b.push_back(sent);
    return b;
}

TEST(LineTestDigits, ReceptionTextFillersAndResult) {
    struct Case {
        Bytes codes;
        std::uint8_t kind;
        std::string text;
        int result;
    } cases[] = {
        {{1, 2, 4}, 0, "12_4", 1},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 0}, 0, "1234567890", 0},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 11, 12, 13, 14, 15, 10}, 15, "1234567890*#ABCD", 0},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 0}, 15, "1234567890", 1},
        {{1, 2, 3, 1, 5}, 0, "12315", 1},
        {{3}, 0, "_3", 1},
        {{2}, 0, "2", 1},
        {{16, 200}, 0, std::string(14, '_') + "?" + std::string(183, '_') + "?", 1},
        {{}, 0, "", 1},
    };
    for (const Case& c : cases) {
        const Bytes b = digitReception(c.codes, c.kind, 7);
        SDigitReception r;
        EXPECT_EQ(ZILC(b.data(), b.size()).decodeDigitReception(r), c.result) << c.text;
        EXPECT_EQ(r.digits, c.text);
        EXPECT_EQ(r.fullSet, c.kind == 15);
        EXPECT_EQ(r.digitsSent, 7);
    }
}

TEST(LineTestDigits, ReceptionTextIsBounded) {
    Bytes codes;
    for (int i = 0; i < 255; ++i) codes.push_back(std::uint8_t(i % 2 == 0 ? 255 : 1));
    const Bytes b = digitReception(codes, 0, 0);
    SDigitReception r;
    EXPECT_EQ(ZILC(b.data(), b.size()).decodeDigitReception(r), 1);
    EXPECT_EQ(r.digits.size(), kMaxDigitText);
}

// Every decoder, the bytes of a good result, and what a cut one gives.
struct CutCase {
    const char* name;
    Bytes good;
    std::function<int(const ZILC&)> decode;
    int goodResult;
    int cutResult;
};

TEST(LineTestCuts, EveryCutOfAGoodResultIsRefused) {
    SLineTestVoltage v;
    float f1 = 0, f2 = 0;
    bool b1 = false, b2 = false;
    std::uint8_t byte = 0, pattern[30];
    Bytes descending;
    for (int i = 0; i < 30; ++i) descending.push_back(std::uint8_t(30 - i));
    const CutCase cases[] = {
        {"voltage",
         {0x22, 0x78, 0x00, 0x22, 0x2D, 0x00},
         [&](const ZILC& z) { return z.decodeVoltageBlock(0, 600, v); },
         3,
         0},
        {"resistance",
         {0x01, 100, 200},
         [&](const ZILC& z) { return z.decodeInsulation(f1); },
         0,
         -1},
        {"leakage",
         {1, 1, 1, 1, 1, 1},
         [&](const ZILC& z) { return z.decodeLeakage(f1, f2); },
         0,
         -1},
        {"capacitance", twoCounts(100, 150),
         [&](const ZILC& z) { return z.decodeCapacitance(f1, b1, b2); }, 0, -1},
        {"phase", twoCounts(100, 50), [&](const ZILC& z) { return z.decodePhaseAngle(f1); }, 0, -1},
        {"ringing", Bytes(10, 1),
         [&](const ZILC& z) {
             SRingingCurrent r;
             return z.decodeRingingCurrent(r);
         },
         0, kLineTestTruncated},
        {"tone", Bytes(16, 1),
         [&](const ZILC& z) {
             SToneSignal t;
             return z.decodeToneSignal(t);
         },
         0, kLineTestTruncated},
        {"tariff", Bytes(10, 1),
         [&](const ZILC& z) {
             STariffSignal t;
             return z.decodeTariffSignal(t);
         },
         0, kLineTestTruncated},
        {"loop closure", Bytes(3, 1),
         [&](const ZILC& z) {
             SLoopClosure l;
             return z.decodeLoopClosure(l);
         },
         0, kLineTestTruncated},
        {"disconnect", Bytes(5, 1),
         [&](const ZILC& z) {
             SDisconnectDelay d;
             return z.decodeDisconnectDelay(d);
         },
         0, kLineTestTruncated},
        {"meter", Bytes(2, 1), [&](const ZILC& z) { return z.decodeMeterPulses(byte); }, 0,
         kLineTestTruncated},
        {"pattern", descending,
         [&](const ZILC& z) { return z.checkCommunicationPattern(pattern) ? 1 : 0; }, 1, 0},
        {"dial",
         {0x03, 0, 0, 0, 0, 0, 1, 2, 3},
         [&](const ZILC& z) {
             SDialTest d;
             return z.decodeDialTest(d);
         },
         0,
         kLineTestTruncated},
        {"digit reception", digitReception({1, 2, 3}, 0, 3),
         [&](const ZILC& z) {
             SDigitReception d;
             return z.decodeDigitReception(d);
         },
         1, kLineTestTruncated},
    };
    for (const CutCase& c : cases) {
        EXPECT_EQ(c.decode(ZILC(c.good.data(), c.good.size())), c.goodResult) << c.name;
        for (std::size_t cut = 0; cut < c.good.size(); ++cut) {
            const Bytes shorter(c.good.begin(),
                                c.good.begin() + cut);  // exact size: ASan sees any overread
            EXPECT_EQ(c.decode(ZILC(shorter.data(), shorter.size())), c.cutResult)
                << c.name << " " << cut;
        }
    }
}

TEST(LineTestCuts, ACutResultWritesNothing) {
    const Bytes cut = {0x22, 0x78, 0x00, 0x22, 0x2D};
    SLineTestVoltage v = untouchedVoltage();
    EXPECT_EQ(ZILC(cut.data(), cut.size()).decodeVoltageBlock(0, 600, v), 0);
    EXPECT_EQ(v.dc1, kUnset);
    SRingingCurrent r;
    r.onTime = kUnset;
    EXPECT_EQ(ZILC(cut.data(), cut.size()).decodeRingingCurrent(r), kLineTestTruncated);
    EXPECT_EQ(r.onTime, kUnset);
    std::uint8_t pulses = 0;
    EXPECT_EQ(ZILC(nullptr, 40).decodeMeterPulses(pulses), kLineTestTruncated);
}

}  // namespace
