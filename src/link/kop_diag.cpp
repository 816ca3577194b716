#include "link/kop_diag.h"

#include <cstring>

#include "link/kop_card.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "platform/kop_device.h"
#include "platform/speaker.h"
#include "utils/files.h"
#include "utils/message_box.h"

KKopDiag* kopDiag = nullptr;

namespace {

constexpr int32_t kReadyWaitMs = 10000;
constexpr int kReadyAnswerBytes = 9;
constexpr uint32_t kProbePeriodMs = 1000;
constexpr int32_t kMaxMissedProbes = 4;
constexpr int32_t kFailureBeepHz = 1200;
constexpr int32_t kFailureBeepMs = 200;

constexpr uint8_t kCodeSize = 1;
constexpr uint8_t kCodeData = 2;
constexpr uint8_t kCodeEnd = 3;
constexpr uint8_t kCodeStart = 4;
constexpr uint8_t kCodeRun = 65;
constexpr uint8_t kAnswerBit = 0x80;
constexpr uint8_t kSizeAccepted = 2;

bool requestWithByte(uint32_t request) {
    const uint8_t one = 1;
    return kopControl(request, &one, 1, nullptr, 0) == 1;
}

bool waitUntilReady() {
    const int32_t start = programClock();
    for (;;) {
        uint8_t answer[kReadyAnswerBytes] = {};
        if (kopControl(kKopRequestReady, nullptr, 0, answer, kReadyAnswerBytes) != 1) return false;
        if (answer[0] != 0) return true;
        if (programClock() - start >= kReadyWaitMs) return false;
        platform::kopDevice().waitBeforeRetry();
    }
}

bool writeLoaderFrame(uint8_t type, uint8_t code, const uint8_t* payload, int length) {
    uint8_t block[kKopBlockBytes];
    const int used = buildKopFrame(block, type, code, length, payload);
    return used > 0 && kopWrite(block, used) == 1;
}

// Reads the card's answer block and checks its first frame: type 137, the
// request's code with bit 7 set, and at least `payloadBytes` of payload
// within the bytes read (copied to `payload`).
bool readLoaderAnswer(uint8_t requestCode, uint8_t* payload, int payloadBytes) {
    uint8_t block[kKopBlockBytes];
    int n = 0;
    if (kopRead(block, &n) != 1) return false;
    SBusFrame answer;
    if (!parseBusFrame(block, n, answer)) return false;
    if (answer.type != kTypeKopLoader || answer.code != (requestCode | kAnswerBit)) return false;
    if (answer.payloadLength < payloadBytes) return false;
    if (payloadBytes > 0) std::memcpy(payload, answer.payload, static_cast<size_t>(payloadBytes));
    return true;
}

}  // namespace

int kopLoadFirmware(const uint8_t* image, uint32_t size) {
    if (!kopIsOpen()) return -1;
    if (size > kMaxKopProgram || (image == nullptr && size > 0)) return -1;
    if (!requestWithByte(kKopRequestLoad)) return -1;
    if (!waitUntilReady()) return -1;

    const uint8_t sizeBytes[3] = {uint8_t(size), uint8_t(size >> 8), uint8_t(size >> 16)};
    uint8_t status = 0;
    if (!writeLoaderFrame(kTypeKopLoader, kCodeSize, sizeBytes, sizeof sizeBytes) ||
        !readLoaderAnswer(kCodeSize, &status, 1) || status != kSizeAccepted)
        return -1;

    uint16_t sum = 0;
    for (uint32_t at = 0; at < size; at += kKopDataChunk) {
        const uint32_t chunk = size - at < kKopDataChunk ? size - at : kKopDataChunk;
        for (uint32_t i = 0; i < chunk; ++i) sum = static_cast<uint16_t>(sum + image[at + i]);
        if (!writeLoaderFrame(kTypeKopLoader, kCodeData, image + at, static_cast<int>(chunk)))
            return -1;
    }

    uint8_t endAnswer[3] = {};  // a status byte, then the card's word sum
    if (!writeLoaderFrame(kTypeKopLoader, kCodeEnd, nullptr, 0) ||
        !readLoaderAnswer(kCodeEnd, endAnswer, sizeof endAnswer) ||
        uint16_t(endAnswer[1] | endAnswer[2] << 8) != sum)
        return -1;

    if (!writeLoaderFrame(kTypeKopLoader, kCodeStart, nullptr, 0) ||
        !readLoaderAnswer(kCodeStart, nullptr, 0))
        return -1;

    const uint8_t run[3] = {0x01, 0x01, 0x00};
    if (!writeLoaderFrame(kTypeKopRun, kCodeRun, run, sizeof run)) return -1;
    return requestWithByte(kKopRequestRelease) ? 0 : -1;
}

int TKopCls::loadKopFirmware() {
    char* image = nullptr;
    int32_t size = 0;
    if (readWholeFile(&image, ".\\kopcar.prg", &size) != 0) {
        showError(textById(25925));
        return -1;
    }
    const int rc =
        kopLoadFirmware(reinterpret_cast<const uint8_t*>(image), static_cast<uint32_t>(size));
    heapFree(&image);
    if (rc != 0) {
        showError(textById(25926));
        return -1;
    }
    return 0;
}

KKopDiag::KKopDiag() : TMessageReceiver(kTypeKopProbe) {
    if (!kopIsOpen()) return;
    addKeyFilter(kCardAddress);
    addCodeFilter(kCodeKopProbe);
    active = 1;
    missed = 0;
    setTimer(this, 1);  // the first probe goes out at the next poll
}

void KKopDiag::onMessage(uint8_t, uint16_t, uint8_t, const uint8_t*, int) {
    missed = 0;
}

void KKopDiag::onTimer(const STimerEvent*) {
    if (missed > kMaxMissedProbes) {
        postTextLine(kLineLocal, textById(25927), kTypeOperator);
        platform::speaker().tone(kFailureBeepHz, kFailureBeepMs);
        if (router) router->loadKopFirmware();
        missed = 0;
    }
    if (router) router->sendMessage(kTypeKopProbe, kCardAddress, kCodeKopProbe, nullptr, 0);
    ++missed;
    setTimer(this, kProbePeriodMs);
}

void createKopDiag() {
    if (kopDiag == nullptr) kopDiag = new KKopDiag();
}

void destroyKopDiag() {
    if (kopDiag == nullptr) return;
    killTimers(kopDiag);
    delete kopDiag;
    kopDiag = nullptr;
}
