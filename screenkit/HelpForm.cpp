#include "screenkit/HelpForm.h"

#include "screenkit/font_on_show.h"
#include "screenkit/lazy_picture.h"

#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/busy_cursor.h"
#include "screenkit/desktop_outcome.h"
#include "screenkit/screen_style.h"

#include "screenkit/window_placement.h"

#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace filmeria {

TfrmHelpForm::TfrmHelpForm(Services& services)
    : services_(services)
    , imgLogo(new QLabel(this))
    , panTitle(new QLabel(this))
    , panContainer(new QWidget(this))
    , memTopic(new QPlainTextEdit(panContainer))
    , imgPDF(new QLabel(this))
    , lblPDF(new QLabel(QStringLiteral("Visualizza guida in formato PDF"), this))
    , cmdOK(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName("frmHelpForm");
    setUpDialog(this, QStringLiteral(" Guida in linea"), {561, 459}, style::kNavy);

    imgLogo->setObjectName("imgLogo");
    setPictureOnShow(imgLogo, QStringLiteral(":/pictures/help_banner.png"));
    imgLogo->setGeometry(9, 9, 543, 42);

    panTitle->setObjectName("panTitle");
    panTitle->setText(QStringLiteral("Titolo argomento guida"));
    panTitle->setFont(style::verdana(10));
    style::setBackground(panTitle, style::kBlack);
    style::setTextColour(panTitle, style::kWhite);
    panTitle->setContentsMargins(8, 0, 8, 0);
    panTitle->setGeometry(9, 58, 543, 28);

    panContainer->setObjectName("panContainer");
    style::setBackground(panContainer, style::kNavy);
    panContainer->setGeometry(9, 92, 543, 318);
    memTopic->setObjectName("memTopic");
    memTopic->setReadOnly(true);
    memTopic->setFrameShape(QFrame::NoFrame);
    setFontOnShow(memTopic, style::verdana(10));
    memTopic->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette memo = memTopic->palette();
    memo.setColor(QPalette::Base, style::kNavy);
    memo.setColor(QPalette::Text, style::kWhite);
    memTopic->setPalette(memo);
    memTopic->setGeometry(4, 4, 535, 310);

    imgPDF->setObjectName("imgPDF");
    setPictureOnShow(imgPDF, QStringLiteral(":/pictures/pdf.png"));
    imgPDF->setGeometry(12, 424, 16, 16);
    imgPDF->setCursor(Qt::PointingHandCursor);
    lblPDF->setObjectName("lblPDF");
    lblPDF->setFont(style::verdana(8, false, true));
    style::setTextColour(lblPDF, style::kWhite);
    lblPDF->setCursor(Qt::PointingHandCursor);
    lblPDF->setGeometry(34, 424, 260, 16);

    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(472, 418, 80, 28);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    for (QWidget* w : {static_cast<QWidget*>(imgPDF), static_cast<QWidget*>(lblPDF)})
        w->installEventFilter(this);
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(memTopic->viewport())}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void TfrmHelpForm::fill(const QString& title, const QString& text) {
    panTitle->setText(title);
    topicText_ = text;
    memTopic->setPlainText(displayText(text));
}

void TfrmHelpForm::showTopic(HelpTopicId topic) {
    const HelpTopic& t = helpTopic(topic);
    fill(QString::fromStdString(t.title), QString::fromStdString(helpText(t)));
    services_.dialogs.exec(*this);
}

void TfrmHelpForm::openPdf() {
    const QString guide = services_.folder + QStringLiteral("Guida.pdf");
    bool opened = false;
    {
        BusyCursor busy;
        opened = services_.shell.open(guide, ShellVerb::Default);
    }
    if (opened)
        return;
    const bool exists = QFileInfo(guide).isFile();
    services_.dialogs.information(
        this, QString::fromUtf8("Impossibile aprire la guida:\r\n") + guide + QStringLiteral("\r\n\r\n") +
                  (exists ? notOpenedText(WrittenFileKind::Pdf) : QString::fromUtf8("Il file non esiste.")));
}

bool TfrmHelpForm::eventFilter(QObject* watched, QEvent* event) {
    const bool overLink = watched == imgPDF || watched == lblPDF;
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
        style::setTextColour(lblPDF, overLink ? style::kRed : style::kWhite);
    if (overLink && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint()))
            openPdf();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace filmeria
