#include "app/application.h"

#include "core/data_folder.h"
#include "core/posix_file.h"
#include "core/store_swap.h"
#include "platform/numeric_locale.h"
#include "platform/services.h"
#include "screenkit/archive_message.h"

#include "core/text_rules.h"
#include "platform/translations.h"
#include "screenkit/action_guard.h"
#include "screenkit/enter_keys.h"

#include <QIcon>
#include <QStyleFactory>

#include <malloc.h>
#include <unistd.h>

static void initResources() {
    Q_INIT_RESOURCE(filmeria);
}

namespace filmeria {

void setUpApplication() {
    // A result list of a large store is hundreds of megabytes: blocks of a megabyte or more
    // are mapped on their own, so clearing a list gives its memory back at once and the tenth
    // search of the day peaks where the first did (the allocator's sliding threshold would
    // otherwise keep freed lists in the heap).
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    keepNumbersInCLocale();
    initResources();
    // The application's name is the message boxes' title and the windows' class (the desktop
    // entry's StartupWMClass). No display name: the toolkit would append it to every caption.
    QApplication::setApplicationName(QStringLiteral("Filmeria Pro"));
    QGuiApplication::setDesktopFileName(QStringLiteral("filmeria-pro"));
    QIcon reel;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        reel.addFile(QStringLiteral(":/icons/filmeria-pro-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(reel);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    installItalianTranslations();
    pressButtonsOnEnter();
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv) {
    ignoreFileSizeSignal();
    setUpApplication();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (dialogs_)
            reportException(*dialogs_, activeWindow(), std::current_exception());
        return false;
    }
}

QString Application::dataFolder(int argc, const char* const* argv, Dialogs& dialogs) {
    const std::string executable = programFolder().toStdString();
    const DataFolderChoice choice =
        chooseDataFolder(systemDataFolderEnvironment(folderOption(argc, argv), executable));
    // The initial password file and the guide: installed as shared data, or beside the program.
    const std::string installed = executable + "../share/filmeria-pro/";
    const std::string shared = ::access(installed.c_str(), R_OK | X_OK) == 0 ? installed : executable;
    try {
        prepareDataFolder(choice, shared);
        // A restore interrupted by a crash is finished before anything reads the store.
        if (finishInterruptedSwap(choice.folder))
            dialogs.information(nullptr,
                                QString::fromUtf8("Il ripristino di una copia di sicurezza, interrotto in "
                                                  "precedenza, è stato completato."));
    } catch (const ArchiveError&) {
        dialogs.information(nullptr, kArchiveAccessMessage);
    }
    return QString::fromStdString(choice.folder);
}

QString Application::programFolder() {
    return QString::fromStdString(folderOfExecutable(applicationFilePath().toStdString()));
}

} // namespace filmeria
