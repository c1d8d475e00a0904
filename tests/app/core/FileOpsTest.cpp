#include "app/core/FileOps.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tw {
namespace {

namespace fs = std::filesystem;

TEST(FileNamePart, EndsAtBackslashColonOrSlash) {
    const struct {
        const char* setting;
        const char* name;
    } cases[] = {
        {"Top.GIF", "Top.GIF"},
        {"C:\\pictures\\Top.GIF", "Top.GIF"},
        {"D:\\art\\app.ico", "app.ico"},
        {"C:app.ico", "app.ico"},
        {"pictures/Top.gif", "Top.gif"},
        {"/etc/hostname", "hostname"},
        {"../x", "x"},
        {"a/../../y", "y"},
        {"..\\..\\z.gif", "z.gif"},
        {"C:\\pictures\\", ""},
        {"pictures/", ""},
        {"C:", ""},
        {"", ""},
        {".", ""},
        {"..", ""},
        {"a/..", ""},
        {"C:\\x\\..", ""},
        {".. ", ""},
        {"...", ""},
        {".gif", ".gif"},
        {"a..b", "a..b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileNamePart(c.setting), c.name) << c.setting;
    // Whatever hides behind a NUL does not count.
    EXPECT_EQ(FileNamePart(std::string("..\0x", 4)), "");
    EXPECT_EQ(FileNamePart(std::string("ok.gif\0/..", 10)), "ok.gif");
}

class FileOpsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        fs::path dir;
        do
            dir = fs::temp_directory_path() / ("fileops_" + std::to_string(random()));
        while (!fs::create_directory(dir));
        dir_ = dir.string() + "/";
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ + name, std::ios::binary) << text;
    }
    std::string Read(const std::string& name) {
        std::ifstream in(dir_ + name, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::string dir_;
};

TEST_F(FileOpsTest, OnlyFilesExist) {
    Write("file", "x");
    fs::create_directory(dir_ + "folder");
    EXPECT_TRUE(FileExists(dir_ + "file"));
    EXPECT_FALSE(FileExists(dir_ + "folder"));
    EXPECT_FALSE(FileExists(dir_));
    EXPECT_FALSE(FileExists(dir_ + "missing"));
#ifndef _WIN32
    ASSERT_EQ(mkfifo((dir_ + "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(FileExists(dir_ + "pipe"));
#endif
}

TEST_F(FileOpsTest, RenameMovesToAFreeName) {
    Write("dbimg.dat", "picture");
    EXPECT_TRUE(RenameNoReplace(dir_ + "dbimg.dat", dir_ + "Top.GIF"));
    EXPECT_FALSE(FileExists(dir_ + "dbimg.dat"));
    EXPECT_EQ(Read("Top.GIF"), "picture");
}

TEST_F(FileOpsTest, RenameNeverReplaces) {
    Write("dbimg.dat", "picture");
    Write("Top.GIF", "theirs");
    EXPECT_FALSE(RenameNoReplace(dir_ + "dbimg.dat", dir_ + "Top.GIF"));
    // ...and the rename back cannot destroy the picture either.
    EXPECT_FALSE(RenameNoReplace(dir_ + "Top.GIF", dir_ + "dbimg.dat"));
    EXPECT_EQ(Read("dbimg.dat"), "picture");
    EXPECT_EQ(Read("Top.GIF"), "theirs");

    fs::create_directory(dir_ + "folder");
    EXPECT_FALSE(RenameNoReplace(dir_ + "dbimg.dat", dir_ + "folder"));
    EXPECT_FALSE(RenameNoReplace(dir_ + "missing", dir_ + "free"));
    EXPECT_EQ(Read("dbimg.dat"), "picture");
}

} // namespace
} // namespace tw
