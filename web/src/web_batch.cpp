#include "web_batch.hpp"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace wallcalc::web {
namespace {

using Json = nlohmann::ordered_json;

std::string dump(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

std::string WebBatch::start(std::string text) {
    clear();
    text_ = std::move(text);
    const auto lines = std::count(text_.begin(), text_.end(), '\n') +
                       (text_.empty() || text_.back() == '\n' ? 0 : 1);
    reader_.emplace(text_);
    run_ = std::make_unique<cli::BatchRun>(
        *reader_, [this](const std::string& record) { results_ += record; });
    if (run_->done()) {  // the header stopped it
        const std::string why = run_->finish().error;
        clear();
        return dump({{"error", why}});
    }
    return dump({{"lines", lines}});
}

std::string WebBatch::step(std::size_t rows) {
    if (!run_) return dump({{"rows", 0}, {"line", 0}, {"done", true}});
    run_->step(rows);
    return dump({{"rows", run_->counts().rows}, {"line", reader_->line()}, {"done", run_->done()}});
}

std::string WebBatch::finish() {
    if (!run_) return "{}";
    const cli::BatchOutcome outcome = run_->finish();
    run_.reset();
    reader_.reset();
    text_ = std::string();
    return dump({{"summary", cli::batchSummary(outcome.counts)},
                 {"unchosen", cli::unchosenAdvice(outcome.counts)},
                 {"stopped", outcome.error}});
}

void WebBatch::clear() {
    run_.reset();
    reader_.reset();
    text_ = std::string();
    results_ = std::string();
}

}  // namespace wallcalc::web
