#include "suggest/ImageView.h"

#include "app/ui/QtText.h"

#include <QBuffer>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPixmap>
#include <QUrl>

namespace tw {

namespace {
constexpr int kMaxRedirects = 10;
// Bytes the network layer may hold for us before we read them.
constexpr qint64 kReadBufferBytes = 64 * 1024;
// Decoding may not allocate more than this, whatever the picture claims.
constexpr int kDecodeLimitMB = 64;

bool IsHttp(const QUrl& url) {
    return url.isValid() && url.scheme() == QLatin1String("http") && !url.host().isEmpty();
}
} // namespace

ImageView::ImageView(QWidget* parent) : QLabel(parent), network_(new QNetworkAccessManager(this)) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    network_->setRedirectPolicy(QNetworkRequest::UserVerifiedRedirectPolicy);
    setText(TextOf(state_));
}

ImageView::~ImageView() {
    Drop();
}

QString ImageView::TextOf(State state) {
    switch (state) {
    case State::Empty:
        return QStringLiteral("No security image address was found.");
    case State::Loading:
        return QStringLiteral("Loading the security image...");
    case State::Shown:
        return {};
    case State::NotHttp:
        return QStringLiteral("The security image address is not an http address.");
    case State::Unreachable:
        return QStringLiteral("The security image could not be loaded.");
    case State::TooLarge:
        return QStringLiteral("The security image is too large to be shown.");
    case State::NotPicture:
        return QStringLiteral("The security image address did not return a picture.");
    }
    return {};
}

void ImageView::Navigate(const std::string& address) {
    Drop();
    address_ = address;
    data_.clear();
    if (address.empty()) {
        Finish(State::Empty);
        return;
    }
    const QUrl url(ToQ(address), QUrl::TolerantMode);
    if (!IsHttp(url)) {
        Finish(State::NotHttp);
        return;
    }
    state_ = State::Loading;
    setPixmap({});
    setText(TextOf(state_));

    QNetworkRequest request(url);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setTransferTimeout(kStallTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Tarnwick security image view"));
    reply_ = network_->get(request);
    reply_->setReadBufferSize(kReadBufferBytes);
    QNetworkReply* reply = reply_;
    connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl& target) {
        // Redirects stay on http: never to https, file: or anything else.
        if (reply != reply_)
            return;
        if (IsHttp(target))
            emit reply->redirectAllowed();
        else
            Finish(State::NotHttp);
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        if (reply != reply_)
            return;
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > kMaxBytes)
            Finish(State::TooLarge);
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        if (reply == reply_)
            TakeData();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        if (reply == reply_)
            ReplyFinished();
    });
}

void ImageView::TakeData() {
    // Never read more than one byte beyond the limit.
    const QByteArray chunk = reply_->read(kMaxBytes + 1 - data_.size());
    data_.append(chunk);
    if (data_.size() > kMaxBytes)
        Finish(State::TooLarge);
}

void ImageView::ReplyFinished() {
    switch (reply_->error()) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::InsecureRedirectError:
    case QNetworkReply::ProtocolUnknownError:
        // A redirect the network layer refused by itself.
        Finish(State::NotHttp);
        return;
    default:
        Finish(State::Unreachable);
        return;
    }
    while (reply_ && reply_->bytesAvailable() > 0)
        TakeData();
    if (!reply_)
        return;
    QBuffer buffer(&data_);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kDecodeLimitMB);
    const QImage image = reader.read();
    if (image.isNull()) {
        Finish(State::NotPicture);
        return;
    }
    QPixmap picture = QPixmap::fromImage(image);
    if (picture.width() > width() || picture.height() > height())
        picture = picture.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    setText({});
    setPixmap(picture);
    state_ = State::Shown;
    Drop();
    data_.clear();
    emit loadFinished();
}

void ImageView::Finish(State state) {
    Drop();
    data_.clear();
    state_ = state;
    setPixmap({});
    setText(TextOf(state));
    emit loadFinished();
}

void ImageView::Drop() {
    if (!reply_)
        return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

} // namespace tw
