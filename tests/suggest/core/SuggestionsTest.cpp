#include "suggest/core/Suggestions.h"
#include "web/core/UUtils.h"

#include <gtest/gtest.h>
#include <random>

namespace tw {
namespace {

struct Listed {
    std::vector<std::string> texts;
    void Attach(KeywordTable& table) {
        table.OnRowCountText = [this](const std::string& t) { texts.push_back(t); };
    }
};

std::vector<std::array<std::string, 3>> RowsOf(const KeywordTable& table) {
    std::vector<std::array<std::string, 3>> rows;
    for (int r = 0; r < table.RowCount(); ++r)
        rows.push_back(
            {std::string(table.GetCell(r, 0)), std::string(table.GetCell(r, 1)), std::string(table.GetCell(r, 2))});
    return rows;
}

std::string Row(const std::string& count, const std::string& phrase) {
    return "<tr><td>" + count + "</td><td><a href=\"/k?q=x\">" + phrase + "</a></td></tr>\n";
}

std::string Page(const std::string& rows) {
    return "<html><table><thead><tr><th>Searches</th></tr></thead><tfoot><tr><td>f</td></tr></tfoot>\n<tbody>" + rows +
           "</tbody></table></html>";
}

TEST(RequestAddress, SpacesBecomePlusAndNothingElseChanges) {
    struct Case {
        const char* keyword;
        const char* expected;
    };
    const Case cases[] = {
        {"golf", "http://h:81/?seed=golf&adult_filter=remove_offensive&suggest=Hit+Me"},
        {"golf clubs", "http://h:81/?seed=golf+clubs&adult_filter=remove_offensive&suggest=Hit+Me"},
        {"golf  clubs", "http://h:81/?seed=golf++clubs&adult_filter=remove_offensive&suggest=Hit+Me"},
        {" a&b%20+c#", "http://h:81/?seed=+a&b%20+c#&adult_filter=remove_offensive&suggest=Hit+Me"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SuggestionRequestAddress("h:81", c.keyword), c.expected) << c.keyword;
}

TEST(RequestAddress, AnswerCarriesValuesExactlyAsGiven) {
    EXPECT_EQ(AnswerRequestAddress("svc", " ", "r 1&", "s+2"),
              "http://svc/keyword-suggestion-tool.html?password= &random=r 1&&seed=s+2");
    EXPECT_EQ(AnswerRequestAddress("svc", "", "", ""),
              "http://svc/keyword-suggestion-tool.html?password=&random=&seed=");
}

TEST(SecurityImagePage, CaseSensitiveSubstring) {
    EXPECT_TRUE(IsSecurityImagePage("x Please enter the characters in the image: y"));
    EXPECT_FALSE(IsSecurityImagePage("please enter the characters in the image"));
    EXPECT_FALSE(IsSecurityImagePage(""));
}

TEST(ParseSuggestions, AppendsRowsNumberedOnFromTheRowCount) {
    KeywordTable table;
    for (int i = 1; i <= 3; ++i)
        table.AddKeywordRow(i, "old" + std::to_string(i), "");
    table.SetRowChecked(1, true);
    Listed listed;
    listed.Attach(table);
    ParseSuggestions(Page(Row("1,200", "golf clubs") + Row(" 900 ", "cheap <b>golf</b> clubs")), table);
    const std::vector<std::array<std::string, 3>> expected = {{"1", "old1", ""},
                                                              {"2", "old2", ""},
                                                              {"3", "old3", ""},
                                                              {"4", "golf clubs", "1,200"},
                                                              {"5", "cheap golf clubs", "900"}};
    EXPECT_EQ(RowsOf(table), expected);
    EXPECT_TRUE(table.IsRowChecked(1));
    EXPECT_FALSE(table.IsRowChecked(3));
    for (int c = 3; c < 6; ++c)
        EXPECT_EQ(table.GetCell(4, c), "");
    ASSERT_FALSE(listed.texts.empty());
    EXPECT_EQ(listed.texts.back(), "5 items listed");
}

// Pages of the service's result table and the rows each one yields.
TEST(ParseSuggestions, TableOfPages) {
    using Rows = std::vector<std::array<std::string, 3>>;
    struct Case {
        const char* name;
        std::string page;
        Rows rows;
    };
    const std::string head = "<table><tfoot></tfoot>";
    const Case cases[] = {
        {"no footer", "<tr><td>5</td><a href=\"x\">a</a>", {}},
        {"footer only in capitals", "<TFOOT></TFOOT><tbody>" + Row("5", "a"), {}},
        {"footer in capitals, test is case-sensitive but the cut is not",
         "</TFOOT> </tfoot><tbody>" + Row("5", "a"),
         {{"1", "a", "5"}}},
        {"white space only before the first row skips it",
         head + " \r\n <tr><td>5</td><a href=\"x\">a</a>" + Row("6", "b"),
         {{"1", "b", "6"}}},
        {"a tag before the first row keeps it",
         head + "<tbody>" + Row("5", "a") + Row("6", "b"),
         {{"1", "a", "5"}, {"2", "b", "6"}}},
        {"empty first cell ends the reading",
         head + "<tbody>" + Row("5", "a") + Row("", "b") + Row("7", "c"),
         {{"1", "a", "5"}}},
        {"white space first cell ends the reading", head + "<tbody>" + Row(" \t ", "b") + Row("7", "c"), {}},
        {"&nbsp; first cell ends the reading", head + "<tbody>" + Row("&nbsp;", "b") + Row("7", "c"), {}},
        {"a row without a link takes the next link's text",
         head + "<tbody><tr><td>5</td><td>plain</td></tr>" + Row("6", "b") + Row("7", "c"),
         {{"1", "b", "5"}, {"2", "c", "7"}}},
        {"an empty phrase is kept", head + "<tbody>" + Row("5", "") + Row("6", "b"), {{"1", "", "5"}, {"2", "b", "6"}}},
        {"no link left: empty phrases",
         head + "<tbody><tr><td>5</td></tr><tr><td>6</td></tr>",
         {{"1", "", "5"}, {"2", "", "6"}}},
        {"a link never closed: empty phrases, rows behind it still read",
         head + "<tbody><tr><td>5</td><a href=\"x\">a<tr><td>6</td><a href=\"y\">b",
         {{"1", "", "5"}, {"2", "", "6"}}},
        {"markers of the rows ignore case", head + "<tbody><TR><TD>5</TD><A HREF=\"X\">A</A>", {{"1", "A", "5"}}},
        {"entities and line breaks cleaned",
         head + "<tbody><tr><td>1&amp;2</td><a href=\"x\">golf&nbsp;&#039;n\r\nclubs</a>",
         {{"1", "golf 'n  clubs", "1&2"}}},
        {"a first cell without its closing tag ends the reading", head + "<tbody><tr><td>5", {}},
    };
    for (const auto& c : cases) {
        KeywordTable table;
        Listed listed;
        listed.Attach(table);
        ParseSuggestions(c.page, table);
        EXPECT_EQ(RowsOf(table), c.rows) << c.name;
        if (c.rows.empty()) {
            EXPECT_TRUE(listed.texts.empty()) << c.name;
        } else {
            ASSERT_FALSE(listed.texts.empty()) << c.name;
            EXPECT_EQ(listed.texts.back(), std::to_string(c.rows.size()) + " items listed") << c.name;
        }
    }
}

// The steps exactly as written: a buffer copied after every cut, one
// AddKeywordRow and one count text per row.
namespace literal {
std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return s;
}
std::string ExtractBetween(std::string& scan, const std::string& start, const std::string& end) {
    if (start.empty() || scan.empty())
        return {};
    const std::size_t p = Upper(scan).find(Upper(start));
    if (p == std::string::npos)
        return {};
    scan = scan.substr(p + start.size());
    const std::size_t q = end.empty() ? std::string::npos : Upper(scan).find(Upper(end));
    if (q == std::string::npos)
        return {};
    std::string result = scan.substr(0, q);
    scan = scan.substr(q);
    return result;
}
void ParseSuggestions(const std::string& page, KeywordTable& table) {
    std::string scan = page;
    if (page.find("</tfoot>") == std::string::npos)
        return;
    ExtractBetween(scan, "</tfoot>", ">");
    std::string count = CleanHtml(ExtractBetween(scan, "<tr><td>", "</td>"));
    while (!count.empty()) {
        const long long number = table.RowCount() + 1;
        const std::string phrase = CleanHtml(ExtractBetween(scan, "\">", "</a>"));
        table.AddKeywordRow(number, phrase, count);
        table.UpdateRowCount(rcItemsListed);
        count = CleanHtml(ExtractBetween(scan, "<tr><td>", "</td>"));
    }
}
} // namespace literal

// Each page draws from its own random subset of the pieces, so that many
// pages lack some marker altogether (links that stop, or never close).
std::string RandomPage(std::mt19937& rng) {
    static const std::vector<std::string> pieces = {"<tr><td>", "</td>",    "\">", "</a>",      "<TR><TD>", "</A>",
                                                    "</tfoot>", "</TFOOT>", ">",   " ",         "7",        "&nbsp;",
                                                    "<b>",      "x",        "\"",  "<a href=\""};
    std::vector<std::string> subset;
    std::bernoulli_distribution keep(0.6);
    for (const auto& p : pieces)
        if (keep(rng))
            subset.push_back(p);
    subset.push_back("</tfoot>");
    std::uniform_int_distribution<std::size_t> pick(0, subset.size() - 1);
    std::uniform_int_distribution<int> length(0, 60);
    std::string page;
    for (int i = length(rng); i > 0; --i)
        page += subset[pick(rng)];
    return page;
}

TEST(ParseSuggestions, EqualsTheLiteralStepsOnGeneratedPages) {
    std::mt19937 rng(6);
    for (int i = 0; i < 20000; ++i) {
        const std::string page = RandomPage(rng);
        const int existing = i % 3;
        KeywordTable fast, slow;
        Listed fastListed, slowListed;
        for (int r = 0; r < existing; ++r) {
            fast.AddKeywordRow(r + 1, "k", "");
            slow.AddKeywordRow(r + 1, "k", "");
        }
        fastListed.Attach(fast);
        slowListed.Attach(slow);
        ParseSuggestions(page, fast);
        literal::ParseSuggestions(page, slow);
        ASSERT_EQ(RowsOf(fast), RowsOf(slow)) << page;
        ASSERT_EQ(fastListed.texts.empty(), slowListed.texts.empty()) << page;
        if (!slowListed.texts.empty()) {
            ASSERT_EQ(fastListed.texts.back(), slowListed.texts.back()) << page;
        }
    }
}

TEST(ParseSuggestions, ManyRowsWithOneInsertNotification) {
    struct Counter : KeywordTableListener {
        int inserts = 0;
        void BeforeInsert(int, int) override { ++inserts; }
        void AfterInsert() override {}
        void BeforeRemove(int, int) override {}
        void AfterRemove() override {}
        void BeforeReset() override {}
        void AfterReset() override {}
        void CellsChanged(int, int, int, int) override {}
        void BeforeReorder() override {}
        void AfterReorder(const std::vector<int>&) override {}
    } counter;
    std::string rows;
    for (int i = 0; i < 5000; ++i)
        rows += Row(std::to_string(i + 1), "k" + std::to_string(i));
    KeywordTable table;
    table.SetListener(&counter);
    ParseSuggestions(Page(rows), table);
    EXPECT_EQ(table.RowCount(), 5000);
    EXPECT_EQ(counter.inserts, 1);
    EXPECT_EQ(table.GetCell(4999, 0), "5000");
    EXPECT_EQ(table.GetCell(4999, 1), "k4999");
}

} // namespace
} // namespace tw
