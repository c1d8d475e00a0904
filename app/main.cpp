#include "app/FMain.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tw::InitBuiltInResources();
    tw::TfrmMain window;
    tw::ShowCentred(window);
    return app.exec();
}
