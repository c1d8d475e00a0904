#include "table/core/KeywordTable.h"

#include <algorithm>
#include <cassert>
#include <numeric>

namespace tw {

namespace {
constexpr std::array<const char*, KeywordTable::kColumnCount> kCaptions = {"No",     "Keywords", "Searches",
                                                                           "Google", "Yahoo",    "Msn"};
} // namespace

KeywordRow::KeywordRow(const std::array<std::string_view, kColumns>& cells, bool checked) : checked_(checked) {
    std::size_t total = 0;
    for (auto c : cells)
        total += c.size();
    text_.reserve(total);
    for (int i = 0; i < kColumns; ++i) {
        text_.append(cells[i]);
        end_[i] = static_cast<std::uint32_t>(text_.size());
    }
}

std::string_view KeywordRow::Cell(int column) const {
    const std::uint32_t begin = column == 0 ? 0 : end_[column - 1];
    return std::string_view(text_).substr(begin, end_[column] - begin);
}

void KeywordRow::SetCell(int column, std::string_view text) {
    const std::uint32_t begin = column == 0 ? 0 : end_[column - 1];
    const std::uint32_t oldSize = end_[column] - begin;
    text_.replace(begin, oldSize, text);
    const auto delta = static_cast<std::int64_t>(text.size()) - oldSize;
    for (int i = column; i < kColumns; ++i)
        end_[i] = static_cast<std::uint32_t>(end_[i] + delta);
}

std::string KeywordTable::ColumnCaption(int column) {
    return kCaptions.at(column);
}

int KeywordTable::Checked(int row) const {
    assert(row >= 0 && row < RowCount());
    return row;
}

KeywordRow KeywordTable::MakeRow(long long number, std::string_view keyword, std::string_view searches) {
    const std::string no = std::to_string(number);
    return KeywordRow({no, keyword, searches, {}, {}, {}});
}

void KeywordTable::AddKeywordRow(long long number, std::string_view keyword, std::string_view searches) {
    std::vector<KeywordRow> one;
    one.push_back(MakeRow(number, keyword, searches));
    AppendRows(std::move(one));
}

void KeywordTable::AppendRows(std::vector<KeywordRow> rows) {
    if (rows.empty())
        return;
    const int first = RowCount();
    if (listener_)
        listener_->BeforeInsert(first, first + static_cast<int>(rows.size()) - 1);
    // Grow geometrically: rows added one at a time must not copy the table each time.
    if (const std::size_t need = rows_.size() + rows.size(); need > rows_.capacity())
        rows_.reserve(std::max(need, rows_.capacity() * 2));
    for (auto& r : rows) {
        r.checked_ = false;
        Stamp(r);
        if (positionsValid_) {
            positionById_.resize(r.id_ + 1, -1);
            positionById_[r.id_] = RowCount();
        }
        rows_.push_back(std::move(r));
    }
    if (listener_)
        listener_->AfterInsert();
}

void KeywordTable::ReplaceRows(std::vector<KeywordRow> rows) {
    if (listener_)
        listener_->BeforeReset();
    rows_ = std::move(rows);
    for (auto& r : rows_) {
        r.checked_ = false;
        Stamp(r);
    }
    PositionsChanged();
    if (listener_)
        listener_->AfterReset();
    if (OnRowsRemoved)
        OnRowsRemoved();
}

void KeywordTable::SetCell(int row, int column, std::string_view text) {
    rows_[Checked(row)].SetCell(column, text);
    if (listener_)
        listener_->CellsChanged(row, row, column, column);
}

void KeywordTable::SetRowChecked(int row, bool checked) {
    rows_[Checked(row)].checked_ = checked;
    if (listener_)
        listener_->CellsChanged(row, row, 0, 0);
}

void KeywordTable::SetAllChecked(bool checked) {
    if (rows_.empty())
        return;
    for (auto& r : rows_)
        r.checked_ = checked;
    if (listener_)
        listener_->CellsChanged(0, RowCount() - 1, 0, 0);
}

void KeywordTable::DeleteRow(int row) {
    Checked(row);
    if (listener_)
        listener_->BeforeRemove(row, row);
    rows_.erase(rows_.begin() + row);
    PositionsChanged();
    if (listener_)
        listener_->AfterRemove();
    if (OnRowsRemoved)
        OnRowsRemoved();
}

void KeywordTable::DeleteCheckedRows() {
    // Tell the view about each run of checked rows, from the last run to the
    // first, so that the positions it is told about stay valid.
    bool removedAny = false;
    int end = RowCount();
    while (end > 0) {
        int last = end - 1;
        while (last >= 0 && !rows_[last].checked_)
            --last;
        if (last < 0)
            break;
        int first = last;
        while (first > 0 && rows_[first - 1].checked_)
            --first;
        if (listener_)
            listener_->BeforeRemove(first, last);
        rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
        if (listener_)
            listener_->AfterRemove();
        removedAny = true;
        end = first;
    }
    if (removedAny) {
        PositionsChanged();
        if (OnRowsRemoved)
            OnRowsRemoved();
    }
}

void KeywordTable::ClearRows() {
    if (listener_)
        listener_->BeforeReset();
    rows_.clear();
    rows_.shrink_to_fit();
    PositionsChanged();
    if (listener_)
        listener_->AfterReset();
    if (OnRowsRemoved)
        OnRowsRemoved();
}

std::optional<int> KeywordTable::PositionOf(RowId id) const {
    if (!positionsValid_) {
        positionById_.assign(nextId_, -1);
        for (int i = 0; i < RowCount(); ++i)
            positionById_[rows_[i].id_] = i;
        positionsValid_ = true;
    }
    if (id >= positionById_.size() || positionById_[id] < 0)
        return std::nullopt;
    return positionById_[id];
}

void KeywordTable::PositionsChanged() {
    positionsValid_ = false;
    positionById_.clear();
}

void KeywordTable::SortRows(const Compare& compare, int parameter) {
    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return compare(rows_[a], rows_[b], parameter) < 0; });
    ApplyOrder(order);
}

void KeywordTable::ApplyOrder(const std::vector<int>& order) {
    assert(order.size() == rows_.size());
    if (listener_)
        listener_->BeforeReorder();
    std::vector<KeywordRow> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> newPositionOf(rows_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(rows_[order[i]]));
        newPositionOf[order[i]] = static_cast<int>(i);
    }
    rows_ = std::move(sorted);
    PositionsChanged();
    if (listener_)
        listener_->AfterReorder(newPositionOf);
}

void KeywordTable::SetColumnClick(bool on) {
    columnClick_ = on;
    if (OnColumnClickChanged)
        OnColumnClickChanged(on);
}

std::string KeywordTable::RowCountText(RowCountStyle style, long long count) {
    return style == rcTotal ? "Total: " + std::to_string(count) : std::to_string(count) + " items listed";
}

void KeywordTable::UpdateRowCount(RowCountStyle style) {
    if (OnRowCountText)
        OnRowCountText(RowCountText(style, RowCount()));
}

} // namespace tw
