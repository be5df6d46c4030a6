#include "app/Splash.h"

#include "app/maker.h"
#include "app/maker_links.h"
#include "platform/services.h"
#include "screenkit/lazy_picture.h"
#include "screenkit/screen_style.h"
#include "screenkit/window_placement.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cstring>

namespace filmeria {

TfrmSplash::TfrmSplash(Services& services)
    : services_(services)
    , BackImage(new QLabel(this))
    , SpriteImage(new QLabel(this))
    , Timer1(new QTimer(this))
    , random_(static_cast<std::mt19937::result_type>(services.clock.now().toMSecsSinceEpoch())) {
    setObjectName("frmSplash");
    setUpDialog(this, maker::kSplashCaption, {600, 368}, style::kBlack);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("  Visita il sito Internet dell'autore "));
    BackImage->setObjectName("BackImage");
    setPictureOnShow(BackImage, QStringLiteral(":/pictures/splash.png"));
    BackImage->setGeometry(0, 0, 597, 362);
    BackImage->hide();
    SpriteImage->setObjectName("SpriteImage");
    setPictureOnShow(SpriteImage, QStringLiteral(":/pictures/sprite.bmp"));
    SpriteImage->setGeometry(0, 0, 108, 60);
    SpriteImage->hide();
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, [this] { tick(); });

    centreOnDesktop(this);
}

void TfrmSplash::prepareFlight() {
    // Decoded on the first showing, not at start-up with the other screens.
    if (animation_)
        return;
    background_ = QImage(QStringLiteral(":/pictures/splash.png")).convertToFormat(QImage::Format_RGB888);
    sprite_.load(QImage(QStringLiteral(":/pictures/sprite.bmp")), [this](const char* message) {
        services_.dialogs.information(this, QString::fromUtf8(message));
    });
    offscreen_ = background_.copy();
    animation_ = std::make_unique<SplashAnimation>(
        background_.width(), background_.height(), sprite_.width(), sprite_.height(),
        SplashRandom{
            [this](int n) { return n > 0 ? std::uniform_int_distribution<int>(0, n - 1)(random_) : 0; },
            [this] { return std::uniform_real_distribution<double>(0.0, 1.0)(random_); }});
}

void TfrmSplash::restoreBackground(const QRect& square) {
    const QRect area = square.intersected(offscreen_.rect());
    const std::ptrdiff_t left = std::ptrdiff_t{3} * area.left();
    const std::size_t bytes = std::size_t{3} * static_cast<std::size_t>(area.width());
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::memcpy(offscreen_.scanLine(y) + left, background_.constScanLine(y) + left, bytes);
}

void TfrmSplash::drawTransparent(const QImage& turned, QPoint at) {
    const QRgb transparent = sprite_.transparentColour();
    const QRect area = QRect(at, turned.size()).intersected(offscreen_.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uchar* to = offscreen_.scanLine(y);
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb colour = turned.pixel(x - at.x(), y - at.y());
            if ((colour & 0xFFFFFF) == (transparent & 0xFFFFFF))
                continue;
            uchar* pixel = to + std::ptrdiff_t{3} * x;
            pixel[0] = static_cast<uchar>(qRed(colour));
            pixel[1] = static_cast<uchar>(qGreen(colour));
            pixel[2] = static_cast<uchar>(qBlue(colour));
        }
    }
}

void TfrmSplash::tick() {
    prepareFlight();
    if (sprite_.isEmpty())
        return; // a refused picture: nothing flies
    for (const Sprite& s : animation_->sprites()) {
        const int r = animation_->reach(s);
        if (r != 0)
            restoreBackground(QRect(s.x - r, s.y - r, 2 * r, 2 * r));
    }
    const QPoint centre(sprite_.width() / 2, sprite_.height() / 2);
    for (int k = 0; k < SplashAnimation::kSprites; ++k) {
        if (animation_->step(k) == 0)
            continue;
        const Sprite& s = animation_->sprites()[static_cast<std::size_t>(k)];
        const QPoint offset = sprite_.render(turned_, centre, s.mirror, s.scale, s.angle);
        drawTransparent(turned_, QPoint(s.x, s.y) - offset);
    }
    update();
}

void TfrmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), offscreen_);
}

void TfrmSplash::showEvent(QShowEvent* event) {
    prepareFlight();
    QDialog::showEvent(event);
    Timer1->start();
}

void TfrmSplash::hideEvent(QHideEvent* event) {
    // Nothing outside the window depends on the flight: it rests while the window is hidden.
    Timer1->stop();
    QDialog::hideEvent(event);
}

void TfrmSplash::mouseReleaseEvent(QMouseEvent*) {
    visitMakerSite(services_);
    close();
}

} // namespace filmeria
