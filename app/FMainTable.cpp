// The main window's handlers for: Keyword entry, list import, sorting, check marks and export.
// They read the window and call the subsystem, which holds the logic.
#include "app/FMain.h"

namespace tw {

void TfrmMain::btnMainKeywordClick() {}
void TfrmMain::btnAddKeywordClick() {}
void TfrmMain::lvwItemsColumnClick(int) {}
void TfrmMain::bsSkinButton1Click() {}
void TfrmMain::bsSkinButton2Click() {}
void TfrmMain::bsSkinButton3Click() {}
void TfrmMain::bsSkinButton4Click() {}
void TfrmMain::btnSaveResultsClick() {
    SaveResults();
}
void TfrmMain::SaveResults() {}
void TfrmMain::ImportKeywordFile(const std::string&) {}

} // namespace tw
