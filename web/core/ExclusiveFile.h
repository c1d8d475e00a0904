#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tw {

// The file a download writes its body into, held exclusively from its
// creation until it is closed, so that a second copy of the program in the
// same folder can neither write it nor read another's page. Bytes go in and
// come back exactly as they are, on every system (no text-mode translation
// of line breaks, no end at a Ctrl-Z).
class ExclusiveFile {
public:
    // Opens or creates path and empties it; throws OpenError when the file
    // cannot be created, is held by someone else, or cannot be emptied.
    explicit ExclusiveFile(const std::string& path);
    ~ExclusiveFile();
    ExclusiveFile(const ExclusiveFile&) = delete;
    ExclusiveFile& operator=(const ExclusiveFile&) = delete;

    class OpenError : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    // These throw std::runtime_error on failure.
    void Write(const char* data, std::size_t size);
    // Empty again, writing from the start.
    void Empty();
    // Everything written so far, read through the same handle.
    std::string ReadAll() const;

    void Close();

private:
    std::string path_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

} // namespace tw
