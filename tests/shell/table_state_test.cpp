#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "texts/text_catalogue.h"
#include "peer/recording_boxes.h"
#include "peer/work_dir.h"
#include "shell/table_state.h"

namespace {

TEST(TableState, WrittenAtShutdown) {
    ScopedWorkDir dir;
    RecordingBoxes boxes;
    dir.write("orstate.dat", "earlier");
    EXPECT_EQ(saveTableState("orstate.dat"), 0);
    const std::string state = dir.read("orstate.dat");
    EXPECT_EQ(state.substr(0, 4), "\n// ");
    EXPECT_EQ(state.substr(state.size() - 7), "// Kraj");
    EXPECT_TRUE(boxes.boxes.empty());
}

// A target that cannot be written shows "Запись неуспешная!" and keeps the
// earlier state; the shutdown goes on.
TEST(TableState, FailedWriteIsShownAndKeepsTheEarlierFile) {
    ScopedWorkDir dir;
    RecordingBoxes boxes;
    dir.write("orstate.dat", "earlier");
    ASSERT_EQ(mkdir((dir.path() + "/orstate.dat.tmp").c_str(), 0700), 0);  // blocks the write
    EXPECT_EQ(saveTableState("orstate.dat"), 0);
    EXPECT_EQ(dir.read("orstate.dat"), "earlier");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Information);
    EXPECT_EQ(boxes.boxes[0].text, textById(25624));
}

}  // namespace
