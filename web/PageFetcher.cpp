#include "web/PageFetcher.h"

#include "app/core/Paths.h"

namespace tw {

PageFetcher::PageFetcher(HttpClient& client, bool& stopRequested, FetchView& view)
    : client_(client), stopRequested_(stopRequested), view_(view) {}

bool PageFetcher::GetPage(const std::string&, std::string& page) {
    if (stopRequested_)
        return false;
    page.clear();
    stopRequested_ = true;
    return false;
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
    return ProgramFolder() + "test.html";
}

} // namespace tw
