#pragma once

// What the speed figures share: medians, the printed line, frames as the
// exchange sends them, loopback senders and processor time.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <thread>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

constexpr uint16_t kOwnAddress = 28673;
constexpr uint16_t kExchangeAddress = 16408;
constexpr uint8_t kTypeOperatorLine = 136;
constexpr uint8_t kCodeOperatorLine = 255;

inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t at = std::min(values.size() - 1, size_t(share * double(values.size())));
    return values[at];
}

inline void printFigure(const char* name, double program, double baseline, const char* unit) {
    std::printf("%-56s program %10.1f  baseline %10.1f %-9s ratio %.2f\n", name, program, baseline,
                unit, baseline != 0 ? program / baseline : 0.0);
    std::fflush(stdout);
}

// A frame from the exchange to this workstation.
inline std::vector<uint8_t> exchangeFrame(uint8_t type, uint8_t code, const void* payload,
                                          int length) {
    std::vector<uint8_t> frame(11 + length);
    const int field = length + 9;
    frame[0] = uint8_t(field);
    frame[1] = uint8_t(field >> 8);
    frame[2] = type;
    frame[3] = uint8_t(kOwnAddress);
    frame[4] = uint8_t(kOwnAddress >> 8);
    frame[5] = uint8_t(kExchangeAddress);
    frame[6] = uint8_t(kExchangeAddress >> 8);
    frame[10] = code;
    const auto* bytes = static_cast<const uint8_t*>(payload);
    std::copy(bytes, bytes + length, frame.begin() + 11);
    return frame;
}

// An operator text line as the exchange sends it: "<marker> line <n>".
inline std::vector<uint8_t> operatorLine(const char* marker, int n) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%s line %d of the load", marker, n) + 1;
    return exchangeFrame(kTypeOperatorLine, kCodeOperatorLine, text, length);
}

inline sockaddr_in loopback(uint16_t port) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return to;
}

// Sends `count` frames made by `make(i)` to the port at `perSecond`
// (0: back to back), paced per millisecond.
template <class Make>
void sendFrames(uint16_t port, int count, int perSecond, Make make, std::atomic<bool>* done) {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in to = loopback(port);
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        if (perSecond > 0 && i % std::max(1, perSecond / 1000) == 0)
            std::this_thread::sleep_until(start +
                                          std::chrono::microseconds(1000000LL * i / perSecond));
        const std::vector<uint8_t> frame = make(i);
        ::sendto(s, frame.data(), frame.size(), 0, reinterpret_cast<const sockaddr*>(&to),
                 sizeof to);
    }
    ::close(s);
    if (done) done->store(true);
}

// Processor milliseconds of the calling thread (senders run on their own).
inline double threadCpuMs() {
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

inline double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace bench
