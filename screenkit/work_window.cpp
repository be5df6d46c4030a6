#include "screenkit/work_window.h"

#include "screenkit/lazy_picture.h"
#include "screenkit/screen_style.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>

namespace filmeria {

QPoint centredContainerOrigin(QSize outerWindow, QSize container) {
    return {outerWindow.width() / 2 - container.width() / 2 - 4,
            outerWindow.height() / 2 - container.height() / 2 - 18};
}

WorkWindow::WorkWindow(const QString& caption, const QString& tileResource, QSize containerSize)
    : grpContainer(new QGroupBox(this))
    , btnSfondo(new QPushButton(this)) {
    setWindowTitle(caption);
    setMinimumSize(800, 582);
    setWindowState(Qt::WindowMaximized);
    setAutoFillBackground(true);

    btnSfondo->setObjectName("btnSfondo");
    btnSfondo->setIcon(sharedIcon(tileResource)); // read on the window's first showing
    btnSfondo->setIconSize(pictureSize(tileResource));
    btnSfondo->hide();

    grpContainer->setObjectName("grpContainer");
    grpContainer->setFixedSize(containerSize);
    grpContainer->setFlat(true);
    style::setBackground(grpContainer, style::kWhite);
}

void WorkWindow::showEvent(QShowEvent* event) {
    // Fill the desktop even where no window manager honours the maximized state.
    if (isMaximized()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen();
            screen && size() != screen->availableSize())
            setGeometry(screen->availableGeometry());
    }
    // The background brush is set anew on every showing, from the tile of btnSfondo.
    QPalette palette = this->palette();
    const QSize tileSize = btnSfondo->iconSize();
    palette.setBrush(QPalette::Window, QBrush(btnSfondo->icon().pixmap(tileSize)));
    setPalette(palette);
    grpContainer->move(centredContainerOrigin(frameGeometry().size(), grpContainer->size()));
    QWidget::showEvent(event);
}

void WorkWindow::resizeEvent(QResizeEvent* event) {
    const QSize frameExtra = frameGeometry().size() - size();
    grpContainer->move(centredContainerOrigin(event->size() + frameExtra, grpContainer->size()));
    QWidget::resizeEvent(event);
}

} // namespace filmeria
