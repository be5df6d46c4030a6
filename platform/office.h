#pragma once
// Office exports as the screens ask for them: the file is written into the Esportazioni
// folder beside the archives under a new name, never over an existing file, and opened with
// the desktop's default application.
#include "core/office_documents.h"
#include "platform/office_files.h"

#include <QString>

#include <functional>

namespace filmeria {

class Clock;
class Shell;

// Where an export went; `opened` is false when no application took the file.
struct ExportedFile {
    QString path;
    bool opened = false;
};

// The export could not be written into its folder (it cannot be made, is not a folder, is
// read-only or full); `folder` names it.
class ExportFolderError : public OfficeError {
public:
    ExportFolderError(QString folder, const std::string& why)
        : OfficeError(why)
        , folder_(std::move(folder)) {}
    const QString& folder() const { return folder_; }

private:
    QString folder_;
};

class Office {
public:
    virtual ~Office() = default;
    // Each throws ExportFolderError when the file cannot be written into the export folder,
    // OfficeError when the program cannot write such files at all. `name` says what the file
    // holds ("Clienti", "Scheda film - Titolo"); the extension is added.
    virtual ExportedFile spreadsheet(const QString& name, const Spreadsheet& sheet) = 0;
    virtual ExportedFile workbook(const QString& name, const Workbook& book) = 0;
    virtual ExportedFile tableDocument(const QString& name, const TableDocument& table) = 0;
    virtual ExportedFile cardDocument(const QString& name, const CardDocument& card) = 0;
};

class DesktopOffice final : public Office {
public:
    DesktopOffice(QString folder, const Clock& clock, Shell& shell);
    ExportedFile spreadsheet(const QString& name, const Spreadsheet& sheet) override;
    ExportedFile workbook(const QString& name, const Workbook& book) override;
    ExportedFile tableDocument(const QString& name, const TableDocument& table) override;
    ExportedFile cardDocument(const QString& name, const CardDocument& card) override;

    // A new path in the folder: `name` with characters a file name cannot hold replaced,
    // the date and time when `stamped`, a number when such a file exists already.
    QString newPath(const QString& name, const QString& extension, bool stamped) const;

private:
    using Writer = std::function<void(const std::string& path)>;
    ExportedFile write(const QString& name, const QString& extension, bool stamped, const Writer& writer);

    QString folder_;
    const Clock& clock_;
    Shell& shell_;
};

} // namespace filmeria
