#pragma once
// TfrmTessera: prints a customer's membership card. A new screen for every use, filled from
// the customer card; the letterhead lines are read when it shows and written back however it
// closes.
#include "customers/card_printout.h"
#include "screenkit/controls_made.h"

#include "screenkit/first_showing.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace filmeria {

struct Services;

class TfrmTessera final : public FirstShowingDialog {
public:
    // `customer`'s letterhead is not used: the lines come from Tessera.ini.
    TfrmTessera(Services& services, const MembershipCard& customer,
                ControlsMade made = ControlsMade::AtConstruction);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void makeControls() override { makeControlsFor(MembershipCard()); }
    void makeControlsFor(const MembershipCard& customer);
    void print();
    bool fieldsComplete();
    MembershipCard cardFromScreen() const;

    Services& services_;
    QGroupBox* grpLogo = nullptr;
    QLabel* imgFilmeria = nullptr;
    QLineEdit* txtLogo01 = nullptr;
    QLineEdit* txtLogo02 = nullptr;
    QLineEdit* txtLogo03 = nullptr;
    QGroupBox* grpFoto = nullptr;
    QGroupBox* grpContainer = nullptr;
    QLineEdit* txtNome = nullptr;
    QLineEdit* txtIndirizzo = nullptr;
    QLineEdit* txtCap = nullptr;
    QLineEdit* txtCitta = nullptr;
    QComboBox* txtProv = nullptr;
    QLineEdit* txtTessera = nullptr;
    QLineEdit* txtIscrizione = nullptr;
    QPushButton* cmdAnnulla = nullptr;
    QPushButton* cmdStampa = nullptr;
    QLabel* imgLogo = nullptr;
};

} // namespace filmeria
