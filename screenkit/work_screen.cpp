#include "screenkit/work_screen.h"

#include <QCloseEvent>

namespace filmeria {

WorkScreen::WorkScreen(const QString& caption, const QString& tileResource, QSize containerSize)
    : WorkWindow(caption, tileResource, containerSize) {}

void WorkScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_)
        closed_();
}

} // namespace filmeria
