#pragma once
// Building blocks every screen makes its controls from.
#include <QRect>
#include <QString>

#include <QColor>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QFont;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace filmeria {

class PictureButtons;

// A text label in a screen's font and colour (the palette's when none is given), named when a
// name is given.
QLabel* makeLabel(QWidget* parent, const QString& text, QRect geometry, const QFont& font,
                  const std::optional<QColor>& colour = std::nullopt, const QString& name = {});

// The small navy caption over a card's field (Verdana 7, italic when asked).
QLabel* makeFieldCaption(QWidget* parent, const QString& text, QRect geometry, bool italic = false);

// A picture control showing a resource, centred, with an optional tooltip.
QLabel* makePicture(QWidget* parent, const QString& name, const QString& resource, QRect geometry,
                    const QString& hint = {});

// An edit field of a screen: Windows-1252 text only, its resting colour turning yellow while
// it has the focus.
QLineEdit* makeEditField(QWidget* parent, const QString& name, int maxLength, QRect geometry,
                         const QFont& font, const QColor& resting);

// A push button that never becomes the dialog's default (Enter belongs to the fields).
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, QRect geometry);

// One command of a screen's command column: a picture and its label acting alike.
struct PictureCommand {
    const char* image;
    const char* label;
    const char* caption; // UTF-8
    const char* picture;
    const char* status; // UTF-8, may be empty
    std::function<void()> action;
};

// Puts the commands in a column, the i-th at the picture and label rectangles `place(i)`
// gives, and binds them; returns each command's picture and label.
std::vector<std::pair<QLabel*, QLabel*>>
addPictureCommands(PictureButtons& buttons, QWidget* parent, const std::vector<PictureCommand>& commands,
                   const std::function<std::pair<QRect, QRect>(int)>& place);

} // namespace filmeria
