#pragma once
// Printing: one job at a time on the system's default printer (CUPS, through Qt Print
// Support), or on a PDF file. The drawing of every printout goes through the same canvas.
#include "core/print_canvas.h"

#include <QPrinterInfo>
#include <QString>

#include <functional>
#include <optional>

namespace filmeria {

class Clock;

using PrintDrawing = std::function<void(PrintCanvas&)>;

class Printing {
public:
    virtual ~Printing() = default;
    // Runs one job named `documentName`. When no printer is installed, the job is written
    // as a PDF file instead and its path returned. A failure ends the job (nothing half-sent
    // stays behind) and is thrown on: a PrintError from the printer, or the drawing's own.
    virtual std::optional<QString> print(const QString& documentName, const PrintDrawing& draw) = 0;
};

// The system's default printer; with none installed, PDF files in `folder` + "Stampe/", named
// after the document and the moment of printing, a number added when such a file exists
// ("Scheda noleggio 12 del 05-03-2009 - stampa del 10-12-2026 17.42.10.pdf", then "… (2).pdf"):
// a printout never overwrites another.
class SystemPrinting final : public Printing {
public:
    // The printer a job goes to; a null one when none is installed.
    using PrinterLookup = std::function<QPrinterInfo()>;
    static QPrinterInfo defaultPrinter();

    SystemPrinting(QString folder, const Clock& clock, PrinterLookup lookup = defaultPrinter);
    std::optional<QString> print(const QString& documentName, const PrintDrawing& draw) override;

private:
    QString folder_;
    const Clock& clock_;
    PrinterLookup lookup_;
};

// The same drawing into a PDF file at 600 dots per inch on A4 with no margins.
void printToPdf(const QString& path, const QString& documentName, const PrintDrawing& draw);

} // namespace filmeria
