#pragma once

#include <array>
#include <cstdint>

#include "commands/param_records.h"
#include "link/timer_pool.h"

// The alarm panel on a serial line: two two-digit displays, four indicators,
// a bar of 30 lamps and lamp 31, painted by sending the whole picture as one
// 16-byte frame that the panel acknowledges with one byte. Its presence,
// protocol version, port and speed are in "./alp.ini", section [Alp].

constexpr const char* kAlpIniFile = "./alp.ini";
constexpr std::size_t kAlpFrameSize = 16;
constexpr std::uint8_t kAlpFrameStart = 0xAA;
constexpr std::uint8_t kAlpFrameEnd = 0x55;
constexpr std::uint8_t kAlpAnswerOk = 0xAA;
constexpr std::uint8_t kAlpBlankDigit = 16;
constexpr int kAlpBarLamps = 30;
// Waiting for the panel's answer byte, ms.
constexpr std::int32_t kAlpAnswerTimeoutMs = 10;

using SAlpFrame = std::array<std::uint8_t, kAlpFrameSize>;

// The panel picture as the strategy sends it. A flag, point, attribute or
// lamp is on only when its byte is exactly 1.
struct SAlpPicture {
    // On flags of indicators 0-3, then their attributes.
    std::uint8_t indicators[8] = {};
    // Display 1: digit 0 (tens), digit 1 (ones), point 0, point 1, flag; then display 2.
    std::uint8_t display[10] = {kAlpBlankDigit, kAlpBlankDigit, 0, 0, 0,
                                kAlpBlankDigit, kAlpBlankDigit, 0, 0, 0};
    // Bar lamps 1-30 at 0-29, lamp 31 at 30.
    std::uint8_t lamps[31] = {};
};

// Segment code of a digit value 0..15 (hexadecimal digits); 16 and any
// larger value are a blank digit.
std::uint8_t alpSegmentCode(std::uint8_t value);
SAlpFrame buildAlpFrame(const SAlpPicture& picture);

// The one serial port of the panel.
int openAlpPort(const char* portName, std::int32_t speed);
int closeAlpPort();
int writeAlpPort(const std::uint8_t* bytes, std::size_t count);
int readAlpAnswer();

// How a protocol version talks to the panel.
class KStrategijaKomunikacijaSaALP {
public:
    // Opens the port; when that fails the strategy is not open and the
    // operator is told.
    KStrategijaKomunikacijaSaALP(const char* portName, std::int32_t speed);
    virtual ~KStrategijaKomunikacijaSaALP();
    KStrategijaKomunikacijaSaALP(const KStrategijaKomunikacijaSaALP&) = delete;
    KStrategijaKomunikacijaSaALP& operator=(const KStrategijaKomunikacijaSaALP&) = delete;

    virtual int send(const SAlpPicture& picture) = 0;
    bool isOpen() const { return open_ != 0; }

private:
    std::uint8_t open_ = 0;
};

// Version "VED0101": the frame, then the one-byte answer. Each loss and
// each return of the panel is reported once.
class KStrategijaKomunikacijaSaVED0101 : public KStrategijaKomunikacijaSaALP {
public:
    using KStrategijaKomunikacijaSaALP::KStrategijaKomunikacijaSaALP;
    int send(const SAlpPicture& picture) override;
};

class KAlarmniPanel {
public:
    explicit KAlarmniPanel(KStrategijaKomunikacijaSaALP* strategy) : strategy_(strategy) {}

    int send();
    // Everything lit (digits 8 with points), or everything dark, sent
    // without changing the picture.
    int allOn();
    int allOff();

    // Indicator indices 0-3, digit positions 0-1 and lamp indices 0-29;
    // others are ignored.
    void setIndicator(int i, std::uint8_t attribute);
    void clearIndicator(int i);
    void setDisplay1Digit(int position, std::uint8_t value, std::uint8_t point);
    void setDisplay2Digit(int position, std::uint8_t value, std::uint8_t point);
    void setDisplay1Flag() { picture_.display[4] = 1; }
    void clearDisplay1Flag() { picture_.display[4] = 0; }
    void setDisplay2Flag() { picture_.display[9] = 1; }
    void clearDisplay2Flag() { picture_.display[9] = 0; }
    void setLamps(int from, int to) { fillLamps(from, to, 1); }
    void clearLamps(int from, int to) { fillLamps(from, to, 0); }
    // The first percent x 30 / 100 bar lamps on, the rest off.
    void setBarGraph(int percent);
    void setLamp31() { picture_.lamps[30] = 1; }
    void clearLamp31() { picture_.lamps[30] = 0; }

    const SAlpPicture& picture() const { return picture_; }

private:
    void setDigit(int base, int position, std::uint8_t value, std::uint8_t point);
    void fillLamps(int from, int to, std::uint8_t on);

    KStrategijaKomunikacijaSaALP* strategy_;
    SAlpPicture picture_;
};

// Steps of the full panel test, one a second.
class KAlpTestTmr : public TTimerReceiver {
public:
    void onTimer(const STimerEvent* event) override;
};

// End of the indicator test after five seconds.
class KAlpTestTmrIndikatora : public TTimerReceiver {
public:
    void onTimer(const STimerEvent* event) override;
};

extern KAlarmniPanel* alarmPanel;
extern KStrategijaKomunikacijaSaALP* alarmPanelStrategy;
extern int alarmPanelStarted;
extern int alarmPanelAnswering;
extern int alpTestRunning;
extern int alpPortOpen;
extern KAlpTestTmr* alpTestTimer;
extern KAlpTestTmrIndikatora* alpIndicatorTestTimer;
extern int alpTestPhase;
extern int alpTestDigit;
extern int alpTestIndicator;

// While a test owns the panel the alarm-count poll leaves it alone.
void beginAlpTest();
void endAlpTest();
bool isAlpTestRunning();

// Start step: starts the panel that "./alp.ini" describes; 0 also when none
// is present, -1 when the settings are bad or the port cannot be opened.
int startAlarmPanel();
// Stop step: 0, or -1 when the port could not be closed (the panel then
// keeps running).
int stopAlarmPanel();

// Command actions; every text goes to the operator messages.
void saveAlpSettings(const SParamsOkPodesavanjeALP& params);
void showAlpSettings();
void testAlpConnection();
void testAlpIndicators();
void testAlp();
