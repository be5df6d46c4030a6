#pragma once
// Office exports as the screens ask for them: the file is written into the Esportazioni
// folder beside the archives under a new name, never over an existing file, and opened with
// the desktop's default application.
#include "core/office_documents.h"

#include <QString>

namespace filmeria {

class Clock;
class Shell;

// Where an export went; `opened` is false when no application took the file.
struct ExportedFile {
    QString path;
    bool opened = false;
};

class Office {
public:
    virtual ~Office() = default;
    // Each throws OfficeError when the file cannot be written. `name` says what the file
    // holds ("Clienti", "Scheda film - Titolo"); the extension is added.
    virtual ExportedFile spreadsheet(const QString& name, const Spreadsheet& sheet) = 0;
    virtual ExportedFile tableDocument(const QString& name, const TextGrid& table) = 0;
    virtual ExportedFile cardDocument(const QString& name, const CardDocument& card) = 0;
};

class DesktopOffice final : public Office {
public:
    DesktopOffice(QString folder, const Clock& clock, Shell& shell);
    ExportedFile spreadsheet(const QString& name, const Spreadsheet& sheet) override;
    ExportedFile tableDocument(const QString& name, const TextGrid& table) override;
    ExportedFile cardDocument(const QString& name, const CardDocument& card) override;

    // A new path in the folder: `name` with characters a file name cannot hold replaced,
    // the date and time when `stamped`, a number when such a file exists already.
    QString newPath(const QString& name, const QString& extension, bool stamped) const;

private:
    ExportedFile written(const QString& path);

    QString folder_;
    const Clock& clock_;
    Shell& shell_;
};

} // namespace filmeria
