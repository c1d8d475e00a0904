#include "suggest/core/SecurityImage.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

const std::string kRandom = "<input type=\"hidden\" name=\"random\" value=\"";
const std::string kSeed = "<input type=\"hidden\" name=\"seed\" value=\"";

TEST(SecurityImageFields, TableOfPages) {
    struct Case {
        const char* name;
        std::string page;
        SecurityImageFields expected;
    };
    const Case cases[] = {
        {"well-formed page",
         "<form>" + kRandom + "r123\">" + kSeed + "s456\"><img src=\"http://img/c.php?a=1&amp;b=2\"></form>",
         {"r123", "s456", "http://img/c.php?a=1&b=2"}},
        {"seed before random leaves the seed empty", kSeed + "s\">" + kRandom + "r\"><img src=\"i\">", {"r", "", "i"}},
        {"an image before the seed field is not used",
         "<img src=\"early\">" + kRandom + "r\">" + kSeed + "s\"><img src=\"late\">",
         {"r", "s", "late"}},
        {"no image after the seed field", "<img src=\"early\">" + kRandom + "r\">" + kSeed + "s\">", {"r", "s", ""}},
        {"&amp; twice",
         kRandom + "r\">" + kSeed + "s\"><img src=\"/i?a=1&amp;b=2&amp;c=3\">",
         {"r", "s", "/i?a=1&b=2&c=3"}},
        {"&amp;amp; decoded once",
         kRandom + "r\">" + kSeed + "s\"><img src=\"/i?a&amp;amp;b&AMP;c\">",
         {"r", "s", "/i?a&amp;b&AMP;c"}},
        {"markers in capitals match",
         "<INPUT TYPE=\"HIDDEN\" NAME=\"RANDOM\" VALUE=\"Ab\"><INPUT TYPE=\"HIDDEN\" NAME=\"SEED\" VALUE=\"Cd\">"
         "<IMG SRC=\"Http://X/Y\">",
         {"Ab", "Cd", "Http://X/Y"}},
        {"without the random field, seed and image are searched from the front",
         "<img src=\"first\">" + kSeed + "s\">",
         {"", "s", ""}},
        {"without the random field nor seed, the first image",
         "<img src=\"first\"><img src=\"second\">",
         {"", "", "first"}},
        {"an unclosed random value ends every search", "<img src=\"i\">" + kRandom + "r", {"", "", ""}},
        {"other attribute order does not match",
         "<input name=\"random\" type=\"hidden\" value=\"r\">" + kSeed + "s\"><img src=\"i\">",
         {"", "s", "i"}},
        {"empty page", "", {"", "", ""}},
    };
    for (const auto& c : cases) {
        const SecurityImageFields f = ReadSecurityImageFields(c.page);
        EXPECT_EQ(f.RandomValue, c.expected.RandomValue) << c.name;
        EXPECT_EQ(f.SeedValue, c.expected.SeedValue) << c.name;
        EXPECT_EQ(f.ImageUrl, c.expected.ImageUrl) << c.name;
    }
}

TEST(DecodeAmpersands, OnePassLeftToRight) {
    EXPECT_EQ(DecodeAmpersands(""), "");
    EXPECT_EQ(DecodeAmpersands("&amp;"), "&");
    EXPECT_EQ(DecodeAmpersands("&amp;amp;"), "&amp;");
    EXPECT_EQ(DecodeAmpersands("&&amp;amp;&amp"), "&&amp;&amp");
    EXPECT_EQ(DecodeAmpersands("a&amp;&amp;b"), "a&&b");
}

} // namespace
} // namespace tw
