#include "sheet_pool.hpp"

namespace wallcalc::cli {

SheetPool::SheetPool(SheetWriter& writer, unsigned threads) : writer_(writer) {
    for (unsigned i = 0; i < std::max(threads, 1u); ++i)
        threads_.emplace_back([this] { work(); });
}

SheetPool::~SheetPool() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    ordered_.notify_all();
    for (std::thread& t : threads_)
        t.join();
}

std::future<SheetOutcome> SheetPool::submit(SheetOrder order) {
    std::packaged_task<SheetOutcome()> task([this, order = std::move(order)] {
        return writer_.write(order.press, order.name, order.project, order.path);
    });
    auto written = task.get_future();
    {
        std::lock_guard lock(mutex_);
        orders_.push_back(std::move(task));
    }
    ordered_.notify_one();
    return written;
}

void SheetPool::work() {
    for (;;) {
        std::packaged_task<SheetOutcome()> task;
        {
            std::unique_lock lock(mutex_);
            ordered_.wait(lock, [this] { return closing_ || !orders_.empty(); });
            if (orders_.empty()) return;
            task = std::move(orders_.front());
            orders_.pop_front();
        }
        task();
    }
}

}  // namespace wallcalc::cli
