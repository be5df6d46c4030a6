// Filmeria Pro: entry point.
#include "app/Password.h"
#include "app/application.h"
#include "app/screen_set.h"
#include "platform/office.h"
#include "platform/printing.h"
#include "platform/qt_services.h"

int main(int argc, char* argv[]) {
    filmeria::Application app(argc, argv);
    filmeria::QtDialogs dialogs;
    app.useDialogs(dialogs);
    filmeria::DesktopShell shell;
    filmeria::SystemClock clock;
    const QString folder = filmeria::Application::dataFolder(argc, argv, dialogs);
    filmeria::SystemPrinting printing(folder, clock);
    filmeria::DesktopOffice office(folder, clock, shell);
    filmeria::Services services{
        dialogs, shell, clock, printing, office, folder, [] { filmeria::Application::quit(); }};
    filmeria::ScreenSet screens(services);
    screens.password().show();
    return app.exec();
}
