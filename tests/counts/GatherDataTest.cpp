// "Gather Data" as the user meets it: the button, the search type dialog
// and the guard, before any page is asked for.
#include "app/FMain.h"
#include "app/core/Paths.h"
#include "counts/FSelectSearch.h"
#include "tests/counts/GatherDataFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace tw {
namespace {

class GatherDataTest : public test::GatherDataFixture {};

TEST_F(GatherDataTest, EmptyTableShowsTheMessageAndNoDialog) {
    for (const char* caption : {"Gather Data", "Stop"}) {
        auto window = MakeWindow();
        window->btnGatherData->setText(caption);
        const DialogAnswer answer = AnswerSearchDialog(Cancel);
        MessageBoxSeam::SetNextAnswer(mrOk);
        ClickGatherData(*window);
        FinishDrivers();
        EXPECT_FALSE(answer->seen) << caption;
        EXPECT_EQ(MessagesShown(),
                  std::vector<std::string>{"You need add keywords to gather data from search engines."});
        EXPECT_EQ(window->btnGatherData->text().toStdString(), caption);
        EXPECT_FALSE(window->StopRequested);
        MessageBoxSeam::Reset();
    }
}

TEST_F(GatherDataTest, CancelInTheDialogChangesNothing) {
    auto window = MakeWindow();
    window->Items.AddKeywordRow(1, "golf clubs", "");
    window->SearchType = stBroad;
    window->StopRequested = true;
    window->MainStatusPanel->setText("before");
    // Precise would be chosen, were it not for Cancel.
    const DialogAnswer answer = AnswerSearchDialog(Cancel, true, true);
    ClickGatherData(*window);
    FinishDrivers();
    EXPECT_TRUE(answer->seen);
    EXPECT_EQ(window->SearchType, stBroad);
    EXPECT_TRUE(window->StopRequested);
    EXPECT_EQ(window->btnGatherData->text().toStdString(), "Gather Data");
    EXPECT_TRUE(window->Items.ColumnClick());
    EXPECT_EQ(window->MainStatusPanel->text().toStdString(), "before");
    EXPECT_EQ(frmSelSearch, nullptr);
    EXPECT_TRUE(MessagesShown().empty());
}

TEST_F(GatherDataTest, EveryStartOpensAFreshDialog) {
    auto window = MakeWindow();
    window->Items.AddKeywordRow(1, "golf clubs", "");
    const DialogAnswer first = AnswerSearchDialog(Cancel, false, true);
    ClickGatherData(*window);
    FinishDrivers();
    const DialogAnswer second = AnswerSearchDialog(Cancel);
    ClickGatherData(*window);
    FinishDrivers();
    ASSERT_TRUE(second->seen);
    EXPECT_TRUE(second->firstTickedOnOpen);
    EXPECT_FALSE(second->secondTickedOnOpen);
}

TEST_F(GatherDataTest, RefusedWhileAnotherDownloadRuns) {
    auto window = MakeWindow();
    window->Items.AddKeywordRow(1, "golf clubs", "");
    auto other = window->NetworkActions.TryBegin();
    ASSERT_TRUE(other);
    const DialogAnswer answer = AnswerSearchDialog(Ok);
    MessageBoxSeam::SetNextAnswer(mrOk);
    ClickGatherData(*window);
    FinishDrivers();
    EXPECT_FALSE(answer->seen);
    EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Please wait until the current download has finished."});
    EXPECT_EQ(window->btnGatherData->text().toStdString(), "Gather Data");
    EXPECT_TRUE(window->Items.ColumnClick());
}

TEST_F(GatherDataTest, StopBranchPutsTheButtonBack) {
    auto window = MakeWindow();
    window->Items.AddKeywordRow(1, "golf clubs", "");
    window->btnGatherData->setText("Stop");
    window->Items.SetColumnClick(false);
    ClickGatherData(*window);
    EXPECT_TRUE(window->StopRequested);
    EXPECT_EQ(window->btnGatherData->text().toStdString(), "Gather Data");
    EXPECT_TRUE(window->Items.ColumnClick());
    EXPECT_TRUE(MessagesShown().empty());
}

} // namespace
} // namespace tw
