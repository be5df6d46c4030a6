#pragma once
// Dialog windows open centred on the desktop.
class QWidget;

namespace filmeria {

void centreOnDesktop(QWidget* window);

enum class FrameButtons { Close, MinimiseAndClose };

// A dialog window: title bar with system menu and close box (and, when asked, a minimise
// box), no maximize box.
void useDialogFrame(QWidget* window, FrameButtons buttons = FrameButtons::Close);

} // namespace filmeria
