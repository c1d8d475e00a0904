// The marker scanner and the HTML cleaner against literal, naive versions of
// their rules, on the documented examples and on many generated inputs.
#include "web/core/MarkerScanner.h"
#include "web/core/UUtils.h"

#include <gtest/gtest.h>
#include <random>

namespace tw {
namespace {

// --- Naive references: the rules step by step, copying as they go. ---

std::string NaiveReplaceAll(std::string text, const std::string& find, const std::string& replacement) {
    if (find.empty())
        return text;
    for (;;) {
        const std::size_t at = text.find(find);
        if (at == std::string::npos)
            return text;
        text = text.substr(0, at) + replacement + text.substr(at + find.size());
    }
}

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return s;
}

// Position (1-based) of the first match, 0 when none.
std::size_t NaivePos(const std::string& marker, const std::string& text) {
    if (marker.empty() || text.empty())
        return 0;
    const std::size_t at = Upper(text).find(Upper(marker));
    return at == std::string::npos ? 0 : at + 1;
}

std::string NaiveExtractBetween(std::string& scan, const std::string& start, const std::string& end) {
    const std::size_t p = NaivePos(start, scan);
    if (p == 0)
        return {};
    scan = scan.substr(p - 1 + start.size());
    const std::size_t q = NaivePos(end, scan);
    if (q == 0)
        return {};
    const std::string result = scan.substr(0, q - 1);
    scan = scan.substr(q - 1);
    return result;
}

std::string NaiveCleanHtml(std::string s) {
    const char* rows[50][2] = {
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
    for (const auto& row : rows)
        s = NaiveReplaceAll(s, row[0], row[1]);
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32)
        s.erase(0, 1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32)
        s.pop_back();
    return s;
}

std::string Generate(std::mt19937& rng, const std::vector<std::string>& pieces, int maxPieces) {
    std::uniform_int_distribution<int> count(0, maxPieces);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string s;
    for (int i = count(rng); i > 0; --i)
        s += pieces[pick(rng)];
    return s;
}

// --- Marker scanner ---

TEST(ExtractBetween, DocumentedExamples) {
    struct Case {
        std::string buffer, start, end, result, rest;
    } cases[] = {
        {"abc<b>12</b>xyz", "<B>", "</B>", "12", "</b>xyz"},
        {"</b>xyz", "<B>", "</B>", "", "</b>xyz"},
        {"x<b>12", "<b>", "</b>", "", "12"},
        {"<b></b>", "<b>", "</b>", "", "</b>"},
        {"a=1;b=<b>42</b>", "b=", "<b>", "", "<b>42</b>"},
        {"<b>42</b>", "<b>", "</b>", "42", "</b>"},
        {"x<SPAN>Val</span>", "<span>", "</SPAN>", "Val", "</span>"},
        {"<Span>v</Span>", "<span>", "</span>", "v", "</Span>"},
        {"a\xe9z", "\xc9", "z", "", "a\xe9z"},
        {"a\xe9z", "\xe9", "z", "", "z"},
        {"", "<b>", "</b>", "", ""},
        {"abc", "", "c", "", "abc"},
        {"abc<b>", "<b>", "</b>", "", ""},
        {"ab<b>x", "<b>", "", "", "x"},
    };
    for (const auto& c : cases) {
        ScanText scan(c.buffer);
        EXPECT_EQ(ExtractBetween(scan, c.start, c.end), c.result) << c.buffer;
        EXPECT_EQ(scan.Remaining(), c.rest) << c.buffer;
    }
}

TEST(ExtractBetween, RepeatedCallsWalkATable) {
    ScanText scan("<td>a</td><td>b</td><td>c</td>");
    std::vector<std::string> cells;
    for (std::string cell; !(cell = ExtractBetween(scan, "<td>", "</td>")).empty();)
        cells.push_back(cell);
    EXPECT_EQ(cells, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(ExtractBetween, EqualsTheNaiveRulesOnGeneratedWalks) {
    std::mt19937 rng(1234);
    const std::vector<std::string> pieces = {"<b>", "</b>", "<B>", "</", "b", "B", ">", "<", "x", "1", "\xe9", "\xc9"};
    const std::vector<std::string> markers = {"<b>", "</b>", "<B>", "b", ">", "<", "", "x1", "\xe9", "</B>", "b>b"};
    std::uniform_int_distribution<std::size_t> pick(0, markers.size() - 1);
    for (int round = 0; round < 3000; ++round) {
        std::string naive = Generate(rng, pieces, 30);
        ScanText scan(naive);
        for (int cut = 0; cut < 6; ++cut) {
            const std::string& start = markers[pick(rng)];
            const std::string& end = markers[pick(rng)];
            const std::string expected = NaiveExtractBetween(naive, start, end);
            ASSERT_EQ(ExtractBetween(scan, start, end), expected) << "round " << round;
            ASSERT_EQ(scan.Remaining(), naive) << "round " << round;
        }
    }
}

// --- ReplaceAll and CleanHtml ---

TEST(ReplaceAll, SearchesAgainFromTheFront) {
    struct Case {
        std::string text, find, with, result;
    } cases[] = {
        {"&amp;amp;", "&amp;", "&", "&"},
        {"&amp;amp;amp;amp;", "&amp;", "&", "&"},
        {"aab", "ab", "a", "aa"},
        {"aabb", "ab", "", ""},
        {"bba", "ba", "ac", "acc"},
        {"aab", "ab", "bba", "bbbbaa"},
        {"bba", "ba", "aab", "aaaabb"},
        {"abc", "", "x", "abc"},
        {"", "a", "b", ""},
        {"xyz", "q", "r", "xyz"},
        {"AbAB", "ab", "", "AbAB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceAll(c.text, c.find, c.with), c.result) << c.text << " / " << c.find;
}

TEST(ReplaceAll, RefusesAReplacementThatContainsTheFind) {
    EXPECT_THROW(ReplaceAll("a", "a", "ba"), std::invalid_argument);
}

TEST(ReplaceAll, EqualsTheNaiveRulesOnGeneratedInputs) {
    std::mt19937 rng(99);
    const std::vector<std::string> letters = {"a", "b", "c"};
    for (int round = 0; round < 20000; ++round) {
        const std::string find = Generate(rng, letters, 4);
        const std::string with = Generate(rng, letters, 4);
        if (find.empty() || with.find(find) != std::string::npos)
            continue;
        // A replacement as long as its find or longer can make the rules run
        // without end (find ab, replacement bbaa): those are in the table.
        if (with.size() >= find.size())
            continue;
        const std::string text = Generate(rng, letters, 24);
        ASSERT_EQ(ReplaceAll(text, find, with), NaiveReplaceAll(text, find, with))
            << "text " << text << " find " << find << " with " << with;
    }
}

TEST(CleanHtml, DocumentedExamples) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"", ""},
        {"  \t&nbsp; ", ""},
        {"<b>golf</b> clubs", "golf clubs"},
        {"<B>golf</b>", "golf"},
        {"a<br>b", "a b"},
        {"a<br />b", "ab"},
        {"a<BR>b", "a b"},
        {"a\r\nb", "a  b"},
        {"&amp;amp;", "&"},
        {"&amp;nbsp;x", "x"},
        {"&amp;#039;", "'"},
        {"Tel : 555", "555"},
        {"say \"golf\" now", "say golf now"},
        {"<td class=x>7</td>", "<td class=x>7"},
        {"a<</B>BR>b", "ab"},
        {"&lt;&gt;&quot;<Br><Td><STRONG>", "&lt;&gt;&quot;<Br><Td><STRONG>"},
        {"<p>x</p><P>y</P>", "x y"},
        {"\x01\x1f x \x7f", "x \x7f"},
        {"\xa0x\xa0", "\xa0x\xa0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanHtml(c.in), c.out) << c.in;
}

TEST(CleanHtml, EqualsTheNaiveRulesOnGeneratedInputs) {
    std::mt19937 rng(7);
    const std::vector<std::string> pieces = {
        "&amp;",  "amp;", "&",   "nbsp;", "<",      ">",    "/",    "b",   "B",    "R",
        "br",     "BR",   " ",   "\t",    "\r",     "\n",   "\"",   "x",   "<br>", "<BR",
        "</",     "<td>", "TD>", "#039;", "Tel : ", "p",    "P",    "<p>", "7",    "<br />",
        "strong", "em",   "h3",  "H3",    "<u>",    "font", "FONT", "i>",  "\x01", "\xa0",
    };
    for (int round = 0; round < 5000; ++round) {
        const std::string text = Generate(rng, pieces, 40);
        ASSERT_EQ(CleanHtml(text), NaiveCleanHtml(text)) << text;
    }
}

} // namespace
} // namespace tw
