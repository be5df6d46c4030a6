#include "customers/card_printout.h"

#include "core/text_rules.h"

namespace filmeria {
namespace {

CanvasFont verdana(int height, bool bold) {
    return {"Verdana", height, CanvasFont::Size::CellHeight, bold};
}

} // namespace

void printMembershipCard(PrintCanvas& canvas, const MembershipCard& card) {
    beginJob(canvas, PageOrientation::Portrait);
    canvas.useTenthsOfMillimetre();
    canvas.setTextAlignment(TextAlignment::LeftTop);

    canvas.rectangle(50, -50, 1050, -720);
    canvas.rectangle(70, -310, 420, -700);

    canvas.setFont(verdana(40, false));
    for (std::size_t i = 0; i < card.letterhead.size(); ++i) {
        const std::string line = printableLine(trimmed(card.letterhead[i]));
        if (!line.empty())
            canvas.textOut(300, -100 - 50 * static_cast<int>(i), line);
    }
    const auto text = [&](int x, int y, const std::string& value) {
        canvas.textOut(x, y, printableLine(value));
    };
    canvas.setFont(verdana(40, true));
    text(440, -310, trimmed(card.name));
    canvas.setFont(verdana(35, true));
    text(440, -390, trimmed(card.address));
    text(440, -440, trimmed(card.postalCode) + "  " + trimmed(card.town) + "  " + trimmed(card.province));
    text(440, -500, "__________________________");
    canvas.setFont(verdana(40, true));
    text(440, -600, "Tessera n. " + trimmed(card.card));
    text(440, -650, "Data iscrizione: " + trimmed(card.enrolment));
    canvas.drawPicture(60, -290, PrintPicture::FilmReel);
    canvas.endDocument();
}

} // namespace filmeria
