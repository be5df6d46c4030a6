#pragma once
// The film search of the film card and the film picker of the rental slip share one
// screen: one criterion, a key, the list of matching films and find-in-list. A double click
// shows the film on the card or fills one row of the rental slip.
#include "core/list_find.h"
#include "films/film_store.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace filmeria {

class ScreenSet;
struct Services;

// The seventeen criteria, in list order, with the column each searches.
const std::vector<std::pair<QString, FilmField>>& filmCriteria();

class FilmSearchScreen : public QDialog {
public:
    enum class Kind { Search, Picker };

    FilmSearchScreen(Services& services, ScreenSet& screens, Kind kind);

    // The rental slip row the picker fills, "film01" ... "film10".
    void setMemory(const QString& tag);
    QString memory() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void search();
    void findInList();
    void chooseSelectedLine();
    std::string folder() const;

    Services& services_;
    ScreenSet& screens_;
    Kind kind_;
    FilmStoreSlots slots_;
    ListFinder finder_;
    std::vector<std::string> lines_; // the list's lines as Windows-1252, in list order

    QComboBox* cboCriterio;
    QLineEdit* txtCriterio;
    QPushButton* btnPopola;
    QListWidget* lstRecords;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    QLabel* LabelCount;
    QPushButton* btnStampa;
    QPushButton* btnChiudi;
    QLabel* lblMemory;
};

} // namespace filmeria
