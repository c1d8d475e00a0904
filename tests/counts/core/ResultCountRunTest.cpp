#include "counts/core/ResultCountRun.h"
#include "counts/core/ResultCounts.h"

#include "tests/counts/core/EnginePages.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace tw {
namespace {

using test::GooglePage;
using test::MsnPage;
using test::YahooPage;

// Stands in for the page fetcher: the same contract on the stop flag, and a
// script that answers each request and may act on the table meanwhile, as a
// click handled during a download would.
class FakePages : public PageSource {
public:
    explicit FakePages(bool& stop) : stop_(stop) {}

    // Returns the page, or nothing for a failed download.
    std::function<std::optional<std::string>(int request, const std::string& address)> script;
    std::vector<std::string> addresses;
    int disconnects = 0;

    bool GetPage(const std::string& address, std::string& page) override {
        if (stop_)
            return false;
        page.clear();
        addresses.push_back(address);
        const auto answer = script(static_cast<int>(addresses.size()), address);
        if (!answer || stop_) {
            stop_ = true;
            return false;
        }
        page = *answer;
        return true;
    }
    void Disconnect() override { ++disconnects; }

private:
    bool& stop_;
};

// Every page answers with a count that names the keyword and the engine.
std::optional<std::string> CountsNamingTheRequest(const std::string& address) {
    const std::string keyword = address.substr(address.find('=') + 1);
    if (address.find("/search?q=") != std::string::npos)
        return GooglePage("g:" + keyword);
    if (address.find("/search?p=") != std::string::npos)
        return YahooPage("y:" + keyword);
    return MsnPage("m:" + keyword);
}

class ResultCountRunTest : public ::testing::Test {
protected:
    void AddRows(std::initializer_list<const char*> keywords) {
        for (const char* k : keywords)
            table.AddKeywordRow(table.RowCount() + 1, k, "");
    }
    void Run(bool precise = false) {
        ResultCountRun run(table, pages, stop, precise,
                           {[this] { ++pumps; },
                            [this] {
                                ++rowsGone;
                                stopEndedAtRequest = static_cast<int>(pages.addresses.size());
                            }});
        run.Run();
        endedByRemoval = run.EndedByRemoval();
    }
    std::vector<std::string> Counts(int row) const {
        return {std::string(table.GetCell(row, 3)), std::string(table.GetCell(row, 4)),
                std::string(table.GetCell(row, 5))};
    }
    std::string Keyword(const std::string& address) const { return address.substr(address.find('=') + 1); }

    KeywordTable table;
    bool stop = false;
    FakePages pages{stop};
    int pumps = 0;
    int rowsGone = 0;
    int stopEndedAtRequest = -1;
    bool endedByRemoval = false;
};

using Texts = std::vector<std::string>;

TEST_F(ResultCountRunTest, AsksEveryEngineForEveryRowInOrder) {
    AddRows({"golf clubs", "tennis"});
    pages.script = [](int, const std::string& a) { return CountsNamingTheRequest(a); };
    Run(true);
    const std::vector<std::string> expected = {
        EngineAddress(kSearchEngines[0], true, "golf clubs"), EngineAddress(kSearchEngines[1], true, "golf clubs"),
        EngineAddress(kSearchEngines[2], true, "golf clubs"), EngineAddress(kSearchEngines[0], true, "tennis"),
        EngineAddress(kSearchEngines[1], true, "tennis"),     EngineAddress(kSearchEngines[2], true, "tennis"),
    };
    EXPECT_EQ(pages.addresses, expected);
    EXPECT_EQ(Counts(0), (Texts{"g:%22golf+clubs%22", "y:%22golf+clubs%22", "m:%22golf+clubs%22"}));
    EXPECT_EQ(Counts(1), (Texts{"g:%22tennis%22", "y:%22tennis%22", "m:%22tennis%22"}));
    EXPECT_EQ(pumps, 6);
    EXPECT_FALSE(stop);
    EXPECT_FALSE(endedByRemoval);
}

TEST_F(ResultCountRunTest, KeywordIsReadAgainForEveryEngine) {
    AddRows({"old"});
    pages.script = [this](int request, const std::string& a) {
        if (request == 1)
            table.SetCell(0, 1, "new words");
        return CountsNamingTheRequest(a);
    };
    Run();
    ASSERT_EQ(pages.addresses.size(), 3u);
    EXPECT_EQ(Keyword(pages.addresses[0]), "old");
    EXPECT_EQ(Keyword(pages.addresses[1]), "new+words");
    EXPECT_EQ(Keyword(pages.addresses[2]), "new+words");
}

TEST_F(ResultCountRunTest, PageWithoutMarkersErasesAnOldCount) {
    AddRows({"a"});
    table.SetCell(0, 3, "1");
    table.SetCell(0, 4, "2");
    table.SetCell(0, 5, "3");
    pages.script = [](int, const std::string&) { return std::string("<html>nothing here</html>"); };
    Run();
    EXPECT_EQ(Counts(0), (Texts{"", "", ""}));
    EXPECT_EQ(pumps, 3);
}

TEST_F(ResultCountRunTest, FailedDownloadEndsTheRunAndKeepsOldTexts) {
    AddRows({"a", "b", "c"});
    for (int c = 3; c <= 5; ++c)
        table.SetCell(1, c, "old");
    pages.script = [](int request, const std::string& a) -> std::optional<std::string> {
        if (request == 4)
            return std::nullopt;
        return CountsNamingTheRequest(a);
    };
    Run();
    EXPECT_EQ(pages.addresses.size(), 4u);
    EXPECT_EQ(Counts(0), (Texts{"g:a", "y:a", "m:a"}));
    EXPECT_EQ(Counts(1), (Texts{"old", "old", "old"}));
    EXPECT_EQ(Counts(2), (Texts{"", "", ""}));
    EXPECT_TRUE(stop);
    EXPECT_EQ(pages.disconnects, 0);
}

TEST_F(ResultCountRunTest, StopDuringTheThirdRowEndsAfterThatDownload) {
    AddRows({"a", "b", "c", "d"});
    pages.script = [this](int request, const std::string& a) {
        if (request == 8)
            stop = true; // the Stop button, pressed while Yahoo answers row 3
        return CountsNamingTheRequest(a);
    };
    Run();
    EXPECT_EQ(pages.addresses.size(), 8u);
    EXPECT_EQ(Counts(1), (Texts{"g:b", "y:b", "m:b"}));
    EXPECT_EQ(Counts(2), (Texts{"g:c", "", ""}));
    EXPECT_EQ(Counts(3), (Texts{"", "", ""}));
}

TEST_F(ResultCountRunTest, StopAfterAStoredCountEndsBeforeTheNextRequest) {
    AddRows({"a", "b"});
    pages.script = [](int, const std::string& a) { return CountsNamingTheRequest(a); };
    ResultCountRun run(table, pages, stop, false,
                       {[this] {
                            if (++pumps == 2)
                                stop = true;
                        },
                        {}});
    run.Run();
    EXPECT_EQ(pages.addresses.size(), 2u);
    EXPECT_EQ(Counts(0), (Texts{"g:a", "y:a", ""}));
}

TEST_F(ResultCountRunTest, CountsFollowTheirRowsThroughDeletionsAndMoves) {
    AddRows({"a", "b", "c", "d", "e"});
    pages.script = [this](int request, const std::string& a) {
        if (request == 5) {
            // While row b's Yahoo page arrives: a goes, then d, then the rest
            // is turned round (b c e -> e c b).
            table.DeleteRow(0);
            table.DeleteRow(2);
            table.ApplyOrder({2, 1, 0});
        }
        return CountsNamingTheRequest(a);
    };
    Run();
    ASSERT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.GetCell(0, 1), "e");
    EXPECT_EQ(Counts(0), (Texts{"g:e", "y:e", "m:e"}));
    EXPECT_EQ(table.GetCell(1, 1), "c");
    EXPECT_EQ(Counts(1), (Texts{"g:c", "y:c", "m:c"}));
    EXPECT_EQ(table.GetCell(2, 1), "b");
    EXPECT_EQ(Counts(2), (Texts{"g:b", "y:b", "m:b"}));
    // d was never asked.
    for (const auto& address : pages.addresses)
        EXPECT_NE(Keyword(address), "d");
    EXPECT_EQ(pages.addresses.size(), 12u);
    EXPECT_FALSE(stop);
    EXPECT_EQ(rowsGone, 0);
}

TEST_F(ResultCountRunTest, RowDeletedDuringItsDownloadIsSkipped) {
    AddRows({"a", "b"});
    pages.script = [this](int request, const std::string& a) {
        if (request == 1)
            table.DeleteRow(0);
        return CountsNamingTheRequest(a);
    };
    Run();
    // a's Google page is dropped and its other engines are not asked.
    ASSERT_EQ(pages.addresses.size(), 4u);
    EXPECT_EQ(Keyword(pages.addresses[1]), "b");
    ASSERT_EQ(table.RowCount(), 1);
    EXPECT_EQ(Counts(0), (Texts{"g:b", "y:b", "m:b"}));
    EXPECT_EQ(rowsGone, 0);
}

TEST_F(ResultCountRunTest, TableEmptiedDuringADownloadEndsTheRunAtOnce) {
    struct Case {
        const char* name;
        std::function<void(KeywordTable&)> act;
    };
    const Case cases[] = {
        {"clear", [](KeywordTable& t) { t.ClearRows(); }},
        {"delete checked",
         [](KeywordTable& t) {
             t.SetAllChecked(true);
             t.DeleteCheckedRows();
         }},
        {"import", [](KeywordTable& t) { t.ReplaceRows({KeywordTable::MakeRow(1, "imported", "")}); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        table.ClearRows();
        stop = false;
        pages.addresses.clear();
        pages.disconnects = 0;
        rowsGone = 0;
        AddRows({"a", "b", "c"});
        pages.script = [&](int request, const std::string& a) {
            if (request == 2) {
                c.act(table);
                // The download under way was cut and the window put back
                // before the handler that removed the rows returned.
                EXPECT_TRUE(stop);
                EXPECT_EQ(pages.disconnects, 1);
                EXPECT_EQ(rowsGone, 1);
            }
            return CountsNamingTheRequest(a);
        };
        Run();
        EXPECT_TRUE(endedByRemoval);
        EXPECT_EQ(pages.addresses.size(), 2u);
        EXPECT_EQ(rowsGone, 1);
        EXPECT_EQ(stopEndedAtRequest, 2);
        for (int r = 0; r < table.RowCount(); ++r)
            EXPECT_EQ(Counts(r), (Texts{"", "", ""}));
    }
}

TEST_F(ResultCountRunTest, RowsLeftOnlyBehindTheRunEndIt) {
    AddRows({"a", "b", "c"});
    pages.script = [this](int request, const std::string& a) {
        if (request == 4) {
            table.DeleteRow(2); // c: b is still to be finished
            EXPECT_EQ(rowsGone, 0);
            table.DeleteRow(1); // b: only a, already done, is left
            EXPECT_EQ(rowsGone, 1);
        }
        return CountsNamingTheRequest(a);
    };
    Run();
    EXPECT_EQ(pages.addresses.size(), 4u);
    EXPECT_EQ(Counts(0), (Texts{"g:a", "y:a", "m:a"}));
}

TEST_F(ResultCountRunTest, RowsAddedDuringTheRunAreNotAsked) {
    AddRows({"a"});
    pages.script = [this](int request, const std::string& a) {
        if (request == 1)
            AddRows({"late"});
        return CountsNamingTheRequest(a);
    };
    Run();
    EXPECT_EQ(pages.addresses.size(), 3u);
    EXPECT_EQ(Counts(1), (Texts{"", "", ""}));
}

TEST_F(ResultCountRunTest, FailurePassesOutAndTheTableCallbackIsGivenBack) {
    AddRows({"a", "b"});
    int earlier = 0;
    table.OnRowsRemoved = [&] { ++earlier; };
    pages.script = [](int request, const std::string& a) -> std::optional<std::string> {
        if (request == 2)
            throw std::runtime_error("cannot create the download file");
        return CountsNamingTheRequest(a);
    };
    EXPECT_THROW(Run(), std::runtime_error);
    EXPECT_EQ(Counts(0), (Texts{"g:a", "", ""}));
    table.ClearRows();
    EXPECT_EQ(earlier, 1);
    EXPECT_EQ(rowsGone, 0);
}

TEST_F(ResultCountRunTest, StopSetBeforeTheRunAsksNothing) {
    AddRows({"a"});
    stop = true;
    pages.script = [](int, const std::string& a) { return CountsNamingTheRequest(a); };
    Run();
    EXPECT_TRUE(pages.addresses.empty());
}

} // namespace
} // namespace tw
