#include "rentals/Noleggi.h"

#include "rentals/Rientri.h"
#include "rentals/Statistiche.h"

#include "core/text_rules.h"
#include "customers/ImportaCliente.h"
#include "customers/customer_search.h"
#include "films/ImportaFilm.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "rentals/Azienda.h"
#include "rentals/Calendario.h"
#include "rentals/CercaNoleggio.h"
#include "rentals/ExpNoleggi.h"
#include "rentals/StampaNoleggio.h"
#include "rentals/amounts.h"
#include "screenkit/HelpForm.h"
#include "screenkit/action_guard.h"
#include "screenkit/amount_fields.h"
#include "screenkit/archive_message.h"
#include "screenkit/arrow_strip.h"
#include "screenkit/controls.h"
#include "screenkit/enter_keys.h"
#include "screenkit/field_highlight.h"
#include "screenkit/font_on_show.h"
#include "screenkit/lazy_picture.h"
#include "screenkit/picture_buttons.h"
#include "screenkit/program_formats.h"
#include "screenkit/screen_style.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>

namespace filmeria {
namespace {

const QString kCaption = QStringLiteral(" Filmeria Pro - Gestione noleggi");
const QString kYearDigitsOnly =
    QStringLiteral("Attenzione: indicare un anno solare utilizzando solo caratteri numerici.");
const QString kSavedChanges =
    QStringLiteral("Le modifiche apportate alla scheda noleggio corrente sono state salvate in archivio.");
const QString kSavedNew = QString::fromUtf8("La scheda noleggio corrente è stata salvata in archivio.");
// Added when the proposed number was taken meanwhile: %1 the proposed number, %2 the saved one.
const char* const kRenumbered =
    "Il numero %1 risultava già assegnato ad un'altra scheda dell'archivio: la scheda "
    "è stata salvata con il numero %2.";
const QString kDeleteInvalid = QString::fromUtf8("Attenzione: operazione non valida.\r\n\r\nLa cancellazione "
                                                 "può essere applicata soltanto ad una scheda già "
                                                 "registrata in archivio.");
const QString kDeleteQuestion = QStringLiteral("Si vuole proprio eliminare la scheda corrente?");
const QString kDeleteCaption = QStringLiteral("Conferma cancellazione scheda noleggio");

// The four required fields, in order, with the messages of Save and of Stampa.
const char* const kSaveMessages[4] = {
    "Attenzione: per salvare i dati in archivio è necessario indicare il numero progressivo della scheda "
    "noleggio.\r\n\r\nPer usufruire della numerazione automatica, fare clic su Nuovo prima di inserire una "
    "nuova "
    "scheda.",
    "Attenzione: per salvare i dati in archivio è necessario indicare il cliente intestatario della scheda "
    "noleggio.",
    "Attenzione: per salvare la scheda è necessario indicare il numero di tessera del cliente.",
    "Attenzione: per salvare i dati in archivio è necessario indicare la data di emissione della scheda "
    "noleggio."};
const char* const kPrintMessages[4] = {
    "Attenzione: per stampare i dati è necessario indicare il numero progressivo della scheda "
    "noleggio.\r\n\r\n"
    "Per usufruire della numerazione automatica, fare clic su Nuovo prima di inserire una nuova scheda.",
    "Attenzione: per stampare i dati è necessario indicare il cliente intestatario della scheda noleggio.",
    "Attenzione: per stampare la scheda è necessario indicare il numero di tessera del cliente.",
    "Attenzione: per stampare i dati è necessario indicare la data di emissione della scheda noleggio."};

const QColor kSlipBackground(28, 46, 92);

QString two(int k) {
    return QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, QRect geometry, int points = 8,
              bool bold = false) {
    return makeLabel(parent, text, geometry, style::verdana(points, bold), style::kWhite, name);
}

QLineEdit* edit(QWidget* parent, const QString& name, int maxLength, QRect geometry, const QColor& resting,
                const QFont& font) {
    return makeEditField(parent, name, maxLength, geometry, font, resting);
}

QPushButton* iconButton(QWidget* parent, const QString& name, const QString& resource, QRect geometry,
                        const QString& hint) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setIcon(sharedIcon(resource));
    b->setGeometry(geometry);
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

std::size_t positionOf(const QLabel* box) {
    return box->text().trimmed().toULongLong();
}

} // namespace

TfrmNoleggi::TfrmNoleggi(Services& services, TfrmHelpForm& help, ScreenRef<TfrmImportaFilm> filmPicker,
                         ScreenRef<TfrmCercaNoleggio> slipSearch)
    : WorkScreen(kCaption, QStringLiteral(":/pictures/tile72.png"), QSize(779, 536))
    , services_(services)
    , help_(help)
    , filmPicker_(std::move(filmPicker))
    , slipSearch_(std::move(slipSearch)) {
    setObjectName("frmNoleggi");
    useProgramFormats();
    style::setBackground(grpContainer, kSlipBackground);

    // Yellow, not red, while hovered: red on the navy labels reads at 4.0:1, yellow at 14.9:1.
    buttons_ = new PictureButtons(this, services_.dialogs, nullptr, style::kWhite, style::kYellow);
    buildYearPanel();

    panScheda = new QWidget(grpContainer);
    panScheda->setObjectName("panScheda");
    panScheda->setGeometry(0, 0, 779, 536);
    buildHeader(panScheda);
    buildRows();
    buildCommandColumn(panScheda);
    addCounterKeys();

    lblFile = new QLabel(this);
    lblFile->setObjectName("lblFile");
    lblFile->hide();

    for (QWidget* area : {static_cast<QWidget*>(this), static_cast<QWidget*>(grpContainer),
                          static_cast<QWidget*>(panScheda), static_cast<QWidget*>(shpControlli),
                          static_cast<QWidget*>(grpRicevuta), static_cast<QWidget*>(grpRicevuta02)})
        buttons_->addResetArea(area);

    prepareYearChoice();
}

void TfrmNoleggi::buildYearPanel() {
    grpAnno = new QGroupBox(grpContainer);
    grpAnno->setObjectName("grpAnno");
    grpAnno->setGeometry(170, 130, 440, 250);
    style::setBackground(grpAnno, kSlipBackground);
    lblSelezione =
        label(grpAnno, "lblSelezione", QStringLiteral("Selezione anno solare."), {20, 16, 400, 34}, 18, true);
    grpSelezione = new QGroupBox(
        QStringLiteral(" Indicare un anno solare utilizzando 4 cifre e premere Apri: "), grpAnno);
    grpSelezione->setObjectName("grpSelezione");
    setFontOnShow(grpSelezione, style::verdana(8));
    style::setTextColour(grpSelezione, style::kWhite);
    grpSelezione->setGeometry(20, 64, 400, 96);
    txtAnno =
        edit(grpSelezione, "txtAnno", 4, {90, 32, 120, 44}, style::kMoneyGreen, style::verdana(22, true));
    txtAnno->setAlignment(Qt::AlignCenter);
    txtAnno->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), txtAnno));
    txtAnno->installEventFilter(this);
    cmdApri = new QPushButton(QStringLiteral("Apri"), grpSelezione);
    cmdApri->setObjectName("cmdApri");
    cmdApri->setGeometry(226, 36, 90, 36);
    cmdApri->setEnabled(false);
    cmdApri->setAutoDefault(false);
    connect(txtAnno, &QLineEdit::textChanged, this,
            [this] { cmdApri->setEnabled(txtAnno->text().size() > 3); });
    onClick(cmdApri, services_.dialogs, [this] { openYear(); });

    imgGuida = makePicture(grpAnno, "imgGuida", ":/pictures/icon_guida.png", {340, 196, 32, 32}, " Guida ");
    imgEsci = makePicture(grpAnno, "imgEsci", ":/pictures/icon_esci.png", {388, 196, 32, 32}, " Esci ");
    buttons_->add(imgGuida, nullptr, {}, [this] { help_.showTopic(HelpTopicId::Noleggi); });
    buttons_->add(imgEsci, nullptr, {}, [this] { close(); });
}

void TfrmNoleggi::buildHeader(QWidget* slip) {
    const QFont bold = style::verdana(9, true);
    lblNumScheda = label(slip, "lblNumScheda", QStringLiteral("Scheda noleggio n."), {12, 14, 128, 18});
    txtNumScheda = edit(slip, "txtNumScheda", fieldCapacity(SlipField::NumScheda), {140, 10, 84, 24},
                        style::kMoneyGreen, bold);
    lblCliente = label(slip, "lblCliente", QStringLiteral("del cliente"), {236, 14, 72, 18});
    txtCliente = edit(slip, "txtCliente", fieldCapacity(SlipField::Cliente), {310, 10, 300, 24},
                      style::kMoneyGreen, bold);
    imgImportaCliente = makePicture(slip, "imgImportaCliente", ":/pictures/import_cliente.png",
                                    {618, 10, 24, 24}, " Importa dati cliente ");
    lblTessera = label(slip, "lblTessera", QStringLiteral("Tessera n."), {12, 46, 80, 18});
    txtTessera = edit(slip, "txtTessera", fieldCapacity(SlipField::Tessera), {140, 42, 200, 24},
                      style::kMoneyGreen, bold);
    lblData = label(slip, "lblData", QStringLiteral("Data:"), {356, 46, 40, 18});
    txtData =
        edit(slip, "txtData", fieldCapacity(SlipField::Data), {398, 42, 100, 24}, style::kMoneyGreen, bold);
    makeDateField(txtData);
    txtData->installEventFilter(this);
    cmdData =
        iconButton(slip, "cmdData", ":/pictures/icon_calendario.png", {500, 42, 26, 24}, " Importa data ");
    onClick(cmdData, services_.dialogs, [this] { pickDate("Data"); });
    buttons_->add(imgImportaCliente, nullptr, {}, [this] { pickCustomer(); });

    // Footer.
    cmdAvanti = new QPushButton(QStringLiteral("Film 6-10  >>"), slip);
    cmdAvanti->setObjectName("cmdAvanti");
    cmdAvanti->setToolTip(QStringLiteral(" Avanti "));
    cmdAvanti->setGeometry(12, 496, 110, 28);
    cmdIndietro = new QPushButton(QStringLiteral("<<  Film 1-5"), slip);
    cmdIndietro->setObjectName("cmdIndietro");
    cmdIndietro->setToolTip(QStringLiteral(" Indietro "));
    cmdIndietro->setGeometry(12, 496, 110, 28);
    connect(cmdAvanti, &QPushButton::clicked, this, [this] { showPanel(2); });
    connect(cmdIndietro, &QPushButton::clicked, this, [this] { showPanel(1); });
    chkSaldato = new QCheckBox(QStringLiteral(" Saldato "), slip);
    chkSaldato->setObjectName("chkSaldato");
    chkSaldato->setFont(style::verdana(9, true));
    style::setTextColour(chkSaldato, style::kWhite);
    chkSaldato->setGeometry(220, 498, 100, 24);
    cmdTotale = new QPushButton(QStringLiteral("Calcola totale"), slip);
    cmdTotale->setObjectName("cmdTotale");
    cmdTotale->setGeometry(352, 496, 120, 28);
    onClick(cmdTotale, services_.dialogs, [this] { calculateTotal(); });
    auto* euro = label(slip, "lblValuta", QString::fromUtf8("Totale €"), {480, 501, 66, 18}, 9, true);
    euro->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtTotale = edit(slip, "txtTotale", fieldCapacity(SlipField::Totale), {550, 496, 96, 28},
                     style::kMoneyGreen, style::verdana(11, true));
    txtTotale->setAlignment(Qt::AlignRight);
    txtTotale->setText(QStringLiteral("0,00"));
    makeAmountField(txtTotale, AmountKind::TotalMoney, services_.dialogs, this);
}

TfrmNoleggi::FilmRow TfrmNoleggi::buildRow(QWidget* panel, int k, int top) {
    const QString n = two(k);
    const QFont bold = style::tahoma(8);
    QFont rowFont = bold;
    rowFont.setBold(true);
    FilmRow r{};
    r.shpFilm = new QFrame(panel);
    r.shpFilm->setObjectName("shpFilm" + n);
    r.shpFilm->setFrameStyle(QFrame::Box | QFrame::Plain); // a plain box is drawn in the text colour
    style::setTextColour(r.shpFilm, QColor(120, 140, 190));
    r.shpFilm->setGeometry(6, top, 618, 80);
    r.lblNum = label(panel, "lblNum" + n, QString::number(k) + ".", {10, top + 18, 26, 18}, 10, true);
    label(panel, "lblCodice" + n, QStringLiteral("Codice"), {40, top + 3, 100, 14}, 7);
    r.txtCodice = edit(panel, "txtCodice" + n, fieldCapacity(RowField::Codice), {40, top + 17, 120, 22},
                       style::kWhite, rowFont);
    label(panel, "lblTitolo" + n, QStringLiteral("Titolo film"), {166, top + 3, 200, 14}, 7);
    r.txtTitolo = edit(panel, "txtTitolo" + n, fieldCapacity(RowField::Titolo), {166, top + 17, 414, 22},
                       style::kWhite, rowFont);
    r.imgImporta = makePicture(panel, "imgImporta" + n, ":/pictures/import_film.png", {588, top + 16, 24, 24},
                               " Importa dati film ");

    const int y = top + 42;
    label(panel, "lblPrestito" + n, QStringLiteral("Data noleggio"), {40, y, 110, 14}, 7);
    r.txtPrestito = edit(panel, "txtPrestito" + n, fieldCapacity(RowField::Prestito), {40, y + 14, 84, 22},
                         style::kWhite, rowFont);
    r.cmdPrestito = iconButton(panel, "cmdPrestito" + n, ":/pictures/icon_calendario.png",
                               {125, y + 14, 22, 22}, " Importa data ");
    label(panel, "lblRiconsegna" + n, QStringLiteral("Data riconsegna"), {156, y, 110, 14}, 7);
    r.txtRiconsegna = edit(panel, "txtRiconsegna" + n, fieldCapacity(RowField::Riconsegna),
                           {156, y + 14, 84, 22}, style::kWhite, rowFont);
    r.cmdRiconsegna = iconButton(panel, "cmdRiconsegna" + n, ":/pictures/icon_calendario.png",
                                 {241, y + 14, 22, 22}, " Importa data ");
    label(panel, "lblPrezzoDie" + n, QStringLiteral("Prezzo al giorno:"), {274, y, 100, 14}, 7);
    r.txtPrezzoDie = edit(panel, "txtPrezzoDie" + n, fieldCapacity(RowField::PrezzoDie),
                          {274, y + 14, 92, 22}, style::kWhite, rowFont);
    label(panel, "lblTotGiorni" + n, QStringLiteral("Tot. giorni:"), {374, y, 70, 14}, 7);
    r.txtTotGiorni = edit(panel, "txtTotGiorni" + n, fieldCapacity(RowField::TotGiorni),
                          {374, y + 14, 62, 22}, style::kWhite, rowFont);
    label(panel, "lblPrezzoTot" + n, QStringLiteral("Prezzo tot."), {444, y, 90, 14}, 7);
    r.txtPrezzoTot = edit(panel, "txtPrezzoTot" + n, fieldCapacity(RowField::PrezzoTot),
                          {444, y + 14, 90, 22}, style::kWhite, rowFont);
    r.cmdCalcola = iconButton(panel, "cmdCalcola" + n, ":/pictures/icon_calcola.png", {538, y + 13, 80, 24},
                              " Calcola ");
    r.cmdCalcola->setText(QStringLiteral("Calcola"));
    for (QLineEdit* e : {r.txtPrezzoDie, r.txtPrezzoTot, r.txtTotGiorni})
        e->setAlignment(Qt::AlignRight);
    makeAmountField(r.txtPrezzoDie, AmountKind::RowMoney, services_.dialogs, this);
    makeAmountField(r.txtTotGiorni, AmountKind::Days, services_.dialogs, this);
    makeAmountField(r.txtPrezzoTot, AmountKind::RowMoney, services_.dialogs, this);
    for (QLineEdit* e : {r.txtPrestito, r.txtRiconsegna}) {
        makeDateField(e);
        e->installEventFilter(this);
    }
    const QString prestito = "Prestito" + n;
    const QString riconsegna = "Riconsegna" + n;
    onClick(r.cmdPrestito, services_.dialogs, [this, prestito] { pickDate(prestito); });
    onClick(r.cmdRiconsegna, services_.dialogs, [this, riconsegna] { pickDate(riconsegna); });
    onClick(r.cmdCalcola, services_.dialogs, [this, k] { calculateRow(k); });
    buttons_->add(r.imgImporta, nullptr, {}, [this, k] { pickFilm(k); });
    return r;
}

void TfrmNoleggi::buildRows() {
    grpRicevuta = new QGroupBox(panScheda);
    grpRicevuta->setObjectName("grpRicevuta");
    grpRicevuta02 = new QGroupBox(panScheda);
    grpRicevuta02->setObjectName("grpRicevuta02");
    for (QGroupBox* panel : {grpRicevuta, grpRicevuta02}) {
        panel->setGeometry(6, 72, 632, 420);
        panel->setFlat(true);
        style::setBackground(panel, kSlipBackground);
    }
    for (int k = 1; k <= kSlipRows; ++k) {
        QWidget* panel = k <= 5 ? grpRicevuta : grpRicevuta02;
        rows_[static_cast<std::size_t>(k - 1)] = buildRow(panel, k, 2 + ((k - 1) % 5) * 83);
    }

    // Tab and Enter run row by row: code, title, rental date, return date, price, days, amount.
    std::vector<QWidget*> first{txtNumScheda, txtCliente, txtTessera};
    std::vector<QWidget*> second;
    for (int k = 1; k <= kSlipRows; ++k) {
        const FilmRow& r = rows_[static_cast<std::size_t>(k - 1)];
        auto& chain = k <= 5 ? first : second;
        for (QWidget* w : {static_cast<QWidget*>(r.txtCodice), static_cast<QWidget*>(r.txtTitolo),
                           static_cast<QWidget*>(r.txtPrestito), static_cast<QWidget*>(r.txtRiconsegna),
                           static_cast<QWidget*>(r.txtPrezzoDie), static_cast<QWidget*>(r.txtTotGiorni),
                           static_cast<QWidget*>(r.txtPrezzoTot)})
            chain.push_back(w);
    }
    first.push_back(txtTotale);
    second.push_back(txtTotale);
    for (const auto* chain : {&first, &second}) {
        for (std::size_t i = 0; i + 1 < chain->size(); ++i)
            QWidget::setTabOrder((*chain)[i], (*chain)[i + 1]);
        chainOnEnter(*chain);
    }
    // A barcode scanner types a code and Enter: a code or a card number looks its film or
    // customer up; an empty field moves along the chain as before.
    for (int k = 1; k <= kSlipRows; ++k) {
        const FilmRow& r = rows_[static_cast<std::size_t>(k - 1)];
        onEnter(r.txtCodice, services_.dialogs, [this, k, r] {
            if (storedBytes(r.txtCodice->text()).empty())
                focusByKeyboard(r.txtTitolo);
            else
                scanFilm(k);
        });
    }
    onEnter(txtTessera, services_.dialogs, [this] {
        if (storedBytes(txtTessera->text()).empty())
            focusByKeyboard(rows_[0].txtCodice);
        else
            scanCard();
    });
}

void TfrmNoleggi::buildCommandColumn(QWidget* slip) {
    shpControlli = new QFrame(slip);
    shpControlli->setObjectName("shpControlli");
    style::setBackground(shpControlli, style::kMoneyGreen);
    shpControlli->setGeometry(650, 6, 122, 524);

    const std::vector<PictureCommand> commands = {
        {"imgNuovo", "lblNuovo", "Nuovo", ":/pictures/cmd_nuovo.png", "", [this] { newSlip(); }},
        {"imgSalva", "lblSalva", "Salva", ":/pictures/cmd_salva.png", "", [this] { save(); }},
        {"imgTrova", "lblTrova", "Cerca", ":/pictures/cmd_trova.png", "", [this] { search(); }},
        {"imgStampa", "lblStampa", "Stampa", ":/pictures/cmd_stampa.png", "", [this] { print(); }},
        {"imgExcel", "lblExcel", "Esporta", ":/pictures/cmd_excel.png", "", [this] { exportArchive(); }},
        {"imgElimina", "lblElimina", "Elimina", ":/pictures/cmd_elimina.png", "", [this] { deleteSlip(); }},
        {"imgAzienda", "lblAzienda", "Azienda", ":/pictures/cmd_azienda.png", "",
         [this] { editLetterhead(); }},
        {"imgEsci02", "lblEsci", "Esci", ":/pictures/icon_esci.png", "", [this] { close(); }},
    };
    for (const auto& [image, label] : addPictureCommands(*buttons_, shpControlli, commands, [](int i) {
             const int y = 8 + i * 56;
             return std::pair{QRect(45, y, 32, 32), QRect(21, y + 34, 80, 16)};
         })) {
        label->setAlignment(Qt::AlignCenter);
        style::setBackground(label, style::kNavy); // white labels stay readable on the light strip
    }

    lblPosizione = addArrowStrip(
        *buttons_, shpControlli,
        {{QRect(5, 458, 26, 26), QRect(33, 458, 26, 26), QRect(61, 458, 26, 26), QRect(89, 458, 26, 26)},
         QRect(11, 490, 100, 28),
         11,
         style::kMoneyGreen},
        [this](NavigationStep step) { navigate(step); });
}

void TfrmNoleggi::prepareYearChoice() {
    grpAnno->setVisible(true);
    grpRicevuta->setVisible(false);
    panScheda->setVisible(false);
    setWindowTitle(kCaption);
}

void TfrmNoleggi::showEvent(QShowEvent* event) {
    WorkScreen::showEvent(event);
    if (event->spontaneous())
        return;
    const QDate today = services_.clock.today();
    // A saved slip keeps its own issue date.
    if (lblPosizione->text().trimmed().isEmpty())
        txtData->setText(today.toString(kDateFormat));
    txtAnno->setText(today.toString(QStringLiteral("yyyy")));
}

bool TfrmNoleggi::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return WorkScreen::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == txtAnno) {
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && txtAnno->text().size() == 4) {
            runGuarded(services_.dialogs, this, [this] { openYear(); });
            return true;
        }
        const QString text = key->text();
        const bool character = enter || (!text.isEmpty() && text.at(0).unicode() >= 0x20);
        if (!character || key->key() == Qt::Key_Backspace || (text.size() == 1 && text.at(0).isDigit()))
            return false;
        services_.dialogs.information(this, kYearDigitsOnly);
        return true;
    }
    // F4 in a date field opens its picker, so dates can be chosen from the keyboard.
    if (key->key() == Qt::Key_F4) {
        const QString name = watched->objectName();
        if (name.startsWith(QLatin1String("txt")))
            runGuarded(services_.dialogs, this, [&] { pickDate(name.mid(3)); });
        return true;
    }
    return WorkScreen::eventFilter(watched, event);
}

QString TfrmNoleggi::yearText() const {
    return txtAnno->text().trimmed();
}

std::string TfrmNoleggi::folder() const {
    return services_.folder.toStdString();
}

void TfrmNoleggi::archiveMessage() {
    services_.dialogs.information(this, kArchiveAccessMessage);
}

void TfrmNoleggi::openYear() {
    const QString file = QString::fromStdString(yearFilePath(folder(), toCp1252(txtAnno->text())));
    lblFile->setText(file);
    if (!slipYearFile_.isEmpty() && slipYearFile_ != file) {
        // The slip on screen belongs to another year: here it is a new slip, numbered anew, so
        // that Salva appends it and never rewrites an unrelated slip of this year.
        lblPosizione->clear();
        txtNumScheda->clear();
        proposedNumber_.clear();
        loaded_.reset();
    }
    slipYearFile_ = file;
    setWindowTitle(QStringLiteral(" Filmeria Pro - Gestione noleggi anno ") + yearText());
    panScheda->setVisible(true);
    grpRicevuta->setVisible(true);
    grpAnno->setVisible(false);
    grpRicevuta02->setVisible(false);
    cmdAvanti->setVisible(true);
    cmdIndietro->setVisible(false);
    rows_[0].txtCodice->setFocus();
}

void TfrmNoleggi::showPanel(int panel) {
    grpRicevuta->setVisible(panel == 1);
    grpRicevuta02->setVisible(panel == 2);
    cmdAvanti->setVisible(panel == 1);
    cmdIndietro->setVisible(panel == 2);
    rows_[panel == 1 ? 0 : 5].txtCodice->setFocus();
}

void TfrmNoleggi::clearSlip() {
    showPanel(1);
    chkSaldato->setChecked(false);
    txtNumScheda->clear();
    txtCliente->clear();
    txtTessera->clear();
    txtData->setText(services_.clock.today().toString(kDateFormat));
    txtTotale->setText(QStringLiteral("0,00"));
    for (const auto& [index, edit] : slipFields()) {
        if (index >= fieldIndex(RowField::Codice, 1))
            edit->clear();
    }
    lblPosizione->clear();
    proposedNumber_.clear();
    slipYearFile_.clear();
    loaded_.reset();
    rows_[0].txtCodice->setFocus();
}

void TfrmNoleggi::newSlip() {
    clearSlip();
    try {
        proposedNumber_ = NextSlipNumber(archive());
        txtNumScheda->setText(QString::fromStdString(proposedNumber_));
        slipYearFile_ = lblFile->text();
    } catch (const ArchiveError&) {
        // Numbering is a convenience: without it the operator types the number.
    }
}

bool TfrmNoleggi::requiredFieldsPresent(const char* const messages[4]) {
    QLineEdit* required[4] = {txtNumScheda, txtCliente, txtTessera, txtData};
    for (int i = 0; i < 4; ++i) {
        if (storedBytes(required[i]->text()).empty()) {
            services_.dialogs.information(this, QString::fromUtf8(messages[i]));
            required[i]->setFocus();
            return false;
        }
    }
    if (storedBytes(txtTotale->text()).empty())
        txtTotale->setText(QStringLiteral("0,00"));
    return true;
}

std::vector<std::pair<std::size_t, QLineEdit*>> TfrmNoleggi::slipFields() const {
    std::vector<std::pair<std::size_t, QLineEdit*>> fields = {
        {fieldIndex(SlipField::NumScheda), txtNumScheda},
        {fieldIndex(SlipField::Cliente), txtCliente},
        {fieldIndex(SlipField::Tessera), txtTessera},
        {fieldIndex(SlipField::Data), txtData},
        {fieldIndex(SlipField::Totale), txtTotale}};
    for (int k = 1; k <= kSlipRows; ++k) {
        const FilmRow& r = rows_[static_cast<std::size_t>(k - 1)];
        fields.insert(fields.end(), {{fieldIndex(RowField::Codice, k), r.txtCodice},
                                     {fieldIndex(RowField::Titolo, k), r.txtTitolo},
                                     {fieldIndex(RowField::Prestito, k), r.txtPrestito},
                                     {fieldIndex(RowField::Riconsegna, k), r.txtRiconsegna},
                                     {fieldIndex(RowField::PrezzoDie, k), r.txtPrezzoDie},
                                     {fieldIndex(RowField::TotGiorni, k), r.txtTotGiorni},
                                     {fieldIndex(RowField::PrezzoTot, k), r.txtPrezzoTot}});
    }
    return fields;
}

RentalRecord TfrmNoleggi::recordFromScreen() const {
    RentalRecord r;
    for (const auto& [index, edit] : slipFields())
        r.values[index] = toCp1252(edit->text());
    r[SlipField::Saldato] = chkSaldato->isChecked() ? kPaid : kNotPaid;
    return r;
}

void TfrmNoleggi::loadSlip(const RentalRecord& r, std::size_t position) {
    for (const auto& [index, edit] : slipFields())
        edit->setText(fromCp1252(r.values[index]));
    // A flag that is neither "si" nor "no" leaves the box as it was.
    if (r[SlipField::Saldato] == kPaid)
        chkSaldato->setChecked(true);
    else if (r[SlipField::Saldato] == kNotPaid)
        chkSaldato->setChecked(false);
    lblPosizione->setText(QString::number(position));
    proposedNumber_.clear();
    slipYearFile_ = lblFile->text();
    loaded_ = r;
}

void TfrmNoleggi::addCounterKeys() {
    // The counter by keyboard: each command of the slip by a key, told in its hint. F4 in a date
    // field opens its picker (eventFilter); F8 opens the returns desk and F9 the statistics of
    // the year, from any panel.
    const auto key = [this](const QKeySequence& keys, bool slipOnly, std::function<void()> action) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, slipOnly, action = std::move(action)] {
            if (!slipOnly || panScheda->isVisible())
                runGuarded(services_.dialogs, this, action);
        });
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_N), true, [this] { newSlip(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_S), true, [this] { save(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_F), true, [this] { search(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_P), true, [this] { print(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_T), true, [this] { calculateTotal(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_R), true, [this] {
        if (const int row = rowWithFocus(); row > 0)
            calculateRow(row);
    });
    key(QKeySequence(Qt::CTRL | Qt::Key_D), true, [this] {
        chkSaldato->setFocus(Qt::ShortcutFocusReason);
        chkSaldato->toggle();
    });
    key(QKeySequence(Qt::Key_F8), false, [this] { openReturnsDesk(); });
    key(QKeySequence(Qt::Key_F9), false, [this] { openStatistics(); });
    const std::pair<const char*, const char*> hints[] = {
        {"imgNuovo", " Nuovo (Ctrl+N) "},           {"imgSalva", " Salva (Ctrl+S) "},
        {"imgTrova", " Cerca (Ctrl+F) "},           {"imgStampa", " Stampa (Ctrl+P) "},
        {"cmdTotale", " Calcola totale (Ctrl+T) "}, {"chkSaldato", " Saldato (Ctrl+D) "},
    };
    for (const auto& [name, hint] : hints)
        if (auto* widget = findChild<QWidget*>(QLatin1String(name)))
            widget->setToolTip(QString::fromUtf8(hint));
    for (const FilmRow& r : rows_)
        r.cmdCalcola->setToolTip(QStringLiteral(" Calcola la riga (Ctrl+R nella riga) "));
}

int TfrmNoleggi::rowWithFocus() const {
    const QWidget* focus = QApplication::focusWidget();
    for (int k = 1; k <= kSlipRows; ++k) {
        const FilmRow& r = rows_[static_cast<std::size_t>(k - 1)];
        for (const QWidget* part :
             {static_cast<const QWidget*>(r.txtCodice), static_cast<const QWidget*>(r.txtTitolo),
              static_cast<const QWidget*>(r.txtPrestito), static_cast<const QWidget*>(r.txtRiconsegna),
              static_cast<const QWidget*>(r.txtPrezzoDie), static_cast<const QWidget*>(r.txtTotGiorni),
              static_cast<const QWidget*>(r.txtPrezzoTot), static_cast<const QWidget*>(r.cmdCalcola)})
            if (part == focus)
                return k;
    }
    return 0;
}

void TfrmNoleggi::openReturnsDesk() {
    TfrmRientri desk(services_);
    if (services_.dialogs.exec(desk) != QDialog::Accepted || !desk.chosen())
        return;
    openChosenFilm(*desk.chosen());
}

void TfrmNoleggi::openStatistics() {
    TfrmStatistiche statistics(services_);
    bool isYear = false;
    const int year = yearText().toInt(&isYear);
    statistics.setYear(isYear ? year : 0);
    services_.dialogs.exec(statistics);
}

void TfrmNoleggi::openChosenFilm(const ChosenFilmOut& chosen) {
    if (!openSlipAt(chosen.year, chosen.position, chosen.row)) {
        services_.dialogs.information(this, QString::fromUtf8(kSlipGone));
        return;
    }
    if (chosen.returned)
        returnFilmAt(chosen.row);
}

bool TfrmNoleggi::openSlipAt(const QString& year, std::size_t position, int row) {
    txtAnno->setText(year);
    openYear();
    reloadAt(position);
    showPanel(row <= 5 ? 1 : 2);
    return !lblPosizione->text().isEmpty();
}

void TfrmNoleggi::returnFilmAt(int row) {
    const FilmRow& r = rows_[static_cast<std::size_t>(row - 1)];
    r.txtRiconsegna->setText(services_.clock.today().toString(kDateFormat));
    if (!calculateRow(row))
        return; // the focus is where the problem is
    calculateTotal();
    chkSaldato->setFocus();
}

void TfrmNoleggi::reloadAt(std::size_t position) {
    const RentalArchive slips = archive();
    if (position >= 1 && position <= slips.count()) {
        loadSlip(slips.readAt(position), position);
        return;
    }
    clearSlip();
}

void TfrmNoleggi::save() {
    settleEditedAmountField(this); // Salva takes no focus: the field being typed is left here
    if (!requiredFieldsPresent(kSaveMessages))
        return;
    try {
        const RentalRecord record = recordFromScreen();
        const RentalArchive slips = archive();
        if (!lblPosizione->text().trimmed().isEmpty() && loaded_) {
            const std::size_t position = positionOf(lblPosizione);
            if (const auto written = slips.rewriteLoaded(position, *loaded_, record)) {
                lblPosizione->setText(QString::number(*written));
                loaded_ = RentalRecord::decode(record.encode());
                services_.dialogs.information(this, kSavedChanges);
                return;
            }
            if (!services_.dialogs.confirm(this, kChangedMeanwhileCaption, kSaveAsNewQuestion)) {
                reloadAt(position);
                return;
            }
            proposedNumber_.clear(); // the slip keeps the number it shows
        }
        {
            const SavedSlip saved = appendNewSlip(slips, record, proposedNumber_);
            lblPosizione->setText(QString::number(saved.position));
            slipYearFile_ = lblFile->text();
            QString message = kSavedNew;
            if (saved.renumbered) {
                txtNumScheda->setText(fromCp1252(saved.number));
                message +=
                    QStringLiteral("\r\n\r\n") +
                    QString::fromUtf8(kRenumbered)
                        .arg(QString::fromStdString(trimmed(proposedNumber_)), fromCp1252(saved.number));
            }
            proposedNumber_.clear();
            loaded_ = RentalRecord::decode(slips.readAt(saved.position).encode());
            services_.dialogs.information(this, message);
        }
    } catch (const ArchiveError&) {
        archiveMessage();
    }
}

RentalArchive TfrmNoleggi::archive() const {
    return yearArchive(folder(), toCp1252(txtAnno->text()));
}

void TfrmNoleggi::navigate(NavigationStep step) {
    followArrow(step, lblPosizione, archive(), services_.dialogs, this,
                [this](const RentalRecord& slip, std::size_t position) { loadSlip(slip, position); });
}

void TfrmNoleggi::deleteSlip() {
    if (lblPosizione->text().trimmed().isEmpty()) {
        services_.dialogs.information(this, kDeleteInvalid);
        return;
    }
    if (!services_.dialogs.confirm(this, kDeleteCaption, kDeleteQuestion))
        return;
    try {
        const std::size_t position = positionOf(lblPosizione);
        if (!loaded_ || !archive().deleteLoaded(position, *loaded_)) {
            services_.dialogs.information(this, kNotDeletedMeanwhile);
            reloadAt(position);
            return;
        }
    } catch (const ArchiveError&) {
        archiveMessage();
        return;
    }
    clearSlip();
}

void TfrmNoleggi::search() {
    TfrmCercaNoleggio& slipSearch = *slipSearch_;
    slipSearch.setTitle(QStringLiteral("Ricerca schede noleggio anno ") + yearText());
    slipSearch.setYear(yearText());
    if (services_.dialogs.exec(slipSearch) != QDialog::Accepted)
        return;
    if (const auto& chosen = slipSearch.chosenSlip())
        loadSlip(chosen->record, chosen->position);
}

void TfrmNoleggi::print() {
    settleEditedAmountField(this);
    if (!requiredFieldsPresent(kPrintMessages))
        return;
    printSlip();
}

void TfrmNoleggi::printSlip() {
    TfrmStampaNoleggio printScreen(services_, recordFromScreen());
    services_.dialogs.exec(printScreen);
}

void TfrmNoleggi::editLetterhead() {
    TfrmAzienda letterhead(services_);
    services_.dialogs.exec(letterhead);
}

void TfrmNoleggi::exportArchive() {
    TfrmExpNoleggi exportScreen(services_, help_, yearText());
    services_.dialogs.exec(exportScreen);
}

void TfrmNoleggi::pickDate(const QString& tag) {
    QLineEdit* field = dateFieldForTag(tag);
    if (!field)
        return;
    TfrmCalendario picker(services_);
    picker.setMemory(tag);
    picker.startFrom(field->text());
    if (services_.dialogs.exec(picker) == QDialog::Accepted)
        field->setText(picker.chosenDate());
}

bool TfrmNoleggi::pickFilm(int row) {
    TfrmImportaFilm& picker = *filmPicker_;
    picker.setMemory(QStringLiteral("film") + two(row));
    if (services_.dialogs.exec(picker) != QDialog::Accepted)
        return false;
    const auto& film = picker.chosenFilm();
    return film && offerFilm(row, *film);
}

void TfrmNoleggi::scanFilm(int row) {
    const FilmRow& r = rows_[static_cast<std::size_t>(row - 1)];
    const QString code = r.txtCodice->text().trimmed();
    std::vector<ChosenFilm> films;
    {
        FilmStore store(folder());
        const std::unique_ptr<TSQLiteTable> result = store.withCode(toCp1252(code));
        for (bool more = result->First(); more && !result->AtEnd(); result->Next())
            films.push_back(chosenFilmOf(*result));
    }
    bool filled = false;
    if (films.size() == 1) {
        filled = offerFilm(row, films.front());
    } else if (films.empty()) {
        services_.dialogs.information(this,
                                      QStringLiteral("Nessun film in archivio con il codice indicato."));
    } else {
        filmPicker_->searchCodeOnShow(code);
        filled = pickFilm(row);
    }
    if (filled) {
        focusByKeyboard(r.txtRiconsegna);
    } else {
        // Ready for the next scan.
        r.txtCodice->setFocus();
        r.txtCodice->selectAll();
    }
}

void TfrmNoleggi::scanCard() {
    const QString card = txtTessera->text().trimmed();
    std::vector<ChosenCustomer> customers;
    try {
        customers = customersWithCard(customerArchive(folder()), toCp1252(card));
    } catch (const ArchiveError&) {
        archiveMessage();
        return;
    }
    bool taken = false;
    if (customers.size() == 1) {
        takeCustomer(customers.front().record);
        taken = true;
    } else if (customers.empty()) {
        services_.dialogs.information(
            this, QStringLiteral("Nessun cliente in archivio con il numero di tessera indicato."));
    } else {
        taken = pickCustomer(card);
    }
    if (taken) {
        focusByKeyboard(rows_[0].txtCodice);
    } else {
        txtTessera->setFocus();
        txtTessera->selectAll();
    }
}

bool TfrmNoleggi::offerFilm(int row, const ChosenFilm& film) {
    // A film the archive marks as not available is put on the slip only when the clerk says so.
    if (film.availability.trimmed().compare(QStringLiteral("no"), Qt::CaseInsensitive) == 0 &&
        !services_.dialogs.confirm(
            this, QStringLiteral("Film non disponibile"),
            QStringLiteral("Il film risulta non disponibile. Inserirlo comunque nella scheda?")))
        return false;
    // So is a film the slips say is out, unless it is this very row of this slip.
    try {
        const QDate today = services_.clock.today();
        const std::optional<FilmOut> out =
            whereabouts_.filmOut(folder(), toCp1252(film.code), {today.year(), today.month(), today.day()});
        const bool thisRow = out && fromCp1252(out->year) == yearText() &&
                             QString::number(out->position) == lblPosizione->text().trimmed() &&
                             out->row == row;
        if (out && !thisRow) {
            QString note = fromCp1252(filmOutNote(*out)); // "In noleggio dal ..."
            note[0] = note[0].toLower();
            if (!services_.dialogs.confirm(this, QStringLiteral("Film in noleggio"),
                                           QStringLiteral("Il film risulta ") + note +
                                               QStringLiteral(". Inserirlo comunque nella scheda?")))
                return false;
        }
    } catch (const ArchiveError&) {
        // Slips that cannot be read tell nothing against the film; saving will say what is wrong.
    }
    fillFilmRow(row, film.code, film.title, film.price, services_.clock.today().toString(kDateFormat));
    return true;
}

bool TfrmNoleggi::pickCustomer(const QString& card) {
    TfrmImportaCliente picker(services_);
    if (!card.isEmpty())
        picker.searchCardOnShow(card);
    if (services_.dialogs.exec(picker) != QDialog::Accepted || !picker.chosenCustomer())
        return false;
    takeCustomer(picker.chosenCustomer()->record);
    return true;
}

void TfrmNoleggi::takeCustomer(const CustomerRecord& customer) {
    txtCliente->setText(fromCp1252(customer[CustomerField::Nome]));
    txtTessera->setText(fromCp1252(customer[CustomerField::Tessera]));
}

QLineEdit* TfrmNoleggi::dateFieldForTag(const QString& tag) const {
    if (tag == QLatin1String("Data"))
        return txtData;
    for (int k = 1; k <= kSlipRows; ++k) {
        const FilmRow& r = rows_[static_cast<std::size_t>(k - 1)];
        if (tag == QStringLiteral("Prestito") + two(k))
            return r.txtPrestito;
        if (tag == QStringLiteral("Riconsegna") + two(k))
            return r.txtRiconsegna;
    }
    return nullptr;
}

void TfrmNoleggi::fillFilmRow(int row, const QString& code, const QString& title, const QString& price,
                              const QString& date) {
    const FilmRow& r = rows_[static_cast<std::size_t>(row - 1)];
    r.txtTitolo->setText(title);
    r.txtPrezzoDie->setText(price);
    r.txtCodice->setText(code);
    r.txtPrestito->setText(date);
}

bool TfrmNoleggi::calculateRow(int k) {
    settleEditedAmountField(this);
    const FilmRow& r = rows_[static_cast<std::size_t>(k - 1)];
    const RowCalculation result = CalculateRow(
        {toCp1252(r.txtPrestito->text()), toCp1252(r.txtRiconsegna->text()), toCp1252(r.txtPrezzoDie->text()),
         toCp1252(r.txtTotGiorni->text()), toCp1252(r.txtPrezzoTot->text())});
    if (result.problem != RowCalculation::None) {
        services_.dialogs.information(this, QString::fromUtf8(result.message));
        (result.problem == RowCalculation::MissingRentalDate ? r.txtPrestito : r.txtRiconsegna)->setFocus();
        return false;
    }
    r.txtTotGiorni->setText(fromCp1252(result.texts.totGiorni));
    r.txtPrezzoDie->setText(fromCp1252(result.texts.prezzoDie));
    r.txtPrezzoTot->setText(fromCp1252(result.texts.prezzoTot));
    return true;
}

void TfrmNoleggi::calculateTotal() {
    settleEditedAmountField(this);
    std::array<std::string, 10> amounts;
    for (int k = 1; k <= kSlipRows; ++k)
        amounts[static_cast<std::size_t>(k - 1)] =
            toCp1252(rows_[static_cast<std::size_t>(k - 1)].txtPrezzoTot->text());
    txtTotale->setText(fromCp1252(CalculateTotal(amounts)));
}

} // namespace filmeria
