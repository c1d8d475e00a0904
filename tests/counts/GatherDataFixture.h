#pragma once

#include "app/FMain.h"
#include "app/core/Paths.h"
#include "counts/FSelectSearch.h"
#include "tests/support/Seams.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>

namespace tw::test {

// A main window in a program folder of its own, and a driver that answers
// the search type dialog from inside its modal loop.
class GatherDataFixture : public SeamTest {
protected:
    enum Button { Ok, Cancel };
    struct DialogSeen {
        bool seen = false;
        bool firstTickedOnOpen = false;
        bool secondTickedOnOpen = false;
    };
    using DialogAnswer = std::shared_ptr<DialogSeen>;

    void SetUp() override {
        SeamTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        SetProgramFolderForTesting(folder_.path().toStdString());
    }
    void TearDown() override {
        FinishDrivers();
        SetProgramFolderForTesting({});
        SeamTest::TearDown();
    }

    std::unique_ptr<TfrmMain> MakeWindow() {
        auto window = std::make_unique<TfrmMain>();
        window->show();
        return window;
    }

    std::string FolderPath() const { return folder_.path().toStdString(); }

    // Schedules the answer to the next search type dialog: the boxes set as
    // given (left as they opened when not given), then a click on the button.
    DialogAnswer AnswerSearchDialog(Button button, std::optional<bool> first = {}, std::optional<bool> second = {}) {
        auto seen = std::make_shared<DialogSeen>();
        ++pendingDrivers_;
        QTimer::singleShot(0, [this, seen, button, first, second] {
            --pendingDrivers_;
            auto* dialog = qobject_cast<TfrmSelSearch*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen->seen = true;
            seen->firstTickedOnOpen = dialog->bsSkinCheckRadioBox1->isChecked();
            seen->secondTickedOnOpen = dialog->bsSkinCheckRadioBox2->isChecked();
            const auto set = [](QCheckBox* box, std::optional<bool> ticked) {
                if (ticked && box->isChecked() != *ticked)
                    QTest::mouseClick(box, Qt::LeftButton);
            };
            set(dialog->bsSkinCheckRadioBox1, first);
            set(dialog->bsSkinCheckRadioBox2, second);
            QTest::mouseClick(button == Ok ? dialog->btnOk : dialog->btnCancel, Qt::LeftButton);
        });
        return seen;
    }

    static void ClickGatherData(TfrmMain& window) { QTest::mouseClick(window.btnGatherData, Qt::LeftButton); }

    // Lets a driver that found no dialog run now, inside this test.
    void FinishDrivers() {
        for (int i = 0; i < 100 && pendingDrivers_ > 0; ++i)
            QCoreApplication::processEvents();
    }

private:
    QTemporaryDir folder_;
    int pendingDrivers_ = 0;
};

} // namespace tw::test
