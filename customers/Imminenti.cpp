#include "customers/Imminenti.h"

#include "core/posix_file.h"
#include "platform/services.h"
#include "screenkit/HelpForm.h"

#include <QShowEvent>

namespace filmeria {

TfrmImminenti::TfrmImminenti(Services& services, TfrmHelpForm& help, ControlsMade made)
    : ExportScreen(services, QStringLiteral(" Esportazione archivio clienti"), kCustomerExportColumns, made)
    , help_(help) {
    setObjectName("frmImminenti");
    if (made == ControlsMade::AtConstruction)
        makeOwnControls();
}

void TfrmImminenti::makeOwnControls() {
    addCommands(
        {
            {"imgAggiorna", "lblAggiorna", "Tel. casa", ":/pictures/cmd_trova.png",
             " Visualizza l'elenco delle schede contenenti il tel. casa.",
             [this] { load(CustomerExportView::HomePhone); }},
            {"imgPassate", "lblPassate", "E-mail", ":/pictures/cmd_trova.png",
             " Visualizza l'elenco delle schede contenenti l'indirizzo e-mail.",
             [this] { load(CustomerExportView::Email); }},
            {"imgCSV", "lblCSV", "Note", ":/pictures/cmd_trova.png",
             " Visualizza l'elenco delle schede contenenti note.",
             [this] { load(CustomerExportView::Notes); }},
            {"imgTutte", "lblTutte", "Tutti i clienti", ":/pictures/cmd_nuovo.png",
             " Visualizza l'elenco di tutti i clienti in archivio.",
             [this] { load(CustomerExportView::All); }},
        },
        {QStringLiteral("Clienti"), &kCustomerSheet, QStringLiteral("Archivio clienti"),
         [this] { help_.showTopic(HelpTopicId::Imminenti); }});
}

void TfrmImminenti::showEvent(QShowEvent* event) {
    ExportScreen::showEvent(event);
    if (!event->spontaneous())
        load(CustomerExportView::All);
}

void TfrmImminenti::load(CustomerExportView view) {
    try {
        showView(customerExportTable(services_.folder.toStdString(), view),
                 {kCustomerExportWidths.begin(), kCustomerExportWidths.end()});
    } catch (const ArchiveError&) {
        // The export's rule: an archive that cannot be read leaves the grid as it was, silently.
    }
}

} // namespace filmeria
