#include "films/Films.h"

#include "core/posix_file.h"

#include "core/text_rules.h"
#include "films/RicercaFilm.h"
#include "films/Zoom.h"
#include "films/poster_import.h"
#include "films/web_address.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/HelpForm.h"
#include "screenkit/action_guard.h"
#include "screenkit/amount_fields.h"
#include "screenkit/arrow_strip.h"
#include "screenkit/busy_cursor.h"
#include "screenkit/card_export.h"
#include "screenkit/combo_field.h"
#include "screenkit/controls.h"
#include "screenkit/desktop_outcome.h"
#include "screenkit/enter_keys.h"
#include "screenkit/field_highlight.h"
#include "screenkit/font_on_show.h"
#include "screenkit/lazy_picture.h"
#include "screenkit/picture_buttons.h"
#include "screenkit/program_formats.h"
#include "screenkit/screen_style.h"
#include "screenkit/status_panel.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace filmeria {
namespace {

const QStringList kGenres = {"Animazione",
                             "Avventura",
                             "Azione",
                             "Colossal",
                             "Comico",
                             "Commedia",
                             "Didattico",
                             "Documentario",
                             "Drammatico",
                             "Erotico",
                             "Fantascienza",
                             "Fantastico",
                             "Favola per bambini",
                             "Giallo",
                             "Grottesco",
                             "Guerra",
                             "Hard",
                             "Hobby e sport",
                             "Horror",
                             "Musicale",
                             "Noir",
                             "Poliziesco",
                             "Pulp fiction",
                             "Sentimentale",
                             "Serial TV",
                             "Spionaggio",
                             "Storico",
                             "Thriller",
                             "Tragicommedia",
                             "Video amatoriale",
                             "Western"};
const QStringList kMedia = {"DivX", "DVD", "Pellicola", "Super video CD", "Video CD", "Videocassetta"};
const QString kPosterDialogTitle = QStringLiteral("Selezionare un'immagine in formato JPEG e premere Apri:");
const QString kPosterFilters = QStringLiteral(
    "File JPEG (*.jpg *.jpeg);;JPG (*.jpg);;JPEG (*.jpeg);;Altre immagini (*.png *.webp *.bmp *.gif)");

QLabel* caption(QWidget* parent, const QString& text, QRect geometry) {
    return makeFieldCaption(parent, text, geometry);
}

QLineEdit* edit(QWidget* parent, const char* name, QRect geometry, int maxLength = 32767) {
    return makeEditField(parent, QLatin1String(name), maxLength, geometry, style::verdana(8, true),
                         style::kMoneyGreen);
}

QComboBox* combo(QWidget* parent, const char* name, QRect geometry, const QStringList& items,
                 bool editable = true) {
    auto* c = new ComboField(parent, style::verdana(8, true));
    c->setObjectName(QLatin1String(name));
    if (editable)
        makeEditable(c);
    c->addItems(items);
    if (editable) {
        c->setInsertPolicy(QComboBox::NoInsert);
        acceptOnlyCp1252(c->lineEdit());
    }
    c->setGeometry(geometry);
    highlightOnFocus(c, style::kMoneyGreen);
    return c;
}

// The availability list is picked from, never typed into.
class NoTyping final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const QString text = static_cast<QKeyEvent*>(event)->text();
        return !text.isEmpty() && text.at(0).unicode() >= 0x20;
    }
};

} // namespace

TfrmFilms::TfrmFilms(Services& services, TfrmHelpForm& help, ScreenRef<TfrmRicercaFilm> filmSearch)
    : CardScreen(services, QStringLiteral(" Filmeria Pro - Archivio film"))
    , help_(help)
    , filmSearch_(std::move(filmSearch)) {
    setObjectName("frmFilms");
    buildFields();
    buildPoster();
    buildCommands();
    for (QWidget* area : {static_cast<QWidget*>(this), static_cast<QWidget*>(grpContainer),
                          static_cast<QWidget*>(grpControlli), static_cast<QWidget*>(grpFoto),
                          static_cast<QWidget*>(grpPrezzo), static_cast<QWidget*>(grpProdotto)})
        buttons_->addResetArea(area);
}

void TfrmFilms::buildFields() {
    grpProdotto = new QGroupBox(grpContainer);
    grpProdotto->setObjectName("grpProdotto");
    grpProdotto->setGeometry(8, 4, 360, 504);
    QWidget* g = grpProdotto;
    const int left = 10;
    const int right = 184;
    const int half = 166;
    const int full = 340;
    const auto row = [](int k) { return 8 + k * 40; };
    caption(g, QStringLiteral("Titolo film"), {left, row(0), full, 14});
    txtTitolo = edit(g, "txtTitolo", {left, row(0) + 14, full, 22});
    QPalette maroon = txtTitolo->palette();
    maroon.setColor(QPalette::Text, QColor(128, 0, 0));
    txtTitolo->setPalette(maroon);
    caption(g, QStringLiteral("Nazione"), {left, row(1), half, 14});
    txtNazione = edit(g, "txtNazione", {left, row(1) + 14, half, 22});
    caption(g, QStringLiteral("Anno"), {right, row(1), half, 14});
    txtAnno = edit(g, "txtAnno", {right, row(1) + 14, half, 22});
    caption(g, QStringLiteral("Genere"), {left, row(2), half, 14});
    txtGenere = combo(g, "txtGenere", {left, row(2) + 14, half, 22}, kGenres, true);
    caption(g, QStringLiteral("Durata"), {right, row(2), half, 14});
    txtDurata = edit(g, "txtDurata", {right, row(2) + 14, half, 22});
    caption(g, QStringLiteral("Regista"), {left, row(3), half, 14});
    txtRegista = edit(g, "txtRegista", {left, row(3) + 14, half, 22});
    caption(g, QStringLiteral("Distributore"), {right, row(3), half, 14});
    txtDistributore = edit(g, "txtDistributore", {right, row(3) + 14, half, 22});
    caption(g, QStringLiteral("Cast"), {left, row(4), full, 14});
    txtCast = edit(g, "txtCast", {left, row(4) + 14, full, 22});
    caption(g, QStringLiteral("Titolo originale"), {left, row(5), full, 14});
    txtOriginale = edit(g, "txtOriginale", {left, row(5) + 14, full, 22});
    caption(g, QStringLiteral("Sottotitoli"), {left, row(6), half, 14});
    txtSottotitoli = edit(g, "txtSottotitoli", {left, row(6) + 14, half, 22});
    caption(g, QStringLiteral("Lingue audio"), {right, row(6), half, 14});
    txtLingue = edit(g, "txtLingue", {right, row(6) + 14, half, 22});
    caption(g, QStringLiteral("Prezzo"), {left, row(7), half, 14});
    txtPrezzo = edit(g, "txtPrezzo", {left, row(7) + 14, half, 22}, 16);
    txtPrezzo->setAlignment(Qt::AlignRight);
    caption(g, QStringLiteral("Supporto"), {right, row(7), half, 14});
    txtSupporto = combo(g, "txtSupporto", {right, row(7) + 14, half, 22}, kMedia, true);
    caption(g, QStringLiteral("Disponibile"), {left, row(8), half, 14});
    txtDisponibile =
        combo(g, "txtDisponibile", {left, row(8) + 14, half, 22}, {"No", QString::fromUtf8("Sì")}, true);
    txtDisponibile->lineEdit()->setReadOnly(true);
    txtDisponibile->installEventFilter(new NoTyping(txtDisponibile));
    txtDisponibile->lineEdit()->installEventFilter(new NoTyping(txtDisponibile));
    // Beside the stored availability, which the clerk keeps: whether a slip has the film out.
    lblNoleggio = makeLabel(g, {}, {right, row(8), half, 36}, style::verdana(7, true), QColor(128, 0, 0),
                            QStringLiteral("lblNoleggio"));
    lblNoleggio->setWordWrap(true);
    caption(g, QStringLiteral("Trama"), {left, row(9), full, 14});
    txtTrama = new QPlainTextEdit(g);
    txtTrama->setObjectName("txtTrama");
    setFontOnShow(txtTrama, style::verdana(8, true));
    txtTrama->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtTrama->setTabChangesFocus(true);
    txtTrama->setGeometry(left, row(9) + 14, full, 480 - row(9) - 14 + 16);
    acceptOnlyCp1252(txtTrama);
    highlightOnFocus(txtTrama, style::kMoneyGreen);

    grpPrezzo = new QGroupBox(grpContainer);
    grpPrezzo->setObjectName("grpPrezzo");
    grpPrezzo->setGeometry(376, 404, 261, 104);
    caption(grpPrezzo, QStringLiteral("Codice:"), {10, 8, 240, 14});
    txtCodice = edit(grpPrezzo, "txtCodice", {10, 22, 240, 22});
    caption(grpPrezzo, QStringLiteral("Sito Web:"), {10, 52, 240, 14});
    txtWeb = edit(grpPrezzo, "txtWeb", {10, 66, 190, 22});
    cmdWeb = new QPushButton(QStringLiteral("Vai"), grpPrezzo);
    cmdWeb->setObjectName("cmdWeb");
    cmdWeb->setGeometry(204, 65, 46, 24);
    cmdWeb->setFocusPolicy(Qt::NoFocus);
    cmdWeb->setEnabled(false);

    makeAmountField(txtPrezzo, AmountKind::RowMoney, services_.dialogs, this);
    chainOnEnter({txtTitolo, txtNazione, txtAnno, txtGenere, txtDurata, txtRegista, txtDistributore, txtCast,
                  txtOriginale, txtSottotitoli, txtLingue, txtPrezzo, txtSupporto, txtDisponibile});
    onEnter(txtDisponibile, services_.dialogs, [] {}); // the chain stops here
    chainOnEnter({txtTrama, txtCodice, txtWeb, txtTitolo});
    const QWidget* order[] = {txtTitolo,  txtNazione,      txtAnno,     txtGenere,      txtDurata,
                              txtRegista, txtDistributore, txtCast,     txtOriginale,   txtSottotitoli,
                              txtLingue,  txtPrezzo,       txtSupporto, txtDisponibile, txtTrama,
                              txtCodice,  txtWeb};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));

    connect(txtWeb, &QLineEdit::textChanged, this,
            [this](const QString& text) { cmdWeb->setEnabled(!text.isEmpty()); });
    txtWeb->installEventFilter(this); // normalised whenever the field is left
    onClick(cmdWeb, services_.dialogs, [this] { openWebSite(); });
    buttons_->addStatusText(cmdWeb, QStringLiteral(" Visita il sito Internet dedicato al film."));
}

void TfrmFilms::buildPoster() {
    grpFoto = new QGroupBox(grpContainer);
    grpFoto->setObjectName("grpFoto");
    grpFoto->setGeometry(376, 4, 261, 396);
    imgFoto = new QLabel(grpFoto);
    imgFoto->setObjectName("imgFoto");
    imgFoto->setGeometry(8, 10, 245, 328);
    imgFoto->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgFoto->setFrameStyle(QFrame::Box);
    imgTemp = new QLabel(grpFoto);
    imgTemp->setObjectName("imgTemp");
    imgTemp->hide(); // holds the placeholder, decoded when first needed
    imgZoom = new QLabel(grpFoto);
    imgZoom->setObjectName("imgZoom");
    setPictureOnShow(imgZoom, QStringLiteral(":/pictures/icon_zoom.png"));
    imgZoom->setToolTip(QStringLiteral(" Visualizza locandina nelle sue dimensioni reali "));
    imgZoom->setGeometry(228, 313, 22, 22);
    cmdFoto = new QPushButton(QStringLiteral("Importa foto locandina"), grpFoto);
    cmdFoto->setObjectName("cmdFoto");
    cmdFoto->setFocusPolicy(Qt::NoFocus);
    cmdFoto->setGeometry(8, 348, 245, 36);
    txtFoto = new QLineEdit(grpFoto);
    txtFoto->setObjectName("txtFoto");
    txtFoto->setReadOnly(true);
    txtFoto->setMaxLength(255);
    txtFoto->hide();
    onClick(cmdFoto, services_.dialogs, [this] { choosePoster(); });
    buttons_->add(imgZoom, nullptr, {}, [this] { zoom(); });
}

void TfrmFilms::buildCommands() {
    grpControlli = new QGroupBox(grpContainer);
    grpControlli->setObjectName("grpControlli");
    grpControlli->setGeometry(645, 4, 126, 452);
    const std::vector<PictureCommand> commands = {
        {"imgNuovo", "lblNuovo", "Nuovo", ":/pictures/cmd_nuovo.png",
         " Prepara la schermata ad accogliere una nuova scheda.", [this] { ClearCard(); }},
        {"imgSalva", "lblSalva", "Salva", ":/pictures/cmd_salva.png",
         " Salva in archivio i dati relativi alla scheda corrente oppure aggiorna la scheda esistente.",
         [this] { save(); }},
        {"imgTrova", "lblTrova", "Cerca", ":/pictures/cmd_trova.png", " Cerca una scheda in archivio.",
         [this] { search(); }},
        // The Word export of the card comes with the office exports.
        {"imgEsporta", "lblEsporta", "Esporta scheda", ":/pictures/cmd_word.png",
         " Esporta la scheda corrente in un file di Microsoft Word.", [this] { exportCard(); }},
        {"imgRiepilogo", "lblRiepilogo", "Cerca sul Web", ":/pictures/cmd_web.png",
         " Cerca sul Web, tramite Google, informazioni relative al film corrente.", [this] { searchWeb(); }},
        {"imgElimina", "lblElimina", "Elimina", ":/pictures/cmd_elimina.png",
         " Elimina dall'archivio la scheda corrente.", [this] { deleteFilm(); }},
        {"imgGuida", "lblGuida", "Guida", ":/pictures/icon_guida.png", " Visualizza la guida in linea.",
         [this] { help_.showTopic(HelpTopicId::Films); }},
        {"imgEsci", "lblEsci", "Esci", ":/pictures/icon_esci.png",
         " Esce dalla schermata di lavoro corrente.", [this] { close(); }},
    };
    for (const auto& [image, label] : addPictureCommands(*buttons_, grpControlli, commands, [](int i) {
             const int y = 34 + i * 52;
             return std::pair{QRect(47, y, 32, 32), QRect(4, y + 33, 118, 16)};
         }))
        label->setAlignment(Qt::AlignCenter);
    imgVacuum = new QLabel(grpControlli);
    imgVacuum->setObjectName("imgVacuum");
    setPictureOnShow(imgVacuum, QStringLiteral(":/pictures/icon_vacuum.png"));
    imgVacuum->setToolTip(QStringLiteral(" Ottimizza archivio "));
    imgVacuum->setGeometry(96, 6, 24, 24);
    buttons_->add(imgVacuum, nullptr, {}, [this] { compact(); });

    // The film card moves by film number, not by position: a new card goes to the first film.
    lblPosizione = addArrowStrip(
        *buttons_, grpContainer,
        {{QRect(641, 466, 24, 24), QRect(665, 466, 24, 24), QRect(730, 466, 24, 24), QRect(754, 466, 24, 24)},
         QRect(690, 466, 38, 24),
         9,
         style::kWhite},
        [this](NavigationStep step) {
            const QString box = lblPosizione->text().trimmed();
            switch (step) {
            case NavigationStep::First:
                return navigate(FirstFilmQuery());
            case NavigationStep::Previous:
                return navigate(box.isEmpty() ? FirstFilmQuery() : PreviousFilmQuery(box.toLongLong()));
            case NavigationStep::Next:
                return navigate(box.isEmpty() ? FirstFilmQuery() : NextFilmQuery(box.toLongLong()));
            case NavigationStep::Last:
                return navigate(LastFilmQuery());
            }
        });
}

std::string TfrmFilms::folder() const {
    return services_.folder.toStdString();
}

std::vector<std::pair<FilmField, QWidget*>> TfrmFilms::filmFields() const {
    return {{FilmField::varTitolo, txtTitolo},
            {FilmField::varNazione, txtNazione},
            {FilmField::varAnno, txtAnno},
            {FilmField::varGenere, txtGenere},
            {FilmField::varDurata, txtDurata},
            {FilmField::varRegista, txtRegista},
            {FilmField::varDistributore, txtDistributore},
            {FilmField::varCast, txtCast},
            {FilmField::varOriginale, txtOriginale},
            {FilmField::varSottotitoli, txtSottotitoli},
            {FilmField::varLingue, txtLingue},
            {FilmField::varPrezzo, txtPrezzo},
            {FilmField::varSupporto, txtSupporto},
            {FilmField::varDisponibile, txtDisponibile},
            {FilmField::varTrama, txtTrama},
            {FilmField::varCodice, txtCodice},
            {FilmField::varWeb, txtWeb}};
}

QString TfrmFilms::fieldText(FilmField field) const {
    for (const auto& [f, w] : filmFields()) {
        if (f != field)
            continue;
        if (auto* e = qobject_cast<QLineEdit*>(w))
            return e->text();
        if (auto* c = qobject_cast<QComboBox*>(w))
            return c->currentText();
        // The plot keeps Windows line breaks in the archive.
        return memoText(static_cast<QPlainTextEdit*>(w)).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }
    return {};
}

void TfrmFilms::setFieldText(FilmField field, const QString& text) {
    for (const auto& [f, w] : filmFields()) {
        if (f != field)
            continue;
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            e->setText(text);
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            c->setEditText(text); // the lists take any text, listed or not
        } else {
            static_cast<QPlainTextEdit*>(w)->setPlainText(displayText(text));
        }
    }
}

FilmRow TfrmFilms::rowFromCard() const {
    FilmRow row;
    for (const auto& [f, w] : filmFields())
        row[f] = toCp1252(fieldText(f));
    return row;
}

void TfrmFilms::setPoster(const QPixmap& picture, std::string bytes) {
    poster_ = picture;
    posterBytes_ = std::move(bytes);
    if (picture.isNull()) {
        imgFoto->clear();
        return;
    }
    // A larger picture is shrunk to fit keeping its proportions; a smaller one keeps its size.
    const QSize area = imgFoto->size();
    imgFoto->setPixmap(picture.width() > area.width() || picture.height() > area.height()
                           ? picture.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                           : picture);
}

void TfrmFilms::showPlaceholderIfEmpty() {
    if (poster_.isNull())
        setPoster(placeholder());
}

void TfrmFilms::ShowFilmOnCard(const TSQLiteTable& result) {
    setPoster({});
    forgetChosenPoster();
    const FilmRow row = ReadFilmRow(result);
    lblPosizione->setText(QString::number(row.ID));
    for (const auto& [f, w] : filmFields())
        setFieldText(f, fromCp1252(row[f]));
    if (row.picture) {
        QPixmap picture;
        if (!picture.loadFromData(reinterpret_cast<const uchar*>(row.picture->data()),
                                  static_cast<uint>(row.picture->size()), "JPEG"))
            throw std::runtime_error("Impossibile visualizzare la locandina: l'immagine JPEG non è valida");
        setPoster(picture, *row.picture);
    }
    showWhereabouts();
}

void TfrmFilms::showWhereabouts() {
    const QString code = txtCodice->text().trimmed();
    lblNoleggio->setText(filmOutNote_ && !code.isEmpty() ? filmOutNote_(code) : QString());
}

void TfrmFilms::showFilmById(std::int64_t id) {
    if (slots_.reopenWith(folder(), FilmByIdQuery(id)).First())
        ShowFilmOnCard(*slots_.result);
    showPlaceholderIfEmpty();
}

void TfrmFilms::ClearCard() {
    setPoster(placeholder());
    lblPosizione->clear();
    lblNoleggio->clear();
    forgetChosenPoster();
    for (const auto& [f, w] : filmFields())
        setFieldText(f, QString());
    txtDisponibile->setCurrentText(QString::fromUtf8("Sì"));
    txtWeb->setText(QStringLiteral("http://"));
    txtTitolo->setFocus();
}

void TfrmFilms::openFirst() {
    if (slots_.reopenWith(folder(), FirstFilmQuery()).First())
        ShowFilmOnCard(*slots_.result);
    showPlaceholderIfEmpty();
}

void TfrmFilms::showEvent(QShowEvent* event) {
    WorkScreen::showEvent(event);
    if (event->spontaneous())
        return;
    runGuarded(services_.dialogs, this, [this] { openFirst(); });
    ClearCard();
}

bool TfrmFilms::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtWeb && event->type() == QEvent::FocusOut &&
        leavesTheField(static_cast<QFocusEvent*>(event)))
        normaliseWebAddress();
    return CardScreen::eventFilter(watched, event);
}

void TfrmFilms::closeEvent(QCloseEvent* event) {
    try {
        slots_.reopenWith(folder(), FirstFilmQuery());
    } catch (const std::exception&) {
        // Closing goes on whatever the archive says.
    }
    WorkScreen::closeEvent(event);
}

void TfrmFilms::navigate(const FilmQuery& query) {
    if (slots_.reopenWith(folder(), query).First())
        ShowFilmOnCard(*slots_.result);
    showPlaceholderIfEmpty();
}

void TfrmFilms::save() {
    BusyCursor busy;
    try {
        slots_.reopen(folder());
    } catch (const std::exception& e) {
        tellNotSaved(e);
        return;
    }
    for (const auto& [f, w] : filmFields())
        setFieldText(f, fromCp1252(SanitizeFilmText(toCp1252(fieldText(f)))));
    if (lblPosizione->text().trimmed().isEmpty())
        saveNew();
    else
        saveChanges();
    showPlaceholderIfEmpty();
}

void TfrmFilms::tellNotSaved(const std::exception& failure) {
    // Nothing was stored (the film and its poster are one transaction): the card stays as typed,
    // poster path and position included, for the clerk to try again.
    services_.dialogs.information(
        this, QString::fromUtf8("Attenzione: la scheda non è stata salvata in archivio.\r\n\r\n") +
                  QString::fromStdString(filmStoreFailureReason(failure)));
}

bool TfrmFilms::titleAndCodePresent(const char* action) {
    const QString start = QStringLiteral("Per poter ") + QLatin1String(action) +
                          QString::fromUtf8(" la scheda corrente è necessario indicare ");
    if (storedBytes(txtTitolo->text()).empty()) {
        services_.dialogs.information(this, start + QStringLiteral("il titolo del film."));
        txtTitolo->setFocus();
        return false;
    }
    if (storedBytes(txtCodice->text()).empty()) {
        services_.dialogs.information(this, start + QStringLiteral("il codice identificativo del film."));
        txtCodice->setFocus();
        return false;
    }
    return true;
}

void TfrmFilms::saveNew() {
    if (!titleAndCodePresent("salvare"))
        return;
    try {
        const std::int64_t id = slots_.store->insert(rowFromCard(), chosenPoster());
        slots_.result = slots_.store->byId(id);
        slots_.result->Last();
        ShowFilmOnCard(*slots_.result);
        services_.dialogs.information(this, QStringLiteral("La scheda n. ") + lblPosizione->text().trimmed() +
                                                QString::fromUtf8(" è stata inserita in archivio."));
    } catch (const std::exception& e) {
        tellNotSaved(e);
    }
}

void TfrmFilms::saveChanges() {
    if (!titleAndCodePresent("aggiornare"))
        return;
    try {
        slots_.result = slots_.store->byId(lblPosizione->text().trimmed().toLongLong());
        const std::int64_t id = slots_.result->IntegerAt(slots_.result->ColumnIndex("ID"));
        slots_.store->update(id, rowFromCard(), chosenPoster());
        forgetChosenPoster();
        services_.dialogs.information(this, QStringLiteral("Le modifiche apportate alla scheda n. ") +
                                                lblPosizione->text().trimmed() +
                                                QStringLiteral(" sono state inserite in archivio."));
    } catch (const std::exception& e) {
        tellNotSaved(e);
    }
}

void TfrmFilms::deleteFilm() {
    if (lblPosizione->text().trimmed().isEmpty()) {
        services_.dialogs.information(this,
                                      QString::fromUtf8("L'operazione di cancellazione non è applicabile in "
                                                        "quanto la scheda corrente non è ancora stata "
                                                        "inserita in archivio."));
        return;
    }
    try {
        if (!services_.dialogs.confirm(this, QStringLiteral("Conferma cancellazione scheda"),
                                       QStringLiteral("Si vuole proprio eliminare la scheda corrente?")))
            return;
        if (!slots_.store)
            slots_.reopen(folder());
        slots_.store->remove(lblPosizione->text().trimmed().toLongLong());
    } catch (const std::exception& e) {
        // Nothing was deleted: the card stays, and the clerk is told why.
        services_.dialogs.information(
            this, QString::fromUtf8("Attenzione: la scheda non è stata eliminata.\r\n\r\n") +
                      QString::fromStdString(filmStoreFailureReason(e)));
        return;
    }
    try {
        slots_.result = slots_.store->first();
        slots_.result->First();
    } catch (const std::exception&) {
        // Deleted; the next film is read at the next action.
    }
    ClearCard();
}

void TfrmFilms::search() {
    ClearCard();
    try {
        slots_.reopenWith(folder(), FirstFilmQuery());
        TfrmRicercaFilm& filmSearch = *filmSearch_;
        if (services_.dialogs.exec(filmSearch) != QDialog::Accepted)
            return;
        if (const auto& film = filmSearch.chosenFilm())
            showFilmById(film->id);
    } catch (const std::exception&) {
        // The search does not open, and a chosen film that cannot be read is not shown;
        // neither has a message of its own.
    }
}

void TfrmFilms::searchWeb() {
    const std::string title = storedBytes(txtTitolo->text());
    if (title.empty()) {
        services_.dialogs.information(
            this, QString::fromUtf8(
                      "Per poter effettuare una ricerca sul Web è necessario indicare il titolo del film."));
        txtTitolo->setFocus();
        return;
    }
    openWebAddress(services_, this, QString::fromStdString(webSearchAddress(title)));
}

void TfrmFilms::openWebSite() {
    openWebAddress(services_, this, fromCp1252(storedBytes(txtWeb->text())));
}

void TfrmFilms::normaliseWebAddress() {
    const QString normal = fromCp1252(normalisedWebAddress(toCp1252(txtWeb->text())));
    if (normal != txtWeb->text())
        txtWeb->setText(normal);
}

void TfrmFilms::choosePoster() {
    const QString path = services_.dialogs.openFile(this, kPosterDialogTitle, kPosterFilters);
    if (path.isEmpty())
        return;
    BusyCursor busy;
    txtFoto->setText(path);
    madeJpeg_.clear();
    setPoster({});
    const std::optional<ImportedPoster> imported = importPosterFile(path);
    // A file that does not load shows the placeholder; Salva still stores its bytes.
    if (!imported) {
        setPoster(placeholder());
        return;
    }
    if (!imported->jpegBytes.empty()) {
        madeJpeg_ = imported->jpegBytes;
        setPoster(QPixmap::fromImage(imported->picture), madeJpeg_);
        return;
    }
    std::optional<std::string> bytes;
    try {
        bytes = readWholeFile(toCp1252(path));
    } catch (const ArchiveError&) {
        // The picture was read a moment ago: its bytes are kept for the card export when readable.
    }
    setPoster(QPixmap::fromImage(imported->picture), bytes.value_or(std::string()));
}

PosterSource TfrmFilms::chosenPoster() const {
    return {toCp1252(txtFoto->text()), madeJpeg_};
}

void TfrmFilms::forgetChosenPoster() {
    txtFoto->clear();
    madeJpeg_.clear();
}

void TfrmFilms::exportCard() {
    if (storedBytes(txtTitolo->text()).empty()) {
        services_.dialogs.information(
            this, QString::fromUtf8("Per poter esportare la scheda corrente in Microsoft Word "
                                    "è necessario indicare il titolo del film."));
        txtTitolo->setFocus();
        return;
    }
    CardDocument card;
    card.title = "SCHEDA FILM";
    try {
        // Scheda.bmp beside the archives: the placeholder first, then the poster's own bytes.
        const std::string picturePath = folder() + "Scheda.bmp";
        const QPixmap noPoster = placeholder();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        noPoster.save(&buffer, "PNG");
        card.picture = png.toStdString();
        card.pictureExtension = "png";
        card.pictureWidth = noPoster.width();
        card.pictureHeight = noPoster.height();
        replaceFileAtomically(picturePath, picturePath + ".tmp", card.picture);
        if (!posterBytes_.empty()) {
            card.picture = posterBytes_;
            card.pictureExtension = "jpeg";
            card.pictureWidth = poster_.width();
            card.pictureHeight = poster_.height();
            replaceFileAtomically(picturePath, picturePath + ".tmp", card.picture);
        }
    } catch (const ArchiveError&) {
        services_.dialogs.information(this, QString::fromUtf8(kCardExportFailed));
        return;
    }
    const std::pair<const char*, FilmField> rows[] = {{"Titolo film:", FilmField::varTitolo},
                                                      {"Nazione di produzione:", FilmField::varNazione},
                                                      {"Anno di produzione:", FilmField::varAnno},
                                                      {"Genere:", FilmField::varGenere},
                                                      {"Durata:", FilmField::varDurata},
                                                      {"Regista:", FilmField::varRegista},
                                                      {"Distributore:", FilmField::varDistributore},
                                                      {"Cast:", FilmField::varCast},
                                                      {"Titolo originale:", FilmField::varOriginale},
                                                      {"Sottotitoli:", FilmField::varSottotitoli},
                                                      {"Lingue audio:", FilmField::varLingue},
                                                      {"Prezzo:", FilmField::varPrezzo},
                                                      {"Tipo supporto:", FilmField::varSupporto},
                                                      {"Disponibile:", FilmField::varDisponibile},
                                                      {"Trama:", FilmField::varTrama},
                                                      {"Codice identificativo:", FilmField::varCodice},
                                                      {"Sito Web:", FilmField::varWeb}};
    for (const auto& [label, field] : rows)
        card.rows.emplace_back(label, cardValue(fieldText(field)));
    exportCardDocument(services_, this, panInfo,
                       QStringLiteral("Scheda film - ") + txtTitolo->text().trimmed(), card);
}

QPixmap TfrmFilms::placeholder() {
    if (imgTemp->pixmap().isNull())
        imgTemp->setPixmap(decodePicture(QStringLiteral(":/pictures/poster_placeholder.png")));
    return imgTemp->pixmap();
}

void TfrmFilms::zoom() {
    if (poster_.isNull())
        return;
    try {
        TfrmZoom window;
        window.setPicture(poster_);
        services_.dialogs.exec(window);
    } catch (const std::exception&) {
        services_.dialogs.refusal(this,
                                  QStringLiteral("Attenzione: impossibile individuare la foto corrente."));
    }
}

void TfrmFilms::compact() {
    if (!services_.dialogs.confirm(
            this, QStringLiteral("Conferma ottimizzazione archivio"),
            QString::fromUtf8(
                "Questa funzione provvederà a rimuovere lo spazio inutilizzato dall'archivio corrente "
                "per ottimizzare le sue dimensioni.\r\n\r\nSi consiglia di effettuare una copia di "
                "sicurezza dell'archivio prima di procedere.\r\n\r\nSi vuole ottimizzare l'archivio "
                "corrente?")))
        return;
    {
        BusyCursor busy;
        if (!slots_.store)
            slots_.reopen(folder());
        slots_.store->compact();
    }
    services_.dialogs.information(this,
                                  QString::fromUtf8("Ottimizzazione dell'archivio completata con successo."));
}

} // namespace filmeria
