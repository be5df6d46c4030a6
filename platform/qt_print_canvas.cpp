#include "platform/qt_print_canvas.h"

#include "platform/qt_text.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace filmeria {
namespace {

QImage pictureOf(PrintPicture picture) {
    switch (picture) {
    case PrintPicture::FilmReel:
        break;
    }
    return QImage(QStringLiteral(":/print/print_reel.png"));
}

} // namespace

QtPrintCanvas::QtPrintCanvas(QPrinter& printer)
    : printer_(printer) {}

QtPrintCanvas::~QtPrintCanvas() {
    if (painter_.isActive()) {
        printer_.abort();
        painter_.end();
    }
}

void QtPrintCanvas::reselectPrinter() {
    printer_.setPrinterName(printer_.printerName());
}

void QtPrintCanvas::askForColour() {
    printer_.setColorMode(QPrinter::Color);
}

void QtPrintCanvas::setOrientation(PageOrientation orientation) {
    printer_.setPageOrientation(orientation == PageOrientation::Portrait ? QPageLayout::Portrait
                                                                         : QPageLayout::Landscape);
}

void QtPrintCanvas::beginDocument() {
    if (!painter_.begin(&printer_)) {
        const QString name =
            printer_.outputFileName().isEmpty() ? printer_.printerName() : printer_.outputFileName();
        throw PrintError(QStringLiteral("Impossibile avviare la stampa: \"%1\" non accetta il lavoro")
                             .arg(name)
                             .toStdString());
    }
    painter_.setRenderHint(QPainter::Antialiasing, false);
    applyFont();
}

void QtPrintCanvas::useTenthsOfMillimetre() {
    tenthsOfMillimetre_ = true;
    applyFont();
}

void QtPrintCanvas::setTextAlignment(TextAlignment alignment) {
    alignment_ = alignment;
}

double QtPrintCanvas::unitsToPixels(double units) const {
    return tenthsOfMillimetre_ ? units * printer_.resolution() / 254.0 : units;
}

QPointF QtPrintCanvas::device(int x, int y) const {
    if (!tenthsOfMillimetre_)
        return {static_cast<double>(x), static_cast<double>(y)};
    return {unitsToPixels(x), unitsToPixels(-y)};
}

void QtPrintCanvas::setFont(const CanvasFont& font) {
    font_ = font;
    applyFont();
}

void QtPrintCanvas::applyFont() {
    if (font_.name.empty())
        return;
    QFont f(QString::fromStdString(font_.name));
    f.setBold(font_.bold);
    f.setItalic(font_.italic);
    f.setUnderline(font_.underline);
    if (font_.sizeIn == CanvasFont::Size::Points) {
        f.setPointSizeF(font_.size);
        fontHeight_ = -static_cast<int>(std::lround(font_.size * printer_.resolution() / 72.0));
    } else {
        // The character cell (ascent + descent) is the height asked for.
        const double cell = unitsToPixels(font_.size);
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(cell))));
        for (int i = 0; i < 2; ++i) {
            const double measured = QFontMetricsF(f, &printer_).height();
            if (measured > 0)
                f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * cell / measured))));
        }
        fontHeight_ = static_cast<int>(std::lround(cell));
    }
    qfont_ = f;
    if (painter_.isActive())
        painter_.setFont(qfont_);
}

int QtPrintCanvas::fontHeight() const {
    return fontHeight_;
}

void QtPrintCanvas::textOut(int x, int y, std::string_view text) {
    const QString shown = fromCp1252(text);
    const QFontMetricsF metrics(qfont_, &printer_);
    QPointF at = device(x, y);
    if (alignment_ == TextAlignment::Right)
        at.rx() -= metrics.horizontalAdvance(shown);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(at.x(), at.y() + metrics.ascent()), shown);
}

void QtPrintCanvas::rectangle(int x1, int y1, int x2, int y2) {
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, unitsToPixels(1)));
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::white);
    painter_.drawRect(QRectF(device(x1, y1), device(x2, y2)).normalized());
    painter_.setBrush(Qt::NoBrush);
}

void QtPrintCanvas::fillRectangle(int x1, int y1, int x2, int y2, std::uint32_t rgb) {
    painter_.fillRect(QRectF(device(x1, y1), device(x2, y2)).normalized(), QColor::fromRgb(rgb));
}

void QtPrintCanvas::drawPicture(int x, int y, PrintPicture picture) {
    const QImage image = pictureOf(picture);
    if (image.isNull())
        throw PrintError("Immagine da stampare mancante");
    // Upright, its lower left corner at (x, y): it rises by its height in the y-up mapping.
    const QPointF topLeft = tenthsOfMillimetre_ ? device(x, y + image.height()) : device(x, y);
    painter_.drawImage(QRectF(topLeft, QSizeF(unitsToPixels(image.width()), unitsToPixels(image.height()))),
                       image);
}

int QtPrintCanvas::pageHeight() const {
    return painter_.isActive() ? painter_.device()->height() : printer_.height();
}

void QtPrintCanvas::newPage() {
    if (!printer_.newPage())
        throw PrintError("La stampante non accetta una nuova pagina");
}

void QtPrintCanvas::endDocument() {
    if (!painter_.end())
        throw PrintError("La stampa non è stata completata: la stampante ha rifiutato il lavoro");
}

} // namespace filmeria
