#include "app/Filmeria.h"

#include "app/maker.h"
#include "app/maker_links.h"
#include "platform/services.h"
#include "screenkit/HelpForm.h"
#include "screenkit/controls.h"
#include "screenkit/picture_buttons.h"
#include "screenkit/screen_style.h"

#include "app/Info.h"
#include "app/Splash.h"
#include "customers/Clienti.h"
#include "films/ExpContatti.h"
#include "films/Films.h"
#include "rentals/Noleggi.h"
#include "rentals/Rientri.h"
#include "rentals/Statistiche.h"
#include "screenkit/action_guard.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMovie>
#include <QShortcut>

namespace filmeria {
namespace {

QFrame* shape(QWidget* parent, const char* name, const QColor& colour, QRect geometry) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    style::setBackground(frame, colour);
    frame->setGeometry(geometry);
    return frame;
}

} // namespace

TfrmFilmeria::TfrmFilmeria(Services& services, MainWindowScreens screens)
    : WorkWindow(QStringLiteral(" Filmeria Pro"), QStringLiteral(":/pictures/tile72.png"), QSize(779, 536))
    , services_(services)
    , screens_(std::move(screens)) {
    setObjectName("frmFilmeria");
    setFont(style::tahoma(8));
    QWidget* c = grpContainer;

    imgLogo = makePicture(c, "imgLogo", ":/pictures/logo.png", {8, 8, 687, 309});
    shpOmbra = shape(c, "shpOmbra", style::kSilver, {711, 12, 60, 305});
    shpControlli = shape(c, "shpControlli", style::kWhite, {707, 8, 60, 305});
    shpControlli->setFrameShape(QFrame::Box);
    imgGuida = makePicture(c, "imgGuida", ":/pictures/icon_guida.png", {721, 24, 32, 32}, " Guida ");
    imgInfo =
        makePicture(c, "imgInfo", ":/pictures/icon_info.png", {721, 80, 32, 32}, " Informazioni su... ");
    imgCopyright =
        makePicture(c, "imgCopyright", ":/pictures/icon_copyright.png", {721, 136, 32, 32}, " Copyright ");
    imgShortFilm01 = makePicture(c, "imgShortFilm01", {}, {726, 194, 21, 23}, "Invia e-mail all'autore ");
    imgEsci = makePicture(c, "imgEsci", ":/pictures/icon_esci.png", {721, 252, 32, 32}, " Esci ");

    // Six big buttons across the window, as wide as the logo and its strip of controls.
    const int columnWidth = 122;
    const struct {
        const char* image;
        const char* title;
        const char* picture;
        const char* titlePicture;
        const char* hint;
    } big[] = {{"imgFilm", "titFilm", ":/pictures/button_film.png", ":/pictures/title_film.png",
                " Archivio film (Alt+F) "},
               {"imgClienti", "titClienti", ":/pictures/button_clienti.png", ":/pictures/title_clienti.png",
                " Archivio clienti (Alt+C) "},
               {"imgNoleggi", "titNoleggi", ":/pictures/button_noleggi.png", ":/pictures/title_noleggi.png",
                " Gestione noleggi (Alt+N) "},
               {"imgRientri", "titRientri", ":/pictures/button_rientri.png", ":/pictures/title_rientri.png",
                " Film in noleggio e rientri (Alt+R) "},
               {"imgStatistiche", "titStatistiche", ":/pictures/button_statistiche.png",
                ":/pictures/title_statistiche.png", " Statistiche: incassi, film e clienti (Alt+S) "},
               {"imgEsporta", "imgExcel", ":/pictures/button_esporta.png", ":/pictures/title_esporta.png",
                " Esporta l'archivio film (Alt+E) "}};
    QLabel* images[6];
    QLabel* titles[6];
    for (int i = 0; i < 6; ++i) {
        const int x = 10 + i * (columnWidth + 5);
        images[i] = makePicture(c, big[i].image, QLatin1String(big[i].picture), {x, 332, columnWidth, 100},
                                QString::fromUtf8(big[i].hint));
        titles[i] = makePicture(c, big[i].title, QLatin1String(big[i].titlePicture),
                                {x, 436, columnWidth, 30}, QString::fromUtf8(big[i].hint));
    }
    imgFilm = images[0];
    titFilm = titles[0];
    imgClienti = images[1];
    titClienti = titles[1];
    imgNoleggi = images[2];
    titNoleggi = titles[2];
    imgRientri = images[3];
    titRientri = titles[3];
    imgStatistiche = images[4];
    titStatistiche = titles[4];
    imgEsporta = images[5];
    imgExcel = titles[5];

    const QString siteHint = QStringLiteral(" Visita il sito Internet dell'autore ");
    imgLongFilm01 = makePicture(c, "imgLongFilm01", {}, {8, 486, 494, 11}, siteHint);
    imgLongFilm02 = makePicture(c, "imgLongFilm02", {}, {8, 504, 494, 11}, siteHint);
    imgShortFilm02 = makePicture(c, "imgShortFilm02", {}, {516, 495, 15, 15}, siteHint);
    lblCopyright = new QLabel(maker::kCopyright, c);
    lblCopyright->setObjectName("lblCopyright");
    lblCopyright->setFont(style::verdana(8));
    style::setTextColour(lblCopyright, style::kGrey);
    lblCopyright->setToolTip(siteHint);
    lblCopyright->setCursor(Qt::PointingHandCursor);
    lblCopyright->setGeometry(538, 494, 236, 18);

    // The main window has no status panel and no hover colours: every picture is image-only.
    buttons_ = new PictureButtons(this, services_.dialogs, nullptr, style::kBlack);
    const auto bind = [this](std::initializer_list<QWidget*> parts, const std::function<void()>& action) {
        for (QWidget* part : parts)
            buttons_->add(part, nullptr, {}, action);
    };
    const std::function<void()> openFilms = [this] { openWorkScreen(*screens_.films); };
    const std::function<void()> openCustomers = [this] { openWorkScreen(*screens_.clienti); };
    const std::function<void()> openRentals = [this] {
        screens_.noleggi->prepareYearChoice();
        openWorkScreen(*screens_.noleggi);
    };
    const std::function<void()> openReturns = [this] { openReturnsDesk(); };
    const std::function<void()> openStats = [this] { openStatistics(); };
    const std::function<void()> openExport = [this] { exportFilms(); };
    bind({imgFilm, titFilm}, openFilms);
    bind({imgClienti, titClienti}, openCustomers);
    bind({imgNoleggi, titNoleggi}, openRentals);
    bind({imgRientri, titRientri}, openReturns);
    bind({imgStatistiche, titStatistiche}, openStats);
    bind({imgEsporta, imgExcel}, openExport);
    bind({imgGuida}, [this] { screens_.help->showTopic(HelpTopicId::MainWindow); });
    bind({imgInfo}, [this] { services_.dialogs.exec(*screens_.info); });
    bind({imgCopyright}, [this] { services_.dialogs.exec(*screens_.splash); });
    bind({imgShortFilm01}, [this] { writeToMaker(services_, this); });
    bind({imgLongFilm01, imgLongFilm02, imgShortFilm02, lblCopyright}, [this] { visitMakerSite(services_); });
    bind({imgEsci}, [this] { services_.quit(); });

    // The keyboard: Tab and the arrows go from button to button, Enter opens; Alt and the
    // initial open a big button from anywhere in the window.
    buttons_->takeKeyboard({imgFilm, imgClienti, imgNoleggi, imgRientri, imgStatistiche, imgEsporta, imgGuida,
                            imgInfo, imgCopyright, imgEsci});
    const std::pair<Qt::Key, std::function<void()>> altKeys[] = {
        {Qt::Key_F, openFilms},
        {Qt::Key_C, openCustomers},
        {Qt::Key_N, openRentals},
        {Qt::Key_R, openReturns},
        {Qt::Key_S, openStats},
        {Qt::Key_E, openExport},
        {Qt::Key_G, [this] { screens_.help->showTopic(HelpTopicId::MainWindow); }}};
    for (const auto& altKey : altKeys) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | altKey.first), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, action = altKey.second] { runGuarded(services_.dialogs, this, action); });
    }
}

void TfrmFilmeria::openReturnsDesk() {
    TfrmRientri desk(services_);
    if (services_.dialogs.exec(desk) != QDialog::Accepted || !desk.chosen())
        return;
    // The chosen film's slip, on the slip screen, as if opened from there.
    openWorkScreen(*screens_.noleggi);
    screens_.noleggi->openChosenFilm(*desk.chosen());
}

void TfrmFilmeria::openStatistics() {
    TfrmStatistiche statistics(services_);
    services_.dialogs.exec(statistics);
}

void TfrmFilmeria::showMain() {
    show();
    raise();
    activateWindow();
    if (!focusWidget() || !focusWidget()->isVisible())
        imgFilm->setFocus(Qt::TabFocusReason);
}

void TfrmFilmeria::openWorkScreen(QWidget& screen) {
    screen.show();
    hide();
}

void TfrmFilmeria::exportFilms() {
    try {
        store_.reopenWith(services_.folder.toStdString(), FirstFilmQuery());
        services_.dialogs.exec(*screens_.expContatti);
    } catch (const std::exception&) {
        // The main window's rule: a film store that cannot be opened leaves the export unopened,
        // without a message.
    }
}

void TfrmFilmeria::reloadAnimations() {
    const std::pair<QLabel*, const char*> animations[] = {{imgLongFilm01, ":/animations/RESNAME1.gif"},
                                                          {imgLongFilm02, ":/animations/RESNAME2.gif"},
                                                          {imgShortFilm01, ":/animations/RESNAME3.gif"},
                                                          {imgShortFilm02, ":/animations/RESNAME4.gif"}};
    for (const auto& [label, resource] : animations) {
        QMovie* old = label->movie();
        label->clear();
        delete old;
        auto* movie = new QMovie(QLatin1String(resource), "gif", label);
        label->setMovie(movie);
        movie->start();
    }
}

void TfrmFilmeria::showEvent(QShowEvent* event) {
    WorkWindow::showEvent(event);
    reloadAnimations();
}

void TfrmFilmeria::closeEvent(QCloseEvent* event) {
    event->accept();
    services_.quit();
}

} // namespace filmeria
