#include "shell/poll_loop.h"

#include "link/kop_card.h"
#include "link/router.h"
#include "link/timer_pool.h"

int32_t lastPollTime = 0;

bool pollIsDue(int32_t now) {
    const int32_t since =
        static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(lastPollTime));
    return since > kPollPeriodMs;
}

bool pollServices() {
    kopPoll();
    const int frames = routerReceiveMessages();
    tickTimers();
    lastPollTime = programClock();
    return frames > 0;
}

bool pollIfDue() {
    if (!pollIsDue(programClock())) return false;
    pollServices();
    return true;
}
