#include "web/core/UUtils.h"

#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

namespace tw {

// The rule "replace the first occurrence, then search the whole new text
// again from its front" is run in one pass. The text built so far never holds
// an occurrence, so the first occurrence of the whole text is the first one
// to end while bytes are appended one at a time; its replacement is then fed
// in as if it stood in front of the rest of the input. A matcher state is
// kept per byte built, so that removing an occurrence restores the state in
// front of it without looking at the text again.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
    if (find.empty() || text.find(find) == std::string_view::npos)
        return std::string(text);
    if (replacement.find(find) != std::string_view::npos)
        throw std::invalid_argument("ReplaceAll: the replacement contains the text it replaces");

    const std::size_t m = find.size();
    // Failure function of find (Knuth-Morris-Pratt).
    std::vector<std::uint32_t> fail(m, 0);
    for (std::size_t i = 1, k = 0; i < m; ++i) {
        while (k > 0 && find[i] != find[k])
            k = fail[k - 1];
        if (find[i] == find[k])
            ++k;
        fail[i] = static_cast<std::uint32_t>(k);
    }

    std::string out;
    out.reserve(text.size());
    // states[i]: matched length after out's first i bytes.
    std::vector<std::uint32_t> states;
    states.reserve(text.size() + 1);
    states.push_back(0);

    // Sources still to be appended: the input, and replacements waiting in
    // front of what is left of it.
    std::vector<std::pair<std::string_view, std::size_t>> sources;
    sources.emplace_back(text, 0);
    while (!sources.empty()) {
        auto& [source, pos] = sources.back();
        if (pos == source.size()) {
            sources.pop_back();
            continue;
        }
        const char c = source[pos++];
        std::size_t k = states.back();
        while (k > 0 && find[k] != c)
            k = fail[k - 1];
        if (find[k] == c)
            ++k;
        out.push_back(c);
        states.push_back(static_cast<std::uint32_t>(k));
        if (k == m) {
            out.resize(out.size() - m);
            states.resize(states.size() - m);
            if (!replacement.empty())
                sources.emplace_back(replacement, 0);
        }
    }
    return out;
}

namespace {
struct Replacement {
    std::string_view find;
    std::string_view with;
};

// In this order: "&amp;" first so that an escaped entity is decoded too, and
// "<BR>" twice (the second only removes one formed by an earlier removal).
constexpr Replacement kCleanHtmlRows[] = {
    {"&amp;", "&"},       {"&nbsp;", " "},  {"\t", " "},       {"<wbr>", ""},   {"&#039;", "'"}, {"Tel : ", ""},
    {"Fax : ", ""},       {"<strong>", ""}, {"</strong>", ""}, {"<em>", ""},    {"<hr>", ""},    {"<h3>", ""},
    {"</h3>", ""},        {"<H3>", ""},     {"</H3>", ""},     {"</em>", ""},   {"<u>", ""},     {"</u>", ""},
    {"</INVALID>", ""},   {"<br>", " "},    {"<BR>", " "},     {"<tr>", ""},    {"</tr>", ""},   {"<td>", ""},
    {"</td>", ""},        {"<table>", ""},  {"</table>", ""},  {"</font>", ""}, {"<b>", ""},     {"<i>", ""},
    {"<blockquote>", ""}, {"</p>", ""},     {"<p>", " "},      {"<P>", " "},    {"</P>", ""},    {"</b>", ""},
    {"</i>", ""},         {"</th>", ""},    {"<br />", ""},    {"</FONT>", ""}, {"</TD>", ""},   {"<TD>", ""},
    {"<B>", ""},          {"</B>", ""},     {"<TR>", ""},      {"<BR>", ""},    {"</TR>", ""},   {"\"", ""},
    {"\n", " "},          {"\r", " "},
};
static_assert(std::size(kCleanHtmlRows) == 50);

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
} // namespace

std::string CleanHtml(std::string_view text) {
    std::string s(text);
    for (const auto& row : kCleanHtmlRows)
        if (s.find(row.find) != std::string::npos)
            s = ReplaceAll(s, row.find, row.with);
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && IsBlank(s[begin]))
        ++begin;
    while (end > begin && IsBlank(s[end - 1]))
        --end;
    return s.substr(begin, end - begin);
}

} // namespace tw
