// The fuzzer's seed corpus, run as the fuzzer runs it: every seed keeps every invariant
// at every press, so a seed that stops doing so is seen without a fuzzing run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "press_script.hpp"
#include "script_run.hpp"

namespace wallcalc::fuzz {
namespace {

std::vector<std::filesystem::path> seeds() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(WALLCALC_SEED_CORPUS)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    return files;
}

TEST(SeedCorpus, EverySeedKeepsTheInvariants) {
    const auto files = seeds();
    EXPECT_GE(files.size(), 20u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        std::ifstream in(file, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const auto failure = runScript(parseScript(bytes.str(), 16));
        if (failure) {
            for (const auto& broken : failure->broken)
                ADD_FAILURE() << broken;
        }
    }
}

}  // namespace
}  // namespace wallcalc::fuzz
