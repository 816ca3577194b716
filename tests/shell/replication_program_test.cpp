#include <string>

#include <gtest/gtest.h>

#include "link/link_supervision.h"
#include "texts/text_catalogue.h"
#include "peer/loopback_router.h"
#include "peer/stand_in_table_server.h"
#include "peer/test_app.h"
#include "shell/main_window.h"
#include "shell/status_bar.h"
#include "sub/rec_cursor.h"
#include "sub/replication_control.h"
#include "toolkit/text_codec.h"
#include "utils/status_cells.h"

namespace {

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

// The program's main window, router, link supervision and replication
// against a stand-in exchange that polls the link and serves tables over
// loopback UDP: the status bar's message cell follows the replication and
// the served records are held in the replica.
class ReplicationInTheProgram : public ::testing::Test, protected LoopbackRouter {
protected:
    void SetUp() override {
        startRouter(kModemIni);
        window = new TTalvor(&testApp());
        mainWindow = window;
        window->create();
        ASSERT_EQ(startLinkSupervision(), 0);
        startReplication();
    }
    void TearDown() override {
        stopReplication();
        stopLinkSupervision();
        stopRouter();
        mainWindow = nullptr;
        delete window;
    }
    std::string statusText() const {
        auto* cell = dynamic_cast<TStatusInfoItem*>(messageCell);
        return cell ? fromUtf8(cell->label()->getText()) : std::string("<no cell>");
    }
    void exchangeAll() {
        for (int round = 0; round < 50; ++round) {
            router->receiveMessages();
            if (server.serve() == 0) {
                router->receiveMessages();
                if (server.serve() == 0) return;
            }
        }
    }
    TTalvor* window = nullptr;
    StandInTableServer server{peer, 28673};
};

TEST_F(ReplicationInTheProgram, StatusCellFollowsTheReplicationAndRecordsAreHeld) {
    EXPECT_EQ(statusText(), textById(25788));  // "OR не обновлен"
    server.contents[173] = {"1,10", "3,30"};
    // The exchange's first link poll restarts the replication; the server
    // switches it on and loads the tables asked for.
    peer.sendFrame(141, 28673, 16408, 39, {});
    exchangeAll();
    server.send(139, {});
    exchangeAll();
    EXPECT_EQ(isReplicationOn(), 1);
    EXPECT_EQ(TUniRec(173).rowCount(), 2);
    server.send(138, {});
    exchangeAll();
    EXPECT_EQ(statusText(), textById(25787));
}

}  // namespace
