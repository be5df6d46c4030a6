#pragma once
// TfrmStampaNoleggio: prints the rental slip it is given, under the store's letterhead. A new
// screen for every use; a printer failure leaves it open with its message.
#include "rentals/rental_file.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace filmeria {

struct Services;

class TfrmStampaNoleggio final : public QDialog {
public:
    TfrmStampaNoleggio(Services& services, RentalRecord slip);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void print();

    Services& services_;
    RentalRecord slip_;
    QLabel* imgStampante;
    QPushButton* cmdStampa;
    QPushButton* cmdAnnulla;
    QWidget* panLogo; // hidden: what the printout takes
    QLineEdit* txtLogo01;
    QLineEdit* txtLogo02;
    QLineEdit* txtLogo03;
    QLabel* imgLogo;
};

} // namespace filmeria
