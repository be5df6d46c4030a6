#include "rentals/StampaNoleggio.h"

#include "core/letterhead.h"
#include "core/text_rules.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "rentals/slip_printout.h"
#include "screenkit/action_guard.h"
#include "screenkit/controls.h"
#include "screenkit/letterhead_fields.h"
#include "screenkit/print_job.h"
#include "screenkit/screen_style.h"
#include "screenkit/window_placement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace filmeria {

TfrmStampaNoleggio::TfrmStampaNoleggio(Services& services, RentalRecord slip, ControlsMade made)
    : services_(services)
    , slip_(std::move(slip)) {
    setObjectName("frmStampaNoleggio");
    setUpDialog(this, QStringLiteral(" Stampa scheda noleggio"), {330, 176}, style::kWhite);
    centreOnDesktop(this);
    if (made == ControlsMade::AtConstruction)
        makeControlsNow();
}

void TfrmStampaNoleggio::makeControls() {
    imgStampante = makePicture(this, QStringLiteral("imgStampante"), QStringLiteral(":/pictures/printer.png"),
                               {16, 16, 64, 64});
    const char* lines[] = {"Premere il pulsante Stampa per", "dare avvio alla stampa della",
                           "scheda noleggio.", "Premere il pulsante Annulla per", "annullare la stampa."};
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(QLatin1String(lines[i]), this);
        label->setFont(style::verdana(8));
        label->setGeometry(96, 12 + i * 18 + (i >= 3 ? 8 : 0), 220, 18);
    }
    cmdStampa = makeButton(this, QStringLiteral("cmdStampa"), QStringLiteral("Stampa"), {96, 130, 100, 30});
    cmdAnnulla =
        makeButton(this, QStringLiteral("cmdAnnulla"), QStringLiteral("Annulla"), {212, 130, 100, 30});

    panLogo = new QWidget(this);
    panLogo->setObjectName("panLogo");
    panLogo->hide();
    txtLogo01 = new QLineEdit(panLogo);
    txtLogo01->setObjectName("txtLogo01");
    txtLogo02 = new QLineEdit(panLogo);
    txtLogo02->setObjectName("txtLogo02");
    txtLogo03 = new QLineEdit(panLogo);
    txtLogo03->setObjectName("txtLogo03");
    imgLogo = makePicture(panLogo, QStringLiteral("imgLogo"), QStringLiteral(":/pictures/print_reel.png"),
                          {0, 0, 195, 212});

    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    onClick(cmdStampa, services_.dialogs, [this] { print(); });
}

void TfrmStampaNoleggio::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showLetterhead({txtLogo01, txtLogo02, txtLogo03}, readLetterhead(services_.folder.toStdString()));
    cmdStampa->setFocus();
}

void TfrmStampaNoleggio::print() {
    const Letterhead letterhead = letterheadIn({txtLogo01, txtLogo02, txtLogo03});
    try {
        runPrintJob(services_, this, fromCp1252(slipDocumentName(slip_)),
                    [&](PrintCanvas& canvas) { printSlip(canvas, letterhead, slip_); });
    } catch (const std::exception& e) {
        // Every printer failure has the slip's own message, with the printer's reason below;
        // the screen stays open.
        services_.dialogs.information(this, QString::fromUtf8(kSlipPrintFailed) + QStringLiteral("\r\n\r\n") +
                                                QString::fromUtf8(e.what()));
        return;
    }
    accept();
}

} // namespace filmeria
