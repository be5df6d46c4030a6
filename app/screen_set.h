#pragma once
// The owner of the program's screens, the one place that knows them all: it creates the 25
// start-up screens once, in their fixed order, keeps them for the whole run, hands each one
// the start-up dialogs it opens and brings the main window back when a work screen closes.
#include "rentals/film_whereabouts.h"
#include "screenkit/screen_ref.h"

#include <QStringList>

#include <memory>

namespace filmeria {

struct Services;
class TfrmPassword;
class TfrmFilmeria;
class TfrmHelpForm;
class TfrmInfo;
class TfrmSplash;
class TfrmFilms;
class TfrmZoom;
class TfrmRicercaFilm;
class TfrmClienti;
class TfrmCodFisc;
class TfrmIva;
class TfrmTessera;
class TfrmNoleggi;
class TfrmAvanzate;
class TfrmImminenti;
class TfrmCalendario;
class TfrmImportaCliente;
class TfrmImportaFilm;
class TfrmAzienda;
class TfrmExpNoleggi;
class TfrmCercaNoleggio;
class TfrmCercaStorico;
class TfrmExpContatti;
class TfrmStampaNoleggio;
class TfrmCambiaPassword;

class ScreenSet {
public:
    explicit ScreenSet(Services& services);
    ~ScreenSet();
    ScreenSet(const ScreenSet&) = delete;
    ScreenSet& operator=(const ScreenSet&) = delete;

    // The object names of the screens in the order they were created.
    const QStringList& creationOrder() const { return creationOrder_; }

    TfrmPassword& password() const { return *frmPassword_; }
    TfrmFilmeria& filmeria() const { return *frmFilmeria_; }
    TfrmHelpForm& helpForm() const { return *frmHelpForm_; }
    TfrmInfo& info() const { return *frmInfo_; }
    TfrmSplash& splash() const { return *frmSplash_; }
    TfrmFilms& films() const { return *frmFilms_; }
    TfrmZoom& zoom() const { return *frmZoom_; }
    TfrmRicercaFilm& ricercaFilm() const { return *frmRicercaFilm_; }
    TfrmClienti& clienti() const { return *frmClienti_; }
    TfrmCodFisc& codFisc() const { return *frmCodFisc_; }
    TfrmIva& iva() const { return *frmIva_; }
    TfrmTessera& tessera() const { return *frmTessera_; }
    TfrmNoleggi& noleggi() const { return *frmNoleggi_; }
    TfrmAvanzate& avanzate() const { return *frmAvanzate_; }
    TfrmImminenti& imminenti() const { return *frmImminenti_; }
    TfrmCalendario& calendario() const { return *frmCalendario_; }
    TfrmImportaCliente& importaCliente() const { return *frmImportaCliente_; }
    TfrmImportaFilm& importaFilm() const { return *frmImportaFilm_; }
    TfrmAzienda& azienda() const { return *frmAzienda_; }
    TfrmExpNoleggi& expNoleggi() const { return *frmExpNoleggi_; }
    TfrmCercaNoleggio& cercaNoleggio() const { return *frmCercaNoleggio_; }
    TfrmCercaStorico& cercaStorico() const { return *frmCercaStorico_; }
    TfrmExpContatti& expContatti() const { return *frmExpContatti_; }
    TfrmStampaNoleggio& stampaNoleggio() const { return *frmStampaNoleggio_; }
    TfrmCambiaPassword& cambiaPassword() const { return *frmCambiaPassword_; }

private:
    template <typename Screen, typename... Args> std::unique_ptr<Screen> create(Args&&... args);
    // A screen created later than the one that opens it, reached at the time of use.
    template <typename Screen> ScreenRef<Screen> later(std::unique_ptr<Screen> ScreenSet::*member);
    // The customer card's "Visualizza noleggi anno corrente": the history search, preset.
    void showRentalHistory(const QString& name, const QString& card);
    // The film screens' line for a film out, from the rental slips.
    QString filmOutNote(const QString& code);

    Services& services_;
    FilmWhereabouts whereabouts_; // shared by the film card, the film search and the film picker
    QStringList creationOrder_;
    std::unique_ptr<TfrmPassword> frmPassword_;
    std::unique_ptr<TfrmFilmeria> frmFilmeria_;
    std::unique_ptr<TfrmHelpForm> frmHelpForm_;
    std::unique_ptr<TfrmInfo> frmInfo_;
    std::unique_ptr<TfrmSplash> frmSplash_;
    std::unique_ptr<TfrmFilms> frmFilms_;
    std::unique_ptr<TfrmZoom> frmZoom_;
    std::unique_ptr<TfrmRicercaFilm> frmRicercaFilm_;
    std::unique_ptr<TfrmClienti> frmClienti_;
    std::unique_ptr<TfrmCodFisc> frmCodFisc_;
    std::unique_ptr<TfrmIva> frmIva_;
    std::unique_ptr<TfrmTessera> frmTessera_;
    std::unique_ptr<TfrmNoleggi> frmNoleggi_;
    std::unique_ptr<TfrmAvanzate> frmAvanzate_;
    std::unique_ptr<TfrmImminenti> frmImminenti_;
    std::unique_ptr<TfrmCalendario> frmCalendario_;
    std::unique_ptr<TfrmImportaCliente> frmImportaCliente_;
    std::unique_ptr<TfrmImportaFilm> frmImportaFilm_;
    std::unique_ptr<TfrmAzienda> frmAzienda_;
    std::unique_ptr<TfrmExpNoleggi> frmExpNoleggi_;
    std::unique_ptr<TfrmCercaNoleggio> frmCercaNoleggio_;
    std::unique_ptr<TfrmCercaStorico> frmCercaStorico_;
    std::unique_ptr<TfrmExpContatti> frmExpContatti_;
    std::unique_ptr<TfrmStampaNoleggio> frmStampaNoleggio_;
    std::unique_ptr<TfrmCambiaPassword> frmCambiaPassword_;
};

} // namespace filmeria
