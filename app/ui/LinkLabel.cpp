#include "app/ui/LinkLabel.h"

#include "app/ui/QtText.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tw {

namespace {
std::function<void(const std::string&)> gOpener;

// A link label reads as a link that can be pressed, not as static text.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(QWidget* w) : QAccessibleWidget(w, QAccessible::Link) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text();
        if (t == QAccessible::Value)
            return ToQ(static_cast<LinkLabel*>(widget())->Address());
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction())
            static_cast<LinkLabel*>(widget())->Activate();
    }
};

class AccessibleBanner : public QAccessibleWidget {
public:
    explicit AccessibleBanner(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction())
            emit static_cast<BannerImage*>(widget())->clicked();
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("tw::LinkLabel"))
        return new AccessibleLink(static_cast<QWidget*>(object));
    if (className == QLatin1String("tw::BannerImage"))
        return new AccessibleBanner(static_cast<QWidget*>(object));
    return nullptr;
}

void InstallFactory() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(Factory);
        installed = true;
    }
}
} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    InstallFactory();
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setProperty("link", true);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    SetHover(false);
}

void LinkLabel::SetCaption(const std::string& caption) {
    setText(ToQ(caption));
    adjustSize();
    emit captionChanged();
}

void LinkLabel::SetOpener(std::function<void(const std::string&)> opener) {
    gOpener = std::move(opener);
}

void LinkLabel::Activate() {
    if (gOpener)
        gOpener(address_);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Activate();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Activate();
    else
        QLabel::keyPressEvent(event);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    SetHover(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    SetHover(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::SetHover(bool hover) {
    // The skin's active colour comes from its style sheet (":hover"); this is
    // the colour where the skin gives none.
    QPalette p = QApplication::palette(this);
    if (hover)
        p.setColor(QPalette::WindowText, QColor(Qt::blue));
    setPalette(p);
}

BannerImage::BannerImage(QWidget* parent) : QLabel(parent) {
    InstallFactory();
    setScaledContents(false);
}

void BannerImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void BannerImage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

} // namespace tw
