#pragma once
// TfrmTessera: prints a customer's membership card. A new screen for every use, filled from
// the customer card; the letterhead lines are read when it shows and written back however it
// closes.
#include "customers/card_printout.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace filmeria {

struct Services;

class TfrmTessera final : public QDialog {
public:
    // `customer`'s letterhead is not used: the lines come from Tessera.ini.
    TfrmTessera(Services& services, const MembershipCard& customer);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void print();
    bool fieldsComplete();
    MembershipCard cardFromScreen() const;

    Services& services_;
    QGroupBox* grpLogo;
    QLabel* imgFilmeria;
    QLineEdit* txtLogo01;
    QLineEdit* txtLogo02;
    QLineEdit* txtLogo03;
    QGroupBox* grpFoto;
    QGroupBox* grpContainer;
    QLineEdit* txtNome;
    QLineEdit* txtIndirizzo;
    QLineEdit* txtCap;
    QLineEdit* txtCitta;
    QComboBox* txtProv;
    QLineEdit* txtTessera;
    QLineEdit* txtIscrizione;
    QPushButton* cmdAnnulla;
    QPushButton* cmdStampa;
    QLabel* imgLogo;
};

} // namespace filmeria
