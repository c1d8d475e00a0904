#include "suggest/ImageView.h"
#include "tests/suggest/ImageServer.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace tw {

void PrintTo(ImageView::State state, std::ostream* out) {
    *out << ImageView::TextOf(state).toStdString() << " (" << static_cast<int>(state) << ")";
}

namespace {

using State = ImageView::State;
using test::ImageServer;

// Navigates and waits (bounded) for the view to settle.
State Load(ImageView& view, const std::string& address) {
    QSignalSpy settled(&view, &ImageView::loadFinished);
    view.Navigate(address);
    if (settled.isEmpty()) {
        EXPECT_TRUE(settled.wait(20000)) << address;
    }
    EXPECT_EQ(settled.size(), 1) << address;
    return view.CurrentState();
}

TEST(ImageView, ShowsThePictureAnHttpAddressReturns) {
    ImageServer server;
    const QByteArray png = ImageServer::Png(120, 40);
    server.ReplyWith(ImageServer::Ok("image/png", png.size()), png);
    ImageView view;
    view.resize(345, 137);
    EXPECT_EQ(Load(view, server.Url("/captcha.php?a=1&b=2").toStdString()), State::Shown);
    EXPECT_EQ(view.pixmap().size(), QSize(120, 40));
    EXPECT_TRUE(view.text().isEmpty());
}

TEST(ImageView, RefusesEveryAddressButHttpWithoutLoading) {
    const char* addresses[] = {"file:///dev/zero",
                               "FILE:///etc/passwd",
                               "qrc:/banner.gif",
                               "data:image/png;base64,AAAA",
                               "https://127.0.0.1/x.png",
                               "ftp://127.0.0.1/x",
                               "/captcha.php",
                               "http://",
                               "javascript:1"};
    for (const char* address : addresses) {
        ImageView view;
        EXPECT_EQ(Load(view, address), State::NotHttp) << address;
        EXPECT_EQ(view.text(), ImageView::TextOf(State::NotHttp)) << address;
        EXPECT_TRUE(view.pixmap().isNull()) << address;
    }
    ImageView view;
    EXPECT_EQ(Load(view, ""), State::Empty);
    EXPECT_FALSE(view.text().isEmpty());
}

TEST(ImageView, SaysWhatWentWrong) {
    struct Case {
        const char* name;
        QByteArray head, body;
        State expected;
    };
    const QByteArray html = "<html>Not here</html>";
    const Case cases[] = {
        {"not a picture", ImageServer::Ok("text/html", html.size()), html, State::NotPicture},
        {"404", "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n", {}, State::Unreachable},
        {"announced beyond the limit", ImageServer::Ok("image/png", 1000LL * 1000 * 1000), "x", State::TooLarge},
        {"redirect to a file",
         "HTTP/1.1 302 Found\r\nLocation: file:///dev/zero\r\nContent-Length: 0\r\n\r\n",
         {},
         State::NotHttp},
        {"redirect to https",
         "HTTP/1.1 302 Found\r\nLocation: https://127.0.0.1:1/x.png\r\nContent-Length: 0\r\n\r\n",
         {},
         State::NotHttp},
    };
    for (const auto& c : cases) {
        ImageServer server;
        server.ReplyWith(c.head, c.body);
        ImageView view;
        EXPECT_EQ(Load(view, server.Url("/i").toStdString()), c.expected) << c.name;
        EXPECT_EQ(view.text(), ImageView::TextOf(c.expected)) << c.name;
    }
}

TEST(ImageView, UnreachableAddress) {
    quint16 port;
    {
        QTcpServer closed;
        closed.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0);
        port = closed.serverPort();
    }
    ImageView view;
    EXPECT_EQ(Load(view, "http://127.0.0.1:" + std::to_string(port) + "/x.png"), State::Unreachable);
}

TEST(ImageView, ReplyThatNeverEndsIsCutAtTheLimit) {
    ImageServer server;
    server.ReplyEndlessly();
    ImageView view;
    EXPECT_EQ(Load(view, server.Url("/endless").toStdString()), State::TooLarge);
    // The transfer stopped near the limit instead of running on.
    EXPECT_LT(server.BytesSent(), 64LL * 1024 * 1024);
    EXPECT_GT(server.BytesSent(), ImageView::kMaxBytes / 2);
}

TEST(ImageView, RedirectOnHttpIsFollowed) {
    ImageServer target;
    const QByteArray png = ImageServer::Png(8, 8);
    target.ReplyWith(ImageServer::Ok("image/png", png.size()), png);
    ImageServer first;
    first.ReplyWith("HTTP/1.1 302 Found\r\nLocation: " + target.Url("/real.png").toUtf8() +
                        "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n",
                    {});
    ImageView view;
    EXPECT_EQ(Load(view, first.Url("/moved").toStdString()), State::Shown);
    EXPECT_EQ(target.Requests(), 1);
}

TEST(ImageView, NewAddressDropsTheLoadUnderWay) {
    ImageServer endless;
    endless.ReplyEndlessly();
    ImageView view;
    view.Navigate(endless.Url("/endless").toStdString());
    EXPECT_EQ(view.CurrentState(), State::Loading);
    EXPECT_EQ(Load(view, "file:///dev/zero"), State::NotHttp);
}

} // namespace
} // namespace tw
