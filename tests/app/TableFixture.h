#pragma once

// The main window with its keyword table, for tests that click its buttons.

#include "app/FMain.h"
#include "app/core/Paths.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/FileFixture.h"
#include "tests/support/Seams.h"
#include "tests/support/TableCells.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace tw::test {

class TableWindowTest : public SeamTest {
protected:
    void SetUp() override {
        SeamTest::SetUp();
        SetProgramFolderForTesting(folder.Folder());
        window = std::make_unique<TfrmMain>();
        window->show();
    }
    void TearDown() override {
        window.reset();
        SetProgramFolderForTesting({});
        SeamTest::TearDown();
    }

    KeywordTable& Items() { return window->Items; }

    // Rows numbered 1 to n with keywords k1 to kn, as added by hand.
    void AddRows(int n) {
        for (int i = 1; i <= n; ++i)
            Items().AddKeywordRow(Items().RowCount() + 1, "k" + std::to_string(i), "");
    }
    std::vector<std::string> Column(int column) { return ColumnOf(Items(), column); }
    std::string CountText() const { return window->SecondStatusPanel->text().toStdString(); }

    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void ClickHeading(int column) {
        QHeaderView* header = window->lvwItems->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    TempFolder folder;
    std::unique_ptr<TfrmMain> window;
};

using Cells = std::vector<std::string>;

} // namespace tw::test
