#include "app/CambiaPassword.h"

#include "app/Password.h"
#include "core/password_cipher.h"
#include "core/profile_strings.h"
#include "core/text_rules.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/action_guard.h"
#include "screenkit/enter_keys.h"
#include "screenkit/field_highlight.h"
#include "screenkit/font_on_show.h"
#include "screenkit/lazy_picture.h"
#include "screenkit/screen_style.h"
#include "screenkit/window_placement.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace filmeria {
namespace {

std::string trimmedText(const QLineEdit* field) {
    return storedBytes(field->text());
}

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(Services& services, TfrmPassword& login)
    : services_(services)
    , login_(login)
    , grpPassword(new QGroupBox(this))
    , imgLogo01(new QLabel(grpPassword))
    , imgLogo02(new QLabel(grpPassword))
    , lblPasswordOld(new QLabel(QStringLiteral("Vecchia password:"), grpPassword))
    , txtPasswordOld(new QLineEdit(grpPassword))
    , lblPasswordNew(new QLabel(QStringLiteral("Nuova password:"), grpPassword))
    , txtPasswordNew(new QLineEdit(grpPassword))
    , lblConferma(new QLabel(QStringLiteral("Conferma nuova pw:"), grpPassword))
    , txtConferma(new QLineEdit(grpPassword))
    , cmdEsci(new QPushButton(QStringLiteral("Esci"), this))
    , cmdOK(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName("frmCambiaPassword");
    setUpDialog(this, QStringLiteral(" Cambia password"), {400, 262}, style::kSilver);

    grpPassword->setObjectName("grpPassword");
    grpPassword->setGeometry(8, 4, 384, 212);
    imgLogo01->setObjectName("imgLogo01");
    setPictureOnShow(imgLogo01, QStringLiteral(":/pictures/login_logo.png"));
    imgLogo01->setGeometry(12, 16, 360, 64);
    imgLogo02->setObjectName("imgLogo02");
    setPictureOnShow(imgLogo02, QStringLiteral(":/pictures/login_key.png"));
    imgLogo02->setGeometry(12, 112, 64, 64);

    int y = 96;
    for (auto [label, field, name] : {std::tuple{lblPasswordOld, txtPasswordOld, "PasswordOld"},
                                      std::tuple{lblPasswordNew, txtPasswordNew, "PasswordNew"},
                                      std::tuple{lblConferma, txtConferma, "Conferma"}}) {
        label->setObjectName(QStringLiteral("lbl") + QLatin1String(name));
        label->setFont(style::verdana(8));
        label->setGeometry(88, y + 5, 130, 18);
        field->setObjectName(QStringLiteral("txt") + QLatin1String(name));
        field->setEchoMode(QLineEdit::Password);
        field->setMaxLength(230);
        setFontOnShow(field, style::verdana(10, true));
        field->setGeometry(220, y, 152, 26);
        acceptOnlyCp1252(field);
        highlightOnFocus(field, style::kWhite);
        connect(field, &QLineEdit::textChanged, this, [this] { fieldsChange(); });
        y += 36;
    }

    cmdEsci->setObjectName("cmdEsci");
    cmdEsci->setGeometry(8, 224, 80, 28);
    cmdEsci->setAutoDefault(false);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(312, 224, 80, 28);
    cmdOK->setEnabled(false);
    cmdOK->setAutoDefault(false);

    onEnter(txtPasswordOld, services_.dialogs, [this] { focusByKeyboard(txtPasswordNew); });
    onEnter(txtPasswordNew, services_.dialogs, [this] { focusByKeyboard(txtConferma); });
    onEnter(txtConferma, services_.dialogs,
            [this] { focusByKeyboard(cmdOK->isEnabled() ? static_cast<QWidget*>(cmdOK) : txtPasswordOld); });
    onClick(cmdOK, services_.dialogs, [this] { cmdOKClick(); });
    connect(cmdEsci, &QPushButton::clicked, this, [this] { close(); });
    centreOnDesktop(this);
}

void TfrmCambiaPassword::fieldsChange() {
    cmdOK->setEnabled(!trimmedText(txtPasswordOld).empty() && !trimmedText(txtPasswordNew).empty() &&
                      !trimmedText(txtConferma).empty());
}

void TfrmCambiaPassword::showError() {
    services_.dialogs.information(
        this,
        QString::fromUtf8("Attenzione: si è verificato un errore durante la procedura di modifica della "
                          "password. Si consiglia di reinstallare il software."));
}

void TfrmCambiaPassword::cmdOKClick() {
    std::string stored;
    try {
        stored = readStoredPassword(services_);
    } catch (const std::exception&) {
        showError();
        return;
    }
    if (normalisedPassword(txtPasswordOld->text()) != stored) {
        services_.dialogs.information(this, QStringLiteral("Attenzione: vecchia password errata."));
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    }
    if (trimmedText(txtPasswordNew) != trimmedText(txtConferma)) {
        services_.dialogs.information(
            this, QString::fromUtf8("Attenzione: la nuova password non è stata confermata correttamente. "
                                    "E' necessario reinserire entrambi i valori."));
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    try {
        const std::string path = (services_.folder + QString::fromLatin1(kPasswordFile)).toStdString();
        writeProfileString(path, kPasswordSection, kPasswordKey,
                           encipherPassword(normalisedPassword(txtPasswordNew->text())));
    } catch (const std::exception&) {
        showError();
        return;
    }
    services_.dialogs.information(this, QStringLiteral("Modifica della password avvenuta con successo."));
    close();
}

void TfrmCambiaPassword::showEvent(QShowEvent* event) {
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    QWidget::showEvent(event);
    activateWindow();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event) {
    event->accept();
    login_.returnFromChange();
}

} // namespace filmeria
