// Replays every file of corpus/<target>/ through its target: the seeds and
// every input that ever crashed a target, so a fixed crash stays fixed.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fuzz/fuzz_targets.h"
#include "peer/work_dir.h"

// A target shows as its name in the names of the tests.
void PrintTo(const SFuzzTarget& target, std::ostream* out) {
    *out << target.name;
}

namespace {

namespace fs = std::filesystem;

const fs::path corpusRoot = fs::path(__FILE__).parent_path() / "corpus";

std::vector<fs::path> corpusFiles(const char* target) {
    std::vector<fs::path> files;
    const fs::path dir = corpusRoot / target;
    if (fs::is_directory(dir))
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class CorpusReplay : public ::testing::TestWithParam<SFuzzTarget> {};

TEST_P(CorpusReplay, EveryFileRunsThroughItsTarget) {
    const SFuzzTarget& target = GetParam();
    const std::vector<fs::path> files = corpusFiles(target.name);
    ASSERT_FALSE(files.empty()) << "no corpus for " << target.name;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        // A crash ends the process before any trace is printed: say the input first.
        std::fprintf(stderr, "replaying %s/%s\n", target.name, file.filename().c_str());
        std::ifstream in(file, std::ios::binary);
        const std::vector<uint8_t> input((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        ScopedWorkDir scratch;
        target.run(input.data(), input.size());
    }
}

std::vector<SFuzzTarget> allTargets() {
    std::vector<SFuzzTarget> targets;
    for (const SFuzzTarget* t = fuzzTargets; t->name != nullptr; ++t) targets.push_back(*t);
    return targets;
}

INSTANTIATE_TEST_SUITE_P(Fuzz, CorpusReplay, ::testing::ValuesIn(allTargets()),
                         [](const ::testing::TestParamInfo<SFuzzTarget>& info) {
                             return std::string(info.param.name);
                         });

// Every corpus folder belongs to a target: a renamed target keeps its inputs.
TEST(CorpusReplay, EveryCorpusFolderHasItsTarget) {
    for (const auto& entry : fs::directory_iterator(corpusRoot))
        EXPECT_NE(findFuzzTarget(entry.path().filename().c_str()), nullptr)
            << entry.path().filename();
}

}  // namespace
