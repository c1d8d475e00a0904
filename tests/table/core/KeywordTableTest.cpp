#include "table/core/KeywordTable.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

std::vector<std::string> Column(const KeywordTable& t, int column) {
    std::vector<std::string> out;
    for (int r = 0; r < t.RowCount(); ++r)
        out.emplace_back(t.GetCell(r, column));
    return out;
}

TEST(KeywordTableTest, AddedRowHoldsAllSixTextsAndNoCheckMark) {
    KeywordTable t;
    t.AddKeywordRow(7, "golf, soccer", "1,200");
    ASSERT_EQ(t.RowCount(), 1);
    const std::vector<std::string> row = {"7", "golf, soccer", "1,200", "", "", ""};
    for (int c = 0; c < t.ColumnCount(); ++c)
        EXPECT_EQ(t.GetCell(0, c), row[c]) << c;
    EXPECT_FALSE(t.IsRowChecked(0));
}

TEST(KeywordTableTest, ColumnsAreFixed) {
    KeywordTable t;
    ASSERT_EQ(t.ColumnCount(), 6);
    const char* captions[] = {"No", "Keywords", "Searches", "Google", "Yahoo", "Msn"};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(KeywordTable::ColumnCaption(c), captions[c]);
}

TEST(KeywordTableTest, SetCellChangesThatCellAlone) {
    KeywordTable t;
    for (int i = 1; i <= 5; ++i)
        t.AddKeywordRow(i, "k" + std::to_string(i), "");
    t.SetRowChecked(3, true);
    t.SetCell(3, 3, "2,340");
    t.SetCell(3, 4, "a longer text than the one before it");
    t.SetCell(3, 4, "");
    EXPECT_EQ(t.GetCell(3, 3), "2,340");
    EXPECT_EQ(t.GetCell(3, 4), "");
    EXPECT_EQ(t.GetCell(3, 1), "k4");
    EXPECT_EQ(t.GetCell(3, 0), "4");
    EXPECT_TRUE(t.IsRowChecked(3));
    EXPECT_EQ(Column(t, 3), (std::vector<std::string>{"", "", "", "2,340", ""}));
}

TEST(KeywordTableTest, DeletingNeverRenumbersAndNumbersMayRepeat) {
    KeywordTable t;
    for (int i = 1; i <= 3; ++i)
        t.AddKeywordRow(t.RowCount() + 1, "k" + std::to_string(i), "");
    t.DeleteRow(1);
    EXPECT_EQ(Column(t, 0), (std::vector<std::string>{"1", "3"}));
    t.AddKeywordRow(t.RowCount() + 1, "new", "");
    EXPECT_EQ(Column(t, 0), (std::vector<std::string>{"1", "3", "3"}));
}

TEST(KeywordTableTest, DeleteCheckedRowsKeepsTheOthersInOrder) {
    KeywordTable t;
    for (int i = 1; i <= 7; ++i)
        t.AddKeywordRow(i, "k", "");
    for (int r : {0, 1, 3, 6})
        t.SetRowChecked(r, true);
    t.DeleteCheckedRows();
    EXPECT_EQ(Column(t, 0), (std::vector<std::string>{"3", "5", "6"}));
}

TEST(KeywordTableTest, RowsAddedAfterASortGoToTheEnd) {
    KeywordTable t;
    for (const char* k : {"b", "c", "a"})
        t.AddKeywordRow(t.RowCount() + 1, k, "");
    t.SetRowChecked(2, true);
    t.SortRows([](const KeywordRow& a, const KeywordRow& b, int c) { return a.Cell(c).compare(b.Cell(c)); }, 1);
    EXPECT_EQ(Column(t, 1), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(t.IsRowChecked(0)) << "the check mark moves with its row";
    t.AddKeywordRow(t.RowCount() + 1, "0", "");
    EXPECT_EQ(Column(t, 1), (std::vector<std::string>{"a", "b", "c", "0"}));
}

TEST(KeywordTableTest, PositionOfFollowsARowThroughDeletionsAndSorts) {
    KeywordTable t;
    for (int i = 0; i < 6; ++i)
        t.AddKeywordRow(i, std::string(1, static_cast<char>('f' - i)), "");
    const RowId third = t.IdAt(2);
    const RowId first = t.IdAt(0);
    t.DeleteRow(0);
    EXPECT_FALSE(t.PositionOf(first));
    EXPECT_EQ(t.PositionOf(third), 1);
    t.SortRows([](const KeywordRow& a, const KeywordRow& b, int c) { return a.Cell(c).compare(b.Cell(c)); }, 1);
    ASSERT_TRUE(t.PositionOf(third));
    EXPECT_EQ(t.GetCell(*t.PositionOf(third), 1), "d");
    t.ClearRows();
    EXPECT_FALSE(t.PositionOf(third));
    t.AddKeywordRow(1, "x", "");
    EXPECT_EQ(t.PositionOf(t.IdAt(0)), 0);
    EXPECT_NE(t.IdAt(0), third) << "identities are never reused";
}

TEST(KeywordTableTest, RowCountTextHasNoSingular) {
    EXPECT_EQ(KeywordTable::RowCountText(rcItemsListed, 1), "1 items listed");
    EXPECT_EQ(KeywordTable::RowCountText(rcItemsListed, 0), "0 items listed");
    EXPECT_EQ(KeywordTable::RowCountText(rcTotal, 3), "Total: 3");
    KeywordTable t;
    std::string shown = "0 item listed";
    t.OnRowCountText = [&](const std::string& s) { shown = s; };
    t.AddKeywordRow(1, "a", "");
    EXPECT_EQ(shown, "0 item listed") << "adding a row writes no status text";
    t.UpdateRowCount(rcItemsListed);
    EXPECT_EQ(shown, "1 items listed");
}

TEST(KeywordTableTest, NumberTextHasNoLeadingZerosOrSign) {
    KeywordTable t;
    t.AddKeywordRow(0, "", "");
    t.AddKeywordRow(42, "", "");
    t.AddKeywordRow(-3, "", "");
    EXPECT_EQ(Column(t, 0), (std::vector<std::string>{"0", "42", "-3"}));
}

} // namespace
} // namespace tw
