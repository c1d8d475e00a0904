#include "table/FAddKeywords.h"

#include "app/core/Paths.h"
#include "app/ui/FileDialogs.h"
#include "app/ui/MessageBox.h"
#include "app/ui/QtText.h"
#include "table/KeywordImport.h"
#include "ui_FAddKeywords.h"

namespace tw {

TfrmAddKeywords::TfrmAddKeywords(QWidget* parent) : FixedDialog(parent), ui_(std::make_unique<Ui::TfrmAddKeywords>()) {
    ui_->setupUi(this);
    FixFrame();
    lblAddKeyword = ui_->lblAddKeyword;
    edtAddKeyword = ui_->edtAddKeyword;
    lblList = ui_->lblList;
    edtList = ui_->edtList;
    btnBrowse = ui_->btnBrowse;
    btnOk = ui_->btnOk;
    btnCancel = ui_->btnCancel;
    connect(btnOk, &QPushButton::clicked, this, [this] { Handle("btnOkClick", [this] { btnOkClick(); }); });
    connect(btnBrowse, &QPushButton::clicked, this, [this] { Handle("btnBrowseClick", [this] { btnBrowseClick(); }); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    OnKeyDown(edtAddKeyword, [this](int key) { edtAddKeywordKeyDown(key); });
    OnKeyDown(edtList, [this](int key) { edtListKeyDown(key); });
}

TfrmAddKeywords::~TfrmAddKeywords() = default;

void TfrmAddKeywords::btnOkClick() {
    const bool haveKeyword = !edtAddKeyword->text().isEmpty();
    const std::string list = FromQ(edtList->text());
    if (haveKeyword && !list.empty()) {
        ShowMessageBox("Please select only one way to add keywords.");
        return;
    }
    if (!haveKeyword && !list.empty() && !IsExistingFile(list)) {
        ShowMessageBox("Please select a valid file.");
        return;
    }
    accept();
}

void TfrmAddKeywords::btnBrowseClick() {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Open;
    request.title = "Open file";
    request.filter = "Text files (*.txt)|*.txt";
    request.folder = ProgramFolder();
    if (const auto path = RunFileDialog(request))
        edtList->setText(ToQ(*path));
}

void TfrmAddKeywords::edtAddKeywordKeyDown(int key) {
    if (key == kKeyEnter)
        btnOkClick();
}

void TfrmAddKeywords::edtListKeyDown(int key) {
    if (key == kKeyEnter)
        btnOkClick();
}

} // namespace tw
