#include "table/KeywordTableModel.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <gtest/gtest.h>

namespace tw {
namespace {

// Qt's model tester checks every notification against the model's answers.
TEST(KeywordTableModelTest, NotificationsStayConsistent) {
    KeywordTable table;
    KeywordTableModel model(table);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (int i = 0; i < 20; ++i)
        table.AddKeywordRow(i + 1, "k" + std::to_string(20 - i), "");
    std::vector<KeywordRow> more;
    for (int i = 0; i < 5; ++i)
        more.push_back(KeywordTable::MakeRow(100 + i, "m", ""));
    table.AppendRows(std::move(more));
    table.SetCell(3, 4, "9");
    table.SetAllChecked(true);
    table.SetRowChecked(2, false);
    table.DeleteCheckedRows();
    EXPECT_EQ(model.rowCount(), 1);
    table.ReplaceRows({KeywordTable::MakeRow(1, "b", ""), KeywordTable::MakeRow(2, "a", "")});
    table.DeleteRow(0);
    table.ClearRows();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(KeywordTableModelTest, ReorderMovesPersistentIndexesWithTheirRows) {
    KeywordTable table;
    KeywordTableModel model(table);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (const char* k : {"c", "a", "b"})
        table.AddKeywordRow(table.RowCount() + 1, k, "");
    QPersistentModelIndex held(model.index(0, 1)); // "c"
    table.SortRows([](const KeywordRow& a, const KeywordRow& b, int c) { return a.Cell(c).compare(b.Cell(c)); }, 1);
    EXPECT_EQ(held.row(), 2);
    EXPECT_EQ(held.data().toString(), "c");
}

TEST(KeywordTableModelTest, OnlyTheFirstColumnIsCheckableAndEditable) {
    KeywordTable table;
    KeywordTableModel model(table);
    table.AddKeywordRow(1, "golf", "");
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    for (int c = 1; c < 6; ++c)
        EXPECT_FALSE(model.flags(model.index(0, c)) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)) << c;
    EXPECT_TRUE(model.setData(model.index(0, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(table.IsRowChecked(0));
    EXPECT_TRUE(model.setData(model.index(0, 0), "seven", Qt::EditRole));
    EXPECT_EQ(table.GetCell(0, 0), "seven");
    EXPECT_FALSE(model.setData(model.index(0, 1), "x", Qt::EditRole));
    EXPECT_EQ(model.headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), "Msn");
}

TEST(KeywordTableModelTest, BytesThatAreNotUtf8StayAsTheyAre) {
    KeywordTable table;
    KeywordTableModel model(table);
    const std::string latin1 = "caf\xe9";
    table.AddKeywordRow(1, latin1, "");
    EXPECT_EQ(table.GetCell(0, 1), latin1);
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QString::fromUtf8("caf\xef\xbf\xbd"));
}

} // namespace
} // namespace tw
