#pragma once

#include "app/ui/FileDialogs.h"
#include "app/ui/MessageBox.h"
#include "table/KeywordTableModel.h"
#include "table/core/KeywordTable.h"
#include "web/PageFetcher.h"
#include "web/core/NetworkBusy.h"

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTableView;

namespace Ui {
class TfrmMain;
}

namespace tw {

class Gauge;
class LinkLabel;
class BannerImage;

// The window's skin: one style sheet shared by every window of the program.
class SkinData {
public:
    // Applies a style sheet to the whole application.
    void Apply(const std::string& styleSheet);
    const std::string& StyleSheet() const { return styleSheet_; }

private:
    std::string styleSheet_;
};

// The built-in skin data, stored with the program as a zlib stream.
struct CompressedStoredSkin {
    std::string data;
    std::string name;
    std::string compressedFileName;
    std::string skinFileName;
};

// Draws nothing: the frame and title bar are the window manager's.
struct SkinForm {
    QWidget* window = nullptr;
};

// The message box component: every message goes through ShowMessageBox.
struct MessageBoxComponent {
    int Show(const std::string& text, MessageButtons buttons = mbOk) const { return ShowMessageBox(text, buttons); }
};

// The client's nested event loop keeps the window responsive while it
// waits, so there is nothing left for an anti-freeze to do.
struct AntiFreeze {};

// The save dialog of the results file; it remembers the last file chosen.
struct SaveDialogComponent {
    std::string title;
    std::string filter;
    std::string lastPath;
};

enum SearchTypes : std::int32_t { stPrecise = 0, stBroad = 1 };

class TfrmMain : public QWidget, private FetchView {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Components of the layout, in declared order.
    SkinForm bsBusinessSkinForm1;
    SkinData bsSkinData1;
    CompressedStoredSkin bsCompressedStoredSkin1;
    MessageBoxComponent msgMain;
    QFrame* bsSkinPanel1 = nullptr;
    QPushButton* btnMainKeyword = nullptr;
    QPushButton* btnGatherKeyword = nullptr;
    QPushButton* btnAddKeyword = nullptr;
    QPushButton* btnGatherData = nullptr;
    QPushButton* btnSaveResults = nullptr;
    QPushButton* btnMakeMoney = nullptr;
    QFrame* panBanner = nullptr;
    QFrame* bsSkinPanel3 = nullptr;
    QTableView* lvwItems = nullptr;
    QScrollBar* bsSkinScrollBar1 = nullptr;
    QScrollBar* bsSkinScrollBar2 = nullptr;
    AntiFreeze IdAntiFreeze1;
    HttpClient* IdHTTP1 = nullptr;
    QFrame* bsSkinStatusBar1 = nullptr;
    Gauge* MainGauge = nullptr;
    QLabel* SecondStatusPanel = nullptr;
    QLabel* MainStatusPanel = nullptr;
    QFrame* bsSkinPanel4 = nullptr;
    LinkLabel* lblLink1URL = nullptr;
    LinkLabel* lblLink2URL = nullptr;
    QLabel* bsSkinStatusPanel1 = nullptr;
    BannerImage* imgBanner = nullptr;
    SaveDialogComponent bsSkinSaveDialog1;
    QPushButton* bsSkinButton1 = nullptr;
    QPushButton* bsSkinButton2 = nullptr;
    QPushButton* bsSkinButton3 = nullptr;
    QPushButton* bsSkinButton4 = nullptr;

    // The window's own state.
    bool StopRequested = false;
    std::string MainKeyword;
    std::int32_t SearchType = stPrecise;
    std::string AffiliateId;
    std::string BannerUrl;
    std::string BannerPath;
    std::string Link1Url;
    std::string Link2Url;
    std::string Link1Name;
    std::string Link2Name;
    std::string IconPath;

    // The rows behind lvwItems.
    KeywordTable Items;

    // Event handlers.
    void FormCreate();
    void FormShow();
    void FormResize();
    void btnMainKeywordClick();
    void btnGatherKeywordClick();
    void btnAddKeywordClick();
    void btnGatherDataClick();
    void btnSaveResultsClick();
    void btnMakeMoneyClick();
    void imgBannerClick();
    void lvwItemsColumnClick(int column);
    void bsSkinButton1Click();
    void bsSkinButton2Click();
    void bsSkinButton3Click();
    void bsSkinButton4Click();
    void IdHTTP1WorkBegin(WorkMode mode, int workCountMax);
    void IdHTTP1Work(WorkMode mode, int workCount);
    void IdHTTP1WorkEnd(WorkMode mode);

    // Operations of the window.
    bool GetPage(const std::string& address, std::string& page);
    void GatherSearchData();
    void LoadSettings();
    void SaveResults();
    void ImportKeywordFile(const std::string& path);
    void UpdateRowCount(RowCountStyle style) { Items.UpdateRowCount(style); }

    PageFetcher& Fetcher() { return *fetcher_; }
    // Downloads never overlap: every action that downloads holds a scope of
    // this guard for as long as it runs.
    NetworkBusy NetworkActions;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpTable();
    void Wire();

    // FetchView
    void SetStatusText(const std::string& text) override;
    int GaugeMax() const override;
    void SetGaugeMax(int max) override;
    void SetGaugeValue(int value) override;
    void Pump() override;

    void PlaceLink2();

    std::unique_ptr<Ui::TfrmMain> ui_;

    // Keyword table actions (FMainTable.cpp).

    // Branding (FMainBranding.cpp).

    // Network actions: the page fetcher and its guard.

    // Result count gathering (FMainCounts.cpp).
    void RestoreGatherDataButton();

    // Suggestion gathering (FMainSuggest.cpp).

    KeywordTableModel* itemsModel_ = nullptr;
    std::unique_ptr<PageFetcher> fetcher_;
    bool closeRequested_ = false;
};

// Beside the class: the one instance, and the sort state of the column click.
extern TfrmMain* frmMain;
extern std::int32_t SortColumn;
extern bool SortAscending;

} // namespace tw
