#include "web/core/OpenUrl.h"
#include "web/core/UUtils.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace tw {
namespace {

namespace fs = std::filesystem;

TEST(ProgramPathFromCommand, CutsBetweenTheFirstTwoQuotes) {
    const struct {
        const char* command;
        const char* path;
    } cases[] = {
        {"\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" -nohome \"%1\"",
         "C:\\Program Files\\Internet Explorer\\iexplore.exe"},
        {"\"C:\\b.exe\" %1", "C:\\b.exe"},
        {"x \"C:\\b.exe\"", "C:\\b.exe"},
        {"\"\" %1", ""},
        {"\"C:\\b.exe -nohome %1", ""},
        {"C:\\b.exe -nohome %1", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramPathFromCommand(c.command), c.path) << c.command;
}

struct ShellCall {
    std::string program;
    std::string parameters;
};

TEST(OpenUrlWith, OpensTheProgramWithTheAddressOnly) {
    const struct {
        const char* command;
        bool result;
        bool called;
        const char* program;
    } cases[] = {
        {"\"C:\\IE\\iexplore.exe\" -nohome \"%1\"", true, true, "C:\\IE\\iexplore.exe"},
        {"\"C:\\IE\\iexplore.exe -nohome %1", true, true, ""},
        {"C:\\IE\\iexplore.exe %1", true, true, ""},
        {"", false, false, ""},
    };
    const std::string url = "http://www.example.com/a b?q=\"x\"&y=1";
    for (const auto& c : cases) {
        std::vector<ShellCall> calls;
        const BrowserShell shell{[&] { return std::string(c.command); },
                                 [&](const std::string& p, const std::string& a) {
                                     calls.push_back({p, a});
                                 }};
        EXPECT_EQ(OpenUrlWith(url, shell), c.result) << c.command;
        ASSERT_EQ(calls.size(), c.called ? 1u : 0u) << c.command;
        if (c.called) {
            EXPECT_EQ(calls[0].program, c.program);
            EXPECT_EQ(calls[0].parameters, url);
        }
    }
}

#ifndef _WIN32

// A folder holding a fake xdg-open that writes its argument count and
// arguments, one a line, to a file beside it.
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "openurl_XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        const char* path = std::getenv("PATH");
        oldPath_ = path ? path : "";
        record_ = dir_ + "/opened";
    }
    void TearDown() override {
        setenv("PATH", oldPath_.c_str(), 1);
        fs::remove_all(dir_);
    }
    void MakeLauncher(const std::string& folder) {
        fs::create_directories(folder);
        const std::string script = folder + "/xdg-open";
        std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" << record_ << ".tmp'\n/bin/mv '"
                              << record_ << ".tmp' '" << record_ << "'\n";
        fs::permissions(script, fs::perms::owner_all);
    }
    // The launcher runs detached: wait, bounded, for what it wrote.
    std::string WaitForRecord() {
        for (int i = 0; i < 1000 && !fs::exists(record_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(record_);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::string dir_, oldPath_, record_;
};

TEST_F(LauncherTest, FindsTheFirstExecutableFileOnPath) {
    MakeLauncher(dir_ + "/b");
    fs::create_directories(dir_ + "/a/xdg-open"); // a folder of that name
    std::ofstream(dir_ + "/c/xdg-open");          // not executable (and c is missing)
    const std::string path = dir_ + "/a:" + dir_ + "/c:" + dir_ + "/b:" + "/usr/bin";
    EXPECT_EQ(FindOnPath("xdg-open", path), dir_ + "/b/xdg-open");
    EXPECT_EQ(FindOnPath("xdg-open", dir_ + "/a"), "");
    EXPECT_EQ(FindOnPath("no-such-program-here", path), "");
    EXPECT_EQ(FindOnPath("../b/xdg-open", dir_ + "/a"), "");
}

TEST_F(LauncherTest, NeverSearchesTheCurrentFolder) {
    MakeLauncher(dir_);
    const fs::path old = fs::current_path();
    fs::current_path(dir_);
    EXPECT_EQ(FindOnPath("xdg-open", ":.:b"), "");
    fs::current_path(old);
}

TEST_F(LauncherTest, OpensTheAddressAsItsOnlyArgumentWithoutAZombie) {
    MakeLauncher(dir_ + "/bin");
    setenv("PATH", (dir_ + "/bin").c_str(), 1);
    const std::string url = "http://www.example.com/a b?x=\"1\"&y=$(touch " + dir_ + "/pwned);z";
    EXPECT_TRUE(OpenUrl(url));
    EXPECT_EQ(WaitForRecord(), "1\n" + url + "\n");
    EXPECT_FALSE(fs::exists(dir_ + "/pwned"));
    // The child that started the launcher has been reaped, and the launcher
    // itself is no child of ours.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(LauncherTest, LinkLabelsOpenEvenAnEmptyAddress) {
    MakeLauncher(dir_ + "/bin");
    setenv("PATH", (dir_ + "/bin").c_str(), 1);
    EXPECT_TRUE(ShellOpenAddress(""));
    EXPECT_EQ(WaitForRecord(), "1\n\n");
}

TEST_F(LauncherTest, FalseWithoutALauncher) {
    setenv("PATH", (dir_ + "/empty").c_str(), 1);
    EXPECT_FALSE(OpenUrl("http://www.example.com/"));
    EXPECT_FALSE(ShellOpenAddress("http://www.example.com/"));
}

#endif

} // namespace
} // namespace tw
