#include "screen_fixture.h"

#include "customers/customer_file.h"
#include "films/ImportaFilm.h"
#include "films/film_store.h"
#include "platform/qt_text.h"
#include "rentals/Calendario.h"
#include "rentals/CercaNoleggio.h"
#include "rentals/Noleggi.h"
#include "rentals/film_whereabouts.h"
#include "rentals/rental_file.h"
#include "screenkit/HelpForm.h"
#include "screenkit/archive_message.h"
#include "screenkit/field_highlight.h"
#include "screenkit/screen_style.h"

#include "screenkit/result_list.h"
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace filmeria::testing {
namespace {

const QString kSavedNew = QString::fromUtf8("La scheda noleggio corrente è stata salvata in archivio.");
const QString kSavedChanges =
    QStringLiteral("Le modifiche apportate alla scheda noleggio corrente sono state salvate in archivio.");
const QString kNoSlip = QStringLiteral("Non esiste nessuna scheda in archivio.");

RentalRecord slip(const std::string& number, const std::string& customer,
                  const std::string& paid = kNotPaid) {
    RentalRecord r;
    r[SlipField::NumScheda] = number;
    r[SlipField::Cliente] = customer;
    r[SlipField::Tessera] = "T" + number;
    r[SlipField::Data] = "01/03/2009";
    r[SlipField::Totale] = "2,50";
    r[SlipField::Saldato] = paid;
    r.at(RowField::Titolo, 1) = "Notte di luna " + number;
    return r;
}

class RentalScreen : public ScreenTest {
protected:
    TfrmNoleggi& rentals() {
        if (!rentals_)
            rentals_ = &make<TfrmNoleggi>(fakes.services, make<TfrmHelpForm>(fakes.services), filmPicker(),
                                          slipSearch());
        return *rentals_;
    }
    TfrmImportaFilm& filmPicker() {
        if (!filmPicker_)
            filmPicker_ = &make<TfrmImportaFilm>(fakes.services);
        return *filmPicker_;
    }
    TfrmCercaNoleggio& slipSearch() {
        if (!slipSearch_)
            slipSearch_ = &make<TfrmCercaNoleggio>(fakes.services);
        return *slipSearch_;
    }
    QLineEdit* field(const char* name) { return child<QLineEdit>(rentals(), name); }
    QString box() { return child<QLabel>(rentals(), "lblPosizione")->text(); }
    void release(const char* name) { releaseOn(child<QLabel>(rentals(), name)); }

    // Shows the screen (the fake clock says 28/02/2009) and opens the year.
    void openYear(const QString& year = QStringLiteral("2009")) {
        auto& screen = rentals();
        showActive(&screen);
        field("txtAnno")->setText(year);
        child<QPushButton>(screen, "cmdApri")->click();
    }
    void addSlips(std::initializer_list<RentalRecord> slips, const std::string& year = "2009") {
        for (const auto& s : slips)
            yearArchive(folderOf(dir).toStdString(), year).append(s);
    }
    std::string yearFile(const std::string& year = "2009") {
        std::ifstream in(path(QString::fromStdString(year + ".nol")).toStdString(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Answers the next date picker with a date and its Importa button.
    void pickWith(QDate date) {
        fakes.dialogs.onModal = [date](QDialog& d) {
            d.findChild<QCalendarWidget*>("MonthCalendar")->setSelectedDate(date);
            d.findChild<QPushButton*>("cmdAnnulla")->click();
        };
    }

private:
    TfrmImportaFilm* filmPicker_ = nullptr;
    TfrmCercaNoleggio* slipSearch_ = nullptr;
    TfrmNoleggi* rentals_ = nullptr;
};

TEST_F(RentalScreen, YearPanelTakesOnlyDigitsAndOpensWithEnter) {
    auto& screen = rentals();
    showActive(&screen);
    auto* year = field("txtAnno");
    EXPECT_EQ(year->text(), QStringLiteral("2009"));
    EXPECT_EQ(field("txtData")->text(), QStringLiteral("28/02/2009"));
    year->setFocus();
    year->setText(QStringLiteral("201"));
    EXPECT_FALSE(child<QPushButton>(screen, "cmdApri")->isEnabled());
    QTest::keyClick(year, Qt::Key_A);
    pressEnter(year);
    EXPECT_EQ(
        fakes.dialogs.texts(),
        QStringList(
            2, QStringLiteral("Attenzione: indicare un anno solare utilizzando solo caratteri numerici.")));
    QTest::keyClick(year, Qt::Key_0);
    EXPECT_TRUE(child<QPushButton>(screen, "cmdApri")->isEnabled());
    pressEnter(year);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral(" Filmeria Pro - Gestione noleggi anno 2010"));
    EXPECT_TRUE(child<QGroupBox>(screen, "grpRicevuta")->isVisible());
    EXPECT_FALSE(child<QGroupBox>(screen, "grpAnno")->isVisible());
    EXPECT_TRUE(field("txtCodice01")->hasFocus());
    EXPECT_FALSE(std::filesystem::exists(path("2010.nol").toStdString())); // opening touches no file
}

TEST_F(RentalScreen, FirstSlipOfANewYearThenSavedAgainInPlace) {
    openYear();
    release("imgNuovo");
    EXPECT_EQ(field("txtNumScheda")->text(), QStringLiteral("1"));
    EXPECT_EQ(field("txtTotale")->text(), QStringLiteral("0,00"));
    field("txtCliente")->setText(QStringLiteral("Bar Sport"));
    field("txtTessera")->setText(QStringLiteral("A15"));
    field("txtTotale")->clear();
    release("lblSalva");
    EXPECT_EQ(fakes.dialogs.texts(), QStringList{kSavedNew});
    EXPECT_EQ(box(), QStringLiteral("1"));
    EXPECT_EQ(field("txtTotale")->text(), QStringLiteral("0,00"));

    child<QCheckBox>(rentals(), "chkSaldato")->setChecked(true);
    release("imgSalva");
    EXPECT_EQ(fakes.dialogs.lastText(), kSavedChanges);
    EXPECT_EQ(box(), QStringLiteral("1"));
    const std::string bytes = yearFile();
    ASSERT_EQ(bytes.size(), 1368u);
    const RentalRecord saved = RentalRecord::decode(bytes);
    EXPECT_EQ(saved[SlipField::Cliente], "Bar Sport");
    EXPECT_EQ(saved[SlipField::Saldato], "si");
    EXPECT_EQ(saved[SlipField::Data], "28/02/2009");
}

TEST_F(RentalScreen, ANumberAnotherCounterTookMeanwhileIsReplacedAndTheMessageSaysSo) {
    openYear();
    release("imgNuovo");
    ASSERT_EQ(field("txtNumScheda")->text(), QStringLiteral("1"));
    addSlips({slip("1", "Altra cassa")}); // the other counter saves first
    field("txtCliente")->setText(QStringLiteral("Bar Sport"));
    field("txtTessera")->setText(QStringLiteral("A15"));
    release("imgSalva");
    EXPECT_EQ(fakes.dialogs.lastText(),
              kSavedNew + QString::fromUtf8("\r\n\r\nIl numero 1 risultava già assegnato ad un'altra scheda "
                                            "dell'archivio: la scheda è stata salvata con il numero 2."));
    EXPECT_EQ(field("txtNumScheda")->text(), QStringLiteral("2"));
    EXPECT_EQ(box(), QStringLiteral("2"));
    EXPECT_EQ(yearArchive(folderOf(dir).toStdString(), "2009").readAt(2)[SlipField::NumScheda], "2");

    // A number typed over the proposal is the operator's: kept even when taken.
    release("imgNuovo");
    field("txtNumScheda")->setText(QStringLiteral("2"));
    field("txtCliente")->setText(QStringLiteral("Bar Sport"));
    field("txtTessera")->setText(QStringLiteral("A15"));
    release("imgSalva");
    EXPECT_EQ(fakes.dialogs.lastText(), kSavedNew);
    EXPECT_EQ(yearArchive(folderOf(dir).toStdString(), "2009").readAt(3)[SlipField::NumScheda], "2");
}

// The WCAG contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(RentalScreen, CommandLabelsStayReadableWhileHovered) {
    openYear();
    for (const char* name : {"lblNuovo", "lblSalva", "lblEsci"}) {
        auto* label = child<QLabel>(rentals(), name);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(label, &enter);
        const QColor text = style::textColour(label);
        EXPECT_NE(text, style::kWhite) << name; // it does change
        EXPECT_GE(contrast(text, label->palette().color(QPalette::Window)), 4.5) << name;
    }
}

TEST_F(RentalScreen, SaveAndPrintValidateInOrderWithTheirFocus) {
    const struct {
        const char* emptied;
        const char* save;
        const char* print;
    } cases[] = {
        {"txtNumScheda",
         "Attenzione: per salvare i dati in archivio è necessario indicare il numero progressivo della "
         "scheda "
         "noleggio.\r\n\r\nPer usufruire della numerazione automatica, fare clic su Nuovo prima di inserire "
         "una "
         "nuova scheda.",
         "Attenzione: per stampare i dati è necessario indicare il numero progressivo della scheda "
         "noleggio.\r\n\r\n"
         "Per usufruire della numerazione automatica, fare clic su Nuovo prima di inserire una nuova "
         "scheda."},
        {"txtCliente",
         "Attenzione: per salvare i dati in archivio è necessario indicare il cliente intestatario della "
         "scheda "
         "noleggio.",
         "Attenzione: per stampare i dati è necessario indicare il cliente intestatario della scheda "
         "noleggio."},
        {"txtTessera",
         "Attenzione: per salvare la scheda è necessario indicare il numero di tessera del cliente.",
         "Attenzione: per stampare la scheda è necessario indicare il numero di tessera del cliente."},
        {"txtData",
         "Attenzione: per salvare i dati in archivio è necessario indicare la data di emissione della scheda "
         "noleggio.",
         "Attenzione: per stampare i dati è necessario indicare la data di emissione della scheda noleggio."},
    };
    openYear();
    for (const auto& c : cases) {
        field("txtNumScheda")->setText(QStringLiteral("4"));
        field("txtCliente")->setText(QStringLiteral("Bar Sport"));
        field("txtTessera")->setText(QStringLiteral("A15"));
        field("txtData")->setText(QStringLiteral("28/02/2009"));
        field(c.emptied)->setText(QStringLiteral("  "));
        fakes.dialogs.shown.clear();
        release("imgSalva");
        EXPECT_EQ(fakes.dialogs.texts(), QStringList{QString::fromUtf8(c.save)}) << c.emptied;
        EXPECT_TRUE(field(c.emptied)->hasFocus()) << c.emptied;
        release("imgStampa");
        EXPECT_EQ(fakes.dialogs.lastText(), QString::fromUtf8(c.print)) << c.emptied;
    }
    EXPECT_FALSE(std::filesystem::exists(path("2009.nol").toStdString()));
    EXPECT_TRUE(fakes.dialogs.modals.isEmpty());
    field("txtData")->setText(QStringLiteral("28/02/2009"));
    field("txtTotale")->clear();
    release("lblStampa"); // never saved: printing opens all the same
    EXPECT_EQ(fakes.dialogs.modals, QStringList{"frmStampaNoleggio"});
    EXPECT_EQ(field("txtTotale")->text(), QStringLiteral("0,00"));
}

TEST_F(RentalScreen, NavigationCornerCases) {
    openYear();
    for (const char* arrow : {"imgPrimo", "imgUltimo", "imgAvanti", "imgIndietro"}) {
        fakes.dialogs.shown.clear();
        release(arrow);
        EXPECT_EQ(fakes.dialogs.texts(), QStringList{kNoSlip}) << arrow;
    }
    addSlips({slip("1", "Alfa"), slip("2", "Beta"), slip("3", "Gamma")});
    fakes.dialogs.shown.clear();

    release("imgIndietro"); // empty box: first slip
    EXPECT_EQ(box(), QStringLiteral("1"));
    EXPECT_EQ(field("txtCliente")->text(), QStringLiteral("Alfa"));
    field("txtCliente")->setText(QStringLiteral("changed"));
    release("imgIndietro"); // box "1": nothing at all
    EXPECT_EQ(field("txtCliente")->text(), QStringLiteral("changed"));
    release("imgUltimo");
    EXPECT_EQ(box(), QStringLiteral("3"));
    release("imgAvanti"); // at the last: nothing
    EXPECT_EQ(box(), QStringLiteral("3"));
    release("imgIndietro");
    EXPECT_EQ(box(), QStringLiteral("2"));
    EXPECT_EQ(field("txtTitolo01")->text(), QStringLiteral("Notte di luna 2"));
    child<QLabel>(rentals(), "lblPosizione")->clear();
    release("imgAvanti"); // empty box counts as 0
    EXPECT_EQ(box(), QStringLiteral("1"));
    EXPECT_TRUE(fakes.dialogs.shown.empty());

    std::filesystem::resize_file(path("2009.nol").toStdString(), 0);
    release("imgAvanti"); // empty file: the box is cleared too
    EXPECT_TRUE(box().isEmpty());
    EXPECT_EQ(fakes.dialogs.texts(), QStringList{kNoSlip});
}

TEST_F(RentalScreen, PaidFlagIsLoadedOnlyFromSiOrNo) {
    RentalRecord odd = slip("2", "Beta");
    odd[SlipField::Saldato] = "??";
    addSlips({slip("1", "Alfa", kPaid), odd, slip("3", "Gamma", kNotPaid)});
    openYear();
    auto* paid = child<QCheckBox>(rentals(), "chkSaldato");
    release("imgPrimo");
    EXPECT_TRUE(paid->isChecked());
    release("imgAvanti");
    EXPECT_TRUE(paid->isChecked()); // neither si nor no: left as it was
    release("imgAvanti");
    EXPECT_FALSE(paid->isChecked());
}

TEST_F(RentalScreen, DeleteSlipTwoOfThreeThenLast) {
    addSlips({slip("1", "Alfa"), slip("2", "Beta"), slip("3", "Gamma")});
    openYear();
    release("imgElimina");
    EXPECT_EQ(
        fakes.dialogs.lastText(),
        QString::fromUtf8("Attenzione: operazione non valida.\r\n\r\nLa cancellazione può essere applicata "
                          "soltanto ad una scheda già registrata in archivio."));
    release("imgPrimo");
    release("imgAvanti");
    fakes.dialogs.answers = {false};
    release("lblElimina");
    EXPECT_EQ(fakes.dialogs.shown.back().caption, QStringLiteral("Conferma cancellazione scheda noleggio"));
    EXPECT_EQ(fakes.dialogs.shown.back().text,
              QStringLiteral("Si vuole proprio eliminare la scheda corrente?"));
    EXPECT_EQ(yearFile().size(), 3u * 1368);
    release("lblElimina");
    EXPECT_EQ(yearFile().size(), 2u * 1368);
    EXPECT_TRUE(box().isEmpty());
    EXPECT_TRUE(field("txtNumScheda")->text().isEmpty());
    EXPECT_EQ(field("txtData")->text(), QStringLiteral("28/02/2009"));
    EXPECT_EQ(field("txtTotale")->text(), QStringLiteral("0,00"));
    release("imgUltimo");
    EXPECT_EQ(box(), QStringLiteral("2"));
    EXPECT_EQ(field("txtCliente")->text(), QStringLiteral("Gamma"));
}

TEST_F(RentalScreen, ArchiveFailuresShowTheAccessMessageAndNumberingStaysSilent) {
    std::filesystem::create_directory(path("2009.nol").toStdString());
    openYear();
    release("imgNuovo");
    EXPECT_TRUE(field("txtNumScheda")->text().isEmpty());
    EXPECT_TRUE(fakes.dialogs.shown.empty());
    field("txtNumScheda")->setText(QStringLiteral("1"));
    field("txtCliente")->setText(QStringLiteral("Bar"));
    field("txtTessera")->setText(QStringLiteral("1"));
    release("imgSalva");
    release("imgPrimo");
    // The archive access message, as the program's documentation words it.
    const QString access = QString::fromUtf8(
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
        "privilegi di scrittura nella cartella di installazione del programma.");
    EXPECT_EQ(fakes.dialogs.texts(), QStringList(2, access));
}

TEST_F(RentalScreen, ASlipShownFromAnotherYearBecomesANewSlipOfTheYearOpened) {
    addSlips({slip("1", "Alfa"), slip("2", "Beta"), slip("3", "Gamma")}, "2008");
    addSlips({slip("1", "Uno")}, "2009");
    const std::string before2008 = yearFile("2008");
    const std::string before2009 = yearFile("2009");
    openYear(QStringLiteral("2008"));
    release("imgPrimo");
    EXPECT_EQ(box(), QStringLiteral("1"));
    rentals().close();
    openYear(QStringLiteral("2009"));
    // Not slip 1 of 2009: a new slip, its number to be given, the rest as it was.
    EXPECT_TRUE(box().isEmpty());
    EXPECT_TRUE(field("txtNumScheda")->text().isEmpty());
    EXPECT_EQ(field("txtCliente")->text(), QStringLiteral("Alfa"));
    release("imgSalva");
    EXPECT_TRUE(fakes.dialogs.lastText().startsWith(
        QString::fromUtf8("Attenzione: per salvare i dati in archivio è necessario indicare il numero")));
    EXPECT_EQ(yearFile("2009"), before2009);
    field("txtNumScheda")->setText(QStringLiteral("2"));
    release("imgSalva");
    EXPECT_EQ(fakes.dialogs.lastText(), kSavedNew);
    EXPECT_EQ(box(), QStringLiteral("2"));
    EXPECT_EQ(yearFile("2009").substr(0, 1368), before2009); // "Uno" untouched
    EXPECT_EQ(RentalRecord::decode(yearFile("2009").substr(1368))[SlipField::Cliente], "Alfa");
    EXPECT_EQ(yearFile("2008"), before2008);

    // Opening the same year again keeps the slip as it is.
    rentals().close();
    openYear(QStringLiteral("2009"));
    EXPECT_EQ(box(), QStringLiteral("2"));
    EXPECT_EQ(field("txtNumScheda")->text(), QStringLiteral("2"));
}

TEST_F(RentalScreen, ASavedSlipKeepsItsIssueDateWhenTheScreenIsShownAgain) {
    addSlips({slip("1", "Alfa")}, "2009"); // issued 01/03/2009
    fakes.clock.date = QDate(2009, 3, 20);
    openYear();
    release("imgPrimo");
    EXPECT_EQ(field("txtData")->text(), QStringLiteral("01/03/2009"));
    rentals().close();
    openYear();
    EXPECT_EQ(field("txtData")->text(), QStringLiteral("01/03/2009"));
    release("imgSalva");
    EXPECT_EQ(RentalRecord::decode(yearFile("2009"))[SlipField::Data], "01/03/2009");

    release("imgNuovo");
    rentals().close();
    openYear();
    EXPECT_EQ(field("txtData")->text(), QStringLiteral("20/03/2009")); // a new slip: today
}

TEST_F(RentalScreen, CalculatingOrSavingFirstLeavesTheFieldBeingTyped) {
    openYear();
    release("imgNuovo");
    field("txtCliente")->setText(QStringLiteral("Rossi Mario"));
    field("txtTessera")->setText(QStringLiteral("T7"));
    field("txtPrestito01")->setText(QStringLiteral("01/03/2009"));
    field("txtRiconsegna01")->setText(QStringLiteral("03/03/2009"));
    auto* price = field("txtPrezzoDie01");
    price->setFocus();
    QTest::keyClicks(price, "2,5");
    child<QPushButton>(rentals(), "cmdCalcola01")->click(); // takes no focus
    EXPECT_EQ(price->text(), QStringLiteral("2,50"));
    EXPECT_EQ(field("txtPrezzoTot01")->text(), QStringLiteral("5,00"));

    auto* amount = field("txtPrezzoTot02");
    amount->setFocus();
    QTest::keyClicks(amount, "1,5");
    child<QPushButton>(rentals(), "cmdTotale")->click();
    EXPECT_EQ(amount->text(), QStringLiteral("1,50"));
    EXPECT_EQ(field("txtTotale")->text(), QStringLiteral("6,50"));

    auto* days = field("txtTotGiorni03");
    days->setFocus();
    QTest::keyClicks(days, "2,");
    release("imgSalva");
    EXPECT_EQ(days->text(), QStringLiteral("2")); // the day rule: a whole number without decimals
    const RentalRecord saved = RentalRecord::decode(yearFile("2009"));
    EXPECT_EQ(saved.at(RowField::PrezzoDie, 1), "2,50");
    EXPECT_EQ(saved.at(RowField::TotGiorni, 3), "2");
}

TEST_F(RentalScreen, RowFromTwoPickedDatesAndTheTotal) {
    openYear();
    pickWith(QDate(2009, 2, 28));
    child<QPushButton>(rentals(), "cmdPrestito01")->click();
    pickWith(QDate(2009, 3, 3));
    child<QPushButton>(rentals(), "cmdRiconsegna01")->click();
    EXPECT_EQ(field("txtPrestito01")->text(), QStringLiteral("28/02/2009"));
    EXPECT_EQ(field("txtRiconsegna01")->text(), QStringLiteral("03/03/2009"));
    field("txtPrezzoDie01")->setText(QStringLiteral("1,99"));
    child<QPushButton>(rentals(), "cmdCalcola01")->click();
    EXPECT_EQ(field("txtTotGiorni01")->text(), QStringLiteral("3"));
    EXPECT_EQ(field("txtPrezzoTot01")->text(), QStringLiteral("5,97"));

    field("txtPrezzoTot03")->setText(QStringLiteral("3,25"));
    child<QPushButton>(rentals(), "cmdTotale")->click();
    EXPECT_EQ(field("txtTotale")->text(), QStringLiteral("9,22"));

    child<QPushButton>(rentals(), "cmdCalcola02")->click();
    EXPECT_EQ(
        fakes.dialogs.lastText(),
        QString::fromUtf8("Attenzione: per effettuare il calcolo, è necessario indicare la data di noleggio "
                          "utilizzando l'apposito pulsante a destra della relativa casella di testo."));
    EXPECT_TRUE(field("txtPrestito02")->hasFocus());
}

// The returns desk opens a slip at a film's row and returns the film today (the fake clock says
// 28/02/2009): the row and the total calculated, the focus on Saldato for the clerk.
TEST_F(RentalScreen, AReturnedFilmIsCalculatedOnItsSlipWithTheFocusOnSaldato) {
    RentalRecord first = slip("1", "Bar Sport");
    RentalRecord second = slip("2", "Rossi Mario");
    second.at(RowField::Codice, 7) = "F7";
    second.at(RowField::Titolo, 7) = "Il postino";
    second.at(RowField::Prestito, 7) = "25/02/2009";
    second.at(RowField::PrezzoDie, 7) = "1,50";
    second.at(RowField::PrezzoTot, 1) = "2,00";
    yearArchive(folderOf(dir).toStdString(), "2009").append(first);
    yearArchive(folderOf(dir).toStdString(), "2009").append(second);
    showActive(&rentals());
    ASSERT_TRUE(rentals().openSlipAt(QStringLiteral("2009"), 2, 7));
    EXPECT_EQ(box(), QStringLiteral("2"));
    EXPECT_EQ(field("txtCliente")->text(), QStringLiteral("Rossi Mario"));
    EXPECT_TRUE(child<QWidget>(rentals(), "grpRicevuta02")->isVisible()); // the panel of rows 6-10
    rentals().returnFilmAt(7);
    EXPECT_EQ(field("txtRiconsegna07")->text(), QStringLiteral("28/02/2009"));
    EXPECT_EQ(field("txtTotGiorni07")->text(), QStringLiteral("3"));
    EXPECT_EQ(field("txtPrezzoTot07")->text(), QStringLiteral("4,50"));
    EXPECT_EQ(field("txtTotale")->text(), QStringLiteral("6,50"));
    EXPECT_TRUE(child<QCheckBox>(rentals(), "chkSaldato")->hasFocus());

    // The same from the returns desk, by its key: the code of a returned film scanned there.
    fakes.dialogs.onModal = [](QDialog& desk) {
        auto* code = desk.findChild<QLineEdit*>(QStringLiteral("txtRientro"));
        code->setText(QStringLiteral("f7"));
        QTest::keyClick(code, Qt::Key_Return);
    };
    rentals().openSlipAt(QStringLiteral("2009"), 1, 1);
    QTest::keyClick(&rentals(), Qt::Key_F8);
    EXPECT_EQ(fakes.dialogs.modals.last(), QStringLiteral("frmRientri"));
    EXPECT_EQ(box(), QStringLiteral("2"));

    // F9: the statistics of the screen's year.
    int statisticsYear = 0;
    fakes.dialogs.onModal = [&](QDialog& d) {
        statisticsYear = d.findChild<QSpinBox*>(QStringLiteral("spnAnno"))->value();
    };
    QTest::keyClick(&rentals(), Qt::Key_F9);
    EXPECT_EQ(fakes.dialogs.modals.last(), QStringLiteral("frmStatistiche"));
    EXPECT_EQ(statisticsYear, 2009);
    EXPECT_EQ(field("txtRiconsegna07")->text(), QStringLiteral("28/02/2009"));
    EXPECT_EQ(field("txtTotale")->text(), QStringLiteral("6,50"));
    EXPECT_TRUE(child<QCheckBox>(rentals(), "chkSaldato")->hasFocus());
    fakes.dialogs.onModal = nullptr;

    // A slip no longer there: a new slip, and the desk is told.
    EXPECT_FALSE(rentals().openSlipAt(QStringLiteral("2009"), 9, 1));
    EXPECT_EQ(box(), QString());
}

// The counter by keyboard: every command of the slip by a key.
TEST_F(RentalScreen, EveryCommandOfTheSlipHasAKey) {
    openYear();
    field("txtPrestito03")->setText(QStringLiteral("25/02/2009"));
    field("txtRiconsegna03")->setText(QStringLiteral("27/02/2009"));
    field("txtPrezzoDie03")->setText(QStringLiteral("2,00"));
    field("txtPrezzoDie03")->setFocus();
    QTest::keyClick(&rentals(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(field("txtPrezzoTot03")->text(), QStringLiteral("4,00"));
    QTest::keyClick(&rentals(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(field("txtTotale")->text(), QStringLiteral("4,00"));
    auto* paid = child<QCheckBox>(rentals(), "chkSaldato");
    const bool wasPaid = paid->isChecked();
    QTest::keyClick(&rentals(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_NE(paid->isChecked(), wasPaid);
    EXPECT_TRUE(paid->hasFocus());

    QTest::keyClick(&rentals(), Qt::Key_S, Qt::ControlModifier); // no customer yet: Salva says so
    EXPECT_EQ(fakes.dialogs.shown.size(), 1u);
    QTest::keyClick(&rentals(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(fakes.dialogs.modals.last(), QStringLiteral("frmCercaNoleggio"));
    QTest::keyClick(&rentals(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(field("txtPrezzoTot03")->text(), QString()); // a new slip
    QTest::keyClick(&rentals(), Qt::Key_F8);
    EXPECT_EQ(fakes.dialogs.modals.last(), QStringLiteral("frmRientri"));
    EXPECT_EQ(child<QLabel>(rentals(), "imgSalva")->toolTip(), QStringLiteral(" Salva (Ctrl+S) "));

    // On the choice of year the slip's keys do nothing.
    rentals().prepareYearChoice();
    const auto modals = fakes.dialogs.modals.size();
    QTest::keyClick(&rentals(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(fakes.dialogs.modals.size(), modals);
}

// Run by the suite under C.UTF-8 and again under it_IT.UTF-8, the locale of an Italian desk.
TEST_F(RentalScreen, APriceTypedWithItsCommaGivesTheRowAndTheTotalUnderTheDesktopsLocale) {
    openYear();
    field("txtPrestito01")->setText(QStringLiteral("01/03/2009"));
    field("txtRiconsegna01")->setText(QStringLiteral("03/03/2009"));
    auto* price = field("txtPrezzoDie01");
    price->setFocus();
    QTest::keyClicks(price, "3,5");
    field("txtTitolo01")->setFocus();
    EXPECT_EQ(price->text(), QStringLiteral("3,50"));
    child<QPushButton>(rentals(), "cmdCalcola01")->click();
    EXPECT_EQ(field("txtTotGiorni01")->text(), QStringLiteral("2"));
    EXPECT_EQ(field("txtPrezzoTot01")->text(), QStringLiteral("7,00"));
    child<QPushButton>(rentals(), "cmdTotale")->click();
    EXPECT_EQ(field("txtTotale")->text(), QStringLiteral("7,00"));
    EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(RentalScreen, DatePickerFillsOnlyTheFieldItWasOpenedForAndDoubleClickTakesTheDate) {
    openYear();
    child<QPushButton>(rentals(), "cmdAvanti")->click();
    QString tag;
    fakes.dialogs.onModal = [&](QDialog& d) {
        tag = static_cast<TfrmCalendario&>(d).memory();
        auto* calendar = d.findChild<QCalendarWidget*>("MonthCalendar");
        EXPECT_EQ(calendar->selectedDate(), QDate(2009, 2, 28));
        EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Monday);
        calendar->setSelectedDate(QDate(2009, 3, 15));
        emit calendar->activated(QDate(2009, 3, 15)); // what a double click sends
        EXPECT_EQ(d.result(), QDialog::Accepted);
    };
    child<QPushButton>(rentals(), "cmdRiconsegna07")->click();
    EXPECT_EQ(tag, QStringLiteral("Riconsegna07"));
    EXPECT_EQ(field("txtRiconsegna07")->text(), QStringLiteral("15/03/2009"));
    EXPECT_TRUE(field("txtRiconsegna06")->text().isEmpty());
    EXPECT_TRUE(field("txtPrestito07")->text().isEmpty());

    fakes.dialogs.onModal = [](QDialog& d) { d.reject(); }; // closed without a date
    child<QPushButton>(rentals(), "cmdPrestito07")->click();
    EXPECT_TRUE(field("txtPrestito07")->text().isEmpty());
    EXPECT_EQ(fakes.dialogs.modals, (QStringList{"frmCalendario", "frmCalendario"}));

    TfrmCalendario picker(fakes.services);
    picker.show();
    picker.findChild<QPushButton*>("cmdAnnulla")->click(); // "Importa" takes today's date
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.chosenDate(), QStringLiteral("28/02/2009"));
}

TEST_F(RentalScreen, DatePickerOpensOnTheDateTheFieldHoldsWhenItIsValid) {
    openYear();
    const auto opensOn = [&](const QString& inField) {
        field("txtRiconsegna03")->setText(inField);
        QDate shown;
        fakes.dialogs.onModal = [&](QDialog& d) {
            shown = d.findChild<QCalendarWidget*>("MonthCalendar")->selectedDate();
            d.reject();
        };
        child<QPushButton>(rentals(), "cmdRiconsegna03")->click();
        return shown;
    };
    EXPECT_EQ(opensOn(QStringLiteral("15/01/2008")), QDate(2008, 1, 15));
    EXPECT_EQ(opensOn(QStringLiteral("31/02/2009")), QDate(2009, 2, 28)); // no such day: today
    EXPECT_EQ(opensOn(QString()), QDate(2009, 2, 28));
}

TEST_F(RentalScreen, DateFieldsAreReadOnlyAndBackspaceEmptiesThem) {
    openYear();
    auto* date = field("txtPrestito04");
    date->setText(QStringLiteral("01/03/2009"));
    date->setFocus();
    QTest::keyClicks(date, "12");
    EXPECT_EQ(date->text(), QStringLiteral("01/03/2009"));
    QTest::keyClick(date, Qt::Key_Backspace);
    EXPECT_TRUE(date->text().isEmpty());
}

TEST_F(RentalScreen, AmountFieldsRefuseKeysAndNormaliseOnLeaving) {
    openYear();
    auto* price = field("txtPrezzoDie01");
    price->setFocus();
    QTest::keyClicks(price, "1,2");
    QTest::keyClick(price, Qt::Key_Comma);
    QTest::keyClick(price, Qt::Key_Minus);
    EXPECT_EQ(price->text(), QStringLiteral("1,2"));
    ASSERT_EQ(fakes.dialogs.shown.size(), 2u);
    EXPECT_EQ(fakes.dialogs.shown[0].kind, ShownMessage::Refusal);
    EXPECT_EQ(fakes.dialogs.shown[0].caption, QStringLiteral("Operazione annullata"));
    EXPECT_EQ(fakes.dialogs.shown[0].text, QStringLiteral("Attenzione: carattere non valido."));
    field("txtTitolo01")->setFocus();
    EXPECT_EQ(price->text(), QStringLiteral("1,20"));
    EXPECT_EQ(fieldColour(price), style::kWhite);

    auto* total = field("txtTotale");
    total->setText(QStringLiteral("30000001"));
    total->setFocus();
    EXPECT_EQ(fieldColour(total), style::kYellow);
    QTest::keyClick(total, Qt::Key_5);
    EXPECT_EQ(fakes.dialogs.lastText(), QStringLiteral("Attenzione: valore non valido."));
    EXPECT_EQ(total->text(), QStringLiteral("0,00"));
    total->setText(QStringLiteral(","));
    QTest::keyClick(total, Qt::Key_5); // not a number: no limit test, no error report
    EXPECT_EQ(total->text(), QStringLiteral(",5"));
    price->setFocus();
    EXPECT_EQ(total->text(), QStringLiteral("0,50"));
    EXPECT_EQ(fieldColour(total), style::kMoneyGreen);
}

TEST_F(RentalScreen, SwitchingWindowsIsNotLeavingTheField) {
    openYear();
    auto* price = field("txtPrezzoDie02");
    price->setText(QStringLiteral("1,2"));
    QFocusEvent windowSwitch(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(price, &windowSwitch);
    EXPECT_EQ(price->text(), QStringLiteral("1,2"));
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(price, &tab);
    EXPECT_EQ(price->text(), QStringLiteral("1,20"));
}

TEST_F(RentalScreen, FilmPickerIsToldItsRowAndPanelsSwitch) {
    openYear();
    child<QPushButton>(rentals(), "cmdAvanti")->click();
    EXPECT_TRUE(child<QGroupBox>(rentals(), "grpRicevuta02")->isVisible());
    EXPECT_FALSE(child<QGroupBox>(rentals(), "grpRicevuta")->isVisible());
    EXPECT_TRUE(field("txtCodice06")->hasFocus());
    FilmStore store(folderOf(dir).toStdString());
    FilmRow film;
    film[FilmField::varTitolo] = "Amarcord";
    film[FilmField::varCodice] = "CAM1";
    film[FilmField::varPrezzo] = "1,99";
    store.insert(film);
    field("txtRiconsegna07")->setText(QStringLiteral("03/03/2009"));
    QString memory;
    fakes.dialogs.onModal = [&](QDialog& d) {
        memory = filmPicker().memory();
        child<QComboBox>(d, "cboCriterio")->setCurrentIndex(15); // "Codice identificativo"
        child<QLineEdit>(d, "txtCriterio")->setText(QStringLiteral("cam"));
        child<QPushButton>(d, "btnPopola")->click();
        auto* list = child<ResultList>(d, "lstRecords");
        ASSERT_EQ(list->count(), 1);
        list->setCurrentRow(0);
        emit list->doubleClicked(list->model()->index(0, 0));
    };
    release("imgImporta07");
    EXPECT_EQ(fakes.dialogs.modals, QStringList{"frmImportaFilm"});
    EXPECT_EQ(memory, QStringLiteral("film07"));
    EXPECT_EQ(field("txtTitolo07")->text(), QStringLiteral("Amarcord"));
    EXPECT_EQ(field("txtPrezzoDie07")->text(), QStringLiteral("1,99"));
    EXPECT_EQ(field("txtCodice07")->text(), QStringLiteral("CAM1"));
    EXPECT_EQ(field("txtPrestito07")->text(), QStringLiteral("28/02/2009"));
    EXPECT_EQ(field("txtRiconsegna07")->text(), QStringLiteral("03/03/2009"));
    EXPECT_TRUE(field("txtTitolo06")->text().isEmpty());

    fakes.dialogs.onModal = {}; // closed without a choice: the row stays as it is
    release("imgImporta08");
    EXPECT_TRUE(field("txtTitolo08")->text().isEmpty());
    child<QPushButton>(rentals(), "cmdIndietro")->click();
    EXPECT_TRUE(field("txtCodice01")->hasFocus());
}

TEST_F(RentalScreen, AFilmNotAvailableGoesOnTheSlipOnlyWhenTheClerkSaysSoAndThePickerShowsTheWholeLine) {
    openYear();
    FilmStore store(folderOf(dir).toStdString());
    FilmRow film;
    film[FilmField::varTitolo] = "Amarcord";
    film[FilmField::varCodice] = "CAM1";
    film[FilmField::varPrezzo] = "1,99";
    film[FilmField::varDisponibile] = "No";
    store.insert(film);
    QString panel;
    const auto pick = [&] {
        fakes.dialogs.onModal = [&](QDialog& d) {
            child<QLineEdit>(d, "txtCriterio")->setText(QStringLiteral(" ")); // lists every film
            child<QPushButton>(d, "btnPopola")->click();
            auto* list = child<ResultList>(d, "lstRecords");
            ASSERT_EQ(list->count(), 1);
            list->setCurrentRow(0);
            panel = child<QLabel>(d, "panRiga")->text();
            emit list->doubleClicked(list->model()->index(0, 0));
        };
        release("imgImporta01");
    };
    const QString question =
        QStringLiteral("Il film risulta non disponibile. Inserirlo comunque nella scheda?");
    fakes.dialogs.answers = {false};
    pick();
    EXPECT_EQ(fakes.dialogs.lastText(), question);
    EXPECT_EQ(fakes.dialogs.shown.back().kind, ShownMessage::Confirmation);
    EXPECT_TRUE(field("txtTitolo01")->text().isEmpty());
    EXPECT_TRUE(field("txtCodice01")->text().isEmpty());
    EXPECT_EQ(panel, QStringLiteral("Amarcord -  -"));

    fakes.dialogs.answers = {true};
    pick();
    EXPECT_EQ(field("txtTitolo01")->text(), QStringLiteral("Amarcord"));
    EXPECT_EQ(fakes.dialogs.shown.size(), 2u);
}

TEST_F(RentalScreen, AFilmOutOnAnotherSlipIsShownInThePickerAndGoesOnOnlyWhenTheClerkSaysSo) {
    {
        FilmStore store(folderOf(dir).toStdString());
        FilmRow film;
        film[FilmField::varTitolo] = "Amarcord";
        film[FilmField::varCodice] = "CAM1";
        film[FilmField::varPrezzo] = "1,99";
        film[FilmField::varDisponibile] = "S\xEC";
        store.insert(film);
    }
    RentalRecord out = slip("3", "Bar Sport");
    out[SlipField::Tessera] = "A15";
    out.at(RowField::Codice, 2) = "cam1";
    out.at(RowField::Titolo, 2) = "Amarcord";
    out.at(RowField::Prestito, 2) = "20/02/2009";
    addSlips({out});
    FilmWhereabouts whereabouts;
    filmPicker().setFilmOutNote([&](const QString& code) {
        const auto film = whereabouts.filmOut(folderOf(dir).toStdString(), toCp1252(code), {2009, 2, 28});
        return film ? fromCp1252(filmOutNote(*film)) : QString();
    });
    openYear();
    const QString note = QString::fromUtf8("In noleggio dal 20/02/2009 \u2014 Bar Sport, tessera A15");

    // The picker's line under the list; Enter chooses; the clerk is asked, and says no.
    QString shown;
    fakes.dialogs.onModal = [&](QDialog& d) {
        child<QLineEdit>(d, "txtCriterio")->setText(QStringLiteral("Amarcord"));
        child<QPushButton>(d, "btnPopola")->click();
        auto* list = child<ResultList>(d, "lstRecords");
        list->setCurrentRow(0);
        shown = child<QLabel>(d, "lblNoleggio")->text();
        QTest::keyClick(list, Qt::Key_Return);
    };
    fakes.dialogs.answers = {false};
    release("imgImporta01");
    EXPECT_EQ(shown, note);
    EXPECT_EQ(fakes.dialogs.shown.back().caption, QStringLiteral("Film in noleggio"));
    EXPECT_EQ(fakes.dialogs.lastText(),
              QString::fromUtf8("Il film risulta in noleggio dal 20/02/2009 \u2014 Bar Sport, tessera A15. "
                                "Inserirlo comunque nella scheda?"));
    EXPECT_TRUE(field("txtTitolo01")->text().isEmpty());

    // Scanned and said yes to: on the slip.
    fakes.dialogs.answers = {true};
    field("txtCodice01")->setText(QStringLiteral("CAM1"));
    pressEnter(field("txtCodice01"));
    EXPECT_EQ(field("txtTitolo01")->text(), QStringLiteral("Amarcord"));
    EXPECT_EQ(fakes.dialogs.shown.size(), 2u);

    // Its own slip, at its own row, asks nothing.
    fakes.dialogs.shown.clear();
    ASSERT_TRUE(rentals().openSlipAt(QStringLiteral("2009"), 1, 2));
    field("txtCodice02")->setText(QStringLiteral("CAM1"));
    pressEnter(field("txtCodice02"));
    EXPECT_TRUE(fakes.dialogs.shown.empty());
    EXPECT_EQ(field("txtTitolo02")->text(), QStringLiteral("Amarcord"));
}

TEST_F(RentalScreen, AScannedFilmCodeFillsItsRowOrSaysThereIsNoneOrOffersThePicker) {
    openYear();
    {
        FilmStore store(folderOf(dir).toStdString());
        for (const auto& [title, code] : {std::pair{"Amarcord", "CAM1"}, std::pair{"Il sorpasso", "DUP"},
                                          std::pair{"La strada", "dup"}, std::pair{"Roma", "CAM10"}}) {
            FilmRow film;
            film[FilmField::varTitolo] = title;
            film[FilmField::varCodice] = code;
            film[FilmField::varPrezzo] = "2,50";
            film[FilmField::varDisponibile] = "S\xEC";
            store.insert(film);
        }
    }
    // One film: its row as the picker fills it, then on to the return date.
    field("txtCodice03")->setText(QStringLiteral(" cam1 "));
    pressEnter(field("txtCodice03"));
    EXPECT_EQ(field("txtTitolo03")->text(), QStringLiteral("Amarcord"));
    EXPECT_EQ(field("txtCodice03")->text(), QStringLiteral("CAM1"));
    EXPECT_EQ(field("txtPrezzoDie03")->text(), QStringLiteral("2,50"));
    EXPECT_EQ(field("txtPrestito03")->text(), QStringLiteral("28/02/2009"));
    EXPECT_TRUE(field("txtRiconsegna03")->hasFocus());
    EXPECT_TRUE(fakes.dialogs.shown.empty());
    EXPECT_TRUE(fakes.dialogs.modals.isEmpty());

    // No film: the message, and the code selected for the next scan.
    field("txtCodice04")->setText(QStringLiteral("XYZ"));
    pressEnter(field("txtCodice04"));
    EXPECT_EQ(fakes.dialogs.lastText(), QStringLiteral("Nessun film in archivio con il codice indicato."));
    EXPECT_TRUE(field("txtTitolo04")->text().isEmpty());
    EXPECT_TRUE(field("txtCodice04")->hasFocus());
    EXPECT_EQ(field("txtCodice04")->selectedText(), QStringLiteral("XYZ"));

    // Two films share the code: the picker opens on them.
    int listed = 0;
    fakes.dialogs.onModal = [&](QDialog& d) {
        EXPECT_EQ(child<QLineEdit>(d, "txtCriterio")->text(), QStringLiteral("DUP"));
        auto* list = child<ResultList>(d, "lstRecords");
        listed = list->count();
        list->setCurrentRow(1);
        emit list->doubleClicked(list->model()->index(1, 0));
    };
    field("txtCodice05")->setText(QStringLiteral("DUP"));
    pressEnter(field("txtCodice05"));
    EXPECT_EQ(fakes.dialogs.modals, QStringList{"frmImportaFilm"});
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(field("txtTitolo05")->text(), QStringLiteral("La strada"));
    EXPECT_TRUE(field("txtRiconsegna05")->hasFocus());

    // An empty code moves along the row as before.
    pressEnter(field("txtCodice01"));
    EXPECT_TRUE(field("txtTitolo01")->hasFocus());
}

TEST_F(RentalScreen, AScannedCardFillsTheCustomerOrSaysThereIsNoneOrOffersThePicker) {
    const CustomerArchive customers = customerArchive(folderOf(dir).toStdString());
    for (const auto& [name, card] :
         {std::pair{"Rossi Mario", "A15"}, std::pair{"Bianchi Anna", "B7"}, std::pair{"Verdi Carlo", "b7"}}) {
        CustomerRecord r;
        r[CustomerField::Nome] = name;
        r[CustomerField::Tessera] = card;
        customers.append(r);
    }
    openYear();
    release("imgNuovo");
    field("txtTessera")->setText(QStringLiteral("a15"));
    pressEnter(field("txtTessera"));
    EXPECT_EQ(field("txtCliente")->text(), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(field("txtTessera")->text(), QStringLiteral("A15"));
    EXPECT_TRUE(field("txtCodice01")->hasFocus());

    field("txtTessera")->setText(QStringLiteral("Z9"));
    pressEnter(field("txtTessera"));
    EXPECT_EQ(fakes.dialogs.lastText(),
              QStringLiteral("Nessun cliente in archivio con il numero di tessera indicato."));
    EXPECT_EQ(field("txtCliente")->text(), QStringLiteral("Rossi Mario")); // unchanged
    EXPECT_EQ(field("txtTessera")->selectedText(), QStringLiteral("Z9"));

    int listed = 0;
    fakes.dialogs.onModal = [&](QDialog& d) {
        auto* list = child<ResultList>(d, "lstRecords");
        listed = list->count();
        list->setCurrentRow(0);
        emit list->doubleClicked(list->model()->index(0, 0));
    };
    field("txtTessera")->setText(QStringLiteral("B7"));
    pressEnter(field("txtTessera"));
    EXPECT_EQ(fakes.dialogs.modals, QStringList{"frmImportaCliente"});
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(field("txtCliente")->text(), QStringLiteral("Bianchi Anna"));
    EXPECT_TRUE(field("txtCodice01")->hasFocus());
}

TEST_F(RentalScreen, CustomerPickerFillsOnlyTheSlipsNameAndCardNumberAndIsNewEachTime) {
    const CustomerArchive customers = customerArchive(folderOf(dir).toStdString());
    for (const auto& [name, card] : {std::pair{"Rossi Mario", "1"}, std::pair{"ROSSI LUCA", "3"}}) {
        CustomerRecord r;
        r[CustomerField::Nome] = name;
        r[CustomerField::Tessera] = card;
        customers.append(r);
    }
    openYear();
    field("txtNumScheda")->setText(QStringLiteral("9"));
    QPointer<QDialog> picker;
    fakes.dialogs.onModal = [&](QDialog& d) {
        picker = &d;
        EXPECT_TRUE(child<QPushButton>(d, "cmdTrova")->isEnabled()); // a new picker, on its criteria
        child<QLineEdit>(d, "txtTipologia")->setText(QStringLiteral("3"));
        child<QPushButton>(d, "cmdTrova")->click();
        auto* list = child<ResultList>(d, "lstRecords");
        ASSERT_EQ(list->count(), 1);
        list->setCurrentRow(0);
        // The card number, far to the right in the list, is in the panel below it.
        EXPECT_EQ(child<QLabel>(d, "panRiga")->text(), QStringLiteral("ROSSI LUCA  Tessera n. 3  Tel. casa"));
        emit list->doubleClicked(list->model()->index(0, 0));
    };
    release("imgImportaCliente");
    EXPECT_EQ(field("txtCliente")->text(), QStringLiteral("ROSSI LUCA"));
    EXPECT_EQ(field("txtTessera")->text(), QStringLiteral("3"));
    EXPECT_EQ(field("txtNumScheda")->text(), QStringLiteral("9"));
    EXPECT_TRUE(box().isEmpty());
    EXPECT_TRUE(picker.isNull()); // destroyed when it closed
    release("imgImportaCliente");
    EXPECT_EQ(fakes.dialogs.modals, (QStringList{"frmImportaCliente", "frmImportaCliente"}));
}

TEST_F(RentalScreen, PrintExportAndLetterheadOpenANewScreenEachTime) {
    openYear();
    for (const char* name : {"txtNumScheda", "txtCliente", "txtTessera"})
        field(name)->setText(QStringLiteral("1"));
    std::vector<QPointer<QDialog>> opened;
    fakes.dialogs.onModal = [&](QDialog& d) { opened.emplace_back(&d); };
    for (int round = 0; round < 2; ++round) {
        release("lblStampa");
        release("lblExcel");
        release("lblAzienda");
    }
    EXPECT_EQ(fakes.dialogs.modals, (QStringList{"frmStampaNoleggio", "frmExpNoleggi", "frmAzienda",
                                                 "frmStampaNoleggio", "frmExpNoleggi", "frmAzienda"}));
    ASSERT_EQ(opened.size(), 6u);
    for (const auto& screen : opened)
        EXPECT_TRUE(screen.isNull()); // each was destroyed when it closed
}

TEST_F(RentalScreen, LetterheadScreenReadsAndWritesTessera) {
    openYear();
    fakes.dialogs.onModal = [&](QDialog& d) {
        for (const char* name : {"txtLogo01", "txtLogo02", "txtLogo03"}) {
            EXPECT_TRUE(child<QLineEdit>(d, name)->text().isEmpty());
            EXPECT_EQ(child<QLineEdit>(d, name)->maxLength(), 50);
        }
        child<QLineEdit>(d, "txtLogo01")->setText(QStringLiteral(" Videoteca Aurora "));
        child<QPushButton>(d, "cmdAnnulla")->click();
    };
    release("lblAzienda");
    EXPECT_FALSE(std::filesystem::exists(path("Tessera.ini").toStdString())); // Annulla writes nothing
    fakes.dialogs.onModal = [&](QDialog& d) {
        child<QLineEdit>(d, "txtLogo01")->setText(QStringLiteral(" Videoteca Aurora "));
        child<QPushButton>(d, "cmdApplica")->click();
        EXPECT_FALSE(d.isVisible());
    };
    release("lblAzienda");
    std::ifstream ini(path("Tessera.ini").toStdString(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(ini), {}),
              "[Dati Filmeria]\r\nRigo 1=Videoteca Aurora\r\nRigo 2=\r\nRigo 3=\r\n");
}

TEST_F(RentalScreen, StampaPrintsTheSlipOnScreenAndAFailureKeepsThePrintScreenOpen) {
    openYear();
    field("txtNumScheda")->setText(QStringLiteral("12"));
    field("txtCliente")->setText(QStringLiteral("Rossi Mario"));
    field("txtTessera")->setText(QStringLiteral("T7"));
    field("txtTitolo01")->setText(QStringLiteral("Amarcord"));
    field("txtPrezzoTot01")->setText(QStringLiteral("7,50"));
    std::ofstream(path("Tessera.ini").toStdString()) << "[Dati Filmeria]\r\nRigo 1=Videoteca Aurora\r\n";
    fakes.printing.refusal = "stampante spenta";
    bool stayedOpen = false;
    fakes.dialogs.onModal = [&](QDialog& d) {
        EXPECT_EQ(child<QLineEdit>(d, "txtLogo01")->text(), QStringLiteral("Videoteca Aurora"));
        child<QPushButton>(d, "cmdStampa")->click();
        stayedOpen = d.isVisible();
    };
    release("lblStampa");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(
        fakes.dialogs.lastText(),
        QStringLiteral("Attenzione: il sistema non permette di stampare la scheda.\n\r\n\rAccertarsi che la "
                       "stampante sia configurata e collegata correttamente al proprio computer.\r\n\r\n"
                       "stampante spenta"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    fakes.printing.refusal.reset();
    fakes.dialogs.onModal = [&](QDialog& d) {
        child<QPushButton>(d, "cmdStampa")->click();
        EXPECT_FALSE(d.isVisible());
    };
    release("lblStampa");
    ASSERT_EQ(fakes.printing.jobs.size(), 2u);
    EXPECT_EQ(fakes.printing.jobs[1].name, QStringLiteral("Scheda noleggio 12 del 28/02/2009"));
    const auto& calls = fakes.printing.jobs[1].canvas.calls;
    for (const char* expected :
         {"text 1100,-140 Videoteca Aurora", "text 1100,-310 Scheda noleggio n. 12 del 28/02/2009",
          "text 1100,-370 Cliente: Rossi Mario", "text 390,-620 Amarcord", "text 1910,-620 7,50",
          "text 1910,-1145 0,00"})
        EXPECT_NE(std::find(calls.begin(), calls.end(), expected), calls.end()) << expected;

    fakes.dialogs.onModal = [&](QDialog& d) { child<QPushButton>(d, "cmdAnnulla")->click(); };
    release("lblStampa");
    EXPECT_EQ(fakes.printing.jobs.size(), 2u); // Annulla prints nothing
}

TEST_F(RentalScreen, ArchiveExportOfTheOpenYearWithItsViews) {
    addSlips({slip("1", "Alfa", kPaid), slip("2", "Beta"), slip("3", "Gamma", kPaid)});
    openYear();
    fakes.dialogs.onModal = [&](QDialog& d) {
        auto* grid = child<QTableView>(d, "grdRecords");
        EXPECT_EQ(grid->model()->columnCount(), 16);
        releaseOn(child<QLabel>(d, "lblAggiorna")); // paid
        EXPECT_EQ(grid->model()->index(1, 2).data().toString(), QStringLiteral("Gamma"));
        EXPECT_EQ(grid->model()->index(2, 2).data().toString(), QString());
        releaseOn(child<QLabel>(d, "lblCSV")); // without films
        EXPECT_EQ(grid->model()->columnCount(), 6);
        EXPECT_EQ(grid->model()->index(1, 5).data().toString(), QStringLiteral("Non saldato"));
        releaseOn(child<QLabel>(d, "lblTutte"));
        EXPECT_EQ(grid->model()->columnCount(), 16);
        releaseOn(child<QLabel>(d, "lblExcel"));
    };
    release("lblExcel");
    ASSERT_EQ(fakes.office.sheets.size(), 1u);
    EXPECT_EQ(fakes.office.sheets[0].first, QStringLiteral("Noleggi 2009"));
    EXPECT_EQ(fakes.office.sheets[0].second.sheetName, "Noleggi");
    EXPECT_EQ(fakes.office.sheets[0].second.cells[0][16], "Pagamento");
}

} // namespace
} // namespace filmeria::testing
