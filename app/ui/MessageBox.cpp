#include "app/ui/MessageBox.h"

#include "app/ui/ModalGate.h"
#include "app/ui/QtText.h"
#include "app/ui/ScreenCentre.h"

#include <QMessageBox>
#include <QPushButton>
#include <deque>

namespace tw {

namespace {
std::deque<int> gAnswers;
std::vector<MessageBoxSeam::Shown> gHistory;
std::function<int(const std::string&, MessageButtons)> gFallback;

int ShowRealBox(const std::string& text, MessageButtons buttons) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), ToQ(text));
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    QPushButton* cancel = nullptr;
    if (buttons == mbOkCancel)
        cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel ? cancel : ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.adjustSize();
    CentreOnScreen(box);
    box.exec();
    return box.clickedButton() == ok ? mrOk : mrCancel;
}
} // namespace

int ShowMessageBox(const std::string& text, MessageButtons buttons) {
    int answer;
    if (ModalGate::Closing()) {
        answer = mrCancel;
    } else if (!gAnswers.empty()) {
        answer = gAnswers.front();
        gAnswers.pop_front();
    } else if (gFallback) {
        answer = gFallback(text, buttons);
    } else {
        answer = ShowRealBox(text, buttons);
    }
    // Only OK counts as yes; an OK-only box cannot answer Cancel unless closing.
    if (buttons == mbOk && answer != mrCancel)
        answer = mrOk;
    gHistory.push_back({text, buttons, answer});
    return answer;
}

void MessageBoxSeam::SetNextAnswer(int answer) {
    gAnswers.push_back(answer);
}
void MessageBoxSeam::SetFallback(std::function<int(const std::string&, MessageButtons)> fallback) {
    gFallback = std::move(fallback);
}
const std::vector<MessageBoxSeam::Shown>& MessageBoxSeam::History() {
    return gHistory;
}
void MessageBoxSeam::Reset() {
    gAnswers.clear();
    gHistory.clear();
}

} // namespace tw
