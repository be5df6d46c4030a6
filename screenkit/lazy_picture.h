#pragma once
// Pictures decoded when their window is first shown: the program creates every screen at
// start-up, and most are never shown in a session.
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;

namespace filmeria {

// The program's own pictures (PNG and BMP resources), read by the toolkit's built-in decoder
// for the file's suffix: no image-format plugin is loaded to ask whether it knows the file.
QPixmap decodePicture(const QString& resource);

// A picture's size, from its header alone.
QSize pictureSize(const QString& resource);

// Gives `label` the picture `resource` on its first showing, unless it has a picture by then.
void setPictureOnShow(QLabel* label, const QString& resource);

// One icon per picture for the whole program (the twenty date buttons of the slip share one),
// decoded the first time it is drawn or measured.
QIcon sharedIcon(const QString& resource);

} // namespace filmeria
