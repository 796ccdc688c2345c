#include "first_paint_probe.hpp"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace startup {
namespace {

long long monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

// A field of /proc/self/status in kB ("VmRSS", "VmHWM"), or -1.
long statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
    }
    return -1;
}

class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The children paint and the frame is flushed before queued calls run.
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

  private:
    void report() {
        const long long now = monotonicNs();
        std::printf("paint_ns=%lld rss_kb=%ld hwm_kb=%ld size=%dx%d\n", now, statusKb("VmRSS"),
                    statusKb("VmHWM"), window_.width(), window_.height());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget& window_;
    bool seen_ = false;
};

}  // namespace

void reportFirstPaint(QWidget& window) {
    new FirstPaint(window);
}

}  // namespace startup
