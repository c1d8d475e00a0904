#include "counts/FSelectSearch.h"

#include "app/ui/ScreenCentre.h"
#include "ui_FSelectSearch.h"

namespace tw {

TfrmSelSearch* frmSelSearch = nullptr;

TfrmSelSearch::TfrmSelSearch(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TfrmSelSearch>()) {
    ui_->setupUi(this);
    // A dialog border with a close button as the only caption button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(480, 114);
    btnOk = ui_->btnOk;
    btnCancel = ui_->btnCancel;
    bsSkinCheckRadioBox1 = ui_->bsSkinCheckRadioBox1;
    bsSkinCheckRadioBox2 = ui_->bsSkinCheckRadioBox2;
    btnOk->setFocus();
    frmSelSearch = this;
}

TfrmSelSearch::~TfrmSelSearch() {
    if (frmSelSearch == this)
        frmSelSearch = nullptr;
}

bool TfrmSelSearch::PreciseChosen() const {
    return bsSkinCheckRadioBox1->isChecked();
}

void TfrmSelSearch::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

} // namespace tw
