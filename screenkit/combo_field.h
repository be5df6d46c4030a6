#pragma once
// A combo box that takes its font when its window is first shown. QComboBox answers every font
// change by making its drop-down list (a frame, a list view and a layout of every item) only to
// hand the font on, and an editable box's field lays its text out in each font it gets, the first
// use of a font at a size costing a query of the system's font configuration. The program makes
// every screen at start-up and most are never shown in a session, so the box waits: born with
// its container's font, it makes no list, and it takes its own font, list and all, when seen.
#include <QComboBox>

namespace filmeria {

class ComboField final : public QComboBox {
public:
    ComboField(QWidget* parent, const QFont& font);
};

// Makes `box` editable by giving it its line edit (with the box's palette), as
// QComboBox::setEditable does, but without making the drop-down list at once and sizing the box:
// the list is made when first opened, with the editable box's delegate and margins, and every
// screen places its boxes itself. Each editable box cost twice as much at start-up otherwise.
void makeEditable(QComboBox* box);

} // namespace filmeria
