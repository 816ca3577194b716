#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/message_bus.h"

// Records every message of one type that passes its filters.
class RecordingReceiver : public TMessageReceiver {
public:
    struct Message {
        uint8_t type;
        uint16_t key;
        uint8_t code;
        std::vector<uint8_t> payload;
        std::string text() const {
            std::string s;
            for (uint8_t b : payload) {
                if (b == 0) break;
                s.push_back(static_cast<char>(b));
            }
            return s;
        }
    };
    explicit RecordingReceiver(uint8_t type) : TMessageReceiver(type) { active = 1; }
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload, int length) override {
        messages.push_back({type, key, code, std::vector<uint8_t>(payload, payload + (length > 0 ? length : 0))});
    }
    std::vector<Message> messages;
};
