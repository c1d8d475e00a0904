// The file helpers on Windows paths: backslashes, file names that differ only
// in letter case, reserved device names, and what the system itself makes of
// a file-name part joined to the program folder.
#ifdef _WIN32

#include "app/core/FileOps.h"
#include "app/core/Paths.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace tw {
namespace {

class FileOpsWindows : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH + 1];
        const std::string base(temp, GetTempPathA(sizeof temp, temp));
        static int counter = 0;
        for (int attempt = 0; attempt < 100 && dir_.empty(); ++attempt) {
            const std::string candidate =
                base + "fileops win " + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
            if (CreateDirectoryA(candidate.c_str(), nullptr))
                dir_ = candidate + "\\";
        }
        ASSERT_FALSE(dir_.empty());
    }
    void TearDown() override {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((dir_ + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA((dir_ + found.cFileName).c_str());
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(dir_.c_str());
    }
    void Write(const std::string& name, const std::string& bytes) {
        HANDLE file =
            CreateFileA((dir_ + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    std::string Read(const std::string& name) {
        HANDLE file = CreateFileA((dir_ + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return "<missing>";
        std::string bytes;
        char buffer[256];
        DWORD got = 0;
        while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
            bytes.append(buffer, got);
        CloseHandle(file);
        return bytes;
    }
    std::string dir_;
};

TEST_F(FileOpsWindows, BannerRenameThereAndBack) {
    Write("dbimg.dat", "picture");
    ASSERT_TRUE(RenameNoReplace(dir_ + "dbimg.dat", dir_ + FileNamePart("C:\\pictures\\Top.GIF")));
    EXPECT_FALSE(FileExists(dir_ + "dbimg.dat"));
    EXPECT_EQ(Read("Top.GIF"), "picture");
    ASSERT_TRUE(RenameNoReplace(dir_ + "Top.GIF", dir_ + "dbimg.dat"));
    EXPECT_EQ(Read("dbimg.dat"), "picture");
}

TEST_F(FileOpsWindows, BannerRenameOntoAnExistingFileIsRefused) {
    Write("dbimg.dat", "picture");
    // File names do not differ by letter case here: TOP.gif is Top.GIF.
    Write("TOP.gif", "theirs");
    EXPECT_TRUE(FileExists(dir_ + "Top.GIF"));
    EXPECT_FALSE(RenameNoReplace(dir_ + "dbimg.dat", dir_ + "Top.GIF"));
    EXPECT_FALSE(RenameNoReplace(dir_ + "Top.GIF", dir_ + "dbimg.dat"));
    EXPECT_EQ(Read("dbimg.dat"), "picture");
    EXPECT_EQ(Read("TOP.gif"), "theirs");
}

TEST_F(FileOpsWindows, DeviceNamesAreNoFiles) {
    // The system answers for these in every folder; none is a file there.
    for (const char* name : {"NUL", "CON", "nul.txt", "COM1", "Aux.ico", "PRN.gif", "LPT1"})
        EXPECT_FALSE(FileExists(dir_ + name)) << name;
    Write("app.ico", "icon");
    EXPECT_TRUE(FileExists(dir_ + "app.ico"));
    EXPECT_FALSE(FileExists(dir_ + FileNamePart("")));
}

TEST_F(FileOpsWindows, FileNamePartNamesAFileRightInTheFolder) {
    // As the system resolves the joined path: never above the folder, never
    // in a folder below it.
    const char* settings[] = {
        "C:\\pictures\\Top.GIF",
        "D:art.ico",
        "pictures/Top.gif",
        "..",
        "...",
        ".. ",
        ". .",
        "a\\..",
        "C:..",
        "x\\..\\..",
        "..\\..\\evil.ico",
        "../../evil.ico",
        "Top.GIF.",
        "Top.GIF ",
        "file.ico:stream",
        "C:\\pictures\\",
        "\\\\server\\share\\x.gif",
    };
    for (const char* setting : settings) {
        const std::string name = FileNamePart(setting);
        char full[MAX_PATH * 4];
        const DWORD n = GetFullPathNameA((dir_ + name).c_str(), sizeof full, full, nullptr);
        ASSERT_GT(n, 0u) << setting;
        const std::string resolved(full, n);
        EXPECT_EQ(FolderPart(resolved), dir_) << setting << " -> " << resolved;
        EXPECT_EQ(resolved.find('\\', dir_.size()), std::string::npos) << setting << " -> " << resolved;
    }
}

} // namespace
} // namespace tw

#endif // _WIN32
