#include "customers/province_box.h"

#include "customers/customer_file.h"
#include "customers/province_list.h"
#include "platform/qt_text.h"
#include "screenkit/combo_field.h"
#include "screenkit/field_highlight.h"
#include "screenkit/screen_style.h"

#include <QCompleter>
#include <QLineEdit>

namespace filmeria {

ComboField* makeProvinceBox(QWidget* parent, QRect geometry, ProvinceCompletion completion) {
    auto* box = new ComboField(parent, style::verdana(8, true));
    box->setObjectName("txtProv");
    makeEditable(box);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(provinceItems());
    box->setCurrentIndex(-1);
    box->lineEdit()->setMaxLength(fieldCapacity(CustomerField::Prov));
    acceptOnlyCp1252(box->lineEdit());
    if (completion == ProvinceCompletion::Popup)
        box->completer()->setCompletionMode(QCompleter::PopupCompletion);
    box->setGeometry(geometry);
    highlightOnFocus(box, style::kMoneyGreen);
    return box;
}

} // namespace filmeria
