#include "tests/web/FetchFixture.h"
#include "web/core/Request.h"

#include <QDir>
#include <QStandardPaths>

namespace tw::test {
namespace {

constexpr const char* kConnectionError = "Connection error, check if you are connected and url exists.";

std::string Expected(const std::string& target, const std::string& hostPort, const std::string& cookie = {}) {
    std::string r = "GET " + target + " HTTP/1.1\r\nContent-Type: text/html\r\nHost: " + hostPort +
                    "\r\nAccept: text/html, */*\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n";
    if (!cookie.empty())
        r += "Cookie: " + cookie + "\r\n";
    return r + "\r\n";
}

TEST_F(FetchTest, SendsExactlyTheRequestAndReadsThePageBack) {
    server.Route("/search?q=golf+clubs", Reply::Ok("line1\nline2"));
    std::string page = "old";
    EXPECT_TRUE(fetcher.GetPage(server.Url("/search?q=golf+clubs"), page));
    EXPECT_EQ(page, "line1\r\nline2\r\n");
    ASSERT_EQ(server.ConnectionCount(), 1);
    EXPECT_EQ(server.Requests()[0], Expected("/search?q=golf+clubs", server.HostPort()));
    EXPECT_EQ(view.status, "Process completed sucessfull!");
    EXPECT_EQ(view.statusHistory.front(), "Getting URL: " + server.Url("/search?q=golf+clubs") + "...");
    EXPECT_FALSE(stop);
    EXPECT_EQ(DownloadFileBytes(), "line1\nline2");
}

TEST_F(FetchTest, PageTextHasCrLfAfterEveryLineAndEndsAtNul) {
    struct Case {
        std::string body, page;
    } cases[] = {
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\r\nb", "a\r\nb\r\n"},
        {"a\rb\n\rc", "a\r\nb\r\n\r\nc\r\n"},
        {std::string("ab\0cd\n", 6), "ab\r\n"},
        {"", ""},
        {std::string("\0x", 2), ""},
    };
    for (const auto& c : cases) {
        server.Route("/p", Reply::Ok(c.body));
        std::string page;
        EXPECT_TRUE(fetcher.GetPage(server.Url("/p"), page));
        EXPECT_EQ(page, c.page);
        EXPECT_EQ(DownloadFileBytes(), c.body) << "the file holds the body unchanged";
        EXPECT_EQ(view.status, "Process completed sucessfull!");
    }
}

TEST_F(FetchTest, StopRequestedBeforeTheCallTouchesNothing) {
    WriteDownloadFile("earlier");
    stop = true;
    std::string page = "kept";
    EXPECT_FALSE(fetcher.GetPage(server.Url("/"), page));
    EXPECT_EQ(page, "kept");
    EXPECT_EQ(view.status, "(untouched)");
    EXPECT_TRUE(view.gauge.empty());
    EXPECT_EQ(DownloadFileBytes(), "earlier");
    EXPECT_EQ(server.ConnectionCount(), 0);
}

TEST_F(FetchTest, FailureStatusesTakeTheFailureRoad) {
    for (const int status : {404, 500, 304, 101}) {
        stop = false;
        server.Route("/x", Reply::Status(status, "Nope", "error body"));
        std::string page = "old";
        EXPECT_FALSE(fetcher.GetPage(server.Url("/x"), page)) << status;
        EXPECT_EQ(page, "");
        EXPECT_TRUE(stop);
        EXPECT_EQ(view.status, kConnectionError);
        EXPECT_EQ(DownloadFileBytes(), "") << "an error reply's body is not kept";
    }
}

TEST_F(FetchTest, Status100IsSkipped) {
    server.Route("/c", Reply::Raw("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"));
    std::string page;
    EXPECT_TRUE(fetcher.GetPage(server.Url("/c"), page));
    EXPECT_EQ(page, "ok\r\n");
}

TEST_F(FetchTest, NoServerIsAConnectionError) {
    const std::string address = server.Url("/");
    server.~TestHttpServer();
    new (&server) TestHttpServer(QHostAddress(QStringLiteral("127.0.0.2")));
    std::string page;
    EXPECT_FALSE(fetcher.GetPage(address, page));
    EXPECT_TRUE(stop);
    EXPECT_EQ(view.status, kConnectionError);
}

TEST_F(FetchTest, RedirectToAnotherHostKeepsOnlyTheFinalBody) {
    TestHttpServer other(QHostAddress(QStringLiteral("127.0.0.2")));
    other.Route("/final", Reply::Ok("final page"));
    server.Route("/start", Reply::Status(302, "Found", "redirect body", "Location: " + other.Url("/final") + "\r\n"));
    std::string page;
    EXPECT_TRUE(fetcher.GetPage(server.Url("/start"), page));
    EXPECT_EQ(page, "final page\r\n");
    EXPECT_EQ(DownloadFileBytes(), "final page");
    ASSERT_EQ(other.ConnectionCount(), 1);
    EXPECT_EQ(other.Requests()[0], Expected("/final", other.HostPort()));
}

TEST_F(FetchTest, RelativeRedirectsResolveAgainstTheCurrentAddress) {
    server.Route("/a/b?x=1", Reply::Redirect("c?y=2", 301));
    server.Route("/a/c?y=2", Reply::Redirect("/d", 307));
    server.Route("/d", Reply::Ok("done"));
    std::string page;
    EXPECT_TRUE(fetcher.GetPage(server.Url("/a/b?x=1"), page));
    EXPECT_EQ(page, "done\r\n");
    EXPECT_EQ(server.Targets(), (std::vector<std::string>{"/a/b?x=1", "/a/c?y=2", "/d"}));
}

TEST_F(FetchTest, RedirectChainEndsAfterFifteenRequestsOnTheFailureRoad) {
    for (int i = 0; i < 20; ++i)
        server.Route("/r" + std::to_string(i), Reply::Redirect("/r" + std::to_string(i + 1)));
    server.Route("/r15", Reply::Ok("never reached"));
    std::string page;
    EXPECT_FALSE(fetcher.GetPage(server.Url("/r0"), page));
    EXPECT_EQ(server.ConnectionCount(), 15);
    EXPECT_TRUE(stop);
    EXPECT_EQ(view.status, kConnectionError);
    EXPECT_EQ(page, "");

    // Fourteen redirects are still followed.
    stop = false;
    server.Route("/r14", Reply::Ok("fifteenth"));
    EXPECT_TRUE(fetcher.GetPage(server.Url("/r0"), page));
    EXPECT_EQ(page, "fifteenth\r\n");
}

TEST_F(FetchTest, RedirectToAnythingButHttpIsAFailure) {
    for (const char* location : {"https://127.0.0.1/", "ftp://127.0.0.1/x", "javascript:alert(1)", ""}) {
        stop = false;
        server.Route("/r", Reply::Redirect(location));
        std::string page;
        EXPECT_FALSE(fetcher.GetPage(server.Url("/r"), page)) << location;
        EXPECT_EQ(view.status, kConnectionError);
    }
}

TEST_F(FetchTest, CookieGoesBackToItsHostOnlyAndSurvivesRedirects) {
    TestHttpServer other(QHostAddress(QStringLiteral("127.0.0.2")));
    other.Route("/o", Reply::Ok("other"));
    server.Route("/set", Reply::Ok("set", "Set-Cookie: session=abc; Path=/\r\nSet-Cookie2: extra=1\r\n"));
    server.Route("/bounce",
                 Reply::Status(302, "Found", {}, "Set-Cookie: hop=2\r\nLocation: " + server.Url("/again") + "\r\n"));
    server.Route("/again", Reply::Ok("again"));
    std::string page;
    ASSERT_TRUE(fetcher.GetPage(server.Url("/set"), page));
    ASSERT_TRUE(fetcher.GetPage(other.Url("/o"), page));
    ASSERT_TRUE(fetcher.GetPage(server.Url("/bounce"), page));
    EXPECT_EQ(server.Requests()[0], Expected("/set", server.HostPort()));
    EXPECT_EQ(other.Requests()[0], Expected("/o", other.HostPort())) << "no cookie for another host";
    EXPECT_EQ(server.Requests()[1], Expected("/bounce", server.HostPort(), "session=abc; extra=1"));
    const std::string& third = server.Requests()[2];
    EXPECT_NE(third.find("Cookie: "), std::string::npos);
    EXPECT_NE(third.find("hop=2"), std::string::npos) << "a redirect's cookie is kept: " << third;
    EXPECT_NE(third.find("session=abc"), std::string::npos);
}

TEST_F(FetchTest, HostHeaderNamesThePortOnlyWhenItIsNot80) {
    const auto target = ParseHttpAddress("http://Example.com:80/x");
    ASSERT_TRUE(target);
    EXPECT_EQ(target->HostHeader(), "Example.com");
    server.Route("/", Reply::Ok("x"));
    std::string page;
    EXPECT_TRUE(fetcher.GetPage("http://localhost:" + std::to_string(server.Port()), page));
    EXPECT_EQ(server.Requests()[0], Expected("/", "localhost:" + std::to_string(server.Port())));
}

TEST_F(FetchTest, ControlBytesAndSpacesArePercentEncodedBackslashesAndFragmentsHandled) {
    server.SetFallback(Reply::Ok("x"));
    std::string page;
    const std::string address = server.Url("/a b\\c?q=x\r\nX-Evil: 1\x7f#frag");
    EXPECT_TRUE(fetcher.GetPage(address, page));
    EXPECT_EQ(server.Requests()[0], Expected("/a%20b/c?q=x%0D%0AX-Evil:%201%7F", server.HostPort()));
    EXPECT_EQ(view.statusHistory.front(), "Getting URL: " + address + "...") << "the address as built";
}

TEST_F(FetchTest, ContentLengthFillsTheGaugeToTheAnnouncedLength) {
    server.Route("/big", Reply::Ok(std::string(5000, 'x')));
    std::string page;
    ASSERT_TRUE(fetcher.GetPage(server.Url("/big"), page));
    ASSERT_GE(view.gauge.size(), 3u);
    EXPECT_EQ(view.gauge[0], (RecordingView::GaugeEvent{'V', 0})) << "step 4.2";
    EXPECT_EQ(view.gauge[1], (RecordingView::GaugeEvent{'M', 5000}));
    EXPECT_EQ(view.max, 5000);
    EXPECT_EQ(view.value, 5000);
    EXPECT_EQ(view.gauge.back(), (RecordingView::GaugeEvent{'V', 5000}));
}

TEST_F(FetchTest, BodyEndedByCloseLeavesTheGaugeMaximumAtZero) {
    server.Route("/close", Reply::CloseDelimited("until\nclose"));
    std::string page;
    ASSERT_TRUE(fetcher.GetPage(server.Url("/close"), page));
    EXPECT_EQ(page, "until\r\nclose\r\n");
    EXPECT_EQ(view.max, 0);
    EXPECT_EQ(view.value, 0);
}

TEST_F(FetchTest, ChunkedReplyGivesOneGaugeCyclePerChunk) {
    server.Route("/chunks", Reply::Chunked({"abc", "defgh", "ij"}));
    std::string page;
    ASSERT_TRUE(fetcher.GetPage(server.Url("/chunks"), page));
    EXPECT_EQ(page, "abcdefghij\r\n");
    std::vector<int> maxima;
    for (const auto& e : view.gauge)
        if (e.kind == 'M')
            maxima.push_back(e.value);
    EXPECT_EQ(maxima, (std::vector<int>{3, 5, 2}));
    EXPECT_EQ(view.value, 2);
}

TEST_F(FetchTest, StopDuringABodyOfAnnouncedLengthKeepsThePartThatArrived) {
    server.Route("/slow", Reply::PartialThenPause(5000, std::string(1200, 'p')));
    view.onPump = [this] {
        if (view.value == 1200 && !stop) {
            // As the Stop button does: set the flag and cut the client.
            stop = true;
            fetcher.Disconnect();
        }
    };
    std::string page = "old";
    EXPECT_FALSE(fetcher.GetPage(server.Url("/slow"), page));
    EXPECT_EQ(view.status, "Process aborted!");
    EXPECT_EQ(page, "");
    EXPECT_TRUE(stop);
    EXPECT_EQ(DownloadFileBytes(), std::string(1200, 'p'));
}

TEST_F(FetchTest, StopWhileWaitingForTheHeadIsAConnectionError) {
    server.Route("/never", Reply::Never());
    server.OnRequest = [this](const std::string&, const std::string&) {
        // As the Stop button does: set the flag and cut the client.
        stop = true;
        fetcher.Disconnect();
    };
    std::string page;
    EXPECT_FALSE(fetcher.GetPage(server.Url("/never"), page));
    EXPECT_EQ(view.status, kConnectionError);
    EXPECT_TRUE(stop);
}

TEST_F(FetchTest, StopBetweenChunksIsAConnectionError) {
    Reply reply;
    reply.Then("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n").ThenPause();
    server.Route("/chunks", reply);
    view.onPump = [this] {
        if (view.value == 3 && !stop) {
            stop = true;
            fetcher.Disconnect();
        }
    };
    std::string page;
    EXPECT_FALSE(fetcher.GetPage(server.Url("/chunks"), page));
    EXPECT_EQ(view.status, kConnectionError);
}

TEST_F(FetchTest, HostileRepliesAreFailures) {
    const std::string hugeHead = "HTTP/1.1 200 OK\r\nX-Pad: " + std::string(70000, 'a') + "\r\n\r\nbody";
    const char* cases[] = {
        "HTTP/1.1 2OO OK\r\n\r\n",
        "garbage\r\n\r\n",
        "HTTP/1.1 200 OK\r\nContent-Length: 12x\r\n\r\nbody",
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nabc\r\n0\r\n\r\n",
        "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nshort",
        "",
    };
    std::vector<std::string> replies(std::begin(cases), std::end(cases));
    replies.push_back(hugeHead);
    for (const std::string& raw : replies) {
        stop = false;
        server.Route("/h", Reply::Raw(raw));
        std::string page;
        EXPECT_FALSE(fetcher.GetPage(server.Url("/h"), page)) << "[" << raw.substr(0, 60) << "]";
        EXPECT_EQ(view.status, kConnectionError);
    }
}

TEST_F(FetchTest, LargeHeadAndLargeBodyPass) {
    const std::string body(9 * 1024 * 1024, 'b');
    server.Route("/large", Reply::Ok(body, "X-Pad: " + std::string(60 * 1024, 'h') + "\r\n"));
    std::string page;
    ASSERT_TRUE(fetcher.GetPage(server.Url("/large"), page));
    EXPECT_EQ(page.size(), body.size() + 2);
    EXPECT_EQ(view.max, static_cast<int>(body.size()));
}

TEST_F(FetchTest, DownloadFileThatCannotBeCreatedPassesOut) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("test.html")));
    std::string page = "old";
    EXPECT_THROW(fetcher.GetPage(server.Url("/"), page), DownloadFileError);
    EXPECT_EQ(page, "") << "emptied before the file is created";
    EXPECT_EQ(view.status, "(untouched)");
    EXPECT_FALSE(stop);
    EXPECT_EQ(server.ConnectionCount(), 0);
}

TEST_F(FetchTest, DownloadFileIsHeldWhileADownloadRuns) {
    // A second download started from inside the first one's loop (what a
    // second copy of the program, or a handler, would do) cannot create it.
    server.Route("/inner", Reply::Ok("inner"));
    server.Route("/outer", Reply::PartialThenPause(10, "12345").Then("67890"));
    bool threw = false;
    view.onPump = [&] {
        if (view.value != 5 || threw)
            return;
        HttpClient other;
        bool otherStop = false;
        RecordingView otherView;
        PageFetcher second(other, otherStop, otherView);
        std::string page;
        try {
            const bool ok = second.GetPage(server.Url("/inner"), page);
            ADD_FAILURE() << "the second download went ahead: " << ok << " " << otherView.status;
        } catch (const DownloadFileError&) {
            threw = true;
        }
        server.Resume();
    };
    std::string page;
    EXPECT_TRUE(fetcher.GetPage(server.Url("/outer"), page));
    EXPECT_TRUE(threw);
    EXPECT_EQ(page, "1234567890\r\n") << "the first download's page is intact";
}

TEST_F(FetchTest, UnwritableProgramFolderUsesTheCacheFolder) {
    QStandardPaths::setTestModeEnabled(true);
    SetProgramFolderForTesting(folder.path().toStdString() + "/missing/");
    const std::string path = fetcher.DownloadPath();
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    EXPECT_EQ(path, QDir(cache).filePath(QStringLiteral("test.html")).toStdString());
    server.Route("/", Reply::Ok("cached"));
    std::string page;
    EXPECT_TRUE(fetcher.GetPage(server.Url("/"), page));
    EXPECT_EQ(page, "cached\r\n");
    QStandardPaths::setTestModeEnabled(false);
}

} // namespace
} // namespace tw::test
