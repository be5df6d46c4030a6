#pragma once
// TfrmSplash: the program's picture with five copies of a small picture flying over it,
// turning and growing or shrinking as they come near or go away; a click visits the maker's
// site and closes the window.
#include "app/image_array.h"
#include "app/splash_animation.h"

#include <QDialog>
#include <QImage>

#include <memory>
#include <random>

class QLabel;
class QTimer;

namespace filmeria {

struct Services;

class TfrmSplash final : public QDialog {
public:
    TfrmSplash(Services& services);

    // One tick of Timer1: erase every sprite, move and draw each, show the result.
    void tick();
    SplashAnimation& animation() {
        prepareFlight();
        return *animation_;
    }
    // The off-screen picture the window shows.
    const QImage& frame() {
        prepareFlight();
        return offscreen_;
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The pictures, the flying one's store and the five sprites, made once.
    void prepareFlight();
    // Draws `turned` onto the off-screen picture at `at`, leaving out its transparent colour.
    void drawTransparent(const QImage& turned, QPoint at);
    void restoreBackground(const QRect& square);

    Services& services_;
    QLabel* BackImage;
    QLabel* SpriteImage;
    QTimer* Timer1;
    std::mt19937 random_;
    QImage background_;  // B
    TImageArray sprite_; // S
    QImage turned_;      // T
    QImage offscreen_;   // O
    std::unique_ptr<SplashAnimation> animation_;
};

} // namespace filmeria
