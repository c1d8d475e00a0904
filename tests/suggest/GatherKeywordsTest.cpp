#include "app/FMain.h"
#include "suggest/FCaptcha.h"
#include "tests/support/Seams.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace tw {
namespace {

class GatherKeywordsGuard : public test::SeamTest {};

TEST_F(GatherKeywordsGuard, RefusedWhileAnotherDownloadRuns) {
    TfrmMain window;
    window.MainKeyword = "golf";
    window.StopRequested = true;
    window.Items.AddKeywordRow(1, "kept", "");
    {
        auto other = window.NetworkActions.TryBegin();
        ASSERT_TRUE(other);
        MessageBoxSeam::SetNextAnswer(mrOk);
        QTest::mouseClick(window.btnGatherKeyword, Qt::LeftButton);
    }
    EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Please wait until the current download has finished."});
    EXPECT_TRUE(window.StopRequested);
    EXPECT_EQ(window.Items.RowCount(), 1);
    EXPECT_FALSE(window.NetworkActions.Busy());
}

TEST_F(GatherKeywordsGuard, EmptyMainKeyword) {
    TfrmMain window;
    window.StopRequested = true;
    MessageBoxSeam::SetNextAnswer(mrOk);
    QTest::mouseClick(window.btnGatherKeyword, Qt::LeftButton);
    EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Please enter a main keyword before gather keywords."});
    EXPECT_FALSE(window.StopRequested);
    EXPECT_FALSE(window.NetworkActions.Busy());
}

} // namespace
} // namespace tw
