#pragma once

#include "web/HttpClient.h"
#include "web/core/PageSource.h"

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

// Downloads one address into the download file, reads it back and reports
// by a Boolean; see GetPage.
class PageFetcher : public PageSource {
public:
    PageFetcher(HttpClient& client, bool& stopRequested, FetchView& view);

    bool GetPage(const std::string& address, std::string& page) override;
    void Disconnect() override;

    // The client's progress events.
    void WorkBegin(WorkMode mode, int workCountMax);
    void Work(WorkMode mode, int workCount);
    void WorkEnd(WorkMode mode);

    // Where the download file lies.
    std::string DownloadPath() const;

private:
    HttpClient& client_;
    bool& stopRequested_;
    FetchView& view_;
};

} // namespace tw
