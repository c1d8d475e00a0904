#include "tools/demo-service/DemoServer.h"

#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace tw::demo {

namespace {
constexpr qsizetype kMaxHead = 16 * 1024;
constexpr int kIdleMilliseconds = 30000;

const char* StatusText(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 431:
        return "Request Header Fields Too Large";
    default:
        return "Internal Server Error";
    }
}

QByteArray Frame(const Reply& reply, bool withBody) {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + StatusText(reply.status) + "\r\n";
    out += "Server: tarnwick-demo\r\n";
    out += "Content-Type: " + QByteArray::fromStdString(reply.contentType) + "\r\n";
    out += "Content-Length: " + QByteArray::number(static_cast<qsizetype>(reply.body.size())) + "\r\n";
    out += "Cache-Control: no-store\r\nConnection: close\r\n\r\n";
    if (withBody)
        out += QByteArray::fromStdString(reply.body);
    return out;
}

Reply Plain(int status, const char* text) {
    Reply r;
    r.status = status;
    r.contentType = "text/plain; charset=utf-8";
    r.body = std::string(text) + "\r\n";
    return r;
}

// "GET /path?query HTTP/1.1": the target is everything between the method
// and the protocol, so that a space the client did not escape stays in it.
bool SplitRequestLine(const QByteArray& line, QByteArray& method, QByteArray& target) {
    const qsizetype first = line.indexOf(' ');
    const qsizetype protocol = line.lastIndexOf(" HTTP/");
    if (first <= 0 || protocol <= first)
        return false;
    method = line.left(first);
    target = line.mid(first + 1, protocol - first - 1);
    if (target.startsWith("http://")) { // absolute form, as sent to a proxy
        const qsizetype slash = target.indexOf('/', 7);
        target = slash < 0 ? QByteArray("/") : target.mid(slash);
    }
    return !target.isEmpty();
}
} // namespace

DemoServer::DemoServer(QObject* parent)
    : QObject(parent), site_(QRandomGenerator::system()->generate64(), QRandomGenerator::system()->generate64()) {
    connect(&server_, &QTcpServer::newConnection, this, &DemoServer::Accept);
}

bool DemoServer::Listen(quint16 port) {
    if (!server_.listen(QHostAddress::LocalHost, port))
        return false;
    site_.SetOrigin("http://127.0.0.1:" + std::to_string(server_.serverPort()));
    return true;
}

void DemoServer::Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        connect(idle, &QTimer::timeout, socket, &QTcpSocket::abort);
        idle->start(kIdleMilliseconds);
        auto received = std::make_shared<QByteArray>();
        auto done = std::make_shared<bool>(false);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, received, done] {
            if (*done) { // one request per connection; ignore what follows
                socket->readAll();
                return;
            }
            received->append(socket->readAll());
            qsizetype end = received->indexOf("\r\n\r\n");
            if (end < 0)
                end = received->indexOf("\n\n");
            if (end < 0 && received->size() > kMaxHead) {
                *done = true;
                socket->write(Frame(Plain(431, "Request head too large"), true));
                socket->disconnectFromHost();
                return;
            }
            if (end < 0)
                return;
            *done = true;
            Serve(socket, received->left(end));
        });
    }
}

void DemoServer::Serve(QTcpSocket* socket, const QByteArray& head) {
    const qsizetype lineEnd = head.indexOf('\n');
    QByteArray line = lineEnd < 0 ? head : head.left(lineEnd);
    if (line.endsWith('\r'))
        line.chop(1);
    QByteArray method, target;
    Reply reply;
    if (!SplitRequestLine(line, method, target))
        reply = Plain(400, "Bad request");
    else if (method != "GET" && method != "HEAD")
        reply = Plain(405, "Only GET and HEAD are served here");
    else
        reply = site_.Handle(target.toStdString());

    if (verbose_) {
        std::fprintf(stderr, "demo-service: %d %s\n", reply.status, line.constData());
        if (reply.body.find("Please enter the characters in the image") != std::string::npos)
            std::fprintf(stderr, "demo-service: the security image shows %s\n", site_.LastAnswer().c_str());
        std::fflush(stderr);
    }
    socket->write(Frame(reply, method != "HEAD"));
    socket->disconnectFromHost();
}

} // namespace tw::demo
