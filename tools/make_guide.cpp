// make-guide: writes the program's guide, Guida.pdf, from the help topics of the screens.
//   make-guide FILE
#include "core/help_topics.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-guide FILE\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    using filmeria::HelpTopicId;
    const HelpTopicId order[] = {HelpTopicId::MainWindow, HelpTopicId::Films,     HelpTopicId::Clienti,
                                 HelpTopicId::Noleggi,    HelpTopicId::Imminenti, HelpTopicId::ExpNoleggi,
                                 HelpTopicId::ExpContatti};
    QString html = QStringLiteral("<h1 style='color:#14214b'>Filmeria Pro &ndash; Guida</h1>");
    for (const HelpTopicId id : order) {
        const filmeria::HelpTopic& topic = filmeria::helpTopic(id);
        html += QStringLiteral("<h2 style='color:#14214b'>") +
                QString::fromStdString(topic.title).toHtmlEscaped() + QStringLiteral("</h2>");
        for (const std::string& paragraph : topic.paragraphs)
            html += QStringLiteral("<p>") + QString::fromStdString(paragraph).toHtmlEscaped() +
                    QStringLiteral("</p>");
    }

    QPdfWriter pdf(QString::fromLocal8Bit(argv[1]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setTitle(QStringLiteral("Filmeria Pro - Guida"));
    pdf.setResolution(300);
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    document.setHtml(html);
    document.print(&pdf);
    return 0;
}
