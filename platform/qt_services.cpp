#include "platform/qt_services.h"

#include "platform/qt_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace filmeria {
namespace {

int showBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, displayText(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    // The answers are the program's own words, whatever the system's language.
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(QString::fromUtf8("Sì"));
    if (QAbstractButton* no = box.button(QMessageBox::No))
        no->setText(QStringLiteral("No"));
    return box.exec();
}

} // namespace

void QtDialogs::information(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

bool QtDialogs::confirm(QWidget* parent, const QString& caption, const QString& question) {
    return showBox(parent, QMessageBox::NoIcon, caption, question, QMessageBox::Yes | QMessageBox::No) !=
           QMessageBox::No;
}

void QtDialogs::refusal(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::NoIcon, QStringLiteral("Operazione annullata"), text, QMessageBox::Ok);
}

void QtDialogs::errorReport(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

int QtDialogs::exec(QDialog& dialog) {
    return dialog.exec();
}

QString QtDialogs::openFile(QWidget* parent, const QString& title, const QString& filters) {
    // The toolkit's own dialog, so it speaks the program's Italian on every desktop.
    return QFileDialog::getOpenFileName(parent, title, QString(), filters, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

bool DesktopShell::open(const QString& target, ShellVerb) {
    // A local file goes by path; anything with a scheme is already an address.
    const QUrl url = QFileInfo(target).isAbsolute() ? QUrl::fromLocalFile(target) : QUrl(target);
    return QDesktopServices::openUrl(url);
}

QDate SystemClock::today() const {
    return QDate::currentDate();
}

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

} // namespace filmeria
