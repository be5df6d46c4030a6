// The one print through a real CUPS queue: a slip sent with the system's printing to the
// default printer (a cups-pdf queue set up by tools/run-tests.sh) lands on the page where the
// PDF target puts it. The queue's PDF keeps neither the letters nor their true boxes, so the
// two pages are compared as rendered pictures.
#include "fake_services.h"
#include "pdf_words.h"
#include "platform/printing.h"
#include "rentals/slip_printout.h"
#include "temp_folder.h"
#include <QImage>

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>

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

TEST(CupsQueue, ASlipOnTheDefaultPrinterLandsWhereThePdfTargetPutsIt) {
    const QString queueOut = qEnvironmentVariable("FILMERIA_CUPS_PDF_OUT");
    if (queueOut.isEmpty())
        GTEST_SKIP() << "no CUPS queue set up: tools/run-tests.sh starts one";
    testing::TempFolder dir;
    RentalRecord slip;
    slip[SlipField::NumScheda] = "12";
    slip[SlipField::Data] = "05/03/2009";
    slip[SlipField::Cliente] = "Rossi Mario";
    slip[SlipField::Tessera] = "T7";
    slip[SlipField::Totale] = "7,50";
    slip.at(RowField::Codice, 1) = "F1";
    slip.at(RowField::Titolo, 1) = "Amarcord";
    slip.at(RowField::PrezzoTot, 1) = "7,50";
    const PrintDrawing draw = [&](PrintCanvas& canvas) {
        printSlip(canvas, {"Videoteca Aurora", "", ""}, slip);
    };

    const QStringList before = pdfsIn(queueOut);
    testing::FakeClock clock;
    SystemPrinting printing(QString::fromStdString(dir.folder()), clock);
    ASSERT_FALSE(printing.print(QStringLiteral("Scheda noleggio 12"), draw).has_value())
        << "no printer found";

    // The queue writes its PDF when the job completes.
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
                break;
            lastSize = size;
        }
        QThread::msleep(300);
    }
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

} // namespace
} // namespace filmeria
