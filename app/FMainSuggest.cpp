// The main window's handlers for: Suggestion gathering.
// They read the window and call the subsystem, which holds the logic.
#include "app/FMain.h"
#include "suggest/SuggestionRun.h"
#include "web/core/NetworkBusy.h"

namespace tw {

void TfrmMain::btnGatherKeywordClick() {
    auto scope = NetworkActions.TryBegin();
    if (!scope) {
        ShowMessageBox(kWaitForDownloadMessage);
        return;
    }
    // A copy: the main keyword may be changed while a download pumps events.
    const std::string keyword = MainKeyword;
    RunSuggestionGathering(this, keyword, StopRequested, Fetcher(), Items);
}

} // namespace tw
