#include "mml/mml_script.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "commands/executors/local_routines.h"
#include "texts/catalogue_message.h"
#include "texts/text_catalogue.h"
#include "link/text_lines.h"
#include "mml/mml_registry.h"
#include "link/text_streams.h"
#include "utils/files.h"
#include "utils/message_box.h"

namespace {

enum : int {
    kTextAlreadyRunning = 21019,
    kTextNoFile = 21020,
    kTextAnswerMissing = 21021,
    kTextCommandFailed = 21022,
    kTextSyntaxError = 21023,
    kTextTooLong = 21024,
    kTextUnfinished = 21025,
    kTextSubScript = 21026,
    kTextTooDeep = 21027,
    kTextSubScriptDone = 21028,
    kTextScriptDone = 21029,
    kTextWindowTitle = 21030,
    kTextProgress = 21031,
    kTextNothingRuns = 21032,
    kTextStopping = 21033,
};

// Messages of the end of a script: 100 characters; any other posted text is
// cut by the line it is posted as.
constexpr size_t kEndTextSize = 101;
constexpr size_t kPostedTextSize = 257;

const char* const kStopQuestion = "Da li hocete da prekinete izvrsavanja MML skripta?";
// No timer of the pool was free for the script's first step (the name in
// place of %s), or for a later step (the name and the line).
const char* const kTextNoTimerAtStart = "Нет свободного таймера, скрипт MML '%s' не запущен";
const char* const kTextNoTimerInStep =
    "Нет свободного таймера, прервано выполнение скрипта MML '%s', строка %d";

uint8_t scriptRunningFlag = 0;
KAPOS_MML_SkriptIzvrsavac* lastRunner = nullptr;
KMML_SkriptIzvrsavac* runningStatementExecutor = nullptr;
uint8_t directivesRegistered = 0;

// Runners alive, ended ones included (each lives until its window closes).
std::vector<KAPOS_MML_SkriptIzvrsavac*>& liveRunners() {
    static std::vector<KAPOS_MML_SkriptIzvrsavac*> runners;
    return runners;
}

int comparePointer(KMML_SkriptIzvrsavac* const& element, KMML_SkriptIzvrsavac* const& key) {
    const std::less<KMML_SkriptIzvrsavac*> before;
    return before(element, key) ? -1 : (before(key, element) ? 1 : 0);
}

KMML_SkriptIzvrsavac* pointerKey(KMML_SkriptIzvrsavac* const& element) {
    return element;
}

void post(const char* text) {
    postTextLine(kLineLocal, text, kTypeOperator);
}

template <typename... Args>
void postMessage(int textId, const Args&... args) {
    char text[kPostedTextSize];
    formatMessage(text, sizeof text, textId, args...);
    post(text);
}

// Quote state after the first `length` characters.
bool quotedAfter(const char* text, int length) {
    bool quoted = false;
    for (int i = 0; i < length; ++i)
        if (text[i] == '"') quoted = !quoted;
    return quoted;
}

// Copies the text cut to size - 1 characters.
void copyCut(char* out, size_t size, const char* text) {
    const size_t n = strnlen(text != nullptr ? text : "", size - 1);
    if (n > 0) std::memcpy(out, text, n);
    out[n] = '\0';
}

// The wait of "odgovor-vk": white space, an optional sign, digits up to the
// first other character (none: 0). False for a wait that is negative or does
// not fit 32 bits.
bool readWait(const char* text, int32_t& wait) {
    while (isMmlWhiteSpace(static_cast<uint8_t>(*text))) ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    int64_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > INT32_MAX) return false;
    }
    if (negative && value != 0) return false;
    wait = static_cast<int32_t>(value);
    return true;
}

}  // namespace

// ---------------------------------------------------------------- line helpers

bool stripScriptComment(char* line, bool quoted) {
    for (char* p = line; *p != '\0'; ++p) {
        if (*p == '"') {
            quoted = !quoted;
        } else if (*p == '#' && !quoted) {
            *p = '\0';
            break;
        }
    }
    return quoted;
}

bool isBlankScriptText(const char* text) {
    for (; *text != '\0'; ++text)
        if (!isMmlWhiteSpace(static_cast<uint8_t>(*text))) return false;
    return true;
}

bool hasStatementEnd(const char* text) {
    bool quoted = false;
    for (; *text != '\0'; ++text) {
        if (*text == '"')
            quoted = !quoted;
        else if (*text == ';' && !quoted)
            return true;
    }
    return false;
}

// ---------------------------------------------------------------- executors

SScriptExecutorList::SScriptExecutorList()
    : KTSortArray(kCapacity, 0, comparePointer, pointerKey) {}

SScriptExecutorList& scriptExecutors() {
    static SScriptExecutorList list;
    return list;
}

KMML_SkriptIzvrsavac* currentScriptExecutor() {
    return runningStatementExecutor;
}

KMML_SkriptIzvrsavac::KMML_SkriptIzvrsavac(FILE* stream) : stream_(stream) {
    scriptExecutors().insert(this);  // a full list leaves it out
    registerScriptDirectives();
}

KMML_SkriptIzvrsavac::~KMML_SkriptIzvrsavac() {
    scriptExecutors().remove(this);
    if (runningStatementExecutor == this) runningStatementExecutor = nullptr;
}

bool KMML_SkriptIzvrsavac::readLine(char* statement, int& length) {
    if (stream_ == nullptr) return false;
    int c = std::fgetc(stream_);
    if (c == EOF) return false;
    // What does not fit the statement is dropped: either a ";" came before it
    // (the rest of a line after a statement is dropped anyway) or the
    // statement is full and ends the script as too long.
    const int room = kScriptStatementMax - length;
    char* out = statement + length;
    int n = 0;
    for (; c != EOF && c != '\n'; c = std::fgetc(stream_))
        if (c != '\0' && n < room) out[n++] = static_cast<char>(c);
    if (c == '\n' && n > 0 && out[n - 1] == '\r') --n;
    out[n] = '\0';
    ++lineCounter_;
    stripScriptComment(out, quotedAfter(statement, length));
    length += static_cast<int>(std::strlen(out));
    return true;
}

eScriptStep KMML_SkriptIzvrsavac::runStatements(uint8_t resume, uint32_t& wait) {
    if (waiting_ != 0 && resume == 0) return ssAnswerMissing;
    KMML_Izvrsavac& executor = mmlExecutor();
    char statement[kScriptStatementSize] = "";
    int length = 0;
    while (readLine(statement, length)) {
        if (isBlankScriptText(statement)) {
            statement[0] = '\0';
            length = 0;
            continue;
        }
        if (!hasStatementEnd(statement)) {
            if (length >= kScriptStatementMax) return ssStatementTooLong;
            continue;
        }
        char name[kMmlFieldSize];
        SMML_Argument args[kMaxScriptArguments];
        int count = 0;
        if (parseMmlStatement(statement, name, kMmlTokenLimit, kMaxScriptArguments, count, args) !=
            0)
            return ssSyntaxError;

        char errorText[kMmlErrorTextSize] = "";
        KMML_SkriptIzvrsavac* const outer = runningStatementExecutor;
        runningStatementExecutor = this;
        const eMmlStatus status = executor.runCommand(name, count, args, errorText, 1);
        runningStatementExecutor = outer;

        if (abandoned_) return ssFinished;
        if (waiting_ != 0) {
            wait = static_cast<uint32_t>(wait_);
            return ssWait;
        }
        if (subScriptRequested_ != 0) {
            subScriptRequested_ = 0;
            return ssSubScript;
        }
        showCommandStatus(status, errorText);
        if (status != msOk) return ssCommandFailed;
        statement[0] = '\0';
        length = 0;
    }
    return isBlankScriptText(statement) ? ssFinished : ssUnfinishedStatement;
}

void KMML_SkriptIzvrsavac::expectAnswers(int count, const char* const* texts, int32_t wait,
                                         uint8_t type) {
    count = std::clamp(count, 0, kMaxExpectedAnswers);
    for (int i = 0; i < count; ++i)
        copyCut(expected_[i], kExpectedAnswerSize, texts != nullptr ? texts[i] : nullptr);
    expectedType_ = type;
    wait_ = wait;
    expectedCount_ = count;
    matchedCount_ = 0;
    waiting_ = 1;
}

void KMML_SkriptIzvrsavac::checkAnswer(uint8_t type, const char* text, int length) {
    if (waiting_ == 0 || text == nullptr || length < 0) return;
    if (matchedCount_ >= expectedCount_) return;
    const char* expected = expected_[matchedCount_];
    const size_t expectedLength = std::strlen(expected);
    // The text ends at its zero or its length, whichever comes first.
    const size_t textLength = strnlen(text, static_cast<size_t>(length));
    if (textLength < expectedLength) return;
    if (type != expectedType_) return;
    if (std::memcmp(text, expected, expectedLength) != 0) return;
    for (size_t i = expectedLength; i < textLength; ++i)
        if (!isMmlWhiteSpace(static_cast<uint8_t>(text[i]))) return;
    if (++matchedCount_ >= expectedCount_) waiting_ = 0;
}

void KMML_SkriptIzvrsavac::requestSubScript(const char* name) {
    copyCut(subScriptName_, sizeof subScriptName_, name);
    subScriptRequested_ = 1;
}

// ---------------------------------------------------------------- directives

void setExpectedAnswers(int count, const SMML_Argument* args, int32_t wait, uint8_t type) {
    if (runningStatementExecutor == nullptr) return;
    const char* texts[kMaxExpectedAnswers];
    count = std::clamp(count, 0, kMaxExpectedAnswers);
    for (int i = 0; i < count; ++i) texts[i] = args[i].value;
    runningStatementExecutor->expectAnswers(count, texts, wait, type);
}

eMmlStatus KMML_izvrsi::execute(int count, const SMML_Argument* args, char*, uint8_t) {
    if (count < 1) return msTooFewParameters;
    if (count > 1) return msTooManyParameters;
    if (runningStatementExecutor != nullptr)
        runningStatementExecutor->requestSubScript(args[0].value);
    return msOk;
}

eMmlStatus KMML_odgovor::execute(int count, const SMML_Argument* args, char*, uint8_t) {
    if (count < 1) return msTooFewParameters;
    setExpectedAnswers(count, args, kAnswerWait, kAnswerMessageType);
    return msOk;
}

eMmlStatus KMML_odgovor_vk::execute(int count, const SMML_Argument* args, char* errorText,
                                    uint8_t) {
    if (count < 2) return msTooFewParameters;
    int32_t wait = 0;
    // A negative wait would be taken as weeks: refused like any value out of range.
    if (!readWait(args[0].value, wait)) {
        setMmlErrorText(errorText, args[0].value);
        return msOutOfRange;
    }
    setExpectedAnswers(count - 1, args + 1, wait, kAnswerMessageType);
    return msOk;
}

void registerScriptDirectives() {
    if (directivesRegistered != 0) return;
    static KMML_odgovor answer;
    static KMML_odgovor_vk answerWithWait;
    static KMML_izvrsi run;
    KMML_Izvrsavac& executor = mmlExecutor();
    executor.registerHandler("odgovor", &answer, kLocalCommandId);
    executor.registerHandler("odgovor-vk", &answerWithWait, kLocalCommandId);
    executor.registerHandler("izvrsi", &run, kLocalCommandId);
    directivesRegistered = 1;
}

bool scriptDirectivesRegistered() {
    return directivesRegistered != 0;
}

// ---------------------------------------------------------------- runner

bool KProveraUkidanjaSkripta::confirmClose() {
    if (scriptRunningFlag == 0) return true;
    return confirm(kStopQuestion) != 0;
}

KProveraUkidanjaSkripta& scriptStopConfirmation() {
    static KProveraUkidanjaSkripta confirmation;
    return confirmation;
}

KAPOS_MML_SkriptIzvrsavac::KAPOS_MML_SkriptIzvrsavac(FILE* stream, const char* name)
    : KProzorPracenjaProcesa(textById(kTextWindowTitle), kScriptLineWidth,
                             &scriptStopConfirmation(), kScriptWindowLines) {
    openLevel(0, stream, name);
    liveRunners().push_back(this);
}

KAPOS_MML_SkriptIzvrsavac::~KAPOS_MML_SkriptIzvrsavac() {
    for (int level = level_; level >= 0; --level) closeLevel(level);
    // Only the running script's runner stops scripts: an ended one closed
    // later leaves a newer script alone.
    if (lastRunner == this) {
        scriptRunningFlag = 0;
        lastRunner = nullptr;
    }
    std::vector<KAPOS_MML_SkriptIzvrsavac*>& runners = liveRunners();
    runners.erase(std::remove(runners.begin(), runners.end(), this), runners.end());
}

void KAPOS_MML_SkriptIzvrsavac::openLevel(int level, FILE* stream, const char* name) {
    streams_[level] = stream;
    executors_[level] = new KMML_SkriptIzvrsavac(stream);
    copyCut(names_[level], kScriptNameSize, name);
}

void KAPOS_MML_SkriptIzvrsavac::closeLevel(int level) {
    delete executors_[level];
    executors_[level] = nullptr;
    if (streams_[level] != nullptr) closeTextFile(streams_[level]);
    streams_[level] = nullptr;
}

void KAPOS_MML_SkriptIzvrsavac::destroy() {
    if (!inStep_) {
        delete this;
        return;
    }
    // A statement of the step stopped the script, or the window was closed
    // in a dialog's event loop: nothing more runs, and the runner goes when
    // its step returns.
    destroyRequested_ = true;
    for (KMML_SkriptIzvrsavac* executor : executors_)
        if (executor != nullptr) executor->abandon();
    if (lastRunner == this) {
        scriptRunningFlag = 0;
        lastRunner = nullptr;
    }
}

void KAPOS_MML_SkriptIzvrsavac::releaseOwner() {
    destroy();
}

void KAPOS_MML_SkriptIzvrsavac::showProgress() {
    char text[kScriptLineWidth + 1];
    const int indent = 2 * level_;
    std::memset(text, ' ', static_cast<size_t>(indent));
    formatMessage(text + indent, sizeof text - static_cast<size_t>(indent), kTextProgress,
                  names_[level_], executors_[level_]->lineCounter());
    setProgressLine(text, level_ + 3);
}

void KAPOS_MML_SkriptIzvrsavac::endWithError(const char* text) {
    post(text);
    setLine(text, level_ + 3);
    endScript();
}

void KAPOS_MML_SkriptIzvrsavac::endScript() {
    for (int level = level_; level >= 0; --level) closeLevel(level);
    killTimers(this);
    if (lastRunner == this) scriptRunningFlag = 0;
}

bool KAPOS_MML_SkriptIzvrsavac::armStep(uint32_t ms) {
    if (setTimer(this, ms) >= 0) return true;
    char text[kEndTextSize];
    std::snprintf(text, sizeof text, kTextNoTimerInStep, names_[level_],
                  static_cast<int>(executors_[level_]->lineCounter()));
    endWithError(text);
    return false;
}

bool KAPOS_MML_SkriptIzvrsavac::closeNeedsConfirmation() const {
    return isScriptRunning() && lastRunner == this;
}

void KAPOS_MML_SkriptIzvrsavac::onTimer(const STimerEvent*) {
    inStep_ = true;
    showProgress();
    uint32_t wait = 0;
    const eScriptStep step = executors_[level_]->runStatements(0, wait);
    if (!destroyRequested_) handleStep(step, wait);
    inStep_ = false;
    if (destroyRequested_) delete this;
}

void KAPOS_MML_SkriptIzvrsavac::handleStep(eScriptStep step, uint32_t wait) {
    const char* name = names_[level_];
    const int32_t line = executors_[level_]->lineCounter();
    char text[kEndTextSize] = "";
    switch (step) {
        case ssWait:
            showProgress();
            armStep(wait);
            return;
        case ssSubScript:
            subScript();
            return;
        case ssFinished:
            if (level_ == 0) {
                formatMessage(text, sizeof text, kTextScriptDone, name);
                setLine(text, 3);
                post(text);
                endScript();
                return;
            }
            postMessage(kTextSubScriptDone, name);
            closeLevel(level_);
            setLine("", level_ + 3);
            --level_;
            armStep(0);
            return;
        case ssAnswerMissing:
            formatMessage(text, sizeof text, kTextAnswerMissing, name, line);
            break;
        case ssCommandFailed:
            formatMessage(text, sizeof text, kTextCommandFailed, name, line);
            break;
        case ssSyntaxError:
            formatMessage(text, sizeof text, kTextSyntaxError, name, line);
            break;
        case ssStatementTooLong:
            formatMessage(text, sizeof text, kTextTooLong, kScriptStatementSize, name, line);
            break;
        case ssUnfinishedStatement:
            formatMessage(text, sizeof text, kTextUnfinished, name, line);
            break;
    }
    endWithError(text);
}

void KAPOS_MML_SkriptIzvrsavac::subScript() {
    const char* requested = executors_[level_]->subScriptName();
    postMessage(kTextSubScript, names_[level_], executors_[level_]->lineCounter(), requested);
    if (level_ >= kScriptLevels - 1) {
        char text[kEndTextSize] = "";
        formatMessage(text, sizeof text, kTextTooDeep, level_ + 1, names_[0]);
        endWithError(text);
        return;
    }
    FILE* stream = nullptr;
    const bool opened = openTextForRead(&stream, requested) == 0;
    if (!opened) postMessage(kTextNoFile, requested);  // skipped: the calling script goes on
    // The next step is armed first, so that a script without a free timer
    // ends at the statement that called the sub-script.
    if (!armStep(0)) {
        if (opened) closeTextFile(stream);
        return;
    }
    if (!opened) return;
    showProgress();
    ++level_;
    openLevel(level_, stream, requested);
}

// ---------------------------------------------------------------- entry points

bool isScriptRunning() {
    return scriptRunningFlag != 0;
}

KAPOS_MML_SkriptIzvrsavac* scriptRunner() {
    return lastRunner;
}

void startMmlScript(const char* fileName) {
    if (fileName == nullptr) fileName = "";
    if (scriptRunningFlag != 0) {
        postMessage(kTextAlreadyRunning, lastRunner != nullptr ? lastRunner->levelName(0) : "");
        return;
    }
    FILE* stream = nullptr;
    if (openTextForRead(&stream, fileName) != 0) {
        char text[kPostedTextSize];
        formatMessage(text, sizeof text, kTextNoFile, fileName);
        showError(text);
        post(text);
        return;
    }
    scriptRunningFlag = 1;
    auto* runner = new KAPOS_MML_SkriptIzvrsavac(stream, fileName);
    runner->setLine(runner->levelName(0), 1);
    if (setTimer(runner, kScriptStartDelay) < 0) {
        // A script whose first step can never come would block every later
        // start: nothing of it is left.
        char text[kPostedTextSize];
        std::snprintf(text, sizeof text, kTextNoTimerAtStart, runner->levelName(0));
        delete runner;
        scriptRunningFlag = 0;
        showError(text);
        post(text);
        return;
    }
    lastRunner = runner;
}

void stopMmlScript() {
    if (scriptRunningFlag == 0 || lastRunner == nullptr) {
        const char* text = textById(kTextNothingRuns);
        showError(text);
        post(text);
        return;
    }
    postMessage(kTextStopping, lastRunner->levelName(0));
    KAPOS_MML_SkriptIzvrsavac* runner = lastRunner;
    lastRunner = nullptr;
    scriptRunningFlag = 0;
    runner->destroy();
}

void offerMessageToScriptExecutors(uint8_t type, const char* text, int length) {
    for (KMML_SkriptIzvrsavac* executor : scriptExecutors())
        executor->checkAnswer(type, text, length);
}

namespace {

void runStartMmlScript(const uint8_t* record) {
    startMmlScript(reinterpret_cast<const char*>(record));
}
void runStopMmlScript(const uint8_t*) {
    stopMmlScript();
}

}  // namespace

int installMmlScripts() {
    setLocalRoutine(LocalRoutine::startMmlScript, runStartMmlScript);
    setLocalRoutine(LocalRoutine::stopMmlScript, runStopMmlScript);
    offerMessageToScripts = offerMessageToScriptExecutors;
    return 0;
}

void removeMmlScripts() {
    offerMessageToScripts = nullptr;
    const std::vector<KAPOS_MML_SkriptIzvrsavac*> runners = liveRunners();
    for (KAPOS_MML_SkriptIzvrsavac* runner : runners) delete runner;
}
