#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/link_supervision.h"
#include "texts/text_catalogue.h"
#include "peer/recording_boxes.h"
#include "platform/tick.h"
#include "replication_fixtures.h"
#include "sub/table_groups.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The program's replication on the global database, with a stand-in server
// on the bus and a recording message replication->cell.
class ReplicationControl : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        replication = std::make_unique<ProgramReplication>();
    }
    void TearDown() override {
        replication.reset();
        platform::setTickSource(nullptr);
    }
    void fromServer(uint8_t type, const Bytes& payload = {}) { server.send(type, payload); }
    std::string last() const {
        return replication->cell.shown.empty() ? "" : replication->cell.shown.back().text;
    }

    platform::TestTickSource clock;
    std::unique_ptr<ProgramReplication> replication;
    StandInTableServer server;
    RecordingTrace trace;
};

TEST_F(ReplicationControl, StartsOffAndReportsCountersEvery1100Ms) {
    ASSERT_NE(replicationClient, nullptr);
    ASSERT_EQ(replication->cell.shown.size(), 1u);
    EXPECT_EQ(last(), textById(25788));
    EXPECT_TRUE(replication->cell.shown.back().active);
    EXPECT_FALSE(replication->cell.shown.back().left);
    EXPECT_EQ(isReplicationOn(), 0);
    for (int k = 0; k < tableGroupSize(0); ++k)
        EXPECT_EQ(replicationClient->states[tableGroupMember(0, k)], rtRequested);
    EXPECT_TRUE(server.requests.empty());
    for (int reports = 1; reports <= 3; ++reports) {
        clock.advance(1099);
        tickTimers();
        EXPECT_EQ(server.requests.size(), size_t(reports - 1));
        clock.advance(1);
        tickTimers();
        ASSERT_EQ(server.requests.size(), size_t(reports));
        EXPECT_EQ(server.requests.back().opcode, 142);
    }
    stopReplication();
    EXPECT_EQ(replicationClient, nullptr);
    EXPECT_EQ(armedTimerCount(), 0);
    // Without a client every entry point does nothing.
    restartReplication();
    setReplicationOn(1);
    rerequestAllTables();
    requestTableReplication(77);
    showReplicationStatus();
    EXPECT_EQ(isReplicationOn(), 0);
    EXPECT_EQ(startSyncTimer(), -1);
    EXPECT_EQ(server.requests.size(), 3u);
}

TEST_F(ReplicationControl, OnlyTheTableServerIsHeard) {
    EXPECT_EQ(replicationPeerIndex(16408), 0);
    EXPECT_EQ(replicationPeerIndex(16409), -1);
    dispatchMessage(kReplicationMessageType, 16409, 139, nullptr, 0);
    EXPECT_EQ(isReplicationOn(), 0);
    EXPECT_TRUE(server.requests.empty());
    EXPECT_EQ(replication->cell.shown.size(), 1u);
    for (int16_t t : {0, 77, 300}) EXPECT_EQ(isTableConsistent(t), 1);
}

TEST_F(ReplicationControl, SwitchedOnLoadsTheConfiguredTablesAndShowsProgress) {
    fromServer(139);
    EXPECT_EQ(isReplicationOn(), 1);
    ASSERT_GE(replication->cell.shown.size(), 2u);
    EXPECT_EQ(replication->cell.shown[1].text, " ");
    EXPECT_FALSE(replication->cell.shown[1].active);
    EXPECT_EQ(server.opcodes(), (std::vector<uint8_t>{9, 1, 3}));
    server.serve();
    for (int k = 0; k < tableGroupSize(0); ++k)
        EXPECT_EQ(replicationClient->states[tableGroupMember(0, k)], rtSynchronised);
    // The last load left no table waiting: the status line holds blanks only.
    EXPECT_EQ(last(), std::string(textById(25786)) + " " + std::string(103, ' '));
    EXPECT_TRUE(replication->cell.shown.back().left);
    fromServer(138);
    EXPECT_EQ(last(), textById(25787));
    EXPECT_FALSE(replication->cell.shown.back().active);
    const size_t shown = replication->cell.shown.size();
    fromServer(139);  // already on: the cell stays as it is
    EXPECT_EQ(replication->cell.shown.size(), shown);
    fromServer(140);
    EXPECT_EQ(isReplicationOn(), 0);
    EXPECT_EQ(replication->cell.shown[shown].text, textById(25788));
    EXPECT_TRUE(replication->cell.shown[shown].active);
    fromServer(138);  // while off
    EXPECT_EQ(last(), textById(25788));
    EXPECT_TRUE(replication->cell.shown.back().active);
}

TEST_F(ReplicationControl, StatusMarksPairsWithATableStillWaiting) {
    fromServer(139);
    server.serve();
    uint8_t* states = replicationClient->states;
    states[10] = states[11] = rtSynchronised;
    states[12] = rtRequested;
    states[204] = rtRequested;
    showReplicationStatus();
    std::string marks(103, ' ');
    marks[6] = static_cast<char>(149);    // (12, 13)
    marks[102] = static_cast<char>(149);  // 204 alone
    EXPECT_EQ(last(), std::string(textById(25786)) + " " + marks);
    // Asking for a table already asked for does not refresh the status.
    const size_t shown = replication->cell.shown.size();
    requestTableReplication(12);
    EXPECT_EQ(replication->cell.shown.size(), shown);
    requestTableReplication(77);
    EXPECT_EQ(replication->cell.shown.size(), shown + 1);
}

TEST_F(ReplicationControl, RerequestReleasesEachWantedTableThenAsksForGroupZero) {
    fromServer(139);
    server.serve();
    const uint16_t extra = 77;
    requestTablesReplication(1, &extra);
    const size_t mark = server.requests.size();
    rerequestAllTables();
    std::vector<uint16_t> released;
    for (size_t k = mark; k < server.requests.size(); ++k) {
        const auto& r = server.requests[k];
        if (r.opcode != 10) continue;
        ASSERT_EQ(r.tables().size(), 1u);
        released.push_back(r.tables()[0]);
    }
    EXPECT_EQ(released, (std::vector<uint16_t>{77, 124, 125, 126, 127, 128, 172, 173, 174}));
    ASSERT_EQ(server.requests.back().opcode, 3);
    EXPECT_EQ(server.requests.back().tables(),
              (std::vector<uint16_t>{172, 174, 173, 124, 125, 126, 127, 128}));
    EXPECT_EQ(replicationClient->states[77], rtIdle);
}

// The first poll restarts replication; 15 s without one switch it off and
// show it as not updated; the next poll restarts it once more.
TEST_F(ReplicationControl, TheLinkWatchdogRestartsAndSwitchesOff) {
    ASSERT_EQ(startLinkSupervision(), 0);
    linkUp = 0;
    dispatchMessage(kTypeLinkPoll, kTableServerAddress, kCodeLinkPoll, nullptr, 0);
    EXPECT_EQ(server.opcodes(), (std::vector<uint8_t>{9, 1, 3}));
    fromServer(139);
    server.serve();
    ASSERT_EQ(isReplicationOn(), 1);
    const size_t mark = server.requests.size();
    dispatchMessage(kTypeLinkPoll, kTableServerAddress, kCodeLinkPoll, nullptr, 0);
    EXPECT_EQ(server.requests.size(), mark);  // no second restart
    for (int k = 0; k < 14; ++k) {
        clock.advance(1000);
        tickTimers();
    }
    EXPECT_EQ(isReplicationOn(), 1);
    clock.advance(1000);
    tickTimers();
    EXPECT_EQ(isReplicationOn(), 0);
    EXPECT_EQ(last(), textById(25788));
    EXPECT_TRUE(replication->cell.shown.back().active);
    EXPECT_EQ(replicationClient->states[172], rtRequested);
    dispatchMessage(kTypeLinkPoll, kTableServerAddress, kCodeLinkPoll, nullptr, 0);
    std::vector<uint8_t> restart;
    for (size_t k = mark; k < server.requests.size(); ++k)
        if (server.requests[k].opcode != 142) restart.push_back(server.requests[k].opcode);
    EXPECT_EQ(restart, (std::vector<uint8_t>{9, 1, 3}));
    stopLinkSupervision();
    stopReplication();
    EXPECT_EQ(replicationControl().isReplicationOn(), false);  // the stand-in again
}

// The operator's renewed replication asks first: "no" sends nothing, "yes"
// starts the tables over.
TEST_F(ReplicationControl, RenewedReplicationAsksFirst) {
    struct Case {
        int answer;
        std::vector<uint8_t> opcodes;
    };
    const Case cases[] = {{0, {}}, {1, {9, 1, 3}}};
    for (const Case& c : cases) {
        RecordingBoxes boxes;
        boxes.answer = c.answer;
        server.requests.clear();
        restartReplicationCommand();
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].kind, IMessageBoxPresenter::Kind::Question);
        EXPECT_EQ(boxes.boxes[0].text, textById(21221));
        EXPECT_EQ(server.opcodes(), c.opcodes) << c.answer;
    }
}

TEST_F(ReplicationControl, AStrayTimerIsTraced) {
    TSyncTmrReceiver receiver;
    STimerEvent event;
    event.data[0] = 4;
    event.data[4] = 5;
    receiver.onTimer(&event);
    EXPECT_EQ(RecordingTrace::lines(),
              std::vector<std::string>{"SYNC_ERR OR 0: Otkud tajmer sa id1=5?"});
    EXPECT_TRUE(server.requests.empty());
}

}  // namespace
