#pragma once
// TImageArray: the pixels of one 8-bit or 24-bit picture, column by column, drawn rotated,
// scaled and mirrored by nearest-neighbour sampling (the splash window's flying pictures).
#include <QImage>
#include <QList>
#include <QPoint>

#include <cstdint>
#include <functional>
#include <vector>

namespace filmeria {

inline constexpr const char* kOnlyEightOrTwentyFourBits = "only 8 bit and 24 bit bitmaps are allowed";

// The unit vector (ux, uy) from one point towards another, and their distance.
struct Direction {
    double ux;
    double uy;
    double length;
};
Direction directionBetween(QPoint from, QPoint to);

class TImageArray {
public:
    enum class PixelFormat { Indexed8, Rgb24 };

    // Takes a picture's pixels: palette indices (8 bits) or colours without transparency
    // (24 bits; the toolkit reads 24-bit bitmaps as 32-bit words). Any other picture calls
    // `refuse` with kOnlyEightOrTwentyFourBits and leaves the store as it was.
    bool load(const QImage& bitmap, const std::function<void(const char*)>& refuse);

    // Draws the picture into `destination` (resized and given the store's pixel format),
    // turned by `angle` radians about its centre, scaled by `scale`, mirrored left to right
    // when asked. Returns the offset to subtract from a point to put `pivot` on it.
    QPoint render(QImage& destination, QPoint pivot, bool mirror, float scale, float angle) const;

    int width() const { return width_; }
    int height() const { return height_; }
    PixelFormat format() const { return format_; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }
    // The colour drawn as transparent: that of the bottom-left pixel.
    QRgb transparentColour() const;

private:
    std::size_t offsetOf(int x, int y) const {
        return (static_cast<std::size_t>(x) * static_cast<std::size_t>(height_) +
                static_cast<std::size_t>(y)) *
               bytesPerEntry();
    }
    const std::uint8_t* entry(int x, int y) const { return &pixels_[offsetOf(x, y)]; }
    std::uint8_t* entry(int x, int y) { return &pixels_[offsetOf(x, y)]; }
    std::size_t bytesPerEntry() const { return format_ == PixelFormat::Indexed8 ? 1 : 3; }

    std::int16_t width_ = 0;
    std::int16_t height_ = 0;
    PixelFormat format_ = PixelFormat::Rgb24;
    std::vector<std::uint8_t> pixels_; // column x holds rows 0 (top) to height - 1
    QList<QRgb> palette_;
};

} // namespace filmeria
