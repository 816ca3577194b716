#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/text_lines.h"
#include "link/timer_pool.h"
#include "mml/mml_registry.h"
#include "mml/mml_script.h"
#include "mml/progress_window.h"
#include "platform/tick.h"
#include "link/text_streams.h"
#include "peer/recording_boxes.h"
#include "peer/recording_receiver.h"
#include "peer/work_dir.h"

// Replaces %1, %2, %3 of a text by the arguments.
inline std::string fmt(const char* text, const std::vector<std::string>& args) {
    std::string s = text;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string mark = "%" + std::to_string(i + 1);
        const size_t at = s.find(mark);
        if (at != std::string::npos) s.replace(at, mark.size(), args[i]);
    }
    return s;
}

// Commands scripts run in the tests: "test" records its arguments, "fail"
// fails with status 4 on "P", "close" closes the running script's window as
// the operator would while the statement runs.
std::vector<std::string>& testCalls();
void registerTestCommands();

// A script world: a test clock driving the timers, a working folder for the
// script files, the operator-message stream feeding answers to the scripts,
// and a recorder of every operator line posted.
class ScriptTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        registerTestCommands();
        installMmlScripts();
        testCalls().clear();
    }
    void TearDown() override {
        removeMmlScripts();
        platform::setTickSource(nullptr);
    }

    void step(uint32_t ms) {
        clock.advance(ms);
        tickTimers();
    }
    // Steps until the script has ended (at most a few minutes of script time).
    void runToEnd() {
        for (int i = 0; i < 300 && isScriptRunning(); ++i) step(1000);
    }
    // Writes the file and runs it to its end.
    void runScript(const std::string& name, const std::string& contents) {
        dir.write(name, contents);
        startMmlScript(name.c_str());
        runToEnd();
    }
    // An operator text arriving from the exchange.
    void arrive(const std::string& text) {
        dispatchMessage(kTypeOperator, 0, kCodePlainText,
                        reinterpret_cast<const uint8_t*>(text.c_str()),
                        static_cast<int>(text.size() + 1));
    }
    std::vector<std::string> posted() const {
        std::vector<std::string> texts;
        for (const auto& m : lines.messages)
            if (m.code == kCodePlainText) texts.push_back(m.text());
        return texts;
    }
    std::string lastPosted() const {
        const std::vector<std::string> texts = posted();
        return texts.empty() ? std::string() : texts.back();
    }

    platform::TestTickSource clock;
    ScopedWorkDir dir;
    RecordingBoxes boxes;
    RecordingReceiver lines{kTypeOperator};
    TOporMsgReceiver stream{kTypeOperator, 100, nullptr, -1};
};
