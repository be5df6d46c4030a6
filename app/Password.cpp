#include "app/Password.h"

#include "app/CambiaPassword.h"
#include "app/Filmeria.h"
#include "core/password_cipher.h"
#include "core/profile_strings.h"
#include "core/text_rules.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/action_guard.h"
#include "screenkit/enter_keys.h"
#include "screenkit/field_highlight.h"
#include "screenkit/lazy_picture.h"
#include "screenkit/screen_style.h"
#include "screenkit/window_placement.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace filmeria {

std::string readStoredPassword(const Services& services) {
    const std::string path = (services.folder + QString::fromLatin1(kPasswordFile)).toStdString();
    return trimmed(decipherPassword(readProfileString(path, kPasswordSection, kPasswordKey)));
}

std::string normalisedPassword(const QString& typed) {
    return trimmed(asciiUpper(toCp1252(typed)));
}

TfrmPassword::TfrmPassword(Services& services, ScreenRef<TfrmFilmeria> mainWindow,
                           ScreenRef<TfrmCambiaPassword> changeWindow)
    : services_(services)
    , mainWindow_(std::move(mainWindow))
    , changeWindow_(std::move(changeWindow))
    , grpPassword(new QGroupBox(this))
    , imgLogo01(new QLabel(grpPassword))
    , imgLogo02(new QLabel(grpPassword))
    , lblInfo(new QLabel(QStringLiteral("Immettere la password e premere OK."), grpPassword))
    , txtPassword(new QLineEdit(grpPassword))
    , cmdOK(new QPushButton(QStringLiteral("OK"), grpPassword))
    , btnCambiaPassword(new QPushButton(QStringLiteral("Cambia password"), this))
    , cmdEsci(new QPushButton(QStringLiteral("Esci"), this)) {
    setObjectName("frmPassword");
    setUpDialog(this, QString::fromUtf8(" Filmeria Pro © - Autenticazione"), {400, 206}, style::kSilver);

    grpPassword->setObjectName("grpPassword");
    grpPassword->setGeometry(8, 4, 384, 156);
    imgLogo01->setObjectName("imgLogo01");
    setPictureOnShow(imgLogo01, QStringLiteral(":/pictures/login_logo.png"));
    imgLogo01->setGeometry(12, 16, 360, 64);
    imgLogo02->setObjectName("imgLogo02");
    setPictureOnShow(imgLogo02, QStringLiteral(":/pictures/login_key.png"));
    imgLogo02->setGeometry(12, 86, 64, 64);
    lblInfo->setObjectName("lblInfo");
    lblInfo->setFont(style::verdana(8));
    lblInfo->setGeometry(88, 90, 280, 18);
    txtPassword->setObjectName("txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setMaxLength(230);
    txtPassword->setFont(style::verdana(14, true));
    txtPassword->setGeometry(88, 114, 200, 30);
    acceptOnlyCp1252(txtPassword);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setFont(style::verdana(12));
    cmdOK->setGeometry(296, 114, 76, 30);
    cmdOK->setEnabled(false);
    cmdOK->setAutoDefault(false);

    btnCambiaPassword->setObjectName("btnCambiaPassword");
    btnCambiaPassword->setFont(style::verdana(8));
    btnCambiaPassword->setCursor(Qt::PointingHandCursor);
    btnCambiaPassword->setGeometry(8, 168, 150, 28);
    btnCambiaPassword->setAutoDefault(false);
    cmdEsci->setObjectName("cmdEsci");
    cmdEsci->setFont(style::verdana(8));
    cmdEsci->setCursor(Qt::PointingHandCursor);
    cmdEsci->setGeometry(312, 168, 80, 28);
    cmdEsci->setAutoDefault(false);

    highlightOnFocus(txtPassword, style::kWhite);
    connect(txtPassword, &QLineEdit::textChanged, this, [this] { txtPasswordChange(); });
    onEnter(txtPassword, services_.dialogs, [this] {
        if (!storedBytes(txtPassword->text()).empty())
            cmdOK->click();
    });
    onClick(cmdOK, services_.dialogs, [this] { cmdOKClick(); });
    onClick(btnCambiaPassword, services_.dialogs, [this] { btnCambiaPasswordClick(); });
    connect(cmdEsci, &QPushButton::clicked, this, [this] { close(); });
    centreOnDesktop(this);
}

void TfrmPassword::txtPasswordChange() {
    cmdOK->setEnabled(!storedBytes(txtPassword->text()).empty());
}

void TfrmPassword::cmdOKClick() {
    const QString passwordFile = services_.folder + QString::fromLatin1(kPasswordFile);
    if (!QFileInfo::exists(passwordFile)) {
        // Never created here (a deleted file must not reset the store's password): it comes
        // back from a backup.
        services_.dialogs.information(
            this,
            QString::fromUtf8("Attenzione: manca il file della password:\r\n") + passwordFile +
                QString::fromUtf8("\r\n\r\nNon è possibile accedere al programma finché il file non viene "
                                  "ripristinato da una copia di sicurezza (il file unins000.dll contenuto "
                                  "nella copia) o dall'installazione."));
        txtPassword->clear();
        txtPassword->setFocus();
        return;
    }
    std::string stored;
    std::string typed;
    try {
        stored = readStoredPassword(services_);
        typed = normalisedPassword(txtPassword->text());
    } catch (const std::exception&) {
        services_.dialogs.information(
            this, QString::fromUtf8("Attenzione: si è verificato un errore durante la procedura di lettura "
                                    "della password. Si consiglia di reinstallare il software."));
        return;
    }
    if (typed == stored) {
        mainWindow_->showMain();
        hide();
        return;
    }
    services_.dialogs.information(this, QStringLiteral("Attenzione: password errata."));
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::btnCambiaPasswordClick() {
    changeWindow_->show();
    hide();
}

void TfrmPassword::returnFromChange() {
    txtPassword->clear();
    show();
    activateWindow();
    txtPassword->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent* event) {
    // The login window is the application's main window: closing it ends the program.
    event->accept();
    services_.quit();
}

} // namespace filmeria
