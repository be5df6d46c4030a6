#include "platform/printing.h"

#include "platform/qt_print_canvas.h"
#include "platform/services.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

namespace filmeria {
namespace {

// A document name as a file name: characters a folder cannot hold become hyphens.
QString fileNameOf(const QString& documentName) {
    QString name = documentName;
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1F]")), QStringLiteral("-"));
    return name.trimmed();
}

void runOn(QPrinter& printer, const QString& documentName, const PrintDrawing& draw) {
    printer.setDocName(documentName);
    QtPrintCanvas canvas(printer);
    draw(canvas); // a failure aborts the job as the canvas goes
}

} // namespace

QPrinterInfo SystemPrinting::defaultPrinter() {
    QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull() && !QPrinterInfo::availablePrinters().isEmpty())
        target = QPrinterInfo::availablePrinters().first();
    return target;
}

SystemPrinting::SystemPrinting(QString folder, const Clock& clock, PrinterLookup lookup)
    : folder_(std::move(folder))
    , clock_(clock)
    , lookup_(std::move(lookup)) {}

std::optional<QString> SystemPrinting::print(const QString& documentName, const PrintDrawing& draw) {
    const QPrinterInfo target = lookup_();
    if (!target.isNull()) {
        QPrinter printer(target, QPrinter::HighResolution);
        runOn(printer, documentName, draw);
        return std::nullopt;
    }
    // No printer installed: the job is kept as a PDF file rather than lost.
    const QString folder = folder_ + QStringLiteral("Stampe");
    if (!QDir().mkpath(folder))
        throw PrintError(
            QStringLiteral("Nessuna stampante installata e impossibile creare la cartella \"%1\"")
                .arg(folder)
                .toStdString());
    const QString path = folder + QLatin1Char('/') + fileNameOf(documentName) + QStringLiteral(" del ") +
                         clock_.now().toString(QStringLiteral("dd-MM-yyyy HH.mm.ss")) +
                         QStringLiteral(".pdf");
    printToPdf(path, documentName, draw);
    return path;
}

void printToPdf(const QString& path, const QString& documentName, const PrintDrawing& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    runOn(printer, documentName, draw);
}

} // namespace filmeria
