#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

enum RowCountStyle { rcItemsListed, rcTotal };

// Stable identity of a row from the moment it is added; never reused.
using RowId = std::uint64_t;

// Six texts and a check mark. The texts are kept in one buffer, so that a
// million rows cost about a hundred bytes each.
class KeywordRow {
public:
    static constexpr int kColumns = 6;

    KeywordRow() = default;
    KeywordRow(const std::array<std::string_view, kColumns>& cells, bool checked = false);

    std::string_view Cell(int column) const;
    void SetCell(int column, std::string_view text);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }
    RowId Id() const { return id_; }

private:
    friend class KeywordTable;
    std::string text_;
    std::array<std::uint32_t, kColumns> end_{};
    bool checked_ = false;
    RowId id_ = 0;
};

// What the view adapter needs to hear so that it repaints only what changed.
class KeywordTableListener {
public:
    virtual ~KeywordTableListener() = default;
    virtual void BeforeInsert(int first, int last) = 0;
    virtual void AfterInsert() = 0;
    virtual void BeforeRemove(int first, int last) = 0;
    virtual void AfterRemove() = 0;
    virtual void BeforeReset() = 0;
    virtual void AfterReset() = 0;
    virtual void CellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn) = 0;
    virtual void BeforeReorder() = 0;
    // newPositionOf[old position] = new position.
    virtual void AfterReorder(const std::vector<int>& newPositionOf) = 0;
};

// The keyword table: rows addressed by position in display order. Positions
// passed in must exist; the operations do not check beyond a debug assert.
class KeywordTable {
public:
    static constexpr int kColumnCount = KeywordRow::kColumns;
    using Compare = std::function<int(const KeywordRow&, const KeywordRow&, int)>;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColumnCount() const { return kColumnCount; }
    static std::string ColumnCaption(int column);

    void AddKeywordRow(long long number, std::string_view keyword, std::string_view searches);
    // Appends many rows with one notification; each is a row as AddKeywordRow makes it.
    void AppendRows(std::vector<KeywordRow> rows);
    // Replaces every row with one reset notification.
    void ReplaceRows(std::vector<KeywordRow> rows);

    std::string_view GetCell(int row, int column) const { return rows_[Checked(row)].Cell(column); }
    void SetCell(int row, int column, std::string_view text);
    bool IsRowChecked(int row) const { return rows_[Checked(row)].Checked(); }
    void SetRowChecked(int row, bool checked);
    // Sets every check mark with one ranged notification.
    void SetAllChecked(bool checked);

    void DeleteRow(int row);
    // Deletes every checked row, as walking from the last position down with
    // DeleteRow would, but in one pass.
    void DeleteCheckedRows();
    void ClearRows();

    const KeywordRow& Row(int row) const { return rows_[Checked(row)]; }
    RowId IdAt(int row) const { return rows_[Checked(row)].id_; }
    // Current position of a row, or nothing once it is gone. Cheap: an index
    // rebuilt once after each deletion or reorder, not on every look-up.
    std::optional<int> PositionOf(RowId id) const;
    // Called whenever rows go away, with the table already changed.
    std::function<void()> OnRowsRemoved;

    // Stable sort by compare(a, b, parameter) < 0.
    void SortRows(const Compare& compare, int parameter);
    // Moves the rows into a new order: order[i] is the old position of the
    // row that goes to position i. One notification.
    void ApplyOrder(const std::vector<int>& order);

    // Column headings react to clicks only while this is on.
    bool ColumnClick() const { return columnClick_; }
    void SetColumnClick(bool on);
    std::function<void(int column)> OnColumnClick;
    std::function<void(bool on)> OnColumnClickChanged;

    // Writes the row count text through OnRowCountText.
    void UpdateRowCount(RowCountStyle style);
    static std::string RowCountText(RowCountStyle style, long long count);
    std::function<void(const std::string&)> OnRowCountText;

    void SetListener(KeywordTableListener* listener) { listener_ = listener; }

    // A row as AddKeywordRow makes it, ready for AppendRows or ReplaceRows.
    static KeywordRow MakeRow(long long number, std::string_view keyword, std::string_view searches);

private:
    int Checked(int row) const;
    void Stamp(KeywordRow& row) { row.id_ = nextId_++; }
    void PositionsChanged();

    std::vector<KeywordRow> rows_;
    RowId nextId_ = 0;
    bool columnClick_ = true;
    KeywordTableListener* listener_ = nullptr;
    mutable std::vector<int> positionById_;
    mutable bool positionsValid_ = true;
};

} // namespace tw
