// "Gather Keywords" end to end: the main window's button, the real page
// fetcher and a scripted suggestion service on 127.0.0.1.
#include "app/FMain.h"
#include "suggest/FCaptcha.h"
#include "suggest/ImageView.h"
#include "tests/suggest/ImageServer.h"
#include "tests/support/Seams.h"
#include "tests/support/TestHttpServer.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace tw {
namespace {

using test::Reply;

const std::string kTail = "&adult_filter=remove_offensive&suggest=Hit+Me";

std::string ResultPage(const std::string& rows) {
    return "<html>\n<table>\n<thead><tr><th>Searches</th><th>Keyword</th></tr></thead>\n<tfoot><tr><td>x</td></tr>"
           "</tfoot>\n<tbody>\n" +
           rows + "</tbody>\n</table>\n</html>\n";
}

std::string Row(const std::string& count, const std::string& phrase) {
    return "<tr><td>" + count + "</td><td><a href=\"/q?k=1\">" + phrase + "</a></td></tr>\n";
}

std::string ImagePage(const std::string& random, const std::string& seed, const std::string& image) {
    return "<html><body><form action=\"/keyword-suggestion-tool.html\">\n"
           "<p>Please enter the characters in the image</p>\n"
           "<input type=\"hidden\" name=\"random\" value=\"" +
           random + "\">\n<input type=\"hidden\" name=\"seed\" value=\"" + seed + "\">\n<img src=\"" + image +
           "\" alt=\"\">\n<input type=\"text\" name=\"password\"></form></body></html>\n";
}

// What one security image dialog saw.
struct Seen {
    std::string random, seed, imageUrl, viewAddress;
};

// Acts on the next security image dialog once it is open: polls the event
// loop on a short timer, a bounded number of times.
void WhenDialogOpens(std::function<void(TfrmCaptcha&)> act, int tries = 4000) {
    QTimer::singleShot(5, [act = std::move(act), tries]() mutable {
        if (auto* dialog = qobject_cast<TfrmCaptcha*>(QApplication::activeModalWidget())) {
            act(*dialog);
            return;
        }
        if (tries > 0)
            WhenDialogOpens(std::move(act), tries - 1);
        else
            ADD_FAILURE() << "no security image dialog opened";
    });
}

// Types the answer and clicks Ok, after noting what the dialog shows.
std::function<void(TfrmCaptcha&)> Answer(const QString& answer, std::vector<Seen>& seen) {
    return [answer, &seen](TfrmCaptcha& d) {
        seen.push_back({d.RandomValue, d.SeedValue, d.ImageUrl, d.EmbeddedWB1->Address()});
        QTest::keyClicks(d.edtPassword, answer);
        QTest::mouseClick(d.btnOk, Qt::LeftButton);
    };
}

class GatherKeywords : public test::SeamTest {
protected:
    void SetUp() override {
        SeamTest::SetUp();
        qputenv("TARNWICK_SUGGEST_HOST", QByteArray::fromStdString(server.HostPort()));
        window = std::make_unique<TfrmMain>();
    }
    void TearDown() override {
        window.reset();
        qunsetenv("TARNWICK_SUGGEST_HOST");
        SeamTest::TearDown();
    }
    void Click() { QTest::mouseClick(window->btnGatherKeyword, Qt::LeftButton); }
    std::string Cell(int row, int column) const { return std::string(window->Items.GetCell(row, column)); }

    test::TestHttpServer server;
    test::ImageServer images;
    std::unique_ptr<TfrmMain> window;
};

TEST_F(GatherKeywords, EmptyMainKeywordAsksForOneAndDownloadsNothing) {
    MessageBoxSeam::SetNextAnswer(mrOk);
    Click();
    EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Please enter a main keyword before gather keywords."});
    EXPECT_EQ(server.ConnectionCount(), 0);
}

TEST_F(GatherKeywords, KeywordSpacesBecomePlus) {
    const std::pair<std::string, std::string> cases[] = {
        {"golf clubs", "/?seed=golf+clubs" + kTail},
        {"golf  clubs", "/?seed=golf++clubs" + kTail},
    };
    server.SetFallback(Reply::Ok(ResultPage("")));
    for (const auto& [keyword, target] : cases) {
        window->MainKeyword = keyword;
        Click();
        ASSERT_FALSE(server.Requests().empty());
        EXPECT_EQ(server.Targets().back(), target);
        EXPECT_EQ(server.Requests().back().rfind("GET " + target + " HTTP/1.1\r\n", 0), 0u) << server.Requests().back();
        EXPECT_NE(server.Requests().back().find("\r\nHost: " + server.HostPort() + "\r\n"), std::string::npos);
    }
    EXPECT_EQ(server.ConnectionCount(), 2);
}

TEST_F(GatherKeywords, PlainPageIsParsedAtOnceAndNumberedOnFromTheRows) {
    for (int i = 1; i <= 3; ++i)
        window->Items.AddKeywordRow(i, "old " + std::to_string(i), "");
    window->Items.SetRowChecked(2, true);
    window->MainKeyword = "golf";
    server.Route("/?seed=golf" + kTail, Reply::Ok(ResultPage(Row("1,900", "golf <b>clubs</b>") + Row("880", "golf"))));
    Click();
    EXPECT_EQ(server.ConnectionCount(), 1);
    EXPECT_TRUE(MessagesShown().empty());
    ASSERT_EQ(window->Items.RowCount(), 5);
    EXPECT_EQ(Cell(2, 1), "old 3");
    EXPECT_TRUE(window->Items.IsRowChecked(2));
    EXPECT_EQ(Cell(3, 0), "4");
    EXPECT_EQ(Cell(3, 1), "golf clubs");
    EXPECT_EQ(Cell(3, 2), "1,900");
    EXPECT_EQ(Cell(4, 0), "5");
    EXPECT_EQ(window->SecondStatusPanel->text(), "5 items listed");
    EXPECT_EQ(window->MainStatusPanel->text(), "Process completed sucessfull!");
}

// Pages as the fetcher hands them over (its line breaks made CR LF).
TEST_F(GatherKeywords, ResultPagesOverTheWire) {
    struct Case {
        const char* name;
        std::string page;
        std::vector<std::string> phrases;
    };
    const Case cases[] = {
        {"footer in capitals", "<table><TFOOT></TFOOT><tbody>\n" + Row("5", "a"), {}},
        {"only line breaks before the first row", "<table><tfoot></tfoot>\n" + Row("5", "a") + Row("6", "b"), {"b"}},
        {"a tag before the first row", "<table><tfoot></tfoot>\n<tbody>" + Row("5", "a") + Row("6", "b"), {"a", "b"}},
        {"&nbsp; cell ends the reading", ResultPage(Row("5", "a") + Row("&nbsp;", "b") + Row("6", "c")), {"a"}},
        {"row without a link takes the next one",
         ResultPage("<tr><td>5</td><td>none</td></tr>\n" + Row("6", "b") + Row("7", "c")),
         {"b", "c"}},
    };
    window->MainKeyword = "k";
    for (const auto& c : cases) {
        window->Items.ClearRows();
        server.Route("/?seed=k" + kTail, Reply::Ok(c.page));
        Click();
        std::vector<std::string> phrases;
        for (int r = 0; r < window->Items.RowCount(); ++r)
            phrases.push_back(Cell(r, 1));
        EXPECT_EQ(phrases, c.phrases) << c.name;
    }
}

TEST_F(GatherKeywords, WrongAnswerThenAnotherDialogWithTheNewestPage) {
    window->MainKeyword = "golf";
    const std::string image1 = images.Url("/img?n=1&amp;s=a").toStdString();
    const std::string image2 = images.Url("/img?n=2").toStdString();
    server.Route("/?seed=golf" + kTail, Reply::Ok(ImagePage("R1", "S1", image1)));
    server.Route("/keyword-suggestion-tool.html?password=x7k&random=R1&seed=S1",
                 Reply::Ok(ImagePage("R 2", "S2", image2)));
    server.Route("/keyword-suggestion-tool.html?password=%20&random=R%202&seed=S2",
                 Reply::Ok(ResultPage(Row("40", "golf balls"))));
    std::vector<Seen> seen;
    WhenDialogOpens([&](TfrmCaptcha& d) {
        Answer("x7k", seen)(d);
        WhenDialogOpens(Answer(" ", seen));
    });
    MessageBoxSeam::SetNextAnswer(mrOk);
    Click();

    EXPECT_EQ(
        server.Targets(),
        (std::vector<std::string>{"/?seed=golf" + kTail, "/keyword-suggestion-tool.html?password=x7k&random=R1&seed=S1",
                                  "/keyword-suggestion-tool.html?password=%20&random=R%202&seed=S2"}));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].random, "R1");
    EXPECT_EQ(seen[0].imageUrl, images.Url("/img?n=1&s=a").toStdString());
    EXPECT_EQ(seen[0].viewAddress, seen[0].imageUrl);
    EXPECT_EQ(seen[1].random, "R 2");
    EXPECT_EQ(seen[1].seed, "S2");
    EXPECT_EQ(seen[1].imageUrl, image2);
    EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Wrong password. Do you want try again?"});
    EXPECT_EQ(MessageBoxSeam::History().at(0).buttons, mbOkCancel);
    ASSERT_EQ(window->Items.RowCount(), 1);
    EXPECT_EQ(Cell(0, 1), "golf balls");
    EXPECT_EQ(Cell(0, 2), "40");
}

TEST_F(GatherKeywords, CancelLeavesTheTableAndSendsNothingMore) {
    window->MainKeyword = "golf";
    const std::string image = images.Url("/img").toStdString();
    server.Route("/?seed=golf" + kTail, Reply::Ok(ImagePage("R1", "S1", image)));
    server.Route("/keyword-suggestion-tool.html?password=a&random=R1&seed=S1", Reply::Ok(ImagePage("R2", "S2", image)));
    server.SetFallback(Reply::Ok(ResultPage(Row("1", "never"))));
    window->Items.AddKeywordRow(1, "kept", "9");

    // Cancel in the dialog: only the first request.
    WhenDialogOpens([](TfrmCaptcha& d) { QTest::mouseClick(d.btnCancel, Qt::LeftButton); });
    Click();
    EXPECT_EQ(server.ConnectionCount(), 1);

    // Cancel in the question after a wrong answer: two requests.
    std::vector<Seen> seen;
    WhenDialogOpens(Answer("a", seen));
    MessageBoxSeam::SetNextAnswer(mrCancel);
    Click();
    EXPECT_EQ(server.ConnectionCount(), 3);
    EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Wrong password. Do you want try again?"});

    ASSERT_EQ(window->Items.RowCount(), 1);
    EXPECT_EQ(Cell(0, 1), "kept");
    // The image came over the view's own connection, never the fetcher's.
    for (const auto& target : server.Targets())
        EXPECT_EQ(target.find("/img"), std::string::npos) << target;
}

TEST_F(GatherKeywords, WhileClosingTheDialogAnswersCancel) {
    window->MainKeyword = "golf";
    server.Route("/?seed=golf" + kTail, Reply::Ok(ImagePage("R1", "S1", "")));
    ModalGate::SetClosing(true);
    Click();
    EXPECT_EQ(server.ConnectionCount(), 1);
    EXPECT_EQ(window->Items.RowCount(), 0);
}

TEST_F(GatherKeywords, SecondPressDuringTheDownloadIsRefused) {
    window->MainKeyword = "golf";
    server.Route("/?seed=golf" + kTail, Reply::Ok(ResultPage(Row("5", "a"))));
    int pressedDuring = 0;
    server.OnRequest = [&](const std::string&, const std::string&) {
        if (pressedDuring++ == 0) {
            MessageBoxSeam::SetNextAnswer(mrOk);
            Click();
        }
    };
    Click();
    EXPECT_EQ(pressedDuring, 1);
    EXPECT_EQ(server.ConnectionCount(), 1);
    EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Please wait until the current download has finished."});
    EXPECT_EQ(window->Items.RowCount(), 1);
    // The guard is released afterwards.
    Click();
    EXPECT_EQ(server.ConnectionCount(), 2);
    EXPECT_EQ(window->Items.RowCount(), 2);
}

} // namespace
} // namespace tw
