#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/executors/command_executor.h"
#include "commands/executors/local_routines.h"
#include "monitoring/monitoring_fixtures.h"
#include "monitoring/monitoring_routines.h"
#include "monitoring/monitoring_texts.h"
#include "link/text_streams.h"
#include "utils/files.h"

namespace {

class MonitoringRoutines : public ::testing::Test, protected MonitoringWorld {
protected:
    MonitoringRoutines() { installMonitoringRoutines(); }
    ~MonitoringRoutines() override {
        for (LocalRoutine r : kFilled) setLocalRoutine(r, nullptr);
        offerPrintoutToWatchWindows = nullptr;
    }
    static constexpr LocalRoutine kFilled[] = {
        LocalRoutine::exportTariffCounters,         LocalRoutine::makeTtReport,
        LocalRoutine::makeMinimalTtReport,          LocalRoutine::deleteStatisticsFile,
        LocalRoutine::watchProcessorLocalTimes,     LocalRoutine::openWatchWindow,
        LocalRoutine::listWatchableCommands,        LocalRoutine::startTtTransferCommand,
        LocalRoutine::stopTtTransferCommand,        LocalRoutine::showTtTransferStatus,
        LocalRoutine::blockSubscribersFromFile,     LocalRoutine::unblockSubscribersFromFile,
        LocalRoutine::replaceProcessorProgram,      LocalRoutine::toggleContinuousCpLoad,
        LocalRoutine::toggleContinuousArLoad,       LocalRoutine::toggleContinuousCallStore,
        LocalRoutine::restartReplicationCommand,    LocalRoutine::startStatisticsReview,
        LocalRoutine::startReducedStatisticsReview, LocalRoutine::stopStatisticsReview,
        LocalRoutine::startTrafficKindsReport,      LocalRoutine::startSuccessByDestinationReport,
        LocalRoutine::startSuccessByRouteReport};
};

TEST_F(MonitoringRoutines, SlotsAreFilledAndReachedFromMml) {
    for (LocalRoutine r : kFilled) EXPECT_NE(localRoutineSlot(r), nullptr) << int(r);

    // 5569 typed as MML: the case's file goes and the operator is told.
    ASSERT_EQ(makeDirectory("ppn"), 0);
    dir.write("ppn/stat012.dat", "x");
    const char* values[] = {"12"};
    char error[256] = {};
    EXPECT_EQ(executeWithValues(5569, values, 1, error, 0), kExecDone);
    EXPECT_EQ(lines(), std::vector<std::string>{withArgs(kText25014, {"12"})});

    // 5274 and 5169 reach their actions with their records.
    operatorLines.messages.clear();
    EXPECT_EQ(executeWithValues(5274, nullptr, 0, error, 0), kExecDone);
    const char* noFile[] = {"", "Нет"};
    EXPECT_EQ(executeWithValues(5169, noFile, 2, error, 0), kExecDone);
    EXPECT_EQ(lines(), (std::vector<std::string>{kText23287, kText22099}));
    EXPECT_NE(offerPrintoutToWatchWindows, nullptr);

    // 5042 is accepted and does nothing, not even the "not available" line.
    operatorLines.messages.clear();
    runLocalRoutine(LocalRoutine::watchProcessorLocalTimes, nullptr);
    EXPECT_TRUE(lines().empty());
}

}  // namespace
