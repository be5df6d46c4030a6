// The office documents of the demo archives as a store owner opens them: read back by independent
// readers (python-docx, openpyxl) and opened with LibreOffice, which lays the table out on its
// pages and computes a sum over the takings.
#include "core/money_text.h"
#include "customers/customer_file.h"
#include "pdf_words.h"
#include "platform/office_files.h"
#include "rentals/rental_file.h"
#include "rentals/rental_statistics.h"
#include "rentals/statistics_tables.h"
#include "temp_folder.h"
#include "tools/demo_data.h"
#include "tools/office_export.h"
#include "tools/poster_jpeg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

namespace filmeria {
namespace {

std::string python(const testing::TempFolder& dir, const std::string& script, const std::string& file) {
    const std::string program = dir.file("check.py");
    std::ofstream(program) << script;
    return testing::outputOf("/usr/bin/python3 '" + program + "' '" + file + "' 2>&1");
}

// LibreOffice converts `file` into `format` in the folder, with a profile of its own there.
std::string libreOffice(const testing::TempFolder& dir, const std::string& file, const std::string& format) {
    return testing::outputOf("soffice -env:UserInstallation=file://" + dir.folder() +
                             "profilo --headless --convert-to " + format + " --outdir '" + dir.folder() +
                             "' '" + file + "' 2>&1");
}

TEST(OfficeDocuments, TheCustomerTableFitsLandscapePagesAndNoWordIsBroken) {
    testing::TempFolder dir;
    demo::writeCustomers(dir.folder(), 40);
    std::ostringstream err;
    ASSERT_EQ(exportToOffice(dir.file("Clienti.pro"), dir.file("Clienti.docx"), OfficeFormat::Document, err),
              0)
        << err.str();
    const std::string layout = python(dir, R"(
import sys, docx
d = docx.Document(sys.argv[1])
s = d.sections[0]
width = (s.page_width - s.left_margin - s.right_margin) // 635
t = d.tables[0]
widths = [int(w) for w in t._tbl.xpath('./w:tblGrid/w:gridCol/@w:w')]
heading = t.rows[0]
print(s.orientation, len(widths), sum(widths) <= width, len(heading._tr.xpath('./w:trPr/w:tblHeader')),
      all(r.bold for c in heading.cells for p in c.paragraphs for r in p.runs))
print(d.paragraphs[0].text.startswith('Archivio clienti \u2013 Tutti i clienti (esportato il '))
words = set()
for row in t.rows:
    for c in row.cells:
        words.update(c.text.split())
words.update(d.paragraphs[0].text.split())
open(sys.argv[1] + '.words', 'w').write('\n'.join(sorted(words)))
)",
                                      dir.file("Clienti.docx"));
    EXPECT_EQ(layout, "LANDSCAPE (1) 19 True 1 True\nTrue\n");

    libreOffice(dir, dir.file("Clienti.docx"), "pdf");
    ASSERT_TRUE(dir.exists("Clienti.pdf"));
    std::set<std::string> cellWords;
    std::ifstream in(dir.file("Clienti.docx.words"));
    for (std::string word; std::getline(in, word);)
        cellWords.insert(word);
    // Every word LibreOffice set on the pages is a whole word of a cell: none was cut in two.
    int pages = 0;
    std::vector<std::string> broken;
    for (int page = 1;; ++page) {
        const std::vector<testing::Word> words = testing::wordsOf(dir.file("Clienti.pdf"), page);
        if (words.empty())
            break;
        ++pages;
        for (const testing::Word& w : words)
            if (!cellWords.count(w.text))
                broken.push_back(w.text);
    }
    EXPECT_GE(pages, 2);
    EXPECT_TRUE(broken.empty()) << broken.size() << " pieces, the first: " << broken.front();
}

TEST(OfficeDocuments, TheTakingsAreNumbersThatLibreOfficeSums) {
    testing::TempFolder dir;
    demo::writeSlips(dir.folder(), 2026, 60, 12, 8);
    const RentalArchive slips = yearArchive(dir.folder(), "2026");
    double total = 0;
    std::string firstDate;
    for (std::size_t p = 1; p <= slips.count(); ++p) {
        const RentalRecord slip = slips.readAt(p);
        total += textToNumber(slip[SlipField::Totale]).value_or(0);
        if (p == 1)
            firstDate = slip[SlipField::Data];
    }
    std::ostringstream err;
    ASSERT_EQ(exportToOffice(dir.file("2026.nol"), dir.file("Noleggi.xlsx"), OfficeFormat::Spreadsheet, err),
              0)
        << err.str();
    // Column B the slip number, C the date, E the card number, P the total.
    const std::string read = python(dir, R"(
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.active
rows = ws.max_row
print(ws['P1'].value, ws['C1'].value, {ws.cell(r, 16).data_type for r in range(2, rows + 1)},
      {ws.cell(r, 3).is_date for r in range(2, rows + 1)}, {ws.cell(r, 2).data_type for r in range(2, rows + 1)},
      {ws.cell(r, 5).data_type for r in range(2, rows + 1)}, ws['C2'].value.strftime('%d/%m/%Y'))
print('%.2f' % sum(ws.cell(r, 16).value or 0 for r in range(2, rows + 1)))
ws.cell(rows + 1, 16).value = '=SUM(P2:P%d)' % rows
ws.cell(rows + 1, 16).number_format = '0.00'
wb.save(sys.argv[1].replace('.xlsx', '-somma.xlsx'))
)",
                                    dir.file("Noleggi.xlsx"));
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.2f", total);
    EXPECT_EQ(read,
              "Prezzo totale Data emissione {'n'} {True} {'s'} {'s'} " + firstDate + "\n" + expected + "\n");

    libreOffice(dir, dir.file("Noleggi-somma.xlsx"), "csv");
    std::ifstream csv(dir.file("Noleggi-somma.csv"));
    std::string line, last;
    while (std::getline(csv, line))
        if (!line.empty())
            last = line;
    // The sum stands in the last line, with a decimal point or, on an Italian desktop, a comma.
    std::string withComma = expected;
    withComma[withComma.find('.')] = ',';
    EXPECT_TRUE(last.find(std::string(",") + expected + ",") != std::string::npos ||
                last.find(",\"" + withComma + "\",") != std::string::npos)
        << last << " against " << expected;
}

TEST(OfficeDocuments, AFilmCardWithATallPosterStandsOnOnePage) {
    testing::TempFolder dir;
    CardDocument card;
    card.title = "SCHEDA FILM";
    card.picture = demo::posterJpeg(4, 1200, 1800, 80, false);
    card.pictureExtension = "jpeg";
    card.pictureWidth = 1200;
    card.pictureHeight = 1800;
    for (const char* label : {"Titolo film:", "Nazione:", "Anno:", "Genere:", "Durata:", "Regista:",
                              "Distributore:", "Cast:", "Titolo originale:", "Sottotitoli:", "Lingue audio:",
                              "Prezzo:", "Supporto:", "Disponibile:", "Codice:", "Sito Web:"})
        card.rows.push_back({label, "Testo di prova"});
    card.rows.push_back(
        {"Trama:", "Una storia di provincia, raccontata in tre stagioni, con un finale aperto."});
    const std::string path = dir.file("Scheda.docx");
    writeCardDocument(path, card);
    // The picture as large as the text's width and half its height allow, in its proportions.
    const std::string extent = python(dir, R"(
import sys, docx
d = docx.Document(sys.argv[1])
s = d.sections[0]
shape = d.inline_shapes[0]
print(shape.width <= s.page_width - s.left_margin - s.right_margin,
      shape.height <= (s.page_height - s.top_margin - s.bottom_margin) // 2 + 635,
      abs(shape.width * 1800 - shape.height * 1200) < 1800 * 635)
)",
                                      path);
    EXPECT_EQ(extent, "True True True\n");
    libreOffice(dir, path, "pdf");
    EXPECT_EQ(testing::outputOf("pdfinfo '" + dir.file("Scheda.pdf") + "' | grep Pages"),
              "Pages:           1\n");
}

// The statistics' workbook of the demo slips: a sheet a table, amounts and counts as numbers,
// the months' chart a real chart of the two years' takings, which LibreOffice draws.
TEST(OfficeDocuments, TheStatisticsWorkbookHoldsNumbersAndAChartOfTheTakings) {
    testing::TempFolder dir;
    demo::writeSlips(dir.folder(), 2026, 300, 40, 30);
    demo::writeSlips(dir.folder(), 2025, 120, 40, 30, 2);
    const YearStatistics year = yearStatistics(dir.folder(), 2026);
    const YearStatistics before = yearStatistics(dir.folder(), 2025);
    writeWorkbook(dir.file("Statistiche.xlsx"), statisticsWorkbook(statisticsTables(year, before)));

    const std::string out = python(dir, R"(
import sys, zipfile, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
print(wb.sheetnames)
ws = wb['Incassi per mese']
print([c.value for c in ws[1]])
row = [c.value for c in ws[14]]
print('%s;%d;%d;%.2f;%.2f;%.2f;%.2f' % tuple(row), ''.join(c.data_type for c in ws[14][1:]))
print(sum(ws.cell(row=r, column=4).value for r in range(2, 14)))
print(wb['Film più noleggiati']['D2'].data_type, wb['Noleggi per giorno']['A2'].value)
z = zipfile.ZipFile(sys.argv[1])
chart = z.read('xl/charts/chart1.xml').decode()
print("'Incassi per mese'!$D$2:$D$13" in chart, "'Incassi per mese'!$G$2:$G$13" in chart,
      "'Incassi per mese'!$A$2:$A$13" in chart, 'barChart' in chart)
)",
                                   dir.file("Statistiche.xlsx"));
    std::istringstream lines(out);
    std::string sheets, headings, total, sum, kinds, chart;
    std::getline(lines, sheets);
    std::getline(lines, headings);
    std::getline(lines, total);
    std::getline(lines, sum);
    std::getline(lines, kinds);
    std::getline(lines, chart);
    EXPECT_EQ(sheets,
              "['Incassi per mese', 'Film più noleggiati', 'Clienti più assidui', 'Noleggi per giorno']")
        << out;
    EXPECT_EQ(headings, "['Mese', 'Schede', 'Film', 'Incasso', 'Saldato', 'Da saldare', 'Incasso 2025']");
    // The companion's line of the year, read back as numbers, and the year before's takings.
    const auto withPoint = [](std::string text) {
        std::replace(text.begin(), text.end(), ',', '.');
        return text;
    };
    const std::string table = monthlyTable(year);
    const std::string line = table.substr(table.find("Totale;"));
    EXPECT_EQ(total, withPoint(line.substr(0, line.find('\n'))) + ";" +
                         withPoint(amountText(before.total.takings)) + " nnnnnn")
        << out;
    EXPECT_NEAR(std::stod(sum), static_cast<double>(year.total.takings) / 100.0, 0.005) << out;
    EXPECT_EQ(kinds, "n Lunedì") << out;
    EXPECT_EQ(chart, "True True True True") << out;

    libreOffice(dir, dir.file("Statistiche.xlsx"), "pdf");
    ASSERT_TRUE(dir.exists("Statistiche.pdf"));
    std::string words; // on the pages of the first sheet, the chart beside the table
    for (int page = 1; page <= 4; ++page)
        for (const testing::Word& w : testing::wordsOf(dir.file("Statistiche.pdf"), page))
            words += w.text + ' ';
    EXPECT_NE(words.find("Incasso per mese"), std::string::npos) << words; // the chart's title, drawn
}

} // namespace
} // namespace filmeria
