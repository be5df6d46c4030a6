// The parts of a screen made when it is first needed rather than at start-up: fonts of fields,
// pictures, combo box lists. What matters is that they are there, right, when the screen is seen.
#include "screen_fixture.h"

#include "screenkit/combo_field.h"
#include "screenkit/export_grid.h"
#include "screenkit/font_on_show.h"
#include "screenkit/lazy_picture.h"
#include "screenkit/screen_style.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
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

TEST(ComboField, TakesItsFontWhenShownAndMakesItsListOnlyWhenNeeded) {
    QWidget window;
    const QFont font = style::verdana(8, true);
    auto* combo = new ComboField(&window, font);
    combo->addItems({QStringLiteral("AG"), QStringLiteral("AL"), QStringLiteral("AN")});
    auto* editable = new ComboField(&window, font);
    makeEditable(editable);
    editable->addItems({QStringLiteral("AG"), QStringLiteral("AL")});
    QApplication::processEvents();
    EXPECT_NE(combo->font(), font);
    EXPECT_NE(editable->lineEdit()->font(), font);
    EXPECT_EQ(combo->findChild<QFrame*>(), nullptr);
    EXPECT_EQ(editable->findChild<QFrame*>(), nullptr);

    window.show();
    EXPECT_EQ(combo->font(), font);
    EXPECT_EQ(editable->lineEdit()->font(), font);
    combo->showPopup();
    EXPECT_EQ(combo->view()->font(), font);
    combo->hidePopup();
}

// What the drop-down list and the field of an editable box are like, once opened.
QStringList editableBoxTraits(QComboBox* box) {
    box->showPopup();
    const QAbstractItemView* list = box->view();
    const QStringList traits = {
        QString::fromLatin1(list->itemDelegate()->metaObject()->className()),
        QStringLiteral("%1,%2 %3x%4").arg(list->x()).arg(list->y()).arg(list->width()).arg(list->height()),
        QString::number(list->verticalScrollBarPolicy()),
        QString::number(box->focusPolicy()),
        QString::number(box->completer()->completionMode()),
        QString::number(box->completer()->caseSensitivity()),
        box->lineEdit()->palette().color(QPalette::Base).name(),
        QString::number(box->lineEdit()->hasFrame()),
        box->lineEdit()->geometry() == QRect() ? QStringLiteral("unplaced") : QStringLiteral("placed"),
        box->currentText()};
    box->hidePopup();
    return traits;
}

TEST(ComboField, AnEditableBoxMakesItsListWhenOpenedAndIsThenLikeAQtOne) {
    QWidget window;
    window.resize(300, 300);
    QStringList provinces;
    for (int i = 0; i < 40; ++i)
        provinces << QStringLiteral("P%1").arg(i);
    const auto box = [&](bool ours, int y) {
        auto* b = new QComboBox(&window);
        QPalette yellow = b->palette();
        yellow.setColor(QPalette::Base, Qt::yellow);
        b->setPalette(yellow);
        if (ours)
            makeEditable(b);
        else
            b->setEditable(true);
        b->addItems(provinces);
        b->setCurrentIndex(-1);
        b->setGeometry(10, y, 80, 24);
        return b;
    };
    QComboBox* ours = box(true, 10);
    QComboBox* qts = box(false, 50);
    EXPECT_TRUE(ours->isEditable());
    EXPECT_EQ(ours->findChild<QAbstractItemView*>(), nullptr); // no list yet
    window.show();
    EXPECT_EQ(editableBoxTraits(ours), editableBoxTraits(qts));
}

TEST(ExportGrid, TakesItsFontBeforeItsFirstRowsSoItsHeadersFitIt) {
    TextTable table(2, 3);
    for (const char* text : {"", "Titolo film", "Nazione", "1", "Amarcord", "Italia"})
        table.append(text);
    QWidget window;
    window.resize(600, 400);
    auto* shownFirst = new ExportGrid(&window, 3);
    auto* loadedFirst = new ExportGrid(&window, 3);
    loadedFirst->setTable(table, {});
    QApplication::processEvents();
    EXPECT_EQ(shownFirst->model()->columnCount(), 0); // no rows, no font at start-up
    EXPECT_NE(shownFirst->font(), style::verdana(8));

    // What the headers measure when the grid has its font from the start.
    auto* reference = new QTableView(&window);
    reference->setFont(style::verdana(8));
    auto* model = new TextTableModel(reference);
    model->setTable(table);
    reference->setModel(model);
    window.show();
    reference->setStyleSheet(shownFirst->styleSheet());
    EXPECT_EQ(shownFirst->model()->rowCount(), 9); // the initial empty rows under the headings
    shownFirst->setTable(table, {});
    for (ExportGrid* grid : {shownFirst, loadedFirst}) {
        EXPECT_EQ(grid->font(), style::verdana(8));
        EXPECT_EQ(grid->horizontalHeader()->height(), reference->horizontalHeader()->height());
    }
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
