#include "customers/card_printout.h"
#include "recording_canvas.h"

#include <gtest/gtest.h>

namespace filmeria {
namespace {

using testing::RecordingCanvas;

TEST(CardPrintout, FrameBoxTextsAndPicture) {
    RecordingCanvas canvas;
    MembershipCard card;
    card.letterhead = {"Videoteca Aurora", "", "Via Roma 1"};
    card.name = " Rossi Mario ";
    card.address = "Via Verdi 3";
    card.card = "T7";
    card.enrolment = "01/02/2009";
    printMembershipCard(canvas, card);
    const std::vector<std::string> expected = {"reselect",
                                               "colour",
                                               "reselect",
                                               "portrait",
                                               "begin",
                                               "lometric",
                                               "align left",
                                               "rect 50,-50,1050,-720",
                                               "rect 70,-310,420,-700",
                                               "font Verdana cell 40",
                                               "text 300,-100 Videoteca Aurora",
                                               "text 300,-200 Via Roma 1",
                                               "font Verdana cell 40 bold",
                                               "text 440,-310 Rossi Mario",
                                               "font Verdana cell 35 bold",
                                               "text 440,-390 Via Verdi 3",
                                               "text 440,-440     ",
                                               "text 440,-500 __________________________",
                                               "font Verdana cell 40 bold",
                                               "text 440,-600 Tessera n. T7",
                                               "text 440,-650 Data iscrizione: 01/02/2009",
                                               "picture reel 60,-290",
                                               "end"};
    EXPECT_EQ(canvas.calls, expected);
}

} // namespace
} // namespace filmeria
