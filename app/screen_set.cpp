#include "app/screen_set.h"

#include "app/CambiaPassword.h"
#include "app/Filmeria.h"
#include "app/Info.h"
#include "app/Password.h"
#include "app/Splash.h"
#include "customers/Avanzate.h"
#include "customers/Clienti.h"
#include "customers/CodFisc.h"
#include "customers/Imminenti.h"
#include "customers/ImportaCliente.h"
#include "customers/PartitaIVA.h"
#include "customers/Tessera.h"
#include "films/ExpContatti.h"
#include "films/Films.h"
#include "films/ImportaFilm.h"
#include "films/RicercaFilm.h"
#include "films/Zoom.h"
#include "rentals/Azienda.h"
#include "rentals/Calendario.h"
#include "rentals/CercaNoleggio.h"
#include "rentals/CercaStorico.h"
#include "rentals/ExpNoleggi.h"
#include "rentals/Noleggi.h"
#include "rentals/StampaNoleggio.h"
#include "screenkit/HelpForm.h"

#include "core/posix_file.h"
#include "platform/qt_text.h"
#include "platform/services.h"

namespace filmeria {

template <typename Screen, typename... Args> std::unique_ptr<Screen> ScreenSet::create(Args&&... args) {
    auto screen = std::make_unique<Screen>(std::forward<Args>(args)...);
    creationOrder_ << screen->objectName();
    return screen;
}

template <typename Screen> ScreenRef<Screen> ScreenSet::later(std::unique_ptr<Screen> ScreenSet::*member) {
    return ScreenRef<Screen>([this, member]() -> Screen& { return *(this->*member); });
}

// The dialogs opened afresh for every use (customer search and picker, membership card, the
// customer and rental exports, letterhead, slip printing) keep a start-up instance the program
// never shows: it makes its controls only if it is ever shown.
ScreenSet::ScreenSet(Services& services)
    : services_(services) {
    frmPassword_ = create<TfrmPassword>(services, later(&ScreenSet::frmFilmeria_),
                                        later(&ScreenSet::frmCambiaPassword_));
    frmFilmeria_ = create<TfrmFilmeria>(
        services, MainWindowScreens{later(&ScreenSet::frmHelpForm_), later(&ScreenSet::frmInfo_),
                                    later(&ScreenSet::frmSplash_), later(&ScreenSet::frmFilms_),
                                    later(&ScreenSet::frmClienti_), later(&ScreenSet::frmNoleggi_),
                                    later(&ScreenSet::frmExpContatti_)});
    frmHelpForm_ = create<TfrmHelpForm>(services);
    frmInfo_ = create<TfrmInfo>(services);
    frmSplash_ = create<TfrmSplash>(services);
    frmFilms_ = create<TfrmFilms>(services, *frmHelpForm_, later(&ScreenSet::frmRicercaFilm_));
    frmZoom_ = create<TfrmZoom>();
    frmRicercaFilm_ = create<TfrmRicercaFilm>(services);
    frmClienti_ =
        create<TfrmClienti>(services, *frmHelpForm_, [this](const QString& name, const QString& card) {
            showRentalHistory(name, card);
        });
    frmCodFisc_ = create<TfrmCodFisc>(services);
    frmIva_ = create<TfrmIva>(services);
    frmTessera_ = create<TfrmTessera>(services, MembershipCard(), ControlsMade::OnFirstShow);
    frmNoleggi_ = create<TfrmNoleggi>(services, *frmHelpForm_, later(&ScreenSet::frmImportaFilm_),
                                      later(&ScreenSet::frmCercaNoleggio_));
    frmAvanzate_ = create<TfrmAvanzate>(services, ControlsMade::OnFirstShow);
    frmImminenti_ = create<TfrmImminenti>(services, *frmHelpForm_, ControlsMade::OnFirstShow);
    frmCalendario_ = create<TfrmCalendario>(services);
    frmImportaCliente_ = create<TfrmImportaCliente>(services, ControlsMade::OnFirstShow);
    frmImportaFilm_ = create<TfrmImportaFilm>(services);
    frmAzienda_ = create<TfrmAzienda>(services, ControlsMade::OnFirstShow);
    frmExpNoleggi_ = create<TfrmExpNoleggi>(services, *frmHelpForm_, QString(), ControlsMade::OnFirstShow);
    frmCercaNoleggio_ = create<TfrmCercaNoleggio>(services);
    frmCercaStorico_ = create<TfrmCercaStorico>(services);
    frmExpContatti_ = create<TfrmExpContatti>(services, *frmHelpForm_);
    frmStampaNoleggio_ = create<TfrmStampaNoleggio>(services, RentalRecord(), ControlsMade::OnFirstShow);
    frmCambiaPassword_ = create<TfrmCambiaPassword>(services, *frmPassword_);

    const FilmOutNote note = [this](const QString& code) { return filmOutNote(code); };
    frmFilms_->setFilmOutNote(note);
    frmRicercaFilm_->setFilmOutNote(note);
    frmImportaFilm_->setFilmOutNote(note);

    // However a work screen closes, the main window comes back.
    for (WorkScreen* work :
         {static_cast<WorkScreen*>(frmFilms_.get()), static_cast<WorkScreen*>(frmClienti_.get()),
          static_cast<WorkScreen*>(frmNoleggi_.get())})
        work->setClosedHandler([this] { frmFilmeria_->showMain(); });
}

QString ScreenSet::filmOutNote(const QString& code) {
    try {
        const QDate today = services_.clock.today();
        if (const std::optional<FilmOut> film = whereabouts_.filmOut(
                services_.folder.toStdString(), toCp1252(code), {today.year(), today.month(), today.day()}))
            return fromCp1252(filmeria::filmOutNote(*film));
    } catch (const ArchiveError&) {
        // The line is a help to the clerk: slips that cannot be read leave it empty.
    }
    return {};
}

void ScreenSet::showRentalHistory(const QString& name, const QString& card) {
    TfrmCercaStorico& history = *frmCercaStorico_;
    history.presetCustomer(name, card);
    history.setTitle(QStringLiteral("Ricerca schede noleggio anno ") +
                     services_.clock.today().toString(QStringLiteral("yyyy")));
    services_.dialogs.exec(history);
}

// The members go in reverse order of declaration, which is the order of creation: later screens
// first, so no screen outlives one it refers to.
ScreenSet::~ScreenSet() = default;

} // namespace filmeria
