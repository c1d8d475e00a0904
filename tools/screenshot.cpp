// Writes a picture of the main window as it looks at start: screenshot out.png
#include "app/FMain.h"
#include "app/Startup.h"

#include <QApplication>
#include <QPixmap>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tw::InitBuiltInResources();
    tw::TfrmMain window;
    window.show();
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
