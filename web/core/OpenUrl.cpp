#include "web/core/OpenUrl.h"

#include "web/core/UUtils.h"

#ifdef _WIN32
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <stdexcept>
#else
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace tw {

std::string ProgramPathFromCommand(std::string_view command) {
    const auto open = command.find('"');
    if (open == std::string_view::npos)
        return {};
    const auto close = command.find('"', open + 1);
    if (close == std::string_view::npos)
        return {};
    return std::string(command.substr(open + 1, close - open - 1));
}

bool OpenUrlWith(const std::string& url, const BrowserShell& shell) {
    const std::string command = shell.readHtmlCommand();
    if (command.empty())
        return false;
    shell.shellOpen(ProgramPathFromCommand(command), url);
    return true;
}

#ifdef _WIN32

std::string ReadHtmlFileCommand() {
    HKEY key = nullptr;
    // The key is named from the root, never created, and opened for reading
    // its values only. (The API wants the path without a leading backslash.)
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "htmlfile\\shell\\open\\command", 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    struct Closer {
        HKEY key;
        ~Closer() { RegCloseKey(key); }
    } closer{key};

    std::string data;
    DWORD type = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0)
            return {}; // no default value
        data.assign(size, '\0');
        const LONG rc = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        if (rc == ERROR_MORE_DATA)
            continue; // changed in between: ask for its size again
        if (rc != ERROR_SUCCESS)
            return {};
        data.resize(size);
        break;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw std::runtime_error("Invalid data type for ''");
    // Taken as stored, up to its first NUL; nothing is expanded.
    return data.substr(0, data.find('\0'));
}

bool OpenUrl(const std::string& url) {
    return OpenUrlWith(url, {ReadHtmlFileCommand, [](const std::string& program, const std::string& parameters) {
                                 ShellExecuteA(nullptr, "open", program.c_str(), parameters.c_str(), nullptr, SW_SHOW);
                             }});
}

bool ShellOpenAddress(const std::string& address) {
    ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOW);
    return true;
}

#else

namespace {
constexpr const char* kLauncher = "xdg-open";
// Where programs live when PATH is not set at all.
constexpr const char* kDefaultPath = "/usr/local/bin:/usr/bin:/bin";

bool StartLauncher(const std::string& address) {
    const char* path = std::getenv("PATH");
    const std::string launcher = FindOnPath(kLauncher, path ? path : kDefaultPath);
    if (launcher.empty())
        return false;
    // The address is the launcher's one argument: no shell ever reads it.
    return StartDetached(launcher, {launcher, address});
}
} // namespace

std::string FindOnPath(std::string_view program, std::string_view searchPath) {
    if (program.empty() || program.find('/') != std::string_view::npos)
        return {};
    while (true) {
        const auto colon = searchPath.find(':');
        const std::string_view folder = searchPath.substr(0, colon);
        if (!folder.empty() && folder.front() == '/') {
            std::string candidate(folder);
            if (candidate.back() != '/')
                candidate.push_back('/');
            candidate.append(program);
            struct stat info {};
            if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
                ::access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
        if (colon == std::string_view::npos)
            return {};
        searchPath.remove_prefix(colon + 1);
    }
}

bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
    // Everything the children need is made before forking: after fork() in a
    // threaded program only async-signal-safe calls are allowed.
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    sigset_t none;
    sigemptyset(&none);

    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        ::setsid(); // the browser outlives us and our terminal
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            ::sigprocmask(SIG_SETMASK, &none, nullptr);
            ::signal(SIGPIPE, SIG_DFL);
            // None of our descriptors (sockets, files) goes to the browser.
            ::close_range(3, ~0U, 0);
            ::execve(program.c_str(), argv.data(), environ);
            ::_exit(127);
        }
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

bool OpenUrl(const std::string& url) {
    return StartLauncher(url);
}

bool ShellOpenAddress(const std::string& address) {
    return StartLauncher(address);
}

#endif

} // namespace tw
