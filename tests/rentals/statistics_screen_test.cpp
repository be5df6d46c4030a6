// The statistics screen: the charts hold the year's figures beside the year before, the tables
// one click away, the slips apart on a page of their own, the printout and the workbook.
#include "rentals/Statistiche.h"
#include "rentals/rental_file.h"
#include "screen_fixture.h"
#include "screenkit/archive_message.h"
#include "slip_builder.h"

#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <filesystem>

namespace filmeria::testing {
namespace {

class StatisticsScreen : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        const std::string folder = folderOf(dir).toStdString();
        // The fake clock says 28/02/2009.
        yearArchive(folder, "2009").append(slip("1", "05/01/2009", "10,50", kPaid, "A15", "Bar Sport", "F1"));
        yearArchive(folder, "2009")
            .append(slip("2", "06/02/2009", "4,00", kNotPaid, "A15", "Bar Sport", "F2"));
        yearArchive(folder, "2009").append(slip("3", "07/02/2009", "3,00", kPaid, "B7", "Rossi", "F1"));
        yearArchive(folder, "2009").append(slip("4", "30/02/2009", "1,00", kPaid, "B7", "Rossi", "F3"));
        yearArchive(folder, "2008").append(slip("9", "15/01/2008", "7,25", kPaid, "A15", "Bar Sport", "F1"));
    }
    static RentalRecord slip(const std::string& number, const std::string& date, const std::string& total,
                             const std::string& paid, const std::string& card, const std::string& name,
                             const std::string& code) {
        RentalRecord s = slipOf(number, date, total, paid, card, name);
        rentFilm(s, 1, code, "Titolo " + code);
        return s;
    }
    TfrmStatistiche& screen() {
        if (!screen_) {
            screen_ = &make<TfrmStatistiche>(fakes.services);
            showActive(screen_);
        }
        return *screen_;
    }
    // The values of each bar set of a chart, by set name.
    std::vector<std::pair<QString, std::vector<double>>> bars(const char* chart) {
        std::vector<std::pair<QString, std::vector<double>>> sets;
        for (QAbstractSeries* series : child<QChartView>(screen(), chart)->chart()->series())
            for (QBarSet* set : qobject_cast<QAbstractBarSeries*>(series)->barSets()) {
                std::vector<double> values;
                values.reserve(static_cast<std::size_t>(set->count()));
                for (int i = 0; i < set->count(); ++i)
                    values.push_back(set->at(i));
                sets.emplace_back(set->label(), values);
            }
        return sets;
    }
    QStringList categories(const char* chart) {
        for (QAbstractAxis* axis : child<QChartView>(screen(), chart)->chart()->axes())
            if (auto* names = qobject_cast<QBarCategoryAxis*>(axis))
                return names->categories();
        return {};
    }
    QString cell(const char* table, int row, int column) {
        return child<QTableWidget>(screen(), table)->item(row, column)->text();
    }
    TfrmStatistiche* screen_ = nullptr;
};

TEST_F(StatisticsScreen, TheChartsHoldTheYearBesideTheYearBefore) {
    EXPECT_EQ(child<QSpinBox>(screen(), "spnAnno")->value(), 2009);

    const auto takings = bars("chrMesi");
    ASSERT_EQ(takings.size(), 2u);
    EXPECT_EQ(takings[0].first, "2009");
    EXPECT_EQ(takings[1].first, "2008");
    EXPECT_EQ(takings[0].second, (std::vector<double>{10.5, 7.0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_DOUBLE_EQ(takings[1].second[0], 7.25);
    EXPECT_EQ(categories("chrMesi").front(), "Gen");
    EXPECT_EQ(categories("chrMesi").back(), "Dic");

    const auto paid = bars("chrSaldato");
    ASSERT_EQ(paid.size(), 2u);
    EXPECT_EQ(paid[0].first, "Saldato");
    EXPECT_DOUBLE_EQ(paid[0].second[1], 3.0);
    EXPECT_EQ(paid[1].first, "Da saldare");
    EXPECT_DOUBLE_EQ(paid[1].second[1], 4.0);

    // The first of a ranking at the top: the last category of a horizontal chart.
    EXPECT_EQ(categories("chrFilm").back(), "Titolo F1");
    EXPECT_EQ(bars("chrFilm")[0].second.back(), 2.0);
    EXPECT_EQ(categories("chrClienti").back(), "Bar Sport (A15)");
    EXPECT_EQ(categories("chrGiorni").front(), QString::fromUtf8("Lunedì"));
    EXPECT_EQ(bars("chrGiorni")[0].second, (std::vector<double>{1, 0, 0, 0, 1, 1, 0})); // Mon, Fri, Sat

    // The tables behind the charts, one click away; the slip of 30 February on a page apart.
    auto* stack = qobject_cast<QStackedWidget*>(child<QTabWidget>(screen(), "tabGrafici")->widget(0));
    EXPECT_EQ(stack->currentIndex(), 0);
    child<QPushButton>(screen(), "cmdTabelle")->click();
    EXPECT_EQ(stack->currentIndex(), 1);
    EXPECT_EQ(cell("tblMesi", 1, 0), "Febbraio");
    EXPECT_EQ(cell("tblMesi", 1, 3), "7,00");
    EXPECT_EQ(cell("tblMesi", 12, 0), "Totale");
    EXPECT_EQ(cell("tblMesi", 12, 3), "18,50");
    EXPECT_EQ(cell("tblMesi", 12, 6), "7,25");
    EXPECT_EQ(cell("tblMesi", 13, 0), "Altro");
    EXPECT_EQ(cell("tblClienti", 0, 4), "14,50");
    auto* tabs = child<QTabWidget>(screen(), "tabGrafici");
    EXPECT_EQ(tabs->tabText(tabs->count() - 1), "Altro");
    EXPECT_EQ(cell("tblAltro", 0, 0), "Scheda n. 4 (posizione 4): data \"30/02/2009\" non dell'anno 2009");
    EXPECT_NE(child<QLabel>(screen(), "lblAltro")->text().indexOf("1 scheda"), -1);
    EXPECT_NE(child<QLabel>(screen(), "lblTotali")->text().indexOf("incasso: 18,50"), -1);

    // Another year, read on Aggiorna: a year without its file is all zeroes, nothing apart;
    // 2009 is now the year before.
    child<QSpinBox>(screen(), "spnAnno")->setValue(2010);
    child<QPushButton>(screen(), "cmdAggiorna")->click();
    EXPECT_EQ(bars("chrMesi")[1].first, "2009");
    EXPECT_DOUBLE_EQ(bars("chrMesi")[1].second[0], 10.5);
    EXPECT_EQ(bars("chrMesi")[0].second, std::vector<double>(12, 0.0));
    EXPECT_EQ(tabs->indexOf(child<QTableWidget>(screen(), "tblAltro")), -1);
    EXPECT_TRUE(child<QLabel>(screen(), "lblAltro")->text().isEmpty());
}

// Two films of one title are two bars, told apart by their codes; the others keep their title.
TEST_F(StatisticsScreen, FilmsOfOneTitleAreTwoBars) {
    const std::string folder = folderOf(dir).toStdString();
    RentalRecord one = slipOf("1", "04/01/2010", "3,00", kPaid, "A15", "Bar Sport");
    rentFilm(one, 1, "F7", "Il postino");
    rentFilm(one, 2, "F8", "Il postino");
    rentFilm(one, 3, "F9", "Amarcord");
    yearArchive(folder, "2010").append(one);
    screen();
    child<QSpinBox>(screen(), "spnAnno")->setValue(2010);
    child<QPushButton>(screen(), "cmdAggiorna")->click();
    EXPECT_EQ(categories("chrFilm"), (QStringList{"Amarcord", "Il postino (F8)", "Il postino (F7)"}));
    EXPECT_EQ(bars("chrFilm")[0].second, (std::vector<double>{1, 1, 1}));
}

TEST_F(StatisticsScreen, PrintsAndExportsTheChartsAndTheirTables) {
    fakes.dialogs.answers = {true};
    child<QPushButton>(screen(), "cmdStampa")->click();
    ASSERT_EQ(fakes.printing.jobs.size(), 1u);
    EXPECT_EQ(fakes.printing.jobs[0].name, "Statistiche 2009");
    const std::vector<std::string>& calls = fakes.printing.jobs[0].canvas.calls;
    const auto has = [&calls](const std::string& part) {
        return std::any_of(calls.begin(), calls.end(),
                           [&part](const std::string& c) { return c.find(part) != std::string::npos; });
    };
    EXPECT_TRUE(has("Statistiche 2009"));
    EXPECT_TRUE(has("#1F4E79")); // this year's bars
    EXPECT_TRUE(has("#ED7D31")); // still to be paid
    EXPECT_TRUE(has("Bar Sport (A15)"));
    EXPECT_TRUE(has("data \"30/02/2009\""));
    EXPECT_TRUE(has("Stampa eseguita il 28/02/2009"));

    child<QPushButton>(screen(), "cmdEsporta")->click();
    ASSERT_EQ(fakes.office.books.size(), 1u);
    EXPECT_EQ(fakes.office.books[0].first, "Statistiche 2009");
    const Workbook& book = fakes.office.books[0].second;
    ASSERT_EQ(book.sheets.size(), 5u);
    EXPECT_EQ(book.sheets[0].sheetName, "Incassi per mese");
    EXPECT_EQ(book.sheets[0].cells[13][3], "18,50");
    ASSERT_EQ(book.sheets[0].charts.size(), 1u);
    EXPECT_EQ(book.sheets[0].charts[0].valueColumns, (std::vector<int>{3, 6}));
    EXPECT_EQ(book.sheets[4].sheetName, "Schede in Altro");

    // A year file that cannot be read: said, and the charts empty.
    std::filesystem::remove(path("2009.nol").toStdString());
    std::filesystem::create_directory(path("2009.nol").toStdString());
    child<QPushButton>(screen(), "cmdAggiorna")->click();
    EXPECT_EQ(fakes.dialogs.lastText(), kArchiveAccessMessage);
    EXPECT_EQ(bars("chrMesi")[0].second, std::vector<double>(12, 0.0));
}

} // namespace
} // namespace filmeria::testing
