#pragma once
// Dialog windows open centred on the desktop, with the frame and look every screen gives them.
#include <QColor>
#include <QSize>
#include <QString>

class QWidget;

namespace filmeria {

void centreOnDesktop(QWidget* window);

enum class FrameButtons { Close, MinimiseAndClose };

// A dialog window: title bar with system menu and close box (and, when asked, a minimise
// box), no maximize box.
void useDialogFrame(QWidget* window, FrameButtons buttons = FrameButtons::Close);

// A dialog as every screen sets it up: its caption, the dialog frame, a fixed size and its
// background colour.
void setUpDialog(QWidget* window, const QString& caption, QSize size, const QColor& background,
                 FrameButtons buttons = FrameButtons::Close);

} // namespace filmeria
