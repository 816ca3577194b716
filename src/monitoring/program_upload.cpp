#include "monitoring/program_upload.h"

#include <sys/types.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "sub/replication_control.h"
#include "sub/sub_database.h"
#include "sub/trn_tab.h"
#include "toolkit/file_chooser.h"
#include "utils/bytes.h"

KUPLoader* cp1Loader = nullptr;
KUPLoader* cp2Loader = nullptr;

namespace {

constexpr uint8_t kCodeStart = 6;
constexpr uint8_t kCodeData = 2;
constexpr uint8_t kCodeEndOfBatch = 119;
constexpr uint8_t kCodeSum = 3;
constexpr uint8_t kAnswerStart = 0x86;
constexpr uint8_t kAnswerBatch = 0xF7;
constexpr uint8_t kAnswerSum = 0x83;
constexpr uint8_t kAccepted = 2;
constexpr int32_t kChunk = 256;
constexpr int kChunksPerBatch = 10;
constexpr uint32_t kAnswerMs = 1000;
constexpr uint32_t kBatchMs = 5000;
constexpr uint8_t kFlagsToExchange = 67;

// Posted locally and sent to the management processor as the coded text id.
void postCodedOutcome(int textId) {
    const std::string coded = std::to_string(textId);
    postCodedTextLine(kFlagsToExchange, coded.c_str(), kTypeOperator);
}

}  // namespace

KUPLoader::KUPLoader(uint16_t processorAddress)
    : TMessageReceiver(kTypeProgramUpload), processor(processorAddress) {
    active = 0;
    // Only the loader's own processor answers it: with uploads to both
    // processors at once, neither loader takes the other's answers.
    addKeyFilter(processorAddress);
}

KUPLoader::~KUPLoader() {
    if (file != nullptr) std::fclose(file);
    killTimers(this);
}

uint8_t KUPLoader::start(Callback done, uint8_t program, const char* fileName) {
    if (state != Idle) return uoBusy;
    file = std::fopen(fileName, "rb");
    if (file == nullptr) return uoCannotOpen;
    off_t size = -1;
    if (fseeko(file, 0, SEEK_END) == 0) size = ftello(file);
    if (size < 0 || size > INT32_MAX || fseeko(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        file = nullptr;
        return uoCannotOpen;
    }
    callback = done;
    fileSize = static_cast<int32_t>(size);
    sent = 0;
    sum = 0;
    active = 1;
    uint8_t body[5];
    ByteWriter out(body, sizeof body);
    out.u8(program);
    out.u32le(static_cast<uint32_t>(fileSize));
    if (!sendToLink(kTypeProgramUpload, processor, kCodeStart, body, sizeof body)) {
        std::fclose(file);
        file = nullptr;
        callback = nullptr;
        active = 0;
        return uoNotSent;
    }
    state = Starting;
    arm(kAnswerMs);
    return uoReplaced;
}

void KUPLoader::sendRound() {
    int chunks = 0;
    uint8_t data[kChunk];
    for (; chunks < kChunksPerBatch && sent < fileSize; ++chunks) {
        const int32_t left = fileSize - sent;
        const size_t length = static_cast<size_t>(left < kChunk ? left : kChunk);
        // A file that reads short has changed under the upload: never send
        // bytes that are not the file's.
        if (std::fread(data, 1, length, file) != length) {
            finish(uoCannotOpen);
            return;
        }
        for (size_t i = 0; i < length; ++i) sum = static_cast<uint16_t>(sum + data[i]);
        if (router)
            router->sendMessage(kTypeProgramUpload, processor, kCodeData, data,
                                static_cast<uint16_t>(length));
        sent += static_cast<int32_t>(length);
    }
    if (chunks > 0) {
        if (router) router->sendMessage(kTypeProgramUpload, processor, kCodeEndOfBatch, nullptr, 0);
        state = Sending;
        arm(kBatchMs);
        return;
    }
    uint8_t body[2];
    ByteWriter out(body, sizeof body);
    out.u16le(sum);
    if (router) router->sendMessage(kTypeProgramUpload, processor, kCodeSum, body, sizeof body);
    state = Ending;
    arm(kAnswerMs);
}

void KUPLoader::onMessage(uint8_t, uint16_t, uint8_t code, const uint8_t* payload, int length) {
    ByteReader in(payload, length > 0 ? static_cast<size_t>(length) : 0);
    if (state == Starting && code == kAnswerStart) {
        const uint8_t status = in.u8();
        if (!in.ok()) return;  // an empty answer is no answer
        killTimer(this, timerId);
        timerId = -1;
        if (status != kAccepted) {
            finish(uoRefused);
            return;
        }
        sum = 0;
        sent = 0;
        sendRound();
    } else if (state == Sending && code == kAnswerBatch) {
        killTimer(this, timerId);
        timerId = -1;
        sendRound();
    } else if (state == Ending && code == kAnswerSum) {
        const uint16_t theirs = in.u16le();
        const uint8_t status = in.u8();
        if (!in.ok()) return;
        killTimer(this, timerId);
        timerId = -1;
        if (theirs != sum)
            finish(uoBadSum);
        else
            finish(status == kAccepted ? uoReplaced : uoRefused);
    }
}

void KUPLoader::onTimer(const STimerEvent* event) {
    if (event->timerId != timerId || state == Idle) return;
    timerId = -1;
    finish(uoTimedOut);
}

void KUPLoader::arm(uint32_t ms) {
    if (timerId != -1) killTimer(this, timerId);
    timerId = setTimer(this, ms);
}

void KUPLoader::finish(uint8_t outcome) {
    if (file != nullptr) std::fclose(file);
    file = nullptr;
    if (timerId != -1) killTimer(this, timerId);
    timerId = -1;
    active = 0;
    state = Idle;
    const Callback done = callback;
    callback = nullptr;
    if (done != nullptr) done(outcome);  // idle first: the callback may start the next upload
}

void reportProgramReplacement(uint8_t outcome) {
    if (outcome > uoBadSum) return;
    postCodedOutcome(21644 + outcome);
}

void replaceProcessorProgram(const SParamsOkZamenaRPPrograma& params) {
    if (!isTableConsistent(kProgramTable)) {
        requestTableReplication(kProgramTable);
        postCodedOutcome(21639);
        return;
    }
    TTrnTabBase* table = subDatabase.table(kProgramTable);
    bool found = false;
    if (table != nullptr && table->keyLength() > 0) {
        std::vector<uint8_t> key(static_cast<size_t>(table->keyLength()), 0);
        key[0] = params.Program;
        std::vector<uint8_t> record(static_cast<size_t>(table->recordLength()) + 1, 0);
        const int32_t row = table->findKey(key.data());
        found = row >= 0 && table->readRow(0, row, record.data()) == 0;
    }
    if (!found) {
        postCodedOutcome(21640);
        return;
    }
    char fileName[1024];
    if (chooseFileName("*.prg", "", 0, fileName, sizeof fileName) != 0) return;
    KUPLoader** loader = params.CP == 0 ? &cp1Loader : params.CP == 1 ? &cp2Loader : nullptr;
    if (loader == nullptr) return;
    if (*loader == nullptr) *loader = new KUPLoader(params.CP == 0 ? kCp1Address : kCp2Address);
    const uint8_t result = (*loader)->start(reportProgramReplacement, params.Program, fileName);
    if (result == uoNotSent) {
        postTextLine(kLineLocal, kMessageNotSentText, kTypeOperator);
        return;
    }
    if (result != uoReplaced) {
        reportProgramReplacement(result);
        return;
    }
    postTextLine(kLineLocal, textById(21643), kTypeOperator);
}

void destroyProgramLoaders() {
    delete cp1Loader;
    cp1Loader = nullptr;
    delete cp2Loader;
    cp2Loader = nullptr;
}
