#include "customers/customer_search_screen.h"

#include "core/text_rules.h"
#include "customers/customer_search.h"
#include "customers/province_list.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/combo_field.h"
#include "screenkit/enter_keys.h"
#include "screenkit/field_highlight.h"
#include "screenkit/key_rules.h"
#include "screenkit/screen_style.h"

#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace filmeria {
namespace {

const QString kVatDigitsOnly = QStringLiteral(
    "Attenzione: carattere non valido. Indicare il numero di partita IVA digitando solo valori numerici.");

SearchScreen::Texts textsOf(CustomerSearchScreen::Kind kind) {
    return {
        kind == CustomerSearchScreen::Kind::Search ? QStringLiteral(" Ricerca clienti in archivio")
                                                   : QStringLiteral(" Importa dati cliente"),
        {QString::fromUtf8(
             "Inserire una o più parole consecutive presenti nel nominativo da cercare e premere "
             "il pulsante Trova."),
         QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di "
                        "nuovo clic su Trova.")},
        QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."),
        QStringLiteral("Annulla"),
        true,
        QStringLiteral("Si vuole stampare il presente elenco di clienti?"),
        QStringLiteral("Elenco clienti"),
        PageOrientation::Landscape};
}

} // namespace

CustomerSearchScreen::CustomerSearchScreen(Services& services, Kind kind, ControlsMade made)
    : SearchScreen(services, textsOf(kind), made)
    , kind_(kind) {
    if (made == ControlsMade::AtConstruction)
        makeOwnControls();
}

void CustomerSearchScreen::makeOwnControls() {
    const Kind kind = kind_;
    lblTitolo = searchLabel(grpCriteri,
                            kind == Kind::Search ? QStringLiteral("Ricerca clienti in archivio")
                                                 : QStringLiteral("Importa dati cliente"),
                            {0, 8, 644, 30});
    lblTitolo->setObjectName("lblTitolo");
    if (kind == Kind::Picker)
        lstRecords->addSelectedLinePanel(this);
    lblTitolo->setFont(style::verdana(13, true));
    lblTitolo->setContentsMargins(16, 0, 0, 0);
    style::setBackground(lblTitolo, style::kNavy);
    style::setTextColour(lblTitolo, style::kWhite);
    const char* instructions[] = {
        "Immettere nei campi prescelti una o più parole consecutive presenti nella scheda",
        "(o nelle schede) dei clienti da cercare e premere il pulsante Trova.",
        "Lasciare in bianco gli altri campi.",
        "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."};
    for (int i = 0; i < 4; ++i)
        searchLabel(grpCriteri, QString::fromUtf8(instructions[i]), {16, 46 + i * 17, 610, 17});

    const int fieldX = 250;
    int y = 122;
    const auto row = [&](const char* caption) {
        searchLabel(grpCriteri, QString::fromUtf8(caption), {24, y + 3, 220, 18}, true);
        const int top = y;
        y += 34;
        return top;
    };
    txtCognome = searchField(grpCriteri, "txtCognome", fieldCapacity(CustomerField::Nome),
                             {fieldX, row("Cognome, nome o ragione sociale"), 370, 24});
    cboMese = searchField(grpCriteri, "cboMese", fieldCapacity(CustomerField::Indirizzo),
                          {fieldX, row("Indirizzo"), 370, 24});
    txtNome = searchField(grpCriteri, "txtNome", fieldCapacity(CustomerField::Citta),
                          {fieldX, row("Città"), 260, 24});
    cboGiorno = new QComboBox(grpCriteri);
    cboGiorno->setObjectName("cboGiorno");
    makeEditable(cboGiorno);
    cboGiorno->setInsertPolicy(QComboBox::NoInsert);
    cboGiorno->addItems(provinceItems());
    cboGiorno->setCurrentIndex(-1);
    cboGiorno->lineEdit()->setMaxLength(fieldCapacity(CustomerField::Prov));
    acceptOnlyCp1252(cboGiorno->lineEdit());
    cboGiorno->completer()->setCompletionMode(QCompleter::PopupCompletion); // drops down while typing
    cboGiorno->setGeometry(fieldX, row("Prov."), 70, 24);
    highlightOnFocus(cboGiorno, style::kWhite);
    txtDettagli = searchField(grpCriteri, "txtDettagli", fieldCapacity(CustomerField::Noleggio),
                              {fieldX, row("Genere cinematografico preferito"), 370, 24});
    txtAzienda = searchField(grpCriteri, "txtAzienda", fieldCapacity(CustomerField::CodFisc),
                             {fieldX, row("Codice fiscale"), 200, 24});
    keepUpperCase(txtAzienda);
    txtAnno = searchField(grpCriteri, "txtAnno", fieldCapacity(CustomerField::Iva),
                          {fieldX, row("Partita IVA"), 140, 24});
    txtTipologia = searchField(grpCriteri, "txtTipologia", fieldCapacity(CustomerField::Tessera),
                               {fieldX, row("Tessera n."), 260, 24});
    acceptTypedDigitsOnly(txtAnno, services_.dialogs, this, kVatDigitsOnly,
                          [this] { txtTipologia->setFocus(); });
    chainOnEnter({txtCognome, cboMese, txtNome, cboGiorno, txtDettagli, txtAzienda, txtAnno});
    chainOnEnter({txtTipologia, txtCognome});
}

void CustomerSearchScreen::showEvent(QShowEvent* event) {
    SearchScreen::showEvent(event);
    chosen_.reset(); // a visit chooses afresh
    if (!cardOnShow_.isEmpty() && grpCriteri->isVisible()) {
        txtTipologia->setText(std::exchange(cardOnShow_, QString()));
        search();
    } else if (grpCriteri->isVisible()) {
        txtCognome->setFocus();
    }
}

void CustomerSearchScreen::searchCardOnShow(const QString& card) {
    cardOnShow_ = card;
}

QWidget* CustomerSearchScreen::focusAfterBack() const {
    return txtTipologia;
}

CustomerCriteria CustomerSearchScreen::criteria() const {
    CustomerCriteria c;
    c.texts = {toCp1252(txtCognome->text()),  toCp1252(cboMese->text()),
               toCp1252(txtNome->text()),     toCp1252(cboGiorno->currentText()),
               toCp1252(txtDettagli->text()), toCp1252(txtAzienda->text()),
               toCp1252(txtAnno->text()),     toCp1252(txtTipologia->text())};
    return c;
}

int CustomerSearchScreen::criteriaInUse() const {
    return criteria().inUse();
}

LineList CustomerSearchScreen::searchLines() {
    return searchCustomers(services_.folder.toStdString(), criteria());
}

void CustomerSearchScreen::lineChosen(const std::string& line) {
    const std::string wanted = trimmed(line);
    // Every equal line is taken in turn, so the last one in the file is the one that stays.
    customerArchive(services_.folder.toStdString())
        .scan([&](const CustomerView& customer, std::size_t position) {
            if (trimmed(customerListLine(customer)) == wanted)
                chosen_ = ChosenCustomer{position, customer.record()};
            return true;
        });
}

} // namespace filmeria
