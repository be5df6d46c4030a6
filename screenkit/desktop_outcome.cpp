#include "screenkit/desktop_outcome.h"

#include "platform/office.h"
#include "platform/services.h"
#include "screenkit/busy_cursor.h"

#include <QLabel>

namespace filmeria {

QString savedFileText(const QString& path) {
    return QString::fromUtf8("Il file è stato salvato in:\r\n") + path;
}

QString notOpenedText(WrittenFileKind kind) {
    QString program;
    switch (kind) {
    case WrittenFileKind::Spreadsheet:
        program = QStringLiteral("un programma per i fogli di calcolo (ad esempio LibreOffice)");
        break;
    case WrittenFileKind::Document:
        program = QStringLiteral("un programma di videoscrittura (ad esempio LibreOffice)");
        break;
    case WrittenFileKind::Pdf:
        program = QStringLiteral("un programma per visualizzare i file PDF");
        break;
    }
    return QString::fromUtf8("Nessun programma del sistema ha aperto il file: accertarsi che ") + program +
           QString::fromUtf8(" sia installato sul proprio computer.");
}

QString folderNotWrittenText(const QString& folder) {
    return QString::fromUtf8("\r\n\r\nNon è stato possibile scrivere il file nella cartella:\r\n") + folder +
           QString::fromUtf8(
               "\r\n\r\nAccertarsi che la cartella esista, che sia possibile scrivervi e che il "
               "disco non sia pieno.");
}

void tellWrittenFile(Services& services, QWidget* screen, QLabel* status, const ExportedFile& file,
                     WrittenFileKind kind) {
    if (file.opened) {
        if (status)
            status->setText(QLatin1Char(' ') +
                            savedFileText(file.path).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
        return;
    }
    services.dialogs.information(screen,
                                 savedFileText(file.path) + QStringLiteral("\r\n\r\n") + notOpenedText(kind));
}

void openMailAddress(Services& services, QWidget* screen, const QString& address) {
    bool opened = false;
    {
        BusyCursor busy;
        opened = services.shell.open(address, ShellVerb::Open);
    }
    if (!opened)
        services.dialogs.information(screen, QString::fromUtf8(kMailFailed));
}

void openWebAddress(Services& services, QWidget* screen, const QString& address) {
    bool opened = false;
    {
        BusyCursor busy;
        opened = services.shell.open(address, ShellVerb::Open);
    }
    if (!opened)
        services.dialogs.information(
            screen, QString::fromUtf8("Nessun programma del sistema ha aperto l'indirizzo:\r\n") + address +
                        QString::fromUtf8("\r\n\r\nAccertarsi che un browser Web sia installato sul proprio "
                                          "computer."));
}

} // namespace filmeria
