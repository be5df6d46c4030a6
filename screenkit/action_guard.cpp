#include "screenkit/action_guard.h"

#include "core/text_rules.h"
#include "platform/services.h"

#include <QAbstractButton>

#include <stdexcept>

namespace filmeria {

QString reportText(const QString& message) {
    return QString::fromStdString(withReportFullStop(message.toStdString()));
}

void reportException(Dialogs& dialogs, QWidget* parent, const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const SilentAbort&) {
        // Ends the action by design, without a report.
    } catch (const std::exception& e) {
        dialogs.errorReport(parent, reportText(QString::fromUtf8(e.what())));
    } catch (...) {
        dialogs.errorReport(parent, reportText(QStringLiteral("Errore sconosciuto")));
    }
}

void runGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& action) {
    try {
        action();
    } catch (...) {
        reportException(dialogs, parent, std::current_exception());
    }
}

void onClick(QAbstractButton* button, Dialogs& dialogs, std::function<void()> action) {
    QObject::connect(
        button, &QAbstractButton::clicked, button,
        [button, &dialogs, action = std::move(action)] { runGuarded(dialogs, button->window(), action); });
}

} // namespace filmeria
