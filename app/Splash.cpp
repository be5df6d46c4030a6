#include "app/Splash.h"

#include "app/maker.h"
#include "app/maker_links.h"
#include "screenkit/screen_style.h"
#include "screenkit/window_placement.h"

#include <QLabel>

namespace filmeria {

TfrmSplash::TfrmSplash(Services& services)
    : services_(services)
    , BackImage(new QLabel(this)) {
    setObjectName("frmSplash");
    setWindowTitle(maker::kSplashCaption);
    useDialogFrame(this);
    setFixedSize(600, 368);
    style::setBackground(this, style::kBlack);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("  Visita il sito Internet dell'autore "));
    BackImage->setObjectName("BackImage");
    BackImage->setPixmap(QPixmap(QStringLiteral(":/pictures/splash.png")));
    BackImage->setGeometry(1, 3, 597, 362);
    BackImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    centreOnDesktop(this);
}

void TfrmSplash::mouseReleaseEvent(QMouseEvent*) {
    visitMakerSite(services_);
    close();
}

} // namespace filmeria
