#include "screenkit/enter_keys.h"

#include "screenkit/action_guard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace filmeria {
namespace {

class EnterFilter final : public QObject {
public:
    EnterFilter(QWidget* field, std::function<void()> action)
        : QObject(field)
        , action_(std::move(action)) {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        action_();
        return true;
    }

private:
    std::function<void()> action_;
};

void replaceEnterAction(QWidget* field, std::function<void()> action) {
    // A later declaration of the same field's Enter replaces the earlier one.
    for (QObject* child : field->children()) {
        if (dynamic_cast<EnterFilter*>(child)) {
            delete child;
            break;
        }
    }
    new EnterFilter(field, std::move(action));
}

// Presses the focused push button that receives Enter. A held Enter acts once: the keyboard's
// repeats would close the message the first press raised and press the button again, and again.
class ButtonEnterFilter final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (key->isAutoRepeat())
            return true;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(receiver);
        if (!button || !button->isEnabled() || !button->hasFocus())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void focusByKeyboard(QWidget* next) {
    next->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    next->setFocus(Qt::TabFocusReason);
}

void pressButtonsOnEnter() {
    static ButtonEnterFilter* filter = nullptr;
    if (!filter) {
        filter = new ButtonEnterFilter(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
    }
}

void chainOnEnter(const std::vector<QWidget*>& fields) {
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
        QWidget* next = fields[i + 1];
        replaceEnterAction(fields[i], [next] { focusByKeyboard(next); });
    }
}

void onEnter(QWidget* field, Dialogs& dialogs, std::function<void()> action) {
    replaceEnterAction(field, [field, &dialogs, action = std::move(action)] {
        runGuarded(dialogs, field->window(), action);
    });
}

} // namespace filmeria
