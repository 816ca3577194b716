#include "platform/tick.h"

#include <time.h>

namespace platform {

uint32_t SystemTickSource::milliseconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u +
                                 static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

namespace {
SystemTickSource systemSource;
ITickSource* currentSource = &systemSource;
}  // namespace

ITickSource& tickSource() { return *currentSource; }

void setTickSource(ITickSource* source) { currentSource = source ? source : &systemSource; }

}  // namespace platform
