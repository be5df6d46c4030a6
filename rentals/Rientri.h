#pragma once
// TfrmRientri: the returns desk, "Film in noleggio". Every film out of every year file with its
// customer's telephones and days out, late ones marked; a filter; the days after which a film is
// late, kept for the store; a field where a returned film's code is typed or scanned. A double
// click, or a scanned code, chooses a film's slip, which the slip screen then opens.
#include "rentals/returns_desk.h"
#include <QDialog>

#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace filmeria {

class ResultList;
struct Services;

// The slip row the clerk chose; `returned` when the film came back (the Rientro field).
struct ChosenFilmOut {
    QString year;
    std::size_t position = 0;
    int row = 0;
    bool returned = false;
};

inline constexpr const char* kFilmNotOut = "Il film indicato non risulta in noleggio.";

class TfrmRientri final : public QDialog {
public:
    explicit TfrmRientri(Services& services);

    // The films out as the year files hold them now; called on every showing.
    void refresh();
    const std::optional<ChosenFilmOut>& chosen() const { return chosen_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showLines();
    void choose(const FilmOut& film, bool returned);
    void chooseSelectedLine();
    void filmReturned();
    void keepLateDays();
    void print();
    void exportList();

    Services& services_;
    ReturnsDesk desk_;
    std::vector<std::uint32_t> shown_; // the desk's lines in the list, in its order
    bool choosingReturn_ = false;      // a returned film out on several slips: the clerk picks one
    std::optional<ChosenFilmOut> chosen_;

    QLineEdit* txtFiltro;
    QSpinBox* spnRitardo;
    QLineEdit* txtRientro;
    ResultList* lstRecords;
    QLabel* lblConta;
    QLabel* panInfo;
    QPushButton* cmdStampa;
    QPushButton* cmdEsporta;
    QPushButton* cmdChiudi;
};

} // namespace filmeria
