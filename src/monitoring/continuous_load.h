#pragma once

#include <cstdint>

#include "link/timer_pool.h"

// Repeats one measurement request of the management processor once a second,
// at most 3600 times; after the last one it stays silent until deleted.
class KStalno : public TTimerReceiver {
public:
    explicit KStalno(uint8_t requestCode);
    void onTimer(const STimerEvent* event) override;

    int32_t count = 0;
    uint8_t code = 0;
};

constexpr uint8_t kTypeLoadMeasurement = 139;
constexpr uint8_t kCodeCpLoad = 153;
constexpr uint8_t kCodeArLoad = 156;
constexpr uint8_t kCodeCallStore = 185;
constexpr uint32_t kContinuousPeriodMs = 1000;
constexpr int32_t kContinuousRequestLimit = 3600;

// The running repeater of each command, or null.
extern KStalno* continuousCpLoad;
extern KStalno* continuousArLoad;
extern KStalno* continuousCallStore;

// Switch the repetition of the CP load, AR load and call-control request on
// or off: a running repeater is deleted, else one is started whose first
// request goes out a second later.
void toggleContinuousCpLoad();
void toggleContinuousArLoad();
void toggleContinuousCallStore();
