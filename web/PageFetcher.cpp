#include "web/PageFetcher.h"

#include "app/core/Paths.h"
#include "web/core/PageText.h"

#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifndef _WIN32
#include <sys/file.h>
#endif

namespace tw {

namespace {
// The download file, held exclusively from its creation until it has been
// read back, so that a second copy of the program in the same folder cannot
// write it or read another's page.
class DownloadFile : public BodySink {
public:
    explicit DownloadFile(const std::string& path) : path_(path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0)
            throw DownloadFileError("cannot create " + path + ": " + std::strerror(errno));
#ifndef _WIN32
        // Locked before it is emptied: another holder's page stays intact.
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            const int e = errno;
            Close();
            throw DownloadFileError("cannot create " + path + ": " + std::strerror(e));
        }
#endif
        if (::ftruncate(fd_, 0) != 0) {
            const int e = errno;
            Close();
            throw DownloadFileError("cannot empty " + path + ": " + std::strerror(e));
        }
    }
    ~DownloadFile() override {
        Close();
    }
    DownloadFile(const DownloadFile&) = delete;
    DownloadFile& operator=(const DownloadFile&) = delete;

    void Write(const char* data, std::size_t size) override {
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

    void Discard() override {
        if (::ftruncate(fd_, 0) != 0 || ::lseek(fd_, 0, SEEK_SET) < 0)
            throw std::runtime_error("cannot empty " + path_ + ": " + std::strerror(errno));
    }

    // Everything written, read through the same (still locked) handle.
    std::string ReadAll() const {
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

    void Close() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    std::string path_;
    int fd_ = -1;
};
} // namespace

PageFetcher::PageFetcher(HttpClient& client, bool& stopRequested, FetchView& view)
    : client_(client), stopRequested_(stopRequested), view_(view) {}

bool PageFetcher::GetPage(const std::string& address, std::string& page) {
    if (stopRequested_)
        return false;
    page.clear();
    DownloadFile file(DownloadPath());
    try {
        view_.SetStatusText(kStatusGettingUrl + address + "...");
        view_.SetGaugeValue(0);
        view_.Pump();
        // A stop (or a close of the window) while pumping: no download
        // starts, as if it had been cut while connecting.
        if (stopRequested_)
            throw HttpFailure("stopped before the download began");
        client_.Download(address, file);
        client_.Disconnect();
        if (stopRequested_) {
            file.Close();
            view_.SetStatusText(kStatusAborted);
            return false;
        }
        std::string text = PageTextFromBody(file.ReadAll());
        file.Close();
        page = std::move(text);
        view_.SetStatusText(kStatusCompleted);
        return true;
    } catch (...) {
        stopRequested_ = true;
        client_.Disconnect();
        view_.SetStatusText(kStatusConnectionError);
        file.Close();
        page.clear();
        return false;
    }
}

void PageFetcher::Disconnect() {
    client_.Disconnect();
}

void PageFetcher::WorkBegin(WorkMode, int workCountMax) {
    view_.SetGaugeMax(workCountMax);
    view_.SetGaugeValue(0);
    view_.Pump();
}

void PageFetcher::Work(WorkMode, int workCount) {
    if (stopRequested_)
        client_.Disconnect();
    view_.SetGaugeValue(workCount);
    view_.Pump();
}

void PageFetcher::WorkEnd(WorkMode) {
    view_.SetGaugeValue(view_.GaugeMax());
    view_.Pump();
}

std::string PageFetcher::DownloadPath() const {
    const std::string folder = ProgramFolder();
    if (!folder.empty() && ::access(folder.c_str(), W_OK) == 0)
        return folder + kDownloadFileName;
    // An installed program: the user's own cache folder.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(cache);
    return QDir(cache).filePath(QString::fromLatin1(kDownloadFileName)).toStdString();
}

} // namespace tw
