#pragma once
// The customer search and the customer picker share one screen: eight criteria, the result
// list, and a double click that loads the customer into the card or into the rental slip.
#include "screenkit/search_screen.h"

class QComboBox;

namespace filmeria {

class ScreenSet;
struct CustomerCriteria;

class CustomerSearchScreen : public SearchScreen {
public:
    enum class Kind { Search, Picker };

    CustomerSearchScreen(Services& services, ScreenSet& screens, Kind kind);

protected:
    std::vector<std::string> searchLines() override;
    int criteriaInUse() const override;
    void lineChosen(const std::string& line) override;
    QWidget* focusAfterBack() const override;
    void showEvent(QShowEvent* event) override;

private:
    CustomerCriteria criteria() const;

    ScreenSet& screens_;
    Kind kind_;
    QLabel* lblTitolo;
    QLineEdit* txtCognome;
    QLineEdit* cboMese;
    QLineEdit* txtNome;
    QComboBox* cboGiorno;
    QLineEdit* txtDettagli;
    QLineEdit* txtAzienda;
    QLineEdit* txtAnno;
    QLineEdit* txtTipologia;
};

} // namespace filmeria
