#include "table/ColumnSort.h"
#include "table/KeywordTableModel.h"
#include "tests/support/TableCells.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <random>

namespace tw {
namespace {

using test::ColumnOf;

using V = std::vector<std::string>;

KeywordTable WithGoogle(const V& counts) {
    KeywordTable table;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        table.AddKeywordRow(static_cast<long long>(i) + 1, "k" + std::to_string(i + 1), "");
        table.SetCell(static_cast<int>(i), 3, counts[i]);
    }
    return table;
}

TEST(SortByColumn, CountsSortByValueAndTextsCountAsZero) {
    KeywordTable table =
        WithGoogle({"987", "1,234", "", "about 1,000", "0", "1.5", "7 ", "3,000,000,000", " 42", "-5"});
    SortByColumn(table, 3, true);
    // Equal values keep their earlier order.
    EXPECT_EQ(ColumnOf(table, 3),
              (V{"-5", "", "about 1,000", "0", "1.5", "7 ", "3,000,000,000", " 42", "987", "1,234"}));
    SortByColumn(table, 3, false);
    EXPECT_EQ(ColumnOf(table, 3),
              (V{"1,234", "987", " 42", "", "about 1,000", "0", "1.5", "7 ", "3,000,000,000", "-5"}));
}

TEST(SortByColumn, NoSortsAsNumbers) {
    KeywordTable table;
    for (const char* no : {"10", "9", "abc", "100", "2"})
        table.AddKeywordRow(1, no, "");
    for (int r = 0; r < table.RowCount(); ++r)
        table.SetCell(r, 0, table.GetCell(r, 1));
    SortByColumn(table, 0, true);
    EXPECT_EQ(ColumnOf(table, 0), (V{"abc", "2", "9", "10", "100"}));
}

TEST(SortByColumn, KeywordsIgnoreLetterCase) {
    KeywordTable table;
    for (const char* k : {"banana", "Apple", "cherry", "apple", "APPLE", "Banana"})
        table.AddKeywordRow(1, k, "");
    SortByColumn(table, 1, true);
    EXPECT_EQ(ColumnOf(table, 1), (V{"Apple", "apple", "APPLE", "banana", "Banana", "cherry"}));
    SortByColumn(table, 1, false);
    EXPECT_EQ(ColumnOf(table, 1), (V{"cherry", "banana", "Banana", "Apple", "apple", "APPLE"}));
    const ItemComparer comparer(true);
    EXPECT_EQ(comparer.CompareItems(table.Row(3), table.Row(5), 1), 0);
}

TEST(KeywordCollation, IgnoresCaseInEveryLocale) {
    for (const char* name : {"C", "en_US", "de_DE", "fr_FR"}) {
        const KeywordCollation collation{QLocale(QString::fromLatin1(name))};
        SCOPED_TRACE(name);
        EXPECT_EQ(collation.Compare("apple", "Apple"), 0);
        EXPECT_EQ(collation.Compare("\xC3\x89"
                                    "CLAIR",
                                    "\xC3\xA9"
                                    "clair"),
                  0);
        EXPECT_LT(collation.Compare("apple", "Banana"), 0);
        EXPECT_GT(collation.Compare("Cherry", "banana"), 0);
        EXPECT_EQ(collation.Key("GOLF").compare(collation.Key("golf")), 0);
        EXPECT_LT(collation.Key("Apple").compare(collation.Key("banana")), 0);
    }
    // A real locale's collation, not code points: an accented letter sorts
    // beside its base letter.
    const KeywordCollation english{QLocale(QLocale::English, QLocale::UnitedStates)};
    EXPECT_LT(english.Compare("\xC3\xA9"
                              "clair",
                              "zebra"),
              0);
    EXPECT_LT(english
                  .Key("\xC3\xA9"
                       "clair")
                  .compare(english.Key("zebra")),
              0);
}

TEST(SortByColumn, CheckMarksAndCellsMoveWithTheirRows) {
    KeywordTable table = WithGoogle({"3", "1", "2"});
    table.SetRowChecked(0, true);
    table.SetCell(0, 4, "yahoo of 3");
    SortByColumn(table, 3, true);
    EXPECT_EQ(ColumnOf(table, 1), (V{"k2", "k3", "k1"}));
    EXPECT_EQ(ColumnOf(table, 4), (V{"", "", "yahoo of 3"}));
    EXPECT_FALSE(table.IsRowChecked(0));
    EXPECT_FALSE(table.IsRowChecked(1));
    EXPECT_TRUE(table.IsRowChecked(2));
}

// The fast sort must give exactly the order a stable sort by CompareItems gives.
TEST(SortByColumn, MatchesASortByCompareItems) {
    std::mt19937 random(7);
    const V counts = {"", "0", "1", "12", "1,200", "-3", "x", "$10", "1.5", "999,999", "2147483647", "3,000,000,000"};
    const V keywords = {"apple", "Apple", "banana", "éclair", "Eclair", "zebra", "", " golf", "Golf", "golf"};
    KeywordTable table;
    for (int i = 0; i < 500; ++i) {
        table.AddKeywordRow(random() % 50, keywords[random() % keywords.size()], counts[random() % counts.size()]);
        for (int c = 3; c < 6; ++c)
            table.SetCell(i, c, counts[random() % counts.size()]);
        table.SetRowChecked(i, random() % 2);
    }
    for (int column = 0; column < 6; ++column) {
        for (bool ascending : {true, false}) {
            KeywordTable fast = table;
            KeywordTable reference = table;
            SortByColumn(fast, column, ascending);
            const ItemComparer comparer(ascending);
            reference.SortRows(
                [&comparer](const KeywordRow& a, const KeywordRow& b, int c) { return comparer.CompareItems(a, b, c); },
                column);
            for (int c = 0; c < 6; ++c)
                EXPECT_EQ(ColumnOf(fast, c), ColumnOf(reference, c)) << column << ascending;
            for (int r = 0; r < table.RowCount(); ++r)
                ASSERT_EQ(fast.IsRowChecked(r), reference.IsRowChecked(r));
        }
    }
}

TEST(SortByColumn, TellsTheViewOnce) {
    KeywordTable table = WithGoogle({"3", "1", "2"});
    KeywordTableModel model(table);
    QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy cells(&model, &QAbstractItemModel::dataChanged);
    SortByColumn(table, 3, true);
    EXPECT_EQ(layout.count(), 1);
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(cells.count(), 0);
    EXPECT_EQ(model.data(model.index(0, 3), Qt::DisplayRole).toString(), "1");
}

} // namespace
} // namespace tw
