#pragma once
// What the screens tell once a file is written or an address handed to the desktop: a file
// that an application opened is named on the status panel; one that nothing opened is named in
// a message that says so; an e-mail or web address that nothing took has its own message.
#include <QString>

class QLabel;
class QWidget;

namespace filmeria {

struct ExportedFile;
struct Services;

enum class WrittenFileKind { Spreadsheet, Document, Pdf };

inline const char* const kMailFailed = "Invio e-mail non riuscito.";

// "Il file è stato salvato in: …" and, when nothing opened it, what the desktop lacks.
QString savedFileText(const QString& path);
QString notOpenedText(WrittenFileKind kind);
// The paragraph added to an export's failure message when its folder cannot be written.
QString folderNotWrittenText(const QString& folder);

// Names the file on `status` when an application opened it, else tells where it is in a message.
void tellWrittenFile(Services& services, QWidget* screen, QLabel* status, const ExportedFile& file,
                     WrittenFileKind kind);

// Hands an e-mail address to the desktop; "Invio e-mail non riuscito." when nothing took it.
void openMailAddress(Services& services, QWidget* screen, const QString& address);
// Hands a web address to the desktop and says so when nothing took it.
void openWebAddress(Services& services, QWidget* screen, const QString& address);

} // namespace filmeria
