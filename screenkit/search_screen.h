#pragma once
// The common shape of the search screens: a criteria page and a result page in the same
// place, the buttons Indietro, Stampa, Trova and Annulla, and find-in-list on the results.
// Each search fills the criteria page and says how to search and what a double click does.
#include "core/list_find.h"
#include "core/print_canvas.h"
#include "screenkit/controls_made.h"
#include "screenkit/result_list.h"

#include "screenkit/first_showing.h"

#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace filmeria {

class Dialogs;
struct Services;

class SearchScreen : public FirstShowingDialog {
public:
    struct Texts {
        QString caption;
        QStringList listHelp;    // instruction lines above the find field
        QString doubleClickHint; // maroon line under the list, or empty
        QString closeCaption;    // "Annulla" or "Chiudi"
        bool minimiseBox = false;
        QString printQuestion; // the list printout's confirmation
        QString printTitle;
        PageOrientation printOrientation = PageOrientation::Landscape;
    };

    SearchScreen(Services& services, Texts texts, ControlsMade made = ControlsMade::AtConstruction);

    void makeControls() override;

protected:
    // The controls of the screen itself, after the common ones, for a screen made with
    // ControlsMade::OnFirstShow; others make theirs in their constructor.
    virtual void makeOwnControls() {}

    // The result lines (Windows-1252) of the criteria; throws ArchiveError.
    virtual LineList searchLines() = 0;
    virtual int criteriaInUse() const = 0;
    // A double click on a line; the screen closes afterwards.
    virtual void lineChosen(const std::string& line) = 0;
    virtual bool hasDoubleClick() const { return true; }
    virtual QWidget* focusAfterBack() const = 0;

    void showEvent(QShowEvent* event) override;
    void search();
    void back();
    void findInList();
    void chooseSelectedLine();
    void clearResults();

    Services& services_;
    ListFinder finder_;

    QGroupBox* grpCriteri = nullptr;
    QLabel* lblConta = nullptr;
    QGroupBox* grpElenco = nullptr;
    QLineEdit* txtTrova = nullptr;
    QPushButton* cmdTrova02 = nullptr;
    ResultList* lstRecords = nullptr;
    QPushButton* cmdIndietro = nullptr;
    QPushButton* cmdStampa = nullptr;
    QPushButton* cmdTrova = nullptr;
    QPushButton* cmdAnnulla = nullptr;

private:
    void makeCommonControls();

    const Texts texts_;
};

// Find in a result list: the next line holding the key, wrapping around; an empty list is
// reported.
void findInResultList(ResultList* list, ListFinder& finder, const QLineEdit* key, Dialogs& dialogs,
                      QWidget* screen);

// Helpers for building a criteria page.
QLabel* searchLabel(QWidget* parent, const QString& caption, QRect geometry, bool bold = false);
QLineEdit* searchField(QWidget* parent, const char* name, int maxLength, QRect geometry);

} // namespace filmeria
