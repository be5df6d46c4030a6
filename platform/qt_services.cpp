#include "platform/qt_services.h"

#include "platform/qt_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
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
    // A local file goes by path; anything with a scheme is an address, percent-encoded where a
    // raw character would change its meaning.
    const bool file = QFileInfo(target).isAbsolute();
    if (file && !QFileInfo(target).isFile())
        return false;
    const QString argument = file ? target : QString::fromLatin1(QUrl(target).toEncoded());

    // Not parented: an application still running when the program ends keeps running.
    auto* process = new QProcess;
    process->setProgram(QStringLiteral("xdg-open"));
    process->setArguments({argument});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted()) {
        delete process; // no xdg-open on this machine: nothing can open the target
        return false;
    }
    QEventLoop waiting;
    QObject::connect(process, &QProcess::finished, &waiting, &QEventLoop::quit);
    QTimer::singleShot(settleMilliseconds_, &waiting, &QEventLoop::quit);
    if (process->state() != QProcess::NotRunning)
        waiting.exec(QEventLoop::ExcludeUserInputEvents);
    if (process->state() != QProcess::NotRunning) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return true;
    }
    const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return opened;
}

QDate SystemClock::today() const {
    return QDate::currentDate();
}

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

} // namespace filmeria
