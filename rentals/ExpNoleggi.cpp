#include "rentals/ExpNoleggi.h"

#include "core/posix_file.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/HelpForm.h"

#include <QShowEvent>

namespace filmeria {

TfrmExpNoleggi::TfrmExpNoleggi(Services& services, TfrmHelpForm& help, const QString& year, ControlsMade made)
    : ExportScreen(services, QStringLiteral(" Esportazione archivio noleggi"), 17, made)
    , help_(help)
    , year_(year.trimmed()) {
    setObjectName("frmExpNoleggi");
    if (made == ControlsMade::AtConstruction)
        makeOwnControls();
}

void TfrmExpNoleggi::makeOwnControls() {
    const QString name = QStringLiteral("Noleggi ") + year_;
    addCommands(
        {
            {"imgAggiorna", "lblAggiorna", "Saldati", ":/pictures/cmd_trova.png",
             " Visualizza l'elenco dei noleggi già saldati.", [this] { load(RentalExportView::Paid); }},
            {"imgPassate", "lblPassate", "Non saldati", ":/pictures/cmd_trova.png",
             " Visualizza l'elenco dei noleggi non ancora saldati.",
             [this] { load(RentalExportView::NotPaid); }},
            {"imgCSV", "lblCSV", "Senza film", ":/pictures/cmd_trova.png",
             " Visualizza l'elenco dei noleggi senza mostrare i titoli dei film noleggiati.",
             [this] { load(RentalExportView::WithoutFilms); }},
            {"imgTutte", "lblTutte", "Tutte le schede", ":/pictures/cmd_nuovo.png",
             " Visualizza l'elenco di tutte le schede dei noleggi in archivio.",
             [this] { load(RentalExportView::All); }},
        },
        {name, &kRentalSheet, QStringLiteral("Archivio noleggi anno ") + year_,
         [this] { help_.showTopic(HelpTopicId::ExpNoleggi); }});
}

void TfrmExpNoleggi::showEvent(QShowEvent* event) {
    ExportScreen::showEvent(event);
    if (!event->spontaneous())
        load(RentalExportView::All);
}

void TfrmExpNoleggi::load(RentalExportView view) {
    try {
        showView(rentalExportTable(services_.folder.toStdString(), toCp1252(year_), view),
                 rentalExportWidths(view));
    } catch (const ArchiveError&) {
        // The export's rule: a year file that cannot be read leaves the grid as it was, silently.
    }
}

} // namespace filmeria
