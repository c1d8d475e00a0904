#include "app/ui/MessageBox.h"
#include "tests/support/Seams.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace tw {
namespace {

// These tests drive the real box, as a person would, instead of the seam.
class RealMessageBoxTest : public test::SeamTest {
protected:
    void SetUp() override {
        SeamTest::SetUp();
        MessageBoxSeam::SetFallback(nullptr);
    }
    void TearDown() override {
        MessageBoxSeam::SetFallback([](const std::string& text, MessageButtons) {
            ADD_FAILURE() << "message box without a queued answer: " << text;
            return static_cast<int>(mrCancel);
        });
        SeamTest::TearDown();
    }
    // Acts on the box once it is shown; checks its face first.
    static void WhenShown(std::function<void(QMessageBox&)> act) {
        QTimer::singleShot(0, [act] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Information");
            EXPECT_EQ(box->icon(), QMessageBox::Information);
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            act(*box);
        });
    }
    static QPushButton* ButtonCalled(QMessageBox& box, const char* text) {
        for (QAbstractButton* b : box.buttons())
            if (b->text() == text)
                return qobject_cast<QPushButton*>(b);
        return nullptr;
    }
};

TEST_F(RealMessageBoxTest, OkAndCancelAnswerOneAndTwo) {
    WhenShown([](QMessageBox& box) {
        EXPECT_EQ(box.text(), "<b>not markup</b>");
        EXPECT_EQ(box.defaultButton(), ButtonCalled(box, "OK"));
        QTest::mouseClick(ButtonCalled(box, "OK"), Qt::LeftButton);
    });
    EXPECT_EQ(ShowMessageBox("<b>not markup</b>", mbOkCancel), mrOk);
    WhenShown([](QMessageBox& box) { QTest::mouseClick(ButtonCalled(box, "Cancel"), Qt::LeftButton); });
    EXPECT_EQ(ShowMessageBox("Sure?", mbOkCancel), mrCancel);
}

TEST_F(RealMessageBoxTest, EscapeAnswersCancelWhereItIsThereAndOkOtherwise) {
    WhenShown([](QMessageBox& box) {
        EXPECT_EQ(box.buttons().size(), 2);
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    EXPECT_EQ(ShowMessageBox("Sure?", mbOkCancel), mrCancel);
    WhenShown([](QMessageBox& box) {
        EXPECT_EQ(box.buttons().size(), 1);
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    EXPECT_EQ(ShowMessageBox("Note.", mbOk), mrOk);
}

TEST_F(RealMessageBoxTest, EnterAnswersTheDefaultOk) {
    WhenShown([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    EXPECT_EQ(ShowMessageBox("Sure?", mbOkCancel), mrOk);
}

TEST(MessageBoxSeamTest, QueuedAnswersAreUsedOnceAndRecorded) {
    MessageBoxSeam::Reset();
    MessageBoxSeam::SetNextAnswer(mrCancel);
    MessageBoxSeam::SetNextAnswer(mrOk);
    EXPECT_EQ(ShowMessageBox("first", mbOkCancel), mrCancel);
    EXPECT_EQ(ShowMessageBox("second", mbOkCancel), mrOk);
    ASSERT_EQ(MessageBoxSeam::History().size(), 2u);
    EXPECT_EQ(MessageBoxSeam::History()[0].text, "first");
    MessageBoxSeam::Reset();
}

} // namespace
} // namespace tw
