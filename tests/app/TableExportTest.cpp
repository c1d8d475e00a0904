#include "table/ResultsFile.h"
#include "tests/app/TableFixture.h"

namespace tw {
namespace {

class TableExportTest : public test::TableWindowTest {
protected:
    void TearDown() override {
        ResultsFileSeam::FailWritesAfter(std::nullopt);
        TableWindowTest::TearDown();
    }
    // Saves through the button, answering the save dialog with path.
    void SaveAs(const std::string& path) {
        FileDialogSeam::SetNextAnswer(path);
        Click(window->btnSaveResults);
    }
};
using test::Cells;
using test::TempFolder;

TEST_F(TableExportTest, AnEmptyTableShowsTheMessageAndNoDialog) {
    MessageBoxSeam::SetNextAnswer(mrOk);
    Click(window->btnSaveResults);
    EXPECT_EQ(MessagesShown(), Cells{"You don't have any data to save."});
    EXPECT_FALSE(FileDialogSeam::LastRequest().has_value());
}

TEST_F(TableExportTest, TheDialogRemembersTheLastFile) {
    Items().AddKeywordRow(1, "golf", "");
    SaveAs(folder.Path("results"));
    auto request = FileDialogSeam::LastRequest();
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->kind, FileDialogRequest::Save);
    EXPECT_EQ(request->title, "Save file");
    EXPECT_EQ(request->filter, "CSV files (*.csv)|*.csv");
    EXPECT_EQ(request->folder, ProgramFolder());
    EXPECT_EQ(request->fileName, "");
    const std::string saved = TempFolder::Read(folder.Path("results.csv"));
    EXPECT_EQ(saved.size(), 75u);
    EXPECT_TRUE(MessagesShown().empty());

    TempFolder other;
    SaveAs(other.Path("second.csv"));
    SaveAs(other.Path("third.csv"));
    request = FileDialogSeam::LastRequest();
    EXPECT_EQ(request->folder, other.Folder());
    EXPECT_EQ(request->fileName, "second.csv");

    // Cancel writes nothing.
    FileDialogSeam::SetNextAnswer(std::nullopt);
    Click(window->btnSaveResults);
    EXPECT_EQ(FileDialogSeam::LastRequest()->fileName, "third.csv");
    EXPECT_EQ(other.Entries(), (QStringList{"second.csv", "third.csv"}));
}

TEST_F(TableExportTest, CsvIsAppendedUnlessTheNameEndsInIt) {
    Items().AddKeywordRow(1, "golf", "");
    for (const char* name : {"data", "data.txt", "data.CSV"})
        SaveAs(folder.Path(name));
    EXPECT_EQ(folder.Entries(), (QStringList{"data.CSV", "data.csv", "data.txt.csv"}));
}

TEST_F(TableExportTest, ReplacesAnExistingFileInSortedOrder) {
    const std::string path = folder.Write("results.csv", std::string(1000, 'x'));
    AddRows(3);
    Items().SetCell(0, 3, "2");
    Items().SetCell(1, 3, "1,234");
    Items().SetCell(2, 3, "10");
    ClickHeading(3);
    SaveAs(path);
    EXPECT_EQ(TempFolder::Read(path), "\"No\",\"Keywords\",\"Searches\",\"Google\",\"Yahoo\",\"Msn\"\r\n"
                                      "\"1\",\"k1\",\"\",\"2\",\"\",\"\"\r\n"
                                      "\"3\",\"k3\",\"\",\"10\",\"\",\"\"\r\n"
                                      "\"2\",\"k2\",\"\",\"1,234\",\"\",\"\"\r\n");
}

TEST_F(TableExportTest, AFailedSaveSaysWhyAndKeepsTheOldFile) {
    AddRows(1);
    const std::string plain = folder.Write("plain.txt", "keep");
    MessageBoxSeam::SetNextAnswer(mrOk);
    SaveAs(plain + "/results");
    EXPECT_EQ(MessagesShown(), Cells{"The file \"" + plain + "/results.csv\" could not be saved: Not a directory"});

    const std::string existing = folder.Write("old.csv", "old results");
    ResultsFileSeam::FailWritesAfter(10);
    MessageBoxSeam::SetNextAnswer(mrOk);
    SaveAs(existing);
    EXPECT_EQ(MessagesShown().back(), "The file \"" + existing + "\" could not be saved: No space left on device");
    EXPECT_EQ(TempFolder::Read(existing), "old results");
    EXPECT_EQ(folder.Entries(), (QStringList{"old.csv", "plain.txt"}));
    EXPECT_TRUE(FailureReport::Entries().empty());
}

} // namespace
} // namespace tw
