// Whole runs of "Gather Data" against the in-process test server, with the
// three engine hosts pointed at it.
#include "app/FMain.h"
#include "app/ui/FailureReport.h"
#include "tests/counts/GatherDataFixture.h"
#include "tests/counts/core/EnginePages.h"
#include "tests/support/TestHttpServer.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <set>

namespace tw {
namespace {

using test::Reply;
using Texts = std::vector<std::string>;

constexpr const char* kConnectionError = "Connection error, check if you are connected and url exists.";

using test::GooglePage;
using test::MsnPage;
using test::YahooPage;

// The search keyword as it went on the wire, quotes included.
std::string KeywordOf(const std::string& target) {
    return target.substr(target.find('=') + 1);
}

constexpr const char* kEngineHostVariables[] = {"TARNWICK_GOOGLE_HOST", "TARNWICK_YAHOO_HOST", "TARNWICK_MSN_HOST"};

void PointEnginesAt(const std::string& hostPort) {
    for (const char* variable : kEngineHostVariables)
        qputenv(variable, QByteArray::fromStdString(hostPort));
}

class GatherDataServerTest : public test::GatherDataFixture {
protected:
    void SetUp() override {
        GatherDataFixture::SetUp();
        PointEnginesAt(server.HostPort());
        window = MakeWindow();
    }
    void TearDown() override {
        window.reset();
        for (const char* variable : kEngineHostVariables)
            qunsetenv(variable);
        GatherDataFixture::TearDown();
    }

    void AddRows(std::initializer_list<const char*> keywords) {
        for (const char* k : keywords)
            window->Items.AddKeywordRow(window->Items.RowCount() + 1, k, "");
    }

    // Every engine answers with a count that names the engine and the keyword
    // it was asked for, so that a count in the wrong row shows.
    void AnswerNamingTheRequest(std::function<void(int request, const std::string& target)> during = {}) {
        server.OnRequest = [this, during](const std::string& target, const std::string&) {
            const int request = static_cast<int>(server.Targets().size());
            if (!routed_.count(target)) {
                const std::string k = KeywordOf(target);
                if (target.rfind("/search?q=", 0) == 0)
                    server.Route(target, Reply::Ok(GooglePage("g:" + k)));
                else if (target.rfind("/search?p=", 0) == 0)
                    server.Route(target, Reply::Ok(YahooPage("y:" + k)));
                else
                    server.Route(target, Reply::Ok(MsnPage("m:" + k)));
            }
            if (during)
                during(request, target);
        };
    }
    // A reply of its own for one target; the others still name the request.
    void RouteOnly(const std::string& target, Reply reply) {
        routed_.insert(target);
        server.Route(target, std::move(reply));
    }

    // Starts a run through the dialog and returns when the click has.
    void Gather(test::GatherDataFixture::Button button = Ok, std::optional<bool> first = {},
                std::optional<bool> second = {}) {
        // Nothing here may hang the test program: a run that does not end
        // within a few seconds is failed and cut.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            ADD_FAILURE() << "the run did not end";
            window->StopRequested = true;
            window->Fetcher().Disconnect();
            server.CloseAll();
        });
        watchdog.start(10000);
        AnswerSearchDialog(button, first, second);
        ClickGatherData(*window);
        FinishDrivers();
    }

    Texts Counts(int row) const {
        const auto& t = window->Items;
        return {std::string(t.GetCell(row, 3)), std::string(t.GetCell(row, 4)), std::string(t.GetCell(row, 5))};
    }
    std::string Caption() const { return window->btnGatherData->text().toStdString(); }
    std::string Status() const { return window->MainStatusPanel->text().toStdString(); }

    test::TestHttpServer server;
    std::unique_ptr<TfrmMain> window;

private:
    std::set<std::string> routed_;
};

TEST_F(GatherDataServerTest, AddressesFollowTheFirstBox) {
    struct Case {
        std::optional<bool> first, second;
        bool precise;
    };
    const Case cases[] = {{{}, {}, true}, {true, true, true}, {false, false, false}, {false, true, false}};
    for (const auto& c : cases) {
        test::TestHttpServer one;
        PointEnginesAt(one.HostPort());
        one.SetFallback(Reply::Ok("<html></html>"));
        window->Items.ClearRows();
        AddRows({"golf clubs"});
        Gather(Ok, c.first, c.second);
        const std::string tail = c.precise ? "%22golf+clubs%22" : "golf+clubs";
        EXPECT_EQ(one.Targets(), (Texts{"/search?q=" + tail, "/search?p=" + tail, "/results.aspx?q=" + tail}))
            << c.precise;
        EXPECT_EQ(window->SearchType, c.precise ? stPrecise : stBroad);
        ASSERT_EQ(one.Requests().size(), 3u);
        EXPECT_EQ(one.Requests()[0].substr(0, one.Requests()[0].find("\r\n")), "GET /search?q=" + tail + " HTTP/1.1");
        EXPECT_NE(one.Requests()[0].find("\r\nHost: " + one.HostPort() + "\r\n"), std::string::npos);
    }
}

TEST_F(GatherDataServerTest, CountsAreCutFromTheEnginesPages) {
    AddRows({"golf", "tennis"});
    for (int c = 3; c <= 5; ++c)
        window->Items.SetCell(0, c, "old");
    AnswerNamingTheRequest();
    RouteOnly("/search?q=golf", Reply::Ok("<html><font size=-1>Results <b>1</b> - <b>10</b> of about <b>2,340</b> "
                                          "for golf</font>"));
    RouteOnly("/search?p=golf", Reply::Ok("<html>no count on this page</html>"));
    RouteOnly("/results.aspx?q=golf", Reply::Ok("<span id=\"count\">1-10 of 2,340 results</span>"));
    RouteOnly("/search?q=tennis", Reply::Ok("<p>of about <b>17</b></p>\n<p>of about <b>99</b></p>"));
    Gather(Ok, false);
    EXPECT_EQ(Counts(0), (Texts{"2,340", "", "2,340 results"}));
    EXPECT_EQ(Counts(1), (Texts{"17", "y:tennis", "m:tennis"}));
    EXPECT_EQ(server.Targets().size(), 6u);
    EXPECT_EQ(Status(), "Process completed sucessfull!");
    EXPECT_EQ(Caption(), "Gather Data");
    EXPECT_TRUE(window->Items.ColumnClick());
    EXPECT_FALSE(window->StopRequested);
}

TEST_F(GatherDataServerTest, NotFoundOnTheSecondRowEndsTheRun) {
    AddRows({"a", "b", "c"});
    for (int c = 3; c <= 5; ++c)
        window->Items.SetCell(1, c, "old");
    AnswerNamingTheRequest();
    RouteOnly("/search?q=b", Reply::Status(404, "Not Found", "gone"));
    Gather(Ok, false);
    EXPECT_EQ(server.Targets(), (Texts{"/search?q=a", "/search?p=a", "/results.aspx?q=a", "/search?q=b"}));
    EXPECT_EQ(Counts(0), (Texts{"g:a", "y:a", "m:a"}));
    EXPECT_EQ(Counts(1), (Texts{"old", "old", "old"}));
    EXPECT_EQ(Counts(2), (Texts{"", "", ""}));
    EXPECT_EQ(Status(), kConnectionError);
    EXPECT_EQ(Caption(), "Gather Data");
    EXPECT_TRUE(window->Items.ColumnClick());
}

TEST_F(GatherDataServerTest, StopDuringTheThirdRowsDownload) {
    AddRows({"a", "b", "c", "d"});
    bool captionDuringRun = false;
    bool sortingOffDuringRun = false;
    AnswerNamingTheRequest([&](int, const std::string& target) {
        if (target != "/search?p=c")
            return;
        captionDuringRun = Caption() == "Stop";
        sortingOffDuringRun = !window->Items.ColumnClick();
        QTimer::singleShot(0, window.get(), [this] { ClickGatherData(*window); });
    });
    // Stopped while it waits for the reply: the connection error road.
    RouteOnly("/search?p=c", Reply::Never());
    Gather(Ok, false);
    EXPECT_TRUE(captionDuringRun);
    EXPECT_TRUE(sortingOffDuringRun);
    ASSERT_EQ(server.Targets().size(), 8u);
    EXPECT_EQ(Counts(1), (Texts{"g:b", "y:b", "m:b"}));
    EXPECT_EQ(Counts(2), (Texts{"g:c", "", ""}));
    EXPECT_EQ(Counts(3), (Texts{"", "", ""}));
    EXPECT_EQ(Status(), kConnectionError);
    EXPECT_EQ(Caption(), "Gather Data");
    EXPECT_TRUE(window->Items.ColumnClick());
    EXPECT_TRUE(window->StopRequested);
}

TEST_F(GatherDataServerTest, NoNewStartUntilAStoppedRunHasWoundDown) {
    AddRows({"a", "b"});
    bool stoppedAndRefused = false;
    AnswerNamingTheRequest([&](int request, const std::string&) {
        if (request != 2)
            return;
        QTimer::singleShot(0, window.get(), [&] {
            ClickGatherData(*window); // Stop
            ASSERT_EQ(Caption(), "Gather Data");
            MessageBoxSeam::SetNextAnswer(mrOk);
            ClickGatherData(*window); // a new start while the first run winds down
            stoppedAndRefused = true;
        });
    });
    RouteOnly("/search?p=a", Reply::Never());
    Gather(Ok);
    EXPECT_TRUE(stoppedAndRefused);
    EXPECT_EQ(MessagesShown(), Texts{"Please wait until the current download has finished."});
    EXPECT_EQ(server.Targets().size(), 2u);
    EXPECT_EQ(Status(), kConnectionError);
    // Wound down: the next start runs.
    RouteOnly("/search?p=a", Reply::Ok(YahooPage("5")));
    Gather(Ok);
    EXPECT_EQ(server.Targets().size(), 8u);
}

TEST_F(GatherDataServerTest, HashEndsTheRequest) {
    AddRows({"golf #1 club"});
    server.SetFallback(Reply::Ok("<html></html>"));
    Gather(Ok);
    ASSERT_EQ(server.Targets().size(), 3u);
    EXPECT_EQ(server.Targets()[0], "/search?q=%22golf+");
    EXPECT_EQ(server.Targets()[2], "/results.aspx?q=%22golf+");
    EXPECT_EQ(Status(), "Process completed sucessfull!");
}

TEST_F(GatherDataServerTest, CountsLandInTheirRowsWhenRowsAreDeleted) {
    AddRows({"a", "b", "c", "d", "e"});
    AnswerNamingTheRequest([&](int request, const std::string&) {
        if (request == 5) { // b's Yahoo page: a and d go
            window->Items.DeleteRow(0);
            window->Items.DeleteRow(2);
        }
    });
    Gather(Ok, false);
    ASSERT_EQ(window->Items.RowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        const std::string k(window->Items.GetCell(row, 1));
        EXPECT_EQ(Counts(row), (Texts{"g:" + k, "y:" + k, "m:" + k})) << k;
    }
    for (const auto& target : server.Targets())
        EXPECT_NE(KeywordOf(target), "d");
    EXPECT_EQ(server.Targets().size(), 12u);
    EXPECT_EQ(Caption(), "Gather Data");
    EXPECT_FALSE(window->StopRequested);
}

TEST_F(GatherDataServerTest, EmptyingTheTableEndsTheRunAndCutsTheDownload) {
    struct Case {
        const char* name;
        std::function<void(KeywordTable&)> act;
        int rowsAfter;
    };
    const Case cases[] = {
        {"delete all", [](KeywordTable& t) { t.ClearRows(); }, 0},
        {"import", [](KeywordTable& t) { t.ReplaceRows({KeywordTable::MakeRow(1, "imported", "")}); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestHttpServer one;
        PointEnginesAt(one.HostPort());
        // b's Google never answers: only ending the run can cut it.
        one.SetFallback(Reply::Ok(GooglePage("1")));
        one.Route("/search?q=b", Reply::Never());
        bool restoredAtOnce = false;
        one.OnRequest = [&](const std::string& target, const std::string&) {
            if (target != "/search?q=b")
                return;
            QTimer::singleShot(0, window.get(), [&] {
                c.act(window->Items);
                restoredAtOnce = Caption() == "Gather Data" && window->Items.ColumnClick() && window->StopRequested;
            });
        };
        window->Items.ClearRows();
        AddRows({"a", "b", "c"});
        Gather(Ok, false);
        EXPECT_TRUE(restoredAtOnce);
        EXPECT_EQ(one.Targets().size(), 4u);
        ASSERT_EQ(window->Items.RowCount(), c.rowsAfter);
        for (int r = 0; r < c.rowsAfter; ++r)
            EXPECT_EQ(Counts(r), (Texts{"", "", ""}));
        EXPECT_EQ(Caption(), "Gather Data");
        EXPECT_TRUE(window->Items.ColumnClick());
        EXPECT_TRUE(FailureReport::Entries().empty());
    }
}

TEST_F(GatherDataServerTest, RowAddedDuringTheRunIsNotAsked) {
    AddRows({"a"});
    AnswerNamingTheRequest([&](int request, const std::string&) {
        if (request == 1)
            AddRows({"late"});
    });
    Gather(Ok, false);
    EXPECT_EQ(server.Targets().size(), 3u);
    EXPECT_EQ(Counts(1), (Texts{"", "", ""}));
}

TEST_F(GatherDataServerTest, FailureReachesTheReportAndTheButtonComesBack) {
    AddRows({"a"});
    AnswerNamingTheRequest();
    // A folder where the download file goes: it cannot be created as a file.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(FolderPath() + "/test.html")));
    Gather(Ok);
    ASSERT_EQ(FailureReport::Entries().size(), 1u);
    EXPECT_EQ(FailureReport::Entries()[0].where, "btnGatherDataClick");
    EXPECT_EQ(Caption(), "Gather Data");
    EXPECT_TRUE(window->Items.ColumnClick());
    EXPECT_TRUE(server.Targets().empty());
    // Nothing is left holding the network: the next start runs.
    ASSERT_TRUE(QDir(QString::fromStdString(FolderPath() + "/test.html")).removeRecursively());
    Gather(Ok, false);
    EXPECT_EQ(server.Targets().size(), 3u);
    EXPECT_EQ(Counts(0), (Texts{"g:a", "y:a", "m:a"}));
}

} // namespace
} // namespace tw
