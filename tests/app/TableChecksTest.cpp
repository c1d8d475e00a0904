#include "tests/app/TableFixture.h"

namespace tw {
namespace {

class TableChecksTest : public test::TableWindowTest {};
using test::Cells;

const char* const kDeleteSelected = "Are you sure do you want to delete the selected keywords?";
const char* const kDeleteAll = "Are you sure do you want to delete all?";

TEST_F(TableChecksTest, DeleteSelectedKeepsTheNoTextsOfTheRest) {
    AddRows(5);
    Items().SetRowChecked(1, true);
    Items().SetRowChecked(3, true);
    MessageBoxSeam::SetNextAnswer(mrOk);
    Click(window->bsSkinButton3);
    ASSERT_EQ(MessageBoxSeam::History().size(), 1u);
    EXPECT_EQ(MessageBoxSeam::History()[0].text, kDeleteSelected);
    EXPECT_EQ(MessageBoxSeam::History()[0].buttons, mbOkCancel);
    EXPECT_EQ(Column(0), (Cells{"1", "3", "5"}));
    EXPECT_EQ(CountText(), "3 items listed");
}

TEST_F(TableChecksTest, CancelChangesNoRowButRewritesTheCount) {
    window->ImportKeywordFile(folder.Write("list.txt", "1\n2\n3\n4\n5\n6\n7\n"));
    ASSERT_EQ(CountText(), "Total: 7");
    Click(window->bsSkinButton1);
    for (QPushButton* button : {window->bsSkinButton3, window->bsSkinButton4}) {
        window->UpdateRowCount(rcTotal);
        MessageBoxSeam::SetNextAnswer(mrCancel);
        Click(button);
        EXPECT_EQ(Items().RowCount(), 7);
        EXPECT_EQ(CountText(), "7 items listed");
    }
    EXPECT_EQ(MessagesShown(), (Cells{kDeleteSelected, kDeleteAll}));
}

TEST_F(TableChecksTest, DeleteAllAsksEvenWhenEmpty) {
    MessageBoxSeam::SetNextAnswer(mrOk);
    Click(window->bsSkinButton4);
    EXPECT_EQ(MessagesShown(), Cells{kDeleteAll});
    EXPECT_EQ(CountText(), "0 items listed");

    AddRows(3);
    MessageBoxSeam::SetNextAnswer(mrOk);
    Click(window->bsSkinButton4);
    EXPECT_EQ(Items().RowCount(), 0);
}

TEST_F(TableChecksTest, SelectAllThenDeleteSelectedEmptiesTheTable) {
    AddRows(4);
    Click(window->bsSkinButton1);
    for (int r = 0; r < 4; ++r)
        EXPECT_TRUE(Items().IsRowChecked(r));
    Click(window->bsSkinButton2);
    for (int r = 0; r < 4; ++r)
        EXPECT_FALSE(Items().IsRowChecked(r));
    Click(window->bsSkinButton1);
    MessageBoxSeam::SetNextAnswer(mrOk);
    Click(window->bsSkinButton3);
    EXPECT_EQ(Items().RowCount(), 0);
    EXPECT_EQ(CountText(), "0 items listed");
}

TEST_F(TableChecksTest, SelectAndClearOnAnEmptyTableWriteNothing) {
    Click(window->bsSkinButton1);
    Click(window->bsSkinButton2);
    EXPECT_EQ(CountText(), "0 item listed");
    EXPECT_TRUE(MessagesShown().empty());
}

TEST_F(TableChecksTest, CheckMarksStayWithTheirRowsThroughASort) {
    AddRows(3);
    Items().SetCell(0, 3, "30");
    Items().SetCell(1, 3, "10");
    Items().SetCell(2, 3, "20");
    Items().SetRowChecked(0, true);
    ClickHeading(3);
    EXPECT_EQ(Column(1), (Cells{"k2", "k3", "k1"}));
    EXPECT_TRUE(Items().IsRowChecked(2));
    EXPECT_FALSE(Items().IsRowChecked(0) || Items().IsRowChecked(1));
}

} // namespace
} // namespace tw
