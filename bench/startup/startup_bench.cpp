// startup_bench: launches the window's probe and the bare window's probe in turn, N
// times each after one warm-up launch, and reports the time from launch to the first
// paint and the peak memory at that paint, with the ratios program / bare. A third
// probe, the bare window with one line of Chinese text, shows what any window of this
// program pays for its fonts before it has a single control.
//
//   startup_bench [--runs N] [--check]
//
// --check exits with 3 when a ratio exceeds 1.2. The platform is the environment's
// (xvfb-run for X11, QT_QPA_PLATFORM=offscreen without a display).
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Launch {
    double msToPaint = 0;
    long hwmKb = 0;
    std::string size;
};

long long monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

// Starts `program` with its arguments and reads its report line.
std::optional<Launch> launch(const char* program, const std::vector<std::string>& args) {
    int out[2];
    if (pipe(out) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv{const_cast<char*>(program)};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const long long start = monotonicNs();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return std::nullopt;
    }
    std::string line;
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        line.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    long long paintNs = 0;
    long rssKb = 0, hwmKb = 0;
    char size[32] = {};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(line.c_str(), "paint_ns=%lld rss_kb=%ld hwm_kb=%ld size=%31s", &paintNs, &rssKb,
                    &hwmKb, size) != 4) {
        std::fprintf(stderr, "startup_bench: %s reported no paint: %s\n", program, line.c_str());
        return std::nullopt;
    }
    return Launch{double(paintNs - start) / 1e6, hwmKb, size};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

struct Series {
    std::vector<double> ms, mb;
    void add(const Launch& l) {
        ms.push_back(l.msToPaint);
        mb.push_back(double(l.hwmKb) / 1024);
    }
};

void print(const char* name, const Series& s) {
    std::printf("%-10s  %8.1f  %8.1f  %8.1f  %8.1f\n", name, median(s.ms),
                *std::min_element(s.ms.begin(), s.ms.end()),
                *std::max_element(s.ms.begin(), s.ms.end()), median(s.mb));
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 20;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--runs") && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (!std::strcmp(argv[i], "--check")) {
            check = true;
        } else {
            std::fprintf(stderr, "usage: startup_bench [--runs N] [--check]\n");
            return 2;
        }
    }
    // The warm-up launch also tells the size of the program's window.
    const auto warm = launch(PROBE_WALLCALC, {});
    if (!warm) return 1;
    const std::string size = warm->size;
    const std::vector<std::string> probeArgs[] = {{}, {size}, {size, "--text"}};
    const char* probes[] = {PROBE_WALLCALC, PROBE_BARE, PROBE_BARE};
    if (!launch(PROBE_BARE, probeArgs[1]) || !launch(PROBE_BARE, probeArgs[2])) return 1;

    Series series[3];
    for (int i = 0; i < runs; ++i) {
        // Rotate which goes first, so that none always finds the caches warmer.
        for (int k = 0; k < 3; ++k) {
            const int which = (i + k) % 3;
            const auto l = launch(probes[which], probeArgs[which]);
            if (!l) return 1;
            series[which].add(*l);
        }
    }
    const Series& program = series[0];
    const Series& bare = series[1];
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("window %s, %d launches each, platform %s\n", size.c_str(), runs,
                platform ? platform : "(default)");
    std::printf("%-10s  %8s  %8s  %8s  %8s\n", "", "ms med", "ms min", "ms max", "MB peak");
    print("wallcalc", program);
    print("bare", bare);
    print("bare+text", series[2]);
    const double timeRatio = median(program.ms) / median(bare.ms);
    const double memoryRatio = median(program.mb) / median(bare.mb);
    std::printf("ratio       time %.2f  memory %.2f  (goal: at most 1.2 each)\n", timeRatio,
                memoryRatio);
    if (check && (timeRatio > 1.2 || memoryRatio > 1.2)) return 3;
    return 0;
}
