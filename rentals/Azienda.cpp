#include "rentals/Azienda.h"

#include "core/letterhead.h"
#include "core/posix_file.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/action_guard.h"
#include "screenkit/archive_message.h"
#include "screenkit/controls.h"
#include "screenkit/enter_keys.h"
#include "screenkit/field_highlight.h"
#include "screenkit/letterhead_fields.h"
#include "screenkit/screen_style.h"
#include "screenkit/window_placement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace filmeria {
namespace {

QLineEdit* letterheadField(QWidget* parent, const char* name, int top) {
    return makeEditField(parent, QLatin1String(name), 50, {96, top, 360, 26}, style::verdana(9, true),
                         style::kMoneyGreen);
}

} // namespace

TfrmAzienda::TfrmAzienda(Services& services, ControlsMade made)
    : services_(services) {
    setObjectName("frmAzienda");
    setUpDialog(this, QStringLiteral(" Dati azienda"), {472, 214}, style::kWhite);
    centreOnDesktop(this);
    if (made == ControlsMade::AtConstruction)
        makeControlsNow();
}

void TfrmAzienda::makeControls() {
    imgAzienda = makePicture(this, QStringLiteral("imgAzienda"), QStringLiteral(":/pictures/azienda.png"),
                             {16, 52, 64, 64});
    lblInfo = new QLabel(
        QStringLiteral(
            "Immettere le informazioni relative alla propria filmeria da stampare nella scheda noleggio."),
        this);
    lblInfo->setObjectName("lblInfo");
    lblInfo->setFont(style::verdana(8));
    lblInfo->setWordWrap(true);
    lblInfo->setGeometry(16, 10, 440, 34);
    txtLogo01 = letterheadField(this, "txtLogo01", 52);
    txtLogo02 = letterheadField(this, "txtLogo02", 86);
    txtLogo03 = letterheadField(this, "txtLogo03", 120);
    cmdAnnulla =
        makeButton(this, QStringLiteral("cmdAnnulla"), QStringLiteral("Annulla"), {228, 168, 100, 30});
    cmdApplica = makeButton(this, QStringLiteral("cmdApplica"), QStringLiteral("Applica e chiudi"),
                            {336, 168, 120, 30});

    chainOnEnter({txtLogo01, txtLogo02, txtLogo03, cmdApplica});
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    onClick(cmdApplica, services_.dialogs, [this] { apply(); });
}

void TfrmAzienda::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showLetterhead({txtLogo01, txtLogo02, txtLogo03}, readLetterhead(services_.folder.toStdString()));
    txtLogo01->setFocus();
}

void TfrmAzienda::apply() {
    try {
        writeLetterhead(services_.folder.toStdString(), letterheadIn({txtLogo01, txtLogo02, txtLogo03}));
    } catch (const ArchiveError&) {
        // Nothing typed is lost: the screen stays open with the lines as they are.
        services_.dialogs.information(this, kArchiveAccessMessage);
        return;
    }
    accept();
}

} // namespace filmeria
