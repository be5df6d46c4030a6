#include "screenkit/field_highlight.h"

#include "screenkit/screen_style.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

namespace filmeria {
namespace {

void paintField(QWidget* field, const QColor& colour) {
    // A drop-down box without typing is drawn as a button.
    const auto* box = qobject_cast<QComboBox*>(field);
    const bool drawnAsButton = box && !box->isEditable();
    // A field that shows the colour already is left alone: a palette change costs an event
    // and a new resolution of the field's palette.
    QPalette palette = field->palette();
    if (palette.color(QPalette::Base) == colour &&
        (!drawnAsButton || palette.color(QPalette::Button) == colour))
        return;
    palette.setColor(QPalette::Base, colour);
    if (drawnAsButton)
        palette.setColor(QPalette::Button, colour);
    field->setPalette(palette);
}

class FocusPainter final : public QObject {
public:
    FocusPainter(QWidget* field, const QColor& resting)
        : QObject(field)
        , resting_(resting) {
        paintField(field, resting);
        field->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            paintField(static_cast<QWidget*>(watched), style::kYellow);
        else if (event->type() == QEvent::FocusOut)
            paintField(static_cast<QWidget*>(watched), resting_);
        return false;
    }

private:
    QColor resting_;
};

} // namespace

void highlightOnFocus(QWidget* field, const QColor& resting) {
    new FocusPainter(field, resting);
}

void highlightOnFocus(std::initializer_list<QWidget*> fields, const QColor& resting) {
    for (QWidget* field : fields)
        highlightOnFocus(field, resting);
}

bool leavesTheField(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

QColor fieldColour(const QWidget* field) {
    return field->palette().color(QPalette::Base);
}

} // namespace filmeria
