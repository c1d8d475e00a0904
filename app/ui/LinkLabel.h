#pragma once

#include <QLabel>
#include <functional>
#include <string>

namespace tw {

// A link label: its caption underlined, the hand cursor, the accent colour
// while the mouse is over it. A click (or Space/Enter with the focus) hands
// its address to Opener. Screen readers see a link with a press action.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

    const std::string& Address() const { return address_; }
    void SetAddress(std::string address) { address_ = std::move(address); }
    void SetCaption(const std::string& caption);
    // Opens the address when the label is clicked; the result is not looked at.
    static void SetOpener(std::function<void(const std::string&)> opener);
    void Activate();

signals:
    void captionChanged();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetHover(bool hover);
    std::string address_;
};

// The banner picture: takes the size of its picture and reports clicks.
class BannerImage : public QLabel {
    Q_OBJECT
public:
    explicit BannerImage(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tw
