#include <algorithm>
#include <climits>
#include <cstring>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "commands/command_table.h"
#include "texts/text_catalogue.h"
#include "menus/printout_map.h"
#include "startup.h"

namespace {

class PrintoutMap : public ::testing::Test {
protected:
    void SetUp() override { fillPrintoutCommandMap(); }
};

struct LookupCase {
    int32_t printout;
    int32_t command;
};

const LookupCase kLookups[] = {
    {21297, 5024},
    {21296, -1},
    {25254, 5596},
    {25255, -1},
    {26973, -1},
    {26974, -1},
    {-1, -1},
    {154, 5215},
    {225, 5028},
    {203, 5161},
    {205, 5161},
    {215, 5161},
    {218, 5161},
    {0, -1},
    {30000, -1},
    {31000, -1},
    {31050, -1},
    {INT_MAX, -1},
    {INT_MIN, -1},
    // Ends of runs of neighbouring commands, and a gap between runs.
    {21346, 5028},
    {21347, -1},
    {21364, 5037},
    {22549, 5188},
    {22550, 5189},
};

}  // namespace

TEST_F(PrintoutMap, Lookups) {
    for (const LookupCase& c : kLookups)
        EXPECT_EQ(getPrintoutCommand(c.printout), c.command) << c.printout;
}

TEST_F(PrintoutMap, TotalsAndRuns) {
    std::size_t mapped = 0, below = 0, gaps = 0;
    std::set<int32_t> commands;
    int32_t lastCommand = 0, runStart = -1;
    for (int32_t n = 0; n < kPrintoutMapSize; ++n) {
        const int32_t c = printoutCommandMap[n];
        EXPECT_EQ(getPrintoutCommand(n), c);
        if (c == -1) {
            if (n > 21297 && n < 25254) ++gaps;
            continue;
        }
        ASSERT_GE(c, kFirstCommandId) << n;
        ASSERT_LE(c, kLastCommandId) << n;
        EXPECT_NE(findCommand(c), nullptr) << c;
        ++mapped;
        commands.insert(c);
        if (n < 21297) {
            ++below;
            continue;
        }
        // From 21297 on: one unbroken run per command, in increasing command order.
        EXPECT_LE(n, 25254);
        if (c != lastCommand) {
            EXPECT_GT(c, lastCommand) << n;
            lastCommand = c;
            runStart = n;
        } else {
            EXPECT_EQ(printoutCommandMap[n - 1], c)
                << "run of " << c << " from " << runStart << " broken at " << n;
        }
    }
    EXPECT_EQ(mapped, 3715u);
    EXPECT_EQ(commands.size(), 495u);
    EXPECT_EQ(below, 6u);
    EXPECT_EQ(gaps, 249u);
}

TEST_F(PrintoutMap, EveryMappedNumberIsACatalogueText) {
    for (int32_t n = 0; n < kPrintoutMapSize; ++n) {
        if (printoutCommandMap[n] != -1) {
            EXPECT_STRNE(textById(n), "???") << n;
        }
    }
}

TEST_F(PrintoutMap, RunsNameNoNumberTwice) {
    std::set<int32_t> seen;
    for (const PrintoutRun& r : kPrintoutRuns) {
        ASSERT_LE(r.first, r.last) << r.command;
        for (int32_t n = r.first; n <= r.last; ++n) EXPECT_TRUE(seen.insert(n).second) << n;
    }
    // The named numbers beyond the map are catalogue texts that stay unmapped.
    for (int32_t n : seen) {
        if (n >= kPrintoutMapSize) {
            EXPECT_EQ(getPrintoutCommand(n), -1) << n;
        }
    }
}

TEST_F(PrintoutMap, FillingAgainRestoresEveryEntry) {
    printoutCommandMap[0] = 5001;
    printoutCommandMap[21297] = 5599;
    fillPrintoutCommandMap();
    EXPECT_EQ(getPrintoutCommand(0), -1);
    EXPECT_EQ(getPrintoutCommand(21297), 5024);
}

TEST(PrintoutMapStartUp, FilledByTheFirstStartStepBeforeTheRouter) {
    const std::vector<SStartStep>& steps = serviceStartSteps();
    ASSERT_GE(steps.size(), 3u);
    EXPECT_STREQ(steps[0].name, "printout map");
    EXPECT_STREQ(steps[1].name, "command tree");
    const auto router = std::find_if(steps.begin(), steps.end(), [](const SStartStep& s) {
        return std::string(s.name) == "router";
    });
    EXPECT_NE(router, steps.end());
    for (int32_t& entry : printoutCommandMap) entry = 0;
    EXPECT_EQ(steps[0].start(), 0);
    EXPECT_EQ(getPrintoutCommand(21296), -1);
    EXPECT_EQ(getPrintoutCommand(21297), 5024);
}
