#pragma once
// Calculation sheets written on several threads, so that a batch's sheets use every core
// while its rows are read and computed on the calling thread.
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "wallcalc/cli/sheet_writer.hpp"

namespace wallcalc::cli {

// What the sheet of one row needs.
struct SheetOrder {
    PressResult press;
    std::string name;
    ProjectInfo project;
    std::string path;
};

class SheetPool {
  public:
    SheetPool(SheetWriter& writer, unsigned threads);
    ~SheetPool();  // writes the sheets handed in, then ends the threads
    SheetPool(const SheetPool&) = delete;
    SheetPool& operator=(const SheetPool&) = delete;

    // The sheet is written as soon as a thread is free; the future tells what became of it.
    std::future<SheetOutcome> submit(SheetOrder order);

  private:
    void work();

    SheetWriter& writer_;
    std::mutex mutex_;
    std::condition_variable ordered_;
    std::deque<std::packaged_task<SheetOutcome()>> orders_;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace wallcalc::cli
