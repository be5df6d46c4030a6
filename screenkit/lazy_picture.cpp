#include "screenkit/lazy_picture.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>

namespace filmeria {
namespace {

class PictureOnShow final : public QObject {
public:
    PictureOnShow(QLabel* label, QString resource)
        : QObject(label)
        , label_(label)
        , resource_(std::move(resource)) {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            // A picture set meanwhile (a film's poster) is the one to keep.
            if (label_->pixmap().isNull())
                label_->setPixmap(QPixmap(resource_));
            label_->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QLabel* label_;
    QString resource_;
};

} // namespace

void setPictureOnShow(QLabel* label, const QString& resource) {
    new PictureOnShow(label, resource);
}

} // namespace filmeria
