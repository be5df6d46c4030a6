#include "screenkit/enter_keys.h"

#include "screenkit/action_guard.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <vector>

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
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (event->type() == QEvent::KeyRelease) {
            lastRelease_ = key->timestamp();
            return false;
        }
        // The keyboard repeats a held key as a release and a press stamped with the same moment;
        // on a busy machine the toolkit may read the release alone and take the press as new.
        if (key->isAutoRepeat() || (lastRelease_ != 0 && key->timestamp() == lastRelease_))
            return true;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(receiver);
        if (!button || !button->isEnabled() || !button->hasFocus())
            return false;
        button->click();
        return true;
    }

private:
    quint64 lastRelease_ = 0;
};

bool isEnterPress(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat();
}

// Enter in a box's open list (its drop-down or the list of completions shown while typing)
// chooses the line, as the list itself does, and then acts as Enter in the box once the list
// has closed: one press chooses and moves on. The lists are watched from the box's first focus,
// so a box never shown makes none.
class ListEnterFilter final : public QObject {
public:
    explicit ListEnterFilter(QComboBox* box)
        : QObject(box)
        , box_(box)
        , edit_(box->lineEdit()) {
        box->installEventFilter(this);
        if (edit_)
            edit_->installEventFilter(this);
    }

    // Only pointers are compared here: events still come while the box is being destroyed.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == box_ || (edit_ && watched == edit_)) {
            if (event->type() == QEvent::FocusIn && lists_.empty())
                watchLists();
        } else if (isEnterPress(event) && isList(watched)) {
            // The list may see the key before or after it closes itself on it.
            if (static_cast<QWidget*>(watched)->window()->isVisible())
                enterChose_ = true;
            else
                moveOn();
        } else if (event->type() == QEvent::Hide && enterChose_ && isListWindow(watched)) {
            enterChose_ = false;
            moveOn();
        }
        return false;
    }

private:
    // Once the list has given the focus back to the box, Enter goes on from there.
    void moveOn() {
        QTimer::singleShot(0, box_, [box = box_] {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(box, &enter);
        });
    }
    void watchLists() {
        lists_.push_back(box_->view());
        if (QCompleter* completer = box_->completer())
            lists_.push_back(completer->popup());
        for (QAbstractItemView* list : lists_) {
            list->installEventFilter(this);
            if (list->window() != list)
                list->window()->installEventFilter(this);
        }
    }
    bool isList(const QObject* watched) const {
        return std::any_of(lists_.begin(), lists_.end(),
                           [watched](const auto& list) { return list == watched; });
    }
    bool isListWindow(const QObject* watched) const {
        return std::any_of(lists_.begin(), lists_.end(),
                           [watched](const auto& list) { return list && watched == list->window(); });
    }

    QComboBox* box_;
    QLineEdit* edit_;
    std::vector<QPointer<QAbstractItemView>> lists_;
    bool enterChose_ = false;
};

bool watchesItsLists(const QComboBox* box) {
    for (const QObject* child : box->children())
        if (dynamic_cast<const ListEnterFilter*>(child))
            return true;
    return false;
}

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
        if (auto* box = qobject_cast<QComboBox*>(fields[i]); box && !watchesItsLists(box))
            new ListEnterFilter(box);
    }
}

void onEnter(QWidget* field, Dialogs& dialogs, std::function<void()> action) {
    replaceEnterAction(field, [field, &dialogs, action = std::move(action)] {
        runGuarded(dialogs, field->window(), action);
    });
}

} // namespace filmeria
