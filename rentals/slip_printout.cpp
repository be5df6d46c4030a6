#include "rentals/slip_printout.h"

#include "core/text_rules.h"

namespace filmeria {
namespace {

struct Column {
    int x1;
    int x2;
    const char* heading;
};

constexpr Column kColumns[] = {{90, 360, "CODICE"},         {380, 930, "TITOLO FILM"},
                               {950, 1130, "DATA NOL."},    {1150, 1330, "DATA RIC."},
                               {1350, 1530, "PREZ. GIOR."}, {1550, 1730, "TOT. GIOR."},
                               {1750, 1930, "PREZ. TOT."}};

CanvasFont verdana(int height, bool bold = false, bool italic = false) {
    return {"Verdana", height, CanvasFont::Size::CellHeight, bold, italic};
}

// Empty values print nothing.
void text(PrintCanvas& canvas, int x, int y, std::string_view value) {
    const std::string line = printableLine(trimmed(value));
    if (!line.empty())
        canvas.textOut(x, y, line);
}

} // namespace

std::string slipDocumentName(const RentalRecord& slip) {
    const std::string date = trimmed(slip[SlipField::Data]);
    return "Scheda noleggio " + trimmed(slip[SlipField::NumScheda]) + (date.empty() ? "" : " del " + date);
}

void printSlip(PrintCanvas& canvas, const Letterhead& letterhead, const RentalRecord& slip) {
    beginJob(canvas, PageOrientation::Portrait);
    canvas.useTenthsOfMillimetre();

    canvas.rectangle(50, -50, 1970, -1320);
    canvas.rectangle(840, -70, 1950, -480);
    canvas.rectangle(70, -500, 1950, -1300);
    for (const Column& c : kColumns)
        canvas.rectangle(c.x1, -520, c.x2, -1120);
    canvas.rectangle(1550, -1140, 1930, -1180);

    canvas.setFont(verdana(40));
    canvas.setTextAlignment(TextAlignment::LeftTop);
    for (std::size_t i = 0; i < letterhead.size(); ++i)
        text(canvas, 1100, -140 - 50 * static_cast<int>(i), letterhead[i]);
    canvas.setFont(verdana(40, true));
    text(canvas, 1100, -310,
         "Scheda noleggio n. " + trimmed(slip[SlipField::NumScheda]) + " del " +
             trimmed(slip[SlipField::Data]));
    canvas.setFont(verdana(35, true));
    text(canvas, 1100, -370, "Cliente: " + trimmed(slip[SlipField::Cliente]));
    text(canvas, 1100, -420, "Tessera n. " + trimmed(slip[SlipField::Tessera]));

    canvas.setFont(verdana(25, true));
    for (const Column& c : kColumns) {
        canvas.rectangle(c.x1, -520, c.x2, -580);
        canvas.textOut(c.x1 + 10, -540, c.heading);
    }

    canvas.setFont(verdana(25));
    for (int k = 1; k <= kSlipRows; ++k) {
        const int y = -(570 + 50 * k);
        text(canvas, 100, y, slip.at(RowField::Codice, k));
        text(canvas, 390, y, slip.at(RowField::Titolo, k));
        text(canvas, 960, y, slip.at(RowField::Prestito, k));
        text(canvas, 1160, y, slip.at(RowField::Riconsegna, k));
        canvas.setTextAlignment(TextAlignment::Right);
        text(canvas, 1510, y, slip.at(RowField::PrezzoDie, k));
        text(canvas, 1710, y, slip.at(RowField::TotGiorni, k));
        text(canvas, 1910, y, slip.at(RowField::PrezzoTot, k));
        canvas.setTextAlignment(TextAlignment::LeftTop);
    }

    canvas.setFont(verdana(25, true));
    canvas.setTextAlignment(TextAlignment::Right);
    text(canvas, 1910, -1145, slip[SlipField::Totale]);
    canvas.setTextAlignment(TextAlignment::LeftTop);
    canvas.textOut(1560, -1145, "TOTALE:");

    canvas.setFont(verdana(30, false, true));
    canvas.textOut(
        100, -1200,
        "I dati personali del Cliente saranno trattati in base al D.Lgs. 196/2003 esclusivamente per "
        "l'erogazione del servizio e non saranno forniti");
    canvas.textOut(100, -1240, "a terzi o utilizzati per l'invio di pubblicit\xE0.");

    canvas.setFont(verdana(30));
    canvas.drawPicture(860, -330, PrintPicture::FilmReel);
    canvas.endDocument();
}

} // namespace filmeria
