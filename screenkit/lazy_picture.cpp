#include "screenkit/lazy_picture.h"

#include <QEvent>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QLabel>

#include <optional>

namespace filmeria {
namespace {

QByteArray formatOf(const QString& resource) {
    return resource.section(QLatin1Char('.'), -1).toLower().toLatin1();
}

// A reader held to the format the suffix names: without that, the reader asks every
// image-format plugin about the file first, and loading them costs more than the picture.
void holdToSuffix(QImageReader& reader, const QString& resource) {
    reader.setFormat(formatOf(resource));
    reader.setAutoDetectImageFormat(false);
}

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
                label_->setPixmap(decodePicture(resource_));
            label_->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QLabel* label_;
    QString resource_;
};

// An icon that reads its picture on first use; copies of the QIcon share the engine, so the
// picture is read once for every button that carries it.
class PictureIconEngine final : public QIconEngine {
public:
    explicit PictureIconEngine(QString resource)
        : resource_(std::move(resource)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return loaded_ ? loaded_->isNull() : !QFile::exists(resource_); }
    QString key() const override { return QStringLiteral("filmeria-picture"); }
    QIconEngine* clone() const override { return new PictureIconEngine(*this); }

private:
    QIcon& icon() {
        if (!loaded_)
            loaded_ = QIcon(decodePicture(resource_));
        return *loaded_;
    }

    QString resource_;
    std::optional<QIcon> loaded_;
};

} // namespace

QPixmap decodePicture(const QString& resource) {
    QImageReader reader(resource);
    holdToSuffix(reader, resource);
    return QPixmap::fromImage(reader.read());
}

QSize pictureSize(const QString& resource) {
    QImageReader reader(resource);
    holdToSuffix(reader, resource);
    return reader.size();
}

void setPictureOnShow(QLabel* label, const QString& resource) {
    new PictureOnShow(label, resource);
}

QIcon sharedIcon(const QString& resource) {
    static QHash<QString, QIcon> icons;
    auto it = icons.find(resource);
    if (it == icons.end())
        it = icons.insert(resource, QIcon(new PictureIconEngine(resource)));
    return *it;
}

} // namespace filmeria
