#pragma once

#include <cstdint>
#include <cstdio>

#include "commands/param_records.h"
#include "link/message_bus.h"
#include "link/timer_pool.h"

// Replacing a program of a central processor: the file goes to the
// processor in batches of at most ten 256-byte data frames, each batch
// acknowledged, then the 16-bit byte sum, which the processor confirms.

constexpr uint8_t kTypeProgramUpload = 137;
constexpr uint16_t kCp1Address = 16392;
constexpr uint16_t kCp2Address = 16400;
constexpr uint16_t kProgramTable = 35;

// Outcomes of an upload, reported by texts 21644 + outcome.
enum eUploadOutcome : uint8_t {
    uoReplaced = 0,
    uoBusy = 1,
    uoCannotOpen = 2,
    uoRefused = 3,
    uoTimedOut = 4,
    uoBadSum = 5,
    // The start request did not leave (see sendToLink); no text of its own.
    uoNotSent = 6,
};

class KUPLoader : public TMessageReceiver, public TTimerReceiver {
public:
    using Callback = void (*)(uint8_t outcome);
    enum State : uint8_t { Idle = 0, Starting = 1, Sending = 2, Ending = 3 };

    explicit KUPLoader(uint16_t processor);
    ~KUPLoader() override;

    // uoReplaced (0) when the upload has begun, uoBusy, uoCannotOpen, or
    // uoNotSent when the link did not take the start request. The
    // callback is called once for every upload that began.
    uint8_t start(Callback callback, uint8_t program, const char* fileName);
    void onMessage(uint8_t type, uint16_t key, uint8_t code, const uint8_t* payload,
                   int length) override;
    void onTimer(const STimerEvent* event) override;

    uint16_t processor;
    std::FILE* file = nullptr;
    uint16_t sum = 0;
    Callback callback = nullptr;
    int32_t timerId = -1;
    uint8_t state = Idle;
    int32_t fileSize = 0;
    int32_t sent = 0;

private:
    void sendRound();
    void arm(uint32_t ms);
    void finish(uint8_t outcome);
};

// Made on first use by replaceProcessorProgram; null until then.
extern KUPLoader* cp1Loader;
extern KUPLoader* cp2Loader;

// Posts the outcome's text (also sent to the management processor).
void reportProgramReplacement(uint8_t outcome);
// Command 5088.
void replaceProcessorProgram(const SParamsOkZamenaRPPrograma& params);
// Program end: both loaders go.
void destroyProgramLoaders();
