#include "app/core/Paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <climits>
#include <unistd.h>
#endif

namespace tw {

namespace {
std::string gOverride;

std::string SelfPath() {
#ifdef _WIN32
    char buffer[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, n);
#else
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
#endif
}
} // namespace

std::string FolderPart(std::string_view path) {
#ifdef _WIN32
    const auto cut = path.find_last_of("\\/:");
#else
    const auto cut = path.find_last_of('/');
#endif
    return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

std::string ProgramFolder() {
    if (!gOverride.empty())
        return gOverride;
    return FolderPart(SelfPath());
}

void SetProgramFolderForTesting(std::string folder) {
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder.push_back('/');
    gOverride = std::move(folder);
}

} // namespace tw
