#include "screenkit/key_rules.h"

#include "core/text_rules.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/action_guard.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace filmeria {
namespace {

class DigitsOnly final : public QObject {
public:
    DigitsOnly(QLineEdit* field, Dialogs& dialogs, QWidget* screen, QString message,
               std::function<void()> onEnter)
        : QObject(field)
        , dialogs_(dialogs)
        , screen_(screen)
        , message_(std::move(message))
        , onEnter_(std::move(onEnter)) {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (onEnter_)
                runGuarded(dialogs_, screen_, onEnter_);
            return static_cast<bool>(onEnter_);
        }
        const QString text = key->text();
        if (key->key() == Qt::Key_Backspace || text.isEmpty() || text.at(0).unicode() < 0x20 ||
            (text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9')))
            return false;
        dialogs_.information(screen_, message_);
        return true;
    }

private:
    Dialogs& dialogs_;
    QWidget* screen_;
    QString message_;
    std::function<void()> onEnter_;
};

} // namespace

void keepUpperCase(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
        if (text.isEmpty())
            return;
        const QString upper = fromCp1252(asciiUpper(toCp1252(text)));
        if (upper == text)
            return;
        const int caret = field->cursorPosition();
        const QSignalBlocker quiet(field);
        field->setText(upper);
        field->setCursorPosition(caret);
    });
}

void acceptTypedDigitsOnly(QLineEdit* field, Dialogs& dialogs, QWidget* screen, const QString& message,
                           std::function<void()> onEnter) {
    new DigitsOnly(field, dialogs, screen, message, std::move(onEnter));
}

} // namespace filmeria
