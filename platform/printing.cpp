#include "platform/printing.h"

#include "platform/cups_queue.h"
#include "platform/file_moment.h"
#include "platform/qt_print_canvas.h"
#include "platform/services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include <algorithm>

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

// A PDF written to its end: its last kilobyte holds the end-of-file marker.
bool pdfIsWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 64)
        return false;
    file.seek(std::max<qint64>(0, file.size() - 1024));
    return file.readAll().contains("%%EOF");
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
        const CupsQueue queue(target.printerName().toStdString());
        if (queue.refusal())
            throw PrintError(*queue.refusal());
        QPrinter printer(target, QPrinter::HighResolution);
        runOn(printer, documentName, draw);
        if (const auto refused = queue.sentJobRefusal())
            throw PrintError(*refused);
        return std::nullopt;
    }
    // No printer installed: the job is kept as a PDF file rather than lost.
    const QString folder = folder_ + QStringLiteral("Stampe");
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable())
        throw PrintError(
            QStringLiteral("Nessuna stampante installata e impossibile scrivere nella cartella \"%1\"")
                .arg(folder)
                .toStdString());
    const QString base = folder + QLatin1Char('/') + fileNameOf(documentName) +
                         QStringLiteral(" - stampa del ") + momentInFileName(clock_.now());
    // The name is taken by creating the file, so two counters printing at the same moment
    // never write into one file.
    QString path = base + QStringLiteral(".pdf");
    for (int n = 2; !QFile(path).open(QIODevice::WriteOnly | QIODevice::NewOnly); ++n) {
        if (!QFileInfo::exists(path) || n > 999)
            throw PrintError(QStringLiteral("Impossibile creare il file \"%1\"").arg(path).toStdString());
        path = base + QStringLiteral(" (%1).pdf").arg(n);
    }
    try {
        printToPdf(path, documentName, draw);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
    return path;
}

void printToPdf(const QString& path, const QString& documentName, const PrintDrawing& draw) {
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        try {
            runOn(printer, documentName, draw);
        } catch (...) {
            QFile::remove(path);
            throw;
        }
    }
    // The toolkit reports no failed write (a full disk): a file without its end is no printout.
    if (!pdfIsWhole(path)) {
        QFile::remove(path);
        throw PrintError(QStringLiteral("Impossibile scrivere il file \"%1\": spazio esaurito sul disco o "
                                        "cartella non scrivibile")
                             .arg(path)
                             .toStdString());
    }
}

} // namespace filmeria
