#pragma once
// The customer search and the customer picker share one screen: eight criteria, the result
// list, and a double click that chooses a customer and closes the screen: the caller loads it
// into the card or copies its name and card number into the rental slip. Each opening is a
// new screen.
#include "customers/customer_search.h"
#include "screenkit/search_screen.h"

#include <optional>

class QComboBox;

namespace filmeria {

struct CustomerCriteria;

class CustomerSearchScreen : public SearchScreen {
public:
    enum class Kind { Search, Picker };

    CustomerSearchScreen(Services& services, Kind kind, ControlsMade made);

    // The customer a double click chose, with its position in Clienti.pro.
    const std::optional<ChosenCustomer>& chosenCustomer() const { return chosen_; }
    // Opens with the customers of a card number listed (a scanned card several customers hold).
    void searchCardOnShow(const QString& card);

protected:
    LineList searchLines() override;
    int criteriaInUse() const override;
    void lineChosen(const std::string& line) override;
    QWidget* focusAfterBack() const override;
    void showEvent(QShowEvent* event) override;
    void makeOwnControls() override;

private:
    CustomerCriteria criteria() const;

    const Kind kind_;
    std::optional<ChosenCustomer> chosen_;
    QString cardOnShow_;
    QLabel* lblTitolo = nullptr;
    QLineEdit* txtCognome = nullptr;
    QLineEdit* cboMese = nullptr;
    QLineEdit* txtNome = nullptr;
    QComboBox* cboGiorno = nullptr;
    QLineEdit* txtDettagli = nullptr;
    QLineEdit* txtAzienda = nullptr;
    QLineEdit* txtAnno = nullptr;
    QLineEdit* txtTipologia = nullptr;
};

} // namespace filmeria
