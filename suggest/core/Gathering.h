#pragma once

#include "table/core/KeywordTable.h"
#include "web/core/PageSource.h"

#include <optional>
#include <string>

namespace tw {

inline constexpr const char* kNoMainKeywordMessage = "Please enter a main keyword before gather keywords.";
inline constexpr const char* kWrongPasswordQuestion = "Wrong password. Do you want try again?";

// The user's answer to one security image and the hidden values of its page.
struct SecurityImageAnswer {
    std::string Password;
    std::string RandomValue;
    std::string SeedValue;
};

// What a gathering asks of the person at the screen.
class GatheringPrompts {
public:
    virtual ~GatheringPrompts() = default;
    // An information message with an OK button.
    virtual void Inform(const std::string& text) = 0;
    // A question with OK and Cancel; true only for OK.
    virtual bool AskOkCancel(const std::string& text) = 0;
    // One security image dialog for the page; nothing unless it ended with OK.
    virtual std::optional<SecurityImageAnswer> AskSecurityImage(const std::string& page) = 0;
};

// Asks the suggestion service at host for phrases related to mainKeyword,
// answers its security images through prompts for as long as the user wants,
// and appends the suggestions to table.
void GatherSuggestions(const std::string& host, const std::string& mainKeyword, bool& stopRequested, PageSource& pages,
                       GatheringPrompts& prompts, KeywordTable& table);

} // namespace tw
