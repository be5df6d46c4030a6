#include "screenkit/combo_field.h"

#include "screenkit/font_on_show.h"

#include <QLineEdit>

namespace filmeria {

ComboField::ComboField(QWidget* parent, const QFont& font)
    : QComboBox(parent) {
    setFontOnShow(this, font);
}

void makeEditable(QComboBox* box) {
    auto* edit = new QLineEdit(box);
    edit->setPalette(box->palette());
    box->setLineEdit(edit);
}

} // namespace filmeria
