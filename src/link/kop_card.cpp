#include "link/kop_card.h"

#include <cstring>

#include "link/router.h"
#include "link/timer_pool.h"
#include "platform/kop_device.h"
#include "utils/bytes.h"

namespace {

constexpr int32_t kWriteRetryMs = 100;
constexpr int32_t kReadRetryMs = 100000;
constexpr int kEndMarkerBytes = 2;

// Driver state: static buffers only, the driver never allocates.
struct SKopState {
    bool open = false;
    uint8_t ring[kKopRingBlocks][kKopBlockBytes] = {};
    int filling = 0;  // block being filled
    int oldest = 0;   // oldest block not yet written
    int fill = 0;     // where the next entry starts; the end marker follows it
    uint8_t received[kKopBlockBytes] = {};
    int receivedBytes = 0;  // what the read returned: entries are parsed within it
    bool pending = false;
    int position = 0;
};

SKopState& kop() {
    static SKopState state;
    return state;
}

void putEndMarker(uint8_t* block, int at) {
    block[at] = 0;
    block[at + 1] = 0;
}

void resetRing(SKopState& s) {
    s.filling = s.oldest = s.fill = 0;
    putEndMarker(s.ring[0], 0);
    s.pending = false;
    s.position = s.receivedBytes = 0;
}

}  // namespace

int kopOpen() {
    SKopState& s = kop();
    if (s.open) return 0;
    if (!platform::kopDevice().open()) return -1;
    s.open = true;
    resetRing(s);
    return 0;
}

void kopClose() {
    SKopState& s = kop();
    if (!s.open) return;
    platform::kopDevice().close();
    s.open = false;
    s.pending = false;
}

bool kopIsOpen() {
    return kop().open;
}

void kopQueueFrame(const uint8_t* frame, int length) {
    SKopState& s = kop();
    if (!s.open || frame == nullptr || length <= 0) return;
    // A frame that cannot fit even an empty block is dropped.
    if (length + 1 + kEndMarkerBytes > kKopBlockBytes) return;
    if (s.fill + length + 1 + kEndMarkerBytes > kKopBlockBytes) {
        const int next = (s.filling + 1) % kKopRingBlocks;
        if (next == s.oldest) return;  // ring full
        putEndMarker(s.ring[s.filling], s.fill);
        s.filling = next;
        s.fill = 0;
    }
    uint8_t* block = s.ring[s.filling];
    std::memcpy(block + s.fill, frame, static_cast<size_t>(length));
    s.fill += length;
    block[s.fill++] = kKopEntryMarker;
    putEndMarker(block, s.fill);
}

int kopNextFrame(uint8_t* buffer, int max, uint32_t* length) {
    SKopState& s = kop();
    if (!s.open || !s.pending) return -1;
    ByteReader entry(s.received + s.position, static_cast<size_t>(s.receivedBytes - s.position));
    const int frameLength = entry.u16le();
    // The block ends at its end marker, at the end of the bytes read, at an
    // entry that runs past them or lacks its marker, and at a frame too large
    // for the caller's buffer.
    const bool usable = entry.ok() && frameLength != 0 && frameLength + 2 <= max &&
                        entry.skip(static_cast<size_t>(frameLength)) &&
                        entry.u8() == kKopEntryMarker && entry.ok();
    if (!usable) {
        s.pending = false;
        return -1;
    }
    const int frameBytes = frameLength + 2;
    std::memcpy(buffer, s.received + s.position, static_cast<size_t>(frameBytes));
    s.position += frameBytes + 1;
    if (length) *length = static_cast<uint32_t>(frameBytes);
    return 0;
}

void kopPoll() {
    SKopState& s = kop();
    if (!s.open) return;
    platform::IKopDevice& device = platform::kopDevice();
    if (!s.pending) {
        const int n = device.read(s.received, kKopBlockBytes);
        if (n >= 0) {
            s.receivedBytes = n > kKopBlockBytes ? kKopBlockBytes : n;
            s.position = 0;
            s.pending = true;
        }
    }
    const bool current = s.oldest == s.filling;
    const int bytes = current ? s.fill + kEndMarkerBytes : kKopBlockBytes;
    if (bytes == kEndMarkerBytes) return;                // nothing queued
    if (!device.write(s.ring[s.oldest], bytes)) return;  // written again next poll
    if (current) {
        s.fill = 0;
        putEndMarker(s.ring[s.filling], 0);
    } else {
        s.oldest = (s.oldest + 1) % kKopRingBlocks;
    }
}

int buildKopFrame(uint8_t* block, uint8_t type, uint8_t code, int length, const uint8_t* payload) {
    const int used = length + 14;
    if (length < 0 || used > kKopBlockBytes) return -1;
    ByteWriter w(block, kKopBlockBytes);
    w.u16le(static_cast<uint16_t>(length + 9));
    w.u8(type);
    w.u16le(0);
    w.u16le(ownAddress);
    w.zeros(3);
    w.u8(code);
    w.bytes(payload, static_cast<size_t>(length));
    w.u8(kKopEntryMarker);
    w.u16le(0);
    return w.ok() ? used : -1;
}

int kopWrite(const uint8_t* block, int bytes) {
    if (!kop().open) return 0;
    platform::IKopDevice& device = platform::kopDevice();
    const int32_t start = programClock();
    for (;;) {
        if (device.write(block, bytes)) return 1;
        if (programClock() - start >= kWriteRetryMs) return 0;
        device.waitBeforeRetry();
    }
}

int kopRead(uint8_t* block, int* bytes) {
    if (bytes) *bytes = 0;
    if (!kop().open) return 0;
    platform::IKopDevice& device = platform::kopDevice();
    const int32_t start = programClock();
    for (;;) {
        const int n = device.read(block, kKopBlockBytes);
        if (n >= 0) {
            if (bytes) *bytes = n > kKopBlockBytes ? kKopBlockBytes : n;
            return 1;
        }
        if (programClock() - start >= kReadRetryMs) return 0;
        device.waitBeforeRetry();
    }
}

int kopControl(uint32_t request, const uint8_t* in, int inBytes, uint8_t* out, int outBytes) {
    if (!kop().open) return 0;
    return platform::kopDevice().control(request, in, inBytes, out, outBytes) ? 1 : 0;
}

int kopFillingBlock() {
    return kop().filling;
}
int kopOldestBlock() {
    return kop().oldest;
}
int kopFillPosition() {
    return kop().fill;
}
