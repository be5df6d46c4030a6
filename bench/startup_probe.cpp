// Start-up probe: the program's own start-up (application, services, all 25 screens, the
// login window shown) that reports the moment the login window is exposed and quits.
// bench/startup_compare.sh times it from process start.
#include "app/Password.h"
#include "app/application.h"
#include "app/screen_set.h"
#include "exposed_report.h"
#include "platform/office.h"
#include "platform/printing.h"
#include "platform/qt_services.h"

int main(int argc, char* argv[]) {
    filmeria::Application app(argc, argv);
    filmeria::QtDialogs dialogs;
    filmeria::DesktopShell shell;
    filmeria::SystemClock clock;
    filmeria::SystemPrinting printing(filmeria::Application::programFolder(), clock);
    filmeria::DesktopOffice office(filmeria::Application::programFolder(), clock, shell);
    filmeria::Services services{
        dialogs, shell, clock, printing, office, filmeria::Application::programFolder(), [] {}};
    filmeria::ScreenSet screens(services);
    auto& login = screens.password();
    login.show();
    filmeria::bench::reportWhenExposed(login);
    return app.exec();
}
