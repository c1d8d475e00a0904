#include "tests/support/TestHttpServer.h"

#include <QTcpSocket>
#include <stdexcept>

namespace tw::test {

namespace {
std::string Head(int status, const std::string& reason, const std::string& headers) {
    return "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\n" + headers + "\r\n";
}
} // namespace

Reply Reply::Raw(std::string bytes) {
    Reply r;
    return r.Then(std::move(bytes));
}

Reply Reply::Status(int status, const std::string& reason, const std::string& body, const std::string& extraHeaders) {
    return Raw(Head(status, reason, "Content-Length: " + std::to_string(body.size()) + "\r\n" + extraHeaders) + body);
}

Reply Reply::Ok(const std::string& body, const std::string& extraHeaders) {
    return Status(200, "OK", body, extraHeaders);
}

Reply Reply::CloseDelimited(const std::string& body, const std::string& extraHeaders) {
    return Raw(Head(200, "OK", extraHeaders) + body);
}

Reply Reply::Chunked(const std::vector<std::string>& chunks, const std::string& extraHeaders) {
    Reply r;
    r.Then(Head(200, "OK", "Transfer-Encoding: chunked\r\n" + extraHeaders));
    char size[32];
    for (const std::string& chunk : chunks) {
        std::snprintf(size, sizeof size, "%zx\r\n", chunk.size());
        r.Then(size + chunk + "\r\n");
    }
    return r.Then("0\r\n\r\n");
}

Reply Reply::Redirect(const std::string& location, int status) {
    return Status(status, "Found", {}, "Location: " + location + "\r\n");
}

Reply Reply::Never() {
    Reply r;
    return r.ThenPause();
}

Reply Reply::PartialThenPause(std::size_t announcedLength, const std::string& part) {
    Reply r;
    r.Then(Head(200, "OK", "Content-Length: " + std::to_string(announcedLength) + "\r\n") + part);
    return r.ThenPause();
}

TestHttpServer::TestHttpServer(const QHostAddress& address) : fallback_(Reply::Status(404, "Not Found")) {
    if (!server_.listen(address, 0))
        throw std::runtime_error("test server cannot listen on " + address.toString().toStdString());
    connect(&server_, &QTcpServer::newConnection, this, &TestHttpServer::OnNewConnection);
}

TestHttpServer::~TestHttpServer() {
    for (auto& c : connections_) {
        if (c->socket) {
            c->socket->disconnect(this);
            c->socket->abort();
            delete c->socket;
            c->socket = nullptr;
        }
    }
}

quint16 TestHttpServer::Port() const {
    return server_.serverPort();
}

std::string TestHttpServer::HostPort() const {
    return server_.serverAddress().toString().toStdString() + ":" + std::to_string(Port());
}

std::string TestHttpServer::Url(const std::string& pathAndQuery) const {
    return "http://" + HostPort() + pathAndQuery;
}

void TestHttpServer::Route(const std::string& target, Reply reply) {
    routes_[target] = std::move(reply);
}

void TestHttpServer::SetFallback(Reply reply) {
    fallback_ = std::move(reply);
}

void TestHttpServer::OnNewConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        auto c = std::make_unique<Connection>();
        c->socket = socket;
        c->index = requests_.size();
        requests_.emplace_back();
        Connection* raw = c.get();
        connections_.push_back(std::move(c));
        connect(socket, &QTcpSocket::readyRead, this, [this, raw] { OnReadyRead(raw); });
        connect(socket, &QTcpSocket::disconnected, this, [raw] {
            raw->socket->deleteLater();
            raw->socket = nullptr;
        });
        OnReadyRead(raw);
    }
}

void TestHttpServer::OnReadyRead(Connection* c) {
    if (!c->socket)
        return;
    const QByteArray bytes = c->socket->readAll();
    std::string& raw = requests_[c->index];
    raw.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (c->answered || raw.find("\r\n\r\n") == std::string::npos)
        return;
    c->answered = true;
    const std::size_t sp1 = raw.find(' ');
    const std::size_t sp2 = sp1 == std::string::npos ? sp1 : raw.find(' ', sp1 + 1);
    const std::string target = sp2 == std::string::npos ? std::string() : raw.substr(sp1 + 1, sp2 - sp1 - 1);
    targets_.push_back(target);
    if (OnRequest)
        OnRequest(target, raw);
    const auto route = routes_.find(target);
    c->reply = route != routes_.end() ? route->second : fallback_;
    Continue(c);
}

void TestHttpServer::Continue(Connection* c) {
    while (c->socket && c->nextStep < c->reply.steps.size()) {
        const Reply::Step& step = c->reply.steps[c->nextStep++];
        if (step.kind == Reply::Step::Pause)
            return;
        if (step.kind == Reply::Step::Close)
            break;
        c->socket->write(step.bytes.data(), static_cast<qint64>(step.bytes.size()));
    }
    if (c->socket)
        c->socket->disconnectFromHost();
}

void TestHttpServer::Resume() {
    for (auto& c : connections_)
        if (c->answered && c->socket && c->nextStep > 0 && c->nextStep <= c->reply.steps.size() &&
            c->reply.steps[c->nextStep - 1].kind == Reply::Step::Pause)
            Continue(c.get());
}

void TestHttpServer::CloseAll() {
    for (auto& c : connections_)
        if (c->socket)
            c->socket->abort();
}

} // namespace tw::test
