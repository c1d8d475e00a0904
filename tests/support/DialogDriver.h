#pragma once

// Drives our own modal dialogs from a test, as a person would: schedule the
// driver before the click that opens the dialog; once the dialog runs, its
// step fills fields and clicks buttons found by objectName.
//
//   test::DialogDriver driver([](test::DialogDriver& d) {
//       d.Type("edtMainKeyword", "golf");
//       d.Click("btnOk");
//   });
//   QTest::mouseClick(window.btnMainKeyword, Qt::LeftButton);
//   EXPECT_TRUE(driver.Ran());
//
// A step that leaves the dialog open fails the test and the dialog is
// cancelled, so that a test can never hang on it.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace tw::test {

class DialogDriver {
public:
    using Step = std::function<void(DialogDriver&)>;

    explicit DialogDriver(Step step) : state_(std::make_shared<State>()) {
        state_->step = std::move(step);
        Schedule(state_, this);
    }
    ~DialogDriver() { state_->cancelled = true; }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Whether the step ran on a dialog.
    bool Ran() const { return state_->ran; }
    // The dialog's objectName and window title, as seen while it ran.
    const std::string& Name() const { return state_->name; }

    QWidget& Dialog() { return *state_->dialog; }

    template <class T = QWidget> T* Find(const char* name) {
        T* w = state_->dialog->findChild<T*>(QString::fromUtf8(name));
        if (!w)
            ADD_FAILURE() << "no control named " << name << " in " << state_->name;
        return w;
    }

    // Replaces an edit's text by typing it key by key.
    void Type(const char* name, const QString& text) {
        if (auto* edit = Find<QLineEdit>(name)) {
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, text);
        }
    }
    // Sets an edit's text at once (for long texts such as paths).
    void SetText(const char* name, const QString& text) {
        if (auto* edit = Find<QLineEdit>(name))
            edit->setText(text);
    }
    void Click(const char* name) {
        if (auto* button = Find<QPushButton>(name))
            QTest::mouseClick(button, Qt::LeftButton);
    }
    void Key(const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (auto* w = Find<QWidget>(name)) {
            w->setFocus();
            QTest::keyClick(w, key, modifiers);
        }
    }
    // Closes the dialog through its frame's close button.
    void CloseFrame() { state_->dialog->close(); }

private:
    struct State {
        Step step;
        QWidget* dialog = nullptr;
        std::string name;
        bool ran = false;
        bool cancelled = false;
        int tries = 0;
    };

    // The dialog may not be up when the first timer fires: try again from
    // the event loop, a bounded number of times.
    static void Schedule(std::shared_ptr<State> state, DialogDriver* driver) {
        QTimer::singleShot(0, qApp, [state, driver] {
            if (state->cancelled || state->ran)
                return;
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) {
                if (++state->tries < 100)
                    Schedule(state, driver);
                return;
            }
            state->ran = true;
            state->dialog = modal;
            state->name = modal->objectName().toStdString() + " \"" + modal->windowTitle().toStdString() + "\"";
            state->step(*driver);
            if (modal->isVisible()) {
                ADD_FAILURE() << "the step left " << state->name << " open";
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
    }

    std::shared_ptr<State> state_;
};

} // namespace tw::test
