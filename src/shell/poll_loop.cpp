#include "shell/poll_loop.h"

#include "link/kop_card.h"
#include "link/router.h"
#include "link/timer_pool.h"

int32_t lastPollTime = 0;

namespace {
int32_t sinceLastPoll(int32_t now) {
    return static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(lastPollTime));
}
}  // namespace

bool pollIsDue(int32_t now) {
    return sinceLastPoll(now) > kPollPeriodMs;
}

int32_t pollDueInMs(int32_t now) {
    const int32_t since = sinceLastPoll(now);
    if (since > kPollPeriodMs) return 1;
    // A clock that seems to run backwards waits one whole period.
    if (since < 0) return kPollPeriodMs + 1;
    return kPollPeriodMs + 1 - since;
}

bool pollServices(bool fromUdp) {
    kopPoll();
    const int frames = routerReceiveMessages(fromUdp);
    tickTimers();
    lastPollTime = programClock();
    return frames > 0;
}

bool pollLeftFramesWaiting() {
    return routerFramesLeft();
}

bool pollIfDue() {
    if (!pollIsDue(programClock())) return false;
    pollServices();
    return true;
}
