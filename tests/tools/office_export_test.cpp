#include "customers/customer_file.h"
#include "pdf_words.h"
#include "rentals/rental_file.h"
#include "temp_folder.h"
#include "tools/office_export.h"

#include <gtest/gtest.h>

#include <sstream>

namespace filmeria {
namespace {

TEST(CompanionOfficeExport, TheFullViewOfEachArchiveAsAWorkbookOrATable) {
    testing::TempFolder dir;
    CustomerRecord r;
    r[CustomerField::Nome] = "Rossi Mario";
    r[CustomerField::Cap] = "00123";
    customerArchive(dir.folder()).append(r);
    RentalRecord slip;
    slip[SlipField::NumScheda] = "7";
    slip[SlipField::Data] = "05/03/2009";
    slip[SlipField::Saldato] = kPaid;
    yearArchive(dir.folder(), "2009").append(slip);
    std::ostringstream err;
    ASSERT_EQ(exportToOffice(dir.file("Clienti.pro"), dir.file("c.xlsx"), OfficeFormat::Spreadsheet, err), 0)
        << err.str();
    ASSERT_EQ(exportToOffice(dir.file("2009.nol"), dir.file("n.docx"), OfficeFormat::Document, err), 0)
        << err.str();
    EXPECT_EQ(exportToOffice(dir.file("2010.nol"), dir.file("x.xlsx"), OfficeFormat::Spreadsheet, err), 2);
    EXPECT_FALSE(dir.exists("2010.nol"));
    EXPECT_EQ(exportToOffice(dir.file("c.xlsx"), dir.file("y.docx"), OfficeFormat::Document, err), 2);

    const std::string sheet = testing::outputOf(
        "/usr/bin/python3 -c \"import openpyxl,sys; ws=openpyxl.load_workbook('" + dir.file("c.xlsx") +
        "').active; print(ws.title, [c.value for c in ws[2]][:4])\" 2>&1");
    EXPECT_EQ(sheet, "Clienti ['1', 'Rossi Mario', None, '00123']\n");
    const std::string table =
        testing::outputOf("/usr/bin/python3 -c \"import docx; t=docx.Document('" + dir.file("n.docx") +
                          "').tables[0]; print([c.text for c in t.rows[0].cells][:3], [c.text for c in "
                          "t.rows[1].cells][16])\" 2>&1");
    EXPECT_EQ(table, "['', ' Scheda n.', ' Data emissione'] Saldato\n");
}

} // namespace
} // namespace filmeria
