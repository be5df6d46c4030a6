#include "app/image_array.h"

#include <cmath>
#include <limits>

namespace filmeria {
namespace {

// Nearest integer, halves to even (the rounding of the current mode).
long roundHalfEven(double v) {
    return std::lrint(v);
}

} // namespace

Direction directionBetween(QPoint from, QPoint to) {
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double length = std::hypot(dx, dy);
    if (length >= 1)
        return {dy / length, dx / length, length};
    return {0, 1, length};
}

bool TImageArray::load(const QImage& bitmap, const std::function<void(const char*)>& refuse) {
    PixelFormat format;
    switch (bitmap.format()) {
    case QImage::Format_Indexed8:
        format = PixelFormat::Indexed8;
        break;
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
    case QImage::Format_RGB32:
        format = PixelFormat::Rgb24;
        break;
    default:
        refuse(kOnlyEightOrTwentyFourBits);
        return false;
    }
    constexpr int kLimit = std::numeric_limits<std::int16_t>::max();
    if (bitmap.width() > kLimit || bitmap.height() > kLimit) {
        refuse(kOnlyEightOrTwentyFourBits);
        return false;
    }
    format_ = format;
    width_ = static_cast<std::int16_t>(bitmap.width());
    height_ = static_cast<std::int16_t>(bitmap.height());
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * bytesPerEntry(), 0);
    palette_ = format_ == PixelFormat::Indexed8 ? bitmap.colorTable() : QList<QRgb>();
    for (int y = 0; y < height_; ++y) {
        const uchar* row = bitmap.constScanLine(y);
        for (int x = 0; x < width_; ++x) {
            std::uint8_t* e = entry(x, y);
            if (format_ == PixelFormat::Indexed8) {
                e[0] = row[x];
            } else {
                const QRgb c = bitmap.pixel(x, y);
                e[0] = static_cast<std::uint8_t>(qBlue(c));
                e[1] = static_cast<std::uint8_t>(qGreen(c));
                e[2] = static_cast<std::uint8_t>(qRed(c));
            }
        }
    }
    return true;
}

QRgb TImageArray::transparentColour() const {
    if (isEmpty())
        return qRgb(0, 0, 0);
    const std::uint8_t* e = entry(0, height_ - 1);
    if (format_ == PixelFormat::Indexed8)
        return e[0] < palette_.size() ? palette_[e[0]] : qRgb(0, 0, 0);
    return qRgb(e[2], e[1], e[0]);
}

QPoint TImageArray::render(QImage& destination, QPoint pivot, bool mirror, float scale, float angle) const {
    const double k = scale;
    const double a = angle;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const double q = 1.0 / k;
    const int W = width_;
    const int H = height_;
    const int m = static_cast<int>(std::labs(roundHalfEven(H * s * k)) + std::labs(roundHalfEven(W * c * k)));
    const int u = static_cast<int>(std::labs(roundHalfEven(W * s * k)) + std::labs(roundHalfEven(H * c * k)));

    const QImage::Format format =
        format_ == PixelFormat::Indexed8 ? QImage::Format_Indexed8 : QImage::Format_RGB888;
    if (destination.format() != format || destination.width() != m || destination.height() != u)
        destination = QImage(m, u, format);
    if (format_ == PixelFormat::Indexed8)
        destination.setColorTable(palette_);
    if (isEmpty() || m == 0 || u == 0)
        return {m / 2, u / 2};

    const std::size_t bytes = bytesPerEntry();
    const std::uint8_t* fill = entry(0, H - 1);
    const auto put = [&](uchar* row, int h, const std::uint8_t* from) {
        if (bytes == 1) {
            row[h] = from[0];
        } else { // RGB888 stores red, green, blue
            const std::ptrdiff_t at = std::ptrdiff_t{3} * h;
            row[at] = from[2];
            row[at + 1] = from[1];
            row[at + 2] = from[0];
        }
    };
    for (int v = 0; v < u; ++v) {
        uchar* row = destination.scanLine(v);
        for (int h = m - 1; h >= 0; --h) {
            int j;
            int i;
            if (a != 0) {
                const long g = 2L * h - (m - 1);
                const long e = 2L * v - (u - 1);
                const auto gd = static_cast<double>(g);
                const auto ed = static_cast<double>(e);
                j = static_cast<int>((W + roundHalfEven(q * (gd * c - ed * s)) - 1) / 2);
                i = static_cast<int>((H + roundHalfEven(q * (gd * s + ed * c)) - 1) / 2);
            } else {
                j = static_cast<int>(std::trunc(h * q));
                i = static_cast<int>(std::trunc(v * q));
            }
            if (mirror)
                j = W - 1 - j;
            put(row, h, j >= 0 && j < W && i >= 0 && i < H ? entry(j, i) : fill);
        }
    }

    const Direction d = directionBetween(QPoint(W / 2, H / 2), pivot);
    const int px = static_cast<int>(roundHalfEven(k * d.length * (c * d.uy - s * d.ux))) + m / 2;
    const int py = u / 2 - static_cast<int>(roundHalfEven(k * d.length * (s * d.uy + c * d.ux)));
    return {px, py};
}

} // namespace filmeria
