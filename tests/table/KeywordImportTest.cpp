#include "table/KeywordImport.h"
#include "tests/support/FileFixture.h"
#include "tests/support/TableCells.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using test::ColumnOf;

using V = std::vector<std::string>;

TEST(ImportKeywordList, ReplacesRowsAndNumbersOnFromTheRowsBefore) {
    test::TempFolder folder;
    KeywordTable table;
    for (int i = 1; i <= 3; ++i)
        table.AddKeywordRow(i, "old", "5");
    table.SetRowChecked(0, true);
    const auto outcome = ImportKeywordList(table, folder.Write("list.txt", "golf\r\nsoccer, tennis\r\n"));
    EXPECT_EQ(outcome.status, ImportOutcome::Imported);
    EXPECT_EQ(outcome.lines, 2);
    EXPECT_EQ(ColumnOf(table, 0), (V{"4", "5"}));
    EXPECT_EQ(ColumnOf(table, 1), (V{"golf", "soccer, tennis"}));
    for (int c = 2; c < 6; ++c)
        EXPECT_EQ(ColumnOf(table, c), (V{"", ""}));
    EXPECT_FALSE(table.IsRowChecked(0));
}

TEST(ImportKeywordList, EmptyFileEmptiesTheTable) {
    test::TempFolder folder;
    KeywordTable table;
    table.AddKeywordRow(1, "old", "");
    const auto outcome = ImportKeywordList(table, folder.Write("empty.txt", ""));
    EXPECT_EQ(outcome.status, ImportOutcome::Imported);
    EXPECT_EQ(outcome.lines, 0);
    EXPECT_EQ(table.RowCount(), 0);
}

TEST(ImportKeywordList, NoFileChangesNothing) {
    test::TempFolder folder;
    const std::string file = folder.Write("file.txt", "a");
    for (const std::string& path : {std::string(), folder.Path("missing.txt"), folder.Folder(), file + "/under.txt"}) {
        KeywordTable table;
        table.AddKeywordRow(1, "old", "");
        EXPECT_EQ(ImportKeywordList(table, path).status, ImportOutcome::NoFile) << path;
        EXPECT_EQ(ColumnOf(table, 1), V{"old"});
    }
}

TEST(ImportKeywordList, UnreadableFileKeepsTheTableAndSaysWhy) {
    // Reading /proc/self/mem from its start fails with EIO, even for root.
    KeywordTable table;
    table.AddKeywordRow(1, "old", "");
    table.SetRowChecked(0, true);
    const auto outcome = ImportKeywordList(table, "/proc/self/mem");
    EXPECT_EQ(outcome.status, ImportOutcome::Unreadable);
    EXPECT_EQ(outcome.error, "Input/output error");
    ASSERT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.GetCell(0, 1), "old");
    EXPECT_TRUE(table.IsRowChecked(0));
    EXPECT_EQ(UnreadableFileMessage("/proc/self/mem", outcome.error),
              "The file \"/proc/self/mem\" could not be read: Input/output error");
}

TEST(ReadWholeFile, ReadsFilesOfEverySize) {
    test::TempFolder folder;
    std::string big(3 * 1024 * 1024 + 7, 'k');
    big[1000] = '\0';
    for (const std::string& bytes : {std::string(), std::string("x"), big}) {
        const auto file = ReadWholeFile(folder.Write("f.txt", bytes));
        EXPECT_TRUE(file.ok);
        EXPECT_EQ(file.bytes, bytes);
    }
    // Files under /proc report no size but have content.
    const auto status = ReadWholeFile("/proc/self/status");
    EXPECT_TRUE(status.ok);
    EXPECT_NE(status.bytes.find("Name:"), std::string::npos);
}

} // namespace
} // namespace tw
