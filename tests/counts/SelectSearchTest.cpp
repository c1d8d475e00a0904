#include "app/FMain.h"
#include "counts/FSelectSearch.h"
#include "tests/support/Seams.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace tw {
namespace {

class SelectSearchTest : public test::SeamTest {};

TEST_F(SelectSearchTest, LayoutMatchesTheStoredForm) {
    TfrmSelSearch dialog;
    EXPECT_EQ(frmSelSearch, &dialog);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Select Search Type");
    EXPECT_EQ(dialog.size(), QSize(480, 114));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));

    struct Control {
        const char* name;
        QRect geometry;
        std::string text;
    };
    const Control controls[] = {
        {"btnOk", {161, 75, 81, 21}, "Ok"},
        {"btnCancel", {251, 75, 82, 21}, "Cancel"},
        {"bsSkinCheckRadioBox1",
         {11, 15, 397, 20},
         "Precise Search Eg: \"golf clubs\" Should appear the word in the same order."},
        {"bsSkinCheckRadioBox2",
         {11, 41, 446, 20},
         "Broad Search Eg: golf clubs, any word no matther the order or position in the text."},
    };
    for (const auto& c : controls) {
        auto* button = dialog.findChild<QAbstractButton*>(c.name);
        ASSERT_NE(button, nullptr) << c.name;
        EXPECT_EQ(button->geometry(), c.geometry) << c.name;
        EXPECT_EQ(button->text().toStdString(), c.text) << c.name;
    }
    EXPECT_TRUE(dialog.bsSkinCheckRadioBox1->isChecked());
    EXPECT_FALSE(dialog.bsSkinCheckRadioBox2->isChecked());
}

TEST_F(SelectSearchTest, UnderTheBuiltInSkinBothCaptionsShowWhole) {
    TfrmMain main; // applies the built-in skin to every window
    TfrmSelSearch dialog;
    dialog.show();
    QApplication::processEvents();
    for (QCheckBox* box : {dialog.bsSkinCheckRadioBox1, dialog.bsSkinCheckRadioBox2}) {
        EXPECT_LE(box->sizeHint().width(), box->width()) << box->objectName().toStdString();
    }
}

TEST_F(SelectSearchTest, TabOrderRunsFromOkToTheSecondBox) {
    TfrmSelSearch dialog;
    std::vector<std::string> order;
    QWidget* w = dialog.btnOk;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order.push_back(w->objectName().toStdString());
        w = w->nextInFocusChain();
    } while (w != dialog.btnOk);
    EXPECT_EQ(order, (std::vector<std::string>{"btnOk", "btnCancel", "bsSkinCheckRadioBox1", "bsSkinCheckRadioBox2"}));
}

TEST_F(SelectSearchTest, BoxesAreIndependent) {
    TfrmSelSearch dialog;
    dialog.show();
    QTest::mouseClick(dialog.bsSkinCheckRadioBox2, Qt::LeftButton);
    EXPECT_TRUE(dialog.bsSkinCheckRadioBox1->isChecked());
    EXPECT_TRUE(dialog.bsSkinCheckRadioBox2->isChecked());
    QTest::mouseClick(dialog.bsSkinCheckRadioBox1, Qt::LeftButton);
    QTest::mouseClick(dialog.bsSkinCheckRadioBox2, Qt::LeftButton);
    EXPECT_FALSE(dialog.bsSkinCheckRadioBox1->isChecked());
    EXPECT_FALSE(dialog.bsSkinCheckRadioBox2->isChecked());
}

// Runs the dialog modally and lets act() answer it from inside its loop.
int ExecAnswering(TfrmSelSearch& dialog, std::function<void(TfrmSelSearch&)> act) {
    QTimer::singleShot(0, &dialog, [act] {
        auto* open = qobject_cast<TfrmSelSearch*>(QApplication::activeModalWidget());
        ASSERT_NE(open, nullptr);
        act(*open);
    });
    return ModalGate::Exec(dialog);
}

TEST_F(SelectSearchTest, ButtonsAndKeysEndTheDialog) {
    struct Case {
        const char* name;
        std::function<void(TfrmSelSearch&)> act;
        int result;
    };
    const Case cases[] = {
        {"Ok", [](TfrmSelSearch& d) { QTest::mouseClick(d.btnOk, Qt::LeftButton); }, QDialog::Accepted},
        {"Cancel", [](TfrmSelSearch& d) { QTest::mouseClick(d.btnCancel, Qt::LeftButton); }, QDialog::Rejected},
        {"Escape", [](TfrmSelSearch& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected},
        {"close button", [](TfrmSelSearch& d) { d.close(); }, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        TfrmSelSearch dialog;
        EXPECT_EQ(ExecAnswering(dialog, c.act), c.result) << c.name;
    }
}

TEST_F(SelectSearchTest, OnlyTheFirstBoxDecides) {
    const struct {
        bool first, second, precise;
    } cases[] = {{true, false, true}, {true, true, true}, {false, false, false}, {false, true, false}};
    for (const auto& c : cases) {
        TfrmSelSearch dialog;
        dialog.bsSkinCheckRadioBox1->setChecked(c.first);
        dialog.bsSkinCheckRadioBox2->setChecked(c.second);
        EXPECT_EQ(dialog.PreciseChosen(), c.precise) << c.first << c.second;
    }
}

} // namespace
} // namespace tw
