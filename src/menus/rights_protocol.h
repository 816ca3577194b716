#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TTimerReceiver;

// Requests and answers of the operator groups and their command rights,
// exchanged with the management processor as messages of type 136.
constexpr uint8_t kRightsMessageType = 136;
constexpr uint32_t kRightsAnswerTimeoutMs = 2000;

enum RightsCode : uint8_t {
    kReadRights = 101,    // request and answer: one group's rights bitmap
    kSetRights = 104,     // request and answer (status)
    kGroupAdded = 105,    // answer to kAddGroup
    kGroupDeleted = 106,  // answer to kDeleteGroup
    kGroupList = 108,     // request and answer: the count, or the entries
    kRenameGroup = 110,   // request and answer (status)
    kAddGroup = 52,       // request
    kDeleteGroup = 54,    // request
};

// Longest group name in the requests of the groups window, and in the
// rights requests.
constexpr std::size_t kGroupNameMax = 20;
constexpr std::size_t kRightsGroupNameMax = 19;

// Each name cut to `maxLength` characters and followed by a zero byte.
std::vector<uint8_t> packGroupNames(const std::vector<std::string>& names, std::size_t maxLength);
// Request 101 for a group; request 104 with the group's bitmap (121 bytes).
std::vector<uint8_t> packReadRights(const std::string& group);
std::vector<uint8_t> packSetRights(const std::string& group, const uint8_t* bitmap);

// Sends a request to the management processor; 0, or -1 when the link did
// not take it (see sendToLink).
int sendRightsRequest(uint8_t code, const std::vector<uint8_t>& payload);

// The 16-bit status at the start of an answer; an answer too short to hold
// one counts as a failure (-1).
int16_t answerStatus(const uint8_t* payload, int length);

// Time-outs of the answers a window waits for, one per awaited code: a new
// request for a code replaces its earlier time-out, and an answer cancels
// the time-out of its own code only. The event data byte 0 of each time-out
// is the awaited code.
class TPendingAnswers {
public:
    // Arms the time-out of a request awaiting `code`; its timer id.
    int32_t arm(TTimerReceiver* owner, uint8_t code);
    // The answer of `code` arrived: its time-out, if armed, is cancelled.
    void answered(TTimerReceiver* owner, uint8_t code);
    // A time-out fired: it is no longer armed.
    void expired(int32_t timerId);
    // Timer id awaiting the code, -1 when none.
    int32_t timerFor(uint8_t code) const;

private:
    struct Slot {
        uint8_t code;
        int32_t timer;
    };
    std::vector<Slot> slots_;
};
