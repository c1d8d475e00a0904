// The main window started from program-folder fixtures: what the user sees
// and what the clicks open (through a fake xdg-open first on PATH).
#include "app/FMain.h"
#include "app/ui/LinkLabel.h"
#include "app/ui/QtText.h"
#include "tests/app/BrandingFixtures.h"
#include "tests/support/Seams.h"
#include "web/core/Hosts.h"

#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QStyle>
#include <optional>

namespace tw {
namespace {

using test::MakeGif;
using test::MakePicture;

struct Link {
    std::string caption;
    std::string address;
    bool operator==(const Link&) const = default;
};

struct WindowCase {
    const char* what = "";
    std::optional<std::string> config = {}; // dbconfig.dat; none: no file
    std::vector<std::pair<std::string, std::string>> files = {};
    // What the window shows afterwards.
    std::string caption = "Tarnwick";
    bool bandHidden = false;
    QSize banner = QSize(480, 60);
    bool handCursor = false;
    Link link1 = {"Google", kGoogleHomePage};
    Link link2 = {"Google", kGoogleHomePage};
    bool skinApplied = false;
    bool iconApplied = false;
    const char* failure = ""; // the start of FormCreate's failure text
    // What the clicks open: the banner (none: nothing), the first link label
    // (none: not clicked), and "Make Money" after "http://<affiliate host>/".
    std::optional<std::string> bannerOpens = {};
    std::optional<std::string> link1Opens = {};
    std::string affiliatePath = {};
};

const std::string kGif = MakeGif(100, 20);
const std::string kSkin = MakeSkinFile(test::kFixtureSkin);

std::string OverCapSkin() {
    const std::string stream = CompressSkin(std::string(kSkinInflateCap + 1, ' '));
    return test::Le32(3) + test::Le32(static_cast<std::int32_t>(stream.size())) + stream;
}

std::vector<WindowCase> Cases() {
    const std::pair<std::string, std::string> skin{"dbskin.dat", kSkin};
    const std::pair<std::string, std::string> icon{"app.ico", MakePicture("ICO", 16, 16)};
    const std::pair<std::string, std::string> picture{"dbimg.dat", kGif};
    return {
        {.what = "no dbconfig.dat", .files = {skin, icon, picture}},
        {.what = "empty dbconfig.dat",
         .config = "",
         .files = {skin},
         .bandHidden = true,
         .link1 = {},
         .link2 = {},
         .skinApplied = true},
        {.what = "BannerURL without BannerPath",
         .config = "[Settings]\nBannerURL=http://banner.example/\n",
         .files = {picture},
         .bandHidden = true,
         .handCursor = true,
         .link1 = {},
         .link2 = {},
         .bannerOpens = "http://banner.example/"},
        {.what = "BannerPath C:\\pictures\\Top.GIF",
         .config = "[Settings]\nBannerURL=http://banner.example/?a=1&b=2\nBannerPath=C:\\pictures\\Top.GIF\n"
                   "Link1URL=http://one.example/\nLink1Name=One\nLink2URL=http://two.example/\nLink2Name=Two\n",
         .files = {picture},
         .banner = QSize(100, 20),
         .handCursor = true,
         .link1 = {"One", "http://one.example/"},
         .link2 = {"Two", "http://two.example/"},
         .bannerOpens = "http://banner.example/?a=1&b=2",
         .link1Opens = "http://one.example/"},
        {.what = "BannerPath naming an existing file",
         .config = "[Settings]\nBannerPath=Top.gif\n",
         .files = {picture, {"Top.gif", MakeGif(50, 10)}},
         .banner = QSize(50, 10),
         .link1 = {},
         .link2 = {}},
        {.what = "BannerPath without an extension",
         .config = "[Settings]\nBannerPath=C:\\pictures\\banner\n",
         .files = {{"dbimg.dat", MakePicture("PNG", 30, 30)}},
         .banner = QSize(30, 30),
         .link1 = {},
         .link2 = {}},
        {.what = "banner.png",
         .config = "[Settings]\nBannerPath=banner.png\nLink1Name=One\nIconPath=app.ico\n",
         .files = {picture, skin, icon},
         .failure = "Unknown picture file extension (.png)"},
        {.what = "Link1Name without Link1URL",
         .config = "[Settings]\nLink1Name=Partner\n",
         .bandHidden = true,
         .link1 = {"Partner", ""},
         .link2 = {},
         .link1Opens = ""},
        {.what = "AppName in double quotes",
         .config = "[Settings]\nAppName=\"Acme Keywords\"\n",
         .caption = "Acme Keywords",
         .bandHidden = true,
         .link1 = {},
         .link2 = {}},
        {.what = "AfiliateID abc",
         .config = "[Settings]\nAfiliateID=abc\n",
         .bandHidden = true,
         .link1 = {},
         .link2 = {},
         .affiliatePath = "abc"},
        {.what = "IconPath naming a missing file",
         .config = "[Settings]\nIconPath=D:\\art\\missing.ico\n",
         .files = {icon},
         .bandHidden = true,
         .link1 = {},
         .link2 = {}},
        {.what = "IconPath D:\\art\\app.ico",
         .config = "[Settings]\nIconPath=D:\\art\\app.ico\n",
         .files = {icon},
         .bandHidden = true,
         .link1 = {},
         .link2 = {},
         .iconApplied = true},
        {.what = "IconPath naming no icon",
         .config = "[Settings]\nIconPath=app.ico\n",
         .files = {skin, {"app.ico", MakePicture("PNG", 16, 16)}},
         .bandHidden = true,
         .link1 = {},
         .link2 = {},
         .skinApplied = true,
         .failure = "Icon image is not valid"},
        {.what = "skin of version 4",
         .config = "[Settings]\nIconPath=app.ico\n",
         .files = {{"dbskin.dat", MakeSkinFile(test::kFixtureSkin, 4)}, icon},
         .bandHidden = true,
         .link1 = {},
         .link2 = {},
         .iconApplied = true},
        {.what = "skin of negative length",
         .config = "[Settings]\nIconPath=app.ico\n",
         .files = {{"dbskin.dat", test::Le32(3) + test::Le32(-100) + kSkin.substr(8)}, icon},
         .bandHidden = true,
         .link1 = {},
         .link2 = {},
         .failure = "The skin file cannot be read"},
        {.what = "skin of a length past the end",
         .config = "[Settings]\nIconPath=app.ico\n",
         .files = {{"dbskin.dat",
                    test::Le32(3) + test::Le32(static_cast<std::int32_t>(kSkin.size())) + kSkin.substr(8)},
                   icon},
         .bandHidden = true,
         .link1 = {},
         .link2 = {},
         .failure = "The skin file cannot be read"},
        {.what = "skin that inflates past the cap",
         .config = "[Settings]\nIconPath=app.ico\n",
         .files = {{"dbskin.dat", OverCapSkin()}, icon},
         .bandHidden = true,
         .link1 = {},
         .link2 = {},
         .iconApplied = true},
    };
}

class BrandingWindowTest : public test::SeamTest {
protected:
    void SetUp() override {
        SeamTest::SetUp();
        icon_ = QApplication::windowIcon();
    }
    void TearDown() override {
        QApplication::setWindowIcon(icon_);
        SeamTest::TearDown();
    }
    static std::string FormCreateFailure() {
        for (const auto& e : FailureReport::Entries())
            if (e.where == "FormCreate")
                return e.what;
        return {};
    }
    QIcon icon_;
};

TEST_F(BrandingWindowTest, ProgramFolderFixtures) {
    const std::string host = HostOf(Service::Affiliate);
    for (const WindowCase& c : Cases()) {
        SCOPED_TRACE(c.what);
        FailureReport::Reset();
        QApplication::setWindowIcon(icon_);
        test::ProgramFolderFixture folder;
        if (c.config)
            folder.WriteHere("dbconfig.dat", *c.config);
        for (const auto& [name, bytes] : c.files)
            folder.WriteHere(name, bytes);
        const std::vector<std::string> before = folder.NamesHere();

        TfrmMain window;
        window.show();
        EXPECT_EQ(FromQ(window.windowTitle()), c.caption);
        EXPECT_EQ(window.panBanner->isHidden(), c.bandHidden);
        EXPECT_EQ(window.imgBanner->pixmap().size(), c.banner);
        EXPECT_EQ(window.imgBanner->cursor().shape(), c.handCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
        EXPECT_EQ((Link{FromQ(window.lblLink1URL->text()), window.lblLink1URL->Address()}), c.link1);
        EXPECT_EQ((Link{FromQ(window.lblLink2URL->text()), window.lblLink2URL->Address()}), c.link2);
        EXPECT_EQ(qApp->styleSheet().contains(QStringLiteral("fixture skin")), c.skinApplied);
        EXPECT_EQ(QApplication::windowIcon().cacheKey() != icon_.cacheKey(), c.iconApplied);
        const std::string failure = FormCreateFailure();
        EXPECT_EQ(failure.substr(0, std::strlen(c.failure)), c.failure);
        EXPECT_EQ(failure.empty(), std::strlen(c.failure) == 0) << failure;
        // Renames are undone and nothing is written.
        EXPECT_EQ(folder.NamesHere(), before);

        std::vector<std::string> expected;
        QTest::mouseClick(window.imgBanner, Qt::LeftButton);
        if (c.bannerOpens) {
            expected.push_back("1|" + *c.bannerOpens);
            folder.WaitForOpened(expected.size());
        }
        if (c.link1Opens) {
            QTest::mouseClick(window.lblLink1URL, Qt::LeftButton);
            expected.push_back("1|" + *c.link1Opens);
            folder.WaitForOpened(expected.size());
        }
        QTest::mouseClick(window.btnMakeMoney, Qt::LeftButton);
        expected.push_back("1|http://" + host + "/" + c.affiliatePath);
        EXPECT_EQ(folder.WaitForOpened(expected.size()), expected);
    }
}

TEST_F(BrandingWindowTest, SettingsCannotReachOutsideTheProgramFolder) {
    const struct {
        const char* bannerPath;
        const char* iconPath;
    } cases[] = {
        {"../x.gif", "../app.ico"},
        {"a/../../x.gif", "a/../../app.ico"},
        {"..\\x.gif", "..\\app.ico"},
        {"/etc/hostname", "/etc/hostname"},
        {"..", ".."},
    };
    const std::string hostname = test::ProgramFolderFixture().Read("/etc/hostname");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bannerPath);
        FailureReport::Reset();
        test::ProgramFolderFixture folder;
        const std::string outsideGif = MakeGif(50, 10), outsideIcon = MakePicture("ICO", 16, 16);
        folder.Write(folder.Root() + "x.gif", outsideGif);
        folder.Write(folder.Root() + "app.ico", outsideIcon);
        folder.WriteHere("dbconfig.dat",
                         std::string("[Settings]\nBannerPath=") + c.bannerPath + "\nIconPath=" + c.iconPath + "\n");
        folder.WriteHere("dbimg.dat", kGif);
        const std::vector<std::string> outside = test::ProgramFolderFixture::Names(folder.Root());
        {
            TfrmMain window;
            // The picture shown, if any, is the program folder's own.
            EXPECT_NE(window.imgBanner->pixmap().size(), QSize(50, 10));
            EXPECT_EQ(QApplication::windowIcon().cacheKey(), icon_.cacheKey());
        }
        EXPECT_EQ(test::ProgramFolderFixture::Names(folder.Root()), outside);
        EXPECT_EQ(folder.Read(folder.Root() + "x.gif"), outsideGif);
        EXPECT_EQ(folder.Read(folder.Root() + "app.ico"), outsideIcon);
        EXPECT_EQ(folder.NamesHere(), (std::vector<std::string>{"dbconfig.dat", "dbimg.dat"}));
        EXPECT_EQ(folder.Read("/etc/hostname"), hostname);
    }
}

TEST_F(BrandingWindowTest, SkinAppliesToEveryWindow) {
    test::ProgramFolderFixture folder;
    folder.WriteHere("dbconfig.dat", "");
    folder.WriteHere("dbskin.dat", kSkin);
    TfrmMain window;
    window.show();
    QWidget dialog;
    dialog.show();
    EXPECT_EQ(window.bsSkinData1.StyleSheet(), test::kFixtureSkin);
    // One application-wide style sheet: every window, dialogs included.
    EXPECT_EQ(FromQ(qApp->styleSheet()), test::kFixtureSkin);
    EXPECT_STREQ(dialog.style()->metaObject()->className(), "QStyleSheetStyle");
}

TEST_F(BrandingWindowTest, LinkCaptionsFitTheLoadedSkin) {
    test::ProgramFolderFixture folder;
    folder.WriteHere("dbconfig.dat", "[Settings]\nLink1Name=Acme home page\nLink2Name=Support desk\n");
    folder.WriteHere("dbskin.dat", MakeSkinFile("* { font-family: Arial; font-size: 30px; }"));
    TfrmMain window;
    window.show();
    for (LinkLabel* link : {window.lblLink1URL, window.lblLink2URL}) {
        SCOPED_TRACE(FromQ(link->text()));
        EXPECT_GE(link->width(), link->fontMetrics().horizontalAdvance(link->text()));
    }
    // The second label still ends 18 pixels from the bar's right edge.
    EXPECT_EQ(window.lblLink2URL->geometry().right() + 1, window.bsSkinPanel4->width() - 18);
}

} // namespace
} // namespace tw
