#include "screenkit/window_placement.h"

#include "screenkit/screen_style.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace filmeria {

void centreOnDesktop(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->availableGeometry();
    window->move(desktop.center() - QPoint(window->width() / 2, window->height() / 2));
}

void useDialogFrame(QWidget* window, FrameButtons buttons) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (buttons == FrameButtons::MinimiseAndClose)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

void setUpDialog(QWidget* window, const QString& caption, QSize size, const QColor& background,
                 FrameButtons buttons) {
    window->setWindowTitle(caption);
    useDialogFrame(window, buttons);
    window->setFixedSize(size);
    style::setBackground(window, background);
}

} // namespace filmeria
