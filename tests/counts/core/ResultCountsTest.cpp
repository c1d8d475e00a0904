#include "counts/core/ResultCounts.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

const SearchEngine& Google() {
    return kSearchEngines[0];
}
const SearchEngine& Yahoo() {
    return kSearchEngines[1];
}
const SearchEngine& Msn() {
    return kSearchEngines[2];
}

TEST(ResultCountsTest, EnginesComeInTheirOrderWithTheirColumns) {
    ASSERT_EQ(kSearchEngines.size(), 3u);
    EXPECT_EQ(Google().service, Service::Google);
    EXPECT_EQ(Yahoo().service, Service::Yahoo);
    EXPECT_EQ(Msn().service, Service::Msn);
    EXPECT_EQ(Google().column, 3);
    EXPECT_EQ(Yahoo().column, 4);
    EXPECT_EQ(Msn().column, 5);
}

TEST(ResultCountsTest, AddressesForGolfClubs) {
    struct Case {
        const SearchEngine* engine;
        bool precise;
        std::string tail;
    };
    const Case cases[] = {
        {&Google(), true, "/search?q=%22golf+clubs%22"},    {&Google(), false, "/search?q=golf+clubs"},
        {&Yahoo(), true, "/search?p=%22golf+clubs%22"},     {&Yahoo(), false, "/search?p=golf+clubs"},
        {&Msn(), true, "/results.aspx?q=%22golf+clubs%22"}, {&Msn(), false, "/results.aspx?q=golf+clubs"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EngineAddress(*c.engine, c.precise, "golf clubs"), "http://" + HostOf(c.engine->service) + c.tail)
            << c.tail;
}

TEST(ResultCountsTest, SearchKeywordTurnsOnlySpacesIntoPlus) {
    const std::pair<std::string, std::string> cases[] = {
        {"golf clubs", "golf+clubs"},
        {"a  b", "a++b"},
        {" edge ", "+edge+"},
        {"", ""},
        {"c++ & #1 100%", "c+++&+#1+100%"},
        {"caf\xe9 cr\xc3\xa8me", "caf\xe9+cr\xc3\xa8me"},
        {"tab\there", "tab\there"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(SearchKeyword(in), out) << in;
}

TEST(ResultCountsTest, QuoteIsPercentFormForPreciseOnly) {
    EXPECT_EQ(QuoteOf(true), "%22");
    EXPECT_EQ(QuoteOf(false), "");
}

TEST(ResultCountsTest, CountsCutFromResultPages) {
    struct Case {
        const char* name;
        const SearchEngine* engine;
        std::string page;
        std::string count;
    };
    const Case cases[] = {
        {"google sample", &Google(),
         "<html><font size=-1>Results <b>1</b> - <b>10</b> of about <b>2,340</b> for golf</font>", "2,340"},
        {"google without the heading cuts after the first of about", &Google(),
         "<p>of about <b>17</b> and later of about <b>99</b>", "17"},
        {"google heading skips an earlier of about", &Google(),
         "of about <b>1</b> <font size=-1>Results <b>1</b> - <b>10</b> of about <b>77</b>", "77"},
        {"google markers ignore letter case", &Google(), "<FONT SIZE=-1>results 1 OF ABOUT <B>5</B>", "5"},
        {"google without any marker", &Google(), "<html>no results</html>", ""},
        {"yahoo value", &Yahoo(), "x<span id=\"infototal\">1,234,567</span>y", "1,234,567"},
        {"yahoo without the marker", &Yahoo(), "<span id=\"other\">12</span>", ""},
        {"yahoo without the end marker", &Yahoo(), "<span id=\"infototal\">12", ""},
        {"msn sample", &Msn(), "<span id=\"count\">1-10 of 2,340 results</span>", "2,340 results"},
        {"msn heading skips an earlier of", &Msn(), "one of many <span id=\"count\">1-10 of 8</span>", "8"},
        {"msn keeps tags and words unchanged", &Msn(), "<span id=\"count\">1 of <b>about</b> 3</span>",
         "<b>about</b> 3"},
        {"msn without the heading", &Msn(), "1 of 5</span>", "5"},
        {"empty page", &Msn(), "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutCount(*c.engine, c.page), c.count) << c.name;
}

} // namespace
} // namespace tw
