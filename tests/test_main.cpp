#include <clocale>

#include <gtest/gtest.h>

#include "link/udp_transport.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    // Tests never take the workstation's own port: a router a test builds
    // binds a free port unless the test chooses one.
    udpLocalPort = 0;
    udpRemotePort = 0;
    return RUN_ALL_TESTS();
}
