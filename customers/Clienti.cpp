#include "customers/Clienti.h"

#include "core/text_rules.h"
#include "customers/Avanzate.h"
#include "customers/CodFisc.h"
#include "customers/Imminenti.h"
#include "customers/PartitaIVA.h"
#include "customers/Tessera.h"
#include "customers/province_box.h"
#include "customers/province_list.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/HelpForm.h"
#include "screenkit/action_guard.h"
#include "screenkit/archive_message.h"
#include "screenkit/arrow_strip.h"
#include "screenkit/card_export.h"
#include "screenkit/combo_field.h"
#include "screenkit/controls.h"
#include "screenkit/desktop_outcome.h"
#include "screenkit/enter_keys.h"
#include "screenkit/field_highlight.h"
#include "screenkit/font_on_show.h"
#include "screenkit/key_rules.h"
#include "screenkit/picture_buttons.h"
#include "screenkit/program_formats.h"
#include "screenkit/screen_style.h"
#include "screenkit/status_panel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace filmeria {
namespace {

const QString kNameRequired = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il "
                                                "cognome e il nome o la ragione sociale del cliente.");
const QString kCardRequired = QString::fromUtf8(
    "Attenzione: per salvare la scheda è necessario indicare il numero di tessera del cliente.");
const QString kSavedChanges =
    QStringLiteral("Le modifiche apportate al cliente corrente sono state salvate in archivio.");
const QString kSavedNew = QString::fromUtf8("Il cliente corrente è stato salvato in archivio.");
const QString kDeleteInvalid = QString::fromUtf8("Attenzione: operazione non valida.\r\n\r\nLa cancellazione "
                                                 "può essere applicata soltanto ad una scheda già "
                                                 "registrata in archivio.");
const QString kVatDigitsOnly = QStringLiteral(
    "Attenzione: carattere non valido. Indicare il numero di partita IVA digitando solo valori numerici.");
const QString kRentalsNeedName = QString::fromUtf8(
    "Attenzione: per visualizzare l'elenco dei noleggi effettuati nell'anno corrente è necessario indicare "
    "cognome, nome o ragione sociale del cliente.");
const QString kRentalsNeedCard = QString::fromUtf8("Attenzione: per visualizzare l'elenco dei noleggi "
                                                   "effettuati nell'anno corrente è necessario indicare il "
                                                   "numero di tessera del cliente.");

QLabel* caption(QWidget* parent, const QString& text, int x, int y, int width) {
    return makeFieldCaption(parent, text, {x, y, width, 14});
}

QLineEdit* field(QWidget* parent, const char* name, int maxLength, QRect geometry) {
    return makeEditField(parent, QLatin1String(name), maxLength, geometry, style::verdana(8, true),
                         style::kMoneyGreen);
}

QPushButton* sideButton(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    QPushButton* b = makeButton(parent, QLatin1String(name), text, geometry);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

std::size_t positionOf(const QLabel* box) {
    return box->text().trimmed().toULongLong();
}

// The memo holds line feeds; the archive keeps Windows line breaks.
std::string notesForArchive(const QString& memo) {
    return toCp1252(QString(memo).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

} // namespace

TfrmClienti::TfrmClienti(Services& services, TfrmHelpForm& help, RentalHistory showRentalHistory)
    : CardScreen(services, QStringLiteral(" Filmeria Pro - Archivio clienti"))
    , help_(help)
    , showRentalHistory_(std::move(showRentalHistory)) {
    setObjectName("frmClienti");
    buildFields();
    buildCommands();
    for (QWidget* area : {static_cast<QWidget*>(this), static_cast<QWidget*>(grpContainer),
                          static_cast<QWidget*>(grpControlli), static_cast<QWidget*>(grpProdotto),
                          static_cast<QWidget*>(grpPrezzo), static_cast<QWidget*>(grpNote)})
        buttons_->addResetArea(area);
}

void TfrmClienti::buildFields() {
    grpProdotto = new QGroupBox(grpContainer);
    grpProdotto->setObjectName("grpProdotto");
    grpProdotto->setGeometry(8, 4, 604, 262);
    QWidget* g = grpProdotto;
    caption(g, QStringLiteral("Cognome e nome o ragione sociale"), 10, 10, 300);
    txtNome = field(g, "txtNome", fieldCapacity(CustomerField::Nome), {10, 24, 584, 24});
    QPalette maroon = txtNome->palette();
    maroon.setColor(QPalette::Text, QColor(128, 0, 0));
    txtNome->setPalette(maroon);

    caption(g, QStringLiteral("Indirizzo"), 10, 54, 200);
    txtIndirizzo = field(g, "txtIndirizzo", fieldCapacity(CustomerField::Indirizzo), {10, 68, 300, 24});
    caption(g, QStringLiteral("CAP"), 318, 54, 60);
    txtCap = field(g, "txtCap", fieldCapacity(CustomerField::Cap), {318, 68, 70, 24});
    caption(g, QString::fromUtf8("Città"), 396, 54, 120);
    txtCitta = field(g, "txtCitta", fieldCapacity(CustomerField::Citta), {396, 68, 130, 24});
    caption(g, QStringLiteral("Prov."), 534, 54, 60);
    txtProv = makeProvinceBox(g, {534, 68, 60, 24}, ProvinceCompletion::Inline);

    caption(g, QStringLiteral("Data di nascita"), 10, 98, 110);
    txtDataNasc = field(g, "txtDataNasc", fieldCapacity(CustomerField::DataNasc), {10, 112, 100, 24});
    caption(g, QStringLiteral("Luogo di nascita"), 118, 98, 160);
    txtLuogoNasc = field(g, "txtLuogoNasc", fieldCapacity(CustomerField::LuogoNasc), {118, 112, 200, 24});
    caption(g, QStringLiteral("Codice fiscale"), 326, 98, 160);
    txtCodFisc = field(g, "txtCodFisc", fieldCapacity(CustomerField::CodFisc), {326, 112, 214, 24});
    keepUpperCase(txtCodFisc);
    cmdCodFisc = sideButton(g, "cmdCodFisc", QStringLiteral("OK"), {546, 112, 48, 24});

    caption(g, QStringLiteral("Partita IVA"), 10, 142, 110);
    txtIva = field(g, "txtIva", fieldCapacity(CustomerField::Iva), {10, 156, 130, 24});
    cmdIva = sideButton(g, "cmdIva", QStringLiteral("OK"), {146, 156, 48, 24});
    caption(g, QStringLiteral("Tessera n."), 204, 142, 110);
    txtTessera = field(g, "txtTessera", fieldCapacity(CustomerField::Tessera), {204, 156, 200, 24});
    caption(g, QStringLiteral("Data iscrizione"), 412, 142, 110);
    txtIscrizione = field(g, "txtIscrizione", fieldCapacity(CustomerField::Iscrizione), {412, 156, 100, 24});

    caption(g, QStringLiteral("Genere cinematografico preferito"), 10, 186, 300);
    txtNoleggio = field(g, "txtNoleggio", fieldCapacity(CustomerField::Noleggio), {10, 200, 584, 24});
    cmdTessera = sideButton(g, "cmdTessera", QStringLiteral("Stampa tessera"), {10, 230, 150, 26});
    cmdNoleggio =
        sideButton(g, "cmdNoleggio", QStringLiteral("Visualizza noleggi anno corrente"), {168, 230, 260, 26});

    grpPrezzo = new QGroupBox(grpContainer);
    grpPrezzo->setObjectName("grpPrezzo");
    grpPrezzo->setGeometry(8, 270, 604, 108);
    QWidget* p = grpPrezzo;
    caption(p, QStringLiteral("Tel. casa"), 10, 10, 140);
    txtTelCasa = field(p, "txtTelCasa", fieldCapacity(CustomerField::TelCasa), {10, 24, 140, 24});
    caption(p, QStringLiteral("Tel. ufficio"), 156, 10, 140);
    txtTelUff = field(p, "txtTelUff", fieldCapacity(CustomerField::TelUff), {156, 24, 140, 24});
    caption(p, QStringLiteral("Tel. cellulare"), 302, 10, 140);
    txtTelCel = field(p, "txtTelCel", fieldCapacity(CustomerField::TelCel), {302, 24, 140, 24});
    caption(p, QStringLiteral("Fax"), 448, 10, 140);
    txtFax = field(p, "txtFax", fieldCapacity(CustomerField::Fax), {448, 24, 146, 24});
    caption(p, QStringLiteral("E-mail"), 10, 54, 140);
    txtEmail = field(p, "txtEmail", fieldCapacity(CustomerField::Email), {10, 68, 500, 24});
    cmdInvia = sideButton(p, "cmdInvia", QStringLiteral("Invia"), {518, 68, 76, 24});

    grpNote = new QGroupBox(QStringLiteral(" Note: "), grpContainer);
    grpNote->setObjectName("grpNote");
    style::setTextColour(grpNote, style::kNavy);
    grpNote->setGeometry(8, 382, 604, 126);
    txtTrama = new QPlainTextEdit(grpNote);
    txtTrama->setObjectName("txtTrama");
    setFontOnShow(txtTrama, style::verdana(8, true));
    txtTrama->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtTrama->setTabChangesFocus(true);
    txtTrama->setGeometry(10, 20, 584, 98);
    acceptOnlyCp1252(txtTrama);
    highlightOnFocus(txtTrama, style::kMoneyGreen);
    // The notes field holds 255 bytes in the archive, line breaks counting two.
    connect(txtTrama, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = memoText(txtTrama);
        if (notesForArchive(text).size() <= static_cast<std::size_t>(fieldCapacity(CustomerField::Trama)))
            return;
        QString kept = text;
        while (notesForArchive(kept).size() > static_cast<std::size_t>(fieldCapacity(CustomerField::Trama)))
            kept.chop(1);
        txtTrama->setPlainText(kept);
        txtTrama->moveCursor(QTextCursor::End);
    });

    chainOnEnter({txtNome, txtIndirizzo, txtCap, txtCitta, txtProv, txtDataNasc, txtLuogoNasc, txtCodFisc,
                  txtIva, txtTessera, txtIscrizione, txtNoleggio, txtTelCasa, txtTelUff, txtTelCel, txtFax,
                  txtEmail, txtTrama, txtNome});
    acceptTypedDigitsOnly(txtIva, services_.dialogs, this, kVatDigitsOnly,
                          [this] { txtTessera->setFocus(); });

    const auto click = [this](QPushButton* b, void (TfrmClienti::*handler)()) {
        onClick(b, services_.dialogs, [this, handler] { (this->*handler)(); });
    };
    click(cmdCodFisc, &TfrmClienti::checkFiscalCode);
    click(cmdIva, &TfrmClienti::checkVatNumber);
    click(cmdInvia, &TfrmClienti::sendMail);
    click(cmdTessera, &TfrmClienti::printMembershipCard);
    click(cmdNoleggio, &TfrmClienti::showRentals);
}

void TfrmClienti::buildCommands() {
    grpControlli = new QGroupBox(grpContainer);
    grpControlli->setObjectName("grpControlli");
    grpControlli->setGeometry(620, 4, 151, 396);
    const std::vector<PictureCommand> commands = {
        {"imgNuovo", "lblNuovo", "Nuovo", ":/pictures/cmd_nuovo.png",
         " Prepara la schermata ad accogliere una nuova scheda.", [this] { newCard(); }},
        {"imgSalva", "lblSalva", "Salva", ":/pictures/cmd_salva.png",
         " Salva in archivio i dati relativi alla scheda corrente oppure aggiorna la scheda esistente.",
         [this] { save(); }},
        {"imgTrova", "lblTrova", "Cerca", ":/pictures/cmd_trova.png", " Cerca una scheda in archivio.",
         [this] { search(); }},
        {"imgEsporta", "lblEsporta", "Esporta scheda", ":/pictures/cmd_word.png",
         " Esporta la scheda corrente in un file di Microsoft Word.", [this] { exportCard(); }},
        {"imgExcel", "lblExcel", "Esporta archivio", ":/pictures/cmd_excel.png",
         " Esporta l'archivio corrente in un foglio di Microsoft Excel.",
         [this] {
             TfrmImminenti exportScreen(services_, help_);
             services_.dialogs.exec(exportScreen);
         }},
        {"imgElimina", "lblElimina", "Elimina", ":/pictures/cmd_elimina.png",
         " Elimina dall'archivio la scheda corrente.", [this] { deleteCard(); }},
        {"imgGuida", "lblGuida", "Guida", ":/pictures/icon_guida.png", " Visualizza la guida in linea.",
         [this] { help_.showTopic(HelpTopicId::Clienti); }},
        {"imgEsci", "lblEsci", "Esci", ":/pictures/icon_esci.png",
         " Esce dalla schermata di lavoro corrente.", [this] { close(); }},
    };
    addPictureCommands(*buttons_, grpControlli, commands, [](int i) {
        const int y = 12 + i * 47;
        return std::pair{QRect(10, y, 32, 32), QRect(48, y + 8, 100, 18)};
    });
    buttons_->addStatusText(cmdCodFisc, QStringLiteral(" Controlla codice fiscale."));
    buttons_->addStatusText(cmdIva, QStringLiteral(" Controlla partita IVA."));
    buttons_->addStatusText(cmdInvia, QStringLiteral(" Invia messaggio e-mail."));

    lblPosizione = addArrowStrip(
        *buttons_, grpContainer,
        {{QRect(624, 410, 24, 24), QRect(650, 410, 24, 24), QRect(720, 410, 24, 24), QRect(746, 410, 24, 24)},
         QRect(676, 410, 42, 24),
         9,
         style::kWhite},
        [this](NavigationStep step) { navigate(step); });
}

std::string TfrmClienti::folder() const {
    return services_.folder.toStdString();
}

void TfrmClienti::archiveMessage() {
    services_.dialogs.information(this, kArchiveAccessMessage);
}

std::vector<std::pair<CustomerField, QLineEdit*>> TfrmClienti::lineFields() const {
    return {{CustomerField::Nome, txtNome},         {CustomerField::Indirizzo, txtIndirizzo},
            {CustomerField::Cap, txtCap},           {CustomerField::Citta, txtCitta},
            {CustomerField::DataNasc, txtDataNasc}, {CustomerField::LuogoNasc, txtLuogoNasc},
            {CustomerField::CodFisc, txtCodFisc},   {CustomerField::Iva, txtIva},
            {CustomerField::Tessera, txtTessera},   {CustomerField::Iscrizione, txtIscrizione},
            {CustomerField::Noleggio, txtNoleggio}, {CustomerField::TelCasa, txtTelCasa},
            {CustomerField::TelUff, txtTelUff},     {CustomerField::TelCel, txtTelCel},
            {CustomerField::Fax, txtFax},           {CustomerField::Email, txtEmail}};
}

CustomerRecord TfrmClienti::recordFromCard() const {
    CustomerRecord r;
    for (const auto& [f, edit] : lineFields())
        r[f] = toCp1252(edit->text());
    r[CustomerField::Prov] = toCp1252(txtProv->currentText());
    r[CustomerField::Trama] = notesForArchive(memoText(txtTrama));
    return r;
}

void TfrmClienti::showCustomer(const CustomerRecord& r, std::size_t position) {
    for (const auto& [f, edit] : lineFields())
        edit->setText(fromCp1252(r[f]));
    txtProv->setCurrentText(fromCp1252(r[CustomerField::Prov]));
    txtTrama->setPlainText(displayText(fromCp1252(r[CustomerField::Trama])));
    lblPosizione->setText(QString::number(position));
    loaded_ = r;
}

void TfrmClienti::reloadAt(std::size_t position) {
    const CustomerArchive archive = customerArchive(folder());
    if (position >= 1 && position <= archive.count())
        showCustomer(archive.readAt(position), position);
    else
        clearCard();
}

void TfrmClienti::clearCard() {
    for (const auto& [f, edit] : lineFields())
        edit->clear();
    txtProv->setCurrentIndex(-1);
    txtProv->clearEditText();
    txtTrama->clear();
    lblPosizione->clear();
    loaded_.reset();
}

void TfrmClienti::newCard() {
    clearCard();
    txtNome->setFocus();
}

void TfrmClienti::save() {
    if (storedBytes(txtNome->text()).empty()) {
        services_.dialogs.information(this, kNameRequired);
        txtNome->setFocus();
        return;
    }
    if (storedBytes(txtTessera->text()).empty()) {
        services_.dialogs.information(this, kCardRequired);
        txtTessera->setFocus();
        return;
    }
    try {
        const CustomerArchive archive = customerArchive(folder());
        const CustomerRecord record = recordFromCard();
        // What the archive will hold, as the next save compares it.
        const CustomerRecord stored = CustomerRecord::decode(record.encode());
        if (!lblPosizione->text().trimmed().isEmpty() && loaded_) {
            const std::size_t position = positionOf(lblPosizione);
            if (const auto written = archive.rewriteLoaded(position, *loaded_, record)) {
                lblPosizione->setText(QString::number(*written));
                loaded_ = stored;
                services_.dialogs.information(this, kSavedChanges);
            } else if (services_.dialogs.confirm(this, kChangedMeanwhileCaption, kSaveAsNewQuestion)) {
                lblPosizione->setText(QString::number(archive.append(record)));
                loaded_ = stored;
                services_.dialogs.information(this, kSavedNew);
            } else {
                reloadAt(position);
            }
        } else {
            lblPosizione->setText(QString::number(archive.append(record)));
            loaded_ = stored;
            services_.dialogs.information(this, kSavedNew);
        }
    } catch (const ArchiveError&) {
        archiveMessage();
    }
}

void TfrmClienti::navigate(NavigationStep step) {
    followArrow(
        step, lblPosizione, customerArchive(folder()), services_.dialogs, this,
        [this](const CustomerRecord& record, std::size_t position) { showCustomer(record, position); });
}

void TfrmClienti::deleteCard() {
    if (lblPosizione->text().trimmed().isEmpty()) {
        services_.dialogs.information(this, kDeleteInvalid);
        return;
    }
    if (!services_.dialogs.confirm(this, QStringLiteral("Conferma cancellazione scadenza"),
                                   QStringLiteral("Si vuole proprio eliminare la scheda corrente?")))
        return;
    try {
        const std::size_t position = positionOf(lblPosizione);
        if (!loaded_ || !customerArchive(folder()).deleteLoaded(position, *loaded_)) {
            services_.dialogs.information(this, kNotDeletedMeanwhile);
            reloadAt(position);
            return;
        }
    } catch (const ArchiveError&) {
        archiveMessage();
        return;
    }
    clearCard();
    txtNome->setFocus();
}

void TfrmClienti::search() {
    TfrmAvanzate searchScreen(services_);
    if (services_.dialogs.exec(searchScreen) != QDialog::Accepted)
        return;
    if (const auto& chosen = searchScreen.chosenCustomer())
        showCustomer(chosen->record, chosen->position);
}

void TfrmClienti::exportCard() {
    if (storedBytes(txtNome->text()).empty()) {
        services_.dialogs.information(
            this, QString::fromUtf8(
                      "Per poter esportare la scheda corrente in Microsoft Word è necessario indicare il "
                      "cognome e il nome o la ragione sociale del cliente."));
        txtNome->setFocus();
        return;
    }
    CardDocument card;
    card.title = "SCHEDA CLIENTE";
    const std::pair<const char*, QString> rows[] = {
        {"Cognome, nome o ragione sociale:", txtNome->text()},
        {"Indirizzo:", txtIndirizzo->text()},
        {"CAP:", txtCap->text()},
        {"Città:", txtCitta->text()},
        {"Provincia:", txtProv->currentText()},
        {"Data di nascita:", txtDataNasc->text()},
        {"Luogo di nascita:", txtLuogoNasc->text()},
        {"Codice fiscale:", txtCodFisc->text()},
        {"Partita IVA:", txtIva->text()},
        {"Tessera numero:", txtTessera->text()},
        {"Data iscrizione:", txtIscrizione->text()},
        {"Genere cinematografico preferito:", txtNoleggio->text()},
        {"Tel. casa:", txtTelCasa->text()},
        {"Tel. ufficio:", txtTelUff->text()},
        {"Tel. cellulare:", txtTelCel->text()},
        {"Fax:", txtFax->text()},
        {"E-mail:", txtEmail->text()},
        {"Note:", memoText(txtTrama)}};
    for (const auto& [label, value] : rows)
        card.rows.emplace_back(label, cardValue(value));
    exportCardDocument(services_, this, panInfo,
                       QStringLiteral("Scheda cliente - ") + txtNome->text().trimmed(), card);
}

void TfrmClienti::checkFiscalCode() {
    const QString code = fromCp1252(storedBytes(txtCodFisc->text()));
    const bool digitsOnly = !code.isEmpty() && std::all_of(code.begin(), code.end(),
                                                           [](QChar c) { return c >= '0' && c <= '9'; });
    if (digitsOnly) {
        TfrmIva dialog(services_);
        dialog.useNumericFiscalCodeWording();
        dialog.setCode(code);
        services_.dialogs.exec(dialog);
        return;
    }
    TfrmCodFisc dialog(services_);
    dialog.setCode(code);
    services_.dialogs.exec(dialog);
}

void TfrmClienti::checkVatNumber() {
    TfrmIva dialog(services_);
    dialog.setCode(fromCp1252(storedBytes(txtIva->text())));
    services_.dialogs.exec(dialog);
}

void TfrmClienti::sendMail() {
    openMailAddress(services_, this, QStringLiteral("mailto:") + fromCp1252(storedBytes(txtEmail->text())));
}

void TfrmClienti::printMembershipCard() {
    MembershipCard customer;
    customer.name = toCp1252(txtNome->text());
    customer.address = toCp1252(txtIndirizzo->text());
    customer.postalCode = toCp1252(txtCap->text());
    customer.town = toCp1252(txtCitta->text());
    customer.province = toCp1252(txtProv->currentText());
    customer.card = toCp1252(txtTessera->text());
    customer.enrolment = toCp1252(txtIscrizione->text());
    TfrmTessera card(services_, customer);
    services_.dialogs.exec(card);
}

void TfrmClienti::showRentals() {
    const std::string name = storedBytes(txtNome->text());
    const std::string card = storedBytes(txtTessera->text());
    if (name.empty()) {
        services_.dialogs.information(this, kRentalsNeedName);
        txtNome->setFocus();
        return;
    }
    if (card.empty()) {
        services_.dialogs.information(this, kRentalsNeedCard);
        txtTessera->setFocus();
        return;
    }
    if (showRentalHistory_)
        showRentalHistory_(fromCp1252(name), fromCp1252(card));
}

} // namespace filmeria
