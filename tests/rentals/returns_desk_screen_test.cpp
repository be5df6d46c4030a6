// The returns desk screen: the films out with their late marks and count, the filter, the
// store's late days, a returned film's code, the printout and the spreadsheet.
#include "customers/customer_file.h"
#include "rentals/Rientri.h"
#include "rentals/rental_file.h"
#include "screen_fixture.h"
#include "screenkit/result_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace filmeria::testing {
namespace {

class ReturnsDeskScreen : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        const std::string folder = folderOf(dir).toStdString();
        CustomerRecord bar;
        bar[CustomerField::Nome] = "Bar Sport";
        bar[CustomerField::Tessera] = "A15";
        bar[CustomerField::TelCel] = "333 1234567";
        customerArchive(folder).append(bar);
        // The fake clock says 28/02/2009.
        RentalRecord first;
        first[SlipField::NumScheda] = "1";
        first[SlipField::Cliente] = "Bar Sport";
        first[SlipField::Tessera] = "A15";
        rent(first, 1, "F1", "Pane e tulipani", "20/02/2009");
        rent(first, 2, "F2", "Il postino", "26/02/2009");
        RentalRecord second;
        second[SlipField::NumScheda] = "2";
        second[SlipField::Cliente] = "Rossi Mario";
        rent(second, 6, "F1", "Pane e tulipani", "27/02/2009");
        yearArchive(folder, "2009").append(first);
        yearArchive(folder, "2009").append(second);
    }
    static void rent(RentalRecord& slip, int row, const std::string& code, const std::string& title,
                     const std::string& date) {
        slip.at(RowField::Codice, row) = code;
        slip.at(RowField::Titolo, row) = title;
        slip.at(RowField::Prestito, row) = date;
    }
    TfrmRientri& desk() {
        if (!desk_) {
            desk_ = &make<TfrmRientri>(fakes.services);
            showActive(desk_);
        }
        return *desk_;
    }
    ResultList* list() { return child<ResultList>(desk(), "lstRecords"); }
    QString count() { return child<QLabel>(desk(), "lblConta")->text(); }
    void scan(const QString& code) {
        auto* field = child<QLineEdit>(desk(), "txtRientro");
        field->setFocus();
        field->setText(code);
        QTest::keyClick(field, Qt::Key_Return);
    }

private:
    TfrmRientri* desk_ = nullptr;
};

TEST_F(ReturnsDeskScreen, ListsTheFilmsOutOldestFirstWithLateOnesMarkedAndCounted) {
    ASSERT_EQ(list()->count(), 3);
    EXPECT_TRUE(list()->lineText(0).startsWith(QStringLiteral("   8 gg  RITARDO  dal 20/02/2009  F1")));
    EXPECT_TRUE(list()->lineText(0).endsWith(QStringLiteral("Tel. 333 1234567")));
    EXPECT_FALSE(list()->lineText(1).contains(QStringLiteral("RITARDO"))); // two days
    EXPECT_EQ(count(), QStringLiteral("Film in noleggio: 3 - in ritardo: 1"));

    child<QLineEdit>(desk(), "txtFiltro")->setText(QStringLiteral("rossi"));
    ASSERT_EQ(list()->count(), 1);
    EXPECT_EQ(count(), QStringLiteral("Film in noleggio: 3 - in ritardo: 1  (mostrati: 1, in ritardo: 0)"));
    child<QLineEdit>(desk(), "txtFiltro")->clear();

    // One day late is enough now, and the store keeps it.
    child<QSpinBox>(desk(), "spnRitardo")->setValue(1);
    EXPECT_EQ(count(), QStringLiteral("Film in noleggio: 3 - in ritardo: 2"));
    EXPECT_EQ(lateDaysSetting(folderOf(dir).toStdString()), 1);
}

TEST_F(ReturnsDeskScreen, AReturnedFilmChoosesItsSlipOrSaysItIsNotOut) {
    scan(QStringLiteral("F9"));
    EXPECT_EQ(fakes.dialogs.lastText(), QString::fromUtf8(kFilmNotOut));
    EXPECT_FALSE(desk().chosen());

    scan(QStringLiteral(" f2 "));
    ASSERT_TRUE(desk().chosen());
    EXPECT_EQ(desk().chosen()->year, QStringLiteral("2009"));
    EXPECT_EQ(desk().chosen()->position, 1u);
    EXPECT_EQ(desk().chosen()->row, 2);
    EXPECT_TRUE(desk().chosen()->returned);
    EXPECT_EQ(desk().result(), QDialog::Accepted);
}

TEST_F(ReturnsDeskScreen, AFilmOutOnTwoSlipsIsChosenFromTheListAndEnterOpensASlip) {
    scan(QStringLiteral("F1"));
    EXPECT_FALSE(desk().chosen());
    ASSERT_EQ(list()->count(), 2); // both copies, the oldest first
    list()->setCurrentRow(1);
    QTest::keyClick(list(), Qt::Key_Return); // as a double click
    ASSERT_TRUE(desk().chosen());
    EXPECT_EQ(desk().chosen()->position, 2u);
    EXPECT_EQ(desk().chosen()->row, 6);
    EXPECT_TRUE(desk().chosen()->returned);
}

TEST_F(ReturnsDeskScreen, ADoubleClickOnlyOpensTheSlip) {
    list()->setCurrentRow(0);
    emit list()->doubleClicked(list()->model()->index(0, 0));
    ASSERT_TRUE(desk().chosen());
    EXPECT_EQ(desk().chosen()->row, 1);
    EXPECT_FALSE(desk().chosen()->returned);
}

TEST_F(ReturnsDeskScreen, PrintsAndExportsTheListShown) {
    fakes.dialogs.answers = {true};
    child<QPushButton>(desk(), "cmdStampa")->click();
    ASSERT_EQ(fakes.printing.jobs.size(), 1u);
    child<QPushButton>(desk(), "cmdEsporta")->click();
    ASSERT_EQ(fakes.office.sheets.size(), 1u);
    const Spreadsheet& sheet = fakes.office.sheets[0].second;
    EXPECT_EQ(sheet.sheetName, "Film in noleggio");
    ASSERT_EQ(sheet.cells.size(), 4u);
    EXPECT_EQ(sheet.cells[0][5], "Data di noleggio");
    EXPECT_EQ(sheet.cells[1][0], "F1");
    EXPECT_EQ(sheet.cells[1][4], "333 1234567");
    EXPECT_EQ(sheet.cells[1][7], "si");
    EXPECT_EQ(sheet.cells[1][8], "1 (2009)");
}

} // namespace
} // namespace filmeria::testing
