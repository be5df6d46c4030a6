#include "other_counter.h"
#include "screen_fixture.h"

#include "films/Films.h"
#include "films/ImportaFilm.h"
#include "films/RicercaFilm.h"
#include "films/Zoom.h"
#include "films/film_store.h"
#include "films/web_address.h"
#include "screenkit/HelpForm.h"
#include "tools/poster_jpeg.h"

#include "screenkit/result_list.h"
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <chrono>
#include <fstream>

namespace filmeria::testing {
namespace {

TEST(WebAddress, FieldRuleAndSearchAddress) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"abc", "http://abc"},
                 {"HTTP://abc", "http://HTTP://abc"},
                 {" http://abc", "http://http://abc"},
                 {"https://x.it ", "https://x.it "},
                 {"ftp://x", "ftp://x"},
                 {"   ", "http://"},
                 {"", "http://"}};
    for (const auto& c : cases)
        EXPECT_EQ(normalisedWebAddress(c.typed), c.shown) << "'" << c.typed << "'";
    EXPECT_EQ(webSearchAddress(" Tom & Jerry #1 + Citt\xE0 "),
              "http://www.google.com/search?q=Tom%20%26%20Jerry%20%231%20%2B%20Citt%C3%A0");
}

class FilmScreens : public ScreenTest {
protected:
    std::int64_t addFilm(const std::string& title, const std::string& country = "Italia",
                         bool poster = false) {
        FilmStore store(folderOf(dir).toStdString());
        FilmRow row;
        row[FilmField::varTitolo] = title;
        row[FilmField::varNazione] = country;
        row[FilmField::varCodice] = "C" + title;
        row[FilmField::varPrezzo] = "1,99";
        const std::int64_t id = store.insert(row);
        if (poster)
            store.database().StoreBlob("UPDATE film SET picture = ? WHERE ID = ?",
                                       demo::posterJpeg(7, 60, 80, 80, false), {id});
        return id;
    }
    FilmRow stored(std::int64_t id) {
        FilmStoreSlots store;
        store.reopenWith(folderOf(dir).toStdString(), FilmByIdQuery(id));
        store.result->First();
        return ReadFilmRow(*store.result);
    }
    TfrmRicercaFilm& search() {
        if (!search_)
            search_ = &make<TfrmRicercaFilm>(fakes.services);
        return *search_;
    }
    TfrmFilms& card() {
        if (!card_)
            card_ = &make<TfrmFilms>(fakes.services, make<TfrmHelpForm>(fakes.services), search());
        auto& screen = *card_;
        if (!screen.isVisible())
            showActive(&screen);
        return screen;
    }
    QLineEdit* field(const char* name) { return child<QLineEdit>(card(), name); }
    QString box() { return child<QLabel>(card(), "lblPosizione")->text(); }
    void release(const char* name) { releaseOn(child<QLabel>(card(), name)); }
    QString writePoster(const QString& name) {
        std::ofstream(path(name).toStdString(), std::ios::binary) << demo::posterJpeg(3, 50, 70, 80, false);
        return path(name);
    }

private:
    TfrmRicercaFilm* search_ = nullptr;
    TfrmFilms* card_ = nullptr;
};

TEST_F(FilmScreens, OpensOnAnEmptyCardAndBothArrowsShowTheFirstFilm) {
    addFilm("Amarcord");
    addFilm("Il sorpasso");
    card();
    EXPECT_TRUE(box().isEmpty());
    EXPECT_EQ(child<QComboBox>(card(), "txtDisponibile")->currentText(), QString::fromUtf8("Sì"));
    EXPECT_EQ(field("txtWeb")->text(), QStringLiteral("http://"));
    EXPECT_TRUE(field("txtTitolo")->hasFocus());
    release("imgAvanti");
    EXPECT_EQ(field("txtTitolo")->text(), QStringLiteral("Amarcord"));
    release("imgAvanti");
    EXPECT_EQ(box(), QStringLiteral("2"));
    field("txtTitolo")->setText(QStringLiteral("typing"));
    release("imgAvanti"); // after the last film: the card stays as it is
    EXPECT_EQ(field("txtTitolo")->text(), QStringLiteral("typing"));
    release("imgNuovo");
    release("imgIndietro");
    EXPECT_EQ(box(), QStringLiteral("1"));
    EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(FilmScreens, SaveValidatesAndANewFilmInAnEmptyArchiveGetsNumberOne) {
    card();
    field("txtTitolo")->setText(QStringLiteral("Il \"grande\"; freddo"));
    release("imgSalva");
    EXPECT_EQ(fakes.dialogs.texts(),
              QStringList{QString::fromUtf8("Per poter salvare la scheda corrente è necessario "
                                            "indicare il codice identificativo del film.")});
    EXPECT_TRUE(field("txtCodice")->hasFocus());
    EXPECT_EQ(field("txtTitolo")->text(), QStringLiteral("Il  grande   freddo")); // cleaned and written back
    field("txtCodice")->setText(QStringLiteral("F1"));
    release("lblSalva");
    EXPECT_EQ(box(), QStringLiteral("1"));
    EXPECT_EQ(fakes.dialogs.lastText(), QString::fromUtf8("La scheda n. 1 è stata inserita in archivio."));
    EXPECT_EQ(stored(1)[FilmField::varTitolo], "Il  grande   freddo");
    EXPECT_EQ(stored(1)[FilmField::varWeb], "http://");

    field("txtTitolo")->clear();
    release("imgSalva");
    EXPECT_EQ(fakes.dialogs.lastText(),
              QString::fromUtf8("Per poter aggiornare la scheda corrente è necessario "
                                "indicare il titolo del film."));
    field("txtTitolo")->setText(QStringLiteral("Nuovo titolo"));
    child<QPlainTextEdit>(card(), "txtTrama")->setPlainText(QStringLiteral("\n riga uno\nriga due\n"));
    release("imgSalva");
    EXPECT_EQ(fakes.dialogs.lastText(),
              QStringLiteral("Le modifiche apportate alla scheda n. 1 sono state inserite in archivio."));
    EXPECT_EQ(stored(1)[FilmField::varTitolo], "Nuovo titolo");
    EXPECT_EQ(stored(1)[FilmField::varTrama], "riga uno\r\nriga due");
}

TEST_F(FilmScreens, AChosenPosterIsStoredBySaveAndDiscardedByMovingOn) {
    addFilm("Amarcord");
    addFilm("Il sorpasso");
    card();
    release("imgPrimo");
    fakes.dialogs.nextFile = writePoster(QStringLiteral("poster.jpg"));
    child<QPushButton>(card(), "cmdFoto")->click();
    EXPECT_EQ(
        fakes.dialogs.fileDialogs.value(0),
        QStringLiteral("Selezionare un'immagine in formato JPEG e premere Apri: | File JPEG (*.jpg *.jpeg);;"
                       "JPG (*.jpg);;JPEG (*.jpeg);;Altre immagini (*.png *.webp *.bmp *.gif)"));
    release("imgAvanti"); // moving on forgets the choice
    EXPECT_TRUE(field("txtFoto")->text().isEmpty());
    release("imgPrimo");
    release("imgSalva");
    EXPECT_FALSE(stored(1).picture.has_value());

    child<QPushButton>(card(), "cmdFoto")->click();
    release("imgSalva");
    std::ifstream in(fakes.dialogs.nextFile.toStdString(), std::ios::binary);
    EXPECT_EQ(stored(1).picture, std::string(std::istreambuf_iterator<char>(in), {}));
    EXPECT_TRUE(field("txtFoto")->text().isEmpty());
    release("imgSalva"); // saving again without a choice keeps the stored poster
    EXPECT_TRUE(stored(1).picture.has_value());
}

TEST_F(FilmScreens, APictureInAnotherFormatIsStoredAsJpegAndShownOnEveryVisit) {
    addFilm("Amarcord");
    card();
    release("imgPrimo");
    QImage picture(40, 60, QImage::Format_ARGB32);
    picture.fill(QColor(200, 30, 30, 128)); // half transparent: laid on white
    // A PNG, a WebP, and a PNG that calls itself JPEG.
    const std::pair<QString, const char*> files[] = {{QStringLiteral("poster.png"), "PNG"},
                                                     {QStringLiteral("poster.webp"), "WEBP"},
                                                     {QStringLiteral("finto.jpg"), "PNG"}};
    for (const auto& [name, format] : files) {
        ASSERT_TRUE(picture.save(path(name), format, 100)) << name.toStdString();
        fakes.dialogs.nextFile = path(name);
        child<QPushButton>(card(), "cmdFoto")->click();
        release("imgSalva");
        const std::optional<std::string> poster = stored(1).picture;
        ASSERT_TRUE(poster.has_value());
        EXPECT_TRUE(decodesAsJpeg(*poster)) << name.toStdString();
        fakes.dialogs.shown.clear();
        release("imgUltimo");
        release("imgPrimo"); // a later visit shows it, with no message
        EXPECT_TRUE(fakes.dialogs.shown.empty()) << fakes.dialogs.lastText().toStdString();
        const QImage shown = child<QLabel>(card(), "imgFoto")->pixmap().toImage();
        ASSERT_EQ(shown.size(), QSize(40, 60));
        const QColor middle = shown.pixelColor(20, 30);
        EXPECT_GT(middle.red(), 200);
        EXPECT_NEAR(middle.green(), 142, 12); // red over white, not over black
    }
}

const QString kNotSaved = QString::fromUtf8("Attenzione: la scheda non è stata salvata in archivio.\r\n\r\n");

TEST_F(FilmScreens, AFailedSaveKeepsTheCardAsTypedAndSaysWhy) {
    const std::int64_t kept = addFilm("Amarcord");
    card();
    release("imgNuovo");
    field("txtTitolo")->setText(QStringLiteral("La dolce vita"));
    field("txtCodice")->setText(QStringLiteral("F9"));
    field("txtPrezzo")->setText(QStringLiteral("2,50"));
    std::ofstream(path(QStringLiteral("vuota.jpg")).toStdString()); // an empty poster file
    fakes.dialogs.nextFile = path(QStringLiteral("vuota.jpg"));
    child<QPushButton>(card(), "cmdFoto")->click();
    release("imgSalva");
    EXPECT_EQ(
        fakes.dialogs.lastText(),
        kNotSaved +
            QString::fromUtf8("Non è stato possibile leggere l'immagine della locandina: la locandina '") +
            path(QStringLiteral("vuota.jpg")) + QString::fromUtf8("' è un file vuoto."));
    EXPECT_EQ(field("txtTitolo")->text(), QStringLiteral("La dolce vita"));
    EXPECT_EQ(field("txtCodice")->text(), QStringLiteral("F9"));
    EXPECT_EQ(field("txtPrezzo")->text(), QStringLiteral("2,50"));
    EXPECT_EQ(field("txtFoto")->text(), path(QStringLiteral("vuota.jpg")));
    EXPECT_TRUE(box().isEmpty());
    EXPECT_THROW(stored(kept + 1), std::exception); // no film left behind

    // A good poster now: the same card saves.
    fakes.dialogs.nextFile = writePoster(QStringLiteral("buona.jpg"));
    child<QPushButton>(card(), "cmdFoto")->click();
    release("imgSalva");
    EXPECT_EQ(box(), QString::number(kept + 1));
    EXPECT_EQ(stored(kept + 1)[FilmField::varTitolo], "La dolce vita");

    // A change whose poster vanished before Salva: the change is not stored, the card keeps it.
    fakes.dialogs.nextFile = writePoster(QStringLiteral("sparita.jpg"));
    child<QPushButton>(card(), "cmdFoto")->click();
    QFile::remove(path(QStringLiteral("sparita.jpg")));
    field("txtTitolo")->setText(QStringLiteral("La dolce vita (restaurato)"));
    release("imgSalva");
    EXPECT_TRUE(fakes.dialogs.lastText().startsWith(kNotSaved));
    EXPECT_EQ(field("txtTitolo")->text(), QStringLiteral("La dolce vita (restaurato)"));
    EXPECT_EQ(box(), QString::number(kept + 1));
    EXPECT_EQ(stored(kept + 1)[FilmField::varTitolo], "La dolce vita");
}

TEST_F(FilmScreens, AStoreBusyWithAnotherCounterIsWaitedForThenNamed) {
    addFilm("Amarcord");
    card();
    release("imgNuovo");
    field("txtTitolo")->setText(QStringLiteral("Il postino"));
    field("txtCodice")->setText(QStringLiteral("F2"));
    {
        // Released within the wait: the save goes through.
        OtherCounter other(path(QStringLiteral("Film.db")).toStdString(), std::chrono::milliseconds(800));
        ASSERT_TRUE(other.locked());
        release("imgSalva");
    }
    EXPECT_EQ(fakes.dialogs.lastText(), QString::fromUtf8("La scheda n. 2 è stata inserita in archivio."));
    EXPECT_EQ(stored(2)[FilmField::varTitolo], "Il postino");

    release("imgNuovo");
    field("txtTitolo")->setText(QStringLiteral("Nuovo cinema Paradiso"));
    field("txtCodice")->setText(QStringLiteral("F3"));
    {
        // Held past the wait: the store is named busy, the card kept.
        OtherCounter other(path(QStringLiteral("Film.db")).toStdString(),
                           std::chrono::milliseconds(kBusyWaitMilliseconds + 1500));
        ASSERT_TRUE(other.locked());
        release("imgSalva");
        EXPECT_EQ(fakes.dialogs.lastText(),
                  kNotSaved +
                      QString::fromUtf8("L'archivio dei film è in uso da un'altra postazione: riprovare tra "
                                        "qualche istante."));
        EXPECT_EQ(field("txtTitolo")->text(), QStringLiteral("Nuovo cinema Paradiso"));
        EXPECT_TRUE(box().isEmpty());
    }
}

TEST_F(FilmScreens, DeleteAndTheZoom) {
    addFilm("Amarcord", "Italia", true);
    card();
    release("imgElimina");
    EXPECT_EQ(fakes.dialogs.texts(),
              QStringList{QString::fromUtf8("L'operazione di cancellazione non è applicabile in "
                                            "quanto la scheda corrente non è ancora stata "
                                            "inserita in archivio.")});
    QSize zoomed;
    fakes.dialogs.onModal = [&](QDialog& d) {
        zoomed = d.findChild<QLabel*>("imgZoom")->pixmap().size();
        releaseOn(&d); // a click anywhere closes it
        EXPECT_FALSE(d.isVisible());
    };
    release("imgZoom"); // the placeholder is zoomed like a poster
    EXPECT_EQ(zoomed, QSize(245, 328));
    release("imgPrimo");
    release("imgZoom");
    EXPECT_EQ(zoomed, QSize(60, 80)); // at its own size
    release("imgElimina");
    EXPECT_EQ(fakes.dialogs.shown.back().caption, QStringLiteral("Conferma cancellazione scheda"));
    EXPECT_TRUE(box().isEmpty());
    FilmStoreSlots store;
    store.reopenWith(folderOf(dir).toStdString(), AllFilmsQuery());
    EXPECT_EQ(store.result->RowCount(), 0u);
}

TEST(FilmZoom, APosterLargerThanTheScreenIsScaledToItInItsProportions) {
    const QSize screen = QGuiApplication::primaryScreen()->size();
    TfrmZoom zoom;
    auto* picture = zoom.findChild<QLabel*>("imgZoom");
    zoom.setPicture(QPixmap(screen.width() / 4, screen.height() * 3));
    EXPECT_EQ(picture->height(), screen.height());
    EXPECT_NEAR(picture->width(), screen.width() / 12, 1);
    EXPECT_EQ(picture->pos(), centredPicturePosition(screen, picture->size()));
    zoom.setPicture(QPixmap(120, 160)); // smaller ones keep their own size
    EXPECT_EQ(picture->size(), QSize(120, 160));
}

TEST_F(FilmScreens, WebFieldAndWebSearch) {
    card();
    auto* web = field("txtWeb");
    auto* go = child<QPushButton>(card(), "cmdWeb");
    web->setFocus();
    web->clear();
    EXPECT_FALSE(go->isEnabled());
    QTest::keyClicks(web, "abc");
    EXPECT_TRUE(go->isEnabled());
    field("txtCodice")->setFocus();
    EXPECT_EQ(web->text(), QStringLiteral("http://abc"));
    go->click();
    release("imgRiepilogo");
    EXPECT_EQ(fakes.dialogs.lastText(),
              QString::fromUtf8(
                  "Per poter effettuare una ricerca sul Web è necessario indicare il titolo del film."));
    field("txtTitolo")->setText(QStringLiteral("Tom & Jerry"));
    release("lblRiepilogo");
    EXPECT_EQ(fakes.shell.opened,
              (QStringList{"http://abc", "http://www.google.com/search?q=Tom%20%26%20Jerry"}));
}

TEST_F(FilmScreens, EnterInTheKeySearchesAndOneClickOnTheCriterionOpensItsList) {
    addFilm("Notte di luna");
    addFilm("Amarcord");
    auto& search = this->search();
    showActive(&search);
    auto* key = child<QLineEdit>(search, "txtCriterio");
    key->setText(QStringLiteral("luna"));
    pressEnter(key);
    EXPECT_EQ(child<ResultList>(search, "lstRecords")->count(), 1);
    EXPECT_EQ(child<QLabel>(search, "LabelCount")->text(), QStringLiteral("Totale schede : 1"));

    auto* criterion = child<QComboBox>(search, "cboCriterio");
    QTest::mouseClick(criterion->lineEdit(), Qt::LeftButton);
    EXPECT_TRUE(criterion->view()->isVisible());
    criterion->hidePopup();
}

TEST_F(FilmScreens, SearchListsFindsAndShowsTheLowerOfEqualFilmsOnTheCard) {
    addFilm("Notte di luna");
    addFilm("Amarcord", "Italia", true);
    addFilm("Notte di luna");
    auto& search = this->search();
    search.show();
    auto* list = child<ResultList>(search, "lstRecords");
    child<QLineEdit>(search, "txtCriterio")->setText(QStringLiteral(" "));
    child<QPushButton>(search, "btnPopola")->click(); // the trimmed empty key lists every film
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(child<QLabel>(search, "LabelCount")->text(), QStringLiteral("Totale schede : 3"));
    EXPECT_EQ(list->lineText(0), QStringLiteral("Amarcord - Italia  - "));
    search.hide();

    card();
    fakes.dialogs.onModal = [&](QDialog&) {
        child<QLineEdit>(search, "txtCriterio")->setText(QStringLiteral("LUNA"));
        child<QPushButton>(search, "btnPopola")->click();
        ASSERT_EQ(list->count(), 2);
        list->setCurrentRow(1);
        emit list->doubleClicked(list->model()->index(1, 0));
        EXPECT_FALSE(search.isVisible());
    };
    release("imgTrova");
    EXPECT_EQ(fakes.dialogs.modals, QStringList{"frmRicercaFilm"});
    EXPECT_EQ(box(), QStringLiteral("1"));
    EXPECT_EQ(field("txtTitolo")->text(), QStringLiteral("Notte di luna"));

    search.show();
    EXPECT_EQ(list->count(), 0); // the list starts empty, the key stays
    EXPECT_EQ(child<QLineEdit>(search, "txtCriterio")->text(), QStringLiteral("LUNA"));
    child<QLineEdit>(search, "txtCriterio")->setText(QStringLiteral("nessuno"));
    child<QPushButton>(search, "btnPopola")->click();
    EXPECT_EQ(child<QLabel>(search, "LabelCount")->text(), QStringLiteral("Totale schede : 0"));
    child<QPushButton>(search, "btnTrova")->click();
    EXPECT_EQ(fakes.dialogs.lastText(),
              QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    child<QLineEdit>(search, "txtCriterio")->setText(QStringLiteral("a\"b"));
    child<QPushButton>(search, "btnPopola")->click(); // a quote in the key is no error
    EXPECT_EQ(fakes.dialogs.shown.size(), 1u);
}

TEST_F(FilmScreens, TheCardAndTheSearchListSayWhereAFilmIsOut) {
    addFilm("Amarcord");
    addFilm("Il sorpasso");
    const QString note = QString::fromUtf8("In noleggio dal 12/03/2026 \u2014 Bar Sport, tessera A15");
    QStringList asked;
    const FilmOutNote whereabouts = [&](const QString& code) {
        asked << code;
        return code == QStringLiteral("CAmarcord") ? note : QString();
    };
    card().setFilmOutNote(whereabouts);
    search().setFilmOutNote(whereabouts);
    auto* line = child<QLabel>(card(), "lblNoleggio");
    release("imgAvanti");
    EXPECT_EQ(line->text(), note);
    release("imgAvanti");
    EXPECT_TRUE(line->text().isEmpty());
    release("imgNuovo");
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_EQ(asked, (QStringList{"CAmarcord", "CIl sorpasso"}));

    QString first;
    QString second;
    fakes.dialogs.onModal = [&](QDialog& d) {
        child<QLineEdit>(d, "txtCriterio")->setText(QStringLiteral(" "));
        child<QPushButton>(d, "btnPopola")->click();
        auto* list = child<ResultList>(d, "lstRecords");
        list->setCurrentRow(0);
        first = child<QLabel>(d, "lblNoleggio")->text();
        list->setCurrentRow(1);
        second = child<QLabel>(d, "lblNoleggio")->text();
    };
    release("imgTrova");
    EXPECT_EQ(first, note);
    EXPECT_TRUE(second.isEmpty());
}

TEST_F(FilmScreens, PickerChoosesTheFilmsNumberCodeTitleAndPrice) {
    addFilm("Notte di luna");
    const std::int64_t id = addFilm("Amarcord");
    auto& picker = make<TfrmImportaFilm>(fakes.services);
    picker.setMemory(QStringLiteral("film07"));
    picker.show();
    child<QComboBox>(picker, "cboCriterio")->setCurrentIndex(15); // "Codice identificativo"
    child<QLineEdit>(picker, "txtCriterio")->setText(QStringLiteral("camar"));
    child<QPushButton>(picker, "btnPopola")->click();
    auto* list = child<ResultList>(picker, "lstRecords");
    ASSERT_EQ(list->count(), 1);
    list->setCurrentRow(0);
    EXPECT_FALSE(picker.chosenFilm().has_value());
    emit list->doubleClicked(list->model()->index(0, 0));
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    ASSERT_TRUE(picker.chosenFilm().has_value());
    EXPECT_EQ(picker.chosenFilm()->id, id);
    EXPECT_EQ(picker.chosenFilm()->title, QStringLiteral("Amarcord"));
    EXPECT_EQ(picker.chosenFilm()->price, QStringLiteral("1,99"));
    EXPECT_EQ(picker.chosenFilm()->code, QStringLiteral("CAmarcord"));
    EXPECT_EQ(picker.memory(), QStringLiteral("film07"));

    picker.show(); // a new showing forgets the last choice
    EXPECT_FALSE(picker.chosenFilm().has_value());
}

TEST_F(FilmScreens, StampaPrintsTheFilmListInPortraitAndAnEmptyListIsRefused) {
    addFilm("Amarcord");
    auto& search = this->search();
    search.show();
    child<QPushButton>(search, "btnStampa")->click();
    EXPECT_EQ(fakes.dialogs.lastText(),
              QStringLiteral("Operazione di stampa non applicabile: la lista non contiene nessuna voce."));
    child<QLineEdit>(search, "txtCriterio")->setText(QStringLiteral("amar"));
    child<QPushButton>(search, "btnPopola")->click();
    child<QPushButton>(search, "btnStampa")->click();
    EXPECT_EQ(fakes.dialogs.shown.back().text,
              QStringLiteral("Si vuole stampare l'elenco corrente delle schede?"));
    ASSERT_EQ(fakes.printing.jobs.size(), 1u);
    const RecordingCanvas& canvas = fakes.printing.jobs[0].canvas;
    EXPECT_EQ(canvas.calls[3], "portrait");
    EXPECT_EQ(canvas.starting("text")[1], "text 150,334 Archivio film");
    EXPECT_EQ(canvas.starting("text")[3], "text 150,635 Amarcord - Italia  - ");
}

TEST_F(FilmScreens, CardExportWritesSchedaBmpAndEmbedsThePosterBytes) {
    card();
    release("lblEsporta");
    EXPECT_EQ(fakes.dialogs.lastText(),
              QString::fromUtf8("Per poter esportare la scheda corrente in Microsoft Word "
                                "è necessario indicare il titolo del film."));
    EXPECT_TRUE(field("txtTitolo")->hasFocus());

    const std::int64_t id = addFilm("Amarcord", "Italia", true);
    release("imgUltimo");
    ASSERT_EQ(box(), QString::number(id));
    child<QPlainTextEdit>(card(), "txtTrama")->setPlainText(QStringLiteral("riga uno\nriga due"));
    release("imgEsporta");
    ASSERT_EQ(fakes.office.cards.size(), 1u);
    EXPECT_EQ(fakes.office.cards[0].first, QStringLiteral("Scheda film - Amarcord"));
    const CardDocument& doc = fakes.office.cards[0].second;
    EXPECT_EQ(doc.title, "SCHEDA FILM");
    EXPECT_EQ(doc.picture, *stored(id).picture); // the poster's own bytes
    EXPECT_EQ(doc.pictureExtension, "jpeg");
    std::ifstream bmp(path("Scheda.bmp").toStdString(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(bmp), {}), doc.picture);
    ASSERT_EQ(doc.rows.size(), 17u);
    EXPECT_EQ(doc.rows[12].first, "Tipo supporto:");
    EXPECT_EQ(doc.rows[14], (std::pair<std::string, std::string>{"Trama:", "riga uno\nriga due"}));

    addFilm("Senza locandina");
    release("imgUltimo");
    release("imgEsporta");
    EXPECT_EQ(fakes.office.cards[1].second.pictureExtension, "png"); // the placeholder
    EXPECT_EQ(fakes.office.cards[1].second.picture.substr(1, 3), "PNG");
}

} // namespace
} // namespace filmeria::testing
