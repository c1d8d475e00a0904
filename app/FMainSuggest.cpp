// The main window's handlers for: Suggestion gathering.
// They read the window and call the subsystem, which holds the logic.
#include "app/FMain.h"

namespace tw {

void TfrmMain::btnGatherKeywordClick() {}

} // namespace tw
