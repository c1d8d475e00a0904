// The main window's handlers for: Result count gathering.
// They read the window and call the subsystem, which holds the logic.
#include "app/FMain.h"
#include "app/ui/ModalGate.h"
#include "app/ui/Pump.h"
#include "app/ui/QtText.h"
#include "counts/FSelectSearch.h"
#include "counts/core/ResultCountRun.h"

#include <QPushButton>

namespace tw {

namespace {
constexpr const char* kNoKeywordsMessage = "You need add keywords to gather data from search engines.";
constexpr const char* kGatherDataCaption = "Gather Data";
constexpr const char* kStopCaption = "Stop";
} // namespace

void TfrmMain::btnGatherDataClick() {
    if (Items.RowCount() == 0) {
        ShowMessageBox(kNoKeywordsMessage);
        return;
    }
    if (FromQ(btnGatherData->text()) != kGatherDataCaption) {
        // Stop: the run notices the flag when control comes back to it.
        StopRequested = true;
        Fetcher().Disconnect();
        RestoreGatherDataButton();
        PumpMessages();
        return;
    }
    // Also refuses a new start while a stopped run is still winding down.
    auto scope = NetworkActions.TryBegin();
    if (!scope) {
        ShowMessageBox(kWaitForDownloadMessage);
        return;
    }
    {
        TfrmSelSearch dialog(this);
        if (ModalGate::Exec(dialog) != QDialog::Accepted)
            return;
        SearchType = dialog.PreciseChosen() ? stPrecise : stBroad;
    }
    Items.SetColumnClick(false);
    StopRequested = false;
    btnGatherData->setText(ToQ(kStopCaption));
    // A failure that ends the run still goes on to the failure report, but
    // must not leave the button reading "Stop" or sorting switched off.
    struct RestoreOnExit {
        TfrmMain& window;
        ~RestoreOnExit() { window.RestoreGatherDataButton(); }
    } restore{*this};
    GatherSearchData();
    btnGatherData->setText(ToQ(kGatherDataCaption));
    PumpMessages();
    Items.SetColumnClick(true);
}

void TfrmMain::GatherSearchData() {
    ResultCountRun run(Items, Fetcher(), StopRequested, SearchType == stPrecise,
                       {[] { PumpMessages(); }, [this] { RestoreGatherDataButton(); }});
    run.Run();
}

void TfrmMain::RestoreGatherDataButton() {
    btnGatherData->setText(ToQ(kGatherDataCaption));
    Items.SetColumnClick(true);
}

} // namespace tw
