#pragma once
// Dialog windows open centred on the desktop.
class QWidget;

namespace filmeria {

void centreOnDesktop(QWidget* window);

// A dialog window: title bar with system menu and close box, no maximize box.
void useDialogFrame(QWidget* window);

} // namespace filmeria
