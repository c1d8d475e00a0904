#pragma once

#include <QByteArray>
#include <QLabel>
#include <string>

class QNetworkAccessManager;
class QNetworkReply;

namespace tw {

// Shows the picture that an http address returns, loaded over a connection
// of its own. The address comes from a downloaded page, so only http is ever
// loaded and only a few MB are read; whatever cannot be shown is said in a
// short text in place of the picture.
class ImageView : public QLabel {
    Q_OBJECT
public:
    enum class State { Empty, Loading, Shown, NotHttp, Unreachable, TooLarge, NotPicture };
    static constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
    // A reply that sends nothing for this long is given up.
    static constexpr int kStallTimeoutMs = 30000;

    explicit ImageView(QWidget* parent = nullptr);
    ~ImageView() override;

    // Drops any load under way and loads the address.
    void Navigate(const std::string& address);
    const std::string& Address() const { return address_; }
    State CurrentState() const { return state_; }
    static QString TextOf(State state);

signals:
    // Once per Navigate, when the view shows its picture or its final text.
    void loadFinished();

private:
    void Drop();
    void Finish(State state);
    void TakeData();
    void ReplyFinished();

    QNetworkAccessManager* network_;
    QNetworkReply* reply_ = nullptr;
    QByteArray data_;
    std::string address_;
    State state_ = State::Empty;
};

} // namespace tw
