// The main window's handlers for: Result count gathering.
// They read the window and call the subsystem, which holds the logic.
#include "app/FMain.h"

namespace tw {

void TfrmMain::btnGatherDataClick() {}
void TfrmMain::GatherSearchData() {}

} // namespace tw
