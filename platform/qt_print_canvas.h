#pragma once
// The canvas on a Qt printer (the system's printer or a PDF file): device pixels, or tenths
// of a millimetre with the y axis up, converted here so fonts and pens keep their sizes.
#include "core/print_canvas.h"

#include <QFont>
#include <QPainter>

class QPrinter;

namespace filmeria {

class QtPrintCanvas final : public PrintCanvas {
public:
    explicit QtPrintCanvas(QPrinter& printer);
    // A job still open (a failure in the middle) is aborted, never sent half-drawn.
    ~QtPrintCanvas() override;

    void reselectPrinter() override;
    void askForColour() override;
    void setOrientation(PageOrientation orientation) override;
    void beginDocument() override;
    void useTenthsOfMillimetre() override;
    void setTextAlignment(TextAlignment alignment) override;
    void setFont(const CanvasFont& font) override;
    int fontHeight() const override;
    void textOut(int x, int y, std::string_view text) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void fillRectangle(int x1, int y1, int x2, int y2, std::uint32_t rgb) override;
    void drawPicture(int x, int y, PrintPicture picture) override;
    int pageHeight() const override;
    void newPage() override;
    void endDocument() override;

private:
    QPointF device(int x, int y) const;
    double unitsToPixels(double units) const;
    void applyFont();

    QPrinter& printer_;
    QPainter painter_;
    bool tenthsOfMillimetre_ = false;
    TextAlignment alignment_ = TextAlignment::LeftTop;
    CanvasFont font_;
    QFont qfont_;
    int fontHeight_ = 0;
};

} // namespace filmeria
