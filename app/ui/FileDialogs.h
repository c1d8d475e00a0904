#pragma once

#include <optional>
#include <string>

namespace tw {

// An open or save file dialog. Filters are written "Text files (*.txt)|*.txt",
// as the layouts give them.
struct FileDialogRequest {
    enum Kind { Open, Save } kind = Open;
    std::string title;
    std::string filter;
    std::string folder;   // where it starts
    std::string fileName; // filled in, for a save dialog
};

// Shows the dialog; the chosen path, or nothing on Cancel. An open dialog
// accepts only an existing file.
std::optional<std::string> RunFileDialog(const FileDialogRequest& request);

// Tests answer file dialogs here: a queued answer is used once.
class FileDialogSeam {
public:
    static void SetNextAnswer(std::optional<std::string> path);
    static bool HasAnswer();
    // In tests a dialog with no queued answer is cancelled instead of shown.
    static void SetStrict(bool strict);
    static const std::optional<FileDialogRequest>& LastRequest();
    static void Reset();
};

} // namespace tw
