#include "suggest/core/Gathering.h"

#include "suggest/core/Suggestions.h"

namespace tw {

void GatherSuggestions(const std::string& host, const std::string& mainKeyword, bool& stopRequested, PageSource& pages,
                       GatheringPrompts& prompts, KeywordTable& table) {
    stopRequested = false;
    if (mainKeyword.empty()) {
        prompts.Inform(kNoMainKeywordMessage);
        return;
    }
    std::string page;
    if (!pages.GetPage(SuggestionRequestAddress(host, mainKeyword), page))
        return;
    // No limit on the attempts: the user decides when to give up.
    while (IsSecurityImagePage(page)) {
        const std::optional<SecurityImageAnswer> answer = prompts.AskSecurityImage(page);
        if (!answer)
            return;
        // The result does not matter: a failed request leaves an empty page,
        // which is parsed like any other and yields nothing.
        pages.GetPage(AnswerRequestAddress(host, answer->Password, answer->RandomValue, answer->SeedValue), page);
        if (IsSecurityImagePage(page) && !prompts.AskOkCancel(kWrongPasswordQuestion))
            return;
    }
    ParseSuggestions(page, table);
}

} // namespace tw
