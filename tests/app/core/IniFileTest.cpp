#include "app/core/IniFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace tw {
namespace {

struct IniCase {
    const char* what;
    std::string text;
    const char* section;
    const char* key;
    std::string expected;
};

const std::string kLong(3000, 'x');

const IniCase kCases[] = {
    {"plain value", "[Settings]\nAppName=Acme\n", "Settings", "AppName", "Acme"},
    {"section name in other case", "[settings]\nAppName=Acme\n", "SETTINGS", "AppName", "Acme"},
    {"key name in other case", "[Settings]\nappname=Acme\n", "Settings", "APPNAME", "Acme"},
    {"missing section", "[Other]\nAppName=Acme\n", "Settings", "AppName", ""},
    {"missing key", "[Settings]\nAppNam=Acme\n", "Settings", "AppName", ""},
    {"empty value", "[Settings]\nAppName=\n", "Settings", "AppName", ""},
    {"key of another section", "[Settings]\nA=1\n[Other]\nAppName=Acme\n", "Settings", "AppName", ""},
    {"key before any section", "AppName=Acme\n[Settings]\n", "Settings", "AppName", ""},
    {"white space around name and value", "  [Settings]  \n\t AppName \t=  Acme Tools \t\n", "Settings", "AppName",
     "Acme Tools"},
    {"CR LF line ends", "[Settings]\r\nAppName=Acme\r\nB=2\r\n", "Settings", "AppName", "Acme"},
    {"last line without line end", "[Settings]\nAppName=Acme", "Settings", "AppName", "Acme"},
    {"double quotes removed", "[Settings]\nAppName=\"Acme Tools\"\n", "Settings", "AppName", "Acme Tools"},
    {"single quotes removed", "[Settings]\nAppName='Acme'\n", "Settings", "AppName", "Acme"},
    {"only one pair removed", "[Settings]\nAppName=\"\"Acme\"\"\n", "Settings", "AppName", "\"Acme\""},
    {"space inside quotes kept", "[Settings]\nAppName=\" Acme \"\n", "Settings", "AppName", " Acme "},
    {"unlike quotes kept", "[Settings]\nAppName=\"Acme'\n", "Settings", "AppName", "\"Acme'"},
    {"lone quote kept", "[Settings]\nAppName=\"\n", "Settings", "AppName", "\""},
    {"empty quotes", "[Settings]\nAppName=\"\"\n", "Settings", "AppName", ""},
    {"quote only at the start", "[Settings]\nAppName=\"Acme\n", "Settings", "AppName", "\"Acme"},
    {"value with = inside", "[Settings]\nLink1URL=http://a/?q=1&r=2\n", "Settings", "Link1URL", "http://a/?q=1&r=2"},
    {"value cut at 2047", "[Settings]\nAppName=" + kLong + "\n", "Settings", "AppName", std::string(2047, 'x')},
    {"value of 2047 kept whole", "[Settings]\nAppName=" + std::string(2047, 'y') + "\n", "Settings", "AppName",
     std::string(2047, 'y')},
    {"comment line ignored", "[Settings]\n;AppName=Old\nAppName=New\n", "Settings", "AppName", "New"},
    {"commented key reads as missing", "[Settings]\n; AppName=Old\n", "Settings", "AppName", ""},
    {"inline ; is part of the value", "[Settings]\nAppName=Acme ; tools\n", "Settings", "AppName", "Acme ; tools"},
    {"# starts no comment", "[Settings]\n#AppName=Old\nAppName=New\n", "Settings", "AppName", "New"},
    {"first of a key given twice", "[Settings]\nAppName=First\nAppName=Second\n", "Settings", "AppName", "First"},
    {"only the first section of a name", "[Settings]\nA=1\n[Settings]\nAppName=Acme\n", "Settings", "AppName", ""},
    {"line without = reads as empty", "[Settings]\nAppName\n", "Settings", "AppName", ""},
    {"line without = hides a later value", "[Settings]\nAppName\nAppName=Acme\n", "Settings", "AppName", ""},
    {"header without ] opens no section", "[Settings]\nA=1\n[Other\nAppName=Acme\n", "Settings", "AppName", "Acme"},
    {"text after ] ignored", "[Settings] x\nAppName=Acme\n", "Settings", "AppName", "Acme"},
    {"last ] closes the header", "[Set]tings]\nAppName=Acme\n", "Set]tings", "AppName", "Acme"},
    {"byte order mark skipped", "\xEF\xBB\xBF[Settings]\nAppName=Acme\n", "Settings", "AppName", "Acme"},
    {"value ends at NUL", std::string("[Settings]\nBannerPath=..\0/x.gif\n", 32), "Settings", "BannerPath", ".."},
    {"bytes above 127 kept", "[Settings]\nAppName=Caf\xE9\n", "Settings", "AppName", "Caf\xE9"},
};

TEST(IniFile, ReadsAsTheProfileFunctionsDo) {
    for (const IniCase& c : kCases)
        EXPECT_EQ(IniFile::Parse(c.text).ReadString(c.section, c.key), c.expected) << c.what;
}

TEST(IniFile, FallbackOnlyForMissingKeys) {
    const IniFile ini = IniFile::Parse("[Settings]\nEmpty=\nBare\n");
    EXPECT_EQ(ini.ReadString("Settings", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Settings", "Bare", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Settings", "Empty", "dflt"), "");
}

TEST(IniFile, MissingFileReadsEmpty) {
    EXPECT_EQ(IniFile::Load("/nonexistent/dbconfig.dat").ReadString("Settings", "AppName"), "");
    const std::string path = ::testing::TempDir() + "ini_test_dbconfig.dat";
    std::ofstream(path, std::ios::binary) << "[Settings]\r\nAppName=\"Acme\"\r\n";
    EXPECT_EQ(IniFile::Load(path).ReadString("Settings", "AppName"), "Acme");
    std::remove(path.c_str());
}

} // namespace
} // namespace tw
