#include "pdf_words.h"
#include "rentals/rental_file.h"
#include "temp_folder.h"
#include "tools/slip_reprint.h"

#include <gtest/gtest.h>

#include <sstream>

namespace filmeria {
namespace {

TEST(SlipReprint, PrintsThePositionAskedForAndRefusesOthers) {
    testing::TempFolder dir;
    const RentalArchive slips = yearArchive(dir.folder(), "2009");
    for (const char* number : {"7", "8"}) {
        RentalRecord r;
        r[SlipField::NumScheda] = number;
        slips.append(r);
    }
    dir.write("Tessera.ini", "[Dati Filmeria]\r\nRigo 1=Videoteca Aurora\r\n");
    std::ostringstream out, err;
    EXPECT_EQ(reprintSlip(dir.file("2009.nol"), "2", dir.file("s.pdf"), out, err), 0) << err.str();
    const std::string text = testing::outputOf("pdftotext '" + dir.file("s.pdf") + "' - 2>/dev/null");
    EXPECT_NE(text.find("Scheda noleggio n. 8 del"), std::string::npos) << text;
    EXPECT_NE(text.find("Videoteca Aurora"), std::string::npos) << text;

    EXPECT_EQ(reprintSlip(dir.file("2009.nol"), "3", dir.file("t.pdf"), out, err), 1);
    EXPECT_EQ(reprintSlip(dir.file("2009.nol"), "x", dir.file("t.pdf"), out, err), 1);
    EXPECT_NE(err.str().find("nessuna scheda alla posizione 3 (il file contiene 2 schede)"),
              std::string::npos)
        << err.str();
    EXPECT_EQ(reprintSlip(dir.file("2010.nol"), "1", dir.file("t.pdf"), out, err), 2);
    EXPECT_FALSE(dir.exists("2010.nol")); // reprinting never creates a year file
    EXPECT_FALSE(dir.exists("t.pdf"));
}

} // namespace
} // namespace filmeria
