#include "link/timer_pool.h"

#include <cstring>

namespace {

struct Batch;

struct STimerNode {
    TTimerReceiver* receiver = nullptr;
    int32_t id = 0;
    uint8_t data[8] = {};
    int32_t armed = 0;
    uint32_t delta = 0;
    STimerNode* previous = nullptr;
    STimerNode* next = nullptr;
    Batch* batch = nullptr;  // the tick delivering it, or null while on the due list
};

// The timers of one tick that fell due, detached from the due list and not
// yet delivered. Nested ticks stack their batches so a cancellation finds
// the batch its timer waits in.
struct Batch {
    STimerNode* head = nullptr;
    Batch* outer = nullptr;
};

STimerNode timerPool[kTimerPoolSize];
STimerNode* activeTimers = nullptr;
STimerNode* freeTimers = nullptr;
int32_t timerTickBase = 0;
Batch* runningBatches = nullptr;
bool timersInitialised = false;

void ensureInitialised() {
    if (!timersInitialised) initTimers();
}

void pushFree(STimerNode* node) {
    node->armed = 0;
    node->receiver = nullptr;
    node->previous = nullptr;
    node->batch = nullptr;
    node->next = freeTimers;
    freeTimers = node;
}

void unlinkFromDueList(STimerNode* node) {
    if (node->next) {
        node->next->delta += node->delta;
        node->next->previous = node->previous;
    }
    if (node->previous)
        node->previous->next = node->next;
    else
        activeTimers = node->next;
}

void unlinkFromBatch(STimerNode* node) {
    Batch* b = node->batch;
    if (node->next) node->next->previous = node->previous;
    if (node->previous)
        node->previous->next = node->next;
    else
        b->head = node->next;
}

void cancel(STimerNode* node) {
    if (node->batch)
        unlinkFromBatch(node);
    else
        unlinkFromDueList(node);
    pushFree(node);
}

}  // namespace

TTimerReceiver::~TTimerReceiver() {
    killTimers(this);
}

void initTimers() {
    freeTimers = nullptr;
    activeTimers = nullptr;
    for (int i = 0; i < kTimerPoolSize; ++i) {
        timerPool[i].id = i;
        timerPool[i].delta = 0;
        pushFree(&timerPool[i]);
    }
    // Batches of ticks still running refer to nodes that were just freed.
    for (Batch* b = runningBatches; b; b = b->outer) b->head = nullptr;
    timerTickBase = programClock();
    timersInitialised = true;
    // Time spent setting the local clock does not count towards armed timers.
    setClockSetListener([](int32_t before, int32_t after) { shiftTimerBase(before, after); });
}

int setTimer(TTimerReceiver* receiver, uint32_t delay, const STimerEvent* event) {
    ensureInitialised();
    if (freeTimers == nullptr) return -1;
    uint32_t remaining = delay + static_cast<uint32_t>(programClock() - timerTickBase);
    STimerNode* previous = nullptr;
    STimerNode* at = activeTimers;
    while (at && at->delta < remaining) {
        remaining -= at->delta;
        previous = at;
        at = at->next;
    }
    STimerNode* node = freeTimers;
    freeTimers = node->next;
    node->receiver = receiver;
    if (event)
        std::memcpy(node->data, event->data, sizeof node->data);
    else
        std::memset(node->data, 0, sizeof node->data);
    node->armed = 1;
    node->batch = nullptr;
    node->delta = remaining;
    node->previous = previous;
    node->next = at;
    if (previous)
        previous->next = node;
    else
        activeTimers = node;
    if (at) {
        at->previous = node;
        at->delta -= remaining;
    }
    return node->id;
}

int killTimer(TTimerReceiver* receiver, int id) {
    if (id < 0 || id >= kTimerPoolSize) return -1;
    STimerNode* node = &timerPool[id];
    if (!node->armed || node->receiver != receiver) return -1;
    cancel(node);
    return 0;
}

void killTimers(TTimerReceiver* receiver) {
    for (STimerNode* node = activeTimers; node;) {
        STimerNode* next = node->next;
        if (node->receiver == receiver) cancel(node);
        node = next;
    }
    for (Batch* b = runningBatches; b; b = b->outer) {
        for (STimerNode* node = b->head; node;) {
            STimerNode* next = node->next;
            if (node->receiver == receiver) cancel(node);
            node = next;
        }
    }
}

int tickTimers() {
    ensureInitialised();
    const int32_t now = programClock();
    const int32_t signedElapsed =
        static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(timerTickBase));
    if (signedElapsed < 0) return 0;
    timerTickBase = now;
    uint32_t elapsed = static_cast<uint32_t>(signedElapsed);

    Batch batch;
    STimerNode* node = activeTimers;
    STimerNode* lastDue = nullptr;
    while (node && elapsed >= node->delta) {
        elapsed -= node->delta;
        node->batch = &batch;
        lastDue = node;
        node = node->next;
    }
    if (lastDue == nullptr) {
        if (node) node->delta -= elapsed;
        return 0;
    }
    batch.head = activeTimers;
    lastDue->next = nullptr;
    activeTimers = node;
    if (node) {
        node->delta -= elapsed;
        node->previous = nullptr;
    }

    batch.outer = runningBatches;
    runningBatches = &batch;
    int fired = 0;
    // Take the head afresh each round: handlers may cancel later timers of
    // this batch, arm new ones or run a nested tick.
    while (batch.head) {
        STimerNode* due = batch.head;
        batch.head = due->next;
        if (batch.head) batch.head->previous = nullptr;
        STimerEvent event;
        event.timerId = due->id;
        std::memcpy(event.data, due->data, sizeof event.data);
        TTimerReceiver* receiver = due->receiver;
        pushFree(due);
        receiver->onTimer(&event);
        ++fired;
    }
    runningBatches = batch.outer;
    return fired;
}

int32_t shiftTimerBase(int32_t before, int32_t after) {
    const int32_t shift =
        static_cast<int32_t>(static_cast<uint32_t>(after) - static_cast<uint32_t>(before));
    timerTickBase =
        static_cast<int32_t>(static_cast<uint32_t>(timerTickBase) + static_cast<uint32_t>(shift));
    return shift;
}

int armedTimerCount() {
    int n = 0;
    for (const STimerNode& node : timerPool) n += node.armed ? 1 : 0;
    return n;
}

int dueListDeltas(uint32_t* out, int max) {
    int n = 0;
    for (STimerNode* node = activeTimers; node && n < max; node = node->next)
        out[n++] = node->delta;
    return n;
}
