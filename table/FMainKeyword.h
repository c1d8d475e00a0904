#pragma once

#include "app/ui/FixedDialog.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class TfrmMainKeyword;
}

namespace tw {

// Asks for the main keyword; closes with OK only when the field is not empty.
class TfrmMainKeyword : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmMainKeyword(QWidget* parent = nullptr);
    ~TfrmMainKeyword() override;

    QLabel* lblMainKeyword = nullptr;
    QLineEdit* edtMainKeyword = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOkClick();
    void edtMainKeywordKeyDown(int key);

private:
    std::unique_ptr<Ui::TfrmMainKeyword> ui_;
};

} // namespace tw
