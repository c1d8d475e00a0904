// OpenUrl on Windows: the browser command registered for HTML documents, and
// what the shell is asked to start. A small program of ours (fake_browser.exe,
// built beside this test) stands in for the browser and records how it was
// started. Every test registers its own command or removes the key first, as
// a fresh Wine prefix registers a browser of its own there.
#ifdef _WIN32

#include "web/core/UUtils.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tw {
namespace {

constexpr const char* kCommandKey = "htmlfile\\shell\\open\\command";

std::string ThisProgramFolder() {
    char buffer[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    std::string path(buffer, n);
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string TempFolder() {
    char buffer[MAX_PATH + 1];
    const DWORD n = GetTempPathA(sizeof buffer, buffer);
    return std::string(buffer, n);
}

struct Launch {
    std::string program;     // the started program's own path
    std::string commandLine; // its whole command line
};

// The raw default value of the command key, to put back after the suite.
struct SavedValue {
    DWORD type = 0;
    std::string data;
};

class OpenUrlWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        saved_.reset();
        keyExisted_ = false;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kCommandKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return;
        keyExisted_ = true;
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            SavedValue value{type, std::string(size, '\0')};
            if (RegQueryValueExA(key, nullptr, nullptr, &value.type, reinterpret_cast<BYTE*>(value.data.data()),
                                 &size) == ERROR_SUCCESS) {
                value.data.resize(size);
                saved_ = value;
            }
        }
        RegCloseKey(key);
    }

    static void TearDownTestSuite() {
        DeleteCommandKey();
        if (!keyExisted_)
            return;
        HKEY key = CreateCommandKey();
        if (saved_)
            RegSetValueExA(key, nullptr, 0, saved_->type, reinterpret_cast<const BYTE*>(saved_->data.data()),
                           static_cast<DWORD>(saved_->data.size()));
        RegCloseKey(key);
    }

    void SetUp() override {
        // A browser folder with a space in its name: the quoted path must be
        // taken whole.
        static int counter = 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            browserFolder_ = TempFolder() + "tw browser " + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++counter) + "\\";
            if (CreateDirectoryA(browserFolder_.c_str(), nullptr))
                break;
            ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << browserFolder_;
        }
        browser_ = browserFolder_ + "Browser.exe";
        ASSERT_TRUE(CopyFileA((ThisProgramFolder() + "fake_browser.exe").c_str(), browser_.c_str(), TRUE))
            << "fake_browser.exe is built beside this test";
        log_ = browserFolder_ + "launches.txt";
        ASSERT_TRUE(SetEnvironmentVariableA("TARNWICK_FAKE_BROWSER_LOG", log_.c_str()));
    }

    void TearDown() override {
        SetEnvironmentVariableA("TARNWICK_FAKE_BROWSER_LOG", nullptr);
        // A browser that has just written its record may still be running, and
        // its program file cannot be deleted until it ends.
        for (int i = 0; i < 250 && GetFileAttributesA(browser_.c_str()) != INVALID_FILE_ATTRIBUTES; ++i)
            if (!DeleteFileA(browser_.c_str()))
                Sleep(20);
        DeleteFileA(log_.c_str());
        RemoveDirectoryA(browserFolder_.c_str());
    }

    static HKEY CreateCommandKey() {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, kCommandKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        return key;
    }

    static void DeleteCommandKey() {
        const LSTATUS rc = RegDeleteKeyA(HKEY_CLASSES_ROOT, kCommandKey);
        EXPECT_TRUE(rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND) << rc;
    }

    // The default value, stored byte for byte (embedded NULs included).
    static void RegisterCommand(const std::string& data, DWORD type = REG_SZ) {
        DeleteCommandKey();
        HKEY key = CreateCommandKey();
        std::string stored = data;
        stored.push_back('\0');
        EXPECT_EQ(RegSetValueExA(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(stored.data()),
                                 static_cast<DWORD>(stored.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static void RegisterKeyWithoutValue() {
        DeleteCommandKey();
        RegCloseKey(CreateCommandKey());
    }

    std::string QuotedBrowserCommand() const { return "\"" + browser_ + "\" -nohome -osint -url \"%1\""; }

    // Every launch recorded so far.
    std::vector<Launch> Launches() const {
        std::vector<Launch> launches;
        HANDLE file = CreateFileA(log_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return launches;
        std::string text;
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
            text.append(buffer, got);
        CloseHandle(file);
        std::size_t at = 0;
        for (;;) {
            const auto first = text.find('\n', at);
            const auto second = first == std::string::npos ? first : text.find('\n', first + 1);
            if (second == std::string::npos)
                break;
            launches.push_back({text.substr(at, first - at), text.substr(first + 1, second - first - 1)});
            at = second + 1;
        }
        return launches;
    }

    // Waits, for a bounded time, until the browser has recorded a launch whose
    // command line ends in the address.
    std::vector<Launch> WaitForLaunchOf(const std::string& url) const {
        for (int i = 0; i < 1500; ++i) {
            auto launches = Launches();
            for (const auto& l : launches)
                if (l.commandLine.size() >= url.size() &&
                    l.commandLine.compare(l.commandLine.size() - url.size(), url.size(), url) == 0)
                    return launches;
            Sleep(20);
        }
        ADD_FAILURE() << "the browser was not started with " << url;
        return Launches();
    }

    // After a call that must start nothing: a call that does start the
    // browser, so that the log, once it holds that launch, holds it alone.
    void ExpectOnlyTheFenceLaunch() {
        RegisterCommand(QuotedBrowserCommand());
        const std::string fence = "http://fence.example.test/" + std::to_string(GetTickCount64());
        ASSERT_TRUE(OpenUrl(fence));
        const auto launches = WaitForLaunchOf(fence);
        ASSERT_EQ(launches.size(), 1u);
        EXPECT_EQ(launches[0].commandLine.substr(launches[0].commandLine.size() - fence.size()), fence);
    }

    std::string browserFolder_;
    std::string browser_;
    std::string log_;
    static inline std::optional<SavedValue> saved_;
    static inline bool keyExisted_ = false;
};

TEST_F(OpenUrlWindows, StartsTheQuotedProgramWithTheAddressAsItsOnlyParameter) {
    RegisterCommand(QuotedBrowserCommand());
    const std::string url = "http://www.example.test/path?a=1&b=two%20words#top";

    EXPECT_TRUE(OpenUrl(url));

    const auto launches = WaitForLaunchOf(url);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(lstrcmpiA(launches[0].program.c_str(), browser_.c_str()), 0) << launches[0].program;
    const std::string& line = launches[0].commandLine;
    // The program, then one space, then the address unchanged: the
    // registered options and the document placeholder are not passed on.
    ASSERT_GT(line.size(), url.size());
    EXPECT_EQ(line.substr(line.size() - url.size() - 1), " " + url) << line;
    EXPECT_EQ(line.find("-nohome"), std::string::npos) << line;
    EXPECT_EQ(line.find("%1"), std::string::npos) << line;
}

TEST_F(OpenUrlWindows, ExpandableStringIsTakenAsStored) {
    RegisterCommand("\"" + browser_ + "\" \"%1\"", REG_EXPAND_SZ);
    const std::string url = "http://expand.example.test/";
    EXPECT_TRUE(OpenUrl(url));
    const auto launches = WaitForLaunchOf(url);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(lstrcmpiA(launches[0].program.c_str(), browser_.c_str()), 0) << launches[0].program;
}

TEST_F(OpenUrlWindows, FewerThanTwoQuotesStartNothingYetReportTrue) {
    const std::string commands[] = {
        browser_ + " %1",                                 // no quote at all
        "\"" + browser_ + " %1",                          // one quote
        std::string("x") + '\0' + QuotedBrowserCommand(), // the value ends at its first NUL
    };
    for (const auto& command : commands) {
        RegisterCommand(command);
        EXPECT_TRUE(OpenUrl("http://never.example.test/")) << command;
    }
    ExpectOnlyTheFenceLaunch();
}

TEST_F(OpenUrlWindows, NoRegisteredCommandReportsFalse) {
    DeleteCommandKey();
    EXPECT_FALSE(OpenUrl("http://never.example.test/missing-key"));

    RegisterKeyWithoutValue();
    EXPECT_FALSE(OpenUrl("http://never.example.test/missing-value"));

    RegisterCommand("");
    EXPECT_FALSE(OpenUrl("http://never.example.test/empty-value"));

    ExpectOnlyTheFenceLaunch();
}

TEST_F(OpenUrlWindows, AMissingProgramIsNotReported) {
    RegisterCommand("\"" + browserFolder_ + "no such browser.exe\" \"%1\"");
    EXPECT_TRUE(OpenUrl("http://never.example.test/missing-program"));
    ExpectOnlyTheFenceLaunch();
}

} // namespace
} // namespace tw

#endif // _WIN32
