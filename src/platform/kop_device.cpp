#include "platform/kop_device.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "platform/tick.h"

namespace platform {

bool LinuxKopDevice::open() {
    if (fd_ >= 0) return true;
    const int fd = ::open(path_, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    // No sharing: a second program must not drive the same card.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void LinuxKopDevice::close() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
}

bool LinuxKopDevice::write(const uint8_t* data, int bytes) {
    if (fd_ < 0 || bytes < 0) return false;
    return ::write(fd_, data, static_cast<size_t>(bytes)) == bytes;
}

int LinuxKopDevice::read(uint8_t* data, int size) {
    if (fd_ < 0 || size < 0) return -1;
    const ssize_t n = ::read(fd_, data, static_cast<size_t>(size));
    return n < 0 ? -1 : static_cast<int>(n);
}

bool LinuxKopDevice::control(uint32_t request, const uint8_t* in, int inBytes, uint8_t* out,
                             int outBytes) {
    if (fd_ < 0 || inBytes < 0 || outBytes < 0) return false;
    std::vector<uint8_t> buffer(static_cast<size_t>(std::max(inBytes, outBytes)) + 1, 0);
    if (inBytes > 0) std::memcpy(buffer.data(), in, static_cast<size_t>(inBytes));
    if (::ioctl(fd_, request, buffer.data()) < 0) return false;
    if (outBytes > 0) std::memcpy(out, buffer.data(), static_cast<size_t>(outBytes));
    return true;
}

void LinuxKopDevice::waitBeforeRetry() {
    const timespec pause{0, 1000000};  // 1 ms: retries do not spin the processor
    nanosleep(&pause, nullptr);
}

bool FakeKopCard::open() {
    if (!present || isOpen) return false;
    isOpen = true;
    ++opens;
    return true;
}

void FakeKopCard::close() {
    isOpen = false;
}

std::vector<uint8_t> FakeKopCard::frame(uint8_t type, uint16_t destination, uint16_t source,
                                        uint8_t code, const std::vector<uint8_t>& payload) {
    const size_t length = payload.size() + 9;
    std::vector<uint8_t> f = {uint8_t(length),
                              uint8_t(length >> 8),
                              type,
                              uint8_t(destination),
                              uint8_t(destination >> 8),
                              uint8_t(source),
                              uint8_t(source >> 8),
                              0,
                              0,
                              0,
                              code};
    f.insert(f.end(), payload.begin(), payload.end());
    return f;
}

std::vector<uint8_t> FakeKopCard::block(const std::vector<std::vector<uint8_t>>& frames,
                                        int blockSize) {
    std::vector<uint8_t> b;
    for (const auto& f : frames) {
        b.insert(b.end(), f.begin(), f.end());
        b.push_back(0x55);
    }
    b.push_back(0);
    b.push_back(0);
    if (blockSize > static_cast<int>(b.size())) b.resize(static_cast<size_t>(blockSize), 0);
    return b;
}

bool FakeKopCard::write(const uint8_t* data, int bytes) {
    if (!isOpen || bytes < 0) return false;
    if (failWrites > 0) {
        --failWrites;
        return false;
    }
    written.emplace_back(data, data + bytes);
    // Walk the entries the card would take from the block.
    const std::vector<uint8_t> b = written.back();
    size_t pos = 0;
    while (pos + 2 <= b.size()) {
        const size_t length = size_t(b[pos] | b[pos + 1] << 8);
        if (length == 0 || pos + length + 3 > b.size() || length < 9) break;
        Frame f;
        f.bytes.assign(b.begin() + std::ptrdiff_t(pos),
                       b.begin() + std::ptrdiff_t(pos + length + 2));
        f.type = b[pos + 2];
        f.destination = uint16_t(b[pos + 3] | b[pos + 4] << 8);
        f.source = uint16_t(b[pos + 5] | b[pos + 6] << 8);
        f.code = b[pos + 10];
        f.payload.assign(f.bytes.begin() + 11, f.bytes.end());
        frames.push_back(f);
        takeFrame(frames.back());
        pos += length + 3;
    }
    return true;
}

void FakeKopCard::takeFrame(const Frame& f) {
    if (actAsLoader && f.type == 137) {
        switch (f.code) {
            case 1:
                dataSum = 0;
                loaded.clear();
                blocksToRead.push_back(block({frame(137, f.source, 0, 0x81, {sizeStatus})}));
                break;
            case 2:
                for (uint8_t byte : f.payload) dataSum = uint16_t(dataSum + byte);
                loaded.insert(loaded.end(), f.payload.begin(), f.payload.end());
                break;
            case 3: {
                const uint16_t sum = uint16_t(dataSum + sumDelta);
                blocksToRead.push_back(
                    block({frame(137, f.source, 0, 0x83, {0, uint8_t(sum), uint8_t(sum >> 8)})}));
                break;
            }
            case 4:
                blocksToRead.push_back(block({frame(137, f.source, 0, 0x84, {})}));
                break;
            default:
                break;
        }
    }
    if (answerProbes && f.type == 141 && f.code == 35 && f.destination == 1)
        blocksToRead.push_back(block({frame(141, f.source, 1, 35, {})}));
    const Frame copy = f;  // the hook may add frames and move the list
    if (onFrame) onFrame(copy, *this);
}

int FakeKopCard::read(uint8_t* data, int size) {
    ++reads;
    if (!isOpen) return -1;
    if (failReads > 0) {
        --failReads;
        return -1;
    }
    if (blocksToRead.empty() || size < 0) return -1;
    const std::vector<uint8_t> b = blocksToRead.front();
    blocksToRead.pop_front();
    const size_t n = std::min(b.size(), static_cast<size_t>(size));
    if (n > 0) std::memcpy(data, b.data(), n);
    return static_cast<int>(n);
}

bool FakeKopCard::control(uint32_t request, const uint8_t* in, int inBytes, uint8_t* out,
                          int outBytes) {
    if (!isOpen) return false;
    requests.push_back({request, std::vector<uint8_t>(in, in + (inBytes > 0 ? inBytes : 0))});
    if (request == refusedRequest) return false;
    if (outBytes > 0) {
        std::memset(out, 0, static_cast<size_t>(outBytes));
        if (readiness.empty()) {
            out[0] = readyWhenEmpty;
        } else {
            out[0] = readiness.front();
            readiness.pop_front();
        }
    }
    return true;
}

void FakeKopCard::waitBeforeRetry() {
    ++retryWaits;
    if (clock) clock->advance(retryStepMs);
}

namespace {
LinuxKopDevice linuxDevice;
IKopDevice* currentDevice = &linuxDevice;
}  // namespace

IKopDevice& kopDevice() {
    return *currentDevice;
}

void setKopDevice(IKopDevice* device) {
    currentDevice = device ? device : &linuxDevice;
}

}  // namespace platform
