#pragma once

#include <cstdint>
#include <cstdio>

#include "commands/param_records.h"
#include "link/timer_pool.h"

// Blocking and unblocking subscribers in bulk from a number file (one number
// of decimal digits per line): one line every 50 ms, each number one request
// of message type 140 to the management processor, code 65 to block and 67
// to unblock, answered by nothing the workstation waits for.

constexpr uint8_t kTypeBlocking = 140;
constexpr uint8_t kCodeBlock = 65;
constexpr uint8_t kCodeUnblock = 67;
constexpr uint16_t kBlockingRequestSize = 18;
constexpr uint32_t kNumberFileTickMs = 50;

void blockSubscriber(const char* number);
void unblockSubscriber(const char* number);
void confirmAndBlockSubscriber(const char* number);
void confirmAndUnblockSubscriber(const char* number);
// 1 for a non-empty text of decimal digits only, else 0.
int isDigitString(const char* text);
// Index of the first zero among the first n characters, -1 when there is none.
int findTerminator(const char* text, unsigned n);

// What a run does with each number and what it posts.
struct KBlokPtpBezPotvrde {
    static void apply(const char* number) { blockSubscriber(number); }
    static constexpr int kEndText = 22098;
    static constexpr int kBadLineText = 22068;
};
struct KBlokPtpSaPotvrdom {
    static void apply(const char* number) { confirmAndBlockSubscriber(number); }
    static constexpr int kEndText = 22098;
    static constexpr int kBadLineText = 22068;
};
struct KDeblokPtpBezPotvrde {
    static void apply(const char* number) { unblockSubscriber(number); }
    static constexpr int kEndText = 22103;
    static constexpr int kBadLineText = 22083;
};
struct KDeblokPtpSaPotvrdom {
    static void apply(const char* number) { confirmAndUnblockSubscriber(number); }
    static constexpr int kEndText = 22103;
    static constexpr int kBadLineText = 22083;
};

// Works through one number file at a time, one line per tick.
template <class Policy>
class KPtpIterator : public TTimerReceiver {
public:
    KPtpIterator() = default;
    ~KPtpIterator() override;
    // 0 started, 1 already running, -1 the file cannot be opened.
    int begin(const char* fileName);
    void onTimer(const STimerEvent* event) override;

    uint8_t active = 0;
    std::FILE* file = nullptr;
    char message[120] = {};

private:
    void finish(int textId, const char* line);
};

// The one iterator of each policy, made on first use.
template <class Policy>
KPtpIterator<Policy>& ptpIterator();

// Commands 5169 and 5170.
void blockSubscribersFromFile(const SParamsBlokPoPtpFajl& params);
void unblockSubscribersFromFile(const SParamsDeblokPoPtpFajl& params);
