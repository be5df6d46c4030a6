#pragma once
// The two rental searches share one screen: the rental search of the year open on the
// rental slip screen (a double click loads a slip there) and the history search of the
// current year, opened from the customer card, which only lists.
#include "list_find.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace filmeria {

class ScreenSet;
struct RentalCriteria;
struct Services;

class RentalSearchScreen : public QDialog {
public:
    enum class Kind { Rentals, History };

    RentalSearchScreen(Services& services, ScreenSet& screens, Kind kind);

    void setTitle(const QString& title);
    void setIssueDate(const QString& date);
    // The customer card's preset of the history search: name and card number criteria.
    void presetCustomer(const QString& name, const QString& card);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();
    void back();
    void findInList();
    void loadSelectedSlip();
    void resetAfterClosing();
    std::string year() const;
    RentalCriteria criteria() const;

    Services& services_;
    ScreenSet& screens_;
    Kind kind_;
    ListFinder finder_;
    std::vector<std::string> lines_; // the list's lines as Windows-1252, in list order

    QGroupBox* grpCriteri;
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
    QLabel* lblConta;
    QGroupBox* grpElenco;
    QLineEdit* txtTrova;
    QPushButton* cmdTrova02;
    QListWidget* lstRecords;
    QPushButton* cmdIndietro;
    QPushButton* cmdStampa;
    QPushButton* cmdTrova;
    QPushButton* cmdAnnulla;
};

} // namespace filmeria
