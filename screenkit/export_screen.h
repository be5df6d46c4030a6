#pragma once
// The shape of the three archive export screens: a strip of picture buttons along the top,
// the export grid below it and the status panel at the bottom; the grid goes to a
// spreadsheet or a word-processor table as it is shown.
#include "core/grid_export.h"
#include "screenkit/controls.h"
#include "screenkit/controls_made.h"

#include "screenkit/first_showing.h"

#include <vector>

class QGroupBox;
class QLabel;

namespace filmeria {

class ExportGrid;
class PictureButtons;
struct Services;

inline const char* const kSpreadsheetFailedHead =
    "Si è verificato un errore durante l'esportazione dei dati in Excel.";
inline const char* const kSpreadsheetFailed =
    "Si è verificato un errore durante l'esportazione dei dati in Excel.\r\n\r\nAccertarsi che un programma "
    "per i fogli di calcolo (ad esempio LibreOffice) sia installato sul proprio computer.";
inline const char* const kDocumentFailed =
    "Attenzione: il sistema non consente di creare il file di Microsoft Word.\n\r\n\rEsportazione dati non "
    "riuscita.";
// The sentence a failed export ends with when the program cannot write such files at all.
inline const char* const kWordProcessorAdvice =
    "\r\n\r\nAccertarsi che un programma di videoscrittura (ad esempio LibreOffice) sia installato sul "
    "proprio computer.";

// Writes `table` as the spreadsheet `name` through the office service and tells the clerk where
// it went, or why it could not be written.
void exportTableToSpreadsheet(Services& services, QWidget* screen, QLabel* status, const QString& name,
                              const TextTable& table, const SpreadsheetCaller& caller);
// The same for a workbook of several sheets.
void exportWorkbook(Services& services, QWidget* screen, QLabel* status, const QString& name,
                    const Workbook& book);

class ExportScreen : public FirstShowingDialog {
public:
    // The grid starts with `columns` empty columns.
    ExportScreen(Services& services, const QString& caption, int columns,
                 ControlsMade made = ControlsMade::AtConstruction);

    void makeControls() override;

protected:
    // The screen's own controls (its commands), after the common ones, for a screen made with
    // ControlsMade::OnFirstShow; others make theirs in their constructor.
    virtual void makeOwnControls() {}
    // `views` left to right in the strip (the last one the view shown on opening), then the
    // commands every export screen ends it with: the spreadsheet export of the grid as
    // `fileName`, the word-processor table when the screen has one (`documentTitle`, what the
    // archive is, heads it with the view and the moment), the help and the exit.
    struct Closing {
        QString fileName;
        const SpreadsheetCaller* sheet;
        QString documentTitle; // empty: no word-processor table
        std::function<void()> help;
    };
    void addCommands(std::vector<PictureCommand> views, const Closing& closing);
    // Shows a loaded view; nothing happens for a view that found nothing.
    void showView(const std::optional<TextTable>& table, const std::vector<int>& widths);
    void exportToSpreadsheet(const QString& name, const SpreadsheetCaller& caller);
    void exportToDocument(const QString& name, const QString& title);
    void showEvent(QShowEvent* event) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    Services& services_;
    QGroupBox* grpControlli = nullptr;
    ExportGrid* grdRecords = nullptr;
    QLabel* panInfo = nullptr;
    PictureButtons* buttons_ = nullptr;

private:
    void makeCommonControls();

    const int columns_;
    QString openingView_; // the caption of the view shown on opening
    QString shownView_;   // and of the view shown now
};

} // namespace filmeria
