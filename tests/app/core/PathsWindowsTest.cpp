// The program folder and folder parts as Windows spells paths: drive letters,
// backslashes, and a colon that ends a drive-relative path.
#ifdef _WIN32

#include "app/core/Paths.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace tw {
namespace {

TEST(PathsWindows, ProgramFolderIsTheFolderOfTheRunningProgram) {
    SetProgramFolderForTesting("");
    const std::string folder = ProgramFolder();
    ASSERT_GE(folder.size(), 3u) << folder;
    EXPECT_EQ(folder[1], ':') << "an absolute path with a drive letter: " << folder;
    EXPECT_EQ(folder.back(), '\\') << folder;

    // This very test program lies there under its own name.
    const DWORD attributes = GetFileAttributesA((folder + "app_core_tests.exe").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << folder;
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(PathsWindows, FolderPartEndsAtTheLastBackslashColonOrSlash) {
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"C:\\Program Files\\Tarnwick\\tarnwick.exe", "C:\\Program Files\\Tarnwick\\"},
        {"C:\\tarnwick.exe", "C:\\"},
        {"C:tarnwick.exe", "C:"},
        {"\\\\server\\share\\tarnwick.exe", "\\\\server\\share\\"},
        {"C:/Tools/tarnwick.exe", "C:/Tools/"},
        {"C:\\Tools/bin\\tarnwick.exe", "C:\\Tools/bin\\"},
        {"tarnwick.exe", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
}

} // namespace
} // namespace tw

#endif // _WIN32
