// Targets of MML text: statements as the operator types them, bound to the
// parameters of the real command handlers, and script files.

#include <cstdio>
#include <cstring>
#include <string>

#include "fuzz/fuzz_targets.h"
#include "link/timer_pool.h"
#include "mml/command_handlers.h"
#include "mml/mml_registry.h"
#include "mml/mml_script.h"
#include "mml/mml_statement.h"
#include "platform/tick.h"

namespace {

bool terminatedWithin(const char* text, size_t size) {
    return std::memchr(text, '\0', size) != nullptr;
}

// The handlers of the operator commands, with the stand-in executor: a
// statement is bound and checked but sends nothing.
void registerHandlersOnce() {
    static const bool done = (registerCommandHandlers(), registerScriptDirectives(), true);
    (void)done;
}

}  // namespace

// One statement: split within its fields, then run through the registry,
// which binds its arguments to the command's declared parameters.
void fuzzMmlStatement(const uint8_t* data, size_t size) {
    registerHandlersOnce();
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (int maxCount : {1, kMaxTypedArguments, kMaxScriptArguments}) {
        char name[kMmlFieldSize];
        SMML_Argument args[kMaxScriptArguments];
        int count = -1;
        if (parseMmlStatement(text.c_str(), name, kMmlTokenLimit, maxCount, count, args) != 0)
            continue;
        FUZZ_CHECK(terminatedWithin(name, sizeof name));
        FUZZ_CHECK(count >= 0);
        const int filled = count < maxCount ? count : maxCount;
        for (int i = 0; i < filled; ++i) {
            FUZZ_CHECK(terminatedWithin(args[i].name, sizeof args[i].name));
            FUZZ_CHECK(terminatedWithin(args[i].value, sizeof args[i].value));
        }
        if (count > maxCount) continue;
        char errorText[kMmlErrorTextSize];
        std::memset(errorText, 0, sizeof errorText);
        mmlExecutor().runCommand(name, count, args, errorText, 0);
        FUZZ_CHECK(terminatedWithin(errorText, sizeof errorText));
    }
}

// A script file, run statement by statement as its timer would, the
// expected answers never coming.
void fuzzMmlScript(const uint8_t* data, size_t size) {
    registerHandlersOnce();
    platform::TestTickSource clock;
    platform::setTickSource(&clock);
    resetProgramClock();
    initTimers();
    FILE* stream = std::tmpfile();
    if (stream == nullptr) return;
    if (size > 0) std::fwrite(data, 1, size, stream);
    std::rewind(stream);
    {
        KMML_SkriptIzvrsavac script(stream);
        uint8_t resume = 0;
        for (int step = 0; step < 1000; ++step) {
            uint32_t wait = 0;
            const eScriptStep result = script.runStatements(resume, wait);
            FUZZ_CHECK(script.expectedCount() >= 0 &&
                       script.expectedCount() <= kMaxExpectedAnswers);
            for (int i = 0; i < script.expectedCount(); ++i)
                FUZZ_CHECK(terminatedWithin(script.expected(i), kExpectedAnswerSize));
            FUZZ_CHECK(terminatedWithin(script.subScriptName(), kSubScriptNameSize));
            FUZZ_CHECK(script.lineCounter() >= 0 &&
                       static_cast<size_t>(script.lineCounter()) <= size + 1);
            if (result == ssWait) {
                script.checkAnswer(kAnswerMessageType, "OK", 2);
                resume = 1;
            } else if (result == ssSubScript || result == ssCommandFailed) {
                resume = 0;  // the runner goes on after a sub-script; here after a failure too
            } else {
                break;
            }
        }
    }
    std::fclose(stream);
    platform::setTickSource(nullptr);
}
