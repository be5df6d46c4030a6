#include "films/Zoom.h"

#include "screenkit/screen_style.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace filmeria {

QPoint centredPicturePosition(QSize screen, QSize picture) {
    return {screen.width() / 2 - picture.width() / 2, screen.height() / 2 - picture.height() / 2};
}

TfrmZoom::TfrmZoom()
    : imgZoom(new QLabel(this)) {
    setObjectName("frmZoom");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowState(Qt::WindowMaximized);
    style::setBackground(this, style::kWhite);
    imgZoom->setObjectName("imgZoom");
    imgZoom->installEventFilter(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
}

void TfrmZoom::setPicture(const QPixmap& picture) {
    // At its natural size, unless it is larger than the screen: then as large as the screen
    // lets it be, in its own proportions, so no part of the poster is cut.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->size() : size();
    QPixmap shown = picture;
    if (!room.isEmpty() && (picture.width() > room.width() || picture.height() > room.height()))
        shown = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    imgZoom->setPixmap(shown);
    imgZoom->resize(shown.size());
    placePicture();
}

void TfrmZoom::placePicture() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    imgZoom->move(centredPicturePosition(screen ? screen->size() : size(), imgZoom->size()));
}

void TfrmZoom::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placePicture();
}

void TfrmZoom::mouseReleaseEvent(QMouseEvent*) {
    accept();
}

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgZoom && event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace filmeria
