#include "screenkit/amount_fields.h"

#include "core/money_text.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/field_highlight.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace filmeria {
namespace {

class AmountFilter final : public QObject {
public:
    AmountFilter(QLineEdit* field, AmountKind kind, Dialogs& dialogs, QWidget* screen)
        : QObject(field)
        , field_(field)
        , kind_(kind)
        , dialogs_(dialogs)
        , screen_(screen) {
        field->installEventFilter(this);
    }

    void settle() const { normaliseAmountField(field_, kind_); }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            if (leavesTheField(static_cast<QFocusEvent*>(event)))
                normaliseAmountField(field_, kind_);
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        char32_t typed = 0;
        if (key->key() == Qt::Key_Backspace)
            typed = U'\b';
        else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            typed = U'\r';
        else if (!key->text().isEmpty() && key->text().at(0).unicode() >= 0x20)
            typed = key->text().at(0).unicode();
        else
            return false; // navigation and shortcuts are not characters
        const KeyDecision decision = AmountKeyFilter(toCp1252(field_->text()), typed);
        if (decision.verdict == KeyDecision::Accept)
            return false;
        dialogs_.refusal(screen_, QString::fromUtf8(decision.message));
        if (decision.newText)
            field_->setText(QString::fromStdString(*decision.newText));
        return true;
    }

private:
    QLineEdit* field_;
    AmountKind kind_;
    Dialogs& dialogs_;
    QWidget* screen_;
};

class DateFieldKeys final : public QObject {
public:
    explicit DateFieldKeys(QLineEdit* field)
        : QObject(field) {
        field->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace) {
            static_cast<QLineEdit*>(watched)->clear();
            return true;
        }
        return false;
    }
};

} // namespace

void normaliseAmountField(QLineEdit* field, AmountKind kind) {
    const std::string text = toCp1252(field->text());
    std::string normal;
    switch (kind) {
    case AmountKind::RowMoney:
        normal = NormaliseMoneyText(text, 4, "");
        break;
    case AmountKind::Days:
        normal = NormaliseDayText(text);
        break;
    case AmountKind::TotalMoney:
        normal = NormaliseMoneyText(text, 2, "0,00");
        break;
    }
    const QString shown = fromCp1252(normal);
    if (shown != field->text())
        field->setText(shown);
}

void settleEditedAmountField(const QWidget* screen) {
    auto* edited = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!edited || edited->window() != screen->window())
        return;
    // The filter has no meta-object of its own, so it is told from the field's other children
    // by its C++ type.
    for (const QObject* child : edited->children()) {
        if (const auto* filter = dynamic_cast<const AmountFilter*>(child)) {
            filter->settle();
            return;
        }
    }
}

void makeAmountField(QLineEdit* field, AmountKind kind, Dialogs& dialogs, QWidget* screen) {
    new AmountFilter(field, kind, dialogs, screen);
}

void makeDateField(QLineEdit* field) {
    field->setReadOnly(true);
    new DateFieldKeys(field);
}

} // namespace filmeria
