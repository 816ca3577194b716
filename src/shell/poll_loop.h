#pragma once

#include <cstdint>

// Program clock at the end of the last poll.
extern int32_t lastPollTime;

constexpr int32_t kPollPeriodMs = 30;

// True when more than 30 ms have passed since the last poll ended.
bool pollIsDue(int32_t now);
// One poll step: the communications card, the router (at most 20 frames),
// then the timer pool; lastPollTime is read after the work. Returns whether
// a frame was taken off the link.
bool pollServices();
// Runs pollServices when a poll is due; returns whether it ran.
bool pollIfDue();
