#include "table/ResultsFile.h"
#include "table/core/CsvExport.h"
#include "tests/support/FileFixture.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tw {
namespace {

class ResultsFileTest : public ::testing::Test {
protected:
    void TearDown() override { ResultsFileSeam::FailWritesAfter(std::nullopt); }
    static KeywordTable Golf() {
        KeywordTable table;
        table.AddKeywordRow(1, "golf", "");
        return table;
    }
    test::TempFolder folder_;
};

TEST_F(ResultsFileTest, WritesTheExactBytesAndReplacesAnExistingFile) {
    const std::string path = folder_.Write("results.csv", std::string(500, 'x'));
    KeywordTable table = Golf();
    table.AddKeywordRow(2, "say \"hi\"", "1,234");
    const auto saved = SaveResultsFile(table, path);
    EXPECT_TRUE(saved.ok) << saved.error;
    EXPECT_EQ(test::TempFolder::Read(path), "\"No\",\"Keywords\",\"Searches\",\"Google\",\"Yahoo\",\"Msn\"\r\n"
                                            "\"1\",\"golf\",\"\",\"\",\"\",\"\"\r\n"
                                            "\"2\",\"say \"\"hi\"\"\",\"1,234\",\"\",\"\",\"\"\r\n");
    EXPECT_EQ(folder_.Entries(), QStringList{"results.csv"});
}

TEST_F(ResultsFileTest, AFolderThatCannotBeWrittenFailsWithTheReason) {
    // A path under a regular file fails with ENOTDIR, even for root.
    const std::string file = folder_.Write("plain.txt", "keep");
    const auto saved = SaveResultsFile(Golf(), file + "/results.csv");
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, "Not a directory");
    EXPECT_EQ(test::TempFolder::Read(file), "keep");
    EXPECT_EQ(SaveFailedMessage("/x/results.csv", saved.error),
              "The file \"/x/results.csv\" could not be saved: Not a directory");
}

TEST_F(ResultsFileTest, AFailurePartWayLeavesTheOldFileWhole) {
    const std::string path = folder_.Write("results.csv", "old contents");
    KeywordTable table;
    for (int i = 1; i <= 100000; ++i)
        table.AddKeywordRow(i, "keyword number " + std::to_string(i), "");
    ResultsFileSeam::FailWritesAfter(1500000);
    const auto saved = SaveResultsFile(table, path);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, "No space left on device");
    EXPECT_EQ(test::TempFolder::Read(path), "old contents");
    EXPECT_EQ(folder_.Entries(), QStringList{"results.csv"});
}

TEST_F(ResultsFileTest, WritesInPlaceWhereTheFolderTakesNoTemporaryFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const std::string path = folder_.Write("results.csv", "old contents");
    ASSERT_TRUE(QFile::setPermissions(QString::fromStdString(folder_.Folder()),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto saved = SaveResultsFile(Golf(), path);
    QFile::setPermissions(QString::fromStdString(folder_.Folder()),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(saved.ok) << saved.error;
    EXPECT_EQ(test::TempFolder::Read(path), CsvText(Golf()));
}

// A real CSV reader gets every cell back, whatever the cell holds.
TEST_F(ResultsFileTest, ReadsBackCellForCellWithPythonsCsvModule) {
    KeywordTable table;
    table.AddKeywordRow(1, "golf, soccer", "1,234");
    table.AddKeywordRow(2, "the \"best\" clubs", "");
    table.AddKeywordRow(3, "two\r\nlines and \"\"", "\"");
    table.SetCell(2, 3, "a,\"b\",c");
    table.SetCell(0, 5, "\xC3\xA9t\xC3\xA9");
    const std::string path = folder_.Path("round.csv");
    ASSERT_TRUE(SaveResultsFile(table, path).ok);

    // Python prints each cell's bytes in hex, one row per line.
    const char* script = "import csv,sys\n"
                         "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                         "    for row in csv.reader(f):\n"
                         "        print(' '.join(c.encode('utf-8').hex() or '-' for c in row))\n";
    QProcess python;
    python.start("python3", {"-c", script, QString::fromStdString(path)});
    ASSERT_TRUE(python.waitForFinished(30000)) << "python3 did not run";
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();

    std::string expected;
    const auto line = [&expected](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const QByteArray hex = QByteArray::fromStdString(cells[i]).toHex();
            expected += (i ? " " : "") + (hex.isEmpty() ? std::string("-") : hex.toStdString());
        }
        expected += "\n";
    };
    std::vector<std::string> header;
    for (int c = 0; c < 6; ++c)
        header.push_back(KeywordTable::ColumnCaption(c));
    line(header);
    for (int r = 0; r < table.RowCount(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < 6; ++c)
            cells.emplace_back(table.GetCell(r, c));
        line(cells);
    }
    EXPECT_EQ(python.readAllStandardOutput().toStdString(), expected);
}

} // namespace
} // namespace tw
