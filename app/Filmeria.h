#pragma once
// TfrmFilmeria: the main window, the way into the three work environments.
#include "films/film_store.h"
#include "screenkit/screen_ref.h"
#include "screenkit/work_window.h"

#include <array>

class QFrame;
class QLabel;
class QMovie;

namespace filmeria {

class PictureButtons;
struct Services;
class TfrmClienti;
class TfrmExpContatti;
class TfrmFilms;
class TfrmHelpForm;
class TfrmInfo;
class TfrmNoleggi;
class TfrmSplash;

// The screens the main window opens; all are created after it.
struct MainWindowScreens {
    ScreenRef<TfrmHelpForm> help;
    ScreenRef<TfrmInfo> info;
    ScreenRef<TfrmSplash> splash;
    ScreenRef<TfrmFilms> films;
    ScreenRef<TfrmClienti> clienti;
    ScreenRef<TfrmNoleggi> noleggi;
    ScreenRef<TfrmExpContatti> expContatti;
};

class TfrmFilmeria final : public WorkWindow {
public:
    TfrmFilmeria(Services& services, MainWindowScreens screens);

    // Makes the window visible and brings it to the front.
    void showMain();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void reloadAnimations();
    void openWorkScreen(QWidget& screen);
    void exportFilms();
    void openReturnsDesk();
    void openStatistics();

    Services& services_;
    MainWindowScreens screens_;
    FilmStoreSlots store_; // the main window's own connection, kept until the next export
    PictureButtons* buttons_;
    QLabel* imgLogo;
    QFrame* shpOmbra;
    QFrame* shpControlli;
    QLabel* imgGuida;
    QLabel* imgInfo;
    QLabel* imgCopyright;
    QLabel* imgShortFilm01;
    QLabel* imgEsci;
    QLabel* imgFilm;
    QLabel* titFilm;
    QLabel* imgClienti;
    QLabel* titClienti;
    QLabel* imgNoleggi;
    QLabel* titNoleggi;
    QLabel* imgRientri;
    QLabel* titRientri;
    QLabel* imgStatistiche;
    QLabel* titStatistiche;
    QLabel* imgEsporta;
    QLabel* imgExcel;
    QLabel* imgLongFilm01;
    QLabel* imgLongFilm02;
    QLabel* imgShortFilm02;
    QLabel* lblCopyright;
};

} // namespace filmeria
