#pragma once
// The province box of the customer card and the membership card: an editable drop-down of the
// 112 province codes, two characters at most, Windows-1252 only, money green turning yellow
// while it has the focus.
#include <QRect>

class QWidget;

namespace filmeria {

class ComboField;

enum class ProvinceCompletion { Inline, Popup };

ComboField* makeProvinceBox(QWidget* parent, QRect geometry, ProvinceCompletion completion);

} // namespace filmeria
