#include "films/film_search_screen.h"

#include "core/text_rules.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/action_guard.h"
#include "screenkit/combo_field.h"
#include "screenkit/controls.h"
#include "screenkit/enter_keys.h"
#include "screenkit/font_on_show.h"
#include "screenkit/print_job.h"
#include "screenkit/program_formats.h"
#include "screenkit/screen_style.h"
#include "screenkit/search_screen.h"
#include "screenkit/window_placement.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <utility>

namespace filmeria {
namespace {

const QColor kLime(0, 255, 0);

void limeOnBlack(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, style::kBlack);
    p.setColor(QPalette::Text, kLime);
    w->setPalette(p);
    setFontOnShow(w, style::verdana(8));
}

QLabel* text(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    return makeLabel(parent, caption, geometry, style::verdana(8), std::nullopt, QLatin1String(name));
}

} // namespace

const std::vector<std::pair<QString, FilmField>>& filmCriteria() {
    static const std::vector<std::pair<QString, FilmField>> kCriteria = {
        {QStringLiteral("Titolo film"), FilmField::varTitolo},
        {QStringLiteral("Nazione di produzione"), FilmField::varNazione},
        {QStringLiteral("Anno di produzione"), FilmField::varAnno},
        {QStringLiteral("Genere"), FilmField::varGenere},
        {QStringLiteral("Durata"), FilmField::varDurata},
        {QStringLiteral("Regista"), FilmField::varRegista},
        {QStringLiteral("Distributore"), FilmField::varDistributore},
        {QStringLiteral("Cast"), FilmField::varCast},
        {QStringLiteral("Titolo originale"), FilmField::varOriginale},
        {QStringLiteral("Sottotitoli"), FilmField::varSottotitoli},
        {QStringLiteral("Lingue audio"), FilmField::varLingue},
        {QStringLiteral("Prezzo"), FilmField::varPrezzo},
        {QStringLiteral("Supporto"), FilmField::varSupporto},
        {QString::fromUtf8("Disponibile (indicare Sì o No come chiave di ricerca)"),
         FilmField::varDisponibile},
        {QStringLiteral("Trama"), FilmField::varTrama},
        {QStringLiteral("Codice identificativo"), FilmField::varCodice},
        {QStringLiteral("Sito Web"), FilmField::varWeb}};
    return kCriteria;
}

FilmSearchScreen::FilmSearchScreen(Services& services, Kind kind)
    : services_(services) {
    setUpDialog(this,
                kind == Kind::Search ? QStringLiteral(" Cerca scheda film in archivio")
                                     : QStringLiteral(" Importa dati film"),
                {695, 468}, style::kSilver);

    text(this, "lblCriterio", QStringLiteral("Criterio di ricerca:"), {12, 12, 150, 18});
    cboCriterio = new ComboField(this, style::verdana(8)); // limeOnBlack's font
    cboCriterio->setObjectName("cboCriterio");
    makeEditable(cboCriterio);
    QStringList criteria;
    for (const auto& [caption, field] : filmCriteria())
        criteria << caption;
    cboCriterio->addItems(criteria);
    cboCriterio->setCurrentIndex(0);
    cboCriterio->setFocusPolicy(Qt::NoFocus);
    cboCriterio->setGeometry(160, 10, 400, 24);
    limeOnBlack(cboCriterio);
    text(this, "lblChiave", QStringLiteral("Chiave di ricerca:"), {12, 44, 150, 18});
    txtCriterio = new QLineEdit(this);
    txtCriterio->setObjectName("txtCriterio");
    txtCriterio->setGeometry(160, 42, 400, 24);
    acceptOnlyCp1252(txtCriterio);
    limeOnBlack(txtCriterio);
    btnPopola = makeButton(this, "btnPopola", QStringLiteral("Cerca in archivio"), {568, 41, 115, 26});
    btnPopola->setEnabled(false);
    text(this, "lblInfo01",
         QString::fromUtf8(
             "Inserire una o più parole consecutive presenti nella scheda e premere il pulsante Cerca "
             "in archivio."),
         {12, 72, 670, 16})
        ->setFont(style::verdana(7));

    lstRecords = new ResultList(this);
    lstRecords->setObjectName("lstRecords");
    lstRecords->setGeometry(12, 94, 671, 236);
    limeOnBlack(lstRecords);

    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName("txtTrova");
    txtTrova->setGeometry(12, 338, 548, 24);
    acceptOnlyCp1252(txtTrova);
    limeOnBlack(txtTrova);
    btnTrova = makeButton(this, "btnTrova", QStringLiteral("Trova"), {568, 337, 115, 26});
    text(this, "lblInfo02",
         QStringLiteral(
             "Per selezionare una voce in elenco, immettere una chiave di ricerca e fare clic su Trova."),
         {12, 366, 670, 16})
        ->setFont(style::verdana(7));
    text(this, "lblInfo04",
         QStringLiteral(
             "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo "
             "clic su Trova."),
         {12, 382, 670, 16})
        ->setFont(style::verdana(7));
    text(this, kind == Kind::Search ? "Label1" : "lblInfo",
         QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."),
         {12, 398, 670, 16})
        ->setFont(style::verdana(7, true));
    lblNoleggio = text(this, "lblNoleggio", {}, {12, 413, 671, 16});
    lblNoleggio->setFont(style::verdana(7, true));
    style::setTextColour(lblNoleggio, QColor(128, 0, 0));
    LabelCount = text(this, "LabelCount", QStringLiteral("Totale schede:"), {12, 430, 250, 20});
    LabelCount->setFont(style::verdana(8, true));
    btnStampa = makeButton(this, "btnStampa", QStringLiteral("Stampa"), {468, 426, 100, 30});
    btnChiudi = makeButton(this, "btnChiudi", QStringLiteral("Chiudi"), {583, 426, 100, 30});
    lblMemory = new QLabel(this);
    lblMemory->setObjectName("lblMemory");
    lblMemory->hide();
    if (kind == Kind::Picker)
        lstRecords->addSelectedLinePanel(this);

    connect(txtCriterio, &QLineEdit::textChanged, this,
            [this](const QString& key) { btnPopola->setEnabled(!key.isEmpty()); });
    connect(cboCriterio, &QComboBox::currentIndexChanged, this, [this] { btnPopola->setEnabled(true); });
    onClick(btnPopola, services_.dialogs, [this] { search(); });
    connect(btnTrova, &QPushButton::clicked, this, [this] { findInList(); });
    onEnter(txtTrova, services_.dialogs, [this] { findInList(); });
    onEnter(txtCriterio, services_.dialogs, [this] {
        if (btnPopola->isEnabled())
            search();
    });
    // One click on the criterion's text opens its list, as on the arrow.
    cboCriterio->lineEdit()->installEventFilter(this);
    connect(lstRecords, &QAbstractItemView::doubleClicked, this, [this] { chooseSelectedLine(); });
    // Enter in the list chooses its line, as a double click does.
    onEnter(lstRecords, services_.dialogs, [this] { chooseSelectedLine(); });
    connect(lstRecords->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showWhereabouts(); });
    connect(lstRecords->model(), &QAbstractItemModel::modelReset, lblNoleggio, &QLabel::clear);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    onClick(btnStampa, services_.dialogs, [this] {
        printResultList(services_, this, lstRecords->lines(),
                        QStringLiteral("Si vuole stampare l'elenco corrente delle schede?"),
                        QStringLiteral("Archivio film"), PageOrientation::Portrait);
    });
    centreOnDesktop(this);
}

void FilmSearchScreen::setMemory(const QString& tag) {
    lblMemory->setText(tag);
}
QString FilmSearchScreen::memory() const {
    return lblMemory->text();
}

std::string FilmSearchScreen::folder() const {
    return services_.folder.toStdString();
}

bool FilmSearchScreen::eventFilter(QObject* watched, QEvent* event) {
    // A click on the criterion's text opens its list. On the release: a list opened on the press
    // takes that click's release as a click outside itself and closes again.
    if (watched == cboCriterio->lineEdit()) {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                cboCriterio->lineEdit()->rect().contains(
                    static_cast<QMouseEvent*>(event)->position().toPoint()))
                cboCriterio->showPopup();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FilmSearchScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    chosen_.reset();
    lstRecords->clear();
    runGuarded(services_.dialogs, this, [this] { slots_.reopenWith(folder(), FirstFilmQuery()); });
    finder_.forget();
    txtTrova->clear();
    LabelCount->setText(QStringLiteral("Totale schede : 0"));
    cboCriterio->lineEdit()->setReadOnly(true);
    if (!codeOnShow_.isEmpty()) {
        cboCriterio->setCurrentText(QStringLiteral("Codice identificativo"));
        txtCriterio->setText(std::exchange(codeOnShow_, QString()));
        runGuarded(services_.dialogs, this, [this] { search(); });
    }
}

void FilmSearchScreen::searchCodeOnShow(const QString& code) {
    codeOnShow_ = code;
}

void FilmSearchScreen::search() {
    lstRecords->clear();
    const QString chosen = cboCriterio->currentText().trimmed().toLower();
    FilmField column = FilmField::varTitolo;
    for (const auto& [caption, field] : filmCriteria()) {
        if (caption.toLower() == chosen)
            column = field;
    }
    TSQLiteTable& result =
        slots_.reopenWith(folder(), SearchFilmsQuery(column, toCp1252(txtCriterio->text())));
    LineList lines = FilmListLines(result);
    lines.sortAsText();
    lstRecords->showLines(std::move(lines));
    LabelCount->setText(QStringLiteral("Totale schede : ") + QString::number(lstRecords->count()));
}

ChosenFilm chosenFilmOf(const TSQLiteTable& row) {
    const auto text = [&](FilmField f) { return fromCp1252(row.BlobTextAt(row.ColumnIndex(filmColumn(f)))); };
    return {row.IntegerAt(row.ColumnIndex("ID")), text(FilmField::varCodice), text(FilmField::varTitolo),
            text(FilmField::varPrezzo), text(FilmField::varDisponibile)};
}

void FilmSearchScreen::findInList() {
    try {
        findInResultList(lstRecords, finder_, txtTrova, services_.dialogs, this);
    } catch (...) {
        // Finding in the list never reports a failure.
    }
}

bool FilmSearchScreen::findResultRow(int line) {
    if (line < 0 || line >= lstRecords->count() || !slots_.result)
        return false;
    const std::string wanted(lstRecords->lines()[static_cast<std::size_t>(line)]);
    TSQLiteTable& result = *slots_.result;
    // The first row giving the same line is taken; later equal rows are never reached.
    for (bool row = result.First(); row && !result.AtEnd(); result.Next()) {
        if (FilmListLine(result) == wanted)
            return true;
    }
    return false;
}

void FilmSearchScreen::chooseSelectedLine() {
    try {
        if (!findResultRow(lstRecords->currentRow()))
            return;
        chosen_ = chosenFilmOf(*slots_.result);
        accept();
    } catch (...) {
        // A double click that fails does nothing.
    }
}

void FilmSearchScreen::showWhereabouts() {
    QString note;
    try {
        if (filmOutNote_ && findResultRow(lstRecords->currentRow()))
            note = filmOutNote_(chosenFilmOf(*slots_.result).code.trimmed());
    } catch (...) {
        // The line is a help to the clerk: a film store that cannot be read leaves it empty.
    }
    lblNoleggio->setText(note);
}

void FilmSearchScreen::done(int result) {
    QDialog::done(result);
    try {
        slots_.reopenWith(folder(), FirstFilmQuery());
    } catch (...) {
        // Closing ignores the archive's answer.
    }
}

} // namespace filmeria
