#include "app/Startup.h"

#include "app/ui/ScreenCentre.h"

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
}

void ShowCentred(QWidget& window) {
    CentreOnScreen(window);
    window.show();
}

} // namespace tw
