#include "films/poster_import.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace filmeria {
namespace {

constexpr int kJpegQuality = 90;

std::string asJpeg(const QImage& picture) {
    // JPEG has no transparency: transparent parts are laid on white, as the card shows them.
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!flat.save(&buffer, "JPEG", kJpegQuality))
        return {};
    return bytes.toStdString();
}

} // namespace

std::optional<ImportedPoster> importPosterFile(const QString& path) {
    // By its content: a PNG named .jpg is a PNG.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    QImage picture = reader.read();
    if (picture.isNull())
        return std::nullopt;
    if (format == "jpeg" || format == "jpg")
        return ImportedPoster{std::move(picture), {}};
    std::string jpeg = asJpeg(picture);
    if (jpeg.empty())
        return std::nullopt;
    return ImportedPoster{std::move(picture), std::move(jpeg)};
}

} // namespace filmeria
