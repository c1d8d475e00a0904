#include "app/FMain.h"
#include "app/ui/Gauge.h"
#include "app/ui/LinkLabel.h"
#include "tests/support/Seams.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

namespace tw {
namespace {

class MainWindowTest : public test::SeamTest {};

TEST_F(MainWindowTest, StartsWithTheLayoutsCaptionsAndTexts) {
    TfrmMain w;
    w.show();
    EXPECT_EQ(w.windowTitle(), "Tarnwick");
    EXPECT_EQ(w.size(), QSize(644, 455));
    EXPECT_EQ(frmMain, &w);
    EXPECT_EQ(SortColumn, -1);
    EXPECT_TRUE(SortAscending);
    EXPECT_FALSE(w.StopRequested);
    EXPECT_EQ(w.SearchType, stPrecise);
    EXPECT_TRUE(w.MainKeyword.empty());
    EXPECT_EQ(w.MainStatusPanel->text(), "");
    EXPECT_EQ(w.bsSkinStatusPanel1->text(), "Main Keyword: ");
    EXPECT_EQ(w.SecondStatusPanel->text(), "0 item listed");
    EXPECT_EQ(w.MainGauge->MaxValue(), 100);
    EXPECT_EQ(w.MainGauge->Progress(), 0);
    for (LinkLabel* link : {w.lblLink1URL, w.lblLink2URL}) {
        EXPECT_EQ(link->text(), "Google");
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(link->height(), 14);
        EXPECT_EQ(link->y(), 32);
    }
    EXPECT_EQ(w.lblLink1URL->x(), 13);
    EXPECT_EQ(w.imgBanner->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindowTest, BandsStackWithTheirHeights) {
    TfrmMain w;
    w.show();
    EXPECT_EQ(w.bsSkinPanel1->geometry(), QRect(0, 0, 644, 33));
    EXPECT_EQ(w.panBanner->geometry(), QRect(0, 33, 644, 65));
    EXPECT_EQ(w.bsSkinPanel3->geometry(), QRect(0, 98, 644, 286));
    EXPECT_EQ(w.bsSkinPanel4->geometry(), QRect(0, 384, 644, 54));
    EXPECT_EQ(w.bsSkinStatusBar1->geometry(), QRect(0, 438, 644, 17));
    EXPECT_EQ(w.bsSkinStatusPanel1->width(), 160);
    EXPECT_EQ(w.SecondStatusPanel->width(), 82);
    EXPECT_EQ(w.MainGauge->width(), 130);
    EXPECT_EQ(w.MainStatusPanel->width(), 272);
}

TEST_F(MainWindowTest, ALongStatusTextIsCutNotWideningTheWindow) {
    // "Getting URL: " with a long address used to push the window wider.
    TfrmMain w;
    w.show();
    w.MainStatusPanel->setText("Getting URL: http://127.0.0.1:40000/keyword-suggestion-tool.html?password=ABCDE"
                               "&random=0123456789abcdef&seed=garden+tools+and+more");
    QApplication::processEvents();
    EXPECT_EQ(w.size(), QSize(644, 455));
    EXPECT_EQ(w.MainStatusPanel->width(), 272);
}

TEST_F(MainWindowTest, ButtonsStandWhereTheLayoutPutsThem) {
    TfrmMain w;
    struct Expected {
        QPushButton* button;
        const char* name;
        const char* caption;
        int left, width;
    };
    const Expected buttons[] = {
        {w.btnMainKeyword, "btnMainKeyword", "Main Keyword", 7, 99},
        {w.btnGatherKeyword, "btnGatherKeyword", "Gather Keywords", 109, 98},
        {w.btnAddKeyword, "btnAddKeyword", "Add Keywords", 210, 99},
        {w.btnGatherData, "btnGatherData", "Gather Data", 312, 98},
        {w.btnSaveResults, "btnSaveResults", "Save Results", 414, 98},
        {w.btnMakeMoney, "btnMakeMoney", "Make Money", 516, 98},
        {w.bsSkinButton1, "bsSkinButton1", "Select All", 9, 100},
        {w.bsSkinButton2, "bsSkinButton2", "Clear Selection", 112, 100},
        {w.bsSkinButton3, "bsSkinButton3", "Delete Selected", 215, 100},
        {w.bsSkinButton4, "bsSkinButton4", "Delete All", 319, 99},
    };
    QWidget* previous = nullptr;
    for (const auto& e : buttons) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.button->objectName(), e.name);
        EXPECT_EQ(e.button->text(), e.caption);
        EXPECT_EQ(e.button->geometry(), QRect(e.left, 7, e.width, 20));
        EXPECT_EQ(e.button->cursor().shape(), Qt::PointingHandCursor);
        if (previous && previous->parentWidget() == e.button->parentWidget()) {
            EXPECT_EQ(previous->nextInFocusChain(), e.button) << "tab order runs left to right";
        }
        previous = e.button;
    }
}

TEST_F(MainWindowTest, TableHasSixFixedColumnsAndReactsToHeadingsOnlyWhileColumnClickIsOn) {
    TfrmMain w;
    w.show();
    QHeaderView* header = w.lvwItems->horizontalHeader();
    const char* captions[] = {"No", "Keywords", "Searches", "Google", "Yahoo", "Msn"};
    const int widths[] = {49, 132, 132, 104, 104, 104};
    ASSERT_EQ(w.lvwItems->model()->columnCount(), 6);
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(w.lvwItems->model()->headerData(c, Qt::Horizontal).toString(), captions[c]);
        EXPECT_EQ(header->sectionSize(c), widths[c]);
    }
    EXPECT_TRUE(w.lvwItems->showGrid());
    EXPECT_EQ(w.lvwItems->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(w.lvwItems->font().family(), "Arial");
    EXPECT_EQ(w.lvwItems->font().pixelSize(), 14);
    EXPECT_EQ(w.lvwItems->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_EQ(w.bsSkinScrollBar1, w.lvwItems->verticalScrollBar());
    EXPECT_EQ(w.bsSkinScrollBar2, w.lvwItems->horizontalScrollBar());
    EXPECT_TRUE(header->sectionsClickable());
    w.Items.SetColumnClick(false);
    EXPECT_FALSE(header->sectionsClickable());
    w.Items.SetColumnClick(true);
    EXPECT_TRUE(header->sectionsClickable());
}

TEST_F(MainWindowTest, RowsShowInTheTableAndTheCountPanelFollowsUpdateRowCount) {
    TfrmMain w;
    w.Items.AddKeywordRow(1, "golf", "");
    EXPECT_EQ(w.lvwItems->model()->rowCount(), 1);
    EXPECT_EQ(w.lvwItems->model()->index(0, 1).data().toString(), "golf");
    EXPECT_EQ(w.SecondStatusPanel->text(), "0 item listed");
    w.UpdateRowCount(rcItemsListed);
    EXPECT_EQ(w.SecondStatusPanel->text(), "1 items listed");
    w.UpdateRowCount(rcTotal);
    EXPECT_EQ(w.SecondStatusPanel->text(), "Total: 1");
}

struct BannerCase {
    int windowWidth;
    QSize picture;
    QPoint expected;
};

class BannerPlacementTest : public MainWindowTest, public ::testing::WithParamInterface<BannerCase> {};

TEST_P(BannerPlacementTest, HalvesEachSizeOnItsOwn) {
    const BannerCase c = GetParam();
    TfrmMain w;
    QPixmap picture(c.picture);
    picture.fill(Qt::gray);
    w.imgBanner->setPixmap(picture);
    w.resize(c.windowWidth, 455);
    w.show();
    EXPECT_EQ(w.panBanner->height(), 65);
    EXPECT_EQ(w.imgBanner->size(), c.picture);
    EXPECT_EQ(w.imgBanner->pos(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, BannerPlacementTest,
                         ::testing::Values(BannerCase{644, {480, 60}, {82, 2}},   // built-in picture at design size
                                           BannerCase{644, {481, 60}, {82, 2}},   // 322 - 240, not 81
                                           BannerCase{400, {480, 60}, {-40, 2}},  // narrower than the picture
                                           BannerCase{644, {480, 100}, {82, -18}} // taller than the band
                                           ));

TEST_F(MainWindowTest, BuiltInBannerIsTheGreyPictureAtItsPlace) {
    TfrmMain w;
    w.show();
    const QImage banner = w.imgBanner->pixmap().toImage();
    EXPECT_EQ(banner.size(), QSize(480, 60));
    EXPECT_EQ(QColor(banner.pixel(0, 0)), QColor(Qt::black));
    EXPECT_EQ(w.imgBanner->pos(), QPoint(82, 2));
}

TEST_F(MainWindowTest, RightLinkKeepsItsRightEdgeWhenTheWindowOrCaptionChanges) {
    TfrmMain w;
    w.show();
    const auto rightGap = [&] { return w.bsSkinPanel4->width() - (w.lblLink2URL->x() + w.lblLink2URL->width()); };
    EXPECT_EQ(rightGap(), 18);
    w.resize(900, 500);
    QApplication::processEvents();
    EXPECT_EQ(w.bsSkinPanel4->width(), 900);
    EXPECT_EQ(rightGap(), 18);
    const int oldLeft = w.lblLink2URL->x();
    w.lblLink2URL->SetCaption("A much longer caption");
    EXPECT_EQ(rightGap(), 18);
    EXPECT_LT(w.lblLink2URL->x(), oldLeft) << "the text grows to the left";
}

TEST_F(MainWindowTest, FailureInAHandlerReachesTheReportAndTheProgramGoesOn) {
    RunHandler("btnTestClick", [] { throw std::runtime_error("boom"); });
    ASSERT_EQ(FailureReport::Entries().size(), 1u);
    EXPECT_EQ(FailureReport::Entries()[0].where, "btnTestClick");
    EXPECT_EQ(FailureReport::Entries()[0].what, "boom");
    EXPECT_EQ(HandlersRunning(), 0);
    TfrmMain w;
    w.show();
    MessageBoxSeam::SetNextAnswer(mrOk);
    QTest::mouseClick(w.btnSaveResults, Qt::LeftButton); // still answers clicks afterwards
    EXPECT_EQ(MessagesShown(), std::vector<std::string>{"You don't have any data to save."});
}

TEST_F(MainWindowTest, CloseDuringAnActionWaitsForItAndDialogsAnswerCancel) {
    auto* w = new TfrmMain;
    w->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<TfrmMain> alive(w);
    w->show();
    int answerAfterClose = 0;
    bool closedWhileRunning = true;
    RunHandler("longAction", [&] {
        w->close(); // arrives while the action still runs
        closedWhileRunning = !w->isVisible();
        answerAfterClose = ShowMessageBox("Question?", mbOkCancel);
    });
    EXPECT_FALSE(closedWhileRunning) << "the window stays until the action returns";
    EXPECT_EQ(answerAfterClose, mrCancel);
    QTRY_VERIFY(alive.isNull() || !alive->isVisible());
    delete alive.data();
}

} // namespace
} // namespace tw
