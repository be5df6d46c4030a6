// The office files read back with independent readers: openpyxl for the spreadsheet,
// python-docx for the documents (Debian's python3, whatever else comes first on the PATH).
#include "fake_services.h"
#include "pdf_words.h"
#include "platform/office.h"
#include "platform/office_files.h"
#include "platform/office_writers.h"
#include "small_disk.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace filmeria {
namespace {

// Runs a Python script on a file and returns what it prints.
std::string python(const std::string& script, const std::string& file) {
    std::ofstream(file + ".py") << script;
    return testing::outputOf("/usr/bin/python3 '" + file + ".py' '" + file + "' 2>&1");
}

TEST(OfficeFiles, TheSpreadsheetHoldsTextAmountsAndDatesWithTheBoldHeadingsAndA1Selected) {
    testing::TempFolder dir;
    Spreadsheet sheet;
    sheet.sheetName = "Clienti";
    sheet.cells = {{"", "Nome", "CAP", "Data", "Prezzo"},
                   {"1", "Citt\xC3\xA0 Nicol\xC3\xB2", "00123", "05/03/2009", "12,50"},
                   {"2", "Rossi", "", "31/02/2009", "3,,50"}, // not a date, not an amount: text
                   {"3", "Bianchi", "", "", "1.234,00"}};
    sheet.columnKinds = {ColumnKind::Text, ColumnKind::Text, ColumnKind::Text, ColumnKind::Date,
                         ColumnKind::Amount};
    sheet.boldFirstColumn = 2;
    sheet.boldLastColumn = 7; // beyond the data, as the caller asks
    sheet.fittedColumns = 5;
    const std::string path = dir.file("c.xlsx");
    writeSpreadsheet(path, sheet);
    const std::string out = python(R"(
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.active
print(wb.sheetnames, ws.max_row, ws.sheet_view.selection[-1].activeCell, ws.freeze_panes, ws.auto_filter.ref)
for row in ws.iter_rows(min_row=1, max_row=4, max_col=7):
    print([(c.value, c.data_type, c.font.b, c.number_format) for c in row])
print(round(ws.column_dimensions['B'].width), round(ws.column_dimensions['D'].width))
)",
                                   path);
    EXPECT_NE(out.find("['Clienti'] 4 A1 A2 A1:E4"), std::string::npos) << out;
    EXPECT_NE(out.find("('Nome', 's', True, '@')"), std::string::npos) << out;
    EXPECT_NE(out.find("(None, 'n', False, '@'), ('Nome'"), std::string::npos) << out; // A1 stays plain
    EXPECT_NE(out.find("(None, 'n', True, '@'), (None, 'n', True, '@')]"), std::string::npos) << out;
    // Leading zeros stay; a valid date and a valid amount are a date and a number.
    EXPECT_NE(out.find("('00123', 's', False, '@'), (datetime.datetime(2009, 3, 5, 0, 0), 'd', False, "
                       "'dd/mm/yyyy'), (12.5, 'n', False, '#,##0.00')"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("('31/02/2009', 's', False, '@'), ('3,,50', 's', False, '@')"), std::string::npos)
        << out;
    EXPECT_NE(out.find("('1.234,00', 's', False, '@')"), std::string::npos)
        << out;                                                                // the program writes no dots
    EXPECT_NE(out.find("('Data', 's', True, '@')"), std::string::npos) << out; // headings stay text
    EXPECT_NE(out.find("Citt\xC3\xA0 Nicol\xC3\xB2"), std::string::npos) << out;
    EXPECT_NE(out.find("\n15 13\n"), std::string::npos) << out; // fitted to "Città Nicolò" and "05/03/2009"
    EXPECT_THROW(writeSpreadsheet(path, sheet), OfficeError);   // never over an existing file
}

TEST(OfficeFiles, ATableDocumentKeepsEveryCellAndFitsALandscapePageUnderItsTitle) {
    testing::TempFolder dir;
    const std::string path = dir.file("t.docx");
    writeTableDocument(
        path, {"Archivio clienti \u2013 Tutti i clienti (esportato il 10/12/2026 alle 16:50)",
               {{"", " Nome", " Note"}, {"1", "Rossi & figli", "riga uno\r\nriga due"}, {"", "", ""}}});
    const std::string out = python(R"(
import sys, docx
d = docx.Document(sys.argv[1])
s = d.sections[0]
print(s.orientation, s.page_width > s.page_height, (s.page_width - s.left_margin - s.right_margin) // 635)
title = d.paragraphs[0]
print(title.text, all(r.bold for r in title.runs))
t = d.tables[0]
print(len(t.rows), len(t.columns))
for r in t.rows:
    print([c.text for c in r.cells])
heading = t.rows[0]._tr
print(len(heading.xpath('./w:trPr/w:tblHeader')), len(heading.xpath('./w:trPr/w:cantSplit')),
      all(r.bold for c in t.rows[0].cells for p in c.paragraphs for r in p.runs),
      not any(r.bold for c in t.rows[1].cells for p in c.paragraphs for r in p.runs),
      set(heading.xpath('./w:tc/w:tcPr/w:shd/@w:fill')))
widths = [int(w) for w in t._tbl.xpath('./w:tblGrid/w:gridCol/@w:w')]
print(t._tbl.xpath('./w:tblPr/w:tblLayout/@w:type'), sum(widths) <= (s.page_width - s.left_margin - s.right_margin) // 635)
)",
                                   path);
    EXPECT_NE(
        out.find("LANDSCAPE (1) True 15398\n"
                 "Archivio clienti \u2013 Tutti i clienti (esportato il 10/12/2026 alle 16:50) True\n"
                 "3 3\n['', ' Nome', ' Note']\n['1', 'Rossi & figli', 'riga uno\\nriga due']\n['', '', '']\n"
                 "1 1 True True {'D9E2F3'}\n['fixed'] True"),
        std::string::npos)
        << out;
}

TEST(OfficeFiles, TheCardDocumentEmbedsItsPictureUnderTheTitle) {
    testing::TempFolder dir;
    CardDocument card;
    card.title = "Scheda cliente";
    card.picture = std::string("\x89PNG\r\n\x1a\n fake picture bytes", 27);
    card.pictureExtension = "png";
    card.pictureWidth = 120;
    card.pictureHeight = 160;
    card.rows = {{"Nome", "Rossi"}, {"Note", "uno\r\ndue"}};
    const std::string path = dir.file("s.docx");
    writeCardDocument(path, card);
    // The check reads the expected bytes from a file beside the document.
    std::ofstream(path + ".picture", std::ios::binary) << card.picture;
    const std::string again = python(R"(
import sys, docx
d = docx.Document(sys.argv[1])
p = d.paragraphs[0]
print(repr(p.text), p.alignment, p.runs[0].bold, p.runs[0].font.name, p.runs[0].font.size.pt)
e = d.paragraphs[1]
mark = e._p.xpath('./w:pPr/w:rPr')[0]
print(repr(e.text), e.alignment, mark.xpath('./w:rFonts/@w:ascii'), len(mark.xpath('./w:b')),
      mark.xpath('./w:sz/@w:val'), len(d.inline_shapes))
blip = d.inline_shapes[0]._inline.graphic.graphicData.pic.blipFill.blip
print(d.part.related_parts[blip.embed].blob == open(sys.argv[1] + '.picture', 'rb').read())
print([[c.text for c in r.cells] for r in d.tables[0].rows], d.tables[0].rows[0].cells[0].paragraphs[0].alignment)
)",
                                     path);
    EXPECT_NE(
        again.find("'Scheda cliente' CENTER (1) True Arial 10.0\n'' CENTER (1) ['Arial'] 1 ['20'] 1\nTrue\n"),
        std::string::npos)
        << again;
    EXPECT_NE(again.find("[['Nome', 'Rossi'], ['Note', 'uno\\ndue']] JUSTIFY (3)"), std::string::npos)
        << again;
}

TEST(DesktopOffice, NewNamedFilesInEsportazioniNeverOverAnotherAndOpened) {
    testing::TempFolder dir;
    testing::FakeClock clock;
    testing::FakeShell shell;
    DesktopOffice office(QString::fromStdString(dir.folder()), clock, shell);
    Spreadsheet sheet{"Clienti", {{"a"}}, 2, 2, 1};
    const ExportedFile first = office.spreadsheet(QStringLiteral("Clienti"), sheet);
    const ExportedFile second = office.spreadsheet(QStringLiteral("Clienti"), sheet);
    EXPECT_EQ(first.path, QString::fromStdString(dir.folder()) +
                              QStringLiteral("Esportazioni/Clienti 2009-02-28 17.42.10.xlsx"));
    EXPECT_EQ(second.path, QString::fromStdString(dir.folder()) +
                               QStringLiteral("Esportazioni/Clienti 2009-02-28 17.42.10 (2).xlsx"));
    EXPECT_TRUE(first.opened);
    EXPECT_EQ(shell.opened, (QStringList{first.path, second.path}));
    CardDocument titleOnly;
    titleOnly.title = "T";
    const ExportedFile card = office.cardDocument(QStringLiteral("Scheda film - Tom/Jerry"), titleOnly);
    EXPECT_TRUE(card.path.endsWith(QStringLiteral("Esportazioni/Scheda film - Tom-Jerry.docx")));
    shell.succeeds = false;
    EXPECT_FALSE(office.tableDocument(QStringLiteral("Noleggi 2009"), {"T", {{"x"}}}).opened);
}

// A full disk under the export folder: the folder is named, and no partial file stays.
TEST(DesktopOffice, AFullDiskIsTheExportFoldersFailureAndLeavesNoFile) {
    testing::TempFolder dir;
    testing::SmallDisk disk(dir.file("disco"), 1);
    if (!disk.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here (not root)";
    std::filesystem::create_directory(disk.folder() + "Esportazioni");
    std::ofstream(disk.folder() + "riempimento", std::ios::binary)
        << std::string(static_cast<std::size_t>(std::filesystem::space(disk.folder()).available), 'x');
    testing::FakeClock clock;
    testing::FakeShell shell;
    DesktopOffice office(QString::fromStdString(disk.folder()), clock, shell);
    const TableDocument table{"T", TextGrid(3, std::vector<std::string>(4, "cella"))};
    try {
        office.tableDocument(QStringLiteral("Clienti"), table);
        ADD_FAILURE() << "written on a full disk";
    } catch (const ExportFolderError& e) {
        EXPECT_EQ(e.folder(), QString::fromStdString(disk.folder() + "Esportazioni"));
    }
    EXPECT_TRUE(std::filesystem::is_empty(disk.folder() + "Esportazioni"));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST(OfficeWritersModule, LoadsFromTheFirstPlaceThatHoldsItAndSaysWhatWentWrongElsewhere) {
    testing::TempFolder dir;
    const std::string missing = dir.folder() + kOfficeWritersModule;
    const std::string otherLibrary = "/lib/x86_64-linux-gnu/libz.so.1"; // loads, but is not ours
    try {
        OfficeWritersModule none({missing, otherLibrary});
        ADD_FAILURE() << "loaded from nowhere";
    } catch (const OfficeError& error) {
        const std::string what = error.what();
        EXPECT_NE(what.find(missing + ": "), std::string::npos) << what;
        EXPECT_NE(what.find(otherLibrary + ": not the office writers"), std::string::npos) << what;
    }
    // The program's own places: the build tree's lib/filmeria-pro/ is among them.
    OfficeWritersModule found(officeWritersCandidates());
    const std::string written = dir.folder() + "t.docx";
    EXPECT_EQ(found.writers().tableDocument(written, {"T", {{"x"}}}), "");
    EXPECT_NE(found.writers().tableDocument(written, {"T", {{"x"}}}).find("exists already"),
              std::string::npos);
}

} // namespace
} // namespace filmeria
