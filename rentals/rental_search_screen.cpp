#include "rental_search_screen.h"

#include "Calendario.h"
#include "Noleggi.h"
#include "action_guard.h"
#include "amount_fields.h"
#include "archive_message.h"
#include "enter_keys.h"
#include "field_highlight.h"
#include "qt_text.h"
#include "rental_search.h"
#include "screen_set.h"
#include "screen_style.h"
#include "services.h"
#include "text_rules.h"
#include "window_placement.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace filmeria {
namespace {

QLabel* text(QWidget* parent, const QString& caption, QRect geometry, bool bold = false) {
    auto* l = new QLabel(caption, parent);
    l->setFont(style::verdana(8, bold));
    l->setGeometry(geometry);
    return l;
}

QLineEdit* criterion(QWidget* parent, const char* name, int maxLength, QRect geometry) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    e->setGeometry(geometry);
    acceptOnlyCp1252(e);
    highlightOnFocus(e, style::kWhite);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

} // namespace

RentalSearchScreen::RentalSearchScreen(Services& services, ScreenSet& screens, Kind kind)
    : services_(services)
    , screens_(screens)
    , kind_(kind) {
    setWindowTitle(QStringLiteral(" Ricerca schede noleggio in archivio"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(660, 470);
    style::setBackground(this, style::kSilver);

    // Criteria panel.
    grpCriteri = new QGroupBox(this);
    grpCriteri->setObjectName("grpCriteri");
    grpCriteri->setGeometry(8, 4, 644, 416);
    lblTitolo = text(grpCriteri, QStringLiteral("Ricerca schede noleggio"), {16, 14, 600, 24});
    lblTitolo->setObjectName("lblTitolo");
    lblTitolo->setFont(style::verdana(13, true));
    const char* instructions[] = {
        "Immettere nei campi prescelti una o più parole consecutive presenti nella scheda",
        "(o nelle schede) noleggio da cercare e premere il pulsante Trova.",
        "Lasciare in bianco gli altri campi.",
        "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."};
    for (int i = 0; i < 4; ++i)
        text(grpCriteri, QString::fromUtf8(instructions[i]), {16, 46 + i * 17, 610, 17});

    const int labelX = 24;
    const int fieldX = 230;
    int y = 128;
    const auto row = [&](const char* caption) {
        text(grpCriteri, QString::fromUtf8(caption), {labelX, y + 3, 200, 18}, true);
        const int top = y;
        y += 34;
        return top;
    };
    txtAzienda = criterion(grpCriteri, "txtAzienda", 10, {fieldX, row("Scheda noleggio n."), 120, 24});
    txtAnno = criterion(grpCriteri, "txtAnno", 10, {fieldX, row("Data emissione"), 120, 24});
    makeDateField(txtAnno);
    cmdData = new QPushButton(grpCriteri);
    cmdData->setObjectName("cmdData");
    cmdData->setIcon(QIcon(QStringLiteral(":/pictures/icon_calendario.png")));
    cmdData->setToolTip(QStringLiteral(" Importa data "));
    cmdData->setGeometry(fieldX + 124, txtAnno->y(), 28, 24);
    cmdData->setAutoDefault(false);
    cboGiorno = new QComboBox(grpCriteri);
    cboGiorno->setObjectName("cboGiorno");
    cboGiorno->addItems({QStringLiteral("Non saldato"), QStringLiteral("Saldato")});
    cboGiorno->setCurrentIndex(-1);
    cboGiorno->setGeometry(fieldX, row("Pagamento"), 150, 24);
    cboGiorno->installEventFilter(this);
    highlightOnFocus(cboGiorno, style::kWhite);
    txtCognome = criterion(grpCriteri, "txtCognome", 50, {fieldX, row("Cliente"), 380, 24});
    txtTipologia = criterion(grpCriteri, "txtTipologia", 50, {fieldX, row("Tessera n."), 260, 24});
    txtNome = criterion(grpCriteri, "txtNome", 20, {fieldX, row("Codice 1° film in scheda"), 180, 24});
    txtDettagli =
        criterion(grpCriteri, "txtDettagli", 50, {fieldX, row("Titolo 1° film in scheda"), 380, 24});
    cboMese = new QLineEdit(grpCriteri);
    cboMese->setObjectName("cboMese");
    cboMese->hide();
    lblConta = new QLabel(grpCriteri);
    lblConta->setObjectName("lblConta");
    lblConta->hide();

    connect(txtAzienda, &QLineEdit::textEdited, this, [this](const QString& typed) {
        const int caret = txtAzienda->cursorPosition();
        txtAzienda->setText(typed.toUpper());
        txtAzienda->setCursorPosition(caret);
    });
    connect(cmdData, &QPushButton::clicked, this, [this] {
        runGuarded(services_.dialogs, this, [this] {
            TfrmCalendario picker(services_, screens_);
            picker.setMemory(kind_ == Kind::Rentals ? QStringLiteral("CercaNoleggio")
                                                    : QStringLiteral("CercaStorico"));
            services_.dialogs.exec(picker);
        });
    });
    chainOnEnter({txtAzienda, txtAnno, cboGiorno});
    chainOnEnter({txtCognome, txtTipologia, txtNome, txtDettagli, txtAzienda});

    // List panel.
    grpElenco = new QGroupBox(this);
    grpElenco->setObjectName("grpElenco");
    grpElenco->setGeometry(8, 4, 644, 416);
    QStringList listHelp = {
        QString::fromUtf8(
            "Inserire una o più parole consecutive presenti nella scheda da cercare e premere il "
            "pulsante Trova."),
        QStringLiteral(
            "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo "
            "clic su Trova.")};
    if (kind_ == Kind::Rentals)
        listHelp << QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic.");
    for (int i = 0; i < listHelp.size(); ++i) {
        QLabel* help = text(grpElenco, listHelp[i], {12, 10 + i * 17, 620, 17});
        help->setFont(style::verdana(7));
    }
    const int findTop = 14 + static_cast<int>(listHelp.size()) * 17;
    txtTrova = criterion(grpElenco, "txtTrova", 255, {12, findTop, 520, 24});
    cmdTrova02 = button(grpElenco, "cmdTrova02", QStringLiteral("Trova"), {540, findTop - 1, 92, 26});
    lstRecords = new QListWidget(grpElenco);
    lstRecords->setObjectName("lstRecords");
    lstRecords->setFont(style::font("Courier New", 9));
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstRecords->setUniformItemSizes(true);
    lstRecords->setGeometry(12, findTop + 32, 620, 416 - findTop - 32 - 10);
    grpElenco->hide();
    connect(cmdTrova02, &QPushButton::clicked, this,
            [this] { runGuarded(services_.dialogs, this, [this] { findInList(); }); });
    onEnter(txtTrova, services_.dialogs, [this] { findInList(); });
    if (kind_ == Kind::Rentals)
        connect(lstRecords, &QListWidget::itemDoubleClicked, this, [this] { loadSelectedSlip(); });

    // Buttons.
    cmdIndietro = button(this, "cmdIndietro", QStringLiteral("<< Indietro"), {8, 430, 110, 30});
    cmdStampa = button(this, "cmdStampa", QStringLiteral("Stampa"), {126, 430, 100, 30});
    cmdTrova = button(this, "cmdTrova", QStringLiteral("Trova"), {436, 430, 100, 30});
    cmdAnnulla = button(this, "cmdAnnulla",
                        kind_ == Kind::Rentals ? QStringLiteral("Annulla") : QStringLiteral("Chiudi"),
                        {544, 430, 108, 30});
    cmdIndietro->setEnabled(false);
    cmdStampa->setEnabled(false);
    connect(cmdTrova, &QPushButton::clicked, this,
            [this] { runGuarded(services_.dialogs, this, [this] { search(); }); });
    connect(cmdIndietro, &QPushButton::clicked, this, [this] { back(); });
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    centreOnDesktop(this);
}

void RentalSearchScreen::setTitle(const QString& title) {
    lblTitolo->setText(title);
}
void RentalSearchScreen::setIssueDate(const QString& date) {
    txtAnno->setText(date);
}

void RentalSearchScreen::presetCustomer(const QString& name, const QString& card) {
    txtCognome->setText(name);
    txtTipologia->setText(card);
}

void RentalSearchScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    finder_.forget();
    if (lstRecords->count() > 0)
        lstRecords->setCurrentRow(0);
    txtTrova->clear();
}

bool RentalSearchScreen::eventFilter(QObject* watched, QEvent* event) {
    // The payment choice is made with the mouse or the arrows; typed characters are ignored.
    if (watched == cboGiorno && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        return !typed.isEmpty() && typed.at(0).unicode() >= 0x20;
    }
    return QDialog::eventFilter(watched, event);
}

std::string RentalSearchScreen::year() const {
    if (kind_ == Kind::Rentals)
        return toCp1252(screens_.noleggi().yearText());
    return std::to_string(services_.clock.today().year());
}

RentalCriteria RentalSearchScreen::criteria() const {
    RentalCriteria c;
    c.number = toCp1252(txtAzienda->text());
    c.issueDate = toCp1252(txtAnno->text());
    c.payment = cboGiorno->currentIndex() == 0   ? PaymentCriterion::NotPaid
                : cboGiorno->currentIndex() == 1 ? PaymentCriterion::Paid
                                                 : PaymentCriterion::Any;
    c.customer = toCp1252(txtCognome->text());
    c.card = toCp1252(txtTipologia->text());
    c.firstCode = toCp1252(txtNome->text());
    c.firstTitle = toCp1252(txtDettagli->text());
    return c;
}

void RentalSearchScreen::search() {
    const RentalCriteria c = criteria();
    lblConta->setText(QString::number(c.inUse()));
    try {
        lines_ = searchSlips(services_.folder.toStdString(), year(), c);
    } catch (const ArchiveError&) {
        services_.dialogs.information(this, kArchiveAccessMessage);
        return;
    }
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(lines_.size()));
    for (const std::string& line : lines_)
        shown << fromCp1252(line);
    lstRecords->clear();
    lstRecords->addItems(shown); // one batch, already in order
    grpElenco->show();
    grpCriteri->hide();
    cmdTrova->setEnabled(false);
    cmdIndietro->setEnabled(true);
    cmdStampa->setEnabled(true);
    txtTrova->clear();
    txtTrova->setFocus();
}

void RentalSearchScreen::back() {
    lstRecords->clear();
    lines_.clear();
    lblConta->clear();
    cmdIndietro->setEnabled(false);
    cmdStampa->setEnabled(false);
    cmdTrova->setEnabled(true);
    grpCriteri->show();
    grpElenco->hide();
    txtTipologia->setFocus();
}

void RentalSearchScreen::findInList() {
    if (lines_.empty()) {
        services_.dialogs.information(this, QString::fromUtf8(kListEmpty));
        return;
    }
    if (lstRecords->currentRow() < 0)
        lstRecords->setCurrentRow(0);
    if (const auto found = finder_.find(lines_, lstRecords->currentRow(), toCp1252(txtTrova->text())))
        lstRecords->setCurrentRow(*found);
}

void RentalSearchScreen::loadSelectedSlip() {
    try {
        const int selected = lstRecords->currentRow();
        if (selected < 0 || selected >= static_cast<int>(lines_.size()))
            throw SilentAbort();
        const std::string wanted = trimmed(lines_[static_cast<std::size_t>(selected)]);
        std::optional<std::pair<RentalRecord, std::size_t>> last;
        // Every equal line is loaded in turn, so the last one in the file stays on the slip.
        ScanSlips(services_.folder.toStdString(), year(), [&](const RentalView& slip, std::size_t position) {
            if (rentalListLine(slip) == wanted)
                last.emplace(slip.record(), position);
            return true;
        });
        if (last)
            screens_.noleggi().loadSlip(last->first, last->second);
    } catch (...) {
        // Loading fails silently: the screen just closes.
    }
    accept();
    cmdStampa->setEnabled(false);
}

void RentalSearchScreen::resetAfterClosing() {
    lstRecords->clear();
    lines_.clear();
    lblConta->clear();
    cmdIndietro->setEnabled(false);
    cmdTrova->setEnabled(true);
    for (QLineEdit* e : {txtAzienda, txtAnno, txtCognome, txtTipologia, txtNome, txtDettagli})
        e->clear();
    cboGiorno->setCurrentIndex(-1);
    grpCriteri->show();
    grpElenco->hide();
}

void RentalSearchScreen::done(int result) {
    QDialog::done(result);
    resetAfterClosing();
}

} // namespace filmeria
