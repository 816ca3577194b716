#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/udp_transport.h"
#include "peer/loopback_router.h"
#include "peer/work_dir.h"
#include "platform/tick.h"
#include "replication_fixtures.h"

namespace {

// This workstation is 28673; every other address goes to the stand-in
// exchange over loopback UDP.
const char* const kModemIni =
    "[Usmeravanja]\n"
    "BrojORa=28673\n"
    "BrojUsmeravanja=2\n"
    "[Usmeravanja\\Usmerenje1]\n"
    "Usmeravanje=Lokal\n"
    "DPC=28673\n"
    "[Usmeravanja\\Usmerenje2]\n"
    "Usmeravanje=TCP-IP\n"
    "IPAdresa=127.0.0.1\n"
    "DPC=0\n";

// The program's router, replication and global database against a stand-in
// exchange whose table server runs by script.
class ReplicationOverUdp : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override {
        startRouter(kModemIni);
        replication = std::make_unique<ProgramReplication>();
    }
    void TearDown() override {
        replication.reset();
        stopRouter();
    }
    // Polls both sides until neither has anything left (bounded).
    void exchangeAll() {
        for (int round = 0; round < 200; ++round) {
            router->receiveMessages();
            if (server.serve() == 0 && peer.received.size() == seen) {
                router->receiveMessages();
                if (server.serve() == 0 && peer.received.size() == seen) return;
            }
            seen = peer.received.size();
        }
    }
    const std::string& lastStatus() const { return replication->cell.shown.back().text; }

    StandInTableServer server{peer, 28673};
    std::unique_ptr<ProgramReplication> replication;
    size_t seen = 0;
};

TEST_F(ReplicationOverUdp, ServedTablesAreHeldAndShown) {
    ASSERT_TRUE(udpIsOpen());
    server.contents[173] = {"1,10", "3,30"};
    server.contents[124] = {};
    server.send(139, {});
    exchangeAll();
    EXPECT_EQ(isReplicationOn(), 1);
    const std::vector<uint8_t> opcodes = server.opcodes();
    ASSERT_GE(opcodes.size(), 3u);
    EXPECT_EQ(std::vector<uint8_t>(opcodes.begin(), opcodes.begin() + 3),
              (std::vector<uint8_t>{9, 1, 3}));
    for (uint16_t t : {124, 125, 126, 127, 128, 172, 173, 174})
        EXPECT_EQ(replicationClient->states[t], rtSynchronised) << t;
    EXPECT_EQ(TUniRec(173).rowCount(), 2);
    server.send(138, {});
    exchangeAll();
    EXPECT_EQ(lastStatus(), textById(25787));
    // A change travels too, and both sides still agree on the counters.
    const auto r = StandInTableServer::record(173, "2,20");
    server.sendChange(eventNumber(snRecInsert), 173, 0, 0, 0, 0, r);
    server.sendCounterReport(0);
    const size_t before = server.requests.size();
    exchangeAll();
    EXPECT_EQ(TUniRec(173).rowCount(), 3);
    EXPECT_EQ(server.requests.size(), before);
    // The counter report goes out every 1.1 s.
    clock.advance(1100);
    tickTimers();
    exchangeAll();
    ASSERT_GT(server.requests.size(), before);
    EXPECT_EQ(server.requests.back().opcode, 142);
}

}  // namespace
