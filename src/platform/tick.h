#pragma once

#include <cstdint>

namespace platform {

// Source of the millisecond tick counter that the program clock and every
// timer run on. The system source reads CLOCK_MONOTONIC; tests install a
// TestTickSource and advance it by hand.
class ITickSource {
public:
    virtual ~ITickSource() = default;
    virtual uint32_t milliseconds() = 0;
};

class SystemTickSource : public ITickSource {
public:
    uint32_t milliseconds() override;
};

class TestTickSource : public ITickSource {
public:
    explicit TestTickSource(uint32_t start = 1000) : now_(start) {}
    uint32_t milliseconds() override { return now_; }
    void advance(uint32_t ms) { now_ += ms; }
    void set(uint32_t ms) { now_ = ms; }

private:
    uint32_t now_;
};

// The tick source in use; the system source unless a test installed another.
ITickSource& tickSource();
// Installs a source; null restores the system source. The caller keeps ownership.
void setTickSource(ITickSource* source);

}  // namespace platform
