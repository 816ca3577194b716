#include "menus/rights_protocol.h"

#include <algorithm>
#include <cstring>

#include "link/router.h"
#include "link/timer_pool.h"
#include "menus/rights_tree.h"
#include "utils/bytes.h"

std::vector<uint8_t> packGroupNames(const std::vector<std::string>& names, std::size_t maxLength) {
    std::vector<uint8_t> out;
    for (const std::string& name : names) {
        // A name ends at its first zero, as it would in a character array.
        const std::size_t n = std::min(strnlen(name.c_str(), name.size()), maxLength);
        out.insert(out.end(), name.begin(), name.begin() + static_cast<std::ptrdiff_t>(n));
        out.push_back(0);
    }
    return out;
}

std::vector<uint8_t> packReadRights(const std::string& group) {
    return packGroupNames({group}, kRightsGroupNameMax);
}

std::vector<uint8_t> packSetRights(const std::string& group, const uint8_t* bitmap) {
    std::vector<uint8_t> out = packReadRights(group);
    out.insert(out.end(), bitmap, bitmap + kRightsBitmapSize);
    return out;
}

int sendRightsRequest(uint8_t code, const std::vector<uint8_t>& payload) {
    return sendToLink(kRightsMessageType, kExchangeAddress, code, payload.data(),
                      static_cast<uint16_t>(payload.size()))
               ? 0
               : -1;
}

int16_t answerStatus(const uint8_t* payload, int length) {
    ByteReader in(payload, length > 0 ? static_cast<std::size_t>(length) : 0);
    const auto status = static_cast<int16_t>(in.u16le());
    return in.ok() ? status : int16_t(-1);
}

int32_t TPendingAnswers::arm(TTimerReceiver* owner, uint8_t code) {
    answered(owner, code);
    STimerEvent event;
    event.data[0] = code;
    const int32_t id = setTimer(owner, kRightsAnswerTimeoutMs, &event);
    if (id >= 0) slots_.push_back({code, id});
    return id;
}

void TPendingAnswers::answered(TTimerReceiver* owner, uint8_t code) {
    for (auto it = slots_.begin(); it != slots_.end(); ++it) {
        if (it->code != code) continue;
        killTimer(owner, it->timer);
        slots_.erase(it);
        return;
    }
}

void TPendingAnswers::expired(int32_t timerId) {
    slots_.erase(std::remove_if(slots_.begin(), slots_.end(),
                                [timerId](const Slot& s) { return s.timer == timerId; }),
                 slots_.end());
}

int32_t TPendingAnswers::timerFor(uint8_t code) const {
    for (const Slot& s : slots_)
        if (s.code == code) return s.timer;
    return -1;
}
