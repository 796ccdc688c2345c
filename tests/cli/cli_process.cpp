#include "cli_process.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <sstream>

extern char** environ;

namespace wallcalc::testing {

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::vector<cli::CsvRecord> csvRecords(const std::string& text) {
    cli::CsvReader reader(text);
    std::vector<cli::CsvRecord> out;
    while (auto r = reader.next())
        out.push_back(*r);
    EXPECT_EQ(reader.error(), "");
    return out;
}

std::string scratchFolder(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) /
                                         ("wallcalc-" + name + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

CliRun runCli(const std::vector<std::string>& args, bool withoutDisplay) {
    static int counter = 0;
    const std::string base = ::testing::TempDir() + "wallcalc-run-" + std::to_string(getpid()) +
                             "-" + std::to_string(++counter);
    const std::string outPath = base + ".out";
    const std::string errPath = base + ".err";

    std::vector<std::string> argvText{WALLCALC_CLI};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argvText)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envText;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry(*e);
        const bool display = entry.starts_with("DISPLAY=") ||
                             entry.starts_with("WAYLAND_DISPLAY=") ||
                             entry.starts_with("QT_QPA_PLATFORM=");
        if (!(withoutDisplay && display)) envText.push_back(entry);
    }
    std::vector<char*> envp;
    for (std::string& e : envText)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    CliRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        struct rusage usage {};
        wait4(pid, &status, 0, &usage);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.maxRssKb = usage.ru_maxrss;
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = readWhole(outPath);
    run.err = readWhole(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}

}  // namespace wallcalc::testing
