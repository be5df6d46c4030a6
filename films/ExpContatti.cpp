#include "films/ExpContatti.h"

#include "platform/services.h"
#include "screenkit/HelpForm.h"

#include <QShowEvent>

namespace filmeria {

TfrmExpContatti::TfrmExpContatti(Services& services, TfrmHelpForm& help)
    : ExportScreen(services, QStringLiteral(" Esportazione archivio film"), kFilmExportColumns) {
    setObjectName("frmExpContatti");
    const auto view = [this](FilmExportView v) { return [this, v] { load(v); }; };
    addCommands(
        {
            {"imgAggiorna", "lblAggiorna", "Cast", ":/pictures/cmd_trova.png",
             " Visualizza l'elenco delle schede dei film contenenti l'indicazione del cast.",
             view(FilmExportView::Cast)},
            {"imgPassate", "lblPassate", "Regista", ":/pictures/cmd_trova.png",
             " Visualizza l'elenco delle schede dei film contenenti l'indicazione del regista.",
             view(FilmExportView::Director)},
            {"imgNote", "lblNote", "Genere", ":/pictures/cmd_trova.png",
             " Visualizza l'elenco delle schede dei film contenenti l'indicazione del genere "
             "cinematografico.",
             view(FilmExportView::Genre)},
            {"imgCSV", "lblCSV", "Sottotitoli", ":/pictures/cmd_trova.png",
             " Visualizza l'elenco delle schede dei film contenenti l'indicazione della presenza di "
             "sottotitoli.",
             view(FilmExportView::Subtitles)},
            {"imgWord", "lblWord", "Disponibile", ":/pictures/cmd_trova.png",
             " Visualizza l'elenco delle schede dei film disponibili.", view(FilmExportView::Available)},
            {"imgTutte", "lblTutte", "Tutti", ":/pictures/cmd_nuovo.png",
             " Visualizza l'elenco di tutte le schede dei film in archivio.", view(FilmExportView::All)},
        },
        {QStringLiteral("Archivio film"), &kFilmSheet, QString(),
         [&help] { help.showTopic(HelpTopicId::ExpContatti); }});
}

void TfrmExpContatti::showEvent(QShowEvent* event) {
    ExportScreen::showEvent(event);
    if (!event->spontaneous())
        load(FilmExportView::All);
}

void TfrmExpContatti::load(FilmExportView view) {
    try {
        TSQLiteTable& result = slots_.reopenWith(services_.folder.toStdString(), filmExportQuery(view));
        showView(filmExportTable(result), {kFilmExportWidths.begin(), kFilmExportWidths.end()});
    } catch (const std::exception&) {
        // The export's rule: a store that cannot be read leaves the grid as it was, silently.
    }
}

} // namespace filmeria
