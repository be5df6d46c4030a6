#include "core/print_canvas.h"

namespace filmeria {

void beginJob(PrintCanvas& canvas, PageOrientation orientation) {
    canvas.reselectPrinter();
    canvas.askForColour();
    canvas.reselectPrinter();
    canvas.setOrientation(orientation);
    canvas.beginDocument();
}

std::string printableLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 32 && c != 127)
            line += c;
    }
    return line;
}

} // namespace filmeria
