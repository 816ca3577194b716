#pragma once

#include <cstdint>

// Program clock at the end of the last poll.
extern int32_t lastPollTime;

constexpr int32_t kPollPeriodMs = 30;

// True when more than 30 ms have passed since the last poll ended.
bool pollIsDue(int32_t now);
// Milliseconds from `now` until a poll is due: 1 when it is due already,
// 31 right after a poll.
int32_t pollDueInMs(int32_t now);
// One poll step: the communications card, the router (every waiting frame,
// within its time budget), then the timer pool; lastPollTime is read after
// the work. Returns whether a frame was taken off the link. fromUdp false
// leaves the UDP socket alone: when the event loop watches it, a waiting
// frame starts a poll of its own at once, and a poll on the timer would
// only find it empty.
bool pollServices(bool fromUdp = true);
// Whether the last poll ended on the router's budget with frames still waiting.
bool pollLeftFramesWaiting();
// Runs pollServices when a poll is due; returns whether it ran.
bool pollIfDue();
