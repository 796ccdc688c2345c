// The wallcalc-cli program itself: its output, exit status and session stream.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct Ran {
    std::string out;
    int status = -1;
};

Ran run(const std::string& arguments) {
    Ran r;
    const std::string command = std::string(WALLCALC_CLI) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        r.out.append(buf.data(), n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(CommandLine, DefaultsInOrdinaryWorks) {
    const Ran r = run("--mode ordinary");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("MBk（kN.m）：106.067\n"), std::string::npos);
    EXPECT_NE(r.out.find("Wmax（mm）：0.165\n"), std::string::npos);
    EXPECT_NE(r.out.find("\r\n    则实际所配钢筋为 18@200+20@200（依次类推）\n"),
              std::string::npos);
}

TEST(CommandLine, ExitStatus) {
    EXPECT_EQ(run("").status, 1) << "no option clicked: the reminder";
    EXPECT_EQ(run("--mode ordinary --case C").status, 1) << "elevations do not fit";
    EXPECT_EQ(run("--mode civil-defence --qrf 50 --case C --h2 -7").status, 0);
    EXPECT_EQ(run("--mode sometimes").status, 2);
    EXPECT_EQ(run("--thickness 350").status, 2);
    EXPECT_EQ(run("--mode ordinary --concrete C33").status, 2);
    EXPECT_EQ(run("--mode ordinary --h1").status, 2);
}

TEST(CommandLine, JsonOfOnePress) {
    const Ran r = run("--mode civil-defence --qrf 50 --case B --h2 -3.45 --json");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find(R"("MBk":"179.662")"), std::string::npos);
    EXPECT_NE(r.out.find(R"("crackAs":" ")"), std::string::npos);
}

TEST(CommandLine, SessionWritesOneLinePerLine) {
    const std::string path = testing::TempDir() + "session.jsonl";
    std::ofstream(path) << "{\"mode\": \"ordinary\"}\r\nnot json\n{\"case\": \"C\"}\n";
    const Ran r = run("--session " + path);
    EXPECT_EQ(r.status, 0);
    std::size_t lines = 0;
    for (char c : r.out)
        lines += c == '\n';
    EXPECT_EQ(lines, 3u);
    EXPECT_EQ(r.out.rfind("{\"completed\":true", 0), 0u);
    EXPECT_NE(r.out.find("\n{\"error\":"), std::string::npos);
    EXPECT_NE(r.out.find("输入标高与实际情况不符"), std::string::npos);
}

}  // namespace
