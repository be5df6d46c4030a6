// Builds Guida.pdf: the chapters' text with pictures of the program's own screens, taken on a
// folder of archives (the demo folder when the guide is built).
#include "tools/guide.h"

#include "app/CambiaPassword.h"
#include "app/Filmeria.h"
#include "app/Password.h"
#include "app/screen_set.h"
#include "core/letterhead.h"
#include "core/posix_file.h"
#include "customers/Avanzate.h"
#include "customers/Clienti.h"
#include "customers/CodFisc.h"
#include "customers/Tessera.h"
#include "customers/customer_file.h"
#include "films/ExpContatti.h"
#include "films/Films.h"
#include "films/ImportaFilm.h"
#include "films/RicercaFilm.h"
#include "platform/office.h"
#include "platform/printing.h"
#include "platform/services.h"
#include "rentals/CercaNoleggio.h"
#include "rentals/Noleggi.h"
#include "rentals/Rientri.h"
#include "rentals/StampaNoleggio.h"
#include "rentals/Statistiche.h"
#include "rentals/rental_file.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPageSize>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>

namespace filmeria {
namespace {

// The screens are only drawn, never answered: no box waits for the operator.
class SilentDialogs final : public Dialogs {
public:
    void information(QWidget*, const QString&) override {}
    bool confirm(QWidget*, const QString&, const QString&) override { return false; }
    void refusal(QWidget*, const QString&) override {}
    void errorReport(QWidget*, const QString&) override {}
    int exec(QDialog&) override { return QDialog::Rejected; }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
};

class NoShell final : public Shell {
public:
    bool open(const QString&, ShellVerb) override { return false; }
};

class TodayClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// What a left click leaves behind on a picture button: its release.
void release(QWidget* widget) {
    const QPointF centre = widget->rect().center();
    QMouseEvent event(QEvent::MouseButtonRelease, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

template <typename T> T* part(QWidget& screen, const char* name) {
    return screen.findChild<T*>(QLatin1String(name));
}

QImage picture(QWidget& screen) {
    screen.show();
    QApplication::processEvents();
    // A work window's picture is its container, without the patterned desktop around it.
    QWidget* container = screen.findChild<QWidget*>(QStringLiteral("grpContainer"));
    QImage image = (container ? container : &screen)->grab().toImage();
    screen.hide();
    return image;
}

class ScreenPictures {
public:
    explicit ScreenPictures(const QString& folder)
        : printing_(folder, clock_)
        , office_(folder, clock_, shell_)
        , services_{dialogs_, shell_, clock_, printing_, office_, folder, [] {}}
        , screens_(services_)
        , folder_(folder.toStdString())
        , year_(QString::number(QDate::currentDate().year())) {}

    // The picture of one screen, in the state a clerk would see it at work.
    QImage take(const QString& key) {
        if (key == QLatin1String("main"))
            return picture(screens_.filmeria());
        if (key == QLatin1String("login"))
            return picture(screens_.password());
        if (key == QLatin1String("cambiaPassword"))
            return picture(screens_.cambiaPassword());
        if (key == QLatin1String("clienti"))
            return firstRecord(screens_.clienti());
        if (key == QLatin1String("films"))
            return firstRecord(screens_.films());
        if (key == QLatin1String("noleggi"))
            return firstSlip();
        if (key == QLatin1String("codFisc"))
            return fiscalCodeCheck();
        if (key == QLatin1String("avanzate"))
            return listed(screens_.avanzate(), "txtCognome", "a", "cmdTrova");
        if (key == QLatin1String("cercaNoleggio")) {
            screens_.cercaNoleggio().setYear(year_);
            return listed(screens_.cercaNoleggio(), "txtCognome", "a", "cmdTrova");
        }
        if (key == QLatin1String("ricercaFilm"))
            return listed(screens_.ricercaFilm(), "txtCriterio", " ", "btnPopola");
        if (key == QLatin1String("importaFilm"))
            return listed(screens_.importaFilm(), "txtCriterio", " ", "btnPopola");
        if (key == QLatin1String("tessera"))
            return membershipCard();
        if (key == QLatin1String("stampaNoleggio"))
            return slipPrinting();
        if (key == QLatin1String("expContatti"))
            return picture(screens_.expContatti());
        if (key == QLatin1String("rientri")) {
            TfrmRientri desk(services_);
            return picture(desk);
        }
        if (key == QLatin1String("statistiche")) {
            TfrmStatistiche statistics(services_);
            return picture(statistics);
        }
        return {};
    }

private:
    QImage firstRecord(QWidget& screen) {
        screen.show();
        release(part<QWidget>(screen, "imgPrimo"));
        return picture(screen);
    }
    QImage firstSlip() {
        QWidget& screen = screens_.noleggi();
        screen.show();
        part<QLineEdit>(screen, "txtAnno")->setText(year_);
        part<QPushButton>(screen, "cmdApri")->click();
        release(part<QWidget>(screen, "imgPrimo"));
        return picture(screen);
    }
    QImage fiscalCodeCheck() {
        QWidget& screen = screens_.codFisc();
        screen.show();
        part<QLineEdit>(screen, "txtCodice")
            ->setText(QString::fromStdString(firstCustomer()[CustomerField::CodFisc]));
        return picture(screen);
    }
    QImage listed(QWidget& screen, const char* field, const char* key, const char* button) {
        screen.show();
        part<QLineEdit>(screen, field)->setText(QString::fromLatin1(key));
        part<QPushButton>(screen, button)->click();
        if (auto* list = part<QListWidget>(screen, "lstRecords"); list && list->count() > 0)
            list->setCurrentRow(0);
        return picture(screen);
    }
    QImage membershipCard() {
        const CustomerRecord customer = firstCustomer();
        MembershipCard card;
        card.letterhead = readLetterhead(folder_);
        card.name = customer[CustomerField::Nome];
        card.address = customer[CustomerField::Indirizzo];
        card.postalCode = customer[CustomerField::Cap];
        card.town = customer[CustomerField::Citta];
        card.province = customer[CustomerField::Prov];
        card.card = customer[CustomerField::Tessera];
        card.enrolment = customer[CustomerField::Iscrizione];
        TfrmTessera screen(services_, card);
        return picture(screen);
    }
    QImage slipPrinting() {
        const RentalArchive slips = yearArchive(folder_, year_.toStdString());
        TfrmStampaNoleggio screen(services_, slips.count() > 0 ? slips.readAt(1) : RentalRecord());
        return picture(screen);
    }
    CustomerRecord firstCustomer() const {
        const CustomerArchive customers = customerArchive(folder_);
        return customers.count() > 0 ? customers.readAt(1) : CustomerRecord();
    }

    SilentDialogs dialogs_;
    NoShell shell_;
    TodayClock clock_;
    SystemPrinting printing_;
    DesktopOffice office_;
    Services services_;
    ScreenSet screens_;
    std::string folder_;
    QString year_;
};

QString paragraph(const QString& text) {
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

// Lays the document out as QTextDocument::print lays out a document without pages of its own:
// on the printer, A4 page by page, with margins of 2 cm.
void layOutAsPrinted(QTextDocument& document, QPagedPaintDevice& printer) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpiX = screen ? qRound(screen->logicalDotsPerInchX()) : 96;
    const qreal dpiY = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
    document.documentLayout()->setPaintDevice(&printer);
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setLeftMargin(static_cast<int>(2 / 2.54 * dpiX));
    frame.setRightMargin(static_cast<int>(2 / 2.54 * dpiX));
    frame.setTopMargin(static_cast<int>(2 / 2.54 * dpiY));
    frame.setBottomMargin(static_cast<int>(2 / 2.54 * dpiY));
    document.rootFrame()->setFrameFormat(frame);
    document.setPageSize(QSizeF(printer.width(), printer.height()));
}

bool isFigure(const QTextBlock& block) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
        if (fragment.fragment().charFormat().isImageFormat())
            return true;
    return false;
}

// A figure (a picture and its caption, one paragraph) that would run from one page onto the
// next starts a new page, so no picture is cut and no caption is parted from its picture.
void keepFiguresWhole(QTextDocument& document, QPagedPaintDevice& printer) {
    for (bool moved = true; moved;) {
        moved = false;
        // A child of the document, as the printout's copy is, so it finds the pictures.
        const std::unique_ptr<QTextDocument> trial(document.clone(&document));
        layOutAsPrinted(*trial, printer);
        const qreal pageHeight = trial->pageSize().height();
        (void)trial->pageCount(); // lays the whole document out
        for (QTextBlock block = trial->firstBlock(), original = document.firstBlock();
             block.isValid() && original.isValid(); block = block.next(), original = original.next()) {
            const QTextLayout* lines = block.layout();
            if (!isFigure(block) || lines->lineCount() == 0)
                continue;
            const qreal top = trial->documentLayout()->blockBoundingRect(block).top();
            const QTextLine first = lines->lineAt(0);
            const QTextLine last = lines->lineAt(lines->lineCount() - 1);
            const auto pageOf = [pageHeight](qreal y) { return static_cast<int>(y / pageHeight); };
            if (pageOf(top + first.y()) == pageOf(top + last.y() + last.height() - 1) ||
                original.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                continue;
            QTextBlockFormat breakBefore;
            breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(original).mergeBlockFormat(breakBefore);
            moved = true; // the pages after it have changed: lay out again
            break;
        }
    }
}

} // namespace

bool writeGuide(const QString& pdfPath, const QString& folder) {
    ScreenPictures screens(folder);
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    QString html = QStringLiteral("<h1 style='color:#14214b'>Filmeria Pro &ndash; Guida per il banco</h1>");
    int chapterNumber = 0;
    int figure = 0;
    for (const GuideChapter& chapter : guideChapters()) {
        html += QStringLiteral("<h2 style='color:#14214b'>%1. %2</h2>")
                    .arg(++chapterNumber)
                    .arg(chapter.title.toHtmlEscaped());
        for (const QString& text : chapter.paragraphs)
            html += paragraph(text);
        if (!chapter.keys.empty()) {
            html += QStringLiteral("<table border='1' cellspacing='0' cellpadding='4' width='100%'>"
                                   "<tr><th align='left'>Tasto</th><th align='left'>Comando</th></tr>");
            for (const auto& [key, command] : chapter.keys)
                html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                            .arg(key.toHtmlEscaped(), command.toHtmlEscaped());
            html += QStringLiteral("</table>");
        }
        for (const GuidePicture& shown : chapter.pictures) {
            const QImage image = screens.take(shown.screen);
            if (image.isNull())
                continue;
            const QString name = QStringLiteral("guide://") + shown.screen;
            document.addResource(QTextDocument::ImageResource, QUrl(name), image);
            // Wide screens fill the text width; small dialogs keep their own size.
            const int width = std::min(image.width(), 640);
            html += QStringLiteral(
                        "<p align='center'><img src='%1' width='%2'><br><i>Figura %3 &ndash; %4</i></p>")
                        .arg(name)
                        .arg(width)
                        .arg(++figure)
                        .arg(shown.caption.toHtmlEscaped());
        }
        for (const auto& [title, steps] : chapter.tasks) {
            html += QStringLiteral("<h3 style='color:#14214b'>") + title.toHtmlEscaped() +
                    QStringLiteral("</h3><ol>");
            for (const QString& step : steps)
                html += QStringLiteral("<li>") + step.toHtmlEscaped() + QStringLiteral("</li>");
            html += QStringLiteral("</ol>");
        }
    }
    document.setHtml(html);

    {
        QPdfWriter pdf(pdfPath);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(QStringLiteral("Filmeria Pro - Guida"));
        pdf.setResolution(150);
        keepFiguresWhole(document, pdf);
        document.print(&pdf);
    }
    return QFileInfo(pdfPath).size() > 0;
}

} // namespace filmeria
