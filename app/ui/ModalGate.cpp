#include "app/ui/ModalGate.h"

#include <QDialog>

namespace tw {

namespace {
bool gClosing = false;
}

bool ModalGate::Closing() {
    return gClosing;
}
void ModalGate::SetClosing(bool closing) {
    gClosing = closing;
}

int ModalGate::Exec(QDialog& dialog) {
    if (gClosing)
        return QDialog::Rejected;
    return dialog.exec();
}

} // namespace tw
