// A stand-in for the registered web browser in the Windows tests of OpenUrl:
// it appends its own path and its whole command line, one record per start,
// to the file that TARNWICK_FAKE_BROWSER_LOG names, and exits.
#include <windows.h>

#include <string>

int main() {
    char log[MAX_PATH * 4];
    const DWORD n = GetEnvironmentVariableA("TARNWICK_FAKE_BROWSER_LOG", log, sizeof log);
    if (n == 0 || n >= sizeof log)
        return 2;
    char self[MAX_PATH * 4];
    const DWORD selfLength = GetModuleFileNameA(nullptr, self, sizeof self);

    // path LF command line LF, written in one call so that a reader never sees
    // half a record; the file is shared so that a second start waits its turn.
    const std::string record = std::string(self, selfLength) + "\n" + GetCommandLineA() + "\n";
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 500 && file == INVALID_HANDLE_VALUE; ++attempt) {
        file =
            CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            Sleep(10);
    }
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == record.size() ? 0 : 4;
}
