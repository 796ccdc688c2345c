// The fuzzers' seed corpora, run as the fuzzers run them: every seed keeps every invariant
// at every press, so a seed that stops doing so is seen without a fuzzing run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "press_script.hpp"
#include "script_run.hpp"

namespace wallcalc::fuzz {
namespace {

std::vector<std::filesystem::path> seeds(const char* directory) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    return files;
}

std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(SeedCorpus, EverySeedKeepsTheInvariants) {
    const auto files = seeds(WALLCALC_SEED_CORPUS);
    EXPECT_GE(files.size(), 20u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        const auto failure = runScript(parseScript(bytesOf(file), 16));
        if (failure) {
            for (const auto& broken : failure->broken)
                ADD_FAILURE() << broken;
        }
    }
}

}  // namespace
}  // namespace wallcalc::fuzz
