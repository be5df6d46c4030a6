#pragma once
// TfrmNoleggi: the rental slip screen, with its year panel and the slip of up to ten films.
#include "core/record_navigation.h"
#include "customers/customer_file.h"
#include "rentals/film_whereabouts.h"
#include "rentals/rental_file.h"
#include "screenkit/screen_ref.h"
#include "screenkit/work_screen.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace filmeria {

struct ChosenFilm;
struct ChosenFilmOut;

class PictureButtons;
class TfrmCercaNoleggio;
class TfrmHelpForm;
class TfrmImportaFilm;
struct Services;

inline constexpr const char* kSlipGone = "La scheda del film non è più in archivio.";

class TfrmNoleggi final : public WorkScreen {
public:
    // The film picker and the rental search are start-up screens; the other dialogs of the
    // slip screen are created afresh for every use.
    TfrmNoleggi(Services& services, TfrmHelpForm& help, ScreenRef<TfrmImportaFilm> filmPicker,
                ScreenRef<TfrmCercaNoleggio> slipSearch);

    // The screen always opens on its choice of year, whatever it showed last time.
    void prepareYearChoice();

    // Shows the slip at `position` of the year file of `year`, on the panel of film row `row`
    // (the returns desk). False when the year file has no slip there any more (the screen
    // then shows a new slip).
    bool openSlipAt(const QString& year, std::size_t position, int row);
    // The returns desk (F8): the slip of the film chosen there opens here, the film returned
    // when it came back.
    void openReturnsDesk();
    // The statistics of the screen's year (F9).
    void openStatistics();
    // Opens the slip of a film the returns desk chose, at its row; a returned film gets its
    // return date and its row and total calculated, and the focus goes to Saldato.
    void openChosenFilm(const ChosenFilmOut& chosen);
    // The film of `row` returned today: its return date set, the row and the slip's total
    // calculated, the focus on "Saldato" for the clerk to tick before saving.
    void returnFilmAt(int row);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct FilmRow {
        QFrame* shpFilm;
        QLabel* lblNum;
        QLineEdit* txtCodice;
        QLineEdit* txtTitolo;
        QLineEdit* txtPrestito;
        QPushButton* cmdPrestito;
        QLineEdit* txtRiconsegna;
        QPushButton* cmdRiconsegna;
        QLineEdit* txtPrezzoDie;
        QLineEdit* txtTotGiorni;
        QLineEdit* txtPrezzoTot;
        QPushButton* cmdCalcola;
        QLabel* imgImporta;
    };

    void buildYearPanel();
    void addCounterKeys();
    // The film row holding the focus, 0 for none.
    int rowWithFocus() const;
    void buildHeader(QWidget* slip);
    void buildRows();
    void buildCommandColumn(QWidget* slip);
    FilmRow buildRow(QWidget* panel, int row, int top);

    void openYear();
    void showPanel(int panel);
    void newSlip();
    void clearSlip();
    bool requiredFieldsPresent(const char* const messages[4]);
    void save();
    // Another counter changed or deleted the slip: the screen shows what the year file holds at
    // its position now.
    void reloadAt(std::size_t position);
    void navigate(NavigationStep step);
    // The year file of the year in txtAnno.
    RentalArchive archive() const;
    void deleteSlip();
    void search();
    void print();
    void pickDate(const QString& tag);
    // The pickers: true when the slip took a film or a customer.
    bool pickFilm(int row);
    // Fills a film row from a picked or scanned film, after asking about one not available;
    // false when the clerk declined.
    bool offerFilm(int row, const ChosenFilm& film);
    bool pickCustomer(const QString& card = {});
    void takeCustomer(const CustomerRecord& customer);
    // Enter after a code or a card number: the film or customer it names, a message when there
    // is none, the picker when several share it.
    void scanFilm(int row);
    void scanCard();
    void printSlip();
    void editLetterhead();
    void exportArchive();
    QString yearText() const;                             // Trim(txtAnno)
    QLineEdit* dateFieldForTag(const QString& tag) const; // "Prestito01", "Riconsegna10", "Data"
    void fillFilmRow(int row, const QString& code, const QString& title, const QString& price,
                     const QString& date);
    // Fills every slip control from a record and puts its position in the position box.
    void loadSlip(const RentalRecord& record, std::size_t position);
    // False when the row cannot be calculated (the clerk was told why).
    bool calculateRow(int row);
    void calculateTotal();
    RentalRecord recordFromScreen() const;
    // Every text control of the slip with the index of the record field it holds.
    std::vector<std::pair<std::size_t, QLineEdit*>> slipFields() const;
    std::string folder() const;
    void archiveMessage();

    Services& services_;
    TfrmHelpForm& help_;
    ScreenRef<TfrmImportaFilm> filmPicker_;
    ScreenRef<TfrmCercaNoleggio> slipSearch_;
    PictureButtons* buttons_;

    QGroupBox* grpAnno;
    QLabel* lblSelezione;
    QGroupBox* grpSelezione;
    QLineEdit* txtAnno;
    QPushButton* cmdApri;
    QLabel* imgGuida;
    QLabel* imgEsci;

    QWidget* panScheda; // the slip: header, film rows, footer and command column
    QLabel* lblNumScheda;
    QLineEdit* txtNumScheda;
    QLabel* lblCliente;
    QLineEdit* txtCliente;
    QLabel* lblTessera;
    QLineEdit* txtTessera;
    QLabel* imgImportaCliente;
    QLabel* lblData;
    QLineEdit* txtData;
    QPushButton* cmdData;
    QGroupBox* grpRicevuta;
    QGroupBox* grpRicevuta02;
    std::array<FilmRow, kSlipRows> rows_;
    QPushButton* cmdAvanti;
    QPushButton* cmdIndietro;
    QPushButton* cmdTotale;
    QLineEdit* txtTotale;
    QCheckBox* chkSaldato;

    QFrame* shpControlli;
    QLabel* lblPosizione;
    QLabel* lblFile;
    // The number Nuovo proposed for the slip on screen; empty for a slip read from the archive.
    std::string proposedNumber_;
    // The year file the slip on screen was read from, saved to or numbered for; "" for none.
    QString slipYearFile_;
    // The slip as read from the year file (or as last saved): a rewrite or deletion acts on it
    // only where it still is.
    std::optional<RentalRecord> loaded_;
    FilmWhereabouts whereabouts_; // whether a film put on the slip is out on another one
};

} // namespace filmeria
