#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "commands/command_dispatch.h"
#include "commands/command_table.h"
#include "commands/executors/local_routines.h"
#include "link/text_lines.h"
#include "peer/recording_receiver.h"

namespace {

std::vector<uint16_t> dispatched;
void recordDispatch(uint16_t id) {
    dispatched.push_back(id);
}

int routineRuns = 0;
void countRoutine(const uint8_t*) {
    ++routineRuns;
}

// Until the forms exist, commands without parameters run their routine slot
// and every other command tells the operator it is not available yet; an
// installed dispatcher takes every command of 5001..5599.
TEST(CommandDispatch, BuiltInHandlingAndInstalledDispatcher) {
    RecordingReceiver lines(kTypeOperator);
    setLocalRoutine(LocalRoutine::confirmExit, countRoutine);
    routineRuns = 0;
    EXPECT_EQ(dispatchCommand(5015), 1);
    EXPECT_EQ(routineRuns, 1);
    EXPECT_TRUE(lines.messages.empty());
    setLocalRoutine(LocalRoutine::confirmExit, nullptr);

    EXPECT_EQ(dispatchCommand(5015), 1);
    EXPECT_EQ(dispatchCommand(5162), 1);
    ASSERT_EQ(lines.messages.size(), 2u);
    EXPECT_EQ(lines.messages[0].text(), unavailableRoutineText(LocalRoutine::confirmExit));
    EXPECT_EQ(lines.messages[1].text(), unavailableFunctionText(findCommand(5162)->title));

    setCommandDispatcher(recordDispatch);
    for (uint16_t id : {5000, 5001, 5162, 5599, 5600, 0, 65535}) {
        const int expected = id >= 5001 && id <= 5599 ? 1 : 0;
        EXPECT_EQ(dispatchCommand(id), expected) << id;
    }
    setCommandDispatcher(nullptr);
    EXPECT_EQ(dispatched, (std::vector<uint16_t>{5001, 5162, 5599}));
    EXPECT_EQ(lines.messages.size(), 2u);
}

std::vector<std::pair<uint8_t, ReportOp>> reportRuns;
void recordReport(const ReportStreamRow& stream, ReportOp op) {
    reportRuns.push_back({stream.messageType, op});
}

// The commands of a report stream go to the report-stream handler with their
// stream and operation; without a handler they are not available yet.
TEST(CommandDispatch, ReportStreamCommands) {
    RecordingReceiver lines(kTypeOperator);
    EXPECT_EQ(dispatchCommand(5029), 1);
    ASSERT_EQ(lines.messages.size(), 1u);
    EXPECT_EQ(lines.messages[0].text(), unavailableFunctionText(findCommand(5029)->title));

    setReportStreamHandler(recordReport);
    for (uint16_t id : {5029, 5128, 5257, 5555}) EXPECT_EQ(dispatchCommand(id), 1) << id;
    runReportStreamCommand(*findCommand(5001));  // no stream: not available
    setReportStreamHandler(nullptr);
    const std::vector<std::pair<uint8_t, ReportOp>> expected = {{170, ReportOp::View},
                                                                {205, ReportOp::DeleteLog},
                                                                {216, ReportOp::Monitor},
                                                                {142, ReportOp::DeleteLog}};
    EXPECT_EQ(reportRuns, expected);
    EXPECT_EQ(lines.messages.size(), 2u);
}

}  // namespace
