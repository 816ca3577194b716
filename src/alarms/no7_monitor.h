#pragma once

#include <cstddef>
#include <cstdint>

#include "alarms/isup_parameters.h"
#include "link/message_bus.h"
#include "utils/dates.h"

// The exchange mirrors the CCS No.7 user-part messages of supervised
// signalling points and connection points as type 139 with these codes.
constexpr std::uint8_t kTypeSupervision = 139;
constexpr std::uint8_t kNo7SentBySpc = 113;
constexpr std::uint8_t kNo7SentOnPt = 114;
constexpr std::uint8_t kNo7ReceivedOnPt = 115;
constexpr std::uint8_t kNo7ReceivedBySpc = 116;

// The lines the monitor posts for one mirrored message: the header line with
// the time of day `now`, the lines of the decoded fields, the separator. A
// payload too short for its prefix and routing label gives no lines; fields
// beyond the payload's end are not decoded.
TMonitorLines decodeNo7Message(std::uint8_t code, const std::uint8_t* payload, std::size_t length,
                               const STime& now);

// Prints every mirrored message into the supervision report stream.
class TNo7SigReceiver : public TMessageReceiver {
public:
    TNo7SigReceiver();
    void onMessage(std::uint8_t type, std::uint16_t key, std::uint8_t code,
                   const std::uint8_t* payload, int length) override;
};

// The one monitor; it receives from the first start step to the last stop step.
extern TNo7SigReceiver* no7Monitor;
int createNo7Monitor();
void destroyNo7Monitor();
