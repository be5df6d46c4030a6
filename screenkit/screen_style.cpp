#include "screenkit/screen_style.h"

#include <QWidget>

namespace filmeria::style {

QFont font(const char* family, int pointSize, bool bold, bool underline) {
    QFont f(QString::fromLatin1(family), pointSize);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour); // children's edit and button texts keep theirs
    widget->setPalette(palette);
}

QColor textColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace filmeria::style
