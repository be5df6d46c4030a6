#include "screen_fixture.h"

#include "films/ImportaFilm.h"
#include "rentals/CercaNoleggio.h"
#include "rentals/CercaStorico.h"
#include "rentals/Noleggi.h"
#include "rentals/rental_file.h"
#include "rentals/rental_search.h"
#include "screenkit/HelpForm.h"

#include "screenkit/result_list.h"
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace filmeria::testing {
namespace {

RentalRecord slip(const std::string& number, const std::string& customer, const std::string& paid,
                  const std::string& title = "Notte di luna", const std::string& code = "F1") {
    RentalRecord r;
    r[SlipField::NumScheda] = number;
    r[SlipField::Cliente] = customer;
    r[SlipField::Tessera] = "A15";
    r[SlipField::Data] = "12/03/2009";
    r[SlipField::Totale] = "7,50";
    r[SlipField::Saldato] = paid;
    r.at(RowField::Titolo, 1) = title;
    r.at(RowField::Codice, 1) = code;
    return r;
}

TEST(RentalListLine, IsPaddedCutAndTrimmedAsStated) {
    const std::string bytes = slip("7", "Bar Sport", kPaid).encode();
    EXPECT_EQ(rentalListLine(RentalView(bytes)), "Scheda n. 7          del 12/03/2009  Cliente: Bar Sport    "
                                                 "              Tessera n. A15                 "
                                                 "  Totale \x80 7,50        Film: Notte di luna");
    RentalRecord longer = slip("12345678901", std::string(30, 'C'), kPaid, "");
    const std::string longBytes = longer.encode();
    const std::string line = rentalListLine(RentalView(longBytes));
    EXPECT_NE(line.find("Scheda n. 1234567890 del"), std::string::npos);
    EXPECT_NE(line.find("Cliente: " + std::string(25, 'C') + "  Tessera"), std::string::npos);
    const std::string tail = "Totale \x80 7,50        Film:"; // no blank after an empty title
    EXPECT_EQ(line.substr(line.size() - tail.size()), tail);
    // The longest line, every field full, is the width the lists make room for.
    RentalRecord full = slip(std::string(10, '9'), std::string(50, 'C'), kPaid, std::string(50, 'T'));
    full[SlipField::Data] = "12/03/2009";
    full[SlipField::Tessera] = std::string(50, 'A');
    full[SlipField::Totale] = std::string(10, '1');
    EXPECT_EQ(rentalListLine(RentalView(full.encode())).size(), kRentalListLineWidth);
}

class RentalSearch : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        const std::string folder = folderOf(dir).toStdString();
        for (const RentalRecord& r :
             {slip("1", "Bar Sport", kNotPaid, "Notte di luna"),
              slip("2", "BARBERIA DUE", kPaid, "Il sorpasso"),
              slip("3", "Il Baretto", kNotPaid, "Luna rossa", "F3"),
              slip("10", "Bar Sport", kPaid, "Amarcord"), slip("17", "Rossi Mario", kNotPaid, "La luna")})
            yearArchive(folder, "2009").append(r);
    }
    TfrmCercaNoleggio& search() {
        if (!search_) {
            search_ = &make<TfrmCercaNoleggio>(fakes.services);
            search_->setYear(QStringLiteral(" 2009 "));
        }
        return *search_;
    }
    QLineEdit* criterion(const char* name) { return child<QLineEdit>(search(), name); }
    QStringList listed() {
        QStringList out;
        auto* list = child<ResultList>(search(), "lstRecords");
        for (int i = 0; i < list->count(); ++i)
            out << list->lineText(i).section(QStringLiteral("  Cliente: "), 0, 0);
        return out;
    }
    void find() { child<QPushButton>(search(), "cmdTrova")->click(); }

private:
    TfrmCercaNoleggio* search_ = nullptr;
};

TEST_F(RentalSearch, CustomerCriterionMatchesAnyCaseAndPaymentNarrowsIt) {
    showActive(&search());
    criterion("txtCognome")->setText(QStringLiteral("bar"));
    find();
    EXPECT_EQ(listed(),
              (QStringList{"Scheda n. 1          del 12/03/2009", "Scheda n. 10         del 12/03/2009",
                           "Scheda n. 2          del 12/03/2009", "Scheda n. 3          del 12/03/2009"}));
    EXPECT_TRUE(child<QGroupBox>(search(), "grpElenco")->isVisible());
    EXPECT_FALSE(child<QPushButton>(search(), "cmdTrova")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(search(), "cmdStampa")->isEnabled());
    EXPECT_TRUE(criterion("txtTrova")->hasFocus());

    child<QPushButton>(search(), "cmdIndietro")->click();
    EXPECT_EQ(criterion("txtCognome")->text(), QStringLiteral("bar")); // criteria kept
    criterion("txtCognome")->setText(QStringLiteral("bar sport"));
    auto* payment = child<QComboBox>(search(), "cboGiorno");
    payment->setCurrentText(QStringLiteral("Non saldato"));
    find();
    EXPECT_EQ(listed(), QStringList{"Scheda n. 1          del 12/03/2009"});
    EXPECT_EQ(child<QLabel>(search(), "lblConta")->text(), QStringLiteral("2"));

    // The empty choice takes the payment criterion back.
    child<QPushButton>(search(), "cmdIndietro")->click();
    ASSERT_EQ(payment->itemText(0), QString());
    payment->setCurrentIndex(0);
    find();
    EXPECT_EQ(listed(),
              (QStringList{"Scheda n. 1          del 12/03/2009", "Scheda n. 10         del 12/03/2009"}));
    EXPECT_EQ(child<QLabel>(search(), "lblConta")->text(), QStringLiteral("1"));
}

TEST_F(RentalSearch, F4InTheIssueDateOpensTheDatePickerAndTakesItsDate) {
    showActive(&search());
    fakes.dialogs.onModal = [](QDialog& d) {
        d.findChild<QCalendarWidget*>("MonthCalendar")->setSelectedDate(QDate(2009, 3, 7));
        d.findChild<QPushButton*>("cmdAnnulla")->click();
    };
    criterion("txtAnno")->setFocus();
    QTest::keyClick(criterion("txtAnno"), Qt::Key_F4);
    EXPECT_EQ(fakes.dialogs.modals, QStringList{"frmCalendario"});
    EXPECT_EQ(criterion("txtAnno")->text(), QStringLiteral("07/03/2009"));
    criterion("txtCognome")->setFocus();
    QTest::keyClick(criterion("txtCognome"), Qt::Key_F4); // elsewhere F4 opens nothing
    EXPECT_EQ(fakes.dialogs.modals.size(), 1);
}

TEST_F(RentalSearch, ThePaymentBoxIsPaintedYellowWhileFocused) {
    showActive(&search());
    auto* payment = child<QComboBox>(search(), "cboGiorno");
    const auto painted = [payment] {
        return payment->grab().toImage().pixelColor(payment->width() / 3, payment->height() / 2);
    };
    const QColor resting = painted();
    EXPECT_GE(resting.value(), 250) << resting.name().toStdString(); // white, not a grey button
    payment->setFocus();
    const QColor focused = painted();
    EXPECT_GT(focused.red(), 200);
    EXPECT_GT(focused.green(), 200);
    EXPECT_LT(focused.blue(), 120) << focused.name().toStdString();
    criterion("txtAzienda")->setFocus();
    EXPECT_EQ(painted(), resting);
}

TEST_F(RentalSearch, OpensOnItsFirstCriterionAndEveryResultStartsAtTheTopLeft) {
    showActive(&search());
    EXPECT_TRUE(criterion("txtAzienda")->hasFocus());
    find();
    auto* list = child<ResultList>(search(), "lstRecords");
    QScrollBar* sideways = list->horizontalScrollBar();
    EXPECT_EQ(sideways->maximum(), 1500 - list->viewport()->width());
    // Every line is as wide as the extent, so none is cut short where the first one ends.
    EXPECT_EQ(list->visualRect(list->model()->index(list->count() - 1, 0)).width(), 1500);
    sideways->setValue(sideways->maximum());
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    child<QPushButton>(search(), "cmdIndietro")->click();
    find();
    EXPECT_EQ(sideways->value(), 0);
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
}

TEST_F(RentalSearch, NumberIsEqualityAndNoCriterionListsEverySlipSortedAsText) {
    search().show();
    criterion("txtAzienda")->setText(QStringLiteral("7"));
    find();
    EXPECT_TRUE(listed().isEmpty()); // "17" is not "7"
    child<QPushButton>(search(), "cmdIndietro")->click();
    criterion("txtAzienda")->clear();
    find();
    EXPECT_EQ(listed().size(), 5);
    EXPECT_TRUE(listed()[0].startsWith(QStringLiteral("Scheda n. 1 ")));
    EXPECT_TRUE(listed()[1].startsWith(QStringLiteral("Scheda n. 10 ")));
    EXPECT_TRUE(listed()[4].startsWith(QStringLiteral("Scheda n. 3 ")));
}

TEST_F(RentalSearch, FindInTheListWrapsAround) {
    search().show();
    find();
    auto* list = child<ResultList>(search(), "lstRecords");
    auto* key = criterion("txtTrova");
    key->setText(QStringLiteral("LUNA"));
    child<QPushButton>(search(), "cmdTrova02")->click();
    EXPECT_EQ(list->currentRow(), 0); // slip 1, Notte di luna
    pressEnter(key);
    EXPECT_EQ(list->currentRow(), 2); // slip 17, La luna
    pressEnter(key);
    EXPECT_EQ(list->currentRow(), 4); // slip 3, Luna rossa
    pressEnter(key);
    EXPECT_EQ(list->currentRow(), 0); // wrapped
    key->setText(QStringLiteral("nessuno"));
    pressEnter(key);
    EXPECT_EQ(list->currentRow(), 0);

    child<QPushButton>(search(), "cmdIndietro")->click();
    criterion("txtAzienda")->setText(QStringLiteral("99"));
    find();
    child<QPushButton>(search(), "cmdTrova02")->click();
    EXPECT_EQ(fakes.dialogs.lastText(),
              QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
}

TEST_F(RentalSearch, DoubleClickLoadsTheLaterOfTwoEqualLines) {
    RentalRecord twin = slip("1", "Bar Sport", kNotPaid, "Notte di luna");
    twin.at(RowField::Codice, 2) = "SECONDA";
    yearArchive(folderOf(dir).toStdString(), "2009").append(twin);
    auto& rentals = make<TfrmNoleggi>(fakes.services, make<TfrmHelpForm>(fakes.services),
                                      make<TfrmImportaFilm>(fakes.services), search());
    rentals.show();
    child<QLineEdit>(rentals, "txtAnno")->setText(QStringLiteral("2009"));
    child<QPushButton>(rentals, "cmdApri")->click();
    QString title;
    fakes.dialogs.onModal = [&](QDialog&) {
        title = child<QLabel>(search(), "lblTitolo")->text();
        criterion("txtAzienda")->setText(QStringLiteral("1"));
        find();
        auto* list = child<ResultList>(search(), "lstRecords");
        ASSERT_EQ(list->count(), 2);
        list->setCurrentRow(1);
        // A double click on the blank part of the list, below the lines, acts on the selected one.
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, {20, list->viewport()->height() - 4});
        EXPECT_FALSE(search().isVisible());
        EXPECT_FALSE(child<QPushButton>(search(), "cmdStampa")->isEnabled());
    };
    releaseOn(child<QLabel>(rentals, "lblTrova"));
    EXPECT_EQ(title, QStringLiteral("Ricerca schede noleggio anno 2009"));
    ASSERT_TRUE(search().chosenSlip().has_value());
    EXPECT_EQ(search().chosenSlip()->position, 6u);
    EXPECT_EQ(child<QLabel>(rentals, "lblPosizione")->text(), QStringLiteral("6"));
    EXPECT_EQ(child<QLineEdit>(rentals, "txtCodice02")->text(), QStringLiteral("SECONDA"));
    // Closing emptied the criteria and brought the criteria panel back.
    EXPECT_TRUE(criterion("txtAzienda")->text().isEmpty());
    EXPECT_FALSE(child<QGroupBox>(search(), "grpElenco")->isVisibleTo(&search()));
}

TEST_F(RentalSearch, HistorySearchListsTheCurrentYearOfOneCustomerAndOnlyLists) {
    auto& history = make<TfrmCercaStorico>(fakes.services);
    EXPECT_EQ(child<QPushButton>(history, "cmdAnnulla")->text(), QStringLiteral("Chiudi"));
    history.presetCustomer(QStringLiteral("Bar Sport"), QStringLiteral("A1"));
    history.show();
    child<QPushButton>(history, "cmdTrova")->click(); // the fake clock's year is 2009
    auto* list = child<ResultList>(history, "lstRecords");
    ASSERT_EQ(list->count(), 2);
    emit list->doubleClicked(list->model()->index(0, 0));
    EXPECT_TRUE(history.isVisible());
    child<QPushButton>(history, "cmdAnnulla")->click();
    EXPECT_TRUE(child<QLineEdit>(history, "txtCognome")->text().isEmpty());
}

TEST_F(RentalSearch, StampaPrintsTheSlipListInLandscape) {
    search().show();
    criterion("txtCognome")->setText(QStringLiteral("rossi"));
    find();
    child<QPushButton>(search(), "cmdStampa")->click();
    EXPECT_EQ(fakes.dialogs.shown.back().text,
              QStringLiteral("Si vuole stampare il presente elenco di schede noleggio?"));
    ASSERT_EQ(fakes.printing.jobs.size(), 1u);
    EXPECT_EQ(fakes.printing.jobs[0].canvas.calls[3], "landscape");
    EXPECT_EQ(fakes.printing.jobs[0].canvas.starting("text")[1], "text 150,334 Elenco schede noleggio");
    EXPECT_EQ(fakes.printing.jobs[0].canvas.starting("text")[3].substr(0, 23), "text 150,635 Scheda n. ");
}

} // namespace
} // namespace filmeria::testing
