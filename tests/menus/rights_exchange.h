#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands/executor_helpers.h"
#include "link/router.h"
#include "menus/rights_protocol.h"
#include "peer/loopback_router.h"

inline Bytes int32Bytes(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    return {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
}
inline Bytes statusBytes(int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    return {uint8_t(u), uint8_t(u >> 8)};
}

// The router against the stand-in management processor: requests are read
// off the stand-in, answers delivered through the router.
class RightsExchange : protected LoopbackRouter {
protected:
    // The requests that arrived since the last call.
    std::vector<StandInExchange::Frame> requests() {
        peer.pump();
        std::vector<StandInExchange::Frame> fresh(peer.received.begin() + seen_,
                                                  peer.received.end());
        seen_ = peer.received.size();
        return fresh;
    }
    // Codes of the requests since the last call.
    std::vector<uint8_t> requestCodes() {
        std::vector<uint8_t> codes;
        for (const auto& f : requests()) codes.push_back(f.code);
        return codes;
    }
    void answer(uint8_t code, const Bytes& payload) {
        peer.sendFrame(kRightsMessageType, 28673, kExchangeAddress, code, payload);
        router->receiveMessages();
    }
    // Lets the time-outs of the window fire.
    void waitAnswerTimeout() {
        clock.advance(kRightsAnswerTimeoutMs);
        tickTimers();
    }

private:
    std::size_t seen_ = 0;
};
