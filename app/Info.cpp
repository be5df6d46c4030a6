#include "app/Info.h"

#include "app/maker_links.h"
#include "platform/services.h"
#include "screenkit/action_guard.h"
#include "screenkit/controls.h"
#include "screenkit/screen_style.h"
#include "screenkit/window_placement.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace filmeria {
namespace {

QLabel* linkLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(style::verdana(8, false, true));
    style::setTextColour(label, style::kNavy);
    label->setCursor(Qt::PointingHandCursor);
    label->setGeometry(geometry);
    return label;
}

} // namespace

TfrmInfo::TfrmInfo(Services& services)
    : services_(services) {
    setObjectName("frmInfo");
    setUpDialog(this, QString::fromUtf8(" Informazioni su Filmeria Pro ©"), {560, 346}, style::kSilver);

    grpInfo = new QGroupBox(this);
    grpInfo->setObjectName("grpInfo");
    grpInfo->setGeometry(8, 4, 544, 286);
    imgLogo = makePicture(grpInfo, "imgLogo", ":/pictures/info_logo.png", {10, 14, 40, 262});
    shpFoto = new QFrame(grpInfo);
    shpFoto->setObjectName("shpFoto");
    style::setBackground(shpFoto, style::kWhite);
    shpFoto->setGeometry(56, 14, 110, 110);
    imgAutore = makePicture(shpFoto, "imgAutore", ":/pictures/info_autore.png", {4, 4, 102, 102});
    panInformativa = new QFrame(grpInfo);
    panInformativa->setObjectName("panInformativa");
    style::setBackground(panInformativa, style::kWhite);
    panInformativa->setGeometry(166, 14, 374, 263);
    imgInformativa =
        makePicture(panInformativa, "imgInformativa", ":/pictures/info_text.png", {2, 2, 370, 259});

    imgEmail = makePicture(this, "imgEmail", ":/pictures/icon_mail16.png", {12, 304, 16, 16});
    lblEmail = linkLabel(this, "lblEmail", QStringLiteral("Invia e-mail"), {32, 304, 100, 16});
    imgWeb = makePicture(this, "imgWeb", ":/pictures/icon_web16.png", {150, 304, 16, 16});
    lblWeb = linkLabel(this, "lblWeb", QStringLiteral("Visita sito Internet"), {170, 304, 140, 16});
    for (QLabel* link : {imgEmail, lblEmail, imgWeb, lblWeb}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
    for (QWidget* area : {static_cast<QWidget*>(this), static_cast<QWidget*>(grpInfo)}) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(464, 298, 88, 28);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    centreOnDesktop(this);
}

bool TfrmInfo::eventFilter(QObject* watched, QEvent* event) {
    const bool overMail = watched == imgEmail || watched == lblEmail;
    const bool overWeb = watched == imgWeb || watched == lblWeb;
    const auto type = event->type();
    if (type == QEvent::Enter || type == QEvent::MouseMove) {
        if (overMail || overWeb) {
            style::setTextColour(lblEmail, overMail ? style::kRed : style::kNavy);
            style::setTextColour(lblWeb, overWeb ? style::kRed : style::kNavy);
        } else if (type == QEvent::MouseMove) {
            for (QLabel* label : {lblEmail, lblWeb}) {
                if (style::textColour(label) != style::kNavy)
                    style::setTextColour(label, style::kNavy);
            }
        }
    }
    if ((overMail || overWeb) && type == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
            runGuarded(services_.dialogs, this, [this, overMail] {
                if (overMail)
                    writeToMaker(services_, this);
                else
                    visitMakerSite(services_);
            });
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace filmeria
