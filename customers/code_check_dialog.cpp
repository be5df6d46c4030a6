#include "customers/code_check_dialog.h"

#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/action_guard.h"
#include "screenkit/field_highlight.h"
#include "screenkit/font_on_show.h"
#include "screenkit/lazy_picture.h"
#include "screenkit/screen_style.h"
#include "screenkit/window_placement.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace filmeria {

CodeCheckDialog::CodeCheckDialog(Services& services, const char* buttonName, int codeLength)
    : services_(services)
    , codeLength_(codeLength) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(437, 250);
    style::setBackground(this, style::kSilver);

    imgBanner = new QLabel(this);
    imgBanner->setObjectName("imgBanner");
    setPictureOnShow(imgBanner, QStringLiteral(":/pictures/cf_banner.png"));
    imgBanner->setGeometry(8, 8, 421, 73);
    lblInfo = new QLabel(this);
    lblInfo->setObjectName("lblInfo");
    lblInfo->setFont(style::verdana(8));
    lblInfo->setGeometry(12, 88, 413, 16);
    lblInfo02 = new QLabel(this);
    lblInfo02->setObjectName("lblInfo02");
    lblInfo02->setFont(style::verdana(8));
    lblInfo02->setGeometry(12, 104, 413, 16);

    shpCornice = new QFrame(this);
    shpCornice->setObjectName("shpCornice");
    shpCornice->setAutoFillBackground(true);
    QPalette hatch = shpCornice->palette();
    hatch.setBrush(QPalette::Window, QBrush(style::kGrey, Qt::BDiagPattern));
    shpCornice->setPalette(hatch);
    shpCornice->setGeometry(12, 126, 413, 60);
    txtCodice = new QLineEdit(shpCornice);
    txtCodice->setObjectName("txtCodice");
    txtCodice->setMaxLength(codeLength);
    QFont courier = style::font("Courier New", 0, true);
    courier.setPixelSize(24);
    setFontOnShow(txtCodice, courier);
    txtCodice->setAlignment(Qt::AlignCenter);
    txtCodice->setGeometry(10, 10, 393, 40);
    acceptOnlyCp1252(txtCodice);
    highlightOnFocus(txtCodice, style::kWhite);

    cmdControlla = new QPushButton(QStringLiteral("Controlla"), this);
    cmdControlla->setObjectName(QLatin1String(buttonName));
    cmdControlla->setGeometry(12, 196, 413, 40);
    cmdControlla->setEnabled(false);
    cmdControlla->setAutoDefault(false);

    connect(txtCodice, &QLineEdit::textChanged, this, [this] { codeChanged(); });
    onClick(cmdControlla, services_.dialogs, [this] { check(); });
    centreOnDesktop(this);
}

void CodeCheckDialog::setCode(const QString& code) {
    // The field limits typing, not what the opener hands over.
    txtCodice->setMaxLength(std::max(codeLength_, static_cast<int>(code.size())));
    txtCodice->setText(code);
}

void CodeCheckDialog::setInstructions(const QString& caption, const QString& first, const QString& second) {
    setWindowTitle(caption);
    lblInfo->setText(first);
    lblInfo02->setText(second);
}

bool CodeCheckDialog::codeComplete() const {
    return txtCodice->text().size() >= codeLength_;
}

} // namespace filmeria
