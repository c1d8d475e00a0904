#include "app/FMain.h"

#include "app/core/SkinData.h"
#include "app/ui/FailureReport.h"
#include "app/ui/Gauge.h"
#include "app/ui/LinkLabel.h"
#include "app/ui/ModalGate.h"
#include "app/ui/Pump.h"
#include "app/ui/QtText.h"
#include "ui_FMain.h"
#include "web/core/Hosts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

namespace tw {

TfrmMain* frmMain = nullptr;
std::int32_t SortColumn = -1;
bool SortAscending = true;

namespace {
constexpr int kColumnWidths[KeywordTable::kColumnCount] = {49, 132, 132, 104, 104, 104};
constexpr int kLink2RightGap = 18;

std::string ReadResource(const QString& name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
} // namespace

void SkinData::Apply(const std::string& styleSheet) {
    styleSheet_ = styleSheet;
    if (qApp)
        qApp->setStyleSheet(ToQ(styleSheet));
}

TfrmMain::TfrmMain(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TfrmMain>()) {
    frmMain = this;
    ui_->setupUi(this);
    bsBusinessSkinForm1.window = this;
    bsSkinPanel1 = ui_->bsSkinPanel1;
    btnMainKeyword = ui_->btnMainKeyword;
    btnGatherKeyword = ui_->btnGatherKeyword;
    btnAddKeyword = ui_->btnAddKeyword;
    btnGatherData = ui_->btnGatherData;
    btnSaveResults = ui_->btnSaveResults;
    btnMakeMoney = ui_->btnMakeMoney;
    panBanner = ui_->panBanner;
    bsSkinPanel3 = ui_->bsSkinPanel3;
    lvwItems = ui_->lvwItems;
    bsSkinScrollBar1 = lvwItems->verticalScrollBar();
    bsSkinScrollBar2 = lvwItems->horizontalScrollBar();
    bsSkinScrollBar1->setObjectName(QStringLiteral("bsSkinScrollBar1"));
    bsSkinScrollBar2->setObjectName(QStringLiteral("bsSkinScrollBar2"));
    IdHTTP1 = new HttpClient(this);
    IdHTTP1->setObjectName(QStringLiteral("IdHTTP1"));
    bsSkinStatusBar1 = ui_->bsSkinStatusBar1;
    MainGauge = ui_->MainGauge;
    SecondStatusPanel = ui_->SecondStatusPanel;
    MainStatusPanel = ui_->MainStatusPanel;
    bsSkinPanel4 = ui_->bsSkinPanel4;
    lblLink1URL = ui_->lblLink1URL;
    lblLink2URL = ui_->lblLink2URL;
    bsSkinStatusPanel1 = ui_->bsSkinStatusPanel1;
    imgBanner = ui_->imgBanner;
    bsSkinSaveDialog1 = {"Save file", "CSV files (*.csv)|*.csv", {}};
    bsSkinButton1 = ui_->bsSkinButton1;
    bsSkinButton2 = ui_->bsSkinButton2;
    bsSkinButton3 = ui_->bsSkinButton3;
    bsSkinButton4 = ui_->bsSkinButton4;

    // The built-in skin and banner, as stored with the layout.
    bsCompressedStoredSkin1 = {ReadResource(QStringLiteral(":/skins/Modern.skn")), BuiltInSkinInfo::kName,
                               BuiltInSkinInfo::kCompressedFileName, BuiltInSkinInfo::kSkinFileName};
    if (auto css = InflateSkin(bsCompressedStoredSkin1.data))
        bsSkinData1.Apply(*css);
    imgBanner->setPixmap(QPixmap(QStringLiteral(":/banner.gif")));
    imgBanner->setCursor(Qt::ArrowCursor);
    for (LinkLabel* link : {lblLink1URL, lblLink2URL}) {
        link->SetCaption("Google");
        link->SetAddress(kGoogleHomePage);
    }
    MainGauge->SetMaxValue(100);
    MainGauge->SetProgress(0);

    fetcher_ = std::make_unique<PageFetcher>(*IdHTTP1, StopRequested, static_cast<FetchView&>(*this));
    SetUpTable();
    Wire();
    RunHandler("FormCreate", [this] { FormCreate(); });
}

TfrmMain::~TfrmMain() {
    SetOnHandlersDone(nullptr);
    if (frmMain == this)
        frmMain = nullptr;
}

void TfrmMain::SetUpTable() {
    itemsModel_ = new KeywordTableModel(Items, this);
    lvwItems->setModel(itemsModel_);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    lvwItems->setFont(font);
    // Fixed row heights and widths: nothing is measured per row.
    QHeaderView* rows = lvwItems->verticalHeader();
    rows->setVisible(false);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(QFontMetrics(font).height() + 4);
    QHeaderView* columns = lvwItems->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(false);
    columns->setHighlightSections(false);
    for (int c = 0; c < KeywordTable::kColumnCount; ++c)
        columns->resizeSection(c, kColumnWidths[c]);
    columns->setSectionsClickable(Items.ColumnClick());
    Items.OnColumnClickChanged = [columns](bool on) { columns->setSectionsClickable(on); };
    Items.OnRowCountText = [this](const std::string& text) { SecondStatusPanel->setText(ToQ(text)); };
    connect(columns, &QHeaderView::sectionClicked, this, [this](int column) {
        if (Items.ColumnClick())
            RunHandler("lvwItemsColumnClick", [this, column] { lvwItemsColumnClick(column); });
    });
}

void TfrmMain::Wire() {
    const auto on = [this](QPushButton* button, const char* name, void (TfrmMain::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, name, handler] { RunHandler(name, [&] { (this->*handler)(); }); });
    };
    on(btnMainKeyword, "btnMainKeywordClick", &TfrmMain::btnMainKeywordClick);
    on(btnGatherKeyword, "btnGatherKeywordClick", &TfrmMain::btnGatherKeywordClick);
    on(btnAddKeyword, "btnAddKeywordClick", &TfrmMain::btnAddKeywordClick);
    on(btnGatherData, "btnGatherDataClick", &TfrmMain::btnGatherDataClick);
    on(btnSaveResults, "btnSaveResultsClick", &TfrmMain::btnSaveResultsClick);
    on(btnMakeMoney, "btnMakeMoneyClick", &TfrmMain::btnMakeMoneyClick);
    on(bsSkinButton1, "bsSkinButton1Click", &TfrmMain::bsSkinButton1Click);
    on(bsSkinButton2, "bsSkinButton2Click", &TfrmMain::bsSkinButton2Click);
    on(bsSkinButton3, "bsSkinButton3Click", &TfrmMain::bsSkinButton3Click);
    on(bsSkinButton4, "bsSkinButton4Click", &TfrmMain::bsSkinButton4Click);
    connect(imgBanner, &BannerImage::clicked, this,
            [this] { RunHandler("imgBannerClick", [this] { imgBannerClick(); }); });

    IdHTTP1->OnWorkBegin = [this](WorkMode mode, int max) { IdHTTP1WorkBegin(mode, max); };
    IdHTTP1->OnWork = [this](WorkMode mode, int count) { IdHTTP1Work(mode, count); };
    IdHTTP1->OnWorkEnd = [this](WorkMode mode) { IdHTTP1WorkEnd(mode); };

    panBanner->installEventFilter(this);
    bsSkinPanel4->installEventFilter(this);
    connect(lblLink2URL, &LinkLabel::captionChanged, this, &TfrmMain::PlaceLink2);
    SetOnHandlersDone([this] {
        if (closeRequested_)
            QTimer::singleShot(0, this, &QWidget::close);
    });
}

void TfrmMain::FormCreate() {
    SortColumn = -1;
    SortAscending = true;
    LoadSettings();
}

void TfrmMain::FormShow() {
    // Banner placement: each size halved on its own, by integer division.
    const QPixmap picture = imgBanner->pixmap();
    imgBanner->resize(picture.width(), picture.height());
    imgBanner->move(panBanner->width() / 2 - imgBanner->width() / 2, panBanner->height() / 2 - imgBanner->height() / 2);
}

void TfrmMain::FormResize() {
    FormShow();
}

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    RunHandler("FormShow", [this] { FormShow(); });
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == panBanner)
            RunHandler("FormResize", [this] { FormResize(); });
        else if (watched == bsSkinPanel4)
            PlaceLink2();
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::PlaceLink2() {
    lblLink2URL->adjustSize();
    lblLink2URL->move(bsSkinPanel4->width() - kLink2RightGap - lblLink2URL->width(), 32);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (HandlersRunning() > 0) {
        // An action still runs inside a nested event loop: it runs to its end
        // with every dialog answering Cancel, and then the window closes.
        closeRequested_ = true;
        ModalGate::SetClosing(true);
        StopRequested = true;
        fetcher_->Disconnect();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TfrmMain::SetStatusText(const std::string& text) {
    MainStatusPanel->setText(ToQ(text));
}
int TfrmMain::GaugeMax() const {
    return MainGauge->MaxValue();
}
void TfrmMain::SetGaugeMax(int max) {
    MainGauge->SetMaxValue(max);
}
void TfrmMain::SetGaugeValue(int value) {
    MainGauge->SetProgress(value);
}
void TfrmMain::Pump() {
    PumpMessages();
}

bool TfrmMain::GetPage(const std::string& address, std::string& page) {
    return fetcher_->GetPage(address, page);
}

void TfrmMain::IdHTTP1WorkBegin(WorkMode mode, int workCountMax) {
    fetcher_->WorkBegin(mode, workCountMax);
}
void TfrmMain::IdHTTP1Work(WorkMode mode, int workCount) {
    fetcher_->Work(mode, workCount);
}
void TfrmMain::IdHTTP1WorkEnd(WorkMode mode) {
    fetcher_->WorkEnd(mode);
}

} // namespace tw
