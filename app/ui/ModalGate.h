#pragma once

class QDialog;

namespace tw {

// Once the main window has been asked to close while an action still runs,
// every dialog and message box that the action opens ends at once with Cancel.
class ModalGate {
public:
    static bool Closing();
    static void SetClosing(bool closing);
    // Shows a dialog modally unless the program is closing; QDialog's result.
    static int Exec(QDialog& dialog);
};

} // namespace tw
