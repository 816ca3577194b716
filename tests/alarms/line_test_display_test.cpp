#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alarms/line_test_display.h"
#include "alarms/alarm_test_support.h"
#include "alarms/panel_texts.h"
#include "link/text_lines.h"
#include "peer/recording_receiver.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

// The 30-byte pattern of a good communication test: 30, 29, ..., 1.
Bytes goodPattern() {
    Bytes b = {0};
    for (int i = 30; i >= 1; --i) b.push_back(static_cast<std::uint8_t>(i));
    return b;
}

Bytes cat(std::initializer_list<Bytes> parts) {
    Bytes b;
    for (const Bytes& p : parts) b.insert(b.end(), p.begin(), p.end());
    return b;
}

const Bytes kFullBlock = {0x22, 0x78, 0x00, 0x22, 0x2D, 0x00};     // result 3
const Bytes kChangedBlock = {0x21, 0x10, 0x00, 0x21, 0x10, 0x00};  // result 1

struct Case {
    const char* what;
    std::uint8_t code;
    Bytes payload;
    Lines lines;
};

class LineTestDisplay : public ::testing::Test {
protected:
    LineTestDisplay() {
        operatorLines.addCodeFilter(kCodePlainText);
        EXPECT_EQ(createLineTestReceiver(), 0);
    }
    Lines show(std::uint8_t code, const Bytes& payload) {
        operatorLines.messages.clear();
        dispatchMessage(kTypeLineTest, 16408, code, payload.data(),
                        static_cast<int>(payload.size()));
        Lines out;
        for (const auto& m : operatorLines.messages) out.push_back(m.text());
        return out;
    }
    void check(const std::vector<Case>& cases) {
        for (const Case& c : cases) EXPECT_EQ(show(c.code, c.payload), c.lines) << c.what;
    }
    RecordingReceiver operatorLines{kTypeOperator};
};

TEST_F(LineTestDisplay, CodesWithoutDisplayAndSimpleResults) {
    Bytes badPattern = goodPattern();
    badPattern[30] = 0;
    const Bytes cutPattern(badPattern.begin(), badPattern.end() - 1);
    check({
        {"plain text", 255, {0, 1, 2}, {}},
        {"no display", 110, {0, 1, 2}, {}},
        {"card restored", 148, {0}, {kText25656}},
        {"communication good", 71, goodPattern(), {kText25654}},
        {"communication bad", 71, badPattern, {kText25655}},
        {"communication cut", 71, cutPattern, {kText25655}},
        {"meter pulses", 102, {0, 9, 5}, {withArgs(kText22703, {"5"})}},
        {"meter pulses cut", 102, {0, 9}, {}},
    });
    EXPECT_EQ(lineTestReceiver->showResult(110, nullptr, 0), kLineTestNoDisplay);
}

TEST_F(LineTestDisplay, Voltages) {
    const std::string full = withArgs(kText22650, {" 47.06", " 17.65", "  0.00", "  0.00"});
    const std::string changedA = withArgs(kText22652, {"  6.27", "  6.27", "  0.00", "  0.00"});
    const std::string changedB = withArgs(kText22654, {"  6.27", "  6.27", "  0.00", "  0.00"});
    const std::string summary =
        withArgs(kText22656, {" 47.56", " 47.56", "   1017.13", "  0.00", "----------"});
    check({
        {"a-b full, the others changed",
         97,
         cat({{0}, kFullBlock, kChangedBlock, kChangedBlock}),
         {kText22648, full, kText22663, changedA, kText22666, changedB, "", kText22655, summary}},
        {"bad ranges everywhere",
         120,
         Bytes(19, 0),
         {kText22648, kText22659, withArgs(kText22650, {"  0.00", "  0.00", "  0.00", "  0.00"}),
          kText22662, withArgs(kText22652, {"  0.00", "  0.00", "  0.00", "  0.00"}), kText22665,
          withArgs(kText22654, {"  0.00", "  0.00", "  0.00", "  0.00"}), ""}},
        {"feeding voltage in range",
         109,
         cat({{0}, kFullBlock}),
         {kText22648, withArgs(kText22748, {" 47.06", " 17.65", "  0.00", "  0.00"}), "",
          kText22655,
          withArgs(kText22749, {" 47.56", " 47.56", "   1017.13", "  0.00", "----------"}),
          withArgs(kText22747, {"47.56", ""})}},
        {"feeding voltage changed",
         109,
         cat({{0}, kChangedBlock}),
         {kText22648, kText22752, withArgs(kText22748, {"  6.27", "  6.27", "  0.00", "  0.00"}),
          "", withArgs(kText22747, {"0.00", kText22746})}},
    });
}

TEST_F(LineTestDisplay, ResistancesCapacitanceAndPhase) {
    const Bytes insulation = {0x01, 100, 200};  // 309,278.35 ohms
    const Bytes lowLeak = {0x02, 1, 1};         // 1,000.1 ohms
    const Bytes open = {0x01, 255, 1};          // 1,000,000,000 ohms
    const Bytes noDivisor = {0x01, 100, 0};
    const std::string riz = withArgs(kText22670, {"309.28", ""});
    const std::string rao = withArgs(kText22673, {"1.00", kText22677});
    const std::string rbo = withArgs(kText22676, {""});
    check({
        {"insulation and leakage", 98, cat({{0}, insulation, lowLeak, open}), {riz, rao, rbo}},
        {"insulation failed, leakage shown",
         121,
         cat({{0}, noDivisor, lowLeak, open}),
         {kText22668, rao, rbo}},
        {"leakage of wire b failed",
         98,
         cat({{0}, insulation, lowLeak, noDivisor}),
         {riz, kText22672}},
        {"open insulation",
         98,
         cat({{0}, open, open, lowLeak}),
         {withArgs(kText22671, {""}), withArgs(kText22675, {""}),
          withArgs(kText22674, {"1.00", kText22677})}},
        {"capacitance 220 nF, phase 36 degrees",
         99,
         {0, 0x00, 0x03, 0xE8, 0x00, 0x05, 0xDC, 0x00, 0x03, 0xE8, 0x00, 0x00, 0xC8},
         {withArgs(kText22686, {"220.00"}), withArgs(kText22682, {"36.00", kText22680})}},
        {"capacitance above range, phase 90 degrees",
         122,
         {0, 0x00, 0x03, 0xE8, 0x00, 0x07, 0xD1, 0x00, 0x03, 0xE8, 0x00, 0x01, 0xF4},
         {kText22685, withArgs(kText22682, {"90.00", kText22681})}},
        {"zero first counts", 99, Bytes(13, 0), {kText22683, kText22678}},
        {"capacitance cut short", 99, {0, 0x00, 0x03}, {kText22683, kText22678}},
        {"loop resistance over 1800",
         100,
         {0, 0x02, 2, 1},
         {withArgs(kText22690, {"2000.40", kText22689})}},
        {"loop resistance failed", 100, {0, 0x02, 2, 0}, {kText22688}},
    });
}

TEST_F(LineTestDisplay, DialTest) {
    check({
        {"pulse dialling, method B, three digits",
         101,
         {0, 0x13, 0x01, 0, 0, 0, 0, 1, 10, 11},
         {kText22695, kText22699, withArgs(kText22696, {"10*"}), kText22697}},
        {"tone dialling, no digits",
         119,
         {0, 0x00, 0x80, 0, 0, 0, 0},
         {kText22694, withArgs(kText22696, {""})}},
        {"no speech path", 101, {0, 0x10, 0x06, 0, 0, 0, 0}, {kText22692}},
        {"subscriber did not dial", 101, {0, 0x10, 0x02, 0, 0, 0, 0}, {kText22693}},
        {"bit 2 alone: the full report",
         101,
         {0, 0x30, 0x04, 0, 0, 0, 0},
         {kText22695, kText22701, withArgs(kText22696, {""})}},
        {"digits beyond the payload", 101, {0, 0x13, 0x01, 0, 0, 0, 0, 1}, {}},
    });
}

TEST_F(LineTestDisplay, Signals) {
    check({
        {"ringing absent", 103, Bytes(11, 0), {kText22705}},
        {"ringing measured",
         103,
         {0, 0x1E, 0x84, 0x80, 0x5B, 0x8D, 0x80, 0x00, 0x9C, 0x40, 0},
         {withArgs(kText22707, {"935.0"}), withArgs(kText22709, {"3065.0"}),
          withArgs(kText22710, {"50.00"}), withArgs(kText22711, {"0.00"})}},
        {"ringing on too long",
         103,
         {0, 0xFF, 0xFF, 0xFF, 0x03, 0x0D, 0x40, 0x00, 0x9C, 0x40, 100},
         {kText22706, withArgs(kText22709, {"165.0"}), withArgs(kText22711, {"43.40"})}},
        {"ringing cut short", 103, Bytes(10, 1), {}},
        {"tone absent", 104, Bytes(17, 0), {kText22713}},
        {"tone measured",
         104,
         {0, 0x03, 0x0D, 0x40, 0, 0, 0, 0x01, 0x86, 0xA0, 0x00, 0x4E, 0x20, 0x00, 0x07, 0xD0, 200},
         {withArgs(kText22715, {"80.0", "30.0"}), withArgs(kText22717, {"0.0", "20.0"}),
          withArgs(kText22718, {"1000.00"}), withArgs(kText22719, {"0.293"})}},
        {"tariff absent", 105, Bytes(11, 0), {kText22722}},
        {"tariff too long", 105, {0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0}, {kText22723}},
        {"single tariff pulse",
         105,
         {0, 0x03, 0x0D, 0x40, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0},
         {withArgs(kText22724, {"100.0"}), kText22725}},
        {"tariff measured",
         105,
         {0, 0x03, 0x0D, 0x40, 0x06, 0x1A, 0x80, 0x00, 0x4E, 0x20, 100},
         {withArgs(kText22724, {"100.0"}), withArgs(kText22726, {"200.0"}),
          withArgs(kText22727, {"100.00"}), withArgs(kText22728, {"3.33"}),
          withArgs(kText22729, {"1.30"})}},
        {"tariff without a period",
         105,
         {0, 0x03, 0x0D, 0x40, 0x06, 0x1A, 0x80, 0, 0, 0, 0},
         {withArgs(kText22724, {"100.0"}), withArgs(kText22726, {"200.0"}),
          withArgs(kText22727, {"0.00"}), withArgs(kText22728, {"3.33"}),
          withArgs(kText22729, {"0.00"})}},
    });
}

TEST_F(LineTestDisplay, LoopClosureDigitsAndDisconnect) {
    check({
        {"duty cycle", 106, {0, 0x07, 0, 0, 0, 0, 0, 0}, {kText25661}},
        {"Z interface", 106, {0, 0x03, 0, 0, 0, 0, 0, 0}, {kText22731}},
        {"HS", 106, {0, 0x01, 0, 0, 0, 0, 0, 0}, {kText22732}},
        {"current below 3 mA from byte 1",
         106,
         {0, 0x00, 34, 100, 0xD2, 0x04, 0, 0},
         {withArgs(kText22735, {"1234", "3.93", kText22733})}},
        {"current above 10 mA",
         106,
         {0, 0x00, 200, 200, 0xFF, 0xFF, 0xFF, 0xFF},
         {withArgs(kText22735, {"-1", "11.72", kText22734})}},
        {"no connection point", 106, {0, 0x00, 200, 200, 0xFF}, {}},
        {"digits with a gap",
         107,
         {0, 3, 1, 2, 4, 0, 10},
         {kText22737, withArgs(kText22738, {"1234567890"}), withArgs(kText22739, {"12_4"})}},
        {"all digits",
         107,
         {0, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 10},
         {withArgs(kText22736, {"10", "10"})}},
        {"full set expected",
         107,
         {0, 1, 1, 15, 16},
         {kText22737, withArgs(kText22738, {"1234567890*#ABCD"}), withArgs(kText22739, {"1"})}},
        {"digit codes beyond the payload", 107, {0, 10, 1, 2}, {}},
        {"ringing not detected", 108, {0, 0x80, 0, 0, 0, 0}, {kText22741}},
        {"ringing not ended", 108, {0, 0xC0, 0, 0, 0, 0}, {kText22744}},
        {"short delay", 108, {0, 0x01, 0, 0, 0, 100}, {withArgs(kText22743, {"6.4", ""})}},
        {"long delay",
         108,
         {0, 0x00, 0x04, 0x00, 0, 0},
         {withArgs(kText22743, {"126.1", kText22742})}},
    });
}

}  // namespace
