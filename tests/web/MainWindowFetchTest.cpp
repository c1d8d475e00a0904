#include "app/FMain.h"
#include "app/core/Paths.h"
#include "app/ui/FailureReport.h"
#include "app/ui/Gauge.h"
#include "tests/support/Seams.h"
#include "tests/support/TestHttpServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace tw::test {
namespace {

class MainWindowFetchTest : public SeamTest {
protected:
    void SetUp() override {
        SeamTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        SetProgramFolderForTesting(folder.path().toStdString());
    }
    void TearDown() override {
        SetProgramFolderForTesting({});
        SeamTest::TearDown();
    }
    // An action as the window's handlers write one: refused while another
    // holds the guard, one download otherwise.
    void DownloadAction(TfrmMain& window, const std::string& address, bool& result, bool& refused) {
        RunHandler("testAction", [&] {
            auto scope = window.NetworkActions.TryBegin();
            if (!scope) {
                refused = true;
                return;
            }
            std::string page;
            result = window.GetPage(address, page);
        });
    }

    QTemporaryDir folder;
    TestHttpServer server;
};

TEST_F(MainWindowFetchTest, GetPageShowsItsWorkInTheStatusBar) {
    TfrmMain window;
    server.Route("/p", Reply::Ok(std::string(300, 'x')));
    std::string page;
    EXPECT_TRUE(window.GetPage(server.Url("/p"), page));
    EXPECT_EQ(window.MainStatusPanel->text().toStdString(), "Process completed sucessfull!");
    EXPECT_EQ(window.MainGauge->MaxValue(), 300);
    EXPECT_EQ(window.MainGauge->Progress(), 300);
}

TEST_F(MainWindowFetchTest, ClosingTheWindowEndsADownloadThatNeverGetsAnAnswer) {
    auto* window = new TfrmMain;
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    server.Route("/never", Reply::Never());
    server.OnRequest = [&](const std::string&, const std::string&) { window->close(); };
    bool result = true;
    bool refused = false;
    DownloadAction(*window, server.Url("/never"), result, refused);
    EXPECT_FALSE(result);
    EXPECT_FALSE(refused);
    EXPECT_TRUE(window->StopRequested);
    EXPECT_EQ(window->MainStatusPanel->text().toStdString(),
              "Connection error, check if you are connected and url exists.");
    // The close that waited for the action now goes through.
    for (int i = 0; i < 50 && window->isVisible(); ++i)
        QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    delete window;
}

TEST_F(MainWindowFetchTest, ASecondDownloadDuringTheFirstIsRefused) {
    TfrmMain window;
    server.Route("/slow", Reply::PartialThenPause(4, "ab").Then("cd"));
    bool innerResult = false;
    bool innerRefused = false;
    server.OnRequest = [&](const std::string& target, const std::string&) {
        if (target != "/slow")
            return;
        QTimer::singleShot(0, &window, [&] {
            DownloadAction(window, server.Url("/other"), innerResult, innerRefused);
            server.Resume();
        });
    };
    bool result = false;
    bool refused = false;
    DownloadAction(window, server.Url("/slow"), result, refused);
    EXPECT_TRUE(result);
    EXPECT_TRUE(innerRefused);
    EXPECT_EQ(server.ConnectionCount(), 1);
    EXPECT_FALSE(window.NetworkActions.Busy());
}

TEST_F(MainWindowFetchTest, AFailureInsideAnActionLeavesTheNextActionFree) {
    TfrmMain window;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("test.html")));
    bool result = true;
    bool refused = false;
    DownloadAction(window, server.Url("/"), result, refused);
    ASSERT_EQ(FailureReport::Entries().size(), 1u) << "the download file failure reaches the report";
    EXPECT_NE(FailureReport::Entries()[0].what.find("test.html"), std::string::npos);
    EXPECT_FALSE(window.StopRequested);
    EXPECT_FALSE(window.NetworkActions.Busy());

    ASSERT_TRUE(QDir(folder.path()).rmdir(QStringLiteral("test.html")));
    server.Route("/", Reply::Ok("ok"));
    DownloadAction(window, server.Url("/"), result, refused);
    EXPECT_FALSE(refused);
    EXPECT_TRUE(result);
}

} // namespace
} // namespace tw::test
