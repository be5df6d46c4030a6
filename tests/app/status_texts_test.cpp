// The status texts of every screen with a status panel, hovered one by one, against the table of
// the program's documentation.
#include "shell_fixture.h"

#include "customers/Clienti.h"
#include "customers/Imminenti.h"
#include "films/ExpContatti.h"
#include "films/Films.h"
#include "rentals/ExpNoleggi.h"

#include <QLabel>
#include <QPushButton>

namespace filmeria::testing {
namespace {

struct Expected {
    const char* control; // the label (or push button) hovered
    const char* status;
};

const Expected kCards[] = {
    {"lblNuovo", " Prepara la schermata ad accogliere una nuova scheda."},
    {"lblSalva",
     " Salva in archivio i dati relativi alla scheda corrente oppure aggiorna la scheda esistente."},
    {"lblTrova", " Cerca una scheda in archivio."},
    {"lblEsporta", " Esporta la scheda corrente in un file di Microsoft Word."},
    {"lblElimina", " Elimina dall'archivio la scheda corrente."},
    {"lblGuida", " Visualizza la guida in linea."},
    {"lblEsci", " Esce dalla schermata di lavoro corrente."},
};
const Expected kFilmCard[] = {
    {"lblRiepilogo", " Cerca sul Web, tramite Google, informazioni relative al film corrente."},
    {"cmdWeb", " Visita il sito Internet dedicato al film."},
};
const Expected kCustomerCard[] = {
    {"lblExcel", " Esporta l'archivio corrente in un foglio di Microsoft Excel."},
    {"cmdCodFisc", " Controlla codice fiscale."},
    {"cmdIva", " Controlla partita IVA."},
    {"cmdInvia", " Invia messaggio e-mail."},
};
const Expected kExports[] = {
    {"lblExcel", " Esporta i dati in un file di Microsoft Excel."},
    {"lblGuida", " Visualizza la guida in linea."},
    {"lblEsci", " Esce dalla schermata di lavoro corrente."},
};
const Expected kCustomerExport[] = {
    {"lblWord", " Esporta i dati in un file di Microsoft Word."},
    {"lblAggiorna", " Visualizza l'elenco delle schede contenenti il tel. casa."},
    {"lblPassate", " Visualizza l'elenco delle schede contenenti l'indirizzo e-mail."},
    {"lblCSV", " Visualizza l'elenco delle schede contenenti note."},
    {"lblTutte", " Visualizza l'elenco di tutti i clienti in archivio."},
};
const Expected kRentalExport[] = {
    {"lblWord", " Esporta i dati in un file di Microsoft Word."},
    {"lblAggiorna", " Visualizza l'elenco dei noleggi già saldati."},
    {"lblPassate", " Visualizza l'elenco dei noleggi non ancora saldati."},
    {"lblCSV", " Visualizza l'elenco dei noleggi senza mostrare i titoli dei film noleggiati."},
    {"lblTutte", " Visualizza l'elenco di tutte le schede dei noleggi in archivio."},
};
const Expected kFilmExport[] = {
    {"lblWord", " Visualizza l'elenco delle schede dei film disponibili."},
    {"lblCSV",
     " Visualizza l'elenco delle schede dei film contenenti l'indicazione della presenza di sottotitoli."},
    {"lblPassate", " Visualizza l'elenco delle schede dei film contenenti l'indicazione del regista."},
    {"lblAggiorna", " Visualizza l'elenco delle schede dei film contenenti l'indicazione del cast."},
    {"lblNote",
     " Visualizza l'elenco delle schede dei film contenenti l'indicazione del genere cinematografico."},
    {"lblTutte", " Visualizza l'elenco di tutte le schede dei film in archivio."},
};

class StatusTexts : public ShellTest {
protected:
    void expect(QWidget& screen, std::initializer_list<std::span<const Expected>> tables) {
        auto* panel = screen.findChild<QLabel*>(QStringLiteral("panInfo"));
        ASSERT_NE(panel, nullptr) << screen.objectName().toStdString();
        for (const auto& table : tables) {
            for (const Expected& e : table) {
                QWidget* control = screen.findChild<QWidget*>(QLatin1String(e.control));
                ASSERT_NE(control, nullptr) << e.control;
                panel->clear();
                hoverOver(control);
                EXPECT_EQ(panel->text(), QString::fromUtf8(e.status))
                    << screen.objectName().toStdString() << " " << e.control;
            }
        }
    }
};

TEST_F(StatusTexts, EveryScreenSaysWhatTheDocumentationSays) {
    screens().films().show();
    expect(screens().films(), {kCards, kFilmCard});
    screens().clienti().show();
    expect(screens().clienti(), {kCards, kCustomerCard});
    screens().imminenti().show();
    expect(screens().imminenti(), {kExports, kCustomerExport});
    screens().expNoleggi().show();
    expect(screens().expNoleggi(), {kExports, kRentalExport});
    screens().expContatti().show();
    expect(screens().expContatti(), {kExports, kFilmExport});
}

} // namespace
} // namespace filmeria::testing
