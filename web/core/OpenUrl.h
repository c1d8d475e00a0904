#pragma once

// The pieces behind OpenUrl (declared in UUtils.h), apart so that each can
// be tested on its own.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// What the Windows form needs from the system: the command registered for
// HTML documents (empty when there is none), and the shell's "open" of a
// program with parameters.
struct BrowserShell {
    std::function<std::string()> readHtmlCommand;
    std::function<void(const std::string& program, const std::string& parameters)> shellOpen;
};

// The Windows steps: no command, false; otherwise the program path cut out
// of the command is opened with the address as its only parameter, and the
// result is true whatever the shell makes of it.
bool OpenUrlWith(const std::string& url, const BrowserShell& shell);

#ifdef _WIN32
// The default value of HKEY_CLASSES_ROOT\htmlfile\shell\open\command, read
// with query-value access only; empty when the key or the value is missing.
// Throws std::runtime_error when the value is not a string.
std::string ReadHtmlFileCommand();
#else
// The first executable regular file of that name in an absolute folder of
// searchPath (":"-separated); empty when there is none. Empty and relative
// entries are skipped, so that the current folder is never searched.
std::string FindOnPath(std::string_view program, std::string_view searchPath);

// Starts a program with these arguments (argv[0] being the program) in a
// session of its own, without waiting for it and without leaving a zombie:
// the child forks the program and exits at once, and only that child is
// waited for. False when the child cannot be made.
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments);
#endif

// The desktop's "open" of an address (what a link label does with its
// address): on Windows the shell's "open" verb, elsewhere xdg-open. The
// result tells only whether the request could be made.
bool ShellOpenAddress(const std::string& address);

} // namespace tw
