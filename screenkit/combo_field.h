#pragma once
// A combo box born with its font. QComboBox answers every font change by making its drop-down
// list (a frame, a list view and a layout of every item) only to hand the font on; a list made
// later is a child of the box and takes the box's font anyway. Giving the font at birth, before
// the box has items, a line edit or a list, leaves the list to be made when it is first needed,
// so the screens made at start-up do not build lists nobody has opened yet.
#include <QComboBox>

namespace filmeria {

class ComboField final : public QComboBox {
public:
    ComboField(QWidget* parent, const QFont& font);

protected:
    void changeEvent(QEvent* event) override;

private:
    bool beingBorn_ = true;
};

// Makes `box` editable by giving it its line edit (with the box's palette), as
// QComboBox::setEditable does, but without making the drop-down list at once and sizing the box:
// the list is made when first opened, with the editable box's delegate and margins, and every
// screen places its boxes itself. Each editable box cost twice as much at start-up otherwise.
void makeEditable(QComboBox* box);

} // namespace filmeria
