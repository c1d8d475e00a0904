#include "table/ColumnSort.h"

#include "app/ui/QtText.h"
#include "table/core/Numbers.h"

#include <QLocale>
#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

namespace tw {

namespace {
constexpr int kKeywordsColumn = 1;

// Number keys sort as (key, position) pairs: the same order a stable sort of
// positions by key gives, without the indirection.
struct NumberKey {
    std::int32_t key;
    std::int32_t position;
};

std::vector<int> NumberOrder(const KeywordTable& table, int column, bool ascending) {
    std::vector<NumberKey> keys(static_cast<std::size_t>(table.RowCount()));
    for (int i = 0; i < table.RowCount(); ++i)
        keys[static_cast<std::size_t>(i)] = {CountValue(table.GetCell(i, column)), i};
    if (ascending)
        std::sort(keys.begin(), keys.end(), [](const NumberKey& a, const NumberKey& b) {
            return a.key != b.key ? a.key < b.key : a.position < b.position;
        });
    else
        std::sort(keys.begin(), keys.end(), [](const NumberKey& a, const NumberKey& b) {
            return a.key != b.key ? a.key > b.key : a.position < b.position;
        });
    std::vector<int> order(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        order[i] = keys[i].position;
    return order;
}

std::vector<int> KeywordOrder(const KeywordTable& table, bool ascending) {
    const KeywordCollation collation;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<std::size_t>(table.RowCount()));
    for (int i = 0; i < table.RowCount(); ++i)
        keys.push_back(collation.Key(table.GetCell(i, kKeywordsColumn)));
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]);
        return ascending ? c < 0 : c > 0;
    });
    return order;
}
} // namespace

KeywordCollation::KeywordCollation() : KeywordCollation(QLocale()) {}

KeywordCollation::KeywordCollation(const QLocale& locale) : collator_(locale) {
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    // The C locale's collation compares code points and its sort keys keep
    // letter case, so there the texts are case-folded first.
    fold_ = locale.language() == QLocale::C;
}

QString KeywordCollation::Prepare(std::string_view text) const {
    return fold_ ? ToQ(text).toCaseFolded() : ToQ(text);
}

int KeywordCollation::Compare(std::string_view a, std::string_view b) const {
    return collator_.compare(Prepare(a), Prepare(b));
}

QCollatorSortKey KeywordCollation::Key(std::string_view text) const {
    return collator_.sortKey(Prepare(text));
}

ItemComparer::ItemComparer(bool ascending) : ascending_(ascending) {}

int ItemComparer::CompareItems(const KeywordRow& a, const KeywordRow& b, int column) const {
    int result;
    if (column == kKeywordsColumn)
        result = collation_.Compare(a.Cell(column), b.Cell(column));
    else
        result = CompareNumbers(a.Cell(column), b.Cell(column));
    return ascending_ ? result : -result;
}

void SortByColumn(KeywordTable& table, int column, bool ascending) {
    if (table.RowCount() < 2)
        return;
    table.ApplyOrder(column == kKeywordsColumn ? KeywordOrder(table, ascending)
                                               : NumberOrder(table, column, ascending));
}

} // namespace tw
