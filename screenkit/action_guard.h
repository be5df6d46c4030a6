#pragma once
// Every handler runs inside one guard: an exception it does not handle ends the action
// and reaches the default error report; it never crosses the event loop.
#include <QString>

#include <exception>
#include <functional>

class QAbstractButton;
class QWidget;

namespace filmeria {

class Dialogs;

// Raised to end an action without any report.
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "silent abort"; }
};

// The text the default error report shows for a message: '.' added when its last
// character sorts after '.'.
QString reportText(const QString& message);

void reportException(Dialogs& dialogs, QWidget* parent, const std::exception_ptr& error);
void runGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& action);

// A button's click runs `action` inside the guard, reported over the button's window: the click
// counterpart of onEnter.
void onClick(QAbstractButton* button, Dialogs& dialogs, std::function<void()> action);

} // namespace filmeria
