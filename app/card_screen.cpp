#include "card_screen.h"

#include "picture_buttons.h"
#include "program_formats.h"
#include "screen_style.h"
#include "services.h"
#include "status_panel.h"

#include <QGroupBox>
#include <QLabel>

namespace filmeria {

CardScreen::CardScreen(Services& services, ScreenSet& screens, const QString& caption)
    : WorkScreen(screens, caption, QStringLiteral(":/pictures/tile86x45.png"), QSize(779, 536))
    , services_(services)
    , panInfo(makeStatusPanel(grpContainer, StatusPanelKind::Navy))
    , buttons_(new PictureButtons(this, services.dialogs, panInfo, style::kNavy)) {
    useProgramFormats();
    panInfo->setGeometry(0, 514, 779, 22);
}

} // namespace filmeria
