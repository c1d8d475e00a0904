#pragma once

#include "app/ui/FixedDialog.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QPushButton;

namespace Ui {
class TfrmSelSearch;
}

namespace tw {

// The search type dialog shown at the start of every "Gather Data" run. Its
// layout decides everything: only the first box counts (ticked: a precise
// search, not ticked: a broad one), whatever the second shows.
class TfrmSelSearch : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmSelSearch(QWidget* parent = nullptr);
    ~TfrmSelSearch() override;

    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QCheckBox* bsSkinCheckRadioBox1 = nullptr;
    QCheckBox* bsSkinCheckRadioBox2 = nullptr;

    // What the boxes say now: true for a precise search.
    bool PreciseChosen() const;

private:
    std::unique_ptr<Ui::TfrmSelSearch> ui_;
};

// The dialog while it is open; null otherwise. A fresh one for every start.
extern TfrmSelSearch* frmSelSearch;

} // namespace tw
