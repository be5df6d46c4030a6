#include "core/list_printout.h"

#include <cstdlib>

namespace filmeria {
namespace {

constexpr int kLeft = 150;
constexpr const char* kHyphenRule = "------------------------";
constexpr const char* kUnderscoreRule = "____________________";

// Sets a Courier New font of `points` and returns h(points), its height in device pixels.
int useCourier(PrintCanvas& canvas, int points) {
    canvas.setFont({"Courier New", points, CanvasFont::Size::Points});
    return std::abs(canvas.fontHeight());
}

} // namespace

void printList(PrintCanvas& canvas, const LineList& lines, std::string_view title,
               PageOrientation orientation, const PrintMoment& now) {
    beginJob(canvas, orientation);

    int y = 2 * useCourier(canvas, 14);
    canvas.textOut(kLeft, y, kHyphenRule);
    const int h12 = useCourier(canvas, 12);
    y += h12;
    canvas.textOut(kLeft, y, printableLine(title));
    y += h12;
    useCourier(canvas, 14);
    canvas.textOut(kLeft, y, kHyphenRule);
    const int h8 = useCourier(canvas, 8);
    y += 3 * h8;
    for (const std::string_view line : lines) {
        if (y >= canvas.pageHeight() - 3 * h8) {
            y = 2 * h8;
            canvas.newPage();
        }
        canvas.textOut(kLeft, y, printableLine(line));
        y += 2 * h8;
    }
    canvas.textOut(kLeft, y + 50, kUnderscoreRule);
    const auto [date, time] = now();
    canvas.textOut(kLeft, y + 150, "Stampa eseguita in data " + date + " alle ore " + time);
    canvas.endDocument();
}

} // namespace filmeria
