#include "screenkit/lazy_picture.h"

#include <QEvent>
#include <QHash>
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

QIcon sharedIcon(const QString& resource) {
    // Making an icon from a file reads the picture; made once, it is shared by copies.
    static QHash<QString, QIcon> icons;
    auto it = icons.find(resource);
    if (it == icons.end())
        it = icons.insert(resource, QIcon(resource));
    return *it;
}

} // namespace filmeria
