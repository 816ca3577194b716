#pragma once

#include <cstdint>
#include <cstdio>

#include "link/timer_pool.h"
#include "mml/mml_handler.h"
#include "mml/progress_window.h"
#include "utils/sort_array.h"

// MML scripts: text files of MML statements run one after another from a
// timer, with a progress window. "#" outside double quotes starts a comment;
// lines are joined without a blank until a ";" ends a statement, and the rest
// of that line is dropped. Three directives make a script wait for answers
// ("odgovor", "odgovor-vk") or run another script file ("izvrsi"), five
// files deep at most.

// A statement with everything joined into it: 2398 characters and room to spare.
constexpr int kScriptStatementSize = 2400;
constexpr int kScriptStatementMax = kScriptStatementSize - 2;
constexpr int kMaxExpectedAnswers = kMaxScriptArguments;
constexpr int kExpectedAnswerSize = 250;  // 249 characters and the zero
constexpr int kSubScriptNameSize = 100;   // 99 characters and the zero
constexpr int kScriptNameSize = 68;       // 67 characters and the zero
constexpr int kScriptLevels = 5;
constexpr uint32_t kScriptStartDelay = 3000;
constexpr int32_t kAnswerWait = 1000;
constexpr uint8_t kAnswerMessageType = 136;
constexpr int kScriptLineWidth = 68;
constexpr int kScriptWindowLines = 7;

// Outcome of one KMML_SkriptIzvrsavac::runStatements.
enum eScriptStep : uint8_t {
    ssAnswerMissing = 0,
    ssWait = 1,
    ssCommandFailed = 2,
    ssSyntaxError = 3,
    ssStatementTooLong = 4,
    ssUnfinishedStatement = 5,
    ssSubScript = 6,
    ssFinished = 7,
};

// Runs the statements of one script file and checks the answers it expects.
// While it exists it is listed in scriptExecutors() (when there is room).
class KMML_SkriptIzvrsavac {
public:
    // The stream stays the caller's.
    explicit KMML_SkriptIzvrsavac(FILE* stream);
    ~KMML_SkriptIzvrsavac();
    KMML_SkriptIzvrsavac(const KMML_SkriptIzvrsavac&) = delete;
    KMML_SkriptIzvrsavac& operator=(const KMML_SkriptIzvrsavac&) = delete;

    // Runs statements until one waits for answers (1, its wait in `wait`),
    // asks for a sub-script (6), fails (0, 2..5) or the file ends (7).
    // Waiting without the resume flag means an answer did not come (0).
    eScriptStep runStatements(uint8_t resume, uint32_t& wait);
    // Expects the texts (each cut to 249 characters, null as empty) in this
    // order as messages of the type, within the wait.
    void expectAnswers(int count, const char* const* texts, int32_t wait, uint8_t type);
    // Takes a message as the next expected answer when it begins with it,
    // byte for byte, and has only white space after it.
    void checkAnswer(uint8_t type, const char* text, int length);
    // Asks to run the script file (name cut to 99 characters) next.
    void requestSubScript(const char* name);
    // The script was stopped: no statement runs after the one running now.
    void abandon() { abandoned_ = true; }

    bool waiting() const { return waiting_ != 0; }
    int32_t wait() const { return wait_; }
    int32_t lineCounter() const { return lineCounter_; }
    int32_t expectedCount() const { return expectedCount_; }
    int32_t matchedCount() const { return matchedCount_; }
    const char* expected(int index) const { return expected_[index]; }
    const char* subScriptName() const { return subScriptName_; }

private:
    // Reads the next line behind the statement text; false at the end.
    bool readLine(char* statement, int& length);

    FILE* stream_;
    uint8_t waiting_ = 0;
    int32_t wait_ = 0;
    char expected_[kMaxExpectedAnswers][kExpectedAnswerSize] = {};
    uint8_t expectedType_ = 0;
    int32_t lineCounter_ = 0;
    int32_t expectedCount_ = 0;
    int32_t matchedCount_ = 0;
    uint8_t subScriptRequested_ = 0;
    char subScriptName_[kSubScriptNameSize] = "";
    bool abandoned_ = false;
};

// The live executors in pointer order; fixed at ten (one that finds it full
// is not listed and so never sees an answer).
class SScriptExecutorList : public KTSortArray<KMML_SkriptIzvrsavac*, KMML_SkriptIzvrsavac*> {
public:
    static constexpr uint32_t kCapacity = 10;
    SScriptExecutorList();
};
SScriptExecutorList& scriptExecutors();

// The executor whose statement runs now, null at all other times.
KMML_SkriptIzvrsavac* currentScriptExecutor();

// The directives, registered under their names with id -1; they have no
// template and help topic 0.
class KMML_SkriptDirektiva : public KMML_ObradjivacKomande {
public:
    const char* commandTemplate() override { return nullptr; }
    uint16_t helpTopic() override { return 0; }
};
// "izvrsi": runs the script file named by its one value, then goes on.
class KMML_izvrsi : public KMML_SkriptDirektiva {
public:
    eMmlStatus execute(int count, const SMML_Argument* args, char* errorText,
                       uint8_t journal) override;
};
// "odgovor": expects its values as answers within 1000 ms.
class KMML_odgovor : public KMML_SkriptDirektiva {
public:
    eMmlStatus execute(int count, const SMML_Argument* args, char* errorText,
                       uint8_t journal) override;
};
// "odgovor-vk": the first value is the wait in ms, the others the answers.
class KMML_odgovor_vk : public KMML_SkriptDirektiva {
public:
    eMmlStatus execute(int count, const SMML_Argument* args, char* errorText,
                       uint8_t journal) override;
};

// Registers "odgovor", "odgovor-vk" and "izvrsi" the first time it is called.
void registerScriptDirectives();
bool scriptDirectivesRegistered();
// Hands the arguments' values to the running script statement's executor;
// nothing when no script statement runs.
void setExpectedAnswers(int count, const SMML_Argument* args, int32_t wait, uint8_t type);

// Line helpers. stripScriptComment cuts the text at its first "#" outside
// double quotes (quoted: the text starts inside quotes) and returns whether
// its end lies inside quotes.
bool stripScriptComment(char* line, bool quoted = false);
bool isBlankScriptText(const char* text);
// True when the text holds a ";" outside double quotes.
bool hasStatementEnd(const char* text);

// Asks whether to stop the running script before its window closes; lets it
// close without asking when no script runs.
class KProveraUkidanjaSkripta : public IProvera {
public:
    bool confirmClose() override;
};
KProveraUkidanjaSkripta& scriptStopConfirmation();

// The runner of one script and its sub-scripts, one level per file, stepped
// by its timer and shown in its progress window.
class KAPOS_MML_SkriptIzvrsavac : public TTimerReceiver, public KProzorPracenjaProcesa {
public:
    // Takes the opened stream of the main script.
    KAPOS_MML_SkriptIzvrsavac(FILE* stream, const char* name);
    ~KAPOS_MML_SkriptIzvrsavac() override;

    void onTimer(const STimerEvent* event) override;
    // Destroys the runner, all its levels and its window; during its own step
    // the script stops at once and the runner goes when the step returns.
    void destroy();

    int32_t level() const { return level_; }
    const char* levelName(int level) const { return names_[level]; }
    KMML_SkriptIzvrsavac* executor(int level) const { return executors_[level]; }

protected:
    // A runner destroyed during its own step goes when the step ends.
    void releaseOwner() override;
    // Only the window of the script that runs asks before it closes: an
    // ended one closes at once, whatever script runs meanwhile.
    bool closeNeedsConfirmation() const override;

private:
    void openLevel(int level, FILE* stream, const char* name);
    void closeLevel(int level);
    void showProgress();
    void endWithError(const char* text);
    // The script has ended: its executors leave the list at once (an ended
    // script expects no answer), and nothing of it runs any more.
    void endScript();
    // Arms the next step; without a free timer the script ends with an error.
    bool armStep(uint32_t ms);
    void handleStep(eScriptStep step, uint32_t wait);
    void subScript();

    FILE* streams_[kScriptLevels] = {};
    KMML_SkriptIzvrsavac* executors_[kScriptLevels] = {};
    char names_[kScriptLevels][kScriptNameSize] = {};
    int32_t level_ = 0;
    bool inStep_ = false;
    bool destroyRequested_ = false;
};

// 1 while a script runs.
bool isScriptRunning();
// The runner started last (null after command 5006).
KAPOS_MML_SkriptIzvrsavac* scriptRunner();

// Command 5005: starts the script file, unless one runs already.
void startMmlScript(const char* fileName);
// Command 5006: stops the running script.
void stopMmlScript();
// Offers an operator text to every listed executor (the streams' hook).
void offerMessageToScriptExecutors(uint8_t type, const char* text, int length);

// Start step: fills the routine slots of commands 5005 and 5006 and the
// streams' hook; returns 0. The stop step destroys every runner left.
int installMmlScripts();
void removeMmlScripts();
