#include "screenkit/combo_field.h"

#include <QEvent>
#include <QLineEdit>

namespace filmeria {

ComboField::ComboField(QWidget* parent, const QFont& font)
    : QComboBox(parent) {
    setFont(font);
    beingBorn_ = false;
}

void ComboField::changeEvent(QEvent* event) {
    // At birth the box has nothing that depends on its font but the list QComboBox would make.
    if (beingBorn_ && event->type() == QEvent::FontChange) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

void makeEditable(QComboBox* box) {
    auto* edit = new QLineEdit(box);
    edit->setPalette(box->palette());
    box->setLineEdit(edit);
}

} // namespace filmeria
