#pragma once

// A small HTTP server for the image view's tests: one scripted reply for
// every connection, on 127.0.0.1 only.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

namespace tw::test {

class ImageServer : public QObject {
public:
    enum class Mode { Fixed, Endless };

    ImageServer() {
        server_.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                Serve(socket);
        });
    }

    QString Url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }
    void ReplyWith(QByteArray head, QByteArray body) {
        mode_ = Mode::Fixed;
        head_ = std::move(head);
        body_ = std::move(body);
    }
    // Headers without a length, then body bytes for as long as the client reads.
    void ReplyEndlessly() {
        mode_ = Mode::Endless;
        head_ = "HTTP/1.1 200 OK\r\nContent-Type: image/png\r\n\r\n";
    }
    qint64 BytesSent() const { return sent_; }
    int Requests() const { return requests_; }

    static QByteArray Png(int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }
    static QByteArray Ok(const QByteArray& type, qint64 length) {
        return "HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\nContent-Length: " + QByteArray::number(length) +
               "\r\nConnection: close\r\n\r\n";
    }

private:
    void Serve(QTcpSocket* socket) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            request_ += socket->readAll();
            if (!request_.contains("\r\n\r\n") || socket->property("answered").toBool())
                return;
            socket->setProperty("answered", true);
            ++requests_;
            request_.clear();
            socket->write(head_);
            if (mode_ == Mode::Fixed) {
                socket->write(body_);
                socket->disconnectFromHost();
                return;
            }
            const QByteArray chunk(64 * 1024, 'z');
            auto more = [this, socket, chunk] {
                // Keep a little in flight; stop once the client has gone.
                if (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < 256 * 1024) {
                    socket->write(chunk);
                    sent_ += chunk.size();
                }
            };
            connect(socket, &QTcpSocket::bytesWritten, socket, more);
            more();
        });
    }

    QTcpServer server_;
    Mode mode_ = Mode::Fixed;
    QByteArray head_, body_, request_;
    qint64 sent_ = 0;
    int requests_ = 0;
};

} // namespace tw::test
