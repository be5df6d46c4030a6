#pragma once
// The flight of the splash window's five pictures over the background: where each one is,
// how near (its size), its turning, and how it bounces off the edges.
#include <array>
#include <functional>

namespace filmeria {

// random(n): a whole number from 0 to n - 1; unit(): a real number in [0, 1).
struct SplashRandom {
    std::function<int(int n)> below;
    std::function<double()> unit;
};

struct Sprite {
    int x = 0; // centre, in pixels of the background
    int y = 0;
    int z = 0; // depth: 50 is near (twice the size), the background's height far
    int dx = 0;
    int dy = 0;
    int dz = 0;
    float angle = 0; // radians, 0 to 2 pi
    float turn = 0;  // radians per step
    float scale = 0;
    bool mirror = false;
};

class SplashAnimation {
public:
    static constexpr int kSprites = 5;

    // `background` and `picture`: widths and heights in pixels.
    SplashAnimation(int backgroundWidth, int backgroundHeight, int pictureWidth, int pictureHeight,
                    SplashRandom random);

    // Half the side of the square a sprite covers at its scale (0: nothing to draw).
    int reach(const Sprite& sprite) const;
    // One step of sprite k (0 to 4): scale from depth, move, bounce, turn. Returns its reach.
    int step(int k);

    std::array<Sprite, kSprites>& sprites() { return sprites_; }
    const std::array<Sprite, kSprites>& sprites() const { return sprites_; }

private:
    float newTurn();

    int backgroundWidth_;
    int backgroundHeight_;
    int pictureWidth_;
    int pictureHeight_;
    SplashRandom random_;
    std::array<Sprite, kSprites> sprites_;
};

} // namespace filmeria
