// The INI reader against the system's own profile functions: for each text,
// IniFile must read what GetPrivateProfileStringA reads from the same file.
#ifdef _WIN32

#include "app/core/IniFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace tw {
namespace {

std::string SystemRead(const std::string& path, const char* section, const char* key) {
    char buffer[4096];
    const DWORD n = GetPrivateProfileStringA(section, key, "", buffer, 2048, path.c_str());
    return std::string(buffer, n);
}

TEST(IniFileWindows, ReadsWhatTheProfileFunctionsRead) {
    const std::string longValue(3000, 'v');
    const struct {
        std::string text;
        const char* section;
        const char* key;
    } cases[] = {
        {"[Settings]\r\nAppName=My Tool\r\n", "Settings", "AppName"},
        {"[settings]\r\n  appname =  spaced out  \r\n", "Settings", "AppName"},
        {"[Settings]\nAppName=unix lines\n", "Settings", "AppName"},
        {"[Settings]\r\nAppName=\"Quoted\"\r\n", "Settings", "AppName"},
        {"[Settings]\r\nAppName='Single'\r\n", "Settings", "AppName"},
        {"[Settings]\r\nAppName=\"unbalanced\r\n", "Settings", "AppName"},
        {"[Settings]\r\nAppName='mixed\"\r\n", "Settings", "AppName"},
        {"[Settings]\r\nAppName=\"\"\r\n", "Settings", "AppName"},
        {"[Settings]\r\nAppName=  \" inner \"  \r\n", "Settings", "AppName"},
        {"[Settings]\r\nAppName=one\r\nAppName=two\r\n", "Settings", "AppName"},
        {"[Settings]\r\n;AppName=comment\r\nAppName=value\r\n", "Settings", "AppName"},
        {"[Settings]\r\n#AppName=hash\r\n", "Settings", "#AppName"},
        {"[Settings]\r\nAppName\r\nAppName=later\r\n", "Settings", "AppName"},
        {"[Settings]\r\nAppName=\r\n", "Settings", "AppName"},
        {"[Settings]\r\nAppName=" + longValue + "\r\n", "Settings", "AppName"},
        {"[Other]\r\nAppName=elsewhere\r\n", "Settings", "AppName"},
        {"AppName=before any section\r\n[Settings]\r\n", "Settings", "AppName"},
        {"\xEF\xBB\xBF[Settings]\r\nAppName=after a BOM\r\n", "Settings", "AppName"},
        {"[Settings]\r\nA = a = b\r\n", "Settings", "A"},
        {"[ Settings ]\r\nAppName=padded header\r\n", "Settings", "AppName"},
        {"[Settings] trailing\r\nAppName=after header text\r\n", "Settings", "AppName"},
        {"[Settings]\r\nAppName=tab\tinside\t\r\n", "Settings", "AppName"},
        {"[Settings]\r\nAppName=x ; not a comment\r\n", "Settings", "AppName"},
        {"  [Settings]\r\n\tAppName=indented\r\n", "Settings", "AppName"},
        {"[Settings]\r\nApp Name=inner space\r\n", "Settings", "App Name"},
        {"[Settings]\rAppName=lone CR\r", "Settings", "AppName"},
        {std::string("[Settings]\r\nAppName=ab\0cd\r\n", 27), "Settings", "AppName"},
        {"[Settings\r\nAppName=no closing bracket\r\n", "Settings", "AppName"},
        {"[Settings]]\r\nAppName=two brackets\r\n", "Settings]", "AppName"},
    };
    char temp[MAX_PATH + 1];
    const std::string folder(temp, GetTempPathA(sizeof temp, temp));
    int index = 0;
    for (const auto& c : cases) {
        // A new file name for every case: the system may cache a profile.
        const std::string path =
            folder + "ini-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++index) + ".ini";
        HANDLE file =
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, c.text.data(), static_cast<DWORD>(c.text.size()), &written, nullptr);
        CloseHandle(file);

        EXPECT_EQ(IniFile::Load(path).ReadString(c.section, c.key), SystemRead(path, c.section, c.key))
            << "case " << index << ": " << c.text.substr(0, 80);
        DeleteFileA(path.c_str());
    }
}

} // namespace
} // namespace tw

#endif // _WIN32
