#pragma once
// A picture file chosen for a film's poster. The archive holds JPEG posters: a JPEG file is
// taken as it is, a picture in another format (PNG, WebP, BMP, GIF) is turned into JPEG, so
// the card shows it on every later visit.
#include <QImage>
#include <QString>

#include <optional>
#include <string>

namespace filmeria {

struct ImportedPoster {
    QImage picture;
    std::string jpegBytes; // the JPEG made of another format; empty for a JPEG file
};

// The picture of the file, or nothing when the file is not a picture that can be read.
std::optional<ImportedPoster> importPosterFile(const QString& path);

} // namespace filmeria
