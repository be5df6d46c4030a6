#pragma once
// What the screens ask of the desktop. Each service has one real implementation
// (qt_services.h) and a fake for tests (tests/support/fake_services.h).
#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace filmeria {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Plain information box: the application title, the text, one OK button, no icon.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // Yes/No box with its own caption; true unless the answer is No.
    virtual bool confirm(QWidget* parent, const QString& caption, const QString& question) = 0;
    // Refused keystrokes and similar warnings, captioned "Operazione annullata".
    virtual void refusal(QWidget* parent, const QString& text) = 0;
    // The default error report: application title, error icon; the text is already final.
    virtual void errorReport(QWidget* parent, const QString& text) = 0;
    // Shows a dialog modally and returns its result.
    virtual int exec(QDialog& dialog) = 0;
    // The file-open dialog; "" when the operator cancels. Filters in the toolkit's form.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filters) = 0;
};

enum class ShellVerb { Default, Open };

class Shell {
public:
    virtual ~Shell() = default;
    // Hands an address (web, mailto:) or a local file to the desktop. Returns false when the
    // desktop reports that nothing could open it.
    virtual bool open(const QString& target, ShellVerb verb) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QDateTime now() const = 0;
};

class Office;
class Printing;

struct Services {
    Dialogs& dialogs;
    Shell& shell;
    Clock& clock;
    Printing& printing;
    Office& office;
    QString folder;             // the program's folder, with its trailing separator
    std::function<void()> quit; // asks the application to terminate
};

} // namespace filmeria
