// The parts of a screen made when it is first needed rather than at start-up: fonts of fields,
// pictures, combo box lists. What matters is that they are there, right, when the screen is seen.
#include "screen_fixture.h"

#include "screenkit/combo_field.h"
#include "screenkit/font_on_show.h"
#include "screenkit/lazy_picture.h"
#include "screenkit/screen_style.h"

#include <QAbstractItemView>
#include <QFile>
#include <QFrame>
#include <QLineEdit>

namespace filmeria::testing {
namespace {

TEST(FontOnShow, AFieldOfAHiddenWindowTakesItsFontWhenTheWindowIsShownOrDrawn) {
    const QFont wanted = style::verdana(11, true);
    QWidget window;
    auto* panel = new QWidget(&window);
    auto* field = new QLineEdit(panel);
    auto* gone = new QLineEdit(panel);
    setFontOnShow(field, wanted);
    setFontOnShow(gone, wanted);
    delete gone;                   // a field removed meanwhile is passed over
    QApplication::processEvents(); // every window is polished on the first turn of events
    EXPECT_NE(field->font(), wanted);
    window.show();
    EXPECT_EQ(field->font(), wanted);

    auto* added = new QLineEdit(panel); // the window is visible: at once
    setFontOnShow(added, wanted);
    EXPECT_EQ(added->font(), wanted);

    QWidget neverShown;
    auto* drawn = new QLineEdit(&neverShown);
    setFontOnShow(drawn, wanted);
    neverShown.grab();
    EXPECT_EQ(drawn->font(), wanted);
}

TEST(ComboField, HasItsFontFromBirthAndMakesItsListOnlyWhenNeeded) {
    QWidget window;
    const QFont font = style::verdana(8, true);
    auto* combo = new ComboField(&window, font);
    combo->addItems({QStringLiteral("AG"), QStringLiteral("AL"), QStringLiteral("AN")});
    EXPECT_EQ(combo->font(), font);
    EXPECT_EQ(combo->findChild<QFrame*>(), nullptr);
    window.show();
    combo->showPopup();
    EXPECT_EQ(combo->view()->font(), font); // the list made now takes the box's font
    combo->hidePopup();

    auto* editable = new ComboField(&window, font);
    editable->setEditable(true);
    EXPECT_EQ(editable->lineEdit()->font(), font);
}

TEST(LazyPictures, SharedIconsAreReadOnFirstUseWithTheRightPixels) {
    const QString tile = QStringLiteral(":/pictures/tile72.png");
    const QIcon icon = sharedIcon(tile);
    EXPECT_EQ(icon.cacheKey(), sharedIcon(tile).cacheKey()); // one for the whole program
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(pictureSize(tile), QSize(72, 72));
    const QImage decoded = decodePicture(tile).toImage();
    EXPECT_EQ(decoded.size(), QSize(72, 72));
    EXPECT_EQ(icon.pixmap(QSize(72, 72)).toImage(), decoded);
    EXPECT_EQ(decodePicture(QStringLiteral(":/pictures/sprite.bmp")).size(), QSize(108, 60));
    EXPECT_TRUE(sharedIcon(QStringLiteral(":/pictures/no_such_picture.png")).isNull());
}

bool imageFormatPluginLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

TEST(LazyPictures, TheProgramsPicturesNeedNoImageFormatPlugin) {
    if (imageFormatPluginLoaded())
        GTEST_SKIP() << "an earlier test in this process loaded the plugins";
    decodePicture(QStringLiteral(":/pictures/login_logo.png"));
    decodePicture(QStringLiteral(":/pictures/sprite.bmp"));
    EXPECT_FALSE(imageFormatPluginLoaded());
}

} // namespace
} // namespace filmeria::testing
