#include "app/application.h"

#include "core/posix_file.h"

#include "core/text_rules.h"
#include "platform/translations.h"
#include "screenkit/action_guard.h"
#include "screenkit/enter_keys.h"

#include <QStyleFactory>

static void initResources() {
    Q_INIT_RESOURCE(filmeria);
}

namespace filmeria {

void setUpApplication() {
    initResources();
    QApplication::setApplicationName(QStringLiteral("Filmeria Pro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Filmeria Pro"));
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

QString Application::programFolder() {
    return QString::fromStdString(folderOfExecutable(applicationFilePath().toStdString()));
}

} // namespace filmeria
