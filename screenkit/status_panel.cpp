#include "screenkit/status_panel.h"

#include "screenkit/screen_style.h"

#include <QLabel>

namespace filmeria {

QLabel* makeStatusPanel(QWidget* parent, StatusPanelKind kind) {
    auto* panel = new QLabel(parent);
    panel->setObjectName("panInfo");
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel->setFont(style::verdana(8));
    if (kind == StatusPanelKind::Navy) {
        style::setBackground(panel, style::kNavy);
        style::setTextColour(panel, style::kWhite);
    } else {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    return panel;
}

} // namespace filmeria
