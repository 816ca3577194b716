#pragma once

#include <cstdint>
#include <vector>

// Base of every message consumer. A receiver takes the messages of one type
// whose key (source address, or destination for local routes) and code pass
// its filters; an empty filter list accepts everything. Receivers form one
// list, newest first; the derived class switches `active` on when ready.
class TMessageReceiver {
public:
    explicit TMessageReceiver(uint8_t type);
    virtual ~TMessageReceiver();

    TMessageReceiver(const TMessageReceiver&) = delete;
    TMessageReceiver& operator=(const TMessageReceiver&) = delete;

    virtual void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                           int length) = 0;

    int addKeyFilter(uint16_t key);
    int clearKeyFilters();
    int addCodeFilter(uint8_t code);
    int removeCodeFilter(uint8_t code);
    int clearCodeFilters();

    uint8_t messageType() const { return type_; }
    bool accepts(uint8_t type, uint16_t key, uint8_t code) const;

    int active = 0;

protected:
    uint8_t type_;

private:
    // Front of each list is index 0 (newest filter first).
    std::vector<uint16_t> keys_;
    std::vector<uint8_t> codes_;
};

// Hands the message to every matching active receiver, newest first; returns
// how many were called. Safe against receivers created, destroyed or
// refiltered by handlers and against dispatches nested from modal loops.
int dispatchMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload, int length);

// Number of live receivers (for tests and diagnostics).
int messageReceiverCount();
