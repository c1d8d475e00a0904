#include "tests/app/TableFixture.h"

namespace tw {
namespace {

class TableSortTest : public test::TableWindowTest {
protected:
    void SetGoogle(const test::Cells& counts) {
        for (std::size_t i = 0; i < counts.size(); ++i)
            Items().SetCell(static_cast<int>(i), 3, counts[i]);
    }
};
using test::Cells;

TEST_F(TableSortTest, ARepeatedClickReversesTheOrder) {
    AddRows(4);
    SetGoogle({"987", "1,234", "", "5"});
    EXPECT_EQ(SortColumn, -1);
    EXPECT_TRUE(SortAscending);
    ClickHeading(3);
    EXPECT_EQ(Column(3), (Cells{"", "5", "987", "1,234"}));
    ClickHeading(3);
    EXPECT_EQ(Column(3), (Cells{"1,234", "987", "5", ""}));
    ClickHeading(3);
    EXPECT_EQ(Column(3), (Cells{"", "5", "987", "1,234"}));
    EXPECT_EQ(SortColumn, 3);
}

TEST_F(TableSortTest, TheDirectionCarriesToTheNextColumn) {
    AddRows(3);
    SetGoogle({"2", "3", "1"});
    ClickHeading(1);
    ClickHeading(1);
    EXPECT_EQ(Column(1), (Cells{"k3", "k2", "k1"}));
    ClickHeading(3);
    EXPECT_FALSE(SortAscending);
    EXPECT_EQ(Column(3), (Cells{"3", "2", "1"}));
}

TEST_F(TableSortTest, RowsAddedAfterASortGoToTheEndAndSortInNextTime) {
    AddRows(2);
    SetGoogle({"20", "10"});
    ClickHeading(3);
    Items().AddKeywordRow(3, "new", "");
    Items().SetCell(2, 3, "15");
    EXPECT_EQ(Column(3), (Cells{"10", "20", "15"}));
    ClickHeading(3);
    EXPECT_EQ(Column(3), (Cells{"20", "15", "10"}));
}

TEST_F(TableSortTest, HeadingsDoNothingWhileColumnClickIsOff) {
    AddRows(3);
    SetGoogle({"2", "3", "1"});
    Items().SetColumnClick(false);
    ClickHeading(3);
    EXPECT_EQ(Column(3), (Cells{"2", "3", "1"}));
    EXPECT_EQ(SortColumn, -1);
    Items().SetColumnClick(true);
    ClickHeading(3);
    EXPECT_EQ(Column(3), (Cells{"1", "2", "3"}));
}

} // namespace
} // namespace tw
