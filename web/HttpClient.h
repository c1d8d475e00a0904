#pragma once

#include <QObject>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

class QEventLoop;
class QNetworkCookieJar;
class QTcpSocket;

namespace tw {

struct HttpTarget;
struct ReplyHead;

// A failure of a download: network, server or reply framing.
class HttpFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum WorkMode { wmRead, wmWrite };

// Where a download writes the final reply's body.
class BodySink {
public:
    virtual ~BodySink() = default;
    virtual void Write(const char* data, std::size_t size) = 0;
    // A redirect or error reply's body must not stay: start again from empty.
    virtual void Discard() = 0;
};

// The blocking HTTP client. A download runs a nested event loop, so the
// window keeps handling events; Disconnect may be called at any moment, also
// from a handler that runs inside that loop.
//
// Every request goes on a new connection that is closed afterwards. Status
// 100 is skipped, 2xx is success, 3xx other than 304 is followed to its
// Location (at most 15 requests; a longer chain is a failure), anything else
// is a failure. Cookies from every reply head are kept in memory for as long
// as the client lives.
class HttpClient : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxRequests = 15;
    static constexpr int kConnectTimeoutMs = 120000;

    explicit HttpClient(QObject* parent = nullptr);
    ~HttpClient() override;

    // GETs address (following redirects) into sink; returns normally after a
    // successful transfer, and after a Disconnect during the final reply's
    // body of announced length or one read until close (the sink then holds
    // the part that arrived). Throws HttpFailure otherwise, also for a
    // Disconnect while connecting, waiting for a head or between chunks.
    void Download(const std::string& address, BodySink& sink);
    void Disconnect();
    bool Connected() const;
    // True while Download runs.
    bool Busy() const { return running_; }

    // Tests shorten the connect time-out.
    void SetConnectTimeoutMs(int ms) { connectTimeoutMs_ = ms; }
    QNetworkCookieJar& Cookies() { return *cookies_; }

    std::function<void(WorkMode, int)> OnWorkBegin;
    std::function<void(WorkMode, int)> OnWork;
    std::function<void(WorkMode)> OnWorkEnd;

private:
    class Exchange;
    // One request and its reply; the next address when it is a redirect.
    bool RunExchange(HttpTarget& target, BodySink& sink);
    void StoreCookies(const HttpTarget& target, const ReplyHead& head);
    std::string CookieHeaderFor(const HttpTarget& target) const;

    std::unique_ptr<QNetworkCookieJar> cookies_;
    Exchange* exchange_ = nullptr;
    bool running_ = false;
    bool stop_ = false;
    int connectTimeoutMs_ = kConnectTimeoutMs;
};

} // namespace tw
