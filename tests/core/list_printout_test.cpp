#include "core/letterhead.h"
#include "core/list_printout.h"
#include "recording_canvas.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace filmeria {
namespace {

using testing::RecordingCanvas;

const PrintMoment kMoment = [] { return std::pair<std::string, std::string>{"05/03/2009", "17:42:10"}; };

TEST(ListPrintout, OneLineOnOnePageWithTheHeadingsAndTheFooter) {
    RecordingCanvas canvas; // 600 dpi: h(14) = 117, h(12) = 100, h(8) = 67
    printList(canvas, {"Amarcord - Italia 1973 - Federico Fellini"}, "Archivio film",
              PageOrientation::Portrait, kMoment);
    const std::vector<std::string> expected = {
        "reselect",
        "colour",
        "reselect",
        "portrait",
        "begin",
        "font Courier New pt 14",
        "text 150,234 ------------------------",
        "font Courier New pt 12",
        "text 150,334 Archivio film",
        "font Courier New pt 14",
        "text 150,434 ------------------------",
        "font Courier New pt 8",
        "text 150,635 Amarcord - Italia 1973 - Federico Fellini",
        "text 150,819 ____________________",
        "text 150,919 Stampa eseguita in data 05/03/2009 alle ore 17:42:10",
        "end"};
    EXPECT_EQ(canvas.calls, expected);
}

TEST(ListPrintout, ALineMovesToANewPageAsSoonAsItReachesTheBottomMargin) {
    // Page height 1000: lines at 635, 769 (< 1000 - 201 = 799), then 903 >= 799 breaks.
    RecordingCanvas canvas(600, 1000);
    printList(canvas, {"uno", "due", "tre", "quattro\r\nrotto"}, "Elenco clienti", PageOrientation::Landscape,
              kMoment);
    const auto texts = canvas.starting("text");
    EXPECT_EQ(canvas.calls[3], "landscape");
    EXPECT_EQ(texts[3], "text 150,635 uno");
    EXPECT_EQ(texts[4], "text 150,769 due");
    const auto pageAt = std::find(canvas.calls.begin(), canvas.calls.end(), "page");
    ASSERT_NE(pageAt, canvas.calls.end());
    EXPECT_EQ(*(pageAt + 1), "text 150,134 tre");     // 2 x h(8) from the top, no heading
    EXPECT_EQ(texts[6], "text 150,268 quattrorotto"); // control characters removed
    EXPECT_EQ(canvas.starting("page").size(), 1u);
    EXPECT_EQ(texts[7], "text 150,452 ____________________"); // the footer takes no page-break test
}

TEST(Letterhead, MissingFileReadsEmptyAndAWriteCreatesAllThreeKeysTrimmed) {
    testing::TempFolder dir;
    EXPECT_EQ(readLetterhead(dir.folder()), (Letterhead{"", "", ""}));
    writeLetterhead(dir.folder(), {"  Videoteca Aurora ", "", "Via Roma 1"});
    EXPECT_EQ(dir.read("Tessera.ini"),
              "[Dati Filmeria]\r\nRigo 1=Videoteca Aurora\r\nRigo 2=\r\nRigo 3=Via Roma 1\r\n");
    EXPECT_EQ(readLetterhead(dir.folder()), (Letterhead{"Videoteca Aurora", "", "Via Roma 1"}));
    std::filesystem::remove(dir.file("Tessera.ini"));
    std::filesystem::create_directory(dir.file("Tessera.ini")); // unreadable: empty lines, no error
    EXPECT_EQ(readLetterhead(dir.folder()), (Letterhead{"", "", ""}));
}

} // namespace
} // namespace filmeria
