// The main window's handlers for: Branding settings and the browser launcher.
// They read the window and call the subsystem, which holds the logic.
#include "app/Branding.h"
#include "app/FMain.h"
#include "app/core/Paths.h"
#include "app/ui/LinkLabel.h"
#include "app/ui/QtText.h"
#include "web/core/Hosts.h"
#include "web/core/UUtils.h"

#include <QApplication>
#include <QFrame>
#include <QPixmap>

namespace tw {

namespace {
class WindowBranding : public BrandingTarget {
public:
    explicit WindowBranding(TfrmMain& window) : w_(window) {}

    void SetCaption(const std::string& caption) override { w_.setWindowTitle(ToQ(caption)); }
    void SetBannerHandCursor() override { w_.imgBanner->setCursor(Qt::PointingHandCursor); }
    void SetBannerPicture(const QImage& picture) override {
        w_.imgBanner->setPixmap(QPixmap::fromImage(picture));
        w_.imgBanner->resize(picture.size());
    }
    void HideBannerBand() override { w_.panBanner->hide(); }
    void SetLink(int which, const std::string& caption, const std::string& address) override {
        LinkLabel* link = which == 1 ? w_.lblLink1URL : w_.lblLink2URL;
        link->SetCaption(caption);
        link->SetAddress(address);
    }
    // The one skin of the program: it applies to every window.
    void ApplySkin(const std::string& styleSheet) override {
        w_.bsSkinData1.Apply(styleSheet);
        // The link captions were fitted in the old skin's font.
        w_.lblLink1URL->SetCaption(w_.Link1Name);
        w_.lblLink2URL->SetCaption(w_.Link2Name);
    }
    void SetAppIcon(const QIcon& icon) override { QApplication::setWindowIcon(icon); }

private:
    TfrmMain& w_;
};
} // namespace

void TfrmMain::btnMakeMoneyClick() {
    OpenUrl("http://" + HostOf(Service::Affiliate) + "/" + AffiliateId);
}

void TfrmMain::imgBannerClick() {
    if (!BannerUrl.empty())
        OpenUrl(BannerUrl);
}

void TfrmMain::LoadSettings() {
    WindowBranding target(*this);
    Branding(ProgramFolder(), target,
             {AffiliateId, BannerUrl, BannerPath, Link1Url, Link1Name, Link2Url, Link2Name, IconPath})
        .Load();
}

} // namespace tw
