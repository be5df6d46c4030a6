#include "screenkit/print_job.h"

#include "core/list_printout.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/busy_cursor.h"
#include "screenkit/desktop_outcome.h"

namespace filmeria {

void runPrintJob(Services& services, QWidget* screen, const QString& documentName, const PrintDrawing& draw) {
    std::optional<QString> savedAs;
    {
        BusyCursor busy;
        savedAs = services.printing.print(documentName, draw);
    }
    if (!savedAs)
        return;
    bool opened = false;
    {
        BusyCursor busy;
        opened = services.shell.open(*savedAs, ShellVerb::Open);
    }
    QString told =
        QString::fromUtf8("Nessuna stampante è installata: la stampa è stata salvata nel file\r\n\r\n") +
        *savedAs;
    if (!opened)
        told += QStringLiteral("\r\n\r\n") + notOpenedText(WrittenFileKind::Pdf);
    services.dialogs.information(screen, told);
}

void printResultList(Services& services, QWidget* screen, const LineList& lines, const QString& question,
                     const QString& title, PageOrientation orientation) {
    if (lines.empty()) {
        services.dialogs.information(screen, QString::fromUtf8(kPrintListEmpty));
        return;
    }
    if (!services.dialogs.confirm(screen, QString::fromUtf8(kPrintConfirmCaption), question))
        return;
    const PrintMoment now = [&services] {
        const QDateTime moment = services.clock.now();
        return std::pair{moment.toString(QStringLiteral("dd/MM/yyyy")).toStdString(),
                         moment.toString(QStringLiteral("HH:mm:ss")).toStdString()};
    };
    runPrintJob(services, screen, title,
                [&](PrintCanvas& canvas) { printList(canvas, lines, toCp1252(title), orientation, now); });
}

} // namespace filmeria
