#pragma once

#include "app/ui/FixedDialog.h"

#include <QDialog>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class TfrmCaptcha;
}

namespace tw {

class ImageView;

inline constexpr const char* kEmptyPasswordMessage = "Please enter a password.";

// The security image dialog: shows the service's image, takes the user's
// answer and the page's two hidden values. It sends nothing itself.
class TfrmCaptcha : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmCaptcha(QWidget* parent = nullptr);
    ~TfrmCaptcha() override;

    // Controls of the layout.
    QLabel* bsSkinStdLabel2 = nullptr;
    ImageView* EmbeddedWB1 = nullptr;
    QLineEdit* edtPassword = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

    // Set by the caller before the dialog is shown.
    std::string PageText;
    // Taken from PageText when the dialog is shown.
    std::string RandomValue;
    std::string SeedValue;
    std::string ImageUrl;

    void FormShow();
    void LoadSecurityImage();
    void btnOkClick();
    void btnCancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::TfrmCaptcha> ui_;
};

} // namespace tw
