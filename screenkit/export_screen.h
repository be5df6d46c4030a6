#pragma once
// The shape of the three archive export screens: a strip of picture buttons along the top,
// the export grid below it and the status panel at the bottom; the grid goes to a
// spreadsheet or a word-processor table as it is shown.
#include "core/grid_export.h"
#include "screenkit/controls.h"

#include <QDialog>

#include <vector>

class QGroupBox;
class QLabel;

namespace filmeria {

class ExportGrid;
class PictureButtons;
struct Services;

inline const char* const kSpreadsheetFailed =
    "Si è verificato un errore durante l'esportazione dei dati in Excel.\r\n\r\nAccertarsi che un programma "
    "per i fogli di calcolo (ad esempio LibreOffice) sia installato sul proprio computer.";
inline const char* const kDocumentFailed =
    "Attenzione: il sistema non consente di creare il file di Microsoft Word.\n\r\n\rEsportazione dati non "
    "riuscita.";

class ExportScreen : public QDialog {
public:
    // `commands` left to right in the strip; the grid starts with `columns` empty columns.
    ExportScreen(Services& services, const QString& caption, int columns);

protected:
    void addCommands(const std::vector<PictureCommand>& commands);
    // Shows a loaded view; nothing happens for a view that found nothing.
    void showView(const std::optional<TextTable>& table, const std::vector<int>& widths);
    void exportToSpreadsheet(const QString& name, const SpreadsheetCaller& caller);
    void exportToDocument(const QString& name);

    bool eventFilter(QObject* watched, QEvent* event) override;

    Services& services_;
    QGroupBox* grpControlli;
    ExportGrid* grdRecords;
    QLabel* panInfo;
    PictureButtons* buttons_;
};

} // namespace filmeria
