// The main window's handlers for: Branding settings and the browser launcher.
// They read the window and call the subsystem, which holds the logic.
#include "app/FMain.h"

namespace tw {

void TfrmMain::btnMakeMoneyClick() {}
void TfrmMain::imgBannerClick() {}
void TfrmMain::LoadSettings() {}

} // namespace tw
