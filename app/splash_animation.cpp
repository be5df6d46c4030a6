#include "app/splash_animation.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace filmeria {

SplashAnimation::SplashAnimation(int backgroundWidth, int backgroundHeight, int pictureWidth,
                                 int pictureHeight, SplashRandom random)
    : backgroundWidth_(backgroundWidth)
    , backgroundHeight_(backgroundHeight)
    , pictureWidth_(pictureWidth)
    , pictureHeight_(pictureHeight)
    , random_(std::move(random)) {
    const auto sign = [this](int k) { return random_.below(2) == 0 ? k : -k; };
    for (int k = 1; k <= kSprites; ++k) {
        Sprite& s = sprites_[static_cast<std::size_t>(k - 1)];
        s.x = pictureWidth_ + random_.below(backgroundWidth_ - 2 * pictureWidth_);
        s.y = pictureHeight_ + random_.below(backgroundHeight_ - 2 * pictureHeight_);
        s.z = random_.below(backgroundHeight_ - 50) + 50;
        s.dx = sign(k);
        s.dy = sign(k);
        s.dz = sign(k);
        s.angle = static_cast<float>(random_.unit() * 2 * std::numbers::pi);
        s.turn = newTurn();
        s.scale = static_cast<float>(k) / 4;
        s.mirror = k % 2 == 1;
    }
}

float SplashAnimation::newTurn() {
    return static_cast<float>(random_.unit() * 0.4 - 0.2);
}

int SplashAnimation::reach(const Sprite& sprite) const {
    return static_cast<int>(std::trunc(std::hypot(pictureWidth_, pictureHeight_) * sprite.scale / 2));
}

int SplashAnimation::step(int k) {
    Sprite& s = sprites_[static_cast<std::size_t>(k)];
    s.scale = 100.0f / static_cast<float>(s.z);
    const int r = reach(s);
    // Off an edge by up to 8 pixels, then back with the opposite step and a new turning speed.
    const auto bounce = [&](int& position, int& delta, int extent) {
        position += delta;
        if (position > extent - r + 8) {
            delta = -delta;
            s.turn = newTurn();
            position = extent - r + 8;
        }
        if (position < r - 8) {
            delta = -delta;
            s.turn = newTurn();
            position = r - 8;
        }
    };
    bounce(s.x, s.dx, backgroundWidth_);
    bounce(s.y, s.dy, backgroundHeight_);
    s.z += s.dz;
    if (s.z > backgroundHeight_ || s.z < 50) {
        s.dz = -s.dz;
        s.turn = newTurn();
    }
    constexpr float kFullTurn = static_cast<float>(2 * std::numbers::pi);
    s.angle += s.turn;
    if (s.angle > kFullTurn)
        s.angle -= kFullTurn;
    if (s.angle < 0)
        s.angle += kFullTurn;
    return r;
}

} // namespace filmeria
