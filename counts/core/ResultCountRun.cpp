#include "counts/core/ResultCountRun.h"

#include "counts/core/ResultCounts.h"

namespace tw {

ResultCountRun::ResultCountRun(KeywordTable& table, PageSource& pages, bool& stopRequested, bool precise, Hooks hooks)
    : table_(table), pages_(pages), stopRequested_(stopRequested), precise_(precise), hooks_(std::move(hooks)) {
    previousOnRowsRemoved_ = table_.OnRowsRemoved;
    table_.OnRowsRemoved = [this] {
        if (previousOnRowsRemoved_)
            previousOnRowsRemoved_();
        RowsRemoved();
    };
}

ResultCountRun::~ResultCountRun() {
    table_.OnRowsRemoved = std::move(previousOnRowsRemoved_);
}

void ResultCountRun::Run() {
    // The rows are taken once: rows added during the run are not asked.
    const int n = table_.RowCount();
    rows_.clear();
    rows_.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        rows_.push_back(table_.IdAt(i));

    struct Running {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
    } running(running_);

    for (current_ = 0; current_ < rows_.size(); ++current_) {
        if (stopRequested_)
            return;
        const RowId id = rows_[current_];
        for (const SearchEngine& engine : kSearchEngines) {
            // The keyword is read again for every engine, from wherever the
            // row stands now.
            const auto before = table_.PositionOf(id);
            if (!before)
                break;
            const std::string address = EngineAddress(engine, precise_, table_.GetCell(*before, 1));
            std::string page;
            if (!pages_.GetPage(address, page))
                continue;
            const std::string value = CutCount(engine, std::move(page));
            // The download pumped events: the row may have moved or gone.
            if (const auto after = table_.PositionOf(id))
                table_.SetCell(*after, engine.column, value);
            if (hooks_.pump)
                hooks_.pump();
            if (stopRequested_)
                return;
        }
    }
}

bool ResultCountRun::AnyRowLeftToAsk() const {
    for (std::size_t i = current_; i < rows_.size(); ++i)
        if (table_.PositionOf(rows_[i]))
            return true;
    return false;
}

void ResultCountRun::RowsRemoved() {
    if (!running_ || endedByRemoval_ || stopRequested_ || AnyRowLeftToAsk())
        return;
    endedByRemoval_ = true;
    stopRequested_ = true;
    pages_.Disconnect();
    if (hooks_.rowsGone)
        hooks_.rowsGone();
}

} // namespace tw
