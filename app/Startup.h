#pragma once

class QWidget;

namespace tw {

// Registers the built-in resources (banner, icon, skin) and the application
// icon, and gives the link labels the desktop's "open" of their address.
void InitBuiltInResources();
// Shows the main window centred on the screen, or maximised or minimised
// when the desktop started the program that way.
void ShowCentred(QWidget& window);

} // namespace tw
