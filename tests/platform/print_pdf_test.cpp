// Each printout through the PDF target, read back with poppler's pdftotext: the text
// positions on the page against the layouts' own coordinates.
#include "core/list_printout.h"
#include "customers/card_printout.h"
#include "fake_services.h"
#include "pdf_words.h"
#include "platform/printing.h"
#include "rentals/rental_file.h"
#include "rentals/slip_printout.h"
#include "small_disk.h"
#include "temp_folder.h"
#include "tools/slip_reprint.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace filmeria {
namespace {

using testing::Word;
using testing::wordsOf;

const Word* find(const std::vector<Word>& words, const std::string& text, std::size_t nth = 0) {
    for (const Word& w : words) {
        if (w.text == text && nth-- == 0)
            return &w;
    }
    return nullptr;
}

// A word's top left (or right end) at a point in tenths of a millimetre, y up, within 0.5 mm.
void expectAt(const std::vector<Word>& words, const std::string& text, int x, int y, bool rightEnd = false,
              std::size_t nth = 0) {
    const Word* w = find(words, text, nth);
    ASSERT_NE(w, nullptr) << text;
    EXPECT_NEAR(rightEnd ? w->right : w->left, x / 10.0, 0.5) << text;
    EXPECT_NEAR(w->top, -y / 10.0, 0.5) << text;
}

TEST(PrintToPdf, TheSlipsTextsStandWhereTheLayoutPutsThem) {
    testing::TempFolder dir;
    RentalRecord slip;
    slip[SlipField::NumScheda] = "12";
    slip[SlipField::Data] = "05/03/2009";
    slip[SlipField::Cliente] = "Rossi";
    slip[SlipField::Tessera] = "T7";
    slip[SlipField::Totale] = "130,50";
    slip.at(RowField::Codice, 1) = "F1";
    slip.at(RowField::PrezzoTot, 1) = "7,50";
    slip.at(RowField::Codice, 3) = "F3";
    slip.at(RowField::PrezzoTot, 3) = "123,00";
    const std::string pdf = dir.file("slip.pdf");
    printToPdf(QString::fromStdString(pdf), QStringLiteral("Scheda noleggio 12"), [&](PrintCanvas& canvas) {
        printSlip(canvas, {"Aurora", "", ""}, slip);
    });
    const auto words = wordsOf(pdf);
    expectAt(words, "Aurora", 1100, -140);
    expectAt(words, "Scheda", 1100, -310);
    expectAt(words, "Cliente:", 1100, -370);
    expectAt(words, "CODICE", 100, -540);
    expectAt(words, "F1", 100, -620);
    expectAt(words, "F3", 100, -720);
    expectAt(words, "7,50", 1910, -620, true);
    expectAt(words, "123,00", 1910, -720, true);
    expectAt(words, "130,50", 1910, -1145, true);
    expectAt(words, "TOTALE:", 1560, -1145);
    expectAt(words, "I", 100, -1200);

    // The film reel, placed at its own size: 195 x 212 picture pixels.
    const std::string list = testing::outputOf("pdfimages -list '" + pdf + "' 2>/dev/null");
    EXPECT_TRUE(
        QString::fromStdString(list).contains(QRegularExpression(QStringLiteral("image\\s+195\\s+212"))))
        << list;
}

TEST(PrintToPdf, TheCardsTextsStandWhereTheLayoutPutsThem) {
    testing::TempFolder dir;
    MembershipCard card;
    card.letterhead = {"Aurora", "", ""};
    card.name = "Rossi";
    card.address = "Via";
    card.card = "T7";
    card.enrolment = "01/02/2009";
    const std::string pdf = dir.file("card.pdf");
    printToPdf(QString::fromStdString(pdf), QStringLiteral("Tessera T7"),
               [&](PrintCanvas& canvas) { printMembershipCard(canvas, card); });
    const auto words = wordsOf(pdf);
    expectAt(words, "Aurora", 300, -100);
    expectAt(words, "Rossi", 440, -310);
    expectAt(words, "Via", 440, -390);
    expectAt(words, "Tessera", 440, -600);
    expectAt(words, "Data", 440, -650);
}

TEST(PrintToPdf, TheListBreaksItsPagesAt600DotsPerInch) {
    testing::TempFolder dir;
    LineList lines;
    for (int i = 1; i <= 60; ++i)
        lines.push_back("riga" + std::to_string(i));
    const std::string pdf = dir.file("list.pdf");
    printToPdf(QString::fromStdString(pdf), QStringLiteral("Elenco"), [&](PrintCanvas& canvas) {
        printList(canvas, lines, "Elenco clienti", PageOrientation::Portrait, [] {
            return std::pair<std::string, std::string>{"05/03/2009", "17:42:10"};
        });
    });
    const double pixel = 25.4 / 600; // h(14) = 117, h(12) = 100, h(8) = 67 pixels
    const auto first = wordsOf(pdf, 1);
    const Word* title = find(first, "Elenco");
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->left, 150 * pixel, 0.5);
    EXPECT_NEAR(title->top, 334 * pixel, 0.5);
    EXPECT_NEAR(find(first, "riga1")->top, 635 * pixel, 0.5);
    // A4 at 600 dpi is 7016 pixels high: lines run while y < 7016 - 201, every 134 pixels.
    const int perFirstPage = (7016 - 201 - 635 + 133) / 134;
    ASSERT_NE(find(first, "riga" + std::to_string(perFirstPage)), nullptr);
    EXPECT_EQ(find(first, "riga" + std::to_string(perFirstPage + 1)), nullptr);
    const auto second = wordsOf(pdf, 2);
    const Word* next = find(second, "riga" + std::to_string(perFirstPage + 1));
    ASSERT_NE(next, nullptr);
    EXPECT_NEAR(next->top, 134 * pixel, 0.5);
    EXPECT_EQ(find(second, "Elenco"), nullptr); // headings on the first page only
    EXPECT_NE(find(second, "17:42:10"), nullptr);
}

TEST(SystemPrinting, WithNoPrinterInstalledTheJobBecomesAPdfInStampe) {
    testing::TempFolder dir;
    testing::FakeClock clock; // 28/02/2009 17:42:10
    SystemPrinting printing(QString::fromStdString(dir.folder()), clock, [] { return QPrinterInfo(); });
    RentalRecord slip;
    slip[SlipField::NumScheda] = "12/B";
    const auto saved = printing.print(QStringLiteral("Scheda noleggio 12/B"), [&](PrintCanvas& canvas) {
        printSlip(canvas, {"", "", ""}, slip);
    });
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(*saved, QString::fromStdString(dir.folder()) +
                          QStringLiteral("Stampe/Scheda noleggio 12-B - stampa del 2009-02-28 17.42.10.pdf"));
    EXPECT_NE(testing::outputOf("pdftotext '" + saved->toStdString() + "' - 2>/dev/null")
                  .find("Scheda noleggio n. 12/B"),
              std::string::npos);

    // Printed again in the same second: a file of its own, the first one kept.
    const auto again = printing.print(QStringLiteral("Scheda noleggio 12/B"), [&](PrintCanvas& canvas) {
        slip[SlipField::NumScheda] = "13";
        printSlip(canvas, {"", "", ""}, slip);
    });
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(*again,
              QString::fromStdString(dir.folder()) +
                  QStringLiteral("Stampe/Scheda noleggio 12-B - stampa del 2009-02-28 17.42.10 (2).pdf"));
    EXPECT_NE(testing::outputOf("pdftotext '" + saved->toStdString() + "' - 2>/dev/null")
                  .find("Scheda noleggio n. 12/B"),
              std::string::npos);
    EXPECT_NE(testing::outputOf("pdftotext '" + again->toStdString() + "' - 2>/dev/null")
                  .find("Scheda noleggio n. 13"),
              std::string::npos);
}

// A printout written as PDF onto a full disk: a failure, and no file left behind.
TEST(SystemPrinting, APdfThatCannotBeWrittenWholeIsAFailureAndLeavesNoFile) {
    testing::TempFolder dir;
    testing::SmallDisk disk(dir.file("disco"), 1);
    if (!disk.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here (not root)";
    std::ofstream(disk.folder() + "riempimento", std::ios::binary)
        << std::string(static_cast<std::size_t>(std::filesystem::space(disk.folder()).available) - 2048, 'x');
    RentalRecord slip;
    slip[SlipField::NumScheda] = "12";
    const PrintDrawing draw = [&](PrintCanvas& canvas) {
        printSlip(canvas, {"Videoteca Aurora", "", ""}, slip);
    };

    const QString pdf = QString::fromStdString(disk.folder() + "scheda.pdf");
    EXPECT_THROW(printToPdf(pdf, QStringLiteral("Scheda noleggio 12"), draw), PrintError);
    EXPECT_FALSE(QFileInfo::exists(pdf));

    testing::FakeClock clock;
    SystemPrinting printing(QString::fromStdString(disk.folder()), clock, [] { return QPrinterInfo(); });
    EXPECT_THROW(printing.print(QStringLiteral("Scheda noleggio 12"), draw), PrintError);
    EXPECT_TRUE(QDir(QString::fromStdString(disk.folder() + "Stampe")).entryList(QDir::Files).isEmpty());

    // The companion: exit 2, its reason, no file.
    yearArchive(dir.folder(), "2009").append(slip);
    std::ostringstream out, err;
    EXPECT_EQ(reprintSlip(dir.file("2009.nol"), "1", disk.folder() + "ristampa.pdf", out, err), 2);
    EXPECT_NE(err.str().find("spazio esaurito"), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(disk.folder() + "ristampa.pdf"));
}

} // namespace
} // namespace filmeria
