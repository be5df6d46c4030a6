#pragma once
// Dialog windows open centred on the desktop.
class QWidget;

namespace filmeria {

void centreOnDesktop(QWidget* window);

} // namespace filmeria
