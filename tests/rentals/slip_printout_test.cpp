#include "recording_canvas.h"
#include "rentals/slip_printout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace filmeria {
namespace {

using testing::RecordingCanvas;

RentalRecord twoRowSlip() {
    RentalRecord r;
    r[SlipField::NumScheda] = "12";
    r[SlipField::Data] = "05/03/2009";
    r[SlipField::Cliente] = "Rossi Mario";
    r[SlipField::Tessera] = "T7";
    r[SlipField::Totale] = "130,50";
    r.at(RowField::Codice, 1) = "F1";
    r.at(RowField::Titolo, 1) = "Amarcord";
    r.at(RowField::Prestito, 1) = "05/03/2009";
    r.at(RowField::Riconsegna, 1) = "08/03/2009";
    r.at(RowField::PrezzoDie, 1) = "2,50";
    r.at(RowField::TotGiorni, 1) = "3";
    r.at(RowField::PrezzoTot, 1) = "7,50";
    r.at(RowField::Codice, 3) = "F3";
    r.at(RowField::PrezzoTot, 3) = "123,00";
    return r;
}

TEST(SlipPrintout, FramesHeadingsAndTextsAtTheirPlaces) {
    RecordingCanvas canvas;
    printSlip(canvas, {"  Videoteca Aurora ", "Via Roma 1\r\n", ""}, twoRowSlip());
    const std::vector<std::string> start = {"reselect", "colour", "reselect",
                                            "portrait", "begin",  "lometric"};
    EXPECT_TRUE(std::equal(start.begin(), start.end(), canvas.calls.begin()));
    const std::vector<std::string> rects = {
        "rect 50,-50,1970,-1320",    "rect 840,-70,1950,-480",     "rect 70,-500,1950,-1300",
        "rect 90,-520,360,-1120",    "rect 380,-520,930,-1120",    "rect 950,-520,1130,-1120",
        "rect 1150,-520,1330,-1120", "rect 1350,-520,1530,-1120",  "rect 1550,-520,1730,-1120",
        "rect 1750,-520,1930,-1120", "rect 1550,-1140,1930,-1180", "rect 90,-520,360,-580",
        "rect 380,-520,930,-580",    "rect 950,-520,1130,-580",    "rect 1150,-520,1330,-580",
        "rect 1350,-520,1530,-580",  "rect 1550,-520,1730,-580",   "rect 1750,-520,1930,-580"};
    EXPECT_EQ(canvas.starting("rect"), rects);
    const auto& c = canvas.calls;
    const auto after = [&](const std::string& call) {
        const auto at = std::find(c.begin(), c.end(), call);
        EXPECT_NE(at, c.end()) << call;
        return at;
    };
    // The letterhead, trimmed and on one line each; an empty line prints nothing.
    EXPECT_LT(after("font Verdana cell 40"), after("text 1100,-140 Videoteca Aurora"));
    after("text 1100,-190 Via Roma 1");
    EXPECT_EQ(canvas.starting("text 1100,-240").size(), 0u);
    EXPECT_LT(after("font Verdana cell 40 bold"),
              after("text 1100,-310 Scheda noleggio n. 12 del 05/03/2009"));
    EXPECT_LT(after("font Verdana cell 35 bold"), after("text 1100,-370 Cliente: Rossi Mario"));
    after("text 1100,-420 Tessera n. T7");
    for (const char* heading :
         {"text 100,-540 CODICE", "text 390,-540 TITOLO FILM", "text 960,-540 DATA NOL.",
          "text 1160,-540 DATA RIC.", "text 1360,-540 PREZ. GIOR.", "text 1560,-540 TOT. GIOR.",
          "text 1760,-540 PREZ. TOT."})
        EXPECT_LT(after("font Verdana cell 25 bold"), after(heading));
    // Rows 1 and 3 only; the amounts end at the column edges.
    EXPECT_EQ(canvas.starting("text 100,-620"), std::vector<std::string>{"text 100,-620 F1"});
    after("text 390,-620 Amarcord");
    EXPECT_LT(after("align right"), after("text 1910,-620 7,50"));
    after("text 1510,-620 2,50");
    after("text 1710,-620 3");
    after("text 1910,-720 123,00");
    for (const auto& call : c)
        EXPECT_EQ(call.find(",-670 "), std::string::npos) << "row 2 is blank: " << call;
    const auto total = after("text 1910,-1145 130,50");
    EXPECT_EQ(*(total - 1), "align right");
    EXPECT_EQ(*(total + 1), "align left");
    EXPECT_EQ(*(total + 2), "text 1560,-1145 TOTALE:");
    EXPECT_LT(after("font Verdana cell 30 italic"),
              after("text 100,-1240 a terzi o utilizzati per l'invio di "
                    "pubblicit\xE0."));
    EXPECT_EQ(c[c.size() - 2], "picture reel 860,-330");
    EXPECT_EQ(c.back(), "end");
}

} // namespace
} // namespace filmeria
