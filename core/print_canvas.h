#pragma once
// The printer's canvas, with exactly the operations the printouts use, in the order of a job.
// Texts are Windows-1252 bytes; coordinates are device pixels until the job asks for tenths of
// a millimetre with the y axis pointing up. Implementations: the system's printer and a PDF
// file (platform), a recording canvas (tests).
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace filmeria {

enum class PageOrientation { Portrait, Landscape };

// A print job the printer refused or could not finish; the text is the operator's (UTF-8).
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
enum class TextAlignment { LeftTop, Right };

// A font by point size (lists) or by character-cell height in the current units (slip, card).
struct CanvasFont {
    enum class Size { Points, CellHeight };
    std::string name;
    int size = 0;
    Size sizeIn = Size::Points;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The pictures the printouts place, drawn in the project.
enum class PrintPicture { FilmReel }; // 195 x 212 pixels

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    // Selects the current printer again, so changed device settings take effect.
    virtual void reselectPrinter() = 0;
    virtual void askForColour() = 0;
    virtual void setOrientation(PageOrientation orientation) = 0;
    virtual void beginDocument() = 0;
    // From here on: tenths of a millimetre from the printable area's top left, y negative
    // downward.
    virtual void useTenthsOfMillimetre() = 0;
    virtual void setTextAlignment(TextAlignment alignment) = 0;
    virtual void setFont(const CanvasFont& font) = 0;
    // The font's height in device pixels: negative for a font set by point size.
    virtual int fontHeight() const = 0;
    // The text's top left (or top right with right alignment) at (x, y), in the current font.
    virtual void textOut(int x, int y, std::string_view text) = 0;
    // Black pen one unit wide, white brush.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // A box filled with the colour 0xRRGGBB, without an outline.
    virtual void fillRectangle(int x1, int y1, int x2, int y2, std::uint32_t rgb) = 0;
    // At one picture pixel per unit, its lower left corner at (x, y) in the y-up mapping.
    virtual void drawPicture(int x, int y, PrintPicture picture) = 0;
    virtual int pageHeight() const = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
};

// The start of every job: the current printer selected again with colour asked for, the
// orientation, the document begun.
void beginJob(PrintCanvas& canvas, PageOrientation orientation);

// A text as one printed line: control characters (line breaks among them) are removed, so a
// value holding them never moves the texts that follow.
std::string printableLine(std::string_view text);

} // namespace filmeria
