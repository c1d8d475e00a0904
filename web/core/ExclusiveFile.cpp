#include "web/core/ExclusiveFile.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tw {

#ifdef _WIN32

namespace {
std::string LastError() {
    return "error " + std::to_string(GetLastError());
}

HANDLE H(void* handle) {
    return static_cast<HANDLE>(handle);
}

bool EmptyFile(HANDLE h) {
    LARGE_INTEGER zero{};
    return SetFilePointerEx(h, zero, nullptr, FILE_BEGIN) && SetEndOfFile(h);
}
} // namespace

ExclusiveFile::ExclusiveFile(const std::string& path) : path_(path) {
    // No sharing at all: the file is ours until it is closed. The handle is
    // not inherited by programs we start.
    const HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw OpenError("cannot create " + path + ": " + LastError());
    handle_ = h;
    if (!EmptyFile(h)) {
        const std::string e = LastError();
        Close();
        throw OpenError("cannot empty " + path + ": " + e);
    }
}

void ExclusiveFile::Write(const char* data, std::size_t size) {
    while (size > 0) {
        const DWORD piece = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(H(handle_), data, piece, &written, nullptr))
            throw std::runtime_error("cannot write " + path_ + ": " + LastError());
        data += written;
        size -= written;
    }
}

void ExclusiveFile::Empty() {
    if (!EmptyFile(H(handle_)))
        throw std::runtime_error("cannot empty " + path_ + ": " + LastError());
}

std::string ExclusiveFile::ReadAll() const {
    LARGE_INTEGER size{};
    LARGE_INTEGER end{};
    LARGE_INTEGER zero{};
    // Reading moves the file position: put it back where writing stopped.
    if (!GetFileSizeEx(H(handle_), &size) || !SetFilePointerEx(H(handle_), zero, &end, FILE_CURRENT) ||
        !SetFilePointerEx(H(handle_), zero, nullptr, FILE_BEGIN))
        throw std::runtime_error("cannot read " + path_ + ": " + LastError());
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const std::size_t left = bytes.size() - got;
        DWORD n = 0;
        if (!ReadFile(H(handle_), bytes.data() + got, left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left), &n,
                      nullptr))
            throw std::runtime_error("cannot read " + path_ + ": " + LastError());
        if (n == 0)
            break;
        got += n;
    }
    bytes.resize(got);
    SetFilePointerEx(H(handle_), end, nullptr, FILE_BEGIN);
    return bytes;
}

void ExclusiveFile::Close() {
    if (handle_)
        CloseHandle(H(handle_));
    handle_ = nullptr;
}

#else

ExclusiveFile::ExclusiveFile(const std::string& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0)
        throw OpenError("cannot create " + path + ": " + std::strerror(errno));
    // Locked before it is emptied: another holder's page stays intact.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int e = errno;
        Close();
        throw OpenError("cannot create " + path + ": " + std::strerror(e));
    }
    if (::ftruncate(fd_, 0) != 0) {
        const int e = errno;
        Close();
        throw OpenError("cannot empty " + path + ": " + std::strerror(e));
    }
}

void ExclusiveFile::Write(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("cannot write " + path_ + ": " + std::strerror(errno));
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void ExclusiveFile::Empty() {
    if (::ftruncate(fd_, 0) != 0 || ::lseek(fd_, 0, SEEK_SET) < 0)
        throw std::runtime_error("cannot empty " + path_ + ": " + std::strerror(errno));
}

std::string ExclusiveFile::ReadAll() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        throw std::runtime_error("cannot read " + path_ + ": " + std::strerror(errno));
    std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::pread(fd_, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw std::runtime_error("cannot read " + path_ + ": " + std::strerror(errno));
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

void ExclusiveFile::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

#endif

ExclusiveFile::~ExclusiveFile() {
    Close();
}

} // namespace tw
