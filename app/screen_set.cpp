#include "app/screen_set.h"

#include "app/CambiaPassword.h"
#include "app/Filmeria.h"
#include "app/Info.h"
#include "app/Password.h"
#include "app/Splash.h"
#include "customers/Avanzate.h"
#include "customers/Clienti.h"
#include "customers/CodFisc.h"
#include "customers/ImportaCliente.h"
#include "customers/PartitaIVA.h"
#include "customers/Tessera.h"
#include "films/Films.h"
#include "films/ImportaFilm.h"
#include "films/RicercaFilm.h"
#include "films/Zoom.h"
#include "office/ExpContatti.h"
#include "office/ExpNoleggi.h"
#include "office/Imminenti.h"
#include "rentals/Azienda.h"
#include "rentals/Calendario.h"
#include "rentals/CercaNoleggio.h"
#include "rentals/CercaStorico.h"
#include "rentals/Noleggi.h"
#include "rentals/StampaNoleggio.h"
#include "screenkit/HelpForm.h"

namespace filmeria {

template <typename Screen> std::unique_ptr<Screen> ScreenSet::create(Services& services) {
    auto screen = std::make_unique<Screen>(services, *this);
    creationOrder_ << screen->objectName();
    return screen;
}

ScreenSet::ScreenSet(Services& services) {
    frmPassword_ = create<TfrmPassword>(services);
    frmFilmeria_ = create<TfrmFilmeria>(services);
    frmHelpForm_ = create<TfrmHelpForm>(services);
    frmInfo_ = create<TfrmInfo>(services);
    frmSplash_ = create<TfrmSplash>(services);
    frmFilms_ = create<TfrmFilms>(services);
    frmZoom_ = create<TfrmZoom>(services);
    frmRicercaFilm_ = create<TfrmRicercaFilm>(services);
    frmClienti_ = create<TfrmClienti>(services);
    frmCodFisc_ = create<TfrmCodFisc>(services);
    frmIva_ = create<TfrmIva>(services);
    frmTessera_ = create<TfrmTessera>(services);
    frmNoleggi_ = create<TfrmNoleggi>(services);
    frmAvanzate_ = create<TfrmAvanzate>(services);
    frmImminenti_ = create<TfrmImminenti>(services);
    frmCalendario_ = create<TfrmCalendario>(services);
    frmImportaCliente_ = create<TfrmImportaCliente>(services);
    frmImportaFilm_ = create<TfrmImportaFilm>(services);
    frmAzienda_ = create<TfrmAzienda>(services);
    frmExpNoleggi_ = create<TfrmExpNoleggi>(services);
    frmCercaNoleggio_ = create<TfrmCercaNoleggio>(services);
    frmCercaStorico_ = create<TfrmCercaStorico>(services);
    frmExpContatti_ = create<TfrmExpContatti>(services);
    frmStampaNoleggio_ = create<TfrmStampaNoleggio>(services);
    frmCambiaPassword_ = create<TfrmCambiaPassword>(services);
}

// Later screens go first, so no screen outlives one it refers to.
ScreenSet::~ScreenSet() {
    frmCambiaPassword_.reset();
    frmStampaNoleggio_.reset();
    frmExpContatti_.reset();
    frmCercaStorico_.reset();
    frmCercaNoleggio_.reset();
    frmExpNoleggi_.reset();
    frmAzienda_.reset();
    frmImportaFilm_.reset();
    frmImportaCliente_.reset();
    frmCalendario_.reset();
    frmImminenti_.reset();
    frmAvanzate_.reset();
    frmNoleggi_.reset();
    frmTessera_.reset();
    frmIva_.reset();
    frmCodFisc_.reset();
    frmClienti_.reset();
    frmRicercaFilm_.reset();
    frmZoom_.reset();
    frmFilms_.reset();
    frmSplash_.reset();
    frmInfo_.reset();
    frmHelpForm_.reset();
    frmFilmeria_.reset();
    frmPassword_.reset();
}

} // namespace filmeria
