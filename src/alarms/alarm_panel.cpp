#include "alarms/alarm_panel.h"

#include <strings.h>

#include <cstdio>
#include <string>

#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "platform/serial_port.h"
#include "utils/code_mappers.h"
#include "utils/ini_file.h"

// Notes: frames are written and the answer awaited synchronously, from the
// poll (the alarm-count answers, the test timers) or from a command. The
// test flag keeps the poll's frames out of a running test.

KAlarmniPanel* alarmPanel = nullptr;
KStrategijaKomunikacijaSaALP* alarmPanelStrategy = nullptr;
int alarmPanelStarted = 0;
int alarmPanelAnswering = 1;
int alpTestRunning = 0;
int alpPortOpen = 0;
KAlpTestTmr* alpTestTimer = nullptr;
KAlpTestTmrIndikatora* alpIndicatorTestTimer = nullptr;
int alpTestPhase = 0;
int alpTestDigit = 0;
int alpTestIndicator = 1;

namespace {

constexpr const char* kSection = "Alp";
constexpr std::uint8_t kSegments[17] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F,
                                        0x6F, 0x5F, 0x7C, 0x39, 0x5E, 0x7B, 0x71, 0x00};

constexpr int kTextPortFailed = 26933;
constexpr int kTextSettingsWriteFailed = 21347;
constexpr int kTextConfigured = 21348;
constexpr int kTextConfigureFailed = 21349;
constexpr int kTextStopFailed = 21350;
constexpr int kTextNotAnswering = 21351;
constexpr int kTextAnswering = 21352;
constexpr int kTextSettingsPresent = 21353;
constexpr int kTextSettingsAbsent = 21354;
constexpr int kTextConnectionAbsent = 21355;
constexpr int kTextConnectionGood = 21356;
constexpr int kTextConnectionBad = 21357;
constexpr int kTextIndicatorsAbsent = 21358;
constexpr int kTextIndicatorsFailed = 21359;
constexpr int kTextIndicatorsDone = 21360;
constexpr int kTextTestAbsent = 21361;

constexpr std::uint32_t kTestStepMs = 1000;
constexpr std::uint32_t kTestFinalPauseMs = 3000;
constexpr std::uint32_t kIndicatorTestMs = 5000;

void postOperatorText(const char* text) {
    postTextLine(kLineLocal, text, kTypeOperator);
}
void postOperatorText(int textId) {
    postOperatorText(textById(textId));
}

bool on(std::uint8_t b) {
    return b == 1;
}

// Indicator i's bit in bytes 9 and 10: indicator 3 at bit 0 ... indicator 0 at bit 3.
std::uint8_t indicatorBits(const std::uint8_t* flags) {
    std::uint8_t bits = 0;
    for (int i = 0; i < 4; ++i)
        if (on(flags[i])) bits |= static_cast<std::uint8_t>(1u << (3 - i));
    return bits;
}

std::uint8_t digitByte(std::uint8_t value, std::uint8_t point) {
    return static_cast<std::uint8_t>(alpSegmentCode(value) | (on(point) ? 0x80 : 0x00));
}

struct SAlpSettings {
    int present = 0;
    std::string version;
    std::string port;
    int speed = 0;
};

// The settings as the file holds them; texts cut to `versionChars` and
// `portChars` characters.
SAlpSettings readSettings(int versionChars, int portChars) {
    KINIFile ini(kAlpIniFile);
    SAlpSettings s;
    char buffer[64];
    s.present = ini.getInt(kSection, "Prisutnost", 0);
    ini.getString(kSection, "Verzija", "", buffer, versionChars + 1);
    s.version = buffer;
    ini.getString(kSection, "Port", "", buffer, portChars + 1);
    s.port = buffer;
    s.speed = ini.getInt(kSection, "Brzina", 0);
    return s;
}

bool presentInFile() {
    return KINIFile(kAlpIniFile).getInt(kSection, "Prisutnost", 0) != 0;
}

bool panelRuns() {
    return alarmPanelStarted == 1 && alarmPanel != nullptr;
}

void deleteStrategy() {
    delete alarmPanelStrategy;
    alarmPanelStrategy = nullptr;
}

// A failed test step, or one with no panel left to step: the test ends quietly.
void abandonFullTest() {
    alpTestDigit = 0;
    alpTestIndicator = 1;
    alpTestPhase = 0;
    endAlpTest();
}

}  // namespace

std::uint8_t alpSegmentCode(std::uint8_t value) {
    return value < sizeof kSegments ? kSegments[value] : 0x00;
}

SAlpFrame buildAlpFrame(const SAlpPicture& p) {
    SAlpFrame f{};
    f[0] = kAlpFrameStart;
    for (int lamp = 0; lamp < kAlpBarLamps; ++lamp)
        if (on(p.lamps[lamp])) f[1 + lamp / 8] |= static_cast<std::uint8_t>(1u << (lamp % 8));
    f[5] = digitByte(p.display[1], p.display[3]);
    f[6] = digitByte(p.display[0], p.display[2]);
    f[7] = digitByte(p.display[6], p.display[8]);
    f[8] = digitByte(p.display[5], p.display[7]);
    f[9] = indicatorBits(p.indicators);
    if (on(p.indicators[3])) f[9] |= 0x80;
    f[10] = indicatorBits(p.indicators + 4);
    f[11] = static_cast<std::uint8_t>((on(p.lamps[30]) ? 0x01 : 0) | (on(p.display[4]) ? 0x02 : 0) |
                                      (on(p.display[9]) ? 0x04 : 0));
    f[13] = kAlpFrameEnd;
    return f;
}

// Serial port -------------------------------------------------------------------

int openAlpPort(const char* portName, std::int32_t speed) {
    if (alpPortOpen) return 0;
    const std::string device = platform::serialDeviceOfPort(portName);
    if (device.empty()) return -1;
    if (!platform::serialPort().open(device, speed)) return -1;
    alpPortOpen = 1;
    return 0;
}

int closeAlpPort() {
    if (!alpPortOpen) return 0;
    if (!platform::serialPort().close()) return -1;
    alpPortOpen = 0;
    return 0;
}

int writeAlpPort(const std::uint8_t* bytes, std::size_t count) {
    if (!alpPortOpen) return -1;
    return platform::serialPort().write(bytes, count) ? 0 : -1;
}

int readAlpAnswer() {
    if (!alpPortOpen) return -1;
    std::uint8_t b = 0;
    if (platform::serialPort().readByte(b, kAlpAnswerTimeoutMs) != 1) return -1;
    return b == kAlpAnswerOk ? 0 : -1;
}

// Strategies --------------------------------------------------------------------

KStrategijaKomunikacijaSaALP::KStrategijaKomunikacijaSaALP(const char* portName,
                                                           std::int32_t speed) {
    if (openAlpPort(portName, speed) == -1) {
        open_ = 0;
        postOperatorText(kTextPortFailed);
    } else {
        open_ = 1;
    }
}

KStrategijaKomunikacijaSaALP::~KStrategijaKomunikacijaSaALP() {
    if (open_) closeAlpPort();
}

int KStrategijaKomunikacijaSaVED0101::send(const SAlpPicture& picture) {
    const SAlpFrame frame = buildAlpFrame(picture);
    if (writeAlpPort(frame.data(), frame.size()) != 0) return -1;
    if (readAlpAnswer() != 0) {
        if (alarmPanelAnswering == 1) {
            alarmPanelAnswering = 0;
            postOperatorText(kTextNotAnswering);
        }
        return -1;
    }
    if (alarmPanelAnswering == 0) {
        alarmPanelAnswering = 1;
        postOperatorText(kTextAnswering);
    }
    return 0;
}

// Panel picture -----------------------------------------------------------------

int KAlarmniPanel::send() {
    return strategy_->send(picture_);
}

int KAlarmniPanel::allOn() {
    SAlpPicture all;
    for (int i = 0; i < 4; ++i) all.indicators[i] = 1;
    for (int base : {0, 5}) {
        all.display[base] = all.display[base + 1] = 8;
        all.display[base + 2] = all.display[base + 3] = 1;
    }
    for (int lamp = 0; lamp < kAlpBarLamps; ++lamp) all.lamps[lamp] = 1;
    return strategy_->send(all);
}

int KAlarmniPanel::allOff() {
    return strategy_->send(SAlpPicture());
}

void KAlarmniPanel::setIndicator(int i, std::uint8_t attribute) {
    if (i < 0 || i > 3) return;
    picture_.indicators[i] = 1;
    picture_.indicators[4 + i] = attribute;
}

void KAlarmniPanel::clearIndicator(int i) {
    if (i < 0 || i > 3) return;
    picture_.indicators[i] = 0;
}

void KAlarmniPanel::setDigit(int base, int position, std::uint8_t value, std::uint8_t point) {
    if (position < 0 || position > 1) return;
    picture_.display[base + position] = value;
    picture_.display[base + 2 + position] = point;
}

void KAlarmniPanel::setDisplay1Digit(int position, std::uint8_t value, std::uint8_t point) {
    setDigit(0, position, value, point);
}

void KAlarmniPanel::setDisplay2Digit(int position, std::uint8_t value, std::uint8_t point) {
    setDigit(5, position, value, point);
}

void KAlarmniPanel::fillLamps(int from, int to, std::uint8_t value) {
    if (from < 0) from = 0;
    if (to > kAlpBarLamps - 1) to = kAlpBarLamps - 1;
    for (int lamp = from; lamp <= to; ++lamp) picture_.lamps[lamp] = value;
}

void KAlarmniPanel::setBarGraph(int percent) {
    clearLamps(0, kAlpBarLamps - 1);
    const int count = percent * kAlpBarLamps / 100;
    setLamps(0, count - 1);
}

// Test flag -----------------------------------------------------------------------

void beginAlpTest() {
    alpTestRunning = 1;
}
void endAlpTest() {
    alpTestRunning = 0;
}
bool isAlpTestRunning() {
    return alpTestRunning != 0;
}

// Start and stop ------------------------------------------------------------------

int startAlarmPanel() {
    if (alarmPanelStarted == 1) return 0;
    // Read beyond the names' lengths so that "COM12" or "VED01012" is not
    // taken for a shorter valid name.
    const SAlpSettings s = readSettings(32, 32);
    if (s.present == 0) return 0;
    if (platform::serialDeviceOfPort(s.port.c_str()).empty()) return -1;
    if (s.speed != 2400 && s.speed != 9600) return -1;
    if (::strcasecmp(s.version.c_str(), "VED0101") != 0) return -1;

    deleteStrategy();
    alarmPanelStrategy = new KStrategijaKomunikacijaSaVED0101(s.port.c_str(), s.speed);
    if (!alarmPanelStrategy->isOpen()) {
        // Nothing of a failed start stays behind: a kept strategy would
        // close the port of a later one when it is replaced.
        deleteStrategy();
        return -1;
    }
    alarmPanel = new KAlarmniPanel(alarmPanelStrategy);
    alarmPanelStarted = 1;
    alarmPanelAnswering = 1;
    endAlpTest();
    return 0;
}

int stopAlarmPanel() {
    if (alarmPanelStarted == 0) return 0;
    if (closeAlpPort() == -1) return -1;
    delete alarmPanel;
    alarmPanel = nullptr;
    deleteStrategy();
    alarmPanelStarted = 0;
    alarmPanelAnswering = 0;
    return 0;
}

// Test timers ---------------------------------------------------------------------

void KAlpTestTmr::onTimer(const STimerEvent*) {
    if (!panelRuns()) {
        abandonFullTest();
        return;
    }
    KAlarmniPanel& p = *alarmPanel;
    switch (alpTestPhase) {
        case 0: {
            const auto digit = static_cast<std::uint8_t>(alpTestDigit);
            for (int position = 0; position < 2; ++position) {
                p.setDisplay2Digit(position, digit, 1);
                p.setDisplay1Digit(position, digit, 1);
            }
            p.clearDisplay1Flag();
            p.clearDisplay2Flag();
            p.setBarGraph(alpTestDigit * 100 / 15);
            if (p.send() != 0) return abandonFullTest();
            if (++alpTestDigit == 16) {
                alpTestPhase = 1;
                alpTestDigit = 0;
            }
            setTimer(this, kTestStepMs);
            return;
        }
        case 1:
            p.setIndicator(alpTestIndicator, 0);
            p.clearLamps(0, kAlpBarLamps - 1);
            p.setLamps(0, 10 * alpTestIndicator - 1);
            if (p.send() != 0) return abandonFullTest();
            if (++alpTestIndicator == 4) {
                alpTestPhase = 2;
                alpTestIndicator = 1;
            }
            setTimer(this, kTestStepMs);
            return;
        case 2:
            p.setDisplay2Flag();
            p.setDisplay1Flag();
            p.setLamp31();
            for (int i = 1; i <= 3; ++i) p.setIndicator(i, 1);
            if (p.send() != 0) return abandonFullTest();
            alpTestPhase = 3;
            setTimer(this, kTestFinalPauseMs);
            return;
        default:
            // The end: the picture goes dark; the next alarm-count answer
            // paints the panel.
            p.clearDisplay1Flag();
            p.clearDisplay2Flag();
            p.clearLamps(0, kAlpBarLamps - 1);
            p.clearLamp31();
            for (int i = 1; i <= 3; ++i) p.clearIndicator(i);
            alpTestPhase = 0;
            endAlpTest();
            return;
    }
}

void KAlpTestTmrIndikatora::onTimer(const STimerEvent*) {
    if (!panelRuns()) {
        endAlpTest();
        return;
    }
    if (alarmPanel->allOff() == -1) {
        postOperatorText(kTextIndicatorsFailed);
        endAlpTest();
        return;
    }
    endAlpTest();
    postOperatorText(kTextIndicatorsDone);
}

// Command actions -----------------------------------------------------------------

void saveAlpSettings(const SParamsOkPodesavanjeALP& params) {
    beginAlpTest();
    // Any running panel is stopped first, so that the new settings are the
    // ones started (a panel running against a file that says "absent"
    // would otherwise keep its old settings and report success).
    if (stopAlarmPanel() == -1) {
        postOperatorText(kTextStopFailed);
        return;
    }
    KINIFile ini(kAlpIniFile);
    if (ini.writeInt(kSection, "Prisutnost", params.AlpPostoji & 1) == 0) {
        postOperatorText(kTextSettingsWriteFailed);
        return;
    }
    const std::string version =
        std::string(textById(alpVersionTextId(params.Verzija))).substr(0, 7);
    const std::string port = std::string(textById(serialPortTextId(params.Port))).substr(0, 4);
    if (ini.writeString(kSection, "Verzija", version.c_str()) == 0 ||
        ini.writeString(kSection, "Port", port.c_str()) == 0 ||
        ini.writeInt(kSection, "Brzina", params.Brzina) == 0) {
        postOperatorText(kTextSettingsWriteFailed);
        return;
    }
    postOperatorText(startAlarmPanel() == 0 ? kTextConfigured : kTextConfigureFailed);
}

void showAlpSettings() {
    const SAlpSettings s = readSettings(7, 4);
    char line[100];
    formatMessage(line, sizeof line, s.present != 0 ? kTextSettingsPresent : kTextSettingsAbsent,
                  s.version, s.port, s.speed);
    postOperatorText(line);
}

void testAlpConnection() {
    if (!presentInFile() || !panelRuns()) {
        postOperatorText(kTextConnectionAbsent);
        return;
    }
    postOperatorText(alarmPanel->send() == 0 ? kTextConnectionGood : kTextConnectionBad);
}

void testAlpIndicators() {
    if (!presentInFile() || !panelRuns()) {
        postOperatorText(kTextIndicatorsAbsent);
        return;
    }
    beginAlpTest();
    if (alpIndicatorTestTimer == nullptr) alpIndicatorTestTimer = new KAlpTestTmrIndikatora();
    setTimer(alpIndicatorTestTimer, kIndicatorTestMs);
    if (alarmPanel->allOn() == -1) {
        postOperatorText(kTextIndicatorsFailed);
        endAlpTest();
    }
}

void testAlp() {
    if (!presentInFile() || !panelRuns()) {
        postOperatorText(kTextTestAbsent);
        return;
    }
    beginAlpTest();
    if (alpTestTimer == nullptr) alpTestTimer = new KAlpTestTmr();
    KAlarmniPanel& p = *alarmPanel;
    p.clearIndicator(1);
    p.clearIndicator(3);
    p.clearIndicator(2);
    p.clearDisplay1Flag();
    p.clearDisplay2Flag();
    p.clearLamps(0, kAlpBarLamps - 1);
    p.clearLamp31();
    setTimer(alpTestTimer, kTestStepMs);
}
