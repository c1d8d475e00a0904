#include "table/core/CsvExport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

const std::string kHeader = "\"No\",\"Keywords\",\"Searches\",\"Google\",\"Yahoo\",\"Msn\"\r\n";

TEST(CsvText, OneHandAddedRowIs75Bytes) {
    KeywordTable table;
    table.AddKeywordRow(1, "golf", "");
    const std::string csv = CsvText(table);
    EXPECT_EQ(csv, kHeader + "\"1\",\"golf\",\"\",\"\",\"\",\"\"\r\n");
    EXPECT_EQ(csv.size(), 75u);
    EXPECT_EQ(kHeader.size(), 49u + 2u);
}

TEST(CsvText, DoublesQuotesAndKeepsEverythingElse) {
    KeywordTable table;
    table.AddKeywordRow(7, "say \"hi\", \"", "1,234");
    table.AddKeywordRow(8, "two\r\nlines\n", "");
    table.SetCell(1, 3, "\"\"");
    table.SetCell(1, 5, "\xE9t\xE9");
    table.SetRowChecked(0, true);
    EXPECT_EQ(CsvText(table), kHeader + "\"7\",\"say \"\"hi\"\", \"\"\",\"1,234\",\"\",\"\",\"\"\r\n"
                                        "\"8\",\"two\r\nlines\n\",\"\",\"\"\"\"\"\",\"\",\"\xE9t\xE9\"\r\n");
}

TEST(CsvText, FollowsDisplayOrderAndKeepsNoTexts) {
    KeywordTable table;
    for (int i = 1; i <= 3; ++i)
        table.AddKeywordRow(i, std::string(1, static_cast<char>('a' + i - 1)), "");
    table.ApplyOrder({2, 0, 1});
    EXPECT_EQ(CsvText(table), kHeader + "\"3\",\"c\",\"\",\"\",\"\",\"\"\r\n"
                                        "\"1\",\"a\",\"\",\"\",\"\",\"\"\r\n"
                                        "\"2\",\"b\",\"\",\"\",\"\",\"\"\r\n");
}

TEST(WriteCsv, ChunksJoinToTheWholeFileAndAFailingSinkStops) {
    KeywordTable table;
    for (int i = 1; i <= 100; ++i)
        table.AddKeywordRow(i, "keyword " + std::to_string(i), "");
    std::vector<std::string> pieces;
    EXPECT_TRUE(WriteCsv(
        table,
        [&](std::string_view piece) {
            pieces.emplace_back(piece);
            return true;
        },
        64));
    EXPECT_GT(pieces.size(), 10u);
    std::string joined;
    for (const auto& p : pieces)
        joined += p;
    EXPECT_EQ(joined, CsvText(table));

    int calls = 0;
    EXPECT_FALSE(WriteCsv(
        table,
        [&](std::string_view) {
            ++calls;
            return false;
        },
        64));
    EXPECT_EQ(calls, 1);
}

TEST(WithCsvExtension, AppendsUnlessTheNameEndsInCsv) {
    const struct {
        const char* chosen;
        const char* saved;
    } cases[] = {
        {"data", "data.csv"},       {"data.csv", "data.csv"},     {"data.CSV", "data.CSV"},
        {"data.CsV", "data.CsV"},   {"data.txt", "data.txt.csv"}, {"/tmp/my.csv.d/data", "/tmp/my.csv.d/data.csv"},
        {"datacsv", "datacsv.csv"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithCsvExtension(c.chosen), c.saved) << c.chosen;
}

} // namespace
} // namespace tw
