#pragma once

#include "table/core/KeywordTable.h"

#include <string_view>
#include <vector>

namespace tw {

// The lines of a keyword list file, as views into its bytes. CR LF, a lone
// CR and a lone LF each end a line; a NUL ends the text. A last line without
// a break counts, a break at the very end adds no empty line, and an empty
// text has no lines. Each line is a keyword byte for byte.
std::vector<std::string_view> KeywordLines(std::string_view bytes);

// The rows of an import: line i becomes row number firstNumber + i with
// empty searches.
std::vector<KeywordRow> ImportRows(const std::vector<std::string_view>& lines, long long firstNumber);

} // namespace tw
