#pragma once
// TfrmStampaNoleggio: prints the rental slip it is given, under the store's letterhead. A new
// screen for every use; a printer failure leaves it open with its message.
#include "rentals/rental_file.h"
#include "screenkit/controls_made.h"

#include "screenkit/first_showing.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace filmeria {

struct Services;

class TfrmStampaNoleggio final : public FirstShowingDialog {
public:
    TfrmStampaNoleggio(Services& services, RentalRecord slip,
                       ControlsMade made = ControlsMade::AtConstruction);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void makeControls() override;
    void print();

    Services& services_;
    RentalRecord slip_;
    QLabel* imgStampante = nullptr;
    QPushButton* cmdStampa = nullptr;
    QPushButton* cmdAnnulla = nullptr;
    QWidget* panLogo = nullptr; // hidden: what the printout takes
    QLineEdit* txtLogo01 = nullptr;
    QLineEdit* txtLogo02 = nullptr;
    QLineEdit* txtLogo03 = nullptr;
    QLabel* imgLogo = nullptr;
};

} // namespace filmeria
