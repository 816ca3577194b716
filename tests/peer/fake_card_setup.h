#pragma once

#include "link/kop_card.h"
#include "link/timer_pool.h"
#include "platform/kop_device.h"
#include "platform/tick.h"

// Installs a scripted card and a test clock (which the card's retry pauses
// advance) for the life of the object; the card driver is closed at the end.
struct ScopedFakeCard {
    ScopedFakeCard() {
        platform::setTickSource(&clock);
        resetProgramClock();
        initTimers();
        card.clock = &clock;
        platform::setKopDevice(&card);
    }
    ~ScopedFakeCard() {
        kopClose();
        platform::setKopDevice(nullptr);
        platform::setTickSource(nullptr);
    }
    ScopedFakeCard(const ScopedFakeCard&) = delete;
    ScopedFakeCard& operator=(const ScopedFakeCard&) = delete;

    platform::TestTickSource clock;
    platform::FakeKopCard card;
};
