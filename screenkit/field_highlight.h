#pragma once
// The edit field with the focus is painted yellow; it returns to its resting colour
// when it loses the focus.
#include <QColor>

#include <initializer_list>

class QFocusEvent;
class QWidget;

namespace filmeria {

void highlightOnFocus(QWidget* field, const QColor& resting);
void highlightOnFocus(std::initializer_list<QWidget*> fields, const QColor& resting);

// Whether a focus-out event moves the focus to another control (not a window switch or
// a popup), which is when a field's leaving rule runs.
bool leavesTheField(const QFocusEvent* event);

// The background colour a field is painted with now.
QColor fieldColour(const QWidget* field);

} // namespace filmeria
