#pragma once

#include <QDialog>
#include <functional>
#include <map>

class QLineEdit;

namespace tw {

// The key code of Enter that the edits' KeyDown handlers receive.
constexpr int kKeyEnter = 13;

// The program's dialogs: a fixed frame (no resizing, no size or help buttons)
// that opens centred on the screen. Its close button counts as Cancel.
class FixedDialog : public QDialog {
    Q_OBJECT
protected:
    explicit FixedDialog(QWidget* parent);
    // Fixes the frame at the layout's size; call once the layout is set up.
    void FixFrame();
    // Key presses in edit go to keyDown with their key code (kKeyEnter for
    // Enter or Return, whatever shift keys are held); Enter stops there, so
    // the dialog's buttons never see it.
    void OnKeyDown(QLineEdit* edit, std::function<void(int key)> keyDown);
    // Runs a dialog handler inside the failure boundary.
    static void Handle(const char* name, const std::function<void()>& body);

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<QObject*, std::function<void(int)>> keyDown_;
};

} // namespace tw
