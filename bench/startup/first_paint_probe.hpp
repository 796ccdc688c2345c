#pragma once
// What the start-up probes report: the moment their window has painted for the first
// time (CLOCK_MONOTONIC, so the launching process can subtract its own launch time) and
// the process's memory at that moment.
#include <QObject>

class QWidget;

namespace startup {

// Watches `window` and, once its first paint has been flushed, prints one line
//   paint_ns=<monotonic ns> rss_kb=<VmRSS> hwm_kb=<VmHWM> size=<w>x<h>
// to standard output and quits the application's event loop.
void reportFirstPaint(QWidget& window);

}  // namespace startup
