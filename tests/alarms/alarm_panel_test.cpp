#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "alarms/alarm_panel.h"
#include "alarms/alarm_routines.h"
#include "alarms/alarm_test_support.h"
#include "alarms/panel_texts.h"
#include "commands/command_table.h"
#include "commands/executors/command_executor.h"
#include "commands/executors/local_routines.h"
#include "link/text_lines.h"
#include "link/timer_pool.h"
#include "peer/pseudo_terminal.h"
#include "peer/recording_receiver.h"
#include "peer/work_dir.h"
#include "platform/serial_port.h"
#include "platform/tick.h"
#include "utils/ini_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string alpIni(int present, const char* version, const char* port, int speed) {
    return "[Alp]\nPrisutnost=" + std::to_string(present) + "\nVerzija=" + version +
           "\nPort=" + port + "\nBrzina=" + std::to_string(speed) + "\n";
}

struct SettingsInFile {
    int present;
    std::string version, port;
    int speed;
    bool operator==(const SettingsInFile& o) const {
        return present == o.present && version == o.version && port == o.port && speed == o.speed;
    }
};

SettingsInFile settingsInFile() {
    KINIFile ini(kAlpIniFile);
    char version[32], port[32];
    ini.getString("Alp", "Verzija", "", version, sizeof version);
    ini.getString("Alp", "Port", "", port, sizeof port);
    return {ini.getInt("Alp", "Prisutnost", -1), version, port, ini.getInt("Alp", "Brzina", -1)};
}

// The digit bytes of a frame as the panel shows them: display 1 tens, ones,
// display 2 tens, ones (segment codes with the point bit).
Bytes digits(const Bytes& frame) {
    return {frame[6], frame[5], frame[8], frame[7]};
}

int litBarLamps(const Bytes& frame) {
    int n = 0;
    for (int lamp = 0; lamp < kAlpBarLamps; ++lamp)
        if (frame[1 + lamp / 8] & (1u << (lamp % 8))) ++n;
    return n;
}

class AlarmPanel : public ::testing::Test {
protected:
    AlarmPanel() {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        platform::setSerialPort(&port);
        operatorLines.addCodeFilter(kCodePlainText);
        alarmPanelAnswering = 1;
        alpTestPhase = 0;
        alpTestDigit = 0;
        alpTestIndicator = 1;
        endAlpTest();
    }
    ~AlarmPanel() override {
        for (LocalRoutine r : {LocalRoutine::saveAlpSettings, LocalRoutine::showAlpSettings,
                               LocalRoutine::testAlpConnection, LocalRoutine::testAlpIndicators,
                               LocalRoutine::testAlp, LocalRoutine::openKopStatisticsWindow,
                               LocalRoutine::openAlarmListWindow})
            setLocalRoutine(r, nullptr);
        port.failClose = false;
        stopAlarmPanel();
        initTimers();
        platform::setSerialPort(nullptr);
        platform::setTickSource(nullptr);
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (const auto& m : operatorLines.messages) out.push_back(m.text());
        return out;
    }
    void pass(std::uint32_t ms) {
        clock.advance(ms);
        tickTimers();
    }
    // A running panel on COM2 at 9,600 bit/s whose answers are all good.
    void startGoodPanel() {
        dir.write("alp.ini", alpIni(1, "VED0101", "COM2", 9600));
        ASSERT_EQ(startAlarmPanel(), 0);
        answerGood(200);
    }
    void answerGood(int frames) {
        for (int i = 0; i < frames; ++i) port.answers.push_back(kAlpAnswerOk);
    }

    ScopedWorkDir dir;
    platform::TestTickSource clock;
    platform::FakeSerialPort port;
    RecordingReceiver operatorLines{kTypeOperator};
};

TEST(AlpFrame, PictureToFrame) {
    struct Case {
        const char* what;
        void (*paint)(KAlarmniPanel&);
        Bytes frame;
    };
    const Case cases[] = {
        {"a new panel is dark with blank digits",
         [](KAlarmniPanel&) {},
         {0xAA, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x55, 0, 0}},
        {"digits by position, points in bit 7",
         [](KAlarmniPanel& p) {
             p.setDisplay1Digit(0, 1, 0);
             p.setDisplay1Digit(1, 2, 1);
             p.setDisplay2Digit(0, 15, 1);
             p.setDisplay2Digit(1, 10, 0);
         },
         {0xAA, 0, 0, 0, 0, 0xDB, 0x06, 0x5F, 0xF1, 0, 0, 0, 0, 0x55, 0, 0}},
        {"a value past 16 is blank; a point byte other than 1 is off",
         [](KAlarmniPanel& p) { p.setDisplay1Digit(1, 200, 2); },
         {0xAA, 0, 0, 0, 0, 0x00, 0, 0, 0, 0, 0, 0, 0, 0x55, 0, 0}},
        {"indicators in reverse bit order, indicator 3 also in bit 7",
         [](KAlarmniPanel& p) {
             p.setIndicator(0, 1);
             p.setIndicator(3, 0);
             p.setIndicator(2, 1);
             p.clearIndicator(2);
         },
         {0xAA, 0, 0, 0, 0, 0, 0, 0, 0, 0x89, 0x0A, 0, 0, 0x55, 0, 0}},
        {"lamps 1, 8, 9, 24, 25 and 30; lamp 31 and the flags in byte 11",
         [](KAlarmniPanel& p) {
             p.setLamps(0, 0);
             p.setLamps(7, 8);
             p.setLamps(23, 24);
             p.setLamps(29, 40);
             p.setLamp31();
             p.setDisplay1Flag();
             p.setDisplay2Flag();
             p.clearDisplay1Flag();
         },
         {0xAA, 0x81, 0x01, 0x80, 0x21, 0, 0, 0, 0, 0, 0, 0x05, 0, 0x55, 0, 0}},
        {"bar graph of 50 percent lights 15 lamps",
         [](KAlarmniPanel& p) { p.setBarGraph(50); },
         {0xAA, 0xFF, 0x7F, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x55, 0, 0}},
    };
    for (const Case& c : cases) {
        KAlarmniPanel panel(nullptr);
        c.paint(panel);
        const SAlpFrame f = buildAlpFrame(panel.picture());
        EXPECT_EQ(Bytes(f.begin(), f.end()), c.frame) << c.what;
    }
    const std::uint8_t codes[] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F,
                                  0x6F, 0x5F, 0x7C, 0x39, 0x5E, 0x7B, 0x71, 0x00};
    for (std::uint8_t v = 0; v <= 16; ++v) EXPECT_EQ(alpSegmentCode(v), codes[v]) << int(v);
}

TEST_F(AlarmPanel, StartFromSettings) {
    struct Case {
        const char* what;
        std::string ini;  // empty: no file
        int result;
        const char* device;  // null: no port opened
        int baud;
    };
    const Case cases[] = {
        {"COM2 at 9600", alpIni(1, "VED0101", "COM2", 9600), 0, "/dev/ttyS1", 9600},
        {"names in any case", alpIni(1, "ved0101", "com4", 2400), 0, "/dev/ttyS3", 2400},
        {"no panel is no error", alpIni(0, "VED0101", "COM1", 9600), 0, nullptr, 0},
        {"no file", "", 0, nullptr, 0},
        {"version without a strategy", alpIni(1, "RID9801", "COM1", 9600), -1, nullptr, 0},
        {"speed 4800", alpIni(1, "VED0101", "COM1", 4800), -1, nullptr, 0},
        {"port com5", alpIni(1, "VED0101", "com5", 9600), -1, nullptr, 0},
        {"port COM12 is not COM1", alpIni(1, "VED0101", "COM12", 9600), -1, nullptr, 0},
        {"version VED01012", alpIni(1, "VED01012", "COM1", 9600), -1, nullptr, 0},
    };
    for (const Case& c : cases) {
        port = platform::FakeSerialPort();
        if (!c.ini.empty()) dir.write("alp.ini", c.ini);
        EXPECT_EQ(startAlarmPanel(), c.result) << c.what;
        EXPECT_EQ(alarmPanelStarted, c.device != nullptr ? 1 : 0) << c.what;
        EXPECT_EQ(port.opens, c.device != nullptr ? 1 : 0) << c.what;
        if (c.device != nullptr) {
            EXPECT_EQ(port.device, c.device) << c.what;
            EXPECT_EQ(port.baud, c.baud) << c.what;
            EXPECT_NE(alarmPanel, nullptr) << c.what;
        }
        EXPECT_EQ(stopAlarmPanel(), 0) << c.what;
        EXPECT_EQ(alarmPanel, nullptr);
        EXPECT_FALSE(port.isOpen()) << c.what;
        std::remove("alp.ini");
    }
    EXPECT_TRUE(lines().empty());
}

TEST_F(AlarmPanel, PortThatCannotOpenIsReportedAndLeavesNothing) {
    dir.write("alp.ini", alpIni(1, "VED0101", "COM1", 9600));
    port.failOpen = true;
    EXPECT_EQ(startAlarmPanel(), -1);
    EXPECT_EQ(lines(), std::vector<std::string>{kText26933});
    EXPECT_EQ(alarmPanelStrategy, nullptr);
    EXPECT_EQ(alarmPanelStarted, 0);

    // A later start opens the port and keeps it.
    port.failOpen = false;
    EXPECT_EQ(startAlarmPanel(), 0);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(startAlarmPanel(), 0);  // running: nothing new
    EXPECT_EQ(port.opens, 1);
}

TEST_F(AlarmPanel, LossAndReturnAreEachReportedOnce) {
    dir.write("alp.ini", alpIni(1, "VED0101", "COM1", 9600));
    ASSERT_EQ(startAlarmPanel(), 0);
    struct Step {
        int answer;  // -1: none in time, -2: the write fails
        int result;
        std::vector<std::string> newLines;
    };
    const Step steps[] = {
        {0xAA, 0, {}},  {0x55, -1, {kText21351}}, {-1, -1, {}},
        {0x00, -1, {}}, {0xAA, 0, {kText21352}},  {0xAA, 0, {}},
        {-2, -1, {}},   {-1, -1, {kText21351}},
    };
    std::size_t frames = 0;
    for (const Step& s : steps) {
        operatorLines.messages.clear();
        if (s.answer >= 0) port.answers.push_back(static_cast<std::uint8_t>(s.answer));
        if (s.answer == -2) port.failWrites = 1;
        EXPECT_EQ(alarmPanel->send(), s.result) << s.answer;
        EXPECT_EQ(lines(), s.newLines) << s.answer;
        if (s.answer != -2) ++frames;
        EXPECT_EQ(port.written.size(), frames);
    }
}

TEST_F(AlarmPanel, FailedCloseKeepsThePanelRunning) {
    startGoodPanel();
    port.failClose = true;
    EXPECT_EQ(stopAlarmPanel(), -1);
    EXPECT_EQ(alarmPanelStarted, 1);
    EXPECT_NE(alarmPanel, nullptr);
    EXPECT_EQ(alarmPanel->send(), 0);
    port.failClose = false;
    EXPECT_EQ(stopAlarmPanel(), 0);
    EXPECT_EQ(alarmPanelStarted, 0);
    EXPECT_EQ(alarmPanelStrategy, nullptr);
    EXPECT_EQ(stopAlarmPanel(), 0);
}

TEST_F(AlarmPanel, FullTestSequence) {
    startGoodPanel();
    testAlp();
    EXPECT_TRUE(isAlpTestRunning());
    pass(999);
    EXPECT_TRUE(port.written.empty());

    // Sixteen digit steps, three indicator steps and the step with everything.
    for (int step = 0; step < 20; ++step) pass(1000);
    ASSERT_EQ(port.written.size(), 20u);
    const int bars[16] = {0, 1, 3, 6, 7, 9, 12, 13, 15, 18, 19, 21, 24, 25, 27, 30};
    for (int d = 0; d < 16; ++d) {
        const Bytes& f = port.written[d];
        const std::uint8_t code = static_cast<std::uint8_t>(alpSegmentCode(d) | 0x80);
        EXPECT_EQ(digits(f), (Bytes{code, code, code, code})) << d;
        EXPECT_EQ(litBarLamps(f), bars[d]) << d;
        EXPECT_EQ(f[9], 0) << d;
        EXPECT_EQ(f[11], 0) << d;
    }
    const std::uint8_t indicators[3] = {0x04, 0x06, 0x87};  // 1; 1 and 2; 1, 2 and 3
    for (int i = 0; i < 3; ++i) {
        const Bytes& f = port.written[16 + i];
        EXPECT_EQ(f[9], indicators[i]) << i;
        EXPECT_EQ(f[10], 0) << i;
        EXPECT_EQ(litBarLamps(f), 10 * (i + 1)) << i;
    }
    const Bytes& all = port.written[19];
    EXPECT_EQ(all[9], 0x87);
    EXPECT_EQ(all[10], 0x07);
    EXPECT_EQ(all[11], 0x07);
    EXPECT_EQ(litBarLamps(all), 30);

    // Three more seconds, then the end without a frame.
    pass(2999);
    EXPECT_TRUE(isAlpTestRunning());
    pass(1);
    EXPECT_FALSE(isAlpTestRunning());
    EXPECT_EQ(port.written.size(), 20u);
    EXPECT_EQ(alpTestPhase, 0);
    const SAlpFrame dark = buildAlpFrame(alarmPanel->picture());
    EXPECT_EQ(dark[9], 0);
    EXPECT_EQ(dark[11], 0);
    EXPECT_EQ(armedTimerCount(), 0);
    EXPECT_TRUE(lines().empty());
}

TEST_F(AlarmPanel, FailedStepEndsTheTestQuietly) {
    startGoodPanel();
    testAlp();
    pass(1000);
    pass(1000);
    port.failWrites = 1;
    pass(1000);
    EXPECT_FALSE(isAlpTestRunning());
    EXPECT_EQ(alpTestDigit, 0);
    EXPECT_EQ(alpTestPhase, 0);
    EXPECT_EQ(armedTimerCount(), 0);
    EXPECT_TRUE(lines().empty());
}

TEST_F(AlarmPanel, TestStepAfterThePanelStoppedEndsTheTest) {
    startGoodPanel();
    testAlp();
    testAlpIndicators();
    ASSERT_EQ(stopAlarmPanel(), 0);
    pass(5000);
    EXPECT_FALSE(isAlpTestRunning());
    EXPECT_EQ(armedTimerCount(), 0);
}

TEST_F(AlarmPanel, IndicatorTest) {
    startGoodPanel();
    testAlpIndicators();
    EXPECT_TRUE(isAlpTestRunning());
    ASSERT_EQ(port.written.size(), 1u);
    EXPECT_EQ(port.written[0], (Bytes{0xAA, 0xFF, 0xFF, 0xFF, 0x3F, 0xFF, 0xFF, 0xFF, 0xFF, 0x8F, 0,
                                      0, 0, 0x55, 0, 0}));
    pass(4999);
    EXPECT_EQ(port.written.size(), 1u);
    pass(1);
    ASSERT_EQ(port.written.size(), 2u);
    EXPECT_EQ(port.written[1], (Bytes{0xAA, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x55, 0, 0}));
    EXPECT_FALSE(isAlpTestRunning());
    EXPECT_EQ(lines(), std::vector<std::string>{kText21360});
}

TEST_F(AlarmPanel, IndicatorTestWithoutAnswers) {
    startGoodPanel();
    port.answers.clear();
    testAlpIndicators();
    EXPECT_FALSE(isAlpTestRunning());
    EXPECT_EQ(lines(), (std::vector<std::string>{kText21351, kText21359}));
    pass(5000);  // the timer stays armed and tries to turn everything off
    EXPECT_EQ(port.written.size(), 2u);
    EXPECT_EQ(lines(), (std::vector<std::string>{kText21351, kText21359, kText21359}));
}

TEST_F(AlarmPanel, CommandsWithoutAPanel) {
    struct Case {
        void (*action)();
        const char* text;
    };
    const Case cases[] = {
        {testAlpConnection, kText21355}, {testAlpIndicators, kText21358}, {testAlp, kText21361}};
    // No file, then a panel running while the file says there is none.
    for (bool running : {false, true}) {
        if (running) {
            startGoodPanel();
            dir.write("alp.ini", alpIni(0, "VED0101", "COM2", 9600));
        }
        for (const Case& c : cases) {
            operatorLines.messages.clear();
            c.action();
            EXPECT_EQ(lines(), std::vector<std::string>{c.text}) << running;
            EXPECT_FALSE(isAlpTestRunning());
        }
    }
    EXPECT_EQ(armedTimerCount(), 0);
}

TEST_F(AlarmPanel, ConnectionTest) {
    startGoodPanel();
    testAlpConnection();
    port.answers.clear();
    testAlpConnection();
    EXPECT_EQ(lines(), (std::vector<std::string>{kText21356, kText21351, kText21357}));
}

TEST_F(AlarmPanel, ShowSettings) {
    const std::string present = withArgs(kText21353, {"VED0101", "COM2", "9600"});
    const std::string absent = withArgs(kText21354, {"       ", "    ", "0"});
    const std::string cut = withArgs(kText21353, {"RID9801", "com3", "2400"});
    struct Case {
        std::string ini;
        std::string line;
    };
    const Case cases[] = {
        {alpIni(1, "VED0101", "COM2", 9600), present},
        {"", absent},
        {alpIni(1, "RID98012345", "com3x", 2400), cut},
    };
    for (const Case& c : cases) {
        std::remove("alp.ini");
        if (!c.ini.empty()) dir.write("alp.ini", c.ini);
        operatorLines.messages.clear();
        showAlpSettings();
        EXPECT_EQ(lines(), std::vector<std::string>{c.line});
    }
}

TEST_F(AlarmPanel, ConfigureWritesTheFileAndRestarts) {
    struct Case {
        SParamsOkPodesavanjeALP params;
        const char* text;
        const char* device;  // running afterwards on this device; null: none
    };
    const Case cases[] = {
        {{1, 0, 2, 2400}, kText21348, "/dev/ttyS2"}, {{0, 0, 1, 9600}, kText21348, nullptr},
        {{1, 1, 0, 9600}, kText21349, nullptr},      {{3, 0, 7, 9600}, kText21349, nullptr},
        {{1, 0, 0, 9600}, kText21348, "/dev/ttyS0"},
    };
    for (const Case& c : cases) {
        operatorLines.messages.clear();
        saveAlpSettings(c.params);
        EXPECT_EQ(lines(), std::vector<std::string>{c.text}) << c.text;
        EXPECT_EQ(alarmPanelStarted, c.device != nullptr ? 1 : 0);
        EXPECT_EQ(isAlpTestRunning(), c.device == nullptr);
        if (c.device != nullptr) {
            EXPECT_EQ(port.device, c.device);
        }
    }
    const SettingsInFile expected{1, "VED0101", "COM1", 9600};
    EXPECT_EQ(settingsInFile(), expected);
}

TEST_F(AlarmPanel, ConfigureFailures) {
    startGoodPanel();
    port.failClose = true;
    saveAlpSettings({0, 0, 0, 9600});
    EXPECT_EQ(lines(), std::vector<std::string>{kText21350});
    EXPECT_TRUE(isAlpTestRunning());
    EXPECT_EQ(alarmPanelStarted, 1);
    EXPECT_EQ(settingsInFile().present, 1);

    // A file that cannot be replaced.
    port.failClose = false;
    std::remove("alp.ini");
    ASSERT_EQ(::mkdir("alp.ini", 0755), 0);
    operatorLines.messages.clear();
    saveAlpSettings({1, 0, 0, 9600});
    EXPECT_EQ(lines(), std::vector<std::string>{kText21347});
    EXPECT_EQ(alarmPanelStarted, 0);
}

TEST_F(AlarmPanel, CommandsReachTheirRoutinesFromMml) {
    installAlarmRoutines();
    // The check set takes its item as the form shows it.
    const FieldRow* present = findField(*findCommand(5032), "AlpPostoji");
    ASSERT_NE(present, nullptr);
    const char* values[] = {groupItems(*present).begin()->label, "VED0101", "COM4", "9600"};
    char error[kExecutorErrorTextSize] = {};
    EXPECT_EQ(executeWithValues(5032, values, 4, error, 0), kExecDone) << error;
    EXPECT_EQ(port.device, "/dev/ttyS3");
    answerGood(1);
    EXPECT_EQ(executeWithValues(5034, nullptr, 0, error, 0), kExecDone);
    EXPECT_EQ(executeWithValues(5033, nullptr, 0, error, 0), kExecDone);
    EXPECT_EQ(lines(),
              (std::vector<std::string>{kText21348, kText21356,
                                        withArgs(kText21353, {"VED0101", "COM4", "9600"})}));
}

// The Linux line, opened on a pseudo-terminal in place of the device asked for.
class RedirectedSerialPort : public platform::LinuxSerialPort {
public:
    explicit RedirectedSerialPort(std::string to) : to_(std::move(to)) {}
    bool open(const std::string& device, int32_t baud) override {
        asked = device;
        return LinuxSerialPort::open(to_, baud);
    }
    std::string asked;

private:
    std::string to_;
};

TEST(AlarmPanelOverSerialLine, FramesAndAnswersCrossAPseudoTerminal) {
    PseudoTerminal pty;
    ASSERT_TRUE(pty.ok());
    ScopedWorkDir dir;
    RedirectedSerialPort line(pty.slavePath());
    platform::setSerialPort(&line);
    dir.write("alp.ini", alpIni(1, "VED0101", "COM3", 2400));
    ASSERT_EQ(startAlarmPanel(), 0);
    EXPECT_EQ(line.asked, "/dev/ttyS2");

    alarmPanel->setDisplay1Digit(1, 5, 0);
    alarmPanel->setLamp31();
    pty.send({kAlpAnswerOk});
    EXPECT_EQ(alarmPanel->send(), 0);
    EXPECT_EQ(pty.received(), (Bytes{0xAA, 0, 0, 0, 0, 0x6D, 0, 0, 0, 0, 0, 0x01, 0, 0x55, 0, 0}));
    pty.send({0x55});
    EXPECT_EQ(alarmPanel->send(), -1);

    EXPECT_EQ(stopAlarmPanel(), 0);
    EXPECT_FALSE(line.isOpen());
    platform::setSerialPort(nullptr);
}

}  // namespace
