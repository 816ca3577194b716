#include "monitoring/subscriber_blocking.h"

#include <cstring>
#include <string>

#include "texts/catalogue_message.h"
#include "link/router.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "toolkit/dialog_box.h"
#include "utils/message_box.h"

namespace {

constexpr int kLineChars = 10;  // characters of a line taken as the number

void postOperatorLine(const char* text) {
    postTextLine(kLineLocal, text, kTypeOperator);
}

// A request the link did not take is said in the operator lines, where the
// runs over a number file report too.
void sendBlocking(uint8_t code, const uint8_t* body) {
    if (!sendToLink(kTypeBlocking, kExchangeAddress, code, body, kBlockingRequestSize))
        postOperatorLine(kMessageNotSentText);
}

void showNumberRefusal(int textId, const char* number) {
    char text[120];
    formatMessage(text, sizeof text, textId, number);
    showInformation(text);
}

void confirmThen(int questionId, const char* number, void (*operation)(const char*)) {
    char question[256];
    formatMessage(question, sizeof question, questionId, number);
    if (confirm(question) == 1) operation(number);
}

// Reads one whole line (its end consumed, a CR before it dropped): false at
// the end of the file with nothing read. A last line without a line end is
// a line like any other.
bool readNumberLine(std::FILE* file, std::string& line) {
    line.clear();
    int c = std::fgetc(file);
    if (c == EOF) return false;
    for (; c != EOF && c != '\n'; c = std::fgetc(file)) line.push_back(static_cast<char>(c));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace

int isDigitString(const char* text) {
    if (text == nullptr || *text == '\0') return 0;
    for (const char* p = text; *p != '\0'; ++p)
        if (*p < '0' || *p > '9') return 0;
    return 1;
}

int findTerminator(const char* text, unsigned n) {
    for (unsigned i = 0; i < n; ++i)
        if (text[i] == '\0') return static_cast<int>(i);
    return -1;
}

void blockSubscriber(const char* number) {
    const int n = findTerminator(number, 10);
    if (n < 0) {
        showNumberRefusal(22068, number);
        return;
    }
    uint8_t body[kBlockingRequestSize] = {};
    std::memcpy(body, number, static_cast<size_t>(n));
    std::memcpy(body + 10, number, static_cast<size_t>(n < 8 ? n : 8));
    sendBlocking(kCodeBlock, body);
}

void unblockSubscriber(const char* number) {
    const int n = findTerminator(number, 9);
    if (n < 0) {
        showNumberRefusal(22083, number);
        return;
    }
    uint8_t body[kBlockingRequestSize] = {};
    std::memcpy(body, number, static_cast<size_t>(n));
    sendBlocking(kCodeUnblock, body);
}

void confirmAndBlockSubscriber(const char* number) {
    confirmThen(22100, number, blockSubscriber);
}

void confirmAndUnblockSubscriber(const char* number) {
    confirmThen(22104, number, unblockSubscriber);
}

template <class Policy>
KPtpIterator<Policy>::~KPtpIterator() {
    if (file != nullptr) std::fclose(file);
    killTimers(this);
}

template <class Policy>
int KPtpIterator<Policy>::begin(const char* fileName) {
    if (active) return 1;
    file = std::fopen(fileName, "r");
    if (file == nullptr) return -1;
    active = 1;
    setTimer(this, kNumberFileTickMs);
    return 0;
}

template <class Policy>
void KPtpIterator<Policy>::finish(int textId, const char* line) {
    formatMessage(message, sizeof message, textId, line);
    postOperatorLine(message);
    std::fclose(file);
    file = nullptr;
    active = 0;
}

template <class Policy>
void KPtpIterator<Policy>::onTimer(const STimerEvent*) {
    if (!active) return;
    std::string line;
    if (!readNumberLine(file, line)) {
        finish(Policy::kEndText, "");
        return;
    }
    // The number is taken from the first ten characters; a longer line of
    // digits is a number too long, which the operation refuses, and the run
    // goes on with the next line.
    const std::string number = line.substr(0, kLineChars);
    if (isDigitString(line.c_str()) == 0) {
        finish(Policy::kBadLineText, number.c_str());
        return;
    }
    Policy::apply(number.c_str());
    if (active) setTimer(this, kNumberFileTickMs);
}

template <class Policy>
KPtpIterator<Policy>& ptpIterator() {
    static KPtpIterator<Policy> iterator;
    return iterator;
}

template class KPtpIterator<KBlokPtpBezPotvrde>;
template class KPtpIterator<KBlokPtpSaPotvrdom>;
template class KPtpIterator<KDeblokPtpBezPotvrde>;
template class KPtpIterator<KDeblokPtpSaPotvrdom>;
template KPtpIterator<KBlokPtpBezPotvrde>& ptpIterator<KBlokPtpBezPotvrde>();
template KPtpIterator<KBlokPtpSaPotvrdom>& ptpIterator<KBlokPtpSaPotvrdom>();
template KPtpIterator<KDeblokPtpBezPotvrde>& ptpIterator<KDeblokPtpBezPotvrde>();
template KPtpIterator<KDeblokPtpSaPotvrdom>& ptpIterator<KDeblokPtpSaPotvrdom>();

namespace {

// Starts a run of the iterator of the mode (0 without, 1 with confirmation).
template <class Without, class With>
void runNumberFile(const char* field, int16_t mode, int startTextId) {
    const std::string name(field, strnlen(field, 31));
    if (name.empty()) {
        postOperatorLine(textById(22099));
        return;
    }
    int result = 1;
    if (mode == 0)
        result = ptpIterator<Without>().begin(name.c_str());
    else if (mode == 1)
        result = ptpIterator<With>().begin(name.c_str());
    if (result != 0) return;  // other mode, already running, or no such file
    char text[200];
    formatMessage(text, sizeof text, startTextId, name);
    postOperatorLine(text);
}

}  // namespace

void blockSubscribersFromFile(const SParamsBlokPoPtpFajl& params) {
    runNumberFile<KBlokPtpBezPotvrde, KBlokPtpSaPotvrdom>(params.sPtpFajl, params.PotvrdiBlok,
                                                          22097);
}

void unblockSubscribersFromFile(const SParamsDeblokPoPtpFajl& params) {
    runNumberFile<KDeblokPtpBezPotvrde, KDeblokPtpSaPotvrdom>(params.sPtpFajl, params.PotvrdiDeblok,
                                                              22102);
}
