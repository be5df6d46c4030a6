#pragma once
// TfrmClienti: the customer card, one customer of Clienti.pro at a time.
#include "core/record_navigation.h"
#include "customers/customer_file.h"
#include "screenkit/card_screen.h"

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace filmeria {

class PictureButtons;
class TfrmHelpForm;
struct Services;

class TfrmClienti final : public CardScreen {
public:
    // Shows the rental history of a customer (name, card number) in the current year.
    using RentalHistory = std::function<void(const QString& name, const QString& card)>;

    TfrmClienti(Services& services, TfrmHelpForm& help, RentalHistory showRentalHistory);

private:
    // Puts a stored customer on the card, with its position.
    void showCustomer(const CustomerRecord& record, std::size_t position);
    void buildFields();
    void buildCommands();
    void clearCard();
    CustomerRecord recordFromCard() const;
    // The single-line fields of the card and the record fields they hold.
    std::vector<std::pair<CustomerField, QLineEdit*>> lineFields() const;
    std::string folder() const;
    void archiveMessage();

    void newCard();
    void save();
    // Another counter changed or deleted the card's record: the card shows what the archive
    // holds at its position now.
    void reloadAt(std::size_t position);
    void navigate(NavigationStep step);
    void deleteCard();
    void search();
    void exportCard();
    void checkFiscalCode();
    void checkVatNumber();
    void sendMail();
    void printMembershipCard();
    void showRentals();

    TfrmHelpForm& help_;
    RentalHistory showRentalHistory_;
    QGroupBox* grpProdotto;
    QGroupBox* grpPrezzo;
    QGroupBox* grpNote;
    QLineEdit* txtNome;
    QLineEdit* txtIndirizzo;
    QLineEdit* txtCap;
    QLineEdit* txtCitta;
    QComboBox* txtProv;
    QLineEdit* txtDataNasc;
    QLineEdit* txtLuogoNasc;
    QLineEdit* txtCodFisc;
    QLineEdit* txtIva;
    QLineEdit* txtTessera;
    QLineEdit* txtIscrizione;
    QLineEdit* txtNoleggio;
    QLineEdit* txtTelCasa;
    QLineEdit* txtTelUff;
    QLineEdit* txtTelCel;
    QLineEdit* txtFax;
    QLineEdit* txtEmail;
    QPlainTextEdit* txtTrama;
    QPushButton* cmdCodFisc;
    QPushButton* cmdIva;
    QPushButton* cmdTessera;
    QPushButton* cmdNoleggio;
    QPushButton* cmdInvia;

    QGroupBox* grpControlli;
    QLabel* lblPosizione;

    // The record as read from the archive (or as last saved): a rewrite or deletion acts on it
    // only where it still is.
    std::optional<CustomerRecord> loaded_;
};

} // namespace filmeria
