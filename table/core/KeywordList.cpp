#include "table/core/KeywordList.h"

namespace tw {

std::vector<std::string_view> KeywordLines(std::string_view bytes) {
    if (const auto nul = bytes.find('\0'); nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    std::vector<std::string_view> lines;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* q = p;
        while (q < end && *q != '\r' && *q != '\n')
            ++q;
        lines.emplace_back(p, static_cast<std::size_t>(q - p));
        if (q < end) {
            // CR LF counts as one break.
            const bool crlf = *q == '\r' && q + 1 < end && q[1] == '\n';
            q += crlf ? 2 : 1;
        }
        p = q;
    }
    return lines;
}

std::vector<KeywordRow> ImportRows(const std::vector<std::string_view>& lines, long long firstNumber) {
    std::vector<KeywordRow> rows;
    rows.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        rows.push_back(KeywordTable::MakeRow(firstNumber + static_cast<long long>(i), lines[i], {}));
    return rows;
}

} // namespace tw
