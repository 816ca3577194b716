#pragma once

#include <fstream>

#include "link/kop_card.h"
#include "link/router.h"
#include "peer/fake_card_setup.h"

// A gateway: its own address is local, every other goes to the card.
inline const char* const kGatewayIni =
    "[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=2\n"
    "[Usmeravanja\\Usmerenje1]\nUsmeravanje=Lokal\nDPC=28673\n"
    "[Usmeravanja\\Usmerenje2]\nUsmeravanje=KOP\nDPC=0\n";

// The router over a scripted card and a test clock, for one input.
class CardRouter {
public:
    CardRouter() : card(fake.card) {
        std::ofstream("modem.ini", std::ios::binary) << kGatewayIni;
        card.present = false;  // no program load at start-up
        createRouter();
        card.present = true;
        kopOpen();
    }
    ~CardRouter() {
        destroyRouter();
        ownAddress = kFirstWorkstationAddress;
    }
    CardRouter(const CardRouter&) = delete;
    CardRouter& operator=(const CardRouter&) = delete;

    ScopedFakeCard fake;
    platform::FakeKopCard& card;
};
