#include "screenkit/screen_style.h"

#include <QFontDatabase>
#include <QHash>
#include <QSet>
#include <QWidget>

namespace filmeria::style {

namespace {

// The family the screens' fonts get on this system, chosen once per named family: the named
// one when installed, else the first of its stand-ins that is, else the named one (the
// toolkit then picks). The installed families are listed once: asking the font system about
// each name lists them all every time.
QString installedFamily(const char* family) {
    static QHash<QString, QString> chosen;
    const QString named = QString::fromLatin1(family);
    if (const auto it = chosen.constFind(named); it != chosen.constEnd())
        return *it;
    static const QHash<QString, QStringList> standIns = {
        {QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}},
        {QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}},
        {QStringLiteral("Courier New"),
         {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}},
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
    };
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        for (const QString& name : QFontDatabase::families())
            names.insert(name.toCaseFolded());
        return names;
    }();
    const auto isInstalled = [](const QString& name) { return installed.contains(name.toCaseFolded()); };
    QString family_ = named;
    if (!isInstalled(named)) {
        for (const QString& standIn : standIns.value(named)) {
            if (isInstalled(standIn)) {
                family_ = standIn;
                break;
            }
        }
    }
    chosen.insert(named, family_);
    return family_;
}

} // namespace

QFont font(const char* family, int pointSize, bool bold, bool underline) {
    QFont f(installedFamily(family), pointSize);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour); // children's edit and button texts keep theirs
    widget->setPalette(palette);
}

QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace filmeria::style
