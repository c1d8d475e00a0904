#include "app/core/Paths.h"
#include "table/FAddKeywords.h"
#include "table/FMainKeyword.h"
#include "tests/support/FileFixture.h"
#include "tests/support/Seams.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace tw {
namespace {

struct Control {
    const char* name;
    const char* text; // nullptr for an edit that starts empty
    QRect geometry;
};

void ExpectLayout(QDialog& dialog, const char* title, QSize client, const std::vector<Control>& controls,
                  const std::vector<const char*>& tabOrder) {
    EXPECT_EQ(dialog.windowTitle().toStdString(), title);
    EXPECT_EQ(dialog.size(), client);
    EXPECT_EQ(dialog.minimumSize(), client);
    EXPECT_EQ(dialog.maximumSize(), client);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
    for (const auto& c : controls) {
        QWidget* w = dialog.findChild<QWidget*>(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.geometry) << c.name;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(label->text().toStdString(), c.text) << c.name;
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << c.name;
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(button->text().toStdString(), c.text) << c.name;
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            EXPECT_TRUE(edit->text().isEmpty()) << c.name;
        }
    }
    // Tab order: from the first stop round the focus chain and back.
    QWidget* first = dialog.findChild<QWidget*>(tabOrder.front());
    std::vector<std::string> order;
    QWidget* w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order.push_back(w->objectName().toStdString());
        w = w->nextInFocusChain();
    } while (w != first && order.size() < 20);
    EXPECT_EQ(order, std::vector<std::string>(tabOrder.begin(), tabOrder.end()));
}

void ExpectCentredOnScreen(QDialog& dialog) {
    dialog.show();
    const QRect area = dialog.screen()->availableGeometry();
    const QPoint centre = dialog.frameGeometry().center();
    EXPECT_LE(std::abs(centre.x() - area.center().x()), 1);
    EXPECT_LE(std::abs(centre.y() - area.center().y()), 1);
    dialog.reject();
}

class KeywordDialogsTest : public test::SeamTest {};

TEST_F(KeywordDialogsTest, MainKeywordLayout) {
    TfrmMainKeyword dialog;
    EXPECT_EQ(dialog.objectName(), "frmMainKeyword");
    ExpectLayout(dialog, "Main Keyword", {309, 109},
                 {{"lblMainKeyword", "Please type the main keyword(s) Eg: golf, soccer:", {13, 13, 292, 16}},
                  {"edtMainKeyword", nullptr, {13, 37, 280, 15}},
                  {"btnOk", "Ok", {68, 67, 82, 21}},
                  {"btnCancel", "Cancel", {157, 67, 82, 21}}},
                 {"edtMainKeyword", "btnOk", "btnCancel"});
    ExpectCentredOnScreen(dialog);
}

TEST_F(KeywordDialogsTest, AddKeywordsLayout) {
    TfrmAddKeywords dialog;
    EXPECT_EQ(dialog.objectName(), "frmAddKeywords");
    ExpectLayout(dialog, "Enter Keyword(s)", {426, 147},
                 {{"lblAddKeyword", "Please type keyword(s) Eg: golf, soccer:", {9, 13, 239, 16}},
                  {"edtAddKeyword", nullptr, {9, 33, 326, 15}},
                  {"lblList", "Or add a file with a keyword list (one group of keywords per line):", {9, 59, 378, 16}},
                  {"edtList", nullptr, {9, 78, 326, 15}},
                  {"btnBrowse", "Browse", {344, 77, 63, 21}},
                  {"btnOk", "Ok", {102, 107, 82, 21}},
                  {"btnCancel", "Cancel", {190, 107, 82, 21}}},
                 {"edtAddKeyword", "btnOk", "btnCancel", "edtList", "btnBrowse"});
    ExpectCentredOnScreen(dialog);
}

TEST_F(KeywordDialogsTest, MainKeywordOkRefusesOnlyAnEmptyField) {
    TfrmMainKeyword dialog;
    dialog.show();
    MessageBoxSeam::SetNextAnswer(mrOk);
    QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
    EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Please add a Main Keyword."});
    EXPECT_TRUE(dialog.isVisible());

    QTest::keyClicks(dialog.edtMainKeyword, " ");
    QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(MessageBoxSeam::History().size(), 1u);
}

TEST_F(KeywordDialogsTest, EnterInAnyFieldRunsOk) {
    for (auto modifiers : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}) {
        for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
            TfrmMainKeyword main;
            main.show();
            QTest::keyClicks(main.edtMainKeyword, "golf");
            QTest::keyClick(main.edtMainKeyword, key, modifiers);
            EXPECT_EQ(main.result(), QDialog::Accepted);

            TfrmAddKeywords add;
            add.show();
            QTest::keyClicks(add.edtList, "no such file.txt");
            MessageBoxSeam::SetNextAnswer(mrOk);
            QTest::keyClick(add.edtAddKeyword, key, modifiers);
            MessageBoxSeam::SetNextAnswer(mrOk);
            QTest::keyClick(add.edtList, key, modifiers);
            EXPECT_TRUE(add.isVisible());
            add.edtList->clear();
            QTest::keyClick(add.edtList, key, modifiers);
            EXPECT_EQ(add.result(), QDialog::Accepted);
        }
    }
    EXPECT_EQ(MessagesShown(), std::vector<std::string>(12, "Please select a valid file."));
}

TEST_F(KeywordDialogsTest, CancelAndTheFrameCloseButtonReject) {
    TfrmMainKeyword main;
    main.show();
    QTest::keyClicks(main.edtMainKeyword, "golf");
    QTest::mouseClick(main.btnCancel, Qt::LeftButton);
    EXPECT_EQ(main.result(), QDialog::Rejected);

    TfrmAddKeywords add;
    add.show();
    QTest::keyClicks(add.edtAddKeyword, "golf");
    add.close();
    EXPECT_EQ(add.result(), QDialog::Rejected);
    EXPECT_TRUE(MessageBoxSeam::History().empty());
}

TEST_F(KeywordDialogsTest, AddKeywordsOkDecidesInOrder) {
    test::TempFolder folder;
    const std::string file = folder.Write("list.txt", "a\r\n");
    const struct {
        const char* keyword;
        std::string list;
        const char* message; // nullptr: closes with OK
    } cases[] = {
        {"golf", file, "Please select only one way to add keywords."},
        {"golf", "missing.txt", "Please select only one way to add keywords."},
        {"golf, soccer", "", nullptr},
        {"", file, nullptr},
        {"", folder.Path("missing.txt"), "Please select a valid file."},
        {"", folder.Folder(), "Please select a valid file."},
        {"", " ", "Please select a valid file."},
        {"", "", nullptr},
    };
    for (const auto& c : cases) {
        MessageBoxSeam::Reset();
        TfrmAddKeywords dialog;
        dialog.show();
        dialog.edtAddKeyword->setText(c.keyword);
        dialog.edtList->setText(QString::fromStdString(c.list));
        if (c.message)
            MessageBoxSeam::SetNextAnswer(mrOk);
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        SCOPED_TRACE(std::string(c.keyword) + " | " + c.list);
        if (c.message) {
            EXPECT_EQ(MessagesShown(), std::vector<std::string>{c.message});
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(dialog.edtAddKeyword->text().toStdString(), c.keyword);
            EXPECT_EQ(dialog.edtList->text().toStdString(), c.list);
        } else {
            EXPECT_TRUE(MessagesShown().empty());
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
        }
    }
}

TEST_F(KeywordDialogsTest, BrowseOpensTextFilesInTheProgramFolder) {
    TfrmAddKeywords dialog;
    dialog.show();
    dialog.edtList->setText("old.txt");
    FileDialogSeam::SetNextAnswer("/data/keywords.txt");
    QTest::mouseClick(dialog.btnBrowse, Qt::LeftButton);
    EXPECT_EQ(dialog.edtList->text(), "/data/keywords.txt");
    const auto& request = FileDialogSeam::LastRequest();
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->kind, FileDialogRequest::Open);
    EXPECT_EQ(request->title, "Open file");
    EXPECT_EQ(request->filter, "Text files (*.txt)|*.txt");
    EXPECT_EQ(request->folder, ProgramFolder());

    FileDialogSeam::SetNextAnswer(std::nullopt);
    QTest::mouseClick(dialog.btnBrowse, Qt::LeftButton);
    EXPECT_EQ(dialog.edtList->text(), "/data/keywords.txt");
}

} // namespace
} // namespace tw
