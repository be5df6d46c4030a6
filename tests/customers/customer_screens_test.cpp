#include "screen_fixture.h"

#include "customers/Avanzate.h"
#include "customers/Clienti.h"
#include "customers/CodFisc.h"
#include "customers/ImportaCliente.h"
#include "customers/PartitaIVA.h"
#include "customers/customer_file.h"
#include "customers/customer_search.h"
#include "screenkit/HelpForm.h"

#include "screenkit/enter_keys.h"
#include "screenkit/result_list.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include <fstream>

namespace filmeria::testing {
namespace {

const QString kNoCard = QStringLiteral("Non esiste nessuna scheda in archivio.");

CustomerRecord customer(const std::string& name, const std::string& card, const std::string& prov = "MI") {
    CustomerRecord r;
    r[CustomerField::Nome] = name;
    r[CustomerField::Tessera] = card;
    r[CustomerField::Prov] = prov;
    r[CustomerField::Citta] = "Milano";
    return r;
}

class CustomerScreens : public ScreenTest {
protected:
    TfrmClienti& card() {
        if (!card_)
            card_ = &make<TfrmClienti>(fakes.services, make<TfrmHelpForm>(fakes.services),
                                       [this](const QString& name, const QString& card) {
                                           historyAsked << name + QStringLiteral(" | ") + card;
                                       });
        auto& screen = *card_;
        if (!screen.isVisible())
            showActive(&screen);
        return screen;
    }
    QLineEdit* field(const char* name) { return child<QLineEdit>(card(), name); }
    QString box() { return child<QLabel>(card(), "lblPosizione")->text(); }
    void release(const char* name) { releaseOn(child<QLabel>(card(), name)); }
    void store(std::initializer_list<CustomerRecord> records) {
        const CustomerArchive file = customerArchive(folderOf(dir).toStdString());
        for (const auto& r : records)
            file.append(r);
    }
    std::string archive() {
        std::ifstream in(path("Clienti.pro").toStdString(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    QStringList historyAsked; // the rental histories the card asked for: "name | card"

private:
    TfrmClienti* card_ = nullptr;
};

TEST_F(CustomerScreens, SaveAppendsANewCardAndRewritesAStoredOneInPlace) {
    store({customer("Alfa", "1"), customer("Beta", "2"), customer("Gamma", "3"), customer("Delta", "4")});
    card();
    release("imgNuovo");
    field("txtNome")->setText(QString::fromUtf8("Città Nicolò"));
    field("txtTessera")->setText(QStringLiteral("T5"));
    child<QPlainTextEdit>(card(), "txtTrama")->setPlainText(QStringLiteral("riga uno\nriga due"));
    release("lblSalva");
    EXPECT_EQ(fakes.dialogs.texts(),
              QStringList{QString::fromUtf8("Il cliente corrente è stato salvato in archivio.")});
    EXPECT_EQ(box(), QStringLiteral("5"));
    const std::string before = archive();
    const CustomerRecord saved = CustomerRecord::decode(std::string_view(before).substr(4 * 1642));
    EXPECT_EQ(saved[CustomerField::Nome], "Citt\xE0 Nicol\xF2");
    EXPECT_EQ(saved[CustomerField::Trama], "riga uno\r\nriga due");

    release("imgPrimo");
    release("imgAvanti");
    EXPECT_EQ(field("txtNome")->text(), QStringLiteral("Beta"));
    field("txtCap")->setText(QStringLiteral("20121"));
    release("imgSalva");
    EXPECT_EQ(fakes.dialogs.lastText(),
              QStringLiteral("Le modifiche apportate al cliente corrente sono state salvate in archivio."));
    EXPECT_EQ(box(), QStringLiteral("2"));
    const std::string after = archive();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 1642), before.substr(0, 1642));
    EXPECT_EQ(after.substr(2 * 1642), before.substr(2 * 1642));
    EXPECT_EQ(CustomerRecord::decode(std::string_view(after).substr(1642))[CustomerField::Cap], "20121");
}

// Two counters on one folder, each with its own customer card.
TEST_F(CustomerScreens, TwoCountersNeverOverwriteOrDeleteTheWrongCustomer) {
    store({customer("C1", "T1"), customer("C2", "T2"), customer("C3", "T3"), customer("C4", "T4"),
           customer("C5", "T5"), customer("C6", "T6")});
    auto& other = make<TfrmClienti>(fakes.services, make<TfrmHelpForm>(fakes.services),
                                    [](const QString&, const QString&) {});
    const auto names = [&] {
        std::vector<std::string> out;
        customerArchive(folderOf(dir).toStdString()).scan([&](const CustomerView& v, std::size_t) {
            out.push_back(v.text(CustomerField::Nome));
            return true;
        });
        return out;
    };
    card();
    release("imgUltimo");
    release("imgIndietro"); // counter A on card 5
    ASSERT_EQ(field("txtNome")->text(), QStringLiteral("C5"));
    showActive(&other);
    releaseOn(child<QLabel>(other, "imgPrimo"));
    releaseOn(child<QLabel>(other, "imgAvanti"));
    releaseOn(child<QLabel>(other, "imgAvanti")); // counter B on card 3
    ASSERT_EQ(child<QLineEdit>(other, "txtNome")->text(), QStringLiteral("C3"));
    releaseOn(child<QLabel>(other, "imgElimina"));
    EXPECT_EQ(names(), (std::vector<std::string>{"C1", "C2", "C4", "C5", "C6"}));

    // A saves its card 5, now fourth: C5 changed where it is, C6 untouched.
    showActive(&card());
    field("txtNome")->setText(QStringLiteral("C5 cambiato"));
    release("imgSalva");
    EXPECT_EQ(fakes.dialogs.lastText(),
              QStringLiteral("Le modifiche apportate al cliente corrente sono state salvate in archivio."));
    EXPECT_EQ(box(), QStringLiteral("4"));
    EXPECT_EQ(names(), (std::vector<std::string>{"C1", "C2", "C4", "C5 cambiato", "C6"}));

    // B changes that same customer; A, still showing its own version, saves again.
    showActive(&other);
    releaseOn(child<QLabel>(other, "imgUltimo"));
    releaseOn(child<QLabel>(other, "imgIndietro"));
    child<QLineEdit>(other, "txtCap")->setText(QStringLiteral("20100"));
    releaseOn(child<QLabel>(other, "imgSalva"));
    showActive(&card());
    field("txtTelCasa")->setText(QStringLiteral("02 123456"));
    fakes.dialogs.answers = {false}; // not as a new card: the card shows the archive's version
    release("imgSalva");
    EXPECT_EQ(fakes.dialogs.shown.back().kind, ShownMessage::Confirmation);
    EXPECT_EQ(fakes.dialogs.shown.back().caption, QStringLiteral("Scheda modificata da un'altra postazione"));
    EXPECT_EQ(field("txtCap")->text(), QStringLiteral("20100"));
    EXPECT_TRUE(field("txtTelCasa")->text().isEmpty());
    EXPECT_EQ(names(), (std::vector<std::string>{"C1", "C2", "C4", "C5 cambiato", "C6"}));

    // B deletes it; A's Elimina deletes nothing and says so.
    showActive(&other);
    releaseOn(child<QLabel>(other, "imgElimina"));
    showActive(&card());
    release("imgElimina");
    EXPECT_TRUE(fakes.dialogs.lastText().startsWith(
        QString::fromUtf8("Attenzione: nel frattempo un'altra postazione ha modificato o eliminato questa "
                          "scheda in archivio.")));
    EXPECT_EQ(names(), (std::vector<std::string>{"C1", "C2", "C4", "C6"}));
    EXPECT_EQ(field("txtNome")->text(), QStringLiteral("C6")); // what position 4 holds now

    // A's edited card saved as a new card when the clerk says so.
    field("txtNome")->setText(QStringLiteral("C6 bis"));
    showActive(&other);
    releaseOn(child<QLabel>(other, "imgUltimo"));
    child<QLineEdit>(other, "txtNome")->setText(QStringLiteral("C6 di B"));
    releaseOn(child<QLabel>(other, "imgSalva"));
    showActive(&card());
    fakes.dialogs.answers = {true};
    release("imgSalva");
    EXPECT_EQ(box(), QStringLiteral("5"));
    EXPECT_EQ(names(), (std::vector<std::string>{"C1", "C2", "C4", "C6 di B", "C6 bis"}));
}

TEST_F(CustomerScreens, SaveValidatesNameBeforeCardNumber) {
    card();
    field("txtNome")->setText(QStringLiteral("   "));
    release("imgSalva");
    EXPECT_EQ(
        fakes.dialogs.texts(),
        QStringList{QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il cognome e "
                                      "il nome o la ragione sociale del cliente.")});
    EXPECT_TRUE(field("txtNome")->hasFocus());
    field("txtNome")->setText(QStringLiteral("Alfa"));
    release("imgSalva");
    EXPECT_EQ(fakes.dialogs.lastText(),
              QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare "
                                "il numero di tessera del cliente."));
    EXPECT_TRUE(field("txtTessera")->hasFocus());
    EXPECT_TRUE(archive().empty());
}

TEST_F(CustomerScreens, NavigationOnAnEmptyArchiveAndAtTheEnds) {
    card();
    for (const char* arrow : {"imgPrimo", "imgUltimo", "imgIndietro"}) {
        fakes.dialogs.shown.clear();
        release(arrow);
        EXPECT_EQ(fakes.dialogs.texts(), QStringList{kNoCard}) << arrow;
    }
    child<QLabel>(card(), "lblPosizione")->setText(QStringLiteral("3"));
    release("imgAvanti");
    EXPECT_TRUE(box().isEmpty()); // Next also empties the box
    store({customer("Alfa", "1"), customer("Beta", "2")});
    fakes.dialogs.shown.clear();
    release("imgAvanti"); // a new card stands before record 1
    EXPECT_EQ(box(), QStringLiteral("1"));
    release("imgIndietro");
    EXPECT_EQ(box(), QStringLiteral("1"));
    release("imgUltimo");
    release("imgAvanti");
    EXPECT_EQ(box(), QStringLiteral("2"));
    EXPECT_EQ(field("txtNome")->text(), QStringLiteral("Beta"));
    EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(CustomerScreens, DeleteOnANewCardAsksNothingAndAfterADeleteRecordsMoveUp) {
    store({customer("Alfa", "1"), customer("Beta", "2"), customer("Gamma", "3")});
    card();
    release("imgElimina");
    EXPECT_EQ(
        fakes.dialogs.texts(),
        QStringList{QString::fromUtf8("Attenzione: operazione non valida.\r\n\r\nLa cancellazione può essere "
                                      "applicata soltanto ad una scheda già registrata in archivio.")});
    release("imgPrimo");
    release("lblElimina");
    EXPECT_EQ(fakes.dialogs.shown.back().caption, QStringLiteral("Conferma cancellazione scadenza"));
    EXPECT_TRUE(box().isEmpty());
    EXPECT_TRUE(field("txtNome")->text().isEmpty());
    release("imgPrimo");
    EXPECT_EQ(field("txtNome")->text(), QStringLiteral("Beta"));
    EXPECT_EQ(archive().size(), 2u * 1642);
}

TEST_F(CustomerScreens, FiscalCodeButtonChoosesTheDialogByTheCodesForm) {
    card();
    struct Seen {
        QString name, caption, code;
    };
    std::vector<Seen> seen;
    fakes.dialogs.onModal = [&](QDialog& d) {
        seen.push_back({d.objectName(), d.windowTitle(), d.findChild<QLineEdit*>("txtCodice")->text()});
    };
    auto* button = child<QPushButton>(card(), "cmdCodFisc");
    field("txtCodFisc")->clear();
    button->click();
    field("txtCodFisc")->setText(QStringLiteral(" 01234561205 "));
    button->click();
    field("txtCodFisc")->setText(QStringLiteral("rssmra80a01h501u"));
    EXPECT_EQ(field("txtCodFisc")->text(), QStringLiteral("RSSMRA80A01H501U"));
    button->click();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].name, QStringLiteral("frmCodFisc"));
    EXPECT_TRUE(seen[0].code.isEmpty());
    EXPECT_EQ(seen[1].name, QStringLiteral("frmIva"));
    EXPECT_EQ(seen[1].caption, QStringLiteral(" Controllo codice fiscale numerico / partita IVA"));
    EXPECT_EQ(seen[1].code, QStringLiteral("01234561205"));
    EXPECT_EQ(seen[2].name, QStringLiteral("frmCodFisc"));
    EXPECT_EQ(seen[2].code, QStringLiteral("RSSMRA80A01H501U"));
}

TEST_F(CustomerScreens, VatFieldRefusesTypedLettersAndMailGoesThroughTheShell) {
    card();
    auto* vat = field("txtIva");
    vat->setFocus();
    QTest::keyClicks(vat, "12");
    QTest::keyClick(vat, Qt::Key_X);
    EXPECT_EQ(vat->text(), QStringLiteral("12"));
    EXPECT_EQ(fakes.dialogs.texts(),
              QStringList{QStringLiteral("Attenzione: carattere non valido. Indicare il numero "
                                         "di partita IVA digitando solo valori numerici.")});
    pressEnter(vat);
    EXPECT_TRUE(field("txtTessera")->hasFocus());
    field("txtEmail")->setText(QStringLiteral(" mario.rossi@esempio.it "));
    child<QPushButton>(card(), "cmdInvia")->click();
    EXPECT_EQ(fakes.shell.opened, QStringList{QStringLiteral("mailto:mario.rossi@esempio.it")});
}

TEST_F(CustomerScreens, EnterRunsThroughTheFieldsAndTheNotesGoBackToTheName) {
    card();
    field("txtNome")->setFocus();
    pressEnter(field("txtNome"));
    EXPECT_TRUE(field("txtIndirizzo")->hasFocus());
    auto* notes = child<QPlainTextEdit>(card(), "txtTrama");
    notes->setFocus();
    pressEnter(notes);
    EXPECT_TRUE(field("txtNome")->hasFocus());
    EXPECT_TRUE(notes->toPlainText().isEmpty());
}

TEST_F(CustomerScreens, RentalsButtonValidatesThenPresetsTheHistorySearch) {
    card();
    auto* button = child<QPushButton>(card(), "cmdNoleggio");
    button->click();
    EXPECT_TRUE(field("txtNome")->hasFocus());
    field("txtNome")->setText(QStringLiteral(" Bar Sport "));
    button->click();
    EXPECT_TRUE(field("txtTessera")->hasFocus());
    EXPECT_EQ(fakes.dialogs.shown.size(), 2u);
    EXPECT_TRUE(historyAsked.isEmpty());
    field("txtTessera")->setText(QStringLiteral("A15"));
    button->click();
    EXPECT_EQ(historyAsked, QStringList{QStringLiteral("Bar Sport | A15")});
}

TEST_F(CustomerScreens, CardExportNeedsANameAndSendsTheCardAsShown) {
    card();
    release("imgEsporta");
    EXPECT_EQ(
        fakes.dialogs.lastText(),
        QString::fromUtf8("Per poter esportare la scheda corrente in Microsoft Word è necessario indicare il "
                          "cognome e il nome o la ragione sociale del cliente."));
    EXPECT_TRUE(field("txtNome")->hasFocus());
    EXPECT_TRUE(fakes.office.cards.empty());
    field("txtNome")->setText(QString::fromUtf8(" Città Nicolò "));
    child<QPlainTextEdit>(card(), "txtTrama")->setPlainText(QStringLiteral("uno\ndue"));
    release("lblEsporta");
    ASSERT_EQ(fakes.office.cards.size(), 1u);
    EXPECT_EQ(fakes.office.cards[0].first, QString::fromUtf8("Scheda cliente - Città Nicolò"));
    const CardDocument& doc = fakes.office.cards[0].second;
    EXPECT_EQ(doc.title, "SCHEDA CLIENTE");
    EXPECT_TRUE(doc.picture.empty());
    ASSERT_EQ(doc.rows.size(), 18u);
    EXPECT_EQ(doc.rows[0], (std::pair<std::string, std::string>{"Cognome, nome o ragione sociale:",
                                                                "Citt\xC3\xA0 Nicol\xC3\xB2"}));
    EXPECT_EQ(doc.rows[3].first, "Citt\xC3\xA0:");
    EXPECT_EQ(doc.rows[17], (std::pair<std::string, std::string>{"Note:", "uno\ndue"}));
    fakes.office.refusal = "disco pieno";
    release("lblEsporta");
    EXPECT_EQ(fakes.dialogs.lastText(),
              QString::fromUtf8("Si è verificato un errore imprevisto durante l'esportazione della scheda in "
                                "Microsoft Word.\r\n\r\nAccertarsi che un programma di videoscrittura (ad "
                                "esempio LibreOffice) sia installato sul proprio computer."));
}

class CustomerSearch : public CustomerScreens {
protected:
    void SetUp() override {
        CustomerScreens::SetUp();
        store({customer("Rossi Mario", "1", "MI"), customer("Ambrosi Anna", "2", "RM"),
               customer("ROSSI LUCA", "3", "MB"), customer("Bianchi Mario", "4", "MI")});
    }
    QStringList run(TfrmAvanzate& s) {
        child<QPushButton>(s, "cmdTrova")->click();
        QStringList names;
        auto* list = child<ResultList>(s, "lstRecords");
        for (int i = 0; i < list->count(); ++i)
            names << list->lineText(i).left(30).trimmed();
        child<QPushButton>(s, "cmdIndietro")->click();
        return names;
    }
};

TEST_F(CustomerSearch, CriteriaCombineAndBlanksCount) {
    TfrmAvanzate s(fakes.services);
    EXPECT_TRUE(s.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    s.show();
    EXPECT_EQ(run(s),
              (QStringList{"Ambrosi Anna", "Bianchi Mario", "ROSSI LUCA", "Rossi Mario"})); // case ignored
    child<QLineEdit>(s, "txtCognome")->setText(QStringLiteral("rossi"));
    child<QComboBox>(s, "cboGiorno")->setCurrentText(QStringLiteral("mi"));
    EXPECT_EQ(run(s), QStringList{"Rossi Mario"});
    child<QComboBox>(s, "cboGiorno")->setCurrentText(QString());
    child<QLineEdit>(s, "txtCognome")->setText(QStringLiteral("mario "));
    EXPECT_TRUE(run(s).isEmpty()); // the name ends with the word
    child<QLineEdit>(s, "txtCognome")->setText(QStringLiteral("ros"));
    EXPECT_EQ(run(s), (QStringList{"Ambrosi Anna", "ROSSI LUCA", "Rossi Mario"}));
}

TEST_F(CustomerSearch, DoubleClickLoadsTheLaterEqualCustomerIntoTheCard) {
    CustomerRecord twin = customer("Rossi Mario", "1", "MI");
    twin[CustomerField::Email] = "secondo@esempio.it"; // not part of the line
    store({twin});
    card();
    int listed = 0;
    fakes.dialogs.onModal = [&](QDialog& s) {
        child<QLineEdit>(s, "txtCognome")->setText(QStringLiteral("rossi mario"));
        child<QPushButton>(s, "cmdTrova")->click();
        auto* list = child<ResultList>(s, "lstRecords");
        listed = list->count();
        list->setCurrentRow(0);
        emit list->doubleClicked(list->model()->index(0, 0));
        EXPECT_FALSE(s.isVisible());
    };
    release("imgTrova");
    EXPECT_EQ(fakes.dialogs.modals, QStringList{"frmAvanzate"});
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(box(), QStringLiteral("5"));
    EXPECT_EQ(field("txtEmail")->text(), QStringLiteral("secondo@esempio.it"));
}

TEST_F(CustomerSearch, EnterInTheProvinceListChoosesAndMovesOnInOnePress) {
    TfrmAvanzate s(fakes.services);
    showActive(&s);
    auto* province = child<QComboBox>(s, "cboGiorno");
    auto* next = child<QLineEdit>(s, "txtDettagli");
    focusByKeyboard(province);
    // The completions dropped down while typing.
    QTest::keyClicks(province->lineEdit(), "R");
    QAbstractItemView* completions = province->completer()->popup();
    ASSERT_TRUE(completions->isVisible());
    QTest::keyClick(completions, Qt::Key_Down);
    QTest::keyClick(completions, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(province->currentText(), QStringLiteral("RA"));
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(CustomerSearch, EveryCustomerTakesItsRoomAtOnceAndAClearedListGivesItBack) {
    for (int i = 0; i < 2000; ++i)
        store({customer("Cliente " + std::to_string(i), std::to_string(i), "MI")});
    // The longest line, every field full, is the width the list makes room for.
    CustomerRecord full = customer(std::string(40, 'N'), std::string(30, '9'), "MI");
    full[CustomerField::Indirizzo] = std::string(40, 'I');
    full[CustomerField::Citta] = std::string(30, 'C');
    full[CustomerField::TelCasa] = std::string(50, '5');
    const std::string fullBytes = full.encode();
    EXPECT_EQ(customerListLine(CustomerView(fullBytes)).size(), kCustomerListLineWidth);

    const LineList all = searchCustomers(folderOf(dir).toStdString(), CustomerCriteria{});
    ASSERT_EQ(all.size(), 2004u);
    // The room asked for once, from the file's count: no doubling left over.
    std::size_t bytes = 0;
    for (const std::string_view line : all)
        bytes += line.size();
    EXPECT_LE(all.capacityBytes(), 2004 * (kCustomerListLineWidth + 16));
    EXPECT_GE(all.capacityBytes(), bytes);

    TfrmAvanzate s(fakes.services);
    s.show();
    child<QPushButton>(s, "cmdTrova")->click();
    auto* list = child<ResultList>(s, "lstRecords");
    ASSERT_EQ(list->count(), 2004);
    EXPECT_GT(list->lines().capacityBytes(), bytes);
    list->clear();
    EXPECT_LE(list->lines().capacityBytes(), LineList().capacityBytes());
}

TEST_F(CustomerSearch, PickerChoosesTheDoubleClickedCustomerAndCloses) {
    TfrmImportaCliente picker(fakes.services);
    EXPECT_EQ(picker.windowTitle(), QStringLiteral(" Importa dati cliente"));
    EXPECT_TRUE(picker.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    picker.show();
    child<QLineEdit>(picker, "txtTipologia")->setText(QStringLiteral("3"));
    child<QPushButton>(picker, "cmdTrova")->click();
    auto* list = child<ResultList>(picker, "lstRecords");
    ASSERT_EQ(list->count(), 1);
    EXPECT_FALSE(picker.chosenCustomer().has_value());
    list->setCurrentRow(0);
    emit list->doubleClicked(list->model()->index(0, 0));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    ASSERT_TRUE(picker.chosenCustomer().has_value());
    EXPECT_EQ(picker.chosenCustomer()->position, 3u);
    EXPECT_EQ(picker.chosenCustomer()->record[CustomerField::Nome], "ROSSI LUCA");
    EXPECT_EQ(picker.chosenCustomer()->record[CustomerField::Tessera], "3");

    // With no line selected, a double click on the blank part of the list closes the picker.
    picker.show();
    child<QPushButton>(picker, "cmdTrova")->click();
    list->setCurrentRow(-1);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, {20, list->viewport()->height() - 4});
    EXPECT_FALSE(picker.isVisible());
    EXPECT_FALSE(picker.chosenCustomer().has_value());
}

TEST_F(CustomerScreens, FiscalCodeDialogUpperCasesEnablesAndJudges) {
    TfrmCodFisc dialog(fakes.services);
    showActive(&dialog);
    auto* code = child<QLineEdit>(dialog, "txtCodice");
    auto* check = child<QPushButton>(dialog, "cmdCodFisc");
    QTest::keyClicks(code, "rssmra80a01h501");
    EXPECT_EQ(code->text(), QStringLiteral("RSSMRA80A01H501"));
    EXPECT_FALSE(check->isEnabled());
    pressEnter(code);
    EXPECT_TRUE(fakes.dialogs.shown.empty());
    QTest::keyClick(code, Qt::Key_U);
    EXPECT_TRUE(check->isEnabled());
    pressEnter(code);
    EXPECT_EQ(fakes.dialogs.texts(), QStringList{QStringLiteral("Codice fiscale CORRETTO.")});
    EXPECT_FALSE(dialog.isVisible());

    TfrmCodFisc wrong(fakes.services);
    wrong.setCode(QStringLiteral("rssmra80a01h501v"));
    EXPECT_TRUE(child<QPushButton>(wrong, "cmdCodFisc")->isEnabled());
    child<QPushButton>(wrong, "cmdCodFisc")->click();
    EXPECT_EQ(fakes.dialogs.lastText(), QStringLiteral("Attenzione: codice fiscale ERRATO."));
}

TEST_F(CustomerScreens, VatDialogMessagesAndALongerNumericCode) {
    const auto verdict = [this](const QString& number) {
        TfrmIva dialog(fakes.services);
        dialog.setCode(number);
        child<QPushButton>(dialog, "cmdPartitaIva")->click();
        return fakes.dialogs.lastText();
    };
    const QString correct = QString::fromUtf8(
        "Il numero di Partita IVA è CORRETTO.\r\n\r\nE' stato rilasciato dall'Ufficio IVA del Comune di ");
    EXPECT_EQ(verdict(QStringLiteral("01234561205")), correct + QStringLiteral("Bologna 2."));
    EXPECT_EQ(verdict(QStringLiteral("01234561106")), correct + QStringLiteral("."));
    EXPECT_EQ(verdict(QStringLiteral("00000000000")), correct + QStringLiteral("."));
    EXPECT_EQ(verdict(QStringLiteral("0123456A205")),
              QString::fromUtf8("Attenzione: il numero di partita IVA è ERRATO."));

    TfrmIva longer(fakes.services);
    longer.setCode(QStringLiteral("0123456120512"));
    EXPECT_EQ(child<QLineEdit>(longer, "txtCodice")->text(), QStringLiteral("0123456120512"));
    EXPECT_TRUE(child<QPushButton>(longer, "cmdPartitaIva")->isEnabled());
    child<QPushButton>(longer, "cmdPartitaIva")->click();
    EXPECT_EQ(fakes.dialogs.lastText(),
              QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));

    TfrmIva typed(fakes.services);
    showActive(&typed);
    QTest::keyClick(child<QLineEdit>(typed, "txtCodice"), Qt::Key_A);
    EXPECT_EQ(fakes.dialogs.lastText(),
              QStringLiteral("Attenzione: carattere non valido. Digitare solo valori numerici."));
}

TEST_F(CustomerSearch, StampaPrintsTheListedLinesInLandscapeAfterItsConfirmation) {
    TfrmAvanzate s(fakes.services);
    s.show();
    child<QLineEdit>(s, "txtCognome")->setText(QStringLiteral("rossi"));
    child<QPushButton>(s, "cmdTrova")->click();
    fakes.dialogs.answers = {false, true};
    child<QPushButton>(s, "cmdStampa")->click(); // No: nothing printed
    EXPECT_TRUE(fakes.printing.jobs.empty());
    child<QPushButton>(s, "cmdStampa")->click();
    ASSERT_EQ(fakes.dialogs.shown.size(), 2u);
    EXPECT_EQ(fakes.dialogs.shown[1].caption, QStringLiteral("Conferma operazione di stampa"));
    EXPECT_EQ(fakes.dialogs.shown[1].text,
              QStringLiteral("Si vuole stampare il presente elenco di clienti?"));
    ASSERT_EQ(fakes.printing.jobs.size(), 1u);
    const RecordingCanvas& canvas = fakes.printing.jobs[0].canvas;
    EXPECT_EQ(canvas.calls[3], "landscape");
    const auto texts = canvas.starting("text");
    ASSERT_EQ(texts.size(), 7u); // two rules, the title, two customers, the rule and the footer
    EXPECT_EQ(texts[1], "text 150,334 Elenco clienti");
    EXPECT_EQ(texts[3].substr(0, 25), "text 150,635 ROSSI LUCA  ");
    EXPECT_EQ(texts[6], "text 150,1053 Stampa eseguita in data 28/02/2009 alle ore 17:42:10");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(CustomerSearch, APrinterFailureIsReportedAndNoPrinterWritesAPdfThatIsOpened) {
    TfrmImportaCliente s(fakes.services);
    s.show();
    child<QPushButton>(s, "cmdTrova")->click();
    fakes.printing.refusal = "La stampante non risponde";
    child<QPushButton>(s, "cmdStampa")->click();
    EXPECT_EQ(fakes.dialogs.shown.back().kind, ShownMessage::ErrorReport);
    EXPECT_EQ(fakes.dialogs.shown.back().text, QStringLiteral("La stampante non risponde."));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    fakes.printing.refusal.reset();
    fakes.printing.savedAs = path(QStringLiteral("Stampe/Elenco clienti del 2009-02-28 17.42.10.pdf"));
    child<QPushButton>(s, "cmdStampa")->click();
    EXPECT_EQ(fakes.shell.opened, QStringList{*fakes.printing.savedAs});
    EXPECT_TRUE(fakes.dialogs.lastText().endsWith(*fakes.printing.savedAs));
}

TEST_F(CustomerScreens, MembershipCardChecksConfirmsPrintsAndKeepsTheLetterhead) {
    card();
    field("txtNome")->setText(QStringLiteral("Rossi Mario"));
    field("txtCap")->setText(QStringLiteral("20121"));
    field("txtTessera")->setText(QStringLiteral("T7"));
    int round = 0;
    fakes.dialogs.onModal = [&](QDialog& d) {
        auto* logo = child<QLineEdit>(d, "txtLogo01");
        auto* nome = child<QLineEdit>(d, "txtNome");
        auto* stampa = child<QPushButton>(d, "cmdStampa");
        if (round++ == 0) {
            EXPECT_EQ(nome->text(), QStringLiteral("Rossi Mario")); // filled from the card
            EXPECT_EQ(child<QLineEdit>(d, "txtCap")->text(), QStringLiteral("20121"));
            EXPECT_TRUE(logo->text().isEmpty()); // no Tessera.ini yet
            showActive(&d);
            nome->clear();
            stampa->click(); // the letterhead is checked first
            EXPECT_EQ(
                fakes.dialogs.lastText(),
                QString::fromUtf8("Attenzione: per stampare la tessera del cliente è necessario compilare il "
                                  "primo campo relativo ai dati della filmeria."));
            EXPECT_TRUE(logo->hasFocus());
            logo->setText(QStringLiteral(" Videoteca Aurora "));
            stampa->click();
            EXPECT_TRUE(nome->hasFocus());
            nome->setText(QStringLiteral("Rossi Mario"));
            stampa->click();
            EXPECT_TRUE(child<QLineEdit>(d, "txtIscrizione")->hasFocus());
            child<QLineEdit>(d, "txtIscrizione")->setText(QStringLiteral("01/02/2009"));
            fakes.dialogs.answers = {false};
            stampa->click(); // No: nothing printed, the screen stays
            EXPECT_TRUE(d.isVisible());
            EXPECT_TRUE(fakes.printing.jobs.empty());
            child<QPushButton>(d, "cmdAnnulla")->click(); // cancelling still keeps the edited letterhead
        } else {
            EXPECT_EQ(logo->text(), QStringLiteral("Videoteca Aurora"));
            child<QLineEdit>(d, "txtIscrizione")->setText(QStringLiteral("01/02/2009"));
            stampa->click();
            EXPECT_FALSE(d.isVisible()); // printing closes the screen
        }
    };
    child<QPushButton>(card(), "cmdTessera")->click();
    EXPECT_EQ(fakes.dialogs.shown.back().caption, QStringLiteral("Conferma operazione di stampa"));
    EXPECT_EQ(fakes.dialogs.shown.back().text, QStringLiteral("Si vuole stampare la tessera del cliente?"));
    std::ifstream ini(path("Tessera.ini").toStdString());
    const std::string saved((std::istreambuf_iterator<char>(ini)), {});
    EXPECT_NE(saved.find("Rigo 1=Videoteca Aurora\r\n"), std::string::npos) << saved;

    child<QPushButton>(card(), "cmdTessera")->click();
    ASSERT_EQ(fakes.printing.jobs.size(), 1u);
    EXPECT_EQ(fakes.printing.jobs[0].name, QStringLiteral("Tessera T7"));
    const auto texts = fakes.printing.jobs[0].canvas.starting("text");
    EXPECT_EQ(texts[0], "text 300,-100 Videoteca Aurora");
    EXPECT_EQ(texts[1], "text 440,-310 Rossi Mario");
    EXPECT_EQ(texts[3], "text 440,-440 20121    ");
    EXPECT_EQ(fakes.dialogs.modals, (QStringList{"frmTessera", "frmTessera"}));
}

TEST_F(CustomerScreens, ArchiveExportShowsTheViewsAndSendsTheGridAsShown) {
    CustomerRecord with = customer("Rossi Mario", "00123");
    with[CustomerField::Email] = "rossi@esempio.it";
    store({customer("Alfa", "1"), with, customer("Beta", "2")});
    card();
    fakes.dialogs.onModal = [&](QDialog& d) {
        auto* grid = child<QTableView>(d, "grdRecords");
        EXPECT_EQ(grid->model()->rowCount(), 3); // every customer
        EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(),
                  QStringLiteral(" Cognome, nome o ragione sociale"));
        EXPECT_EQ(grid->columnWidth(17), 400);
        releaseOn(child<QLabel>(d, "lblPassate")); // e-mail view
        EXPECT_EQ(grid->model()->index(0, 0).data().toString(), QStringLiteral("Rossi Mario"));
        EXPECT_EQ(grid->model()->headerData(1, Qt::Vertical).toString(), QString()); // an empty row follows
        releaseOn(child<QLabel>(d, "lblExcel"));
        // Opened by the desktop's application: the status panel still names the file.
        EXPECT_EQ(child<QLabel>(d, "panInfo")->text(),
                  QString::fromUtf8(" Il file è stato salvato in: /esportazioni/Clienti"));
        releaseOn(child<QLabel>(d, "imgWord"));
        fakes.office.opens = false;
        releaseOn(child<QLabel>(d, "lblExcel"));
        fakes.office.folderRefusal = QStringLiteral("/negozio/Esportazioni");
        releaseOn(child<QLabel>(d, "lblExcel"));
        fakes.office.folderRefusal.reset();
        fakes.office.refusal = "modulo mancante";
        releaseOn(child<QLabel>(d, "lblWord"));
    };
    releaseOn(child<QLabel>(card(), "lblExcel"));
    EXPECT_EQ(fakes.dialogs.modals, QStringList{"frmImminenti"});
    ASSERT_EQ(fakes.office.sheets.size(), 3u);
    EXPECT_EQ(fakes.office.sheets[0].first, QStringLiteral("Clienti"));
    const Spreadsheet& sheet = fakes.office.sheets[0].second;
    EXPECT_EQ(sheet.sheetName, "Clienti");
    EXPECT_EQ(sheet.cells.size(), 4u);
    EXPECT_EQ(sheet.cells[1][1], "Rossi Mario");
    EXPECT_EQ(sheet.cells[1][10], "00123");
    EXPECT_EQ(sheet.cells[2], std::vector<std::string>(19));
    EXPECT_EQ((std::pair{sheet.boldFirstColumn, sheet.boldLastColumn}), (std::pair{2, 19}));
    ASSERT_EQ(fakes.office.tables.size(), 2u); // the second one refused
    EXPECT_EQ(fakes.office.tables[0].second.rows[0][1], " Cognome, nome o ragione sociale");
    // The table says what it holds, in which view (the e-mail one), and when.
    EXPECT_EQ(fakes.office.tables[0].second.title,
              "Archivio clienti \u2013 E-mail (esportato il 28/02/2009 alle 17:42)");
    ASSERT_EQ(fakes.dialogs.shown.size(), 3u);
    // Saved but opened by nothing: said as it is, never as a failed export.
    EXPECT_EQ(
        fakes.dialogs.shown[0].text,
        QString::fromUtf8("Il file è stato salvato in:\r\n/esportazioni/Clienti\r\n\r\nNessun programma del "
                          "sistema ha aperto il file: accertarsi che un programma per i fogli di calcolo (ad "
                          "esempio LibreOffice) sia installato sul proprio computer."));
    // A folder that cannot be written is named; no advice to install a program.
    EXPECT_TRUE(fakes.dialogs.shown[1].text.startsWith(
        QString::fromUtf8("Si è verificato un errore durante l'esportazione dei dati in Excel.\r\n\r\nNon è "
                          "stato possibile scrivere il file nella cartella:\r\n/negozio/Esportazioni")))
        << fakes.dialogs.shown[1].text.toStdString();
    EXPECT_FALSE(fakes.dialogs.shown[1].text.contains(QStringLiteral("installato")));
    EXPECT_EQ(
        fakes.dialogs.shown[2].text,
        QStringLiteral("Attenzione: il sistema non consente di creare il file di "
                       "Microsoft Word.\n\r\n\rEsportazione dati non riuscita.\r\n\r\nAccertarsi che un "
                       "programma di videoscrittura (ad esempio LibreOffice) sia installato sul proprio "
                       "computer."));
}

TEST_F(CustomerScreens, NotesKeepTheirNoBreakSpacesAndStopAtTheFieldsLastWholeCharacter) {
    store({customer("Alfa", "1")});
    card();
    release("imgPrimo");
    auto* notes = child<QPlainTextEdit>(card(), "txtTrama");
    notes->setPlainText(QString::fromUtf8("\u00A0\u00A0\nx\u00A0y"));
    release("lblSalva");
    EXPECT_EQ(CustomerRecord::decode(archive())[CustomerField::Trama], "\xA0\xA0\r\nx\xA0y");

    // 254 letters, a line break and more: the break would need two bytes where one is left, so
    // the notes stop at the letters (a lone carriage return would be a broken line break).
    notes->setPlainText(QString(254, QLatin1Char('n')) + QStringLiteral("\naltro"));
    EXPECT_EQ(notes->toPlainText(), QString(254, QLatin1Char('n')));
    release("lblSalva");
    EXPECT_EQ(CustomerRecord::decode(archive())[CustomerField::Trama], std::string(254, 'n'));
}

} // namespace
} // namespace filmeria::testing
