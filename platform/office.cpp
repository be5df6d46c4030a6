#include "platform/office.h"

#include "platform/file_moment.h"
#include "platform/office_files.h"
#include "platform/services.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace filmeria {

DesktopOffice::DesktopOffice(QString folder, const Clock& clock, Shell& shell)
    : folder_(std::move(folder))
    , clock_(clock)
    , shell_(shell) {}

QString DesktopOffice::newPath(const QString& name, const QString& extension, bool stamped) const {
    const QString folder = folder_ + QStringLiteral("Esportazioni");
    if (!QDir().mkpath(folder))
        throw ExportFolderError(folder, "cannot create the folder '" + folder.toStdString() + "'");
    if (!QFileInfo(folder).isWritable())
        throw ExportFolderError(folder, "the folder '" + folder.toStdString() + "' cannot be written");
    QString base = name;
    base.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1F]")), QStringLiteral("-"));
    base = base.trimmed();
    if (stamped)
        base += QLatin1Char(' ') + momentInFileName(clock_.now());
    QString path = folder + QLatin1Char('/') + base + QLatin1Char('.') + extension;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder + QLatin1Char('/') + base + QStringLiteral(" (%1).").arg(n) + extension;
    return path;
}

ExportedFile DesktopOffice::write(const QString& name, const QString& extension, bool stamped,
                                  const Writer& writer) {
    loadOfficeWriters(); // a program that cannot write such files at all is not the folder's fault
    const QString path = newPath(name, extension, stamped);
    try {
        writer(path.toStdString());
    } catch (const OfficeError& e) {
        throw ExportFolderError(QFileInfo(path).absolutePath(), e.what());
    }
    return {path, shell_.open(path, ShellVerb::Open)};
}

ExportedFile DesktopOffice::spreadsheet(const QString& name, const Spreadsheet& sheet) {
    return write(name, QStringLiteral("xlsx"), true,
                 [&](const std::string& path) { writeSpreadsheet(path, sheet); });
}

ExportedFile DesktopOffice::workbook(const QString& name, const Workbook& book) {
    return write(name, QStringLiteral("xlsx"), true,
                 [&](const std::string& path) { writeWorkbook(path, book); });
}

ExportedFile DesktopOffice::tableDocument(const QString& name, const TableDocument& table) {
    return write(name, QStringLiteral("docx"), true,
                 [&](const std::string& path) { writeTableDocument(path, table); });
}

ExportedFile DesktopOffice::cardDocument(const QString& name, const CardDocument& card) {
    return write(name, QStringLiteral("docx"), false,
                 [&](const std::string& path) { writeCardDocument(path, card); });
}

} // namespace filmeria
