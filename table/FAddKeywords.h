#pragma once

#include "app/ui/FixedDialog.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class TfrmAddKeywords;
}

namespace tw {

// Asks for one keyword typed by hand or for a list file; closes with OK only
// when the input names one way to add keywords (or none at all).
class TfrmAddKeywords : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmAddKeywords(QWidget* parent = nullptr);
    ~TfrmAddKeywords() override;

    QLabel* lblAddKeyword = nullptr;
    QLineEdit* edtAddKeyword = nullptr;
    QLabel* lblList = nullptr;
    QLineEdit* edtList = nullptr;
    QPushButton* btnBrowse = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOkClick();
    void btnBrowseClick();
    void edtAddKeywordKeyDown(int key);
    void edtListKeyDown(int key);

private:
    std::unique_ptr<Ui::TfrmAddKeywords> ui_;
};

} // namespace tw
