#pragma once
// Fonts given when their window is first shown. An edit field lays its text out again whenever
// its font changes, and the first use of each font at a size costs a query of the system's
// font configuration; the program makes every screen at start-up, most of them are never shown
// in a session, so their fields take their fonts when their window is next shown (or drawn off
// screen) instead.
#include <QFont>

class QWidget;

namespace filmeria {

// Gives `widget` `font` before its window is next shown or drawn; at once when the window is
// visible.
void setFontOnShow(QWidget* widget, const QFont& font);

} // namespace filmeria
