#include "web/PageFetcher.h"

#include "app/core/Paths.h"
#include "web/core/ExclusiveFile.h"
#include "web/core/PageText.h"

#include <QDir>
#include <QStandardPaths>

namespace tw {

namespace {
// The download file, held exclusively from its creation until it has been
// read back, so that a second copy of the program in the same folder cannot
// write it or read another's page.
class DownloadFile : public BodySink {
public:
    explicit DownloadFile(const std::string& path) : file_(Open(path)) {}

    void Write(const char* data, std::size_t size) override { file_.Write(data, size); }
    void Discard() override { file_.Empty(); }
    std::string ReadAll() const { return file_.ReadAll(); }
    void Close() { file_.Close(); }

private:
    static ExclusiveFile Open(const std::string& path) {
        try {
            return ExclusiveFile(path);
        } catch (const ExclusiveFile::OpenError& e) {
            throw DownloadFileError(e.what());
        }
    }
    ExclusiveFile file_;
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
