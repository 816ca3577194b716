#include "platform/speaker.h"

#include <fcntl.h>
#include <linux/kd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <fox-1.6/fx.h>

namespace platform {

namespace {

constexpr int32_t kToneClock = 1193180;  // the speaker timer's input clock, Hz

// The console's tone request; false when there is no console we may use.
bool consoleTone(int32_t frequency, int32_t duration) {
    const int fd = ::open("/dev/console", O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const int32_t period = frequency > 0 ? kToneClock / frequency : 0;
    bool ok = false;
    if (duration < 0)
        ok = ::ioctl(fd, KIOCSOUND, period) == 0;
    else if (duration == 0)
        ok = ::ioctl(fd, KIOCSOUND, 0) == 0;
    else
        ok =
            ::ioctl(fd, KDMKTONE, (static_cast<uint32_t>(duration) << 16) | (period & 0xFFFF)) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

void SystemSpeaker::tone(int32_t frequency, int32_t duration) {
    if (consoleTone(frequency, duration)) return;
    if (duration == 0) return;
    if (FX::FXApp* app = FX::FXApp::instance()) app->beep();
}

namespace {
SystemSpeaker systemSpeaker;
ISpeaker* currentSpeaker = &systemSpeaker;
}  // namespace

ISpeaker& speaker() {
    return *currentSpeaker;
}

void setSpeaker(ISpeaker* s) {
    currentSpeaker = s ? s : &systemSpeaker;
}

}  // namespace platform
