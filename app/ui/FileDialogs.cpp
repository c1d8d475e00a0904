#include "app/ui/FileDialogs.h"

#include "app/ui/ModalGate.h"
#include "app/ui/QtText.h"

#include <QFileDialog>
#include <deque>

namespace tw {

namespace {
std::deque<std::optional<std::string>> gAnswers;
std::optional<FileDialogRequest> gLast;
bool gStrict = false;

// "Text files (*.txt)|*.txt" -> "Text files (*.txt)"
QString QtFilter(const std::string& filter) {
    const auto bar = filter.find('|');
    return ToQ(bar == std::string::npos ? filter : filter.substr(0, bar));
}
} // namespace

std::optional<std::string> RunFileDialog(const FileDialogRequest& request) {
    gLast = request;
    if (ModalGate::Closing())
        return std::nullopt;
    if (!gAnswers.empty()) {
        auto answer = gAnswers.front();
        gAnswers.pop_front();
        return answer;
    }
    if (gStrict)
        return std::nullopt;
    QFileDialog dialog(nullptr, ToQ(request.title), ToQ(request.folder), QtFilter(request.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog, false);
    if (request.kind == FileDialogRequest::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Replacing an existing file asks no question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        if (!request.fileName.empty())
            dialog.selectFile(ToQ(request.fileName));
    }
    if (ModalGate::Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FromQ(dialog.selectedFiles().front());
}

void FileDialogSeam::SetNextAnswer(std::optional<std::string> path) {
    gAnswers.push_back(std::move(path));
}
bool FileDialogSeam::HasAnswer() {
    return !gAnswers.empty();
}
void FileDialogSeam::SetStrict(bool strict) {
    gStrict = strict;
}
const std::optional<FileDialogRequest>& FileDialogSeam::LastRequest() {
    return gLast;
}
void FileDialogSeam::Reset() {
    gAnswers.clear();
    gLast.reset();
}

} // namespace tw
