#pragma once
// TfrmFilms: the film card, one film of Film.db at a time with its poster.
#include "films/film_out_note.h"
#include "films/film_store.h"
#include "screenkit/card_screen.h"
#include "screenkit/screen_ref.h"

#include <QPixmap>
#include <exception>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace filmeria {

class PictureButtons;
class TfrmHelpForm;
class TfrmRicercaFilm;
struct Services;

class TfrmFilms final : public CardScreen {
public:
    TfrmFilms(Services& services, TfrmHelpForm& help, ScreenRef<TfrmRicercaFilm> filmSearch);

    // Fills the card from the current row of a result holding whole film rows.
    void ShowFilmOnCard(const TSQLiteTable& result);
    // Shows the film with this number, read (poster included) on the card's own connection.
    void showFilmById(std::int64_t id);
    void ClearCard();
    // Where the shown film is, asked each time a film is shown.
    void setFilmOutNote(FilmOutNote note) { filmOutNote_ = std::move(note); }
    // An empty poster area gets the placeholder picture.
    void showPlaceholderIfEmpty();
    void showWhereabouts();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFields();
    void buildPoster();
    void buildCommands();
    std::vector<std::pair<FilmField, QWidget*>> filmFields() const;
    QString fieldText(FilmField field) const;
    void setFieldText(FilmField field, const QString& text);
    FilmRow rowFromCard() const;
    std::string folder() const;
    // The poster shown; `bytes` are its file's own bytes (none for the placeholder).
    void setPoster(const QPixmap& picture, std::string bytes = {});
    void exportCard();
    void openFirst();

    void navigate(const FilmQuery& query);
    void save();
    // The two required fields, with the message of the save ("salvare" or "aggiornare").
    bool titleAndCodePresent(const char* action);
    void saveNew();
    void saveChanges();
    void tellNotSaved(const std::exception& failure);
    void deleteFilm();
    void search();
    void searchWeb();
    void openWebSite();
    void normaliseWebAddress();
    void choosePoster();
    // What Salva stores as the poster: the chosen file, or the JPEG made of it.
    PosterSource chosenPoster() const;
    void forgetChosenPoster();
    void zoom();
    // The "Nessuna locandina" picture, kept in imgTemp once decoded.
    QPixmap placeholder();
    void compact();

    TfrmHelpForm& help_;
    ScreenRef<TfrmRicercaFilm> filmSearch_;
    FilmOutNote filmOutNote_;
    QLabel* lblNoleggio;
    FilmStoreSlots slots_;
    QPixmap poster_;          // the picture shown, at its own size
    std::string posterBytes_; // its JPEG bytes as stored or chosen; empty for the placeholder
    std::string madeJpeg_;    // the JPEG made of a chosen picture in another format, for Salva

    QGroupBox* grpProdotto;
    QGroupBox* grpPrezzo;
    QGroupBox* grpFoto;
    QGroupBox* grpControlli;
    QLineEdit* txtTitolo;
    QLineEdit* txtNazione;
    QLineEdit* txtAnno;
    QComboBox* txtGenere;
    QLineEdit* txtDurata;
    QLineEdit* txtRegista;
    QLineEdit* txtDistributore;
    QLineEdit* txtCast;
    QLineEdit* txtOriginale;
    QLineEdit* txtSottotitoli;
    QLineEdit* txtLingue;
    QLineEdit* txtPrezzo;
    QComboBox* txtSupporto;
    QComboBox* txtDisponibile;
    QPlainTextEdit* txtTrama;
    QLineEdit* txtCodice;
    QLineEdit* txtWeb;
    QPushButton* cmdWeb;
    QLabel* imgFoto;
    QLabel* imgTemp;
    QLabel* imgZoom;
    QPushButton* cmdFoto;
    QLineEdit* txtFoto;
    QLabel* imgVacuum;
    QLabel* lblPosizione;
};

} // namespace filmeria
