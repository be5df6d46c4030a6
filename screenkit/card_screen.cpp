#include "screenkit/card_screen.h"

#include "platform/services.h"
#include "screenkit/picture_buttons.h"
#include "screenkit/program_formats.h"
#include "screenkit/screen_style.h"
#include "screenkit/status_panel.h"

#include <QGroupBox>
#include <QLabel>

namespace filmeria {

CardScreen::CardScreen(Services& services, const QString& caption)
    : WorkScreen(caption, QStringLiteral(":/pictures/tile86x45.png"), QSize(779, 536))
    , services_(services)
    , panInfo(makeStatusPanel(grpContainer, StatusPanelKind::Navy))
    , buttons_(new PictureButtons(this, services.dialogs, panInfo, style::kNavy)) {
    useProgramFormats();
    panInfo->setGeometry(0, 514, 779, 22);
}

} // namespace filmeria
