#include "app/ui/ModalGate.h"
#include "suggest/FCaptcha.h"
#include "suggest/ImageView.h"
#include "tests/suggest/ImageServer.h"
#include "tests/support/Seams.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace tw {
namespace {

class CaptchaDialog : public test::SeamTest {
protected:
    // Runs the dialog modally, as the gathering does, with a driver that acts
    // on whatever modal dialog is open once the event loop runs.
    int RunModal(TfrmCaptcha& dialog, std::function<void(TfrmCaptcha&)> driver) {
        bool drove = false;
        QTimer::singleShot(0, [&] {
            auto* open = qobject_cast<TfrmCaptcha*>(QApplication::activeModalWidget());
            EXPECT_EQ(open, &dialog);
            if (!open)
                return;
            drove = true;
            open->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(open));
            driver(*open);
        });
        const int result = ModalGate::Exec(dialog);
        EXPECT_TRUE(drove);
        return result;
    }
};

const std::string kPage = "<html><form><input type=\"hidden\" name=\"random\" value=\"R-77\">"
                          "<input type=\"hidden\" name=\"seed\" value=\"golf clubs\">"
                          "Please enter the characters in the image<img src=\"http://127.0.0.1:1/c.php?x=1&amp;y=2\">"
                          "</form></html>";

TEST_F(CaptchaDialog, LayoutAsStored) {
    TfrmCaptcha dialog;
    EXPECT_EQ(dialog.windowTitle(), "Security image");
    EXPECT_EQ(dialog.size(), QSize(382, 257));
    struct Control {
        QWidget* widget;
        const char* name;
        QRect geometry;
    };
    const Control controls[] = {
        {dialog.bsSkinStdLabel2, "bsSkinStdLabel2", {16, 8, 238, 16}},
        {dialog.EmbeddedWB1, "EmbeddedWB1", {16, 32, 345, 137}},
        {dialog.edtPassword, "edtPassword", {16, 182, 345, 18}},
        {dialog.btnOk, "btnOk", {68, 210, 101, 26}},
        {dialog.btnCancel, "btnCancel", {177, 210, 101, 26}},
    };
    for (const auto& c : controls) {
        ASSERT_NE(c.widget, nullptr) << c.name;
        EXPECT_EQ(c.widget->objectName(), c.name);
        EXPECT_EQ(c.widget->geometry(), c.geometry) << c.name;
    }
    EXPECT_EQ(dialog.bsSkinStdLabel2->text(), "Please enter the characters in the image");
    EXPECT_EQ(dialog.bsSkinStdLabel2->textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog.btnOk->text(), "Ok");
    EXPECT_EQ(dialog.btnCancel->text(), "Cancel");
    EXPECT_TRUE(dialog.edtPassword->text().isEmpty());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
}

TEST_F(CaptchaDialog, AnswerFieldHasFocusAndTabGoesInOrder) {
    TfrmCaptcha dialog;
    std::vector<QWidget*> order;
    QWidget* focusAtOpen = nullptr;
    const int result = RunModal(dialog, [&](TfrmCaptcha& d) {
        focusAtOpen = d.focusWidget();
        for (int i = 0; i < 5; ++i) {
            if (!QApplication::focusWidget())
                break;
            order.push_back(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        d.reject();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(focusAtOpen, dialog.edtPassword);
    const std::vector<QWidget*> expected = {dialog.edtPassword, dialog.btnOk, dialog.btnCancel, dialog.EmbeddedWB1,
                                            dialog.edtPassword};
    EXPECT_EQ(order, expected);
}

TEST_F(CaptchaDialog, ShowReadsTheHiddenValuesAndPointsTheView) {
    TfrmCaptcha dialog;
    dialog.PageText = kPage;
    RunModal(dialog, [](TfrmCaptcha& d) { QTest::mouseClick(d.btnCancel, Qt::LeftButton); });
    EXPECT_EQ(dialog.RandomValue, "R-77");
    EXPECT_EQ(dialog.SeedValue, "golf clubs");
    EXPECT_EQ(dialog.ImageUrl, "http://127.0.0.1:1/c.php?x=1&y=2");
    EXPECT_EQ(dialog.EmbeddedWB1->Address(), dialog.ImageUrl);
}

TEST_F(CaptchaDialog, ShowsTheImage) {
    test::ImageServer server;
    const QByteArray png = test::ImageServer::Png(150, 50);
    server.ReplyWith(test::ImageServer::Ok("image/gif", png.size()), png);
    TfrmCaptcha dialog;
    dialog.PageText = "<img src=\"" + server.Url("/c.php?a=1&amp;b=2").toStdString() + "\">";
    RunModal(dialog, [](TfrmCaptcha& d) {
        QSignalSpy settled(d.EmbeddedWB1, &ImageView::loadFinished);
        EXPECT_TRUE(settled.wait(20000));
        d.reject();
    });
    EXPECT_EQ(dialog.EmbeddedWB1->CurrentState(), ImageView::State::Shown);
    EXPECT_EQ(dialog.EmbeddedWB1->pixmap().size(), QSize(150, 50));
}

TEST_F(CaptchaDialog, OkNeedsAnAnswerAndASpaceIsOne) {
    TfrmCaptcha dialog;
    bool openAfterEmptyOk = false;
    MessageBoxSeam::SetNextAnswer(mrOk);
    const int result = RunModal(dialog, [&](TfrmCaptcha& d) {
        QTest::mouseClick(d.btnOk, Qt::LeftButton);
        openAfterEmptyOk = d.isVisible();
        QTest::keyClicks(d.edtPassword, " ");
        QTest::mouseClick(d.btnOk, Qt::LeftButton);
    });
    EXPECT_TRUE(openAfterEmptyOk);
    EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Please enter a password."});
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.edtPassword->text(), " ");
}

TEST_F(CaptchaDialog, CancelCloseAndEscapeAllGiveCancel) {
    const std::function<void(TfrmCaptcha&)> ways[] = {
        [](TfrmCaptcha& d) {
            QTest::keyClicks(d.edtPassword, "abc");
            QTest::mouseClick(d.btnCancel, Qt::LeftButton);
        },
        [](TfrmCaptcha& d) {
            QTest::keyClicks(d.edtPassword, "abc");
            d.close();
        },
        [](TfrmCaptcha& d) { QTest::keyClick(d.edtPassword, Qt::Key_Escape); },
    };
    for (const auto& way : ways) {
        TfrmCaptcha dialog;
        EXPECT_EQ(RunModal(dialog, way), QDialog::Rejected);
    }
    EXPECT_TRUE(MessagesShown().empty());
}

TEST_F(CaptchaDialog, EnterInTheAnswerFieldIsOk) {
    TfrmCaptcha dialog;
    const int result = RunModal(dialog, [](TfrmCaptcha& d) {
        QTest::keyClicks(d.edtPassword, "x7k");
        QTest::keyClick(d.edtPassword, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
}

} // namespace
} // namespace tw
