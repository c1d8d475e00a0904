#include "tests/app/TableFixture.h"

#include <QLineEdit>

namespace tw {
namespace {

class TableEntryTest : public test::TableWindowTest {};
using test::Cells;
using test::DialogDriver;

TEST_F(TableEntryTest, MainKeywordIsStoredAsTyped) {
    window->MainStatusPanel->setText("Getting URL: x...");
    DialogDriver typed([](DialogDriver& d) {
        EXPECT_EQ(d.Dialog().windowTitle(), "Main Keyword");
        d.Type("edtMainKeyword", "golf, soccer ");
        d.Click("btnOk");
    });
    Click(window->btnMainKeyword);
    ASSERT_TRUE(typed.Ran());
    EXPECT_EQ(window->MainKeyword, "golf, soccer ");
    EXPECT_EQ(window->bsSkinStatusPanel1->text(), "Main Keyword: golf, soccer ");
    EXPECT_EQ(window->MainStatusPanel->text(), "");

    // A new dialog starts empty; Cancel and the frame's close button keep everything.
    window->MainStatusPanel->setText("busy");
    DialogDriver cancelled([](DialogDriver& d) {
        EXPECT_TRUE(d.Find<QLineEdit>("edtMainKeyword")->text().isEmpty());
        d.Type("edtMainKeyword", "tennis");
        d.Click("btnCancel");
    });
    Click(window->btnMainKeyword);
    DialogDriver closed([](DialogDriver& d) {
        d.Type("edtMainKeyword", "tennis");
        d.CloseFrame();
    });
    Click(window->btnMainKeyword);
    ASSERT_TRUE(cancelled.Ran() && closed.Ran());
    EXPECT_EQ(window->MainKeyword, "golf, soccer ");
    EXPECT_EQ(window->bsSkinStatusPanel1->text(), "Main Keyword: golf, soccer ");
    EXPECT_EQ(window->MainStatusPanel->text(), "busy");
}

TEST_F(TableEntryTest, EmptyMainKeywordIsRefusedAndASpaceIsAccepted) {
    DialogDriver driver([](DialogDriver& d) {
        MessageBoxSeam::SetNextAnswer(mrOk);
        d.Click("btnOk");
        EXPECT_TRUE(d.Dialog().isVisible());
        d.Type("edtMainKeyword", " ");
        d.Key("edtMainKeyword", Qt::Key_Return);
    });
    Click(window->btnMainKeyword);
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(MessagesShown(), Cells{"Please add a Main Keyword."});
    EXPECT_EQ(window->MainKeyword, " ");
    EXPECT_EQ(window->bsSkinStatusPanel1->text(), "Main Keyword:  ");
}

TEST_F(TableEntryTest, AKeywordByHandIsNumberedOneMoreThanTheRows) {
    AddRows(3);
    Items().DeleteRow(1);
    DialogDriver driver([](DialogDriver& d) {
        d.Type("edtAddKeyword", "golf, soccer");
        d.Key("edtAddKeyword", Qt::Key_Enter);
    });
    Click(window->btnAddKeyword);
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(Column(0), (Cells{"1", "3", "3"}));
    EXPECT_EQ(Column(1), (Cells{"k1", "k3", "golf, soccer"}));
    for (int c = 2; c < 6; ++c)
        EXPECT_EQ(Items().GetCell(2, c), "");
    EXPECT_EQ(CountText(), "3 items listed");
}

TEST_F(TableEntryTest, ImportNumbersOnAndEndsWithTheTotal) {
    AddRows(3);
    Items().SetRowChecked(0, true);
    const std::string list = folder.Write("list.txt", "golf\r\nsoccer\n");
    DialogDriver driver([&](DialogDriver& d) {
        FileDialogSeam::SetNextAnswer(list);
        d.Click("btnBrowse");
        d.Click("btnOk");
    });
    Click(window->btnAddKeyword);
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(FileDialogSeam::LastRequest()->folder, folder.Folder());
    EXPECT_EQ(Column(0), (Cells{"4", "5"}));
    EXPECT_EQ(Column(1), (Cells{"golf", "soccer"}));
    EXPECT_FALSE(Items().IsRowChecked(0));
    EXPECT_EQ(CountText(), "Total: 2");
}

TEST_F(TableEntryTest, BlankLinesBecomeEmptyKeywords) {
    window->ImportKeywordFile(folder.Write("list.txt", "a\r\n\r\nb"));
    EXPECT_EQ(Column(1), (Cells{"a", "", "b"}));
    EXPECT_EQ(CountText(), "Total: 3");
}

TEST_F(TableEntryTest, AnEmptyListEmptiesTheTableAndKeepsTheCountText) {
    AddRows(2);
    window->UpdateRowCount(rcItemsListed);
    const std::string list = folder.Write("empty.txt", "");
    DialogDriver driver([&](DialogDriver& d) {
        d.SetText("edtList", QString::fromStdString(list));
        d.Click("btnOk");
    });
    Click(window->btnAddKeyword);
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(Items().RowCount(), 0);
    EXPECT_EQ(CountText(), "2 items listed");
}

TEST_F(TableEntryTest, AnUnreadableListKeepsTheTableAndSaysWhy) {
    AddRows(2);
    window->UpdateRowCount(rcItemsListed);
    DialogDriver driver([](DialogDriver& d) {
        d.SetText("edtList", "/proc/self/mem");
        MessageBoxSeam::SetNextAnswer(mrOk);
        d.Click("btnOk");
    });
    Click(window->btnAddKeyword);
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(MessagesShown(), Cells{"The file \"/proc/self/mem\" could not be read: Input/output error"});
    EXPECT_EQ(Column(1), (Cells{"k1", "k2"}));
    EXPECT_EQ(CountText(), "2 items listed");
    EXPECT_TRUE(FailureReport::Entries().empty());
}

TEST_F(TableEntryTest, NothingToAddAndCancelChangeNothing) {
    AddRows(1);
    const std::string list = folder.Write("list.txt", "golf");
    DialogDriver empty([](DialogDriver& d) { d.Click("btnOk"); });
    Click(window->btnAddKeyword);
    DialogDriver cancelled([&](DialogDriver& d) {
        d.SetText("edtList", QString::fromStdString(list));
        d.Click("btnCancel");
    });
    Click(window->btnAddKeyword);
    ASSERT_TRUE(empty.Ran() && cancelled.Ran());
    EXPECT_EQ(Column(1), Cells{"k1"});
    EXPECT_EQ(CountText(), "0 item listed");
    EXPECT_TRUE(MessagesShown().empty());
}

} // namespace
} // namespace tw
