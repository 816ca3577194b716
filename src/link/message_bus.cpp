#include "link/message_bus.h"

#include <algorithm>
#include <new>

namespace {

// Receivers in order of construction (oldest first); the newest is the last
// slot. A receiver destroyed during a dispatch leaves a null slot that the
// outermost dispatch removes when it ends, so indices held by running
// dispatches stay valid.
std::vector<TMessageReceiver*>& receivers() {
    static std::vector<TMessageReceiver*> list;
    return list;
}
int dispatchDepth = 0;

void compactReceivers() {
    auto& list = receivers();
    list.erase(std::remove(list.begin(), list.end(), nullptr), list.end());
}

}  // namespace

TMessageReceiver::TMessageReceiver(uint8_t type) : type_(type) { receivers().push_back(this); }

TMessageReceiver::~TMessageReceiver() {
    auto& list = receivers();
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    if (dispatchDepth > 0)
        *it = nullptr;
    else
        list.erase(it);
}

int TMessageReceiver::addKeyFilter(uint16_t key) {
    try {
        keys_.insert(keys_.begin(), key);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    return 0;
}

int TMessageReceiver::clearKeyFilters() {
    keys_.clear();
    return 0;
}

int TMessageReceiver::addCodeFilter(uint8_t code) {
    try {
        codes_.insert(codes_.begin(), code);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    return 0;
}

int TMessageReceiver::removeCodeFilter(uint8_t code) {
    auto it = std::find(codes_.begin(), codes_.end(), code);
    if (it == codes_.end()) return -1;
    codes_.erase(it);
    return 0;
}

int TMessageReceiver::clearCodeFilters() {
    codes_.clear();
    return 0;
}

bool TMessageReceiver::accepts(uint8_t type, uint16_t key, uint8_t code) const {
    if (!active || type != type_) return false;
    if (!keys_.empty() && std::find(keys_.begin(), keys_.end(), key) == keys_.end()) return false;
    if (!codes_.empty() && std::find(codes_.begin(), codes_.end(), code) == codes_.end())
        return false;
    return true;
}

int dispatchMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload, int length) {
    int count = 0;
    ++dispatchDepth;
    // Receivers constructed during the walk land beyond the starting size and
    // wait for the next message; the slot is read afresh on every step.
    for (size_t i = receivers().size(); i-- > 0;) {
        TMessageReceiver* r = receivers()[i];
        if (r == nullptr || !r->accepts(type, key, code)) continue;
        r->onMessage(type, key, code, payload, length);
        ++count;
    }
    if (--dispatchDepth == 0) compactReceivers();
    return count;
}

int messageReceiverCount() {
    const auto& list = receivers();
    return static_cast<int>(std::count_if(list.begin(), list.end(),
                                          [](const TMessageReceiver* r) { return r != nullptr; }));
}
