#pragma once

#include "table/core/KeywordTable.h"
#include "web/core/PageSource.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace tw {

// One "Gather Data" run: asks every engine for every row that the table held
// when the run began, and writes each count into the row it was asked for.
//
// Rows are followed by identity, not by position, because the window keeps
// handling clicks during the run: a row deleted meanwhile is skipped, a row
// that moved still gets its own counts, and rows added later are not asked.
// When none of the rows still to be asked is left, the run ends at once as
// the Stop button ends it, so that emptying the table never leaves a
// download hanging.
class ResultCountRun {
public:
    struct Hooks {
        // Lets the window handle waiting events; called after every page.
        std::function<void()> pump;
        // Puts the window back as Stop does (caption, sorting) when the run
        // ends because its rows are gone. Runs inside the handler that
        // removed them, so it must not pump.
        std::function<void()> rowsGone;
    };

    ResultCountRun(KeywordTable& table, PageSource& pages, bool& stopRequested, bool precise, Hooks hooks);
    ~ResultCountRun();
    ResultCountRun(const ResultCountRun&) = delete;
    ResultCountRun& operator=(const ResultCountRun&) = delete;

    // Walks the rows; returns when every row is done or the stop flag is set.
    // A failure of the page source passes out unchanged.
    void Run();

    // True once the run was ended because its rows were removed.
    bool EndedByRemoval() const { return endedByRemoval_; }

private:
    void RowsRemoved();
    bool AnyRowLeftToAsk() const;

    KeywordTable& table_;
    PageSource& pages_;
    bool& stopRequested_;
    const bool precise_;
    Hooks hooks_;
    std::function<void()> previousOnRowsRemoved_;
    std::vector<RowId> rows_;
    std::size_t current_ = 0;
    bool running_ = false;
    bool endedByRemoval_ = false;
};

} // namespace tw
