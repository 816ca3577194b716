#pragma once

#include "link/router.h"
#include "link/timer_pool.h"
#include "link/udp_transport.h"
#include "peer/stand_in_exchange.h"
#include "peer/work_dir.h"
#include "platform/tick.h"

// Routes of workstation 28673 that reach the management processor 16408
// over UDP at the loopback address.
inline const char* const kLoopbackExchangeRoutes =
    "[Usmeravanja]\n"
    "BrojORa=28673\n"
    "BrojUsmeravanja=2\n"
    "[Usmeravanja\\Usmerenje1]\n"
    "Usmeravanje=Lokal\n"
    "DPC=28673\n"
    "[Usmeravanja\\Usmerenje2]\n"
    "Usmeravanje=TCP-IP\n"
    "IPAdresa=127.0.0.1\n"
    "DPC=16408\n";

// Routes of workstation 28673 with none to the exchange: every send to it
// fails in the router.
inline const char* const kLoopbackNoExchangeRoutes =
    "[Usmeravanja]\n"
    "BrojORa=28673\n"
    "BrojUsmeravanja=1\n"
    "[Usmeravanja\\Usmerenje1]\n"
    "Usmeravanje=Lokal\n"
    "DPC=28673\n";

// The states of the link a window's request may meet: the stand-in exchange
// reachable (the request is sent), no router at all, or a router without a
// route to the exchange. `routes` is null for no router.
struct SLinkState {
    const char* name;
    const char* routes;
    bool sends;
};
inline const SLinkState kLinkStates[] = {
    {"linked", kLoopbackExchangeRoutes, true},
    {"no router", nullptr, false},
    {"no route to the exchange", kLoopbackNoExchangeRoutes, false},
};

// Replaces the router by one read from `routes` in `dir`, or by none when
// `routes` is null.
inline void replaceRouter(ScopedWorkDir& dir, const char* routes) {
    destroyRouter();
    if (routes == nullptr) return;
    dir.write("modem.ini", routes);
    router = new TKopCls();
}

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
    // Puts the link in the state: a new router read from its routes, or none.
    // Timers and the clock stay as they are.
    void setLinkState(const SLinkState& state) {
        replaceRouter(dir, state.routes);
        if (router != nullptr) peer.setWorkstationPort(udpBoundPort());
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
