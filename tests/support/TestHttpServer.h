#pragma once

// An in-process HTTP server for network tests. It listens on a loopback
// address (127.0.0.1 by default, 127.0.0.2 for a second host) at a port of
// its own, records the raw bytes received on every connection, and answers
// each request with a scripted reply. It runs on the test's thread: the
// client's nested event loop drives it.
//
//   TestHttpServer server;                       // 127.0.0.1, any port
//   server.Route("/a?q=1", Reply::Ok("<b>7</b>"));
//   server.SetFallback(Reply::Status(404, "Not Found"));  // the default
//   fetcher.GetPage(server.Url("/a?q=1"), page);
//   server.Requests()[0];                        // raw bytes, connection 1
//
// A reply is a list of steps: send bytes, pause (the connection stays open
// and silent until Resume() or the server's end), close. A reply without a
// pause closes the connection after its last step. Routes match the request
// target (path and query) exactly; otherwise the fallback answers.

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QTcpSocket;

namespace tw::test {

struct Reply {
    struct Step {
        enum Kind { Send, Pause, Close } kind = Send;
        std::string bytes;
    };
    std::vector<Step> steps;

    Reply& Then(std::string bytes) {
        steps.push_back({Step::Send, std::move(bytes)});
        return *this;
    }
    Reply& ThenPause() {
        steps.push_back({Step::Pause, {}});
        return *this;
    }
    Reply& ThenClose() {
        steps.push_back({Step::Close, {}});
        return *this;
    }

    // Exactly these bytes, then close.
    static Reply Raw(std::string bytes);
    // A status with a Content-Length body; extraHeaders are full lines, each
    // ending in CR LF.
    static Reply Status(int status, const std::string& reason, const std::string& body = {},
                        const std::string& extraHeaders = {});
    static Reply Ok(const std::string& body, const std::string& extraHeaders = {});
    // A body without a length, ended by the server closing the connection.
    static Reply CloseDelimited(const std::string& body, const std::string& extraHeaders = {});
    // A chunked body, one chunk per element.
    static Reply Chunked(const std::vector<std::string>& chunks, const std::string& extraHeaders = {});
    static Reply Redirect(const std::string& location, int status = 302);
    // Reads the request and never answers.
    static Reply Never();
    // A head announcing announcedLength, the first part of the body, then
    // silence until Resume().
    static Reply PartialThenPause(std::size_t announcedLength, const std::string& part);
};

class TestHttpServer : public QObject {
    Q_OBJECT
public:
    explicit TestHttpServer(const QHostAddress& address = QHostAddress(QStringLiteral("127.0.0.1")));
    ~TestHttpServer() override;

    quint16 Port() const;
    // "127.0.0.1:port".
    std::string HostPort() const;
    // "http://127.0.0.1:port" + pathAndQuery.
    std::string Url(const std::string& pathAndQuery) const;

    void Route(const std::string& target, Reply reply);
    void SetFallback(Reply reply);
    // Called with each complete request head (the target and its raw bytes),
    // before the reply is looked up.
    std::function<void(const std::string& target, const std::string& raw)> OnRequest;

    // The raw bytes received on each connection, in the order of accepting.
    const std::vector<std::string>& Requests() const { return requests_; }
    // The targets of the requests, in order.
    const std::vector<std::string>& Targets() const { return targets_; }
    int ConnectionCount() const { return static_cast<int>(requests_.size()); }

    // Sends the rest of every paused reply.
    void Resume();
    // Closes every open connection at once.
    void CloseAll();

private:
    struct Connection {
        QTcpSocket* socket = nullptr;
        std::size_t index = 0;
        bool answered = false;
        Reply reply;
        std::size_t nextStep = 0;
    };
    void OnNewConnection();
    void OnReadyRead(Connection* c);
    void Continue(Connection* c);

    QTcpServer server_;
    std::map<std::string, Reply> routes_;
    Reply fallback_;
    std::vector<std::string> requests_;
    std::vector<std::string> targets_;
    std::vector<std::unique_ptr<Connection>> connections_;
};

} // namespace tw::test
