#pragma once

#include <cstdint>

#include "link/message_bus.h"

// The command-rights gate: every operator command chosen in the user
// interface passes through it on its way to the dispatcher, and the
// exchange's rights answers (type 136, code 98: word command id, signed word
// result) either run the command or tell the operator why not.
class TSecurity : public TMessageReceiver {
public:
    TSecurity();
    // Ids 5001..5599 go to the dispatcher and give 1; any other id gives 0.
    int runCommand(int16_t id);
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
};

constexpr uint8_t kCodeRightsAnswer = 98;

// Made by the main window on the first command; kept until the program ends.
extern TSecurity* commandGate;
