#include "customers/CodFisc.h"

#include "core/text_rules.h"
#include "customers/identity_checks.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/enter_keys.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace filmeria {

TfrmCodFisc::TfrmCodFisc(Services& services)
    : CodeCheckDialog(services, "cmdCodFisc", 16) {
    setObjectName("frmCodFisc");
    setInstructions(QStringLiteral(" Controllo codice fiscale"),
                    QStringLiteral("Immettere il codice fiscale nella casella sottostante e premere il"),
                    QStringLiteral("pulsante di controllo."));
    onEnter(txtCodice, services_.dialogs, [this] {
        if (txtCodice->text().size() == 16)
            check();
    });
}

void TfrmCodFisc::codeChanged() {
    const QString text = txtCodice->text();
    if (!text.isEmpty()) {
        const QString upper = fromCp1252(asciiUpper(toCp1252(text)));
        if (upper != text) {
            const int caret = txtCodice->cursorPosition();
            const QSignalBlocker quiet(txtCodice);
            txtCodice->setText(upper);
            txtCodice->setCursorPosition(caret);
        }
    }
    cmdControlla->setEnabled(codeComplete());
}

void TfrmCodFisc::check() {
    const std::string code = asciiUpper(toCp1252(txtCodice->text()));
    if (code.size() != 16) {
        services_.dialogs.information(
            this, QStringLiteral(
                      "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        txtCodice->setFocus();
        return;
    }
    services_.dialogs.information(this, fiscalCodeIsCorrect(code)
                                            ? QStringLiteral("Codice fiscale CORRETTO.")
                                            : QStringLiteral("Attenzione: codice fiscale ERRATO."));
    accept();
}

} // namespace filmeria
