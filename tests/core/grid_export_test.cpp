#include "core/grid_export.h"
#include "core/table_layout.h"
#include "core/text_width.h"
#include "customers/customer_export.h"
#include "customers/customer_file.h"
#include "films/film_export.h"
#include "rentals/rental_export.h"
#include "rentals/rental_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace filmeria {
namespace {

using testing::TempFolder;

std::vector<std::string> column(const TextTable& grid, int c) {
    std::vector<std::string> out;
    for (int r = 0; r < grid.rows(); ++r)
        out.emplace_back(grid.cell(r, c));
    return out;
}

TEST(TextTable, CellsRowByRowAndEmptyRowsBeyond) {
    TextTable grid(0, 3);
    for (const char* text : {"", " A", " B", "1", "x"})
        grid.append(text);
    grid.endRow();
    grid.append("2");
    grid.setRows(5);
    EXPECT_EQ(grid.rows(), 5);
    EXPECT_EQ(grid.cell(0, 1), " A");
    EXPECT_EQ(grid.cell(1, 1), "x");
    EXPECT_EQ(grid.cell(1, 2), "");
    EXPECT_EQ(grid.cell(2, 0), "2");
    EXPECT_EQ(grid.cell(4, 2), "");
    EXPECT_EQ(exportCellText("  a\tb\r\nc\rd\x01 "), "ab\nc\nd");
}

TEST(CustomerExport, ViewsListMatchingCustomersThenEmptyRowsUpToTheFileCount) {
    TempFolder dir;
    EXPECT_FALSE(customerExportTable(dir.folder(), CustomerExportView::All)); // empty file: grid unchanged
    EXPECT_TRUE(dir.exists("Clienti.pro"));
    const CustomerArchive customers = customerArchive(dir.folder());
    for (int i = 1; i <= 5; ++i) {
        CustomerRecord r;
        r[CustomerField::Nome] = "Cliente " + std::to_string(i);
        r[CustomerField::CodFisc] = "00" + std::to_string(i);
        if (i == 2 || i == 4)
            r[CustomerField::Email] = "c" + std::to_string(i) + "@esempio.it";
        if (i == 3)
            r[CustomerField::TelCasa] = "   "; // blanks only: no home telephone
        if (i == 5)
            r[CustomerField::Trama] = "riga uno\r\nriga due";
        customers.append(r);
    }
    const auto email = customerExportTable(dir.folder(), CustomerExportView::Email);
    ASSERT_TRUE(email);
    EXPECT_EQ(email->rows(), 6);
    EXPECT_EQ(email->columns(), 19);
    EXPECT_EQ(column(*email, 0), (std::vector<std::string>{"", "1", "2", "", "", ""}));
    EXPECT_EQ(column(*email, 1), (std::vector<std::string>{" Cognome, nome o ragione sociale", "Cliente 2",
                                                           "Cliente 4", "", "", ""}));
    EXPECT_EQ(email->cell(0, 4), " Citt\xE0 di residenza");
    EXPECT_EQ(customerExportTable(dir.folder(), CustomerExportView::HomePhone)->cell(1, 0), "");
    const auto notes = customerExportTable(dir.folder(), CustomerExportView::Notes);
    EXPECT_EQ(notes->cell(1, 18), "riga uno\nriga due");

    const Spreadsheet sheet = spreadsheetOf(*notes, kCustomerSheet);
    EXPECT_EQ(sheet.sheetName, "Clienti");
    const TextGrid cells = cellsOf(sheet);
    EXPECT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[0][1], "Cognome, nome o ragione sociale"); // the leading blank removed
    EXPECT_EQ(cells[1][18], "riga uno\nriga due");             // a line break is content
    EXPECT_EQ(cells[0][4], "Citt\xC3\xA0 di residenza");
    EXPECT_EQ(documentTableOf(*notes, "T").rows[0][1],
              " Cognome, nome o ragione sociale"); // kept in the table

    const TextTable initial(10, 19); // exported as it is
    EXPECT_EQ(cellsOf(spreadsheetOf(initial, kCustomerSheet)), TextGrid(10, std::vector<std::string>(19)));
}

TEST(RentalExport, PaidViewsPaymentTextsAndTheViewWithoutFilms) {
    TempFolder dir;
    const RentalArchive slips = yearArchive(dir.folder(), "2009");
    for (int i = 1; i <= 10; ++i) {
        RentalRecord r;
        r[SlipField::NumScheda] = std::to_string(i);
        r[SlipField::Saldato] = i <= 3 ? kPaid : i == 10 ? "forse" : kNotPaid;
        r.at(RowField::Titolo, 1) = "Film " + std::to_string(i);
        r[SlipField::Totale] = "12,50";
        slips.append(r);
    }
    const auto paid = rentalExportTable(dir.folder(), "2009", RentalExportView::Paid);
    ASSERT_TRUE(paid);
    EXPECT_EQ(paid->rows(), 11);
    EXPECT_EQ(paid->columns(), 17);
    EXPECT_EQ(paid->cell(3, 0), "3");
    EXPECT_EQ(paid->cell(4, 0), "");
    EXPECT_EQ(paid->cell(0, 5), " 1\xB0 film noleggiato");
    EXPECT_EQ(paid->cell(1, 16), "Saldato");
    EXPECT_EQ(rentalExportTable(dir.folder(), "2009", RentalExportView::NotPaid)->cell(6, 16), "Non saldato");
    EXPECT_EQ(rentalExportTable(dir.folder(), "2009", RentalExportView::NotPaid)->cell(7, 0), "");
    const auto bare = rentalExportTable(dir.folder(), "2009", RentalExportView::WithoutFilms);
    EXPECT_EQ(bare->columns(), 7);
    EXPECT_EQ(bare->cell(10, 6), ""); // neither "si" nor "no"
    EXPECT_EQ(bare->cell(10, 5), "12,50");
    EXPECT_EQ(rentalExportTable(dir.folder(), "2009", RentalExportView::All)->columns(), 17);
    EXPECT_EQ(rentalExportWidths(RentalExportView::All).size(), 17u);
    EXPECT_FALSE(rentalExportTable(dir.folder(), "2010", RentalExportView::All));
    EXPECT_TRUE(dir.exists("2010.nol"));
}

TEST(FilmExport, LongTextsAreCutAndViewsFilter) {
    TempFolder dir;
    FilmStore store(dir.folder());
    EXPECT_FALSE(filmExportTable(*store.query(filmExportQuery(FilmExportView::All))));
    FilmRow a;
    a[FilmField::varTitolo] = "Lungo";
    a[FilmField::varTrama] = std::string(300, 'x');
    a[FilmField::varDisponibile] = "No";
    store.insert(a);
    FilmRow b;
    b[FilmField::varTitolo] = "Giusto";
    b[FilmField::varTrama] = std::string(250, 'y');
    store.insert(b);
    const auto all = filmExportTable(*store.query(filmExportQuery(FilmExportView::All)));
    ASSERT_TRUE(all);
    EXPECT_EQ(all->rows(), 3);
    EXPECT_EQ(all->cell(0, 0), " N.");
    EXPECT_EQ(all->cell(1, 17), std::string(250, 'x') + "...");
    EXPECT_EQ(all->cell(2, 17), std::string(250, 'y'));
    const auto available = filmExportTable(*store.query(filmExportQuery(FilmExportView::Available)));
    EXPECT_EQ(available->rows(), 2);
    EXPECT_EQ(available->cell(1, 1), "Giusto"); // an empty availability is listed, "No" is not
    EXPECT_FALSE(filmExportTable(*store.query(filmExportQuery(FilmExportView::Cast))));
}

TEST(GridExport, AmountAndDateColumnsAreToldByTheirHeadings) {
    const std::pair<const char*, ColumnKind> cases[] = {{" Prezzo totale", ColumnKind::Amount},
                                                        {" Prezzo", ColumnKind::Amount},
                                                        {" Data emissione", ColumnKind::Date},
                                                        {" Data di nascita", ColumnKind::Date},
                                                        {" Data iscrizione", ColumnKind::Date},
                                                        {" Scheda n.", ColumnKind::Text},
                                                        {" Tessera n.", ColumnKind::Text},
                                                        {" CAP", ColumnKind::Text},
                                                        {" Anno", ColumnKind::Text},
                                                        {"", ColumnKind::Text}};
    for (const auto& [heading, kind] : cases)
        EXPECT_EQ(columnKindOf(heading), kind) << heading;
}

TEST(TableLayout, TheLargestSizeAtWhichTheTableFitsAndNoWordIsCut) {
    const auto needed = [](const std::string& text, double points, bool bold) {
        return static_cast<int>(arialTextWidth(text, points, bold) * 20) + 2 * kTableCellMarginTwips;
    };
    // Short texts: 9 points, each column its longest line.
    const TextGrid small = {{"", " Nome"}, {"1", "Rossi Mario"}};
    const TableLayout fits = fitTableToWidth(small, 15398);
    EXPECT_EQ(fits.fontPoints, 9);
    EXPECT_GE(fits.columnTwips[1], needed("Rossi Mario", 9, false));
    // Long lines: a smaller size, every column at least its longest word, the whole within the width.
    std::string notes = "Prefixxxxxxxxxxxxxxxxxxxx";
    for (int w = 0; w < 80; ++w)
        notes += " parola";
    TextGrid wide = {{"", " Note", " Altro"}};
    for (int r = 1; r <= 3; ++r)
        wide.push_back({std::to_string(r), notes, "parola lunghissimaaaaaaaaaaaaaaaaa"});
    const TableLayout shared = fitTableToWidth(wide, 8000);
    int total = 0;
    for (const int w : shared.columnTwips)
        total += w;
    EXPECT_LE(total, 8000);
    EXPECT_GT(total, 7900); // the room left goes to the long lines
    EXPECT_GE(shared.columnTwips[1], needed("Prefixxxxxxxxxxxxxxxxxxxx", shared.fontPoints, false));
    EXPECT_GE(shared.columnTwips[2], needed("lunghissimaaaaaaaaaaaaaaaaa", shared.fontPoints, false));
    // A word longer than the page even at 7 points: 7 points, narrowed to the width.
    const TableLayout cut = fitTableToWidth({{std::string(2000, 'W')}}, 8000);
    EXPECT_EQ(cut.fontPoints, 7);
    EXPECT_LE(cut.columnTwips[0], 8000);
}

} // namespace
} // namespace filmeria
