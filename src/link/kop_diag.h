#pragma once

#include <cstdint>

#include "link/message_bus.h"
#include "link/timer_pool.h"

// Device-control requests of a firmware load: start loading (one byte 1),
// ask whether the card is ready (nine bytes back, the first non-zero when
// ready) and release the card to run its program (one byte 1).
constexpr uint32_t kKopRequestLoad = 0xCF112004;
constexpr uint32_t kKopRequestReady = 0xCF112020;
constexpr uint32_t kKopRequestRelease = 0xCF112008;

// Loader frames (type 137: size, data, end, start; type 138: run) and the
// card probe (type 141, code 35, to the card at address 1).
constexpr uint8_t kTypeKopLoader = 137;
constexpr uint8_t kTypeKopRun = 138;
constexpr uint8_t kTypeKopProbe = 141;
constexpr uint8_t kCodeKopProbe = 35;
constexpr int kKopDataChunk = 1000;
constexpr uint32_t kMaxKopProgram = 0xFFFFFF;  // the size frame carries 24 bits

// Loads and starts the card's program: 0 when the card took and started it,
// -1 when the card is not open, a request, write or read failed, an answer is
// wrong or short, or the program is larger than the size frame can carry.
int kopLoadFirmware(const uint8_t* image, uint32_t size);

// The card watchdog: probes the card once a second and, after five probes
// without an answer, tells the operator, beeps and reloads the program.
// Inactive (and never ticking) when the card is not open.
class KKopDiag : public TMessageReceiver, public TTimerReceiver {
public:
    KKopDiag();
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
    void onTimer(const STimerEvent* event) override;

    int32_t missed = 0;  // probes sent since the last answer
};

extern KKopDiag* kopDiag;

void createKopDiag();
void destroyKopDiag();
