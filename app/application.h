#pragma once
// The application object: title, style, resources, and the last-resort guard that turns an
// exception escaping an event handler into the default error report.
#include <QApplication>

namespace filmeria {

class Dialogs;

class Application final : public QApplication {
public:
    Application(int& argc, char** argv);

    void useDialogs(Dialogs& dialogs) { dialogs_ = &dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

    // The executable's folder with its trailing separator.
    static QString programFolder();
    // The data folder for this run, with its trailing separator (see chooseDataFolder), made
    // ready; one that cannot be made or written is reported once with the archive access
    // message, and the program still opens on it (reading works).
    static QString dataFolder(int argc, const char* const* argv, Dialogs& dialogs);

private:
    Dialogs* dialogs_ = nullptr;
};

// Numbers in the C locale, application title, style and embedded resources; shared by the
// program and the tests.
void setUpApplication();

} // namespace filmeria
