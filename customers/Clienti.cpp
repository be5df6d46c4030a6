#include "Clienti.h"

#include "picture_buttons.h"
#include "program_formats.h"
#include "screen_style.h"
#include "services.h"
#include "status_panel.h"

#include <QGroupBox>
#include <QLabel>

namespace filmeria {

TfrmClienti::TfrmClienti(Services& services, ScreenSet& screens)
    : WorkScreen(screens, QStringLiteral(" Filmeria Pro - Archivio clienti"),
                 QStringLiteral(":/pictures/tile86x45.png"), QSize(779, 536))
    , services_(services) {
    setObjectName("frmClienti");
    useProgramFormats();
    panInfo = makeStatusPanel(grpContainer, StatusPanelKind::Navy);
    panInfo->setGeometry(0, 514, 779, 22);

    imgEsci = new QLabel(grpContainer);
    imgEsci->setObjectName("imgEsci");
    imgEsci->setPixmap(QPixmap(QStringLiteral(":/pictures/icon_esci.png")));
    imgEsci->setGeometry(725, 460, 32, 32);
    lblEsci = new QLabel(QStringLiteral("Esci"), grpContainer);
    lblEsci->setObjectName("lblEsci");
    lblEsci->setGeometry(725, 492, 40, 16);

    buttons_ = new PictureButtons(this, services_.dialogs, panInfo, style::kNavy);
    buttons_->add(imgEsci, lblEsci, QStringLiteral(" Esce dalla schermata di lavoro corrente."),
                  [this] { close(); });
    buttons_->addResetArea(this);
    buttons_->addResetArea(grpContainer);
}

} // namespace filmeria
