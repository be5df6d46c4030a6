// Printing through a real CUPS queue (a cups-pdf queue set up by tools/run-tests.sh as the
// default printer): a slip lands on the page where the PDF target puts it, and a queue that
// refuses jobs is a failure told as such by the screens and the companion.
#include "customers/Tessera.h"
#include "fake_services.h"
#include "pdf_words.h"
#include "platform/printing.h"
#include "rentals/StampaNoleggio.h"
#include "rentals/rental_file.h"
#include "rentals/rental_statistics.h"
#include "rentals/slip_printout.h"
#include "rentals/statistics_printout.h"
#include "rentals/statistics_tables.h"
#include "screen_fixture.h"
#include "temp_folder.h"
#include "tools/slip_reprint.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <set>
#include <sstream>

namespace filmeria {
namespace {

// The first page of a PDF as a grey picture, through poppler's pdftoppm.
QImage rendered(const std::string& pdf, const std::string& stem) {
    testing::outputOf("pdftoppm -r 100 -gray -png -f 1 -l 1 -singlefile '" + pdf + "' '" + stem +
                      "' 2>/dev/null");
    return QImage(QString::fromStdString(stem + ".png")).convertToFormat(QImage::Format_Grayscale8);
}

bool inked(const QImage& page, int x, int y) {
    return x >= 0 && y >= 0 && x < page.width() && y < page.height() && qGray(page.pixel(x, y)) < 128;
}

// The top left corner of everything inked on the page.
QPoint inkCorner(const QImage& page) {
    QPoint corner(page.width(), page.height());
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (inked(page, x, y)) {
                corner.setX(std::min(corner.x(), x));
                corner.setY(std::min(corner.y(), y));
            }
        }
    }
    return corner;
}

// The share of `from`'s inked pixels that have ink within one pixel at the same place of
// `in`, `in` being shifted by `shift`.
double inkCovered(const QImage& from, const QImage& in, QPoint shift) {
    long inkedPixels = 0;
    long covered = 0;
    for (int y = 0; y < from.height(); ++y) {
        for (int x = 0; x < from.width(); ++x) {
            if (!inked(from, x, y))
                continue;
            ++inkedPixels;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = inked(in, x + shift.x() + dx, y + shift.y() + dy);
            }
            covered += near;
        }
    }
    return inkedPixels ? static_cast<double>(covered) / static_cast<double>(inkedPixels) : 0.0;
}

QStringList pdfsIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

// The PDF the queue writes into `queueOut` when the job completes (not one of `before`); empty
// when none came within 90 seconds.
QString queuedPdf(const QString& queueOut, const QStringList& before) {
    QString written;
    qint64 lastSize = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    while (std::chrono::steady_clock::now() < deadline) {
        for (const QString& name : pdfsIn(queueOut)) {
            if (!before.contains(name))
                written = queueOut + QLatin1Char('/') + name;
        }
        if (!written.isEmpty()) {
            const qint64 size = QFileInfo(written).size();
            if (size > 0 && size == lastSize && !testing::wordsOf(written.toStdString()).empty())
                return written;
            lastSize = size;
        }
        QThread::msleep(300);
    }
    return written;
}

RentalRecord aSlip() {
    RentalRecord slip;
    slip[SlipField::NumScheda] = "12";
    slip[SlipField::Data] = "05/03/2009";
    slip[SlipField::Cliente] = "Rossi Mario";
    slip[SlipField::Tessera] = "T7";
    slip[SlipField::Totale] = "7,50";
    slip.at(RowField::Codice, 1) = "F1";
    slip.at(RowField::Titolo, 1) = "Amarcord";
    slip.at(RowField::PrezzoTot, 1) = "7,50";
    return slip;
}

TEST(CupsQueue, ASlipOnTheDefaultPrinterLandsWhereThePdfTargetPutsIt) {
    const QString queueOut = qEnvironmentVariable("FILMERIA_CUPS_PDF_OUT");
    if (queueOut.isEmpty())
        GTEST_SKIP() << "no CUPS queue set up: tools/run-tests.sh starts one";
    testing::TempFolder dir;
    const RentalRecord slip = aSlip();
    const PrintDrawing draw = [&](PrintCanvas& canvas) {
        printSlip(canvas, {"Videoteca Aurora", "", ""}, slip);
    };

    const QStringList before = pdfsIn(queueOut);
    testing::FakeClock clock;
    SystemPrinting printing(QString::fromStdString(dir.folder()), clock);
    ASSERT_FALSE(printing.print(QStringLiteral("Scheda noleggio 12"), draw).has_value())
        << "no printer found";

    const QString written = queuedPdf(queueOut, before);
    ASSERT_FALSE(written.isEmpty()) << "the queue wrote no PDF into " << queueOut.toStdString();

    const std::string reference = dir.file("reference.pdf");
    printToPdf(QString::fromStdString(reference), QStringLiteral("Scheda noleggio 12"), draw);
    // Both pages rendered at 100 dots per inch (a pixel is a quarter of a millimetre); the
    // printer's printable area may start inside the page, so the pages are aligned on the
    // slip's outer frame, then every inked pixel of one must have ink within a pixel in the other.
    const QImage printed = rendered(written.toStdString(), dir.file("printed"));
    const QImage expected = rendered(reference, dir.file("expected"));
    ASSERT_FALSE(printed.isNull());
    ASSERT_FALSE(expected.isNull());
    const QPoint shift = inkCorner(printed) - inkCorner(expected);
    EXPECT_LT(std::abs(shift.x()) + std::abs(shift.y()), 80) << "the slip is not at the top left of the page";
    EXPECT_GT(inkCovered(expected, printed, shift), 0.97);
    EXPECT_GT(inkCovered(printed, expected, -shift), 0.97);
    QFile::remove(written);
}

// The statistics on A4 through the same queue: three upright A4 pages, the first inked as the
// PDF target inks it, where the texts read back: the charts' titles, the rankings, the tables.
TEST(CupsQueue, TheStatisticsPrintOnThreeA4Pages) {
    const QString queueOut = qEnvironmentVariable("FILMERIA_CUPS_PDF_OUT");
    if (queueOut.isEmpty())
        GTEST_SKIP() << "no CUPS queue set up: tools/run-tests.sh starts one";
    testing::TempFolder dir;
    yearArchive(dir.folder(), "2009").append(aSlip());
    const YearStatistics year = yearStatistics(dir.folder(), 2009);
    const YearStatistics before = yearStatistics(dir.folder(), 2008);
    const std::vector<StatisticsTable> tables = statisticsTables(year, before);
    const PrintDrawing draw = [&](PrintCanvas& canvas) {
        printStatistics(canvas, year, before, tables, "28/02/2009 10:00");
    };

    const QStringList already = pdfsIn(queueOut);
    testing::FakeClock clock;
    SystemPrinting printing(QString::fromStdString(dir.folder()), clock);
    ASSERT_FALSE(printing.print(QStringLiteral("Statistiche 2009"), draw).has_value());
    const QString written = queuedPdf(queueOut, already);
    ASSERT_FALSE(written.isEmpty()) << "the queue wrote no PDF into " << queueOut.toStdString();
    const std::string info = testing::outputOf("pdfinfo '" + written.toStdString() + "'");
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;

    const std::string reference = dir.file("reference.pdf");
    printToPdf(QString::fromStdString(reference), QStringLiteral("Statistiche 2009"), draw);
    const QImage printed = rendered(written.toStdString(), dir.file("printed"));
    const QImage expected = rendered(reference, dir.file("expected"));
    const QPoint shift = inkCorner(printed) - inkCorner(expected);
    EXPECT_GT(inkCovered(expected, printed, shift), 0.95);
    EXPECT_GT(inkCovered(printed, expected, -shift), 0.95);
    std::string words;
    for (int page = 1; page <= 3; ++page)
        for (const testing::Word& w : testing::wordsOf(reference, page))
            words += w.text + ' ';
    for (const char* text :
         {"Statistiche 2009", "Saldato e da saldare", "Rossi Mario (T7)", "Marzo", "Totale"})
        EXPECT_NE(words.find(text), std::string::npos) << text << ": " << words;
    QFile::remove(written);
}

// The default queue refuses jobs for the length of the test (cupsreject), and accepts them again.
class RefusingQueue : public testing::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        queue_ = qEnvironmentVariable("FILMERIA_CUPS_QUEUE").toStdString();
        if (queue_.empty())
            GTEST_SKIP() << "no CUPS queue set up: tools/run-tests.sh starts one";
        ASSERT_EQ(std::system(("cupsreject -r 'Carta esaurita' " + queue_).c_str()), 0);
    }
    void TearDown() override {
        if (!queue_.empty()) {
            EXPECT_EQ(std::system(("cupsaccept " + queue_).c_str()), 0);
        }
        ScreenTest::TearDown();
    }
    std::string refusal() const {
        return "La stampante \"" + queue_ + "\" non accetta lavori: Carta esaurita";
    }

    SystemPrinting printing{testing::folderOf(dir), fakes.clock};
    Services services{fakes.dialogs,          fakes.shell, fakes.clock, printing, fakes.office,
                      testing::folderOf(dir), [] {}};

private:
    std::string queue_;
};

TEST_F(RefusingQueue, TheSlipTheCardAndTheCompanionSayThePrinterRefusedAndWhy) {
    const QStringList before = pdfsIn(qEnvironmentVariable("FILMERIA_CUPS_PDF_OUT"));

    TfrmStampaNoleggio slipScreen(services, aSlip());
    slipScreen.show();
    child<QPushButton>(slipScreen, "cmdStampa")->click();
    EXPECT_TRUE(slipScreen.isVisible()); // the print screen stays open
    EXPECT_EQ(
        fakes.dialogs.lastText(),
        QStringLiteral("Attenzione: il sistema non permette di stampare la scheda.\n\r\n\rAccertarsi che la "
                       "stampante sia configurata e collegata correttamente al proprio computer.\r\n\r\n") +
            QString::fromStdString(refusal()));

    MembershipCard customer{
        {"Videoteca Aurora", "", ""}, "Rossi Mario", "Via Roma 1", "00100", "Roma", "RM", "T7", "05/03/2009"};
    TfrmTessera cardScreen(services, customer);
    cardScreen.show();
    child<QLineEdit>(cardScreen, "txtLogo01")->setText(QStringLiteral("Videoteca Aurora"));
    child<QPushButton>(cardScreen, "cmdStampa")->click();
    EXPECT_TRUE(cardScreen.isVisible());
    ASSERT_FALSE(fakes.dialogs.shown.empty());
    EXPECT_EQ(fakes.dialogs.shown.back().kind, testing::ShownMessage::ErrorReport);
    EXPECT_TRUE(fakes.dialogs.lastText().startsWith(QString::fromStdString(refusal())))
        << fakes.dialogs.lastText().toStdString();

    testing::TempFolder folder;
    yearArchive(folder.folder(), "2009").append(aSlip());
    std::ostringstream out, err;
    EXPECT_EQ(reprintSlip(folder.file("2009.nol"), "1", std::nullopt, out, err), 2);
    EXPECT_EQ(err.str(), refusal() + "\n");
    EXPECT_EQ(out.str(), "");

    QThread::msleep(500);
    EXPECT_EQ(pdfsIn(qEnvironmentVariable("FILMERIA_CUPS_PDF_OUT")), before); // nothing printed
}

} // namespace
} // namespace filmeria
