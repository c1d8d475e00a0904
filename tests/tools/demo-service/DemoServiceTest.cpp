#include "tools/demo-service/CaptchaImage.h"
#include "tools/demo-service/DemoServer.h"
#include "web/core/MarkerScanner.h"

#include <QImage>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace tw::demo {
namespace {

struct Response {
    int status = 0;
    std::string head;
    std::string body;
    bool closed = false;
};

class DemoServiceTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.Listen(0)) << server.ErrorText().toStdString(); }

    // Sends raw bytes and reads until the server closes the connection.
    Response Send(const std::string& bytes) {
        QTcpSocket socket;
        QByteArray received;
        bool closed = false;
        QObject::connect(&socket, &QTcpSocket::readyRead, [&] { received += socket.readAll(); });
        QObject::connect(&socket, &QTcpSocket::disconnected, [&] { closed = true; });
        socket.connectToHost(QHostAddress::LocalHost, server.Port());
        socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
        (void)QTest::qWaitFor([&] { return closed; }, 5000);
        received += socket.readAll();
        Response r;
        r.closed = closed;
        const std::string all = received.toStdString();
        const auto split = all.find("\r\n\r\n");
        r.head = all.substr(0, split);
        r.body = split == std::string::npos ? std::string() : all.substr(split + 4);
        if (all.rfind("HTTP/1.1 ", 0) == 0)
            r.status = std::stoi(all.substr(9, 3));
        return r;
    }

    // A request as the program sends it.
    Response Get(const std::string& target) {
        const std::string host = "127.0.0.1:" + std::to_string(server.Port());
        return Send("GET " + target + " HTTP/1.1\r\nContent-Type: text/html\r\nHost: " + host +
                    "\r\nAccept: text/html, */*\r\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n\r\n");
    }

    std::string Origin() const { return "http://127.0.0.1:" + std::to_string(server.Port()); }

    DemoServer server;
};

struct ImagePage {
    std::string random, seed, imageUrl;
};

// Reads the page in the order and with the markers the security image dialog uses.
ImagePage ReadImagePage(const std::string& page) {
    ScanText scan(page);
    ImagePage p;
    p.random = ExtractBetween(scan, "<input type=\"hidden\" name=\"random\" value=\"", "\"");
    p.seed = ExtractBetween(scan, "<input type=\"hidden\" name=\"seed\" value=\"", "\"");
    p.imageUrl = ExtractBetween(scan, "src=\"", "\"");
    for (std::size_t at; (at = p.imageUrl.find("&amp;")) != std::string::npos;)
        p.imageUrl.replace(at, 5, "&");
    return p;
}

struct Row {
    std::string count, phrase;
};

// The result table as the suggestion gathering reads it.
std::vector<Row> ReadSuggestions(const std::string& page) {
    std::vector<Row> rows;
    if (page.find("</tfoot>") == std::string::npos)
        return rows;
    ScanText scan(page);
    ExtractBetween(scan, "</tfoot>", ">");
    for (std::string count = ExtractBetween(scan, "<tr><td>", "</td>"); !count.empty() && rows.size() < 1000;
         count = ExtractBetween(scan, "<tr><td>", "</td>"))
        rows.push_back({count, ExtractBetween(scan, "\">", "</a>")});
    return rows;
}

long long Number(std::string text) {
    std::erase(text, ',');
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoll(text);
}

constexpr const char* kPhrase = "Please enter the characters in the image";

TEST_F(DemoServiceTest, SuggestionRequestGivesSecurityImagePage) {
    const Response r = Get("/?seed=golf+clubs&adult_filter=remove_offensive&suggest=Hit+Me");
    EXPECT_EQ(r.status, 200);
    EXPECT_NE(r.head.find("Content-Length: " + std::to_string(r.body.size()) + "\r\n"), std::string::npos) << r.head;
    EXPECT_NE(r.body.find(kPhrase), std::string::npos);
    const ImagePage page = ReadImagePage(r.body);
    EXPECT_EQ(page.random.size(), 16u);
    EXPECT_EQ(page.seed, "golf+clubs");
    EXPECT_EQ(page.imageUrl, Origin() + "/captcha.png?random=" + page.random + "&seed=golf+clubs");

    // Every page carries a new random value.
    EXPECT_NE(ReadImagePage(Get("/?seed=golf+clubs&adult_filter=remove_offensive&suggest=Hit+Me").body).random,
              page.random);
}

TEST_F(DemoServiceTest, SecurityImageIsAPicture) {
    const ImagePage page = ReadImagePage(Get("/?seed=golf&adult_filter=remove_offensive&suggest=Hit+Me").body);
    ASSERT_EQ(page.imageUrl.rfind(Origin(), 0), 0u) << page.imageUrl;
    const Response r = Get(page.imageUrl.substr(Origin().size()));
    EXPECT_EQ(r.status, 200);
    EXPECT_NE(r.head.find("Content-Type: image/png"), std::string::npos);
    QImage image;
    ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(r.body.data()), static_cast<int>(r.body.size())));
    EXPECT_EQ(image.size(), QSize(kImageWidth, kImageHeight));
    // Dark strokes of the characters on a light background.
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    EXPECT_GT(dark, 300);
    // The same address draws the same picture, so the browser view may reload it.
    EXPECT_EQ(Get(page.imageUrl.substr(Origin().size())).body, r.body);
}

TEST_F(DemoServiceTest, RightAnswerGivesSuggestionTable) {
    // The seed comes back as the hidden field held it, whatever it contains.
    const std::string seeds[] = {"golf+clubs", "golf%20clubs", "rock+%26+roll+%22live%22", "caf\xc3\xa9"};
    for (const std::string& sent : seeds) {
        SCOPED_TRACE(sent);
        const ImagePage page =
            ReadImagePage(Get("/?seed=" + sent + "&adult_filter=remove_offensive&suggest=Hit+Me").body);
        ASSERT_FALSE(page.seed.empty());
        std::string answer = server.Site().AnswerFor(page.random, FormDecode(page.seed));
        ASSERT_EQ(answer.size(), 5u);
        // Typed in small letters: still right.
        for (char& c : answer)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const Response r =
            Get("/keyword-suggestion-tool.html?password=" + answer + "&random=" + page.random + "&seed=" + page.seed);
        EXPECT_EQ(r.status, 200);
        EXPECT_EQ(r.body.find(kPhrase), std::string::npos);
        const std::vector<Row> rows = ReadSuggestions(r.body);
        ASSERT_GE(rows.size(), 10u);
        long long previous = -1;
        std::set<std::string> phrases;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const long long count = Number(rows[i].count);
            EXPECT_GT(count, 0) << rows[i].count;
            EXPECT_LE(count, 2147483647LL);
            if (i > 1) { // most searched first, after the seed itself
                EXPECT_LE(count, previous);
            }
            previous = count;
            EXPECT_TRUE(phrases.insert(rows[i].phrase).second) << rows[i].phrase;
        }
        if (sent.find("golf") != std::string::npos) {
            EXPECT_EQ(rows[0].phrase, "golf clubs");
            for (const Row& row : rows) {
                EXPECT_TRUE(row.phrase.find("golf") != std::string::npos ||
                            row.phrase.find("clubs") != std::string::npos)
                    << row.phrase;
            }
        }
        if (sent.find("%26") != std::string::npos) { // markup in a phrase cannot end the link early
            EXPECT_EQ(rows[0].phrase, "rock &amp; roll &quot;live&quot;");
        }
    }
}

TEST_F(DemoServiceTest, SameSeedGivesSameSuggestions) {
    const auto table = [&](const std::string& seed) {
        const ImagePage page =
            ReadImagePage(Get("/?seed=" + seed + "&adult_filter=remove_offensive&suggest=Hit+Me").body);
        const std::string answer = server.Site().AnswerFor(page.random, FormDecode(page.seed));
        const auto rows = ReadSuggestions(
            Get("/keyword-suggestion-tool.html?password=" + answer + "&random=" + page.random + "&seed=" + page.seed)
                .body);
        std::vector<std::string> out;
        for (const auto& row : rows)
            out.push_back(row.count + " " + row.phrase);
        return out;
    };
    const auto first = table("golf+clubs");
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(table("golf+clubs"), first);
    // A space the client did not escape reaches the service as well.
    EXPECT_EQ(table("golf clubs"), first);
    EXPECT_NE(table("tennis+rackets"), first);
}

TEST_F(DemoServiceTest, WrongAnswerGivesNewImage) {
    const ImagePage page = ReadImagePage(Get("/?seed=golf&adult_filter=remove_offensive&suggest=Hit+Me").body);
    const std::string right = server.Site().AnswerFor(page.random, "golf");
    const std::string wrongs[] = {"password=" + right + "X&random=" + page.random + "&seed=golf",
                                  "password=%20&random=" + page.random + "&seed=golf",
                                  "password=" + right + "&random=" + page.random + "&seed=tennis",
                                  "random=" + page.random + "&seed=golf"};
    for (const std::string& query : wrongs) {
        SCOPED_TRACE(query);
        const Response r = Get("/keyword-suggestion-tool.html?" + query);
        EXPECT_EQ(r.status, 200);
        EXPECT_NE(r.body.find(kPhrase), std::string::npos);
        EXPECT_TRUE(ReadSuggestions(r.body).empty());
        const ImagePage next = ReadImagePage(r.body);
        EXPECT_EQ(next.random.size(), 16u);
        EXPECT_NE(next.random, page.random);
    }
}

struct EngineCase {
    const char* name;
    const char* prefix;
    const char* positionStart; // empty: no positioning cut
    const char* positionEnd;
    const char* valueStart;
    const char* valueEnd;
};

const EngineCase kEngines[] = {
    {"Google", "/search?q=", "<font size=-1>Results", "of about <b>", "of about <b>", "</b>"},
    {"Yahoo", "/search?p=", "", "", "<span id=\"infototal\">", "</span>"},
    {"Msn", "/results.aspx?q=", "<span id=\"count\">", " of ", " of ", "</span>"},
};

class EngineTest : public DemoServiceTest {
protected:
    // The count cut out of the page as the result count gathering cuts it.
    std::string Count(const EngineCase& engine, const std::string& tail) {
        const Response r = Get(engine.prefix + tail);
        EXPECT_EQ(r.status, 200);
        ScanText scan(r.body);
        if (*engine.positionStart)
            ExtractBetween(scan, engine.positionStart, engine.positionEnd);
        return ExtractBetween(scan, engine.valueStart, engine.valueEnd);
    }
};

TEST_F(EngineTest, CountsDependOnKeywordAndSearchType) {
    for (const EngineCase& engine : kEngines) {
        SCOPED_TRACE(engine.name);
        const std::string broad = Count(engine, "golf+clubs");
        const std::string precise = Count(engine, "%22golf+clubs%22");
        EXPECT_GT(Number(broad), 0) << broad;
        EXPECT_GT(Number(precise), 0) << precise;
        EXPECT_LT(Number(precise), Number(broad));
        EXPECT_LE(Number(broad), 2147483647LL);
        EXPECT_EQ(Count(engine, "golf+clubs"), broad);
        EXPECT_EQ(Count(engine, "golf%20clubs"), broad);
        EXPECT_NE(Count(engine, "tennis+rackets"), broad);
        // A keyword cut short by "#" keeps only its opening quote: still exact.
        EXPECT_EQ(Count(engine, "%22golf+clubs"), precise);
    }
}

TEST_F(EngineTest, KeywordCannotForgeTheMarkers) {
    for (const EngineCase& engine : kEngines) {
        SCOPED_TRACE(engine.name);
        const std::string forged =
            std::string(engine.positionStart) + " " + engine.valueStart + "999" + engine.valueEnd;
        const std::string count = Count(engine, FormEncode(forged));
        EXPECT_EQ(Number(count), ResultCount(forged, static_cast<Engine>(&engine - kEngines), false)) << count;
    }
}

TEST_F(EngineTest, KeywordWithoutWordsFindsNothing) {
    for (const EngineCase& engine : kEngines) {
        SCOPED_TRACE(engine.name);
        EXPECT_EQ(Count(engine, "%22%22"), "");
        EXPECT_EQ(Count(engine, "+"), "");
    }
}

TEST_F(DemoServiceTest, AffiliateAddressGivesSmallPage) {
    const Response r = Get("/abc");
    EXPECT_EQ(r.status, 200);
    EXPECT_NE(r.body.find("<b>abc</b>"), std::string::npos);
    EXPECT_NE(r.body.find("</html>"), std::string::npos);
    EXPECT_EQ(Get("/").status, 200);
    EXPECT_EQ(Get("/favicon.ico").status, 404);
}

TEST_F(DemoServiceTest, ProtocolErrorsAreAnswered) {
    EXPECT_EQ(Send("POST / HTTP/1.1\r\nHost: x\r\n\r\n").status, 405);
    EXPECT_EQ(Send("nonsense\r\n\r\n").status, 400);
    const Response big = Send("GET /" + std::string(20000, 'a'));
    EXPECT_EQ(big.status, 431);
    EXPECT_TRUE(big.closed);
    const Response head = Send("HEAD /abc HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(head.status, 200);
    EXPECT_TRUE(head.body.empty());
    EXPECT_NE(head.head.find("Content-Length: "), std::string::npos);
    // Bare LF line ends and an absolute target are understood too.
    EXPECT_EQ(Send("GET http://127.0.0.1/abc HTTP/1.0\n\n").status, 200);
}

} // namespace
} // namespace tw::demo
