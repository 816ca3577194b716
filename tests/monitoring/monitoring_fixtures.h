#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/router.h"
#include "link/text_lines.h"
#include "link/timer_pool.h"
#include "link/udp_transport.h"
#include "peer/recording_boxes.h"
#include "peer/recording_receiver.h"
#include "peer/work_dir.h"
#include "platform/local_clock.h"
#include "platform/shell.h"
#include "platform/speaker.h"
#include "platform/tick.h"
#include "shell/operator_reports.h"
#include "toolkit/file_chooser.h"
#include "toolkit/small_dialogs.h"

using Bytes = std::vector<uint8_t>;

// A catalogue-worded text with "%1", "%2"... replaced by the arguments.
inline std::string withArgs(const char* text, std::initializer_list<std::string> args) {
    std::string s = text;
    for (size_t n = args.size(); n >= 1; --n) {
        const std::string mark = "%" + std::to_string(n);
        const std::string& value = *(args.begin() + (n - 1));
        for (size_t at = s.find(mark); at != std::string::npos;
             at = s.find(mark, at + value.size()))
            s.replace(at, mark.size(), value);
    }
    return s;
}

// A fresh working directory with a router whose route to the exchange is
// local, so that answers to the exchange come back on the bus; records the
// operator lines, message boxes, tones and documents opened; a test clock.
class MonitoringWorld {
public:
    MonitoringWorld() {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        platform::setSpeaker(&speaker);
        platform::setShell(&shell);
        platform::setLocalClock(&localClock);
        localClock.current.year = 2006;
        localClock.current.month = 7;
        localClock.current.day = 14;
        dir.write("modem.ini",
                  "[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=2\n"
                  "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=28673\n"
                  "[Usmeravanja\\Usmerenje2]\nUsmeravanje=Lokal\nDPC=16408\n");
        udpLocalPort = 0;
        router = new TKopCls();
        operatorLines.addCodeFilter(kCodePlainText);
    }
    ~MonitoringWorld() {
        destroyRouter();
        udpLocalPort = udpRemotePort = 6666;
        platform::setLocalClock(nullptr);
        platform::setShell(nullptr);
        platform::setSpeaker(nullptr);
        platform::setTickSource(nullptr);
    }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (const auto& m : operatorLines.messages) out.push_back(m.text());
        return out;
    }
    // Lets time pass and fires the timers that fall due.
    void pass(uint32_t ms) {
        clock.advance(ms);
        tickTimers();
    }

    ScopedWorkDir dir;
    platform::TestTickSource clock;
    platform::RecordingSpeaker speaker;
    platform::RecordingShell shell;
    platform::TestLocalClock localClock;
    RecordingBoxes boxes;
    RecordingReceiver operatorLines{kTypeOperator};
};

// Report windows that record their lines; `open` decides isOpen.
class RecordingReports : public IOperatorReports {
public:
    RecordingReports() { setOperatorReports(this); }
    ~RecordingReports() override { setOperatorReports(nullptr); }
    SIzvestaj open(uint16_t source, uint16_t number, int32_t value, int32_t titleId,
                   int32_t headerId) override {
        opened.push_back({value, titleId, headerId});
        return SIzvestaj{source, 1, giveWindow ? reinterpret_cast<KOperIzvestaj*>(this) : nullptr};
    }
    bool isOpen(const SIzvestaj&) override { return stillOpen; }
    void appendLine(const SIzvestaj&, uint8_t code, const char* text, int length) override {
        EXPECT_EQ(length, int(std::strlen(text)) + 1);
        lines.push_back((code == kCodeCodedText ? "254:" : "255:") + std::string(text));
    }
    std::vector<std::vector<int32_t>> opened;
    std::vector<std::string> lines;
    bool giveWindow = true;
    bool stillOpen = true;
};

// Answers the file dialog as told and records what it was asked.
class RecordingChooser : public IFileNameChooser {
public:
    RecordingChooser() { setFileNameChooser(this); }
    ~RecordingChooser() override { setFileNameChooser(nullptr); }
    bool choose(const char* patterns, const char* initialName, int patternIndex,
                std::string& chosen) override {
        asked.push_back({patterns, initialName, std::to_string(patternIndex)});
        chosen = answer;
        return !cancel;
    }
    std::vector<std::vector<std::string>> asked;
    std::string answer;
    bool cancel = false;
};

// Tables 77 and 80 name the statistics' routes. Runs `check` once for each
// way of their being inconsistent (77, 80, both), with the table the one box
// must name; every table is consistent again afterwards.
inline void forEachInconsistentRouteTable(const std::function<void(int16_t named)>& check) {
    static int16_t inconsistent[2] = {};
    setTableConsistencyTest(
        [](int16_t table) { return table == inconsistent[0] || table == inconsistent[1] ? 0 : 1; });
    const struct {
        int16_t first, second, named;
    } cases[] = {{77, 0, 77}, {80, 0, 80}, {77, 80, 77}};
    for (const auto& c : cases) {
        inconsistent[0] = c.first;
        inconsistent[1] = c.second;
        check(c.named);
    }
    setTableConsistencyTest(nullptr);
}
