// Branding against a recording target: the order of the steps, where each
// failure stops, and how the banner file is renamed and decoded.
#include "app/Branding.h"
#include "app/core/FileOps.h"
#include "tests/app/BrandingFixtures.h"

#include <QApplication>
#include <cstring>
#include <stdexcept>

namespace tw {
namespace {

using test::MakeGif;
using test::MakePicture;

class RecordingTarget : public BrandingTarget {
public:
    std::vector<std::string> calls;
    std::function<void()> onPicture;

    void SetCaption(const std::string& caption) override { calls.push_back("caption " + caption); }
    void SetBannerHandCursor() override { calls.push_back("hand cursor"); }
    void SetBannerPicture(const QImage& picture) override {
        calls.push_back("picture " + std::to_string(picture.width()) + "x" + std::to_string(picture.height()));
        if (onPicture)
            onPicture();
    }
    void HideBannerBand() override { calls.push_back("hide band"); }
    void SetLink(int which, const std::string& caption, const std::string& address) override {
        calls.push_back("link" + std::to_string(which) + " " + caption + "|" + address);
    }
    void ApplySkin(const std::string& styleSheet) override { calls.push_back("skin " + styleSheet); }
    void SetAppIcon(const QIcon& icon) override {
        calls.push_back("icon " + std::to_string(icon.availableSizes().value(0).width()));
    }
};

struct Fields {
    std::string AffiliateId, BannerUrl, BannerPath, Link1Url, Link1Name, Link2Url, Link2Name, IconPath;
    BrandingFields Refs() {
        return {AffiliateId, BannerUrl, BannerPath, Link1Url, Link1Name, Link2Url, Link2Name, IconPath};
    }
};

class BrandingTest : public ::testing::Test {
protected:
    // Loads the folder; the failure text, empty when none.
    std::string Load() {
        Branding branding(folder.Folder(), target, fields.Refs());
        if (failingRename)
            branding.SetRenameForTesting([](const std::string&, const std::string&) { return false; });
        try {
            branding.Load();
        } catch (const std::exception& e) {
            return e.what();
        }
        return {};
    }
    test::ProgramFolderFixture folder;
    RecordingTarget target;
    Fields fields;
    bool failingRename = false;
};

TEST_F(BrandingTest, AppliesEveryStepInOrder) {
    folder.WriteHere("dbconfig.dat", "[Settings]\r\nAppName=Acme\r\nAfiliateID=abc\r\nBannerURL=http://b/\r\n"
                                     "BannerPath=C:\\pictures\\Top.GIF\r\nLink1URL=http://one/\r\nLink1Name=One\r\n"
                                     "Link2URL=http://two/\r\nLink2Name=Two\r\nIconPath=D:\\art\\app.ico\r\n");
    folder.WriteHere("dbimg.dat", MakeGif(100, 20));
    folder.WriteHere("dbskin.dat", MakeSkinFile("QWidget {}"));
    folder.WriteHere("app.ico", MakePicture("ICO", 16, 16));
    EXPECT_EQ(Load(), "");
    EXPECT_EQ(target.calls,
              (std::vector<std::string>{"caption Acme", "hand cursor", "picture 100x20", "link1 One|http://one/",
                                        "link2 Two|http://two/", "skin QWidget {}", "icon 16"}));
    EXPECT_EQ(fields.AffiliateId, "abc");
    EXPECT_EQ(fields.BannerUrl, "http://b/");
    EXPECT_EQ(fields.BannerPath, "C:\\pictures\\Top.GIF");
    EXPECT_EQ(fields.IconPath, "D:\\art\\app.ico");
}

TEST_F(BrandingTest, WithoutSettingsNoOtherFileIsLookedAt) {
    folder.WriteHere("dbimg.dat", MakeGif(100, 20));
    folder.WriteHere("dbskin.dat", "broken");
    folder.WriteHere("app.ico", "broken");
    EXPECT_EQ(Load(), "");
    EXPECT_TRUE(target.calls.empty());
}

TEST_F(BrandingTest, PictureIsUnderTheSettingsNameWhileItLoads) {
    folder.WriteHere("dbconfig.dat", "[Settings]\nBannerPath=C:\\pictures\\Top.GIF\n");
    folder.WriteHere("dbimg.dat", MakeGif(100, 20));
    target.onPicture = [&] {
        EXPECT_TRUE(FileExists(folder.Folder() + "Top.GIF"));
        EXPECT_FALSE(FileExists(folder.Folder() + "dbimg.dat"));
    };
    EXPECT_EQ(Load(), "");
    EXPECT_EQ(target.calls.at(0), "picture 100x20");
    EXPECT_EQ(folder.NamesHere(), (std::vector<std::string>{"dbconfig.dat", "dbimg.dat"}));
}

// The picture types: what "dbimg.dat" holds and what the setting's extension
// says decide together, and the file always keeps its name.
TEST_F(BrandingTest, DecodesByTheExtensionOfTheSetting) {
    const struct {
        const char* what;
        std::string picture;
        const char* bannerPath;
        const char* result; // "picture WxH" or the start of the failure text
    } cases[] = {
        {"gif", MakeGif(100, 20), "Top.GIF", "picture 100x20"},
        {"bmp", MakePicture("BMP", 40, 10), "x.bmp", "picture 40x10"},
        {"ico", MakePicture("ICO", 32, 32), "x.Ico", "picture 32x32"},
        {"jpg", MakePicture("JPEG", 24, 12), "x.jpg", "picture 24x12"},
        {"jpeg", MakePicture("JPEG", 24, 12), "x.JPEG", "picture 24x12"},
        {"no extension, by content (png)", MakePicture("PNG", 30, 30), "C:\\banner", "picture 30x30"},
        {"no extension, by content (gif)", MakeGif(7, 3), "banner.", "picture 7x3"},
        {"png", MakePicture("PNG", 30, 30), "banner.png", "Unknown picture file extension (.png)"},
        {"png content named .gif", MakePicture("PNG", 30, 30), "x.gif", "GIF image is not valid"},
        {"gif content named .bmp", MakeGif(5, 5), "x.bmp", "Bitmap image is not valid"},
        {"png content named .ico", MakePicture("PNG", 16, 16), "x.ico", "Icon image is not valid"},
        {"text by content", "not a picture", "banner", "Picture format is not recognised"},
        {"wmf", "metafile", "x.wmf", "Windows metafile pictures (.wmf) cannot be shown"},
        {"emf", "metafile", "x.EMF", "Enhanced metafile pictures (.emf) cannot be shown"},
        {"the folder itself", MakeGif(5, 5), "C:\\pictures\\", "Cannot open file"},
        {"dot dot", MakeGif(5, 5), "..", "Cannot open file"},
        {"the settings file", MakeGif(5, 5), "dbconfig.dat", "Unknown picture file extension (.dat)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        target.calls.clear();
        folder.WriteHere("dbconfig.dat", std::string("[Settings]\nBannerPath=") + c.bannerPath + "\n");
        folder.WriteHere("dbimg.dat", c.picture);
        const std::string failure = Load();
        const std::string result = failure.empty() ? target.calls.at(0) : failure;
        EXPECT_EQ(result.substr(0, std::strlen(c.result)), c.result) << result;
        if (!failure.empty()) {
            EXPECT_TRUE(target.calls.empty()) << "nothing after a failing banner";
        }
        EXPECT_EQ(folder.NamesHere(), (std::vector<std::string>{"dbconfig.dat", "dbimg.dat"}));
        EXPECT_EQ(folder.Read(folder.Folder() + "dbimg.dat"), c.picture);
    }
}

TEST_F(BrandingTest, ExistingFileOfThatNameIsShownAndBothKeepTheirNames) {
    folder.WriteHere("dbconfig.dat", "[Settings]\nBannerPath=Top.gif\n");
    const std::string ours = MakeGif(100, 20), theirs = MakeGif(50, 10);
    folder.WriteHere("dbimg.dat", ours);
    folder.WriteHere("Top.gif", theirs);
    EXPECT_EQ(Load(), "");
    EXPECT_EQ(target.calls.at(0), "picture 50x10");
    EXPECT_EQ(folder.Read(folder.Folder() + "dbimg.dat"), ours);
    EXPECT_EQ(folder.Read(folder.Folder() + "Top.gif"), theirs);
}

TEST_F(BrandingTest, FolderThatCannotBeWrittenDecodesTheBannerInPlace) {
    failingRename = true;
    folder.WriteHere("dbimg.dat", MakeGif(100, 20));
    folder.WriteHere("dbconfig.dat", "[Settings]\nBannerPath=C:\\pictures\\Top.GIF\n");
    EXPECT_EQ(Load(), "");
    EXPECT_EQ(target.calls.at(0), "picture 100x20");
    // Still typed by the setting's extension.
    target.calls.clear();
    folder.WriteHere("dbconfig.dat", "[Settings]\nBannerPath=Top.bmp\n");
    EXPECT_EQ(Load(), "Bitmap image is not valid (" + folder.Folder() + "dbimg.dat)");
    EXPECT_TRUE(target.calls.empty());
}

TEST_F(BrandingTest, BandHiddenWithoutPathOrPicture) {
    folder.WriteHere("dbconfig.dat", "[Settings]\nBannerURL=http://b/\n");
    folder.WriteHere("dbimg.dat", MakeGif(100, 20));
    EXPECT_EQ(Load(), "");
    EXPECT_EQ(target.calls.at(0), "hand cursor");
    EXPECT_EQ(target.calls.at(1), "hide band");

    target.calls.clear();
    test::fs::remove(folder.Folder() + "dbimg.dat");
    folder.WriteHere("dbconfig.dat", "[Settings]\nBannerPath=Top.gif\n");
    EXPECT_EQ(Load(), "");
    EXPECT_EQ(target.calls.at(0), "hide band");
    EXPECT_EQ(fields.BannerPath, "Top.gif");
}

// A failing skin stops before the icon; a skin that is not ours, or yields
// nothing, is passed over silently.
TEST_F(BrandingTest, SkinFilesAndWhatFollowsThem) {
    const std::string stream = CompressSkin("QWidget {}");
    const std::string overCap = CompressSkin(std::string(kSkinInflateCap + 1, ' '));
    const auto length = [](const std::string& s) { return test::Le32(static_cast<std::int32_t>(s.size())); };
    const struct {
        const char* what;
        std::string skin;
        const char* failure;
        std::vector<std::string> last; // the calls after the links
    } cases[] = {
        {"version 3", MakeSkinFile("QWidget {}"), "", {"skin QWidget {}", "icon 16"}},
        {"version 4", MakeSkinFile("QWidget {}", 4), "", {"icon 16"}},
        {"negative length", test::Le32(3) + test::Le32(-1) + stream, "The skin file cannot be read", {}},
        {"length past the end", test::Le32(3) + length(stream + "x") + stream, "The skin file cannot be read", {}},
        {"too short", "\x03\x00", "The skin file cannot be read", {}},
        {"inflates past the cap", test::Le32(3) + length(overCap) + overCap, "", {"icon 16"}},
        {"not zlib", test::Le32(3) + test::Le32(4) + "abcd", "", {"icon 16"}},
    };
    folder.WriteHere("dbconfig.dat", "[Settings]\nIconPath=app.ico\n");
    folder.WriteHere("app.ico", MakePicture("ICO", 16, 16));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        target.calls.clear();
        folder.WriteHere("dbskin.dat", c.skin);
        const std::string failure = Load();
        EXPECT_EQ(failure.substr(0, std::strlen(c.failure)), c.failure);
        EXPECT_EQ(failure.empty(), std::strlen(c.failure) == 0) << failure;
        ASSERT_GE(target.calls.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(target.calls.begin() + 3, target.calls.end()), c.last);
    }
}

TEST_F(BrandingTest, IconFiles) {
    const struct {
        const char* what;
        const char* iconPath;
        std::string file; // written as app.ico; empty: none
        const char* failure;
        bool applied;
    } cases[] = {
        {"icon from another folder's path", "D:\\art\\app.ico", MakePicture("ICO", 16, 16), "", true},
        {"missing icon file", "D:\\art\\other.ico", MakePicture("ICO", 16, 16), "", false},
        {"no IconPath", "", MakePicture("ICO", 16, 16), "", false},
        {"png named .ico", "app.ico", MakePicture("PNG", 16, 16), "Icon image is not valid", false},
        {"text", "app.ico", "hello", "Icon image is not valid", false},
        {"empty file", "app.ico", "", "Icon image is not valid", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        target.calls.clear();
        fields.IconPath.clear();
        folder.WriteHere("dbconfig.dat", std::string("[Settings]\nIconPath=") + c.iconPath + "\n");
        folder.WriteHere("app.ico", c.file);
        EXPECT_EQ(Load(), c.failure);
        EXPECT_EQ(!target.calls.empty() && target.calls.back() == "icon 16", c.applied);
    }
}

} // namespace
} // namespace tw
