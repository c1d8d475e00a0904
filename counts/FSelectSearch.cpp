#include "counts/FSelectSearch.h"

#include "ui_FSelectSearch.h"

namespace tw {

TfrmSelSearch* frmSelSearch = nullptr;

TfrmSelSearch::TfrmSelSearch(QWidget* parent) : FixedDialog(parent), ui_(std::make_unique<Ui::TfrmSelSearch>()) {
    ui_->setupUi(this);
    FixFrame();
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

} // namespace tw
