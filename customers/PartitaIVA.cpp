#include "customers/PartitaIVA.h"

#include "core/text_rules.h"
#include "customers/identity_checks.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/key_rules.h"

#include <QLineEdit>
#include <QPushButton>

namespace filmeria {

TfrmIva::TfrmIva(Services& services)
    : CodeCheckDialog(services, "cmdPartitaIva", 11) {
    setObjectName("frmIva");
    setInstructions(QStringLiteral(" Controllo partita IVA "),
                    QStringLiteral("Immettere la partita IVA nella casella sottostante e premere il"),
                    QStringLiteral("pulsante di controllo."));
    acceptTypedDigitsOnly(txtCodice, services_.dialogs, this,
                          QStringLiteral("Attenzione: carattere non valido. Digitare solo valori numerici."),
                          [this] {
                              if (txtCodice->text().size() == 11)
                                  check();
                          });
}

void TfrmIva::useNumericFiscalCodeWording() {
    setInstructions(QStringLiteral(" Controllo codice fiscale numerico / partita IVA"),
                    QStringLiteral("Immettere il codice fiscale numerico o la partita IVA nella casella"),
                    QStringLiteral("sottostante e premere il pulsante di controllo."));
}

void TfrmIva::codeChanged() {
    cmdControlla->setEnabled(codeComplete());
}

void TfrmIva::check() {
    const std::string number = asciiUpper(toCp1252(txtCodice->text()));
    if (number.size() != 11) {
        services_.dialogs.information(
            this,
            QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        return;
    }
    if (!vatNumberIsCorrect(number)) {
        services_.dialogs.information(this,
                                      QString::fromUtf8("Attenzione: il numero di partita IVA è ERRATO."));
    } else {
        services_.dialogs.information(
            this,
            QString::fromUtf8("Il numero di Partita IVA è CORRETTO.\r\n\r\nE' stato rilasciato dall'Ufficio "
                              "IVA del Comune di ") +
                QString::fromStdString(vatOfficeName(number.substr(7, 3))) + QStringLiteral("."));
    }
    accept();
}

} // namespace filmeria
