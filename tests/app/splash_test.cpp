// The splash window's picture store and flight: rendering turned, scaled and mirrored
// pictures, the bounces, and the window itself.
#include "screen_fixture.h"

#include "app/Splash.h"
#include "app/image_array.h"
#include "app/splash_animation.h"

#include <numbers>

namespace filmeria::testing {
namespace {

// A 24-bit test card: every pixel its own colour, the bottom-left one magenta.
QImage testCard(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, (x * 7 + y * 13) % 200));
    image.setPixel(0, height - 1, qRgb(255, 0, 255));
    return image;
}

TImageArray loaded(const QImage& image) {
    TImageArray store;
    EXPECT_TRUE(store.load(image, [](const char* m) { ADD_FAILURE() << m; }));
    return store;
}

TEST(ImageArray, AngleZeroAndScaleOneGiveThePictureItselfOrItsMirror) {
    const QImage card = testCard(108, 60);
    const TImageArray store = loaded(card);
    QImage out;
    const QPoint offset = store.render(out, QPoint(54, 30), false, 1.0f, 0.0f);
    EXPECT_EQ(out.size(), card.size());
    EXPECT_EQ(out.convertToFormat(QImage::Format_RGB888), card);
    EXPECT_EQ(offset, QPoint(54, 30)); // the pivot is the centre
    store.render(out, QPoint(54, 30), true, 1.0f, 0.0f);
    EXPECT_EQ(out, card.mirrored(true, false));
}

TEST(ImageArray, AQuarterTurnStandsThePictureUpAndFillsWithTheTransparentColour) {
    const TImageArray store = loaded(testCard(108, 60));
    QImage out;
    store.render(out, QPoint(54, 30), false, 1.0f, static_cast<float>(std::numbers::pi / 2));
    EXPECT_EQ(out.size(), QSize(60, 108));
    EXPECT_EQ(store.transparentColour(), qRgb(255, 0, 255));
    // An eighth of a turn leaves the corners outside the turned picture.
    store.render(out, QPoint(54, 30), false, 1.0f, static_cast<float>(std::numbers::pi / 4));
    for (const QPoint corner : {QPoint(0, 0), QPoint(out.width() - 1, 0), QPoint(0, out.height() - 1),
                                QPoint(out.width() - 1, out.height() - 1)})
        EXPECT_EQ(out.pixel(corner), qRgb(255, 0, 255)) << corner.x() << "," << corner.y();
    // A quarter turn of a picture with a marked top-left corner: the corner turns with it.
    QImage marked = testCard(108, 60);
    marked.setPixel(0, 0, qRgb(0, 255, 0));
    QImage turned;
    loaded(marked).render(turned, QPoint(54, 30), false, 1.0f, static_cast<float>(std::numbers::pi / 2));
    EXPECT_EQ(turned.pixel(0, 107), qRgb(0, 255, 0)); // the top-left corner turns to the bottom left
}

TEST(ImageArray, EightBitPicturesKeepTheirPaletteOtherFormatsAreRefused) {
    QImage indexed(4, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255)});
    indexed.fill(1);
    indexed.setPixel(0, 2, 2);
    const TImageArray store = loaded(indexed);
    EXPECT_EQ(store.format(), TImageArray::PixelFormat::Indexed8);
    EXPECT_EQ(store.transparentColour(), qRgb(0, 0, 255));
    QImage out;
    store.render(out, QPoint(2, 1), false, 2.0f, 0.0f);
    EXPECT_EQ(out.format(), QImage::Format_Indexed8);
    EXPECT_EQ(out.size(), QSize(8, 6));
    EXPECT_EQ(out.pixel(7, 0), qRgb(255, 0, 0));

    TImageArray kept = loaded(testCard(10, 10));
    for (const QImage::Format refused :
         {QImage::Format_ARGB32, QImage::Format_Mono, QImage::Format_Grayscale16}) {
        QStringList messages;
        EXPECT_FALSE(kept.load(QImage(5, 5, refused), [&](const char* m) { messages << m; }));
        EXPECT_EQ(messages, QStringList{"only 8 bit and 24 bit bitmaps are allowed"});
        EXPECT_EQ(kept.width(), 10); // the store stays as it was
    }
}

TEST(ImageArray, DirectionBetweenTwoPoints) {
    const Direction d = directionBetween(QPoint(0, 0), QPoint(3, 4));
    EXPECT_DOUBLE_EQ(d.length, 5);
    EXPECT_DOUBLE_EQ(d.ux, 0.8); // from the rows
    EXPECT_DOUBLE_EQ(d.uy, 0.6); // from the columns
    const Direction none = directionBetween(QPoint(2, 2), QPoint(2, 2));
    EXPECT_EQ(none.ux, 0);
    EXPECT_EQ(none.uy, 1);
}

// A scripted generator: whole numbers and reals from lists, then zeros.
SplashRandom scripted(std::vector<int> wholes, std::vector<double> reals) {
    auto w = std::make_shared<std::vector<int>>(std::move(wholes));
    auto r = std::make_shared<std::vector<double>>(std::move(reals));
    return {[w](int) {
                if (w->empty())
                    return 0;
                const int v = w->front();
                w->erase(w->begin());
                return v;
            },
            [r] {
                if (r->empty())
                    return 0.5;
                const double v = r->front();
                r->erase(r->begin());
                return v;
            }};
}

TEST(SplashFlight, SpritesStartAsStatedAndBounceAtEachEdgeWithANewTurn) {
    SplashAnimation flight(597, 362, 108, 60, scripted({}, {}));
    for (int k = 1; k <= 5; ++k) {
        const Sprite& s = flight.sprites()[static_cast<std::size_t>(k - 1)];
        EXPECT_FLOAT_EQ(s.scale, static_cast<float>(k) / 4.0f);
        EXPECT_EQ(s.mirror, k % 2 == 1);
        EXPECT_EQ(std::abs(s.dx), k);
        EXPECT_EQ(s.x, 108); // random(...) answered 0
        EXPECT_EQ(s.z, 50);
    }
    // Sprite 3 at depth 100: scale 1, reach trunc(hypot(108, 60) / 2) = 61.
    Sprite& s = flight.sprites()[2];
    const auto bounceOnce = [&](int& position, int& delta, int start, int step, int expected) {
        s.z = 100;
        s.dz = 1;
        position = start;
        delta = step;
        s.turn = 0.123f;
        flight.step(2);
        EXPECT_EQ(position, expected);
        EXPECT_EQ(delta, -step);
        EXPECT_NE(s.turn, 0.123f);
    };
    bounceOnce(s.x, s.dx, 597 - 61 + 8 - 1, 3, 597 - 61 + 8); // right edge
    bounceOnce(s.x, s.dx, 61 - 8 + 1, -3, 61 - 8);            // left edge
    bounceOnce(s.y, s.dy, 362 - 61 + 8, 3, 362 - 61 + 8);     // bottom edge
    bounceOnce(s.y, s.dy, 61 - 8, -3, 61 - 8);                // top edge
    s.x = 300;
    s.y = 180;
    s.z = 362;
    s.dz = 2;
    flight.step(2);
    EXPECT_EQ(s.z, 364); // past the far edge: the depth step turns, the depth stays
    EXPECT_EQ(s.dz, -2);
}

// The flight rule over many real seeds: a sprite k steps k in depth and turns back once past
// 50 or the background's height, so its depth stays within 50 - k and the height + k; it turns
// back at most 8 pixels past an edge.
TEST(SplashAnimation, EverySpriteStaysWithinItsRangeWhateverTheSeed) {
    constexpr int kWidth = 597, kHeight = 362;
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        SplashAnimation flight(kWidth, kHeight, 108, 60,
                               {[&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); },
                                [&] { return std::uniform_real_distribution<double>(0.0, 1.0)(random); }});
        for (int tick = 0; tick < 1000; ++tick) {
            for (int k = 0; k < SplashAnimation::kSprites; ++k) {
                const int r = flight.step(k);
                const Sprite& s = flight.sprites()[static_cast<std::size_t>(k)];
                const int speed = k + 1;
                ASSERT_GE(s.z, 50 - speed) << "seed " << seed << " sprite " << k;
                ASSERT_LE(s.z, kHeight + speed) << "seed " << seed << " sprite " << k;
                ASSERT_GE(s.x, r - 8) << "seed " << seed << " sprite " << k;
                ASSERT_LE(s.x, kWidth - r + 8) << "seed " << seed << " sprite " << k;
            }
        }
    }
}

class SplashWindow : public ScreenTest {};

TEST_F(SplashWindow, PicturesFlyOverTheBackgroundAndAClickVisitsTheSiteAndCloses) {
    TfrmSplash splash(fakes.services);
    EXPECT_TRUE(fakes.dialogs.shown.empty()); // the flying picture is a 24-bit one
    const QImage before = splash.frame();
    splash.tick();
    EXPECT_NE(splash.frame(), before);
    for (int i = 0; i < 100; ++i)
        splash.tick();
    showActive(&splash);
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_EQ(fakes.shell.opened.size(), 1);
    EXPECT_FALSE(splash.isVisible());
}

} // namespace
} // namespace filmeria::testing
