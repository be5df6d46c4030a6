#include "screenkit/work_window.h"

#include "screenkit/lazy_picture.h"
#include "screenkit/screen_style.h"

#include <QGroupBox>
#include <QPushButton>
#include <QResizeEvent>

namespace filmeria {

QPoint centredContainerOrigin(QSize window, QSize container) {
    return {window.width() / 2 - container.width() / 2 - 4,
            window.height() / 2 - container.height() / 2 - 18};
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
    // The background brush is set anew on every showing, from the tile of btnSfondo.
    QPalette palette = this->palette();
    const QSize tileSize = btnSfondo->iconSize();
    palette.setBrush(QPalette::Window, QBrush(btnSfondo->icon().pixmap(tileSize)));
    setPalette(palette);
    grpContainer->move(centredContainerOrigin(size(), grpContainer->size()));
    QWidget::showEvent(event);
}

void WorkWindow::resizeEvent(QResizeEvent* event) {
    // From the window's inner size: its frame is not known until the window manager has framed
    // it, so the outer size would put the form elsewhere on the first showing than on the next.
    grpContainer->move(centredContainerOrigin(size(), grpContainer->size()));
    QWidget::resizeEvent(event);
}

} // namespace filmeria
