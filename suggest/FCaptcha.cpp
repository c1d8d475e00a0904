#include "suggest/FCaptcha.h"

#include "app/ui/FailureReport.h"
#include "app/ui/MessageBox.h"
#include "app/ui/QtText.h"
#include "suggest/ImageView.h"
#include "suggest/core/SecurityImage.h"
#include "ui_FCaptcha.h"

#include <QShowEvent>

namespace tw {

TfrmCaptcha::TfrmCaptcha(QWidget* parent) : FixedDialog(parent), ui_(std::make_unique<Ui::TfrmCaptcha>()) {
    ui_->setupUi(this);
    FixFrame();
    bsSkinStdLabel2 = ui_->bsSkinStdLabel2;
    EmbeddedWB1 = ui_->EmbeddedWB1;
    edtPassword = ui_->edtPassword;
    btnOk = ui_->btnOk;
    btnCancel = ui_->btnCancel;
    connect(btnOk, &QPushButton::clicked, this, [this] { RunHandler("btnOkClick", [this] { btnOkClick(); }); });
    connect(btnCancel, &QPushButton::clicked, this,
            [this] { RunHandler("btnCancelClick", [this] { btnCancelClick(); }); });
}

TfrmCaptcha::~TfrmCaptcha() = default;

void TfrmCaptcha::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    if (event->spontaneous())
        return;
    edtPassword->setFocus(Qt::OtherFocusReason);
    RunHandler("FormShow", [this] { FormShow(); });
}

void TfrmCaptcha::FormShow() {
    LoadSecurityImage();
}

void TfrmCaptcha::LoadSecurityImage() {
    const SecurityImageFields fields = ReadSecurityImageFields(PageText);
    RandomValue = fields.RandomValue;
    SeedValue = fields.SeedValue;
    ImageUrl = fields.ImageUrl;
    EmbeddedWB1->Navigate(ImageUrl);
}

void TfrmCaptcha::btnOkClick() {
    // Not trimmed: white space alone is an answer.
    if (edtPassword->text().isEmpty()) {
        ShowMessageBox(kEmptyPasswordMessage);
        return;
    }
    accept();
}

void TfrmCaptcha::btnCancelClick() {
    reject();
}

} // namespace tw
