#pragma once

#include "suggest/core/Gathering.h"

class QWidget;

namespace tw {

// The gathering's questions put to the user: the message box and one
// security image dialog per attempt, each ending with Cancel while the
// program closes.
class DialogPrompts : public GatheringPrompts {
public:
    explicit DialogPrompts(QWidget* dialogParent) : parent_(dialogParent) {}
    void Inform(const std::string& text) override;
    bool AskOkCancel(const std::string& text) override;
    std::optional<SecurityImageAnswer> AskSecurityImage(const std::string& page) override;

private:
    QWidget* parent_;
};

// "Gather Keywords": the whole gathering against the configured suggestion
// service host.
void RunSuggestionGathering(QWidget* dialogParent, const std::string& mainKeyword, bool& stopRequested,
                            PageSource& pages, KeywordTable& table);

} // namespace tw
