#pragma once
// The film search of the film card and the film picker of the rental slip share one
// screen: one criterion, a key, the list of matching films and find-in-list. A double click
// chooses a film and closes the screen; the caller shows it on the card or fills one row of
// the rental slip with it.
#include "core/list_find.h"
#include "films/film_out_note.h"
#include "films/film_store.h"
#include "screenkit/result_list.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace filmeria {

struct Services;

// The seventeen criteria, in list order, with the column each searches.
const std::vector<std::pair<QString, FilmField>>& filmCriteria();

// The film a double click chose: what the card and the rental slip take from it.
struct ChosenFilm {
    std::int64_t id;
    QString code;
    QString title;
    QString price;        // per day
    QString availability; // "Sì", "No" or whatever the card says
};

// The film of the current row of a result with the list's columns.
ChosenFilm chosenFilmOf(const TSQLiteTable& row);

class FilmSearchScreen : public QDialog {
public:
    enum class Kind { Search, Picker };

    FilmSearchScreen(Services& services, Kind kind);

    // The rental slip row the picker is asked for, "film01" ... "film10".
    void setMemory(const QString& tag);
    QString memory() const;
    // The film of the last double click since the screen was shown, if any.
    const std::optional<ChosenFilm>& chosenFilm() const { return chosen_; }
    // Opens with the films of a code listed (a scanned code several films carry).
    void searchCodeOnShow(const QString& code);
    // Where the selected film is, shown under the list as the selection moves.
    void setFilmOutNote(FilmOutNote note) { filmOutNote_ = std::move(note); }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();
    void findInList();
    void chooseSelectedLine();
    // The result row giving the list's line `line` (the first of equal ones), made current.
    bool findResultRow(int line);
    void showWhereabouts();
    std::string folder() const;

    Services& services_;
    std::optional<ChosenFilm> chosen_;
    QString codeOnShow_;
    FilmOutNote filmOutNote_;
    FilmStoreSlots slots_;
    ListFinder finder_;

    QComboBox* cboCriterio;
    QLineEdit* txtCriterio;
    QPushButton* btnPopola;
    ResultList* lstRecords;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    QLabel* LabelCount;
    QPushButton* btnStampa;
    QPushButton* btnChiudi;
    QLabel* lblMemory;
    QLabel* lblNoleggio;
};

} // namespace filmeria
