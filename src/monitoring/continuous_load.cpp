#include "monitoring/continuous_load.h"

#include "link/router.h"
#include "texts/text_catalogue.h"
#include "sub/replication_control.h"
#include "utils/message_box.h"

KStalno* continuousCpLoad = nullptr;
KStalno* continuousArLoad = nullptr;
KStalno* continuousCallStore = nullptr;

namespace {

constexpr uint16_t kManagementProcessor = 16408;

void toggle(KStalno*& running, uint8_t code) {
    if (running != nullptr) {
        delete running;  // its timer goes with it
        running = nullptr;
        return;
    }
    running = new KStalno(code);
    setTimer(running, kContinuousPeriodMs);
}

}  // namespace

KStalno::KStalno(uint8_t requestCode) : code(requestCode) {}

void KStalno::onTimer(const STimerEvent*) {
    ++count;
    if (count > kContinuousRequestLimit) return;
    if (router) router->sendMessage(kTypeLoadMeasurement, kManagementProcessor, code, nullptr, 0);
    setTimer(this, kContinuousPeriodMs);
}

void toggleContinuousCpLoad() {
    toggle(continuousCpLoad, kCodeCpLoad);
}
void toggleContinuousArLoad() {
    toggle(continuousArLoad, kCodeArLoad);
}
void toggleContinuousCallStore() {
    toggle(continuousCallStore, kCodeCallStore);
}
