#pragma once
// The two rental searches share one screen: the rental search of the year open on the
// rental slip screen (a double click loads a slip there) and the history search of the
// current year, opened from the customer card, which only lists.
#include "screenkit/search_screen.h"

class QComboBox;

namespace filmeria {

class ScreenSet;
struct RentalCriteria;

class RentalSearchScreen : public SearchScreen {
public:
    enum class Kind { Rentals, History };

    RentalSearchScreen(Services& services, ScreenSet& screens, Kind kind);

    void setTitle(const QString& title);
    void setIssueDate(const QString& date);
    // The customer card's preset of the history search: name and card number criteria.
    void presetCustomer(const QString& name, const QString& card);

    void done(int result) override;

protected:
    std::vector<std::string> searchLines() override;
    int criteriaInUse() const override;
    void lineChosen(const std::string& line) override;
    bool hasDoubleClick() const override { return kind_ == Kind::Rentals; }
    QWidget* focusAfterBack() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string year() const;
    RentalCriteria criteria() const;

    ScreenSet& screens_;
    Kind kind_;
    QLabel* lblTitolo;
    QLineEdit* txtAzienda;
    QLineEdit* txtAnno;
    QPushButton* cmdData;
    QComboBox* cboGiorno;
    QLineEdit* txtCognome;
    QLineEdit* txtTipologia;
    QLineEdit* txtNome;
    QLineEdit* txtDettagli;
    QLineEdit* cboMese;
};

} // namespace filmeria
