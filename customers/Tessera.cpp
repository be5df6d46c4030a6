#include "customers/Tessera.h"

#include "core/letterhead.h"
#include "core/list_printout.h"
#include "core/text_rules.h"
#include "customers/customer_file.h"
#include "customers/province_box.h"
#include "customers/province_list.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/action_guard.h"
#include "screenkit/combo_field.h"
#include "screenkit/controls.h"
#include "screenkit/enter_keys.h"
#include "screenkit/field_highlight.h"
#include "screenkit/letterhead_fields.h"
#include "screenkit/print_job.h"
#include "screenkit/screen_style.h"
#include "screenkit/window_placement.h"

#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace filmeria {
namespace {

const char* const kMissing[] = {
    "Attenzione: per stampare la tessera del cliente è necessario compilare il primo campo relativo ai dati "
    "della filmeria.",
    "Attenzione: per stampare la tessera del cliente è necessario compilare il campo Cognome e nome o "
    "ragione "
    "sociale.",
    "Attenzione: per stampare la tessera del cliente è necessario compilare il campo Numero Tessera.",
    "Attenzione: per stampare la tessera del cliente è necessario compilare il campo Data iscrizione."};

QLineEdit* cardField(QWidget* parent, const char* name, int maxLength, QRect geometry) {
    return makeEditField(parent, QLatin1String(name), maxLength, geometry, style::verdana(8, true),
                         style::kMoneyGreen);
}

QLabel* caption(QWidget* parent, const QString& text, QRect geometry, bool italic = false) {
    return makeFieldCaption(parent, text, geometry, italic);
}

} // namespace

TfrmTessera::TfrmTessera(Services& services, const MembershipCard& customer, ControlsMade made)
    : services_(services) {
    setObjectName("frmTessera");
    setUpDialog(this, QStringLiteral(" Tessera cliente"), {560, 396}, style::kWhite);
    centreOnDesktop(this);
    if (made == ControlsMade::AtConstruction) {
        makeControlsFor(customer);
        controlsWereMade();
    }
}

void TfrmTessera::makeControlsFor(const MembershipCard& customer) {
    grpLogo = new QGroupBox(this);
    grpLogo->setObjectName("grpLogo");
    grpLogo->setGeometry(8, 4, 544, 112);
    style::setBackground(grpLogo, style::kWhite);
    imgFilmeria = makePicture(grpLogo, QStringLiteral("imgFilmeria"),
                              QStringLiteral(":/pictures/reel_small.png"), {10, 10, 82, 93});
    txtLogo01 = cardField(grpLogo, "txtLogo01", 50, {104, 14, 428, 24});
    txtLogo02 = cardField(grpLogo, "txtLogo02", 50, {104, 44, 428, 24});
    txtLogo03 = cardField(grpLogo, "txtLogo03", 50, {104, 74, 428, 24});

    grpFoto = new QGroupBox(this);
    grpFoto->setObjectName("grpFoto");
    grpFoto->setGeometry(8, 124, 112, 144);
    for (int i = 0; i < 3; ++i) {
        const char* words[] = {"Foto", "formato", "tessera"};
        QLabel* l = caption(grpFoto, QLatin1String(words[i]), {10, 44 + i * 18, 92, 18}, true);
        l->setAlignment(Qt::AlignCenter);
    }

    grpContainer = new QGroupBox(this);
    grpContainer->setObjectName("grpContainer");
    grpContainer->setGeometry(128, 124, 424, 222);
    QWidget* g = grpContainer;
    caption(g, QStringLiteral("Cognome e nome o ragione sociale"), {10, 8, 300, 14});
    txtNome = cardField(g, "txtNome", fieldCapacity(CustomerField::Nome), {10, 22, 404, 24});
    caption(g, QStringLiteral("Indirizzo"), {10, 52, 200, 14});
    txtIndirizzo = cardField(g, "txtIndirizzo", fieldCapacity(CustomerField::Indirizzo), {10, 66, 404, 24});
    caption(g, QStringLiteral("CAP"), {10, 96, 60, 14});
    txtCap = cardField(g, "txtCap", fieldCapacity(CustomerField::Cap), {10, 110, 70, 24});
    caption(g, QString::fromUtf8("Città"), {88, 96, 200, 14});
    txtCitta = cardField(g, "txtCitta", fieldCapacity(CustomerField::Citta), {88, 110, 250, 24});
    caption(g, QStringLiteral("Prov."), {346, 96, 60, 14});
    txtProv = makeProvinceBox(g, {346, 110, 68, 24}, ProvinceCompletion::Popup);
    caption(g, QStringLiteral("Tessera n."), {10, 140, 200, 14});
    txtTessera = cardField(g, "txtTessera", fieldCapacity(CustomerField::Tessera), {10, 154, 250, 24});
    caption(g, QStringLiteral("Data iscrizione"), {268, 140, 140, 14});
    txtIscrizione =
        cardField(g, "txtIscrizione", fieldCapacity(CustomerField::Iscrizione), {268, 154, 146, 24});

    cmdAnnulla =
        makeButton(this, QStringLiteral("cmdAnnulla"), QStringLiteral("Annulla"), {336, 354, 100, 32});
    cmdStampa = makeButton(this, QStringLiteral("cmdStampa"), QStringLiteral("Stampa"), {452, 354, 100, 32});
    cmdAnnulla->setFocusPolicy(Qt::ClickFocus);
    cmdStampa->setFocusPolicy(Qt::ClickFocus);
    imgLogo = makePicture(this, QStringLiteral("imgLogo"), QStringLiteral(":/pictures/print_reel.png"),
                          {0, 0, 195, 212});
    imgLogo->hide();

    txtNome->setText(fromCp1252(customer.name));
    txtIndirizzo->setText(fromCp1252(customer.address));
    txtCap->setText(fromCp1252(customer.postalCode));
    txtCitta->setText(fromCp1252(customer.town));
    txtProv->setCurrentText(fromCp1252(customer.province));
    txtTessera->setText(fromCp1252(customer.card));
    txtIscrizione->setText(fromCp1252(customer.enrolment));

    chainOnEnter({txtLogo01, txtLogo02, txtLogo03, txtNome, txtIndirizzo, txtCap, txtCitta, txtProv,
                  txtTessera, txtIscrizione, txtLogo01});
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    onClick(cmdStampa, services_.dialogs, [this] { print(); });
}

void TfrmTessera::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showLetterhead({txtLogo01, txtLogo02, txtLogo03}, readLetterhead(services_.folder.toStdString()));
    txtLogo01->setFocus();
}

void TfrmTessera::done(int result) {
    QDialog::done(result);
    if (!grpLogo)
        return; // never shown: no lines were read, so none are written back
    // However the screen closes, the letterhead lines are kept for the next card and slip.
    runGuarded(services_.dialogs, this, [this] {
        writeLetterhead(services_.folder.toStdString(), letterheadIn({txtLogo01, txtLogo02, txtLogo03}));
    });
}

bool TfrmTessera::fieldsComplete() {
    QLineEdit* required[] = {txtLogo01, txtNome, txtTessera, txtIscrizione};
    for (int i = 0; i < 4; ++i) {
        if (storedBytes(required[i]->text()).empty()) {
            services_.dialogs.information(this, QString::fromUtf8(kMissing[i]));
            required[i]->setFocus();
            return false;
        }
    }
    return true;
}

MembershipCard TfrmTessera::cardFromScreen() const {
    return {letterheadIn({txtLogo01, txtLogo02, txtLogo03}),
            toCp1252(txtNome->text()),
            toCp1252(txtIndirizzo->text()),
            toCp1252(txtCap->text()),
            toCp1252(txtCitta->text()),
            toCp1252(txtProv->currentText()),
            toCp1252(txtTessera->text()),
            toCp1252(txtIscrizione->text())};
}

void TfrmTessera::print() {
    if (!fieldsComplete())
        return;
    if (!services_.dialogs.confirm(this, QString::fromUtf8(kPrintConfirmCaption),
                                   QStringLiteral("Si vuole stampare la tessera del cliente?")))
        return;
    const MembershipCard card = cardFromScreen();
    runPrintJob(services_, this, QStringLiteral("Tessera ") + fromCp1252(trimmed(card.card)),
                [&](PrintCanvas& canvas) { printMembershipCard(canvas, card); });
    accept();
}

} // namespace filmeria
