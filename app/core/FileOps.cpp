#include "app/core/FileOps.h"

#include <cerrno>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tw {

bool FileExists(const std::string& path) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    // Reserved device names (NUL, CON, COM1, also with an extension) answer
    // as files in every folder; their full path is the device's, \\.\NAME.
    char full[MAX_PATH * 4];
    const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return n > 0 && n < sizeof full && std::string_view(full, n).rfind("\\\\.\\", 0) != 0;
#else
    // Only a regular file: a folder, a pipe or a device named like a branding
    // file must not be opened as one.
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
#endif
}

bool RenameNoReplace(const std::string& from, const std::string& to) {
#ifdef _WIN32
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
    return MoveFileExA(from.c_str(), to.c_str(), 0) != 0;
#else
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false; // EEXIST among them: the target is never touched
    // The file system cannot rename without replacing: a hard link fails
    // when the target exists, so the old name goes only once the new is there.
    if (::link(from.c_str(), to.c_str()) == 0) {
        if (::unlink(from.c_str()) == 0)
            return true;
        ::unlink(to.c_str());
        return false;
    }
    if (errno != EPERM && errno != ENOTSUP)
        return false;
    // No hard links either (FAT and the like): check, then rename. Only a
    // file created in between could still be lost.
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0 || errno != ENOENT)
        return false;
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

std::string FileNamePart(std::string_view setting) {
    // A value is a C string to the system: whatever follows a NUL is not
    // part of the name, so it must not hide a "..".
    setting = setting.substr(0, setting.find('\0'));
    const auto cut = setting.find_last_of("\\:/");
    const std::string_view name = cut == std::string_view::npos ? setting : setting.substr(cut + 1);
    // Windows drops trailing dots and spaces, so ".. " would name the parent
    // folder there: a name of nothing but dots and spaces names no file.
    if (name.find_first_not_of(". ") == std::string_view::npos)
        return {};
    return std::string(name);
}

} // namespace tw
