#pragma once
// The message every screen shows when a record file cannot be opened, created, read or written,
// and those for a record another counter changed or deleted after the screen read it.
#include <QString>

namespace filmeria {

inline const QString kArchiveAccessMessage = QString::fromUtf8(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

inline const QString kChangedMeanwhile = QString::fromUtf8(
    "Attenzione: nel frattempo un'altra postazione ha modificato o eliminato questa scheda in archivio.");
inline const QString kChangedMeanwhileCaption = QStringLiteral("Scheda modificata da un'altra postazione");
inline const QString kSaveAsNewQuestion =
    kChangedMeanwhile +
    QString::fromUtf8("\r\n\r\nLe modifiche non sono state salvate. Si vuole salvare la scheda "
                      "sullo schermo come nuova scheda?");
inline const QString kNotDeletedMeanwhile =
    kChangedMeanwhile + QString::fromUtf8("\r\n\r\nLa scheda non è stata eliminata: viene mostrata la scheda "
                                          "ora presente in archivio.");

} // namespace filmeria
