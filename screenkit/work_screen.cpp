#include "screenkit/work_screen.h"

#include "app/Filmeria.h"
#include "app/screen_set.h"

#include <QCloseEvent>

namespace filmeria {

WorkScreen::WorkScreen(ScreenSet& screens, const QString& caption, const QString& tileResource,
                       QSize containerSize)
    : WorkWindow(caption, tileResource, containerSize)
    , screens_(screens) {}

void WorkScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    screens_.filmeria().showMain();
}

} // namespace filmeria
