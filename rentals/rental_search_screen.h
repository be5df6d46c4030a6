#pragma once
// The two rental searches share one screen: the rental search of the year open on the
// rental slip screen (a double click chooses a slip, which the slip screen then loads) and
// the history search of the current year, opened from the customer card, which only lists.
#include "rentals/rental_file.h"
#include "screenkit/search_screen.h"

#include <optional>

class QComboBox;

namespace filmeria {

struct RentalCriteria;

// The slip a double click chose, with its position in the year file.
struct ChosenSlip {
    std::size_t position;
    RentalRecord record;
};

class RentalSearchScreen : public SearchScreen {
public:
    enum class Kind { Rentals, History };

    RentalSearchScreen(Services& services, Kind kind);

    void setTitle(const QString& title);
    // The year the rental search searches: the one open on the rental slip screen.
    void setYear(const QString& year);
    const std::optional<ChosenSlip>& chosenSlip() const { return chosen_; }
    void setIssueDate(const QString& date);
    // The customer card's preset of the history search: name and card number criteria.
    void presetCustomer(const QString& name, const QString& card);

    void done(int result) override;

protected:
    LineList searchLines() override;
    int criteriaInUse() const override;
    void lineChosen(const std::string& line) override;
    bool hasDoubleClick() const override { return kind_ == Kind::Rentals; }
    QWidget* focusAfterBack() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::string year() const;
    RentalCriteria criteria() const;
    Kind kind_;
    QString year_;
    std::optional<ChosenSlip> chosen_;
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
