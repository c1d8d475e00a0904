#pragma once

#include "table/core/KeywordTable.h"

#include <string>
#include <string_view>

namespace tw {

// The words that mark a security image page instead of results.
inline constexpr const char* kSecurityImagePhrase = "Please enter the characters in the image";

// "http://" host "/?seed=" keyword ...: every space of the keyword becomes
// "+", nothing else is changed or escaped.
std::string SuggestionRequestAddress(std::string_view host, std::string_view mainKeyword);
// The answer to a security image, with the three values exactly as given.
std::string AnswerRequestAddress(std::string_view host, std::string_view password, std::string_view random,
                                 std::string_view seed);

// Case-sensitive substring test over the whole page.
bool IsSecurityImagePage(std::string_view page);

// Appends one row per suggestion of the service's result table, numbered on
// from the table's row count, and writes the "items listed" count text once
// rows were appended. The rows go in with one notification, so that a page
// of many rows costs linear time; numbers and the final count text are those
// of appending the rows one by one.
void ParseSuggestions(const std::string& page, KeywordTable& table);

} // namespace tw
