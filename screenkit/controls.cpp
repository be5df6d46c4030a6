#include "screenkit/controls.h"

#include "screenkit/font_on_show.h"
#include "screenkit/lazy_picture.h"

#include "platform/qt_text.h"
#include "screenkit/field_highlight.h"
#include "screenkit/picture_buttons.h"
#include "screenkit/screen_style.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace filmeria {

QLabel* makeLabel(QWidget* parent, const QString& text, QRect geometry, const QFont& font,
                  const std::optional<QColor>& colour, const QString& name) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setFont(font);
    if (colour)
        style::setTextColour(label, *colour);
    label->setGeometry(geometry);
    return label;
}

QLabel* makeFieldCaption(QWidget* parent, const QString& text, QRect geometry, bool italic) {
    QFont font = style::verdana(7);
    font.setItalic(italic);
    return makeLabel(parent, text, geometry, font, style::kNavy);
}

QLabel* makePicture(QWidget* parent, const QString& name, const QString& resource, QRect geometry,
                    const QString& hint) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    if (!resource.isEmpty())
        setPictureOnShow(picture, resource);
    picture->setAlignment(Qt::AlignCenter);
    picture->setGeometry(geometry);
    if (!hint.isEmpty())
        picture->setToolTip(hint);
    return picture;
}

QLineEdit* makeEditField(QWidget* parent, const QString& name, int maxLength, QRect geometry,
                         const QFont& font, const QColor& resting) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(maxLength);
    // A field inherits its container's font: set it only when it differs, and only when its
    // window is shown.
    if (parent->font() != font)
        setFontOnShow(e, font);
    e->setGeometry(geometry);
    acceptOnlyCp1252(e);
    highlightOnFocus(e, resting);
    return e;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

std::vector<std::pair<QLabel*, QLabel*>>
addPictureCommands(PictureButtons& buttons, QWidget* parent, const std::vector<PictureCommand>& commands,
                   const std::function<std::pair<QRect, QRect>(int)>& place) {
    std::vector<std::pair<QLabel*, QLabel*>> made;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const PictureCommand& c = commands[i];
        const auto [imageRect, labelRect] = place(static_cast<int>(i));
        QLabel* image = makePicture(parent, QLatin1String(c.image), QLatin1String(c.picture), imageRect);
        auto* label = new QLabel(QString::fromUtf8(c.caption), parent);
        label->setObjectName(QLatin1String(c.label));
        label->setGeometry(labelRect);
        buttons.add(image, label, QString::fromUtf8(c.status), c.action);
        made.emplace_back(image, label);
    }
    return made;
}

} // namespace filmeria
