#include "alarms/line_test_display.h"

#include <cmath>
#include <cstdio>
#include <new>
#include <string>

#include "alarms/line_test_texts.h"
#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "utils/bytes.h"

// Notes: the decoder reads within the received payload only; a result too
// short for its layout shows the decoder's failure text where the test has
// one, and nothing where it has none.

ZCOMILC* lineTestReceiver = nullptr;

namespace {

constexpr std::size_t kLineSize = 128;
constexpr std::size_t kDigitLineSize = 1000;
constexpr int kTextNone = 0;

// The lines of one pair of wires in the voltage results.
struct SVoltagePair {
    int (ZILC::*decode)(float, SLineTestVoltage&) const;
    int valueLine;
    int resultTexts[3];  // results 0, 1 and 2
    int summaryLine;
};

constexpr SVoltagePair kLinePairs[] = {
    {&ZILC::decodeVoltageAB, 22650, {22659, 22660, 22661}, 22656},
    {&ZILC::decodeVoltageAGround, 22652, {22662, 22663, 22664}, 22657},
    {&ZILC::decodeVoltageBGround, 22654, {22665, 22666, 22667}, 22658},
};
constexpr SVoltagePair kFeedingPair = {
    &ZILC::decodeFeedingVoltage, 22748, {22751, 22752, 22753}, 22749};
constexpr int kVoltageHeader = 22648;
constexpr int kSummaryHeader = 22655;
constexpr int kDialMethods[4] = {22698, 22699, 22700, 22701};

void postLine(const char* text) {
    postTextLine(kLineLocal, text, kTypeOperator);
}

template <typename... Args>
void post(int textId, const Args&... args) {
    char line[kLineSize];
    formatMessage(line, sizeof line, textId, args...);
    postLine(line);
}

template <typename... Args>
void postLong(int textId, const Args&... args) {
    char line[kDigitLineSize];
    formatMessage(line, sizeof line, textId, args...);
    postLine(line);
}

const char* remarkText(int textId) {
    return textId == kTextNone ? "" : textById(textId);
}

// A source resistance of the summary lines: ohms in ten places, or hyphens
// when it was not measured.
std::string sourceResistance(bool valid, float ohms) {
    if (!valid) return "----------";
    char text[64];
    std::snprintf(text, sizeof text, "%10.2f", static_cast<double>(ohms));
    return text;
}

// 1 / t; 0 for a zero time, which has no finite frequency.
float perSecond(float seconds) {
    return seconds != 0.0f ? 1.0f / seconds : 0.0f;
}

// The pair's result text (0..2) and its value line; true when it gave the
// full result 3 with its summary.
bool showVoltagePair(const ZILC& decoder, const SVoltagePair& pair, SLineTestVoltage& v) {
    const int result = (decoder.*pair.decode)(kVoltageSecondLoad, v);
    if (result >= 0 && result <= 2) post(pair.resultTexts[result]);
    post(pair.valueLine, v.dc1, v.dc2, v.ac1, v.ac2);
    return result == 3;
}

void showSummary(const SVoltagePair& pair, const SLineTestVoltage& v) {
    post(pair.summaryLine, v.ueff, v.udc, sourceResistance(v.rsDcValid, v.rsDc), v.uac,
         sourceResistance(v.rsAcValid, v.rsAc));
}

// One resistance of the insulation and leakage lines: above 20 MΩ its own
// line, else the value in kΩ; the remark below 25 kΩ.
void showResistance(float ohms, int remark, int overLine, int valueLine) {
    const char* r = remarkText(ohms < 25000.0f ? remark : kTextNone);
    if (ohms > 20000000.0f)
        post(overLine, r);
    else
        post(valueLine, ohms * 0.001f, r);
}

}  // namespace

ZCOMILC::ZCOMILC() : TMessageReceiver(kTypeLineTest) {
    active = 1;
}

void ZCOMILC::onMessage(std::uint8_t, std::uint16_t, std::uint8_t code, const std::uint8_t* payload,
                        int length) {
    if (code == kCodePlainText) return;
    showResult(code, payload, length > 0 ? static_cast<std::size_t>(length) : 0);
}

void ZCOMILC::decodeAt(std::size_t offset) {
    decoder_.reset();
    const bool inside = payload_ != nullptr && offset <= length_;
    decoder_.reset(new ZILC(inside ? payload_ + offset : nullptr, inside ? length_ - offset : 0));
}

int ZCOMILC::showResult(std::uint8_t code, const std::uint8_t* payload, std::size_t length) {
    payload_ = payload;
    length_ = payload != nullptr ? length : 0;
    decodeAt(1);
    switch (code) {
        case 71:
            return showCommunicationTest();
        case 97:
        case 120:
            return showVoltages();
        case 98:
        case 121:
            showInsulation();
            decodeAt(4);
            return showLeakage();
        case 99:
        case 122:
            showCapacitance();
            decodeAt(7);
            return showPhaseAngle();
        case 100:
            return showLoopResistance();
        case 101:
        case 119:
            return showDialTest();
        case 102:
            return showMeterTest();
        case 103:
            return showRingingCurrent();
        case 104:
            return showToneSignal();
        case 105:
            return showTariffSignal();
        case 106:
            return showLoopClosure();
        case 107:
            return showDigitReception();
        case 108:
            return showDisconnectDelay();
        case 109:
            return showFeedingVoltage();
        case 148:
            return showCardRestored();
    }
    return kLineTestNoDisplay;
}

int ZCOMILC::showCommunicationTest() {
    std::uint8_t pattern[30] = {};
    post(decoder_->checkCommunicationPattern(pattern) ? 25654 : 25655);
    return 0;
}

int ZCOMILC::showVoltages() {
    post(kVoltageHeader);
    SLineTestVoltage values[3];
    bool full[3];
    for (int i = 0; i < 3; ++i) full[i] = showVoltagePair(*decoder_, kLinePairs[i], values[i]);
    postLine("");
    if (full[0] || full[1] || full[2]) {
        post(kSummaryHeader);
        for (int i = 0; i < 3; ++i)
            if (full[i]) showSummary(kLinePairs[i], values[i]);
    }
    return 0;
}

int ZCOMILC::showInsulation() {
    float r = 0;
    if (decoder_->decodeInsulation(r) != 0) {
        post(22668);
        return -1;
    }
    showResistance(r, 22669, 22671, 22670);
    return 0;
}

int ZCOMILC::showLeakage() {
    float a = 0, b = 0;
    if (decoder_->decodeLeakage(a, b) != 0) {
        post(22672);
        return -1;
    }
    showResistance(a, 22677, 22675, 22673);
    showResistance(b, 22677, 22676, 22674);
    return 0;
}

int ZCOMILC::showCapacitance() {
    float c = 0;
    bool below = false, above = false;
    if (decoder_->decodeCapacitance(c, below, above) != 0) {
        post(22683);
        return -1;
    }
    if (below)
        post(22684, c);
    else if (above)
        post(22685);
    else
        post(22686, c);
    return 0;
}

int ZCOMILC::showPhaseAngle() {
    float phi = 0;
    if (decoder_->decodePhaseAngle(phi) != 0) {
        post(22678);
        return -1;
    }
    int remark = 22678;
    if (phi <= 20.0f)
        remark = 22679;
    else if (phi < 62.0f)
        remark = 22680;
    else if (phi <= 100.0f)
        remark = 22681;
    post(22682, phi, textById(remark));
    return 0;
}

int ZCOMILC::showLoopResistance() {
    float r = 0;
    if (decoder_->decodeLoopResistance(r) != 0) {
        post(22688);
        return -1;
    }
    post(22690, r, remarkText(r > 1800.0f ? 22689 : kTextNone));
    return 0;
}

int ZCOMILC::showDialTest() {
    SDialTest d;
    if (decoder_->decodeDialTest(d) != 0) return kLineTestTruncated;
    if (d.bit2 && d.bit1) {
        post(22692);
        return 0;
    }
    if (d.bit1) {
        post(22693);
        return 0;
    }
    if (d.tone) {
        post(22694);
    } else {
        post(22695);
        post(kDialMethods[d.method & 3]);
    }
    post(22696, d.digits);
    if (d.bit0) post(22697);
    return 0;
}

int ZCOMILC::showMeterTest() {
    std::uint8_t pulses = 0;
    if (decoder_->decodeMeterPulses(pulses) != 0) return kLineTestTruncated;
    post(22703, pulses);
    return 0;
}

int ZCOMILC::showRingingCurrent() {
    SRingingCurrent r;
    if (decoder_->decodeRingingCurrent(r) != 0) return kLineTestTruncated;
    if (r.absent) {
        post(22705);
        return 0;
    }
    if (r.onTimeExceeded)
        post(22706);
    else
        post(22707, r.onTime * 1000.0f);
    if (r.notRepeated)
        post(22708);
    else
        post(22709, r.pause * 1000.0f);
    if (!r.onTimeExceeded && !r.notRepeated) post(22710, perSecond(r.period));
    post(22711, r.amplitude);
    return 0;
}

int ZCOMILC::showToneSignal() {
    SToneSignal t;
    if (decoder_->decodeToneSignal(t) != 0) return kLineTestTruncated;
    if (t.absent) {
        post(22713);
        return 0;
    }
    if (t.toneExceeded)
        post(22714);
    else
        post(22715, t.firstTone * 1000.0f, t.secondTone * 1000.0f);
    if (t.notRepeated)
        post(22716);
    else
        post(22717, t.firstPause * 1000.0f, t.secondPause * 1000.0f);
    if (!t.toneExceeded && !t.notRepeated) post(22718, perSecond(t.period));
    post(22719, t.amplitude);
    return 0;
}

int ZCOMILC::showTariffSignal() {
    STariffSignal t;
    if (decoder_->decodeTariffSignal(t) != 0) return kLineTestTruncated;
    if (t.absent) {
        post(22722);
        return 0;
    }
    if (t.signalExceeded) {
        post(22723);
        return 0;
    }
    post(22724, t.duration * 1000.0f);
    if (t.singlePulse) {
        post(22725);
        return 0;
    }
    post(22726, t.pause * 1000.0f);
    post(22727, perSecond(t.period));
    post(22728, perSecond(t.duration + t.pause));
    post(22729, t.amplitude);
    return 0;
}

int ZCOMILC::showLoopClosure() {
    SLoopClosure c;
    if (decoder_->decodeLoopClosure(c) != 0) return kLineTestTruncated;
    if (c.dutyCycle) {
        post(25661);
        return 0;
    }
    if (c.zInterface) {
        post(22731);
        return 0;
    }
    if (c.hs) {
        post(22732);
        return 0;
    }
    ByteReader in(payload_, length_);
    in.skip(4);
    const std::int32_t point = in.i32le();
    if (!in.ok()) return kLineTestTruncated;
    const float current = (c.currentByte2 + c.currentByte1) / 2.0f;
    int remark = kTextNone;
    if (c.currentByte1 < 0.003f)
        remark = 22733;
    else if (current > 0.01f)
        remark = 22734;
    post(22735, point, current * 1000.0f, remarkText(remark));
    return 0;
}

int ZCOMILC::showDigitReception() {
    SDigitReception r;
    const int result = decoder_->decodeDigitReception(r);
    if (result == 1) {
        postLong(22737);
        postLong(22738, r.fullSet ? kFullDigitSet : kDecimalDigitSet);
        postLong(22739, r.digits);
    } else if (result == 0) {
        postLong(22736, r.digitsSent, static_cast<std::int32_t>(r.digits.size()));
    }
    return result;
}

int ZCOMILC::showDisconnectDelay() {
    SDisconnectDelay d;
    if (decoder_->decodeDisconnectDelay(d) != 0) return kLineTestTruncated;
    if (d.noDelay) {
        post(d.ringingNotEnded ? 22744 : 22741);
        return 0;
    }
    post(22743, d.delay * 1000.0f, remarkText(d.delay > 0.1f ? 22742 : kTextNone));
    return 0;
}

int ZCOMILC::showFeedingVoltage() {
    post(kVoltageHeader);
    SLineTestVoltage v;
    const bool full = showVoltagePair(*decoder_, kFeedingPair, v);
    postLine("");
    if (full) {
        post(kSummaryHeader);
        showSummary(kFeedingPair, v);
    }
    const float udc = std::fabs(v.udc);
    post(22747, v.udc, remarkText(udc < 42.0f || udc > 55.0f ? 22746 : kTextNone));
    return 0;
}

int ZCOMILC::showCardRestored() {
    post(25656);
    return 0;
}

int createLineTestReceiver() {
    delete lineTestReceiver;
    lineTestReceiver = new (std::nothrow) ZCOMILC();
    return lineTestReceiver != nullptr ? 0 : -1;
}
