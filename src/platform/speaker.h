#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// The PC speaker: a tone of a frequency (Hz) for a duration (ms) without
// blocking; a duration of -1 plays until the next call, 0 stops the tone.
class ISpeaker {
public:
    virtual ~ISpeaker() = default;
    virtual void tone(int32_t frequency, int32_t duration) = 0;
};

// The console's tone ioctl where the process may use it, else the display's bell.
class SystemSpeaker : public ISpeaker {
public:
    void tone(int32_t frequency, int32_t duration) override;
};

// Test double: records every tone.
class RecordingSpeaker : public ISpeaker {
public:
    struct Tone {
        int32_t frequency;
        int32_t duration;
        bool operator==(const Tone& o) const {
            return frequency == o.frequency && duration == o.duration;
        }
    };
    void tone(int32_t frequency, int32_t duration) override {
        tones.push_back({frequency, duration});
    }
    std::vector<Tone> tones;
};

// The speaker in use: the system speaker unless a test installed another.
ISpeaker& speaker();
// Installs a speaker; null restores the system speaker. The caller keeps ownership.
void setSpeaker(ISpeaker* speaker);

}  // namespace platform
