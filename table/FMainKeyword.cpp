#include "table/FMainKeyword.h"

#include "app/ui/MessageBox.h"
#include "ui_FMainKeyword.h"

namespace tw {

TfrmMainKeyword::TfrmMainKeyword(QWidget* parent) : FixedDialog(parent), ui_(std::make_unique<Ui::TfrmMainKeyword>()) {
    ui_->setupUi(this);
    FixFrame();
    lblMainKeyword = ui_->lblMainKeyword;
    edtMainKeyword = ui_->edtMainKeyword;
    btnOk = ui_->btnOk;
    btnCancel = ui_->btnCancel;
    connect(btnOk, &QPushButton::clicked, this, [this] { Handle("btnOkClick", [this] { btnOkClick(); }); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    OnKeyDown(edtMainKeyword, [this](int key) { edtMainKeywordKeyDown(key); });
}

TfrmMainKeyword::~TfrmMainKeyword() = default;

void TfrmMainKeyword::btnOkClick() {
    if (edtMainKeyword->text().isEmpty()) {
        ShowMessageBox("Please add a Main Keyword.");
        return;
    }
    accept();
}

void TfrmMainKeyword::edtMainKeywordKeyDown(int key) {
    if (key == kKeyEnter)
        btnOkClick();
}

} // namespace tw
