#include "Noleggi.h"

#include "picture_buttons.h"
#include "program_formats.h"
#include "screen_style.h"
#include "services.h"

#include <QGroupBox>
#include <QLabel>

namespace filmeria {
namespace {

const QString kCaption = QStringLiteral(" Filmeria Pro - Gestione noleggi");

} // namespace

TfrmNoleggi::TfrmNoleggi(Services& services, ScreenSet& screens)
    : WorkScreen(screens, kCaption, QStringLiteral(":/pictures/tile72.png"), QSize(779, 536))
    , services_(services) {
    setObjectName("frmNoleggi");
    useProgramFormats();

    grpAnno = new QGroupBox(grpContainer);
    grpAnno->setObjectName("grpAnno");
    grpAnno->setGeometry(240, 160, 300, 160);
    imgEsci = new QLabel(grpAnno);
    imgEsci->setObjectName("imgEsci");
    imgEsci->setPixmap(QPixmap(QStringLiteral(":/pictures/icon_esci.png")));
    imgEsci->setToolTip(QStringLiteral(" Esci "));
    imgEsci->setGeometry(252, 112, 32, 32);

    grpRicevuta = new QGroupBox(grpContainer);
    grpRicevuta->setObjectName("grpRicevuta");
    grpRicevuta->setGeometry(0, 0, 779, 536);
    grpRicevuta02 = new QGroupBox(grpRicevuta);
    grpRicevuta02->setObjectName("grpRicevuta02");
    grpRicevuta02->setGeometry(8, 8, 690, 500);
    grpRicevuta02->hide();
    imgEsci02 = new QLabel(grpRicevuta);
    imgEsci02->setObjectName("imgEsci02");
    imgEsci02->setPixmap(QPixmap(QStringLiteral(":/pictures/icon_esci.png")));
    imgEsci02->setGeometry(725, 460, 32, 32);
    lblEsci = new QLabel(QStringLiteral("Esci"), grpRicevuta);
    lblEsci->setObjectName("lblEsci");
    lblEsci->setGeometry(725, 492, 40, 16);

    buttons_ = new PictureButtons(this, services_.dialogs, nullptr, style::kWhite);
    buttons_->add(imgEsci, nullptr, {}, [this] { close(); });
    buttons_->add(imgEsci02, lblEsci, {}, [this] { close(); });
    buttons_->addResetArea(this);
    buttons_->addResetArea(grpContainer);
    buttons_->addResetArea(grpRicevuta);

    prepareYearChoice();
}

void TfrmNoleggi::prepareYearChoice() {
    grpAnno->setVisible(true);
    grpRicevuta->setVisible(false);
    setWindowTitle(kCaption);
}

} // namespace filmeria
