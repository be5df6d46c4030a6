#pragma once
// The message every screen shows when a record file cannot be opened, created, read or written.
#include <QString>

namespace filmeria {

inline const QString kArchiveAccessMessage = QString::fromUtf8(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

} // namespace filmeria
