#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <fox-1.6/fx.h>
#include <gtest/gtest.h>

#include "link/timer_pool.h"
#include "peer/recording_boxes.h"
#include "peer/test_app.h"
#include "platform/tick.h"
#include "sub/sub_database.h"

using Bytes = std::vector<uint8_t>;

// A record of the table from a comma-separated line.
inline Bytes recordOf(int16_t table, const char* line) {
    Bytes r(static_cast<size_t>(subDatabase.table(table)->recordLength()), 0);
    EXPECT_EQ(subDatabase.recordFromText(table, r.data(), line, ","), 0) << line;
    return r;
}

// Empties the tables of the program's database now and at the end.
class ScopedTables {
public:
    explicit ScopedTables(std::initializer_list<int16_t> tables) : tables_(tables) { clear(); }
    ~ScopedTables() { clear(); }
    void insert(int16_t table, const char* line) const {
        uint8_t conflict = 0;
        const Bytes r = recordOf(table, line);
        ASSERT_EQ(subDatabase.insertRecord(0, table, r.data(), &conflict), tsOK) << line;
    }

private:
    void clear() const {
        uint8_t conflict = 0;
        for (int16_t t : tables_) subDatabase.clearTable(0, t, &conflict);
    }
    std::vector<int16_t> tables_;
};

// A test clock for the timer pool and a host window for views.
class RecordWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        testApp();
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        host = new FX::FXMainWindow(&testApp(), "host", nullptr, nullptr, FX::DECOR_NONE, 0, 0, 800,
                                    600);
        host->create();
    }
    void TearDown() override {
        delete host;
        platform::setTickSource(nullptr);
    }
    // Moves the clock and fires what is due.
    void elapse(uint32_t ms) {
        clock.advance(ms);
        tickTimers();
    }
    // Runs the toolkit's pending chores (windows that remove themselves).
    static void runChores() {
        for (int i = 0; i < 200; ++i) testApp().runOneEvent(false);
    }

    platform::TestTickSource clock;
    RecordingBoxes boxes;
    FX::FXMainWindow* host = nullptr;
};
