#include "web/HttpClient.h"

#include "web/core/ReplyFraming.h"
#include "web/core/Request.h"

#include <QEventLoop>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <climits>

namespace tw {

namespace {
int ClampToInt(std::uint64_t n) {
    return n > static_cast<std::uint64_t>(INT_MAX) ? INT_MAX : static_cast<int>(n);
}

QUrl CookieUrl(const HttpTarget& target) {
    const std::string address = target.Address();
    return QUrl::fromEncoded(QByteArray(address.data(), static_cast<qsizetype>(address.size())), QUrl::TolerantMode);
}

QString SocketHost(const std::string& host) {
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        return QString::fromStdString(host.substr(1, host.size() - 2));
    return QString::fromStdString(host);
}
} // namespace

// One request on its own connection, and the framing of its reply. Lives on
// the stack of RunExchange; its nested loop runs until the reply is complete,
// the connection fails or Disconnect cuts it.
class HttpClient::Exchange : public ReplyListener {
public:
    enum class Kind { Unknown, Final, Redirect, Error };

    Exchange(HttpClient& client, const HttpTarget& target, BodySink& sink)
        : client_(client), target_(target), sink_(sink), framer_(*this) {}

    void Run(const std::string& request) {
        socket_ = std::make_unique<QTcpSocket>();
        QTcpSocket* s = socket_.get();
        QObject::connect(s, &QTcpSocket::connected, s, [this, s, request] {
            connectTimer_.stop();
            s->write(request.data(), static_cast<qint64>(request.size()));
        });
        QObject::connect(s, &QTcpSocket::readyRead, s, [this] { Process(); });
        QObject::connect(s, &QTcpSocket::disconnected, s, [this] {
            peerClosed_ = true;
            Process();
        });
        QObject::connect(s, &QTcpSocket::errorOccurred, s, [this, s](QAbstractSocket::SocketError error) {
            if (error == QAbstractSocket::RemoteHostClosedError) {
                peerClosed_ = true;
                Process();
                return;
            }
            if (socketError_.empty())
                socketError_ = s->errorString().toStdString();
            if (!framer_.Finished())
                Finish();
        });
        connectTimer_.setSingleShot(true);
        QObject::connect(&connectTimer_, &QTimer::timeout, s, [this] {
            timedOut_ = true;
            Finish();
        });
        connectTimer_.start(client_.connectTimeoutMs_);
        s->connectToHost(SocketHost(target_.host), static_cast<quint16>(target_.port));
        if (!finished_)
            loop_.exec(QEventLoop::AllEvents);
        Close();
    }

    // Cuts the connection; safe from any handler that runs inside the loop.
    void Cut() {
        cut_ = true;
        Finish();
    }

    void Close() {
        connectTimer_.stop();
        if (socket_) {
            socket_->disconnect();
            socket_->abort();
        }
    }

    // The outcome, once the loop has returned. True for a redirect.
    bool Outcome(HttpTarget& next) {
        if (failure_)
            std::rethrow_exception(failure_);
        if (framer_.CurrentState() == ReplyFramer::State::Done) {
            if (kind_ == Kind::Final)
                return false;
            if (kind_ == Kind::Redirect) {
                next = redirect_;
                return true;
            }
            throw HttpFailure("the server answered with status " + std::to_string(status_));
        }
        if (cut_) {
            // A stop while the final body of announced length, or one read
            // until close, arrives keeps the part that came; any other stop
            // is a failure.
            if (kind_ == Kind::Final && !chunked_)
                return false;
            throw HttpFailure("the connection was closed");
        }
        if (!redirectError_.empty())
            throw HttpFailure(redirectError_);
        if (framer_.CurrentState() == ReplyFramer::State::Failed)
            throw HttpFailure("malformed reply: " + framer_.Error());
        if (timedOut_)
            throw HttpFailure("the connection timed out");
        if (!socketError_.empty())
            throw HttpFailure(socketError_);
        throw HttpFailure("the connection was lost");
    }

    // ReplyListener
    bool OnHead(const ReplyHead& head) override {
        client_.StoreCookies(target_, head);
        if (head.status == 100)
            return true;
        status_ = head.status;
        chunked_ = head.chunked;
        if (head.status >= 200 && head.status < 300) {
            kind_ = Kind::Final;
        } else if (head.status >= 300 && head.status < 400 && head.status != 304) {
            kind_ = Kind::Redirect;
            const auto next = ResolveLocation(target_, head.Field("Location"));
            if (!next) {
                redirectError_ = "a redirect to something other than an http address";
                return false;
            }
            redirect_ = *next;
        } else {
            kind_ = Kind::Error;
        }
        return !client_.stop_;
    }
    bool OnBodyBegin(std::uint64_t announced) override {
        count_ = 0;
        if (client_.OnWorkBegin)
            client_.OnWorkBegin(wmRead, ClampToInt(announced));
        return !client_.stop_;
    }
    bool OnBodyData(const char* data, std::size_t size) override {
        if (kind_ == Kind::Final)
            sink_.Write(data, size);
        count_ += size;
        if (client_.OnWork)
            client_.OnWork(wmRead, ClampToInt(count_));
        return !client_.stop_;
    }
    bool OnBodyEnd() override {
        if (client_.OnWorkEnd)
            client_.OnWorkEnd(wmRead);
        return !client_.stop_;
    }

private:
    void Finish() {
        finished_ = true;
        loop_.quit();
    }

    // Takes in what the socket holds. Not re-entered: a handler that runs
    // inside a progress event may pump events, and bytes or a close that
    // arrive meanwhile are taken in by the outer call.
    void Process() {
        if (processing_) {
            again_ = true;
            return;
        }
        processing_ = true;
        try {
            char buffer[65536];
            do {
                again_ = false;
                while (!finished_ && !framer_.Finished() && socket_->bytesAvailable() > 0) {
                    const qint64 n = socket_->read(buffer, sizeof buffer);
                    if (n <= 0)
                        break;
                    framer_.Feed(std::string_view(buffer, static_cast<std::size_t>(n)));
                }
                if (!finished_ && !framer_.Finished() && peerClosed_ && socket_->bytesAvailable() == 0)
                    framer_.FeedEof();
            } while (again_ && !finished_ && !framer_.Finished());
        } catch (...) {
            failure_ = std::current_exception();
            Finish();
        }
        processing_ = false;
        if (framer_.Finished() || client_.stop_)
            Finish();
    }

    HttpClient& client_;
    const HttpTarget& target_;
    BodySink& sink_;
    ReplyFramer framer_;
    std::unique_ptr<QTcpSocket> socket_;
    QEventLoop loop_;
    QTimer connectTimer_;
    Kind kind_ = Kind::Unknown;
    int status_ = 0;
    bool chunked_ = false;
    HttpTarget redirect_;
    std::string redirectError_;
    std::string socketError_;
    std::uint64_t count_ = 0;
    std::exception_ptr failure_;
    bool finished_ = false;
    bool processing_ = false;
    bool again_ = false;
    bool peerClosed_ = false;
    bool timedOut_ = false;
    bool cut_ = false;
};

HttpClient::HttpClient(QObject* parent) : QObject(parent), cookies_(std::make_unique<QNetworkCookieJar>()) {}
HttpClient::~HttpClient() = default;

void HttpClient::Download(const std::string& address, BodySink& sink) {
    if (running_)
        throw HttpFailure("a download is already under way");
    running_ = true;
    stop_ = false;
    struct Reset {
        HttpClient& c;
        ~Reset() {
            c.running_ = false;
            c.exchange_ = nullptr;
        }
    } reset{*this};

    auto target = ParseHttpAddress(address);
    if (!target)
        throw HttpFailure("not an http address: " + address);
    for (int request = 1;; ++request) {
        if (request > kMaxRequests)
            throw HttpFailure("too many redirects");
        if (stop_)
            throw HttpFailure("the connection was closed");
        if (!RunExchange(*target, sink))
            return;
    }
}

bool HttpClient::RunExchange(HttpTarget& target, BodySink& sink) {
    Exchange exchange(*this, target, sink);
    exchange_ = &exchange;
    struct Clear {
        HttpClient& c;
        ~Clear() { c.exchange_ = nullptr; }
    } clear{*this};
    exchange.Run(BuildRequest(target, CookieHeaderFor(target)));
    HttpTarget next;
    if (!exchange.Outcome(next))
        return false;
    target = next;
    return true;
}

void HttpClient::Disconnect() {
    if (!running_)
        return;
    stop_ = true;
    if (exchange_)
        exchange_->Cut();
}

bool HttpClient::Connected() const {
    return exchange_ != nullptr;
}

void HttpClient::StoreCookies(const HttpTarget& target, const ReplyHead& head) {
    QList<QNetworkCookie> found;
    for (const char* name : {"Set-Cookie", "Set-Cookie2"})
        for (const std::string& value : head.Fields(name))
            found += QNetworkCookie::parseCookies(QByteArray(value.data(), static_cast<qsizetype>(value.size())));
    if (!found.isEmpty())
        cookies_->setCookiesFromUrl(found, CookieUrl(target));
}

std::string HttpClient::CookieHeaderFor(const HttpTarget& target) const {
    std::string header;
    for (const QNetworkCookie& cookie : cookies_->cookiesForUrl(CookieUrl(target))) {
        if (!header.empty())
            header += "; ";
        const QByteArray raw = cookie.toRawForm(QNetworkCookie::NameAndValueOnly);
        header.append(raw.constData(), static_cast<std::size_t>(raw.size()));
    }
    return header;
}

} // namespace tw
