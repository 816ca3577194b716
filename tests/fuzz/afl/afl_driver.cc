// The fuzzing executable: "kelm_fuzz <target> <file>..." runs the target over
// each file; under afl-fuzz ("kelm_fuzz <target> @@") the fork server starts
// after the set-up below and each child runs many inputs. Named .cc so that
// the folder's test executable leaves it out.

#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "afl/trace_pc_glue.h"
#include "fuzz/fuzz_targets.h"
#include "link/udp_transport.h"

namespace {

std::vector<uint8_t> readInput(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || findFuzzTarget(argv[1]) == nullptr) {
        std::fprintf(stderr, "usage: %s <target> <file>...\ntargets:", argv[0]);
        for (const SFuzzTarget* t = fuzzTargets; t->name != nullptr; ++t)
            std::fprintf(stderr, " %s", t->name);
        std::fprintf(stderr, "\n");
        return 2;
    }
    const SFuzzTarget* target = findFuzzTarget(argv[1]);
    std::setlocale(LC_NUMERIC, "C");
    udpLocalPort = 0;  // a router a target builds binds a free port
    udpRemotePort = 0;
    // Inputs are named relative to where we were started; the targets write
    // into a scratch folder of their own.
    std::vector<std::string> files;
    char cwd[4096];
    const std::string base = getcwd(cwd, sizeof cwd) ? std::string(cwd) + "/" : std::string();
    for (int i = 2; i < argc; ++i) files.push_back(argv[i][0] == '/' ? argv[i] : base + argv[i]);
    // KELM_FUZZ_SCRATCH names the folder (made when missing); else a new temporary one.
    const char* given = std::getenv("KELM_FUZZ_SCRATCH");
    char temporary[] = "/tmp/kelm_fuzz_XXXXXX";
    if (given != nullptr) mkdir(given, 0700);
    const char* scratch = given != nullptr ? given : mkdtemp(temporary);
    if (scratch == nullptr || chdir(scratch) != 0) return 2;

    // One run before the fork server starts makes what the library builds on
    // first use (registries, indexes of the catalogue) once, not in every child.
    if (std::getenv("__AFL_SHM_ID") != nullptr) {
        const std::vector<uint8_t> first = readInput(files.front().c_str());
        target->run(first.data(), first.size());
    }
    if (startAflForkServer()) {
        // afl-fuzz writes each input to the same file. The child ends at once:
        // the exit handlers of the library and the sanitizers take long.
        while (nextAflRun()) {
            const std::vector<uint8_t> input = readInput(files.front().c_str());
            target->run(input.data(), input.size());
        }
        _exit(0);
    }
    for (const std::string& name : files) {
        const std::vector<uint8_t> input = readInput(name.c_str());
        target->run(input.data(), input.size());
    }
    if (given == nullptr) {
        std::string command = std::string("rm -rf ") + scratch;
        if (std::system(command.c_str()) != 0) return 1;
    }
    return 0;
}
