#pragma once

#include "tools/demo-service/DemoSite.h"

#include <QObject>
#include <QTcpServer>

class QTcpSocket;

namespace tw::demo {

// HTTP/1.1 on 127.0.0.1 for the demo pages: one request per connection,
// answered with a Content-Length and closed.
class DemoServer : public QObject {
    Q_OBJECT
public:
    explicit DemoServer(QObject* parent = nullptr);

    // port 0 takes a free port; Port() tells which.
    bool Listen(quint16 port);
    quint16 Port() const { return server_.serverPort(); }
    QString ErrorText() const { return server_.errorString(); }

    DemoSite& Site() { return site_; }
    // Writes every request, and the answer of every security image, to stderr.
    void SetVerbose(bool verbose) { verbose_ = verbose; }

private:
    void Accept();
    void Serve(QTcpSocket* socket, const QByteArray& head);

    QTcpServer server_;
    DemoSite site_;
    bool verbose_ = false;
};

} // namespace tw::demo
