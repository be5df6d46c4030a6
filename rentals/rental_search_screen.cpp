#include "rentals/rental_search_screen.h"

#include "core/text_rules.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "rentals/Calendario.h"
#include "rentals/rental_search.h"
#include "screenkit/action_guard.h"
#include "screenkit/amount_fields.h"
#include "screenkit/enter_keys.h"
#include "screenkit/field_highlight.h"
#include "screenkit/key_rules.h"
#include "screenkit/lazy_picture.h"
#include "screenkit/screen_style.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

namespace filmeria {
namespace {

SearchScreen::Texts textsOf(RentalSearchScreen::Kind kind) {
    const bool rentals = kind == RentalSearchScreen::Kind::Rentals;
    QStringList help = {
        QString::fromUtf8(
            "Inserire una o più parole consecutive presenti nella scheda da cercare e premere il "
            "pulsante Trova."),
        QStringLiteral(
            "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo "
            "clic su Trova.")};
    if (rentals)
        help << QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic.");
    return {QStringLiteral(" Ricerca schede noleggio in archivio"),
            help,
            QString(),
            rentals ? QStringLiteral("Annulla") : QStringLiteral("Chiudi"),
            false,
            QStringLiteral("Si vuole stampare il presente elenco di schede noleggio?"),
            QStringLiteral("Elenco schede noleggio"),
            PageOrientation::Landscape};
}

} // namespace

RentalSearchScreen::RentalSearchScreen(Services& services, Kind kind)
    : SearchScreen(services, textsOf(kind))
    , kind_(kind) {
    lblTitolo = searchLabel(grpCriteri, QStringLiteral("Ricerca schede noleggio"), {16, 14, 600, 24});
    lblTitolo->setObjectName("lblTitolo");
    lblTitolo->setFont(style::verdana(13, true));
    const char* instructions[] = {
        "Immettere nei campi prescelti una o più parole consecutive presenti nella scheda",
        "(o nelle schede) noleggio da cercare e premere il pulsante Trova.",
        "Lasciare in bianco gli altri campi.",
        "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."};
    for (int i = 0; i < 4; ++i)
        searchLabel(grpCriteri, QString::fromUtf8(instructions[i]), {16, 46 + i * 17, 610, 17});

    const int fieldX = 230;
    int y = 128;
    const auto row = [&](const char* caption) {
        searchLabel(grpCriteri, QString::fromUtf8(caption), {24, y + 3, 200, 18}, true);
        const int top = y;
        y += 34;
        return top;
    };
    txtAzienda = searchField(grpCriteri, "txtAzienda", fieldCapacity(SlipField::NumScheda),
                             {fieldX, row("Scheda noleggio n."), 120, 24});
    txtAnno = searchField(grpCriteri, "txtAnno", fieldCapacity(SlipField::Data),
                          {fieldX, row("Data emissione"), 120, 24});
    makeDateField(txtAnno);
    cmdData = new QPushButton(grpCriteri);
    cmdData->setObjectName("cmdData");
    cmdData->setIcon(sharedIcon(QStringLiteral(":/pictures/icon_calendario.png")));
    cmdData->setToolTip(QStringLiteral(" Importa data (F4 nel campo della data) "));
    cmdData->setGeometry(fieldX + 124, txtAnno->y(), 28, 24);
    cmdData->setAutoDefault(false);
    cboGiorno = new QComboBox(grpCriteri);
    cboGiorno->setObjectName("cboGiorno");
    // The empty choice first, so a payment criterion can be taken back.
    cboGiorno->addItems({QString(), QStringLiteral("Non saldato"), QStringLiteral("Saldato")});
    cboGiorno->setCurrentIndex(0);
    cboGiorno->setGeometry(fieldX, row("Pagamento"), 150, 24);
    cboGiorno->installEventFilter(this);
    highlightOnFocus(cboGiorno, style::kWhite);
    txtCognome = searchField(grpCriteri, "txtCognome", fieldCapacity(SlipField::Cliente),
                             {fieldX, row("Cliente"), 380, 24});
    txtTipologia = searchField(grpCriteri, "txtTipologia", fieldCapacity(SlipField::Tessera),
                               {fieldX, row("Tessera n."), 260, 24});
    txtNome = searchField(grpCriteri, "txtNome", fieldCapacity(RowField::Codice),
                          {fieldX, row("Codice 1° film in scheda"), 180, 24});
    txtDettagli = searchField(grpCriteri, "txtDettagli", fieldCapacity(RowField::Titolo),
                              {fieldX, row("Titolo 1° film in scheda"), 380, 24});
    cboMese = new QLineEdit(grpCriteri);
    cboMese->setObjectName("cboMese");
    cboMese->hide();

    keepUpperCase(txtAzienda);
    onClick(cmdData, services_.dialogs, [this] {
        TfrmCalendario picker(services_);
        picker.setMemory(kind_ == Kind::Rentals ? QStringLiteral("CercaNoleggio")
                                                : QStringLiteral("CercaStorico"));
        picker.startFrom(txtAnno->text());
        if (services_.dialogs.exec(picker) == QDialog::Accepted)
            setIssueDate(picker.chosenDate());
    });
    // F4 in the date field opens the picker, so the date can be chosen from the keyboard.
    auto* pickDate = new QShortcut(QKeySequence(Qt::Key_F4), txtAnno, nullptr, nullptr, Qt::WidgetShortcut);
    connect(pickDate, &QShortcut::activated, cmdData, &QPushButton::click);
    chainOnEnter({txtAzienda, txtAnno, cboGiorno});
    chainOnEnter({txtCognome, txtTipologia, txtNome, txtDettagli, txtAzienda});
    lblConta->clear();
}

void RentalSearchScreen::setTitle(const QString& title) {
    lblTitolo->setText(title);
}
void RentalSearchScreen::showEvent(QShowEvent* event) {
    chosen_.reset();
    SearchScreen::showEvent(event);
    if (grpCriteri->isVisible())
        txtAzienda->setFocus();
}

void RentalSearchScreen::setYear(const QString& year) {
    year_ = year;
}

void RentalSearchScreen::setIssueDate(const QString& date) {
    txtAnno->setText(date);
}

void RentalSearchScreen::presetCustomer(const QString& name, const QString& card) {
    txtCognome->setText(name);
    txtTipologia->setText(card);
}

QWidget* RentalSearchScreen::focusAfterBack() const {
    return txtTipologia;
}

bool RentalSearchScreen::eventFilter(QObject* watched, QEvent* event) {
    // The payment choice is made with the mouse or the arrows; typed characters are ignored.
    if (watched == cboGiorno && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        return !typed.isEmpty() && typed.at(0).unicode() >= 0x20;
    }
    return SearchScreen::eventFilter(watched, event);
}

std::string RentalSearchScreen::year() const {
    if (kind_ == Kind::Rentals)
        return toCp1252(year_.trimmed());
    return std::to_string(services_.clock.today().year());
}

RentalCriteria RentalSearchScreen::criteria() const {
    RentalCriteria c;
    c.number = toCp1252(txtAzienda->text());
    c.issueDate = toCp1252(txtAnno->text());
    const QString payment = cboGiorno->currentText();
    c.payment = payment == QStringLiteral("Non saldato") ? PaymentCriterion::NotPaid
                : payment == QStringLiteral("Saldato")   ? PaymentCriterion::Paid
                                                         : PaymentCriterion::Any;
    c.customer = toCp1252(txtCognome->text());
    c.card = toCp1252(txtTipologia->text());
    c.firstCode = toCp1252(txtNome->text());
    c.firstTitle = toCp1252(txtDettagli->text());
    return c;
}

int RentalSearchScreen::criteriaInUse() const {
    return criteria().inUse();
}

LineList RentalSearchScreen::searchLines() {
    return searchSlips(services_.folder.toStdString(), year(), criteria());
}

void RentalSearchScreen::lineChosen(const std::string& line) {
    const std::string wanted = trimmed(line);
    // Every equal line is taken in turn, so the last one in the file is the one chosen.
    yearArchive(services_.folder.toStdString(), year())
        .scan([&](const RentalView& slip, std::size_t position) {
            if (rentalListLine(slip) == wanted)
                chosen_ = ChosenSlip{position, slip.record()};
            return true;
        });
    cmdStampa->setEnabled(false);
}

void RentalSearchScreen::done(int result) {
    QDialog::done(result);
    // Closing empties everything, so the next opening starts afresh.
    clearResults();
    lblConta->clear();
    cmdIndietro->setEnabled(false);
    cmdTrova->setEnabled(true);
    for (QLineEdit* e : {txtAzienda, txtAnno, txtCognome, txtTipologia, txtNome, txtDettagli})
        e->clear();
    cboGiorno->setCurrentIndex(0);
    grpCriteri->show();
    grpElenco->hide();
}

} // namespace filmeria
