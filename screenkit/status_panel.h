#pragma once
// The one-line status panel along the bottom of the work and export screens.
class QLabel;
class QWidget;

namespace filmeria {

enum class StatusPanelKind { Navy, Sunken };

QLabel* makeStatusPanel(QWidget* parent, StatusPanelKind kind);

} // namespace filmeria
