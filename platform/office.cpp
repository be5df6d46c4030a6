#include "platform/office.h"

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
        throw OfficeError("cannot create the folder '" + folder.toStdString() + "'");
    QString base = name;
    base.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1F]")), QStringLiteral("-"));
    base = base.trimmed();
    if (stamped)
        base += QLatin1Char(' ') + clock_.now().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"));
    QString path = folder + QLatin1Char('/') + base + QLatin1Char('.') + extension;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder + QLatin1Char('/') + base + QStringLiteral(" (%1).").arg(n) + extension;
    return path;
}

ExportedFile DesktopOffice::written(const QString& path) {
    return {path, shell_.open(path, ShellVerb::Open)};
}

ExportedFile DesktopOffice::spreadsheet(const QString& name, const Spreadsheet& sheet) {
    const QString path = newPath(name, QStringLiteral("xlsx"), true);
    writeSpreadsheet(path.toStdString(), sheet);
    return written(path);
}

ExportedFile DesktopOffice::tableDocument(const QString& name, const TextGrid& table) {
    const QString path = newPath(name, QStringLiteral("docx"), true);
    writeTableDocument(path.toStdString(), table);
    return written(path);
}

ExportedFile DesktopOffice::cardDocument(const QString& name, const CardDocument& card) {
    const QString path = newPath(name, QStringLiteral("docx"), false);
    writeCardDocument(path.toStdString(), card);
    return written(path);
}

} // namespace filmeria
