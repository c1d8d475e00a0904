#include "app/ui/FixedDialog.h"

#include "app/ui/FailureReport.h"
#include "app/ui/ScreenCentre.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QShowEvent>

namespace tw {

FixedDialog::FixedDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {}

void FixedDialog::FixFrame() {
    setFixedSize(size());
    setSizeGripEnabled(false);
}

void FixedDialog::OnKeyDown(QLineEdit* edit, std::function<void(int key)> keyDown) {
    keyDown_[edit] = std::move(keyDown);
    edit->installEventFilter(this);
}

void FixedDialog::Handle(const char* name, const std::function<void()>& body) {
    RunHandler(name, body);
}

void FixedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Restoring from the task bar is a spontaneous show: the dialog stays where the user put it.
    if (!event->spontaneous())
        CentreOnScreen(*this);
}

bool FixedDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto handler = keyDown_.find(watched);
        if (handler != keyDown_.end()) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
            const auto keyDown = handler->second;
            Handle("KeyDown", [&] { keyDown(enter ? kKeyEnter : key); });
            if (enter)
                return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tw
