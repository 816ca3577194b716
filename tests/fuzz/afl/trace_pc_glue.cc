// Coverage of GCC's -fsanitize-coverage=trace-pc in AFL's shared-memory map,
// and AFL's fork server. GCC calls __sanitizer_cov_trace_pc at the start of
// every basic block; the return address names the block, and the pair of the
// previous and the current block is one edge of AFL's 64 KiB map.
//
// The fork server keeps a child for many inputs (AFL's persistent mode): a
// fork and an exit of a sanitized process of this size cost more than a
// hundred runs of most targets. The child stops itself after each input and
// the server lets it go on with the next, until it has run kRunsPerChild.
//
// This file is compiled without coverage and without sanitizers.

#include "trace_pc_glue.h"

#include <signal.h>
#include <sys/shm.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace {

constexpr uint32_t kMapSize = 1u << 16;  // AFL's default map
constexpr int kControlFd = 198;          // fuzzer to fork server
constexpr int kStatusFd = 199;           // fork server to fuzzer

constexpr uint32_t kRunsPerChild = 2000;

// afl-fuzz looks for this text in the program to run it in persistent mode.
volatile const char persistentSignature[] = "##SIG_AFL_PERSISTENT##";

uint8_t unusedMap[kMapSize];
uint8_t* coverageMap = unusedMap;
uint32_t previousBlock = 0;
uint32_t runs = 0;

}  // namespace

extern "C" __attribute__((no_sanitize("address", "undefined"))) void __sanitizer_cov_trace_pc() {
    const auto pc = reinterpret_cast<uintptr_t>(__builtin_return_address(0));
    const uint32_t block = static_cast<uint32_t>((pc ^ (pc >> 17)) * 2654435761u) >> 16;
    ++coverageMap[(block ^ previousBlock) & (kMapSize - 1)];
    previousBlock = block >> 1;
}

bool startAflForkServer() {
    // The name of the variable also tells afl-fuzz that the program is instrumented.
    const char* id = std::getenv("__AFL_SHM_ID");
    if (id == nullptr) return false;
    void* map = shmat(std::atoi(id), nullptr, 0);
    if (map == reinterpret_cast<void*>(-1)) _exit(1);
    coverageMap = static_cast<uint8_t*>(map);
    // The old protocol: a zero hello, then per input the fuzzer's go, the
    // child's pid and the child's wait status.
    const uint32_t hello = 0;
    if (write(kStatusFd, &hello, 4) != 4) return true;  // no fork server wanted: run once
    (void)persistentSignature[0];
    pid_t child = -1;
    bool stopped = false;
    for (;;) {
        uint32_t killed = 0;
        if (read(kControlFd, &killed, 4) != 4) _exit(1);
        // A stopped child that afl-fuzz killed on a time-out is reaped here.
        if (stopped && killed != 0) {
            stopped = false;
            int status = 0;
            if (waitpid(child, &status, 0) < 0) _exit(1);
        }
        if (stopped) {
            stopped = false;
            kill(child, SIGCONT);
        } else {
            child = fork();
            if (child < 0) _exit(1);
            if (child == 0) {
                close(kControlFd);
                close(kStatusFd);
                previousBlock = 0;
                runs = 0;
                return true;
            }
        }
        if (write(kStatusFd, &child, 4) != 4) _exit(1);
        int status = 0;
        if (waitpid(child, &status, WUNTRACED) < 0) _exit(1);
        stopped = WIFSTOPPED(status);
        if (write(kStatusFd, &status, 4) != 4) _exit(1);
    }
}

bool nextAflRun() {
    if (runs++ == 0) return true;
    if (runs > kRunsPerChild) return false;
    raise(SIGSTOP);
    previousBlock = 0;
    return true;
}
