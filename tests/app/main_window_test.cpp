#include "shell_fixture.h"

#include "app/Filmeria.h"
#include "app/Password.h"
#include "app/maker.h"
#include "app/maker_links.h"
#include "customers/Clienti.h"
#include "films/Films.h"
#include "films/film_store.h"
#include "rentals/Noleggi.h"
#include "rentals/rental_file.h"
#include "screenkit/HelpForm.h"
#include "screenkit/result_list.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

namespace filmeria::testing {
namespace {

class MainWindow : public ShellTest {
protected:
    TfrmFilmeria& main() {
        auto& window = screens().filmeria();
        window.showMain();
        return window;
    }
    QLabel* picture(const char* name) { return child<QLabel>(screens().filmeria(), name); }
};

TEST_F(MainWindow, TwentyFiveScreensAreCreatedInTheirOrderWithTheirCaptions) {
    const QStringList order = {
        "frmPassword",      "frmFilmeria",       "frmHelpForm",    "frmInfo",           "frmSplash",
        "frmFilms",         "frmZoom",           "frmRicercaFilm", "frmClienti",        "frmCodFisc",
        "frmIva",           "frmTessera",        "frmNoleggi",     "frmAvanzate",       "frmImminenti",
        "frmCalendario",    "frmImportaCliente", "frmImportaFilm", "frmAzienda",        "frmExpNoleggi",
        "frmCercaNoleggio", "frmCercaStorico",   "frmExpContatti", "frmStampaNoleggio", "frmCambiaPassword"};
    EXPECT_EQ(screens().creationOrder(), order);
    const std::pair<QWidget*, const char*> captions[] = {
        {&screens().filmeria(), " Filmeria Pro"},
        {&screens().helpForm(), " Guida in linea"},
        {&screens().films(), " Filmeria Pro - Archivio film"},
        {&screens().clienti(), " Filmeria Pro - Archivio clienti"},
        {&screens().noleggi(), " Filmeria Pro - Gestione noleggi"},
    };
    for (const auto& [window, caption] : captions)
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(caption));
    EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Filmeria Pro"));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

TEST_F(MainWindow, AnimationsPlayAsTheirPicturesPrescribe) {
    const struct {
        const char* resource;
        QSize size;
        int frames;
        int delay;
        int loops;
    } expected[] = {{":/animations/RESNAME1.gif", {494, 11}, 3, 100, -1},
                    {":/animations/RESNAME2.gif", {494, 11}, 3, 100, -1},
                    {":/animations/RESNAME3.gif", {21, 23}, 40, 80, -1},
                    {":/animations/RESNAME4.gif", {15, 15}, 7, 350, 400}};
    for (const auto& e : expected) {
        QImageReader reader(QLatin1String(e.resource));
        EXPECT_EQ(reader.size(), e.size) << e.resource;
        EXPECT_EQ(reader.imageCount(), e.frames) << e.resource;
        EXPECT_EQ(reader.loopCount(), e.loops) << e.resource;
        for (int i = 0; i < e.frames; ++i) {
            reader.jumpToImage(i);
            reader.read();
            EXPECT_EQ(reader.nextImageDelay(), e.delay) << e.resource << " frame " << i;
        }
    }
}

TEST_F(MainWindow, EveryShowingReloadsAndRestartsTheFourAnimations) {
    main();
    const char* names[] = {"imgLongFilm01", "imgLongFilm02", "imgShortFilm01", "imgShortFilm02"};
    QPointer<QMovie> first[4];
    for (int i = 0; i < 4; ++i) {
        first[i] = picture(names[i])->movie();
        ASSERT_NE(first[i], nullptr) << names[i];
        EXPECT_EQ(first[i]->state(), QMovie::Running);
    }
    releaseOn(picture("imgFilm"));
    screens().films().close();
    for (int i = 0; i < 4; ++i) {
        QMovie* again = picture(names[i])->movie();
        EXPECT_TRUE(first[i].isNull()) << names[i] << ": the old picture was not replaced";
        EXPECT_EQ(again->state(), QMovie::Running);
        EXPECT_EQ(again->currentFrameNumber(), 0);
    }
}

TEST_F(MainWindow, WorkScreensOpenHideTheMainWindowAndBringItBack) {
    auto& window = main();
    const std::pair<const char*, QWidget*> routes[] = {
        {"imgFilm", &screens().films()},      {"titFilm", &screens().films()},
        {"imgClienti", &screens().clienti()}, {"titClienti", &screens().clienti()},
        {"imgNoleggi", &screens().noleggi()}, {"titNoleggi", &screens().noleggi()},
    };
    for (const auto& [name, screen] : routes) {
        releaseOn(picture(name), Qt::RightButton);
        EXPECT_TRUE(screen->isVisible()) << name;
        EXPECT_FALSE(window.isVisible()) << name;
        releaseOn(child<QLabel>(*screen, "imgEsci"));
        EXPECT_FALSE(screen->isVisible()) << name;
        EXPECT_TRUE(window.isVisible()) << name;
    }
}

TEST_F(MainWindow, RentalScreenAlwaysOpensOnItsYearPanel) {
    main();
    auto& rentals = screens().noleggi();
    child<QGroupBox>(rentals, "grpAnno")->hide();
    child<QGroupBox>(rentals, "grpRicevuta")->show();
    rentals.setWindowTitle(QStringLiteral(" Filmeria Pro - Gestione noleggi anno 2009"));
    releaseOn(picture("imgNoleggi"));
    EXPECT_TRUE(child<QGroupBox>(rentals, "grpAnno")->isVisible());
    EXPECT_FALSE(child<QGroupBox>(rentals, "grpRicevuta")->isVisible());
    EXPECT_EQ(rentals.windowTitle(), QStringLiteral(" Filmeria Pro - Gestione noleggi"));
    rentals.close(); // the close box brings the main window back too
    EXPECT_TRUE(screens().filmeria().isVisible());
}

TEST_F(MainWindow, CustomerCardOpensTheHistorySearchPresetForTheCustomer) {
    auto& card = screens().clienti();
    card.show();
    child<QLineEdit>(card, "txtNome")->setText(QStringLiteral(" Bar Sport "));
    child<QLineEdit>(card, "txtTessera")->setText(QStringLiteral("A15"));
    QString criterion, cardCriterion, title;
    fakes.dialogs.onModal = [&](QDialog& d) {
        criterion = child<QLineEdit>(d, "txtCognome")->text();
        cardCriterion = child<QLineEdit>(d, "txtTipologia")->text();
        title = child<QLabel>(d, "lblTitolo")->text();
    };
    child<QPushButton>(card, "cmdNoleggio")->click();
    EXPECT_EQ(fakes.dialogs.modals, QStringList{"frmCercaStorico"});
    EXPECT_EQ(criterion, QStringLiteral("Bar Sport"));
    EXPECT_EQ(cardCriterion, QStringLiteral("A15"));
    EXPECT_EQ(title, QStringLiteral("Ricerca schede noleggio anno 2009"));
}

TEST_F(MainWindow, MailToTheMakerAndItsFailureMessage) {
    main();
    releaseOn(picture("imgShortFilm01"));
    EXPECT_EQ(fakes.shell.opened.value(0),
              QStringLiteral("mailto:") + maker::kEmail +
                  QStringLiteral("?subject=Software Filmeria Pro&body=Salve, desidererei avere le seguenti "
                                 "informazioni sul software in oggetto:"));
    EXPECT_EQ(fakes.shell.verbs.back(), ShellVerb::Open);
    EXPECT_TRUE(fakes.dialogs.shown.empty());
    fakes.shell.succeeds = false;
    releaseOn(picture("imgShortFilm01"));
    EXPECT_EQ(fakes.dialogs.texts(), QStringList{QStringLiteral("Invio e-mail non riuscito.")});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindow, WebSitePicturesOpenTheMakersSiteAndIgnoreFailure) {
    main();
    fakes.shell.succeeds = false;
    for (const char* name : {"imgLongFilm01", "imgLongFilm02", "imgShortFilm02", "lblCopyright"})
        releaseOn(picture(name));
    EXPECT_EQ(fakes.shell.opened, QStringList(4, maker::kWebSite));
    EXPECT_TRUE(fakes.dialogs.shown.empty());
    EXPECT_EQ(picture("imgLongFilm01")->toolTip(), QStringLiteral(" Visita il sito Internet dell'autore "));
}

TEST_F(MainWindow, HelpInformationAndSplashOpenModally) {
    main();
    QString title;
    fakes.dialogs.onModal = [&](QDialog& d) {
        if (auto* t = d.findChild<QLabel*>("panTitle"))
            title = t->text();
    };
    releaseOn(picture("imgGuida"));
    releaseOn(picture("imgInfo"));
    releaseOn(picture("imgCopyright"));
    EXPECT_EQ(fakes.dialogs.modals, (QStringList{"frmHelpForm", "frmInfo", "frmSplash"}));
    EXPECT_EQ(title, QString::fromUtf8("Uno sguardo a Filmeria Pro ©"));
}

TEST_F(MainWindow, TheKeyboardWorksTheBigButtonsAndTheReturnsDeskOpensTheChosenSlip) {
    RentalRecord slip;
    slip[SlipField::NumScheda] = "7";
    slip.at(RowField::Codice, 3) = "F1";
    slip.at(RowField::Titolo, 3) = "Pane e tulipani";
    slip.at(RowField::Prestito, 3) = "20/02/2009";
    yearArchive(folderOf(dir).toStdString(), "2009").append(slip);

    auto& window = main();
    showActive(&window);
    EXPECT_EQ(QApplication::focusWidget(), picture("imgFilm"));
    QTest::keyClick(picture("imgFilm"), Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), picture("imgClienti"));
    QTest::keyClick(picture("imgClienti"), Qt::Key_Left);
    QTest::keyClick(picture("imgFilm"), Qt::Key_Up); // round to the last button
    EXPECT_EQ(QApplication::focusWidget(), picture("imgEsci"));

    picture("imgNoleggi")->setFocus();
    QTest::keyClick(picture("imgNoleggi"), Qt::Key_Return);
    EXPECT_TRUE(screens().noleggi().isVisible());
    EXPECT_FALSE(window.isVisible());
    releaseOn(child<QLabel>(screens().noleggi(), "imgEsci"));

    // Alt+R: the returns desk; a double click on a film opens its slip at its row.
    int listed = 0;
    fakes.dialogs.onModal = [&](QDialog& d) {
        auto* list = child<ResultList>(d, "lstRecords");
        listed = list->count();
        emit list->doubleClicked(list->model()->index(0, 0));
    };
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(fakes.dialogs.modals, QStringList{"frmRientri"});
    EXPECT_EQ(listed, 1);
    EXPECT_TRUE(screens().noleggi().isVisible());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(child<QLineEdit>(screens().noleggi(), "txtNumScheda")->text(), QStringLiteral("7"));
    EXPECT_EQ(child<QLineEdit>(screens().noleggi(), "txtCodice03")->text(), QStringLiteral("F1"));
    EXPECT_TRUE(child<QLineEdit>(screens().noleggi(), "txtCodice03")->isVisible()); // its panel
    releaseOn(child<QLabel>(screens().noleggi(), "imgEsci"));

    // Alt+S: the statistics, on the current year.
    int year = 0;
    fakes.dialogs.onModal = [&](QDialog& d) { year = child<QSpinBox>(d, "spnAnno")->value(); };
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(fakes.dialogs.modals.last(), QStringLiteral("frmStatistiche"));
    EXPECT_EQ(year, 2009);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindow, ExitPictureAndCloseBoxEndTheProgram) {
    auto& window = main();
    releaseOn(picture("imgEsci"));
    EXPECT_EQ(fakes.quitRequests, 1);
    window.close();
    EXPECT_EQ(fakes.quitRequests, 2);
}

TEST_F(MainWindow, ContainerStaysCentredAndTheWindowKeepsItsMinimumSize) {
    auto& window = main();
    window.showNormal();
    QApplication::processEvents();
    window.resize(1024, 768);
    QApplication::processEvents();
    ASSERT_EQ(window.size(), QSize(1024, 768));
    auto* container = child<QGroupBox>(window, "grpContainer");
    EXPECT_EQ(container->size(), QSize(779, 536));
    // The window's inner size places it: the frame is unknown until the window is framed.
    EXPECT_EQ(container->pos(), QPoint(1024 / 2 - 389 - 4, 768 / 2 - 268 - 18));
    EXPECT_EQ(window.minimumSize(), QSize(800, 582));
    window.resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(window.size(), QSize(800, 582));
    EXPECT_EQ(container->pos(), QPoint(800 / 2 - 389 - 4, 582 / 2 - 268 - 18));
}

TEST_F(MainWindow, FilmExportCreatesTheStoreAndListsEveryFilm) {
    main();
    QStringList rows;
    QList<int> numberWidths;
    QStringList cornerHeadings;
    fakes.dialogs.onModal = [&](QDialog& d) {
        auto* grid = child<QTableView>(d, "grdRecords");
        rows << QString::number(grid->model()->rowCount());
        numberWidths << grid->verticalHeader()->width();
        // The number column's heading is shown in the corner between the headers.
        for (const QLabel* label : grid->findChildren<QLabel*>())
            if (label->isVisible() && label->geometry().intersects(QRect(0, 0, 50, 24)))
                cornerHeadings << label->text();
    };
    releaseOn(picture("imgEsporta"));
    EXPECT_TRUE(QFileInfo::exists(path("Film.db")));
    {
        FilmStore store(folderOf(dir).toStdString());
        FilmRow film;
        film[FilmField::varTitolo] = "Amarcord";
        store.insert(film);
    }
    releaseOn(picture("imgExcel"));
    EXPECT_EQ(fakes.dialogs.modals, (QStringList{"frmExpContatti", "frmExpContatti"}));
    EXPECT_EQ(rows, (QStringList{"9", "1"})); // the initial empty grid, then the one film
    EXPECT_EQ(numberWidths, (QList<int>{50, 50}));
    EXPECT_EQ(cornerHeadings, QStringList{" N."});
}

} // namespace
} // namespace filmeria::testing
