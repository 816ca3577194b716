#pragma once

#include "link/router.h"
#include "link/timer_pool.h"
#include "link/udp_transport.h"
#include "peer/stand_in_exchange.h"
#include "peer/work_dir.h"
#include "platform/tick.h"

// The one router over loopback UDP, its routes read from a "modem.ini" in a
// fresh working directory, with the stand-in exchange as every TCP-IP peer
// and a test clock as the program clock.
class LoopbackRouter {
public:
    void startRouter(const char* modemIni) {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        dir.write("modem.ini", modemIni);
        udpLocalPort = 0;
        udpRemotePort = peer.port();
        router = new TKopCls();
        peer.setWorkstationPort(udpBoundPort());
    }
    void stopRouter() {
        destroyRouter();
        udpLocalPort = udpRemotePort = 6666;
        platform::setTickSource(nullptr);
    }

    platform::TestTickSource clock;
    ScopedWorkDir dir;
    StandInExchange peer;
};
