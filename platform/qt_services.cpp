#include "platform/qt_services.h"

#include "platform/qt_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>

#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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
    showBox(parent, QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok);
}

bool QtDialogs::confirm(QWidget* parent, const QString& caption, const QString& question) {
    return showBox(parent, QMessageBox::NoIcon, caption, question, QMessageBox::Yes | QMessageBox::No) !=
           QMessageBox::No;
}

void QtDialogs::refusal(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::NoIcon, QStringLiteral("Operazione annullata"), text, QMessageBox::Ok);
}

void QtDialogs::errorReport(QWidget* parent, const QString& text) {
    showBox(parent, QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok);
}

int QtDialogs::exec(QDialog& dialog) {
    return dialog.exec();
}

QString QtDialogs::openFile(QWidget* parent, const QString& title, const QString& filters) {
    // The toolkit's own dialog, so it speaks the program's Italian on every desktop; wide enough
    // for the details of every file, each column as wide as its heading and its entries.
    QFileDialog dialog(parent, title, QString(), filters);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(760, 480);
    if (auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = list->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool DesktopShell::open(const QString& target, ShellVerb) {
    // A local file goes by path; anything with a scheme is an address, percent-encoded where a
    // raw character would change its meaning.
    const bool file = QFileInfo(target).isAbsolute();
    if (file && !QFileInfo(target).isFile())
        return false;
    const QString argument = file ? target : QString::fromLatin1(QUrl(target).toEncoded());

    // Earlier openings whose application has ended since are collected.
    std::erase_if(running_, [](int pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });

    // A process of its own, not the toolkit's: an application still running in it when the
    // program ends keeps running.
    posix_spawn_file_actions_t streams;
    posix_spawn_file_actions_init(&streams);
    for (const int fd : {0, 1, 2})
        posix_spawn_file_actions_addopen(&streams, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    const QByteArray program = QByteArrayLiteral("xdg-open");
    const QByteArray encoded = file ? QFile::encodeName(argument) : argument.toUtf8();
    char* arguments[] = {const_cast<char*>(program.constData()), const_cast<char*>(encoded.constData()),
                         nullptr};
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, "xdg-open", &streams, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&streams);
    if (spawned != 0)
        return false; // no xdg-open on this machine: nothing can open the target

    // Waits with the screen painting (keys and clicks wait) until xdg-open ends or settles.
    int status = 0;
    pid_t ended = 0;
    QEventLoop waiting;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &waiting, [&] {
        ended = ::waitpid(pid, &status, WNOHANG);
        if (ended != 0)
            waiting.quit();
    });
    QTimer::singleShot(settleMilliseconds_, &waiting, &QEventLoop::quit);
    ended = ::waitpid(pid, &status, WNOHANG);
    if (ended == 0) {
        poll.start(20);
        waiting.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (ended == 0) {
        running_.push_back(pid); // an application has the target, in the foreground of xdg-open
        return true;
    }
    return ended == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

QDate SystemClock::today() const {
    return QDate::currentDate();
}

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

} // namespace filmeria
