#include "app/Startup.h"

#include "app/ui/LinkLabel.h"
#include "app/ui/ScreenCentre.h"
#include "web/core/OpenUrl.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

static void InitQrc() {
    Q_INIT_RESOURCE(tarnwick);
}

namespace tw {

void InitBuiltInResources() {
    InitQrc();
    QApplication::setApplicationName(QStringLiteral("tarnwick"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON.ico")));
    // A link label hands its address to the desktop's "open"; the result is
    // not looked at.
    LinkLabel::SetOpener([](const std::string& address) { ShellOpenAddress(address); });
}

void ShowCentred(QWidget& window) {
    CentreOnScreen(window);
    window.show();
}

} // namespace tw
