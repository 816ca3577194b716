#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/local_clock.h"
#include "link/router.h"
#include "link/udp_transport.h"
#include "peer/stand_in_exchange.h"
#include "peer/test_app.h"
#include "peer/work_dir.h"
#include "shell/main_window.h"

namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

TEST(OperatorLog, ExchangeLinesLandBetweenSwitchOnAndSwitchOff) {
    ScopedWorkDir dir;
    dir.write("modem.ini",
              "[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=2\n"
              "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=28673\n"
              "[Usmeravanja\\Usmerenje2]\nUsmeravanje=TCP-IP\nIPAdresa=127.0.0.1\nDPC=0\n");
    platform::TestLocalClock clock;
    clock.current = {2026, 2, 3, 4, 5, 6, 0};
    platform::setLocalClock(&clock);
    StandInExchange peer;
    udpLocalPort = 0;
    udpRemotePort = peer.port();
    TTalvor* window = new TTalvor(&testApp());
    createRouter();
    peer.setWorkstationPort(udpBoundPort());

    peer.sendFrame(136, 28673, 16408, 255, {'P', 'l', 'a', 'i', 'n', 0});
    const std::string coded = "21119";
    peer.sendFrame(136, 28673, 16408, 254, std::vector<uint8_t>(coded.begin(), coded.end() + 0));
    routerReceiveMessages();
    destroyRouter();
    window->logSwitchOff();
    delete window;
    udpLocalPort = udpRemotePort = 6666;
    platform::setLocalClock(nullptr);

    const auto lines = splitLines(dir.read("sys.log"));
    const std::string rule(68, '-');
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], rule);
    // Date and time in full, two digits each, early in the day as later.
    EXPECT_EQ(lines[1], "Операторский компьютер включён (OR): 03.02.2026. в 04:05:06");
    EXPECT_EQ(lines[2], rule);
    EXPECT_EQ(lines[3], "Plain");
    EXPECT_EQ(lines[4], "Конец работы?");
    EXPECT_EQ(lines[5], rule);
    EXPECT_EQ(lines[6], "Выключен OR: 03.02.2026. в 04:05:06");
    EXPECT_EQ(lines[7], rule);
}

}  // namespace
