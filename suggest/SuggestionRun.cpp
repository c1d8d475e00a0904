#include "suggest/SuggestionRun.h"

#include "app/ui/MessageBox.h"
#include "app/ui/ModalGate.h"
#include "app/ui/QtText.h"
#include "suggest/FCaptcha.h"
#include "web/core/Hosts.h"

#include <QLineEdit>

namespace tw {

void DialogPrompts::Inform(const std::string& text) {
    ShowMessageBox(text, mbOk);
}

bool DialogPrompts::AskOkCancel(const std::string& text) {
    return ShowMessageBox(text, mbOkCancel) == mrOk;
}

std::optional<SecurityImageAnswer> DialogPrompts::AskSecurityImage(const std::string& page) {
    TfrmCaptcha dialog(parent_);
    dialog.PageText = page;
    if (ModalGate::Exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return SecurityImageAnswer{FromQ(dialog.edtPassword->text()), dialog.RandomValue, dialog.SeedValue};
}

void RunSuggestionGathering(QWidget* dialogParent, const std::string& mainKeyword, bool& stopRequested,
                            PageSource& pages, KeywordTable& table) {
    DialogPrompts prompts(dialogParent);
    GatherSuggestions(HostOf(Service::Suggest), mainKeyword, stopRequested, pages, prompts, table);
}

} // namespace tw
