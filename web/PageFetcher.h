#pragma once

#include "web/HttpClient.h"
#include "web/core/PageSource.h"

#include <stdexcept>
#include <string>

namespace tw {

// What the fetcher shows while it works: the main status text and the gauge.
class FetchView {
public:
    virtual ~FetchView() = default;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual int GaugeMax() const = 0;
    virtual void SetGaugeMax(int max) = 0;
    virtual void SetGaugeValue(int value) = 0;
    virtual void Pump() = 0;
};

// The download file could not be created, emptied or locked: the one failure
// GetPage lets pass to its caller.
class DownloadFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kDownloadFileName = "test.html";
inline constexpr const char* kStatusGettingUrl = "Getting URL: ";
inline constexpr const char* kStatusCompleted = "Process completed sucessfull!";
inline constexpr const char* kStatusAborted = "Process aborted!";
inline constexpr const char* kStatusConnectionError = "Connection error, check if you are connected and url exists.";

// Downloads one address into the download file, reads it back and reports
// by a Boolean; see GetPage.
class PageFetcher : public PageSource {
public:
    PageFetcher(HttpClient& client, bool& stopRequested, FetchView& view);

    // False at once when a stop is requested. Otherwise empties page,
    // creates the download file (a DownloadFileError passes out when that
    // fails), downloads into it and reads it back with CR LF line breaks.
    // Every other failure is shown in the status text and gives false with
    // the stop flag set.
    bool GetPage(const std::string& address, std::string& page) override;
    void Disconnect() override;

    // The client's progress events.
    void WorkBegin(WorkMode mode, int workCountMax);
    void Work(WorkMode mode, int workCount);
    void WorkEnd(WorkMode mode);

    // Where the download file lies: the program folder, or the user's cache
    // folder when the program folder cannot be written.
    std::string DownloadPath() const;

private:
    HttpClient& client_;
    bool& stopRequested_;
    FetchView& view_;
};

} // namespace tw
