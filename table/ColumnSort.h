#pragma once

#include "table/core/KeywordTable.h"

#include <QCollator>
#include <QLocale>
#include <string_view>

namespace tw {

// Keywords compare by the user's locale collation, ignoring letter case.
class KeywordCollation {
public:
    KeywordCollation(); // the user's locale
    explicit KeywordCollation(const QLocale& locale);
    int Compare(std::string_view a, std::string_view b) const;
    // Keys compare as the texts do; worked out once per row for a sort.
    QCollatorSortKey Key(std::string_view text) const;

private:
    QString Prepare(std::string_view text) const;
    QCollator collator_;
    bool fold_ = false;
};

// How a click on a column heading orders two rows: "No" and the count
// columns as numbers, "Keywords" by collation; reversed when descending.
class ItemComparer {
public:
    explicit ItemComparer(bool ascending);
    int CompareItems(const KeywordRow& a, const KeywordRow& b, int column) const;

private:
    KeywordCollation collation_;
    bool ascending_;
};

// Sorts the table by one column with the same result as SortRows with
// CompareItems, but works out each row's key once and moves the rows, check
// marks included, in one step.
void SortByColumn(KeywordTable& table, int column, bool ascending);

} // namespace tw
