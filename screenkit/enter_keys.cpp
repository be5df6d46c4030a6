#include "screenkit/enter_keys.h"

#include "screenkit/action_guard.h"

#include <QKeyEvent>
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

} // namespace

void chainOnEnter(const std::vector<QWidget*>& fields) {
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
        QWidget* next = fields[i + 1];
        replaceEnterAction(fields[i], [next] { next->setFocus(Qt::TabFocusReason); });
    }
}

void onEnter(QWidget* field, Dialogs& dialogs, std::function<void()> action) {
    replaceEnterAction(field, [field, &dialogs, action = std::move(action)] {
        runGuarded(dialogs, field->window(), action);
    });
}

} // namespace filmeria
