#include "table/core/KeywordList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

std::vector<std::string> Lines(std::string_view bytes) {
    std::vector<std::string> out;
    for (auto line : KeywordLines(bytes))
        out.emplace_back(line);
    return out;
}

using V = std::vector<std::string>;

TEST(KeywordLines, SplitsAtEveryKindOfBreak) {
    const struct {
        std::string bytes;
        V lines;
    } cases[] = {
        {"", {}},
        {"golf", {"golf"}},
        {"golf\r\n", {"golf"}},
        {"\r\n", {""}},
        {"\n", {""}},
        {"\r", {""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\n", {"a", ""}},
        {"a\r\n\r\n", {"a", ""}},
        {" golf, soccer \t\r\nx", {" golf, soccer \t", "x"}},
        {std::string("a\r\nb\0c\r\nd", 10), {"a", "b"}},
        {std::string("\0a", 2), {}},
        {"\xE9t\xE9\r\n\xFF", {"\xE9t\xE9", "\xFF"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lines(c.bytes), c.lines) << testing::PrintToString(c.bytes);
}

TEST(ImportRows, NumbersFromTheFirstNumber) {
    const std::string bytes = "a\r\nb";
    const auto rows = ImportRows(KeywordLines(bytes), 4);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Cell(0), "4");
    EXPECT_EQ(rows[0].Cell(1), "a");
    EXPECT_EQ(rows[1].Cell(0), "5");
    EXPECT_EQ(rows[1].Cell(1), "b");
    for (int c = 2; c < KeywordRow::kColumns; ++c)
        EXPECT_EQ(rows[1].Cell(c), "");
}

} // namespace
} // namespace tw
