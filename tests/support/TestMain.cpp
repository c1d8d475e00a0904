// The main of every widget test program: a QApplication on the offscreen
// platform, the built-in resources, and the seams set so that no real dialog
// or message box can ever wait for a person.
#include "app/Startup.h"
#include "app/ui/FailureReport.h"
#include "app/ui/FileDialogs.h"
#include "app/ui/MessageBox.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tw::InitBuiltInResources();
    tw::MessageBoxSeam::SetFallback([](const std::string& text, tw::MessageButtons) {
        ADD_FAILURE() << "message box without a queued answer: " << text;
        return static_cast<int>(tw::mrCancel);
    });
    tw::FailureReport::SetPresenter([](const tw::FailureReport::Entry&) {});
    tw::FileDialogSeam::SetStrict(true);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
