// The desktop shell through the real xdg-open, on a desktop of the test's own: "opened" only
// when an application took the file or the address.
#include "app/maker_links.h"
#include "controlled_desktop.h"
#include "customers/Imminenti.h"
#include "platform/office.h"
#include "platform/qt_services.h"
#include "screen_fixture.h"
#include "screenkit/HelpForm.h"
#include "screenkit/print_job.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace filmeria::testing {
namespace {

QString pdfIn(const QTemporaryDir& dir) {
    const QString path = dir.path() + QStringLiteral("/Scheda noleggio 12.pdf");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n%%EOF\n");
    return path;
}

const QString kMail = QStringLiteral("mailto:info@esempio.it?subject=Software Filmeria Pro");

TEST(DesktopShell, WithNoApplicationForTheTargetNothingIsOpened) {
    ControlledDesktop desktop(ControlledDesktop::Handler::None);
    QTemporaryDir dir;
    DesktopShell shell;
    EXPECT_FALSE(shell.open(pdfIn(dir), ShellVerb::Open));
    EXPECT_FALSE(shell.open(kMail, ShellVerb::Open));
    EXPECT_FALSE(shell.open(dir.path() + QStringLiteral("/Guida.pdf"), ShellVerb::Default)); // no such file
}

TEST(DesktopShell, TheDesktopsApplicationIsGivenTheFileOrTheAddress) {
    ControlledDesktop desktop(ControlledDesktop::Handler::Records);
    QTemporaryDir dir;
    DesktopShell shell;
    const QString pdf = pdfIn(dir);
    EXPECT_TRUE(shell.open(pdf, ShellVerb::Open));
    EXPECT_TRUE(shell.open(kMail, ShellVerb::Open));
    EXPECT_EQ(desktop.received(2),
              (QStringList{pdf, QStringLiteral("mailto:info@esempio.it?subject=Software%20Filmeria%20Pro")}));
}

TEST(DesktopShell, AnApplicationStillRunningInTheForegroundOfXdgOpenHasTheFile) {
    ControlledDesktop desktop(ControlledDesktop::Handler::KeepsRunning);
    QTemporaryDir dir;
    DesktopShell shell(300);
    const QString pdf = pdfIn(dir);
    QElapsedTimer waited;
    waited.start();
    EXPECT_TRUE(shell.open(pdf, ShellVerb::Open));
    EXPECT_LT(waited.elapsed(), 10000); // not for the application's whole run
    EXPECT_EQ(desktop.received(1), QStringList{pdf});
}

// The screens on the real desktop shell and office files: the customer export and a printout
// kept as a PDF on a machine with no printer.
class RealDesktopScreens : public ScreenTest {
protected:
    void exportAndPrint() {
        TfrmHelpForm help(services);
        TfrmImminenti exportScreen(services, help);
        showActive(&exportScreen);
        releaseOn(child<QLabel>(exportScreen, "lblExcel"));
        status = child<QLabel>(exportScreen, "panInfo")->text();
        runPrintJob(services, nullptr, QStringLiteral("Elenco clienti"), [](PrintCanvas& canvas) {
            canvas.beginDocument();
            canvas.endDocument();
        });
    }
    QStringList written(const QString& folder) const {
        QStringList paths;
        for (const QString& name : QDir(path(folder)).entryList(QDir::Files))
            paths << path(folder) + QLatin1Char('/') + name;
        return paths;
    }

    DesktopShell shell;
    DesktopOffice office{folderOf(dir), fakes.clock, shell};
    SystemPrinting printing{folderOf(dir), fakes.clock, [] { return QPrinterInfo(); }};
    Services services{fakes.dialogs, shell, fakes.clock, printing, office, folderOf(dir), [] {}};
    QString status;
};

TEST_F(RealDesktopScreens, NothingOpenedTheFilesAndTheMessagesSaySoAndWhereTheyAre) {
    ControlledDesktop desktop(ControlledDesktop::Handler::None);
    exportAndPrint();
    const QStringList sheets = written(QStringLiteral("Esportazioni"));
    const QStringList pdfs = written(QStringLiteral("Stampe"));
    ASSERT_EQ(sheets.size(), 1);
    ASSERT_EQ(pdfs.size(), 1);
    ASSERT_EQ(fakes.dialogs.shown.size(), 2u);
    EXPECT_EQ(
        fakes.dialogs.shown[0].text,
        QString::fromUtf8("Il file è stato salvato in:\r\n") + sheets[0] +
            QString::fromUtf8("\r\n\r\nNessun programma del sistema ha aperto il file: accertarsi che un "
                              "programma per i fogli di calcolo (ad esempio LibreOffice) sia installato sul "
                              "proprio computer."));
    EXPECT_EQ(
        fakes.dialogs.shown[1].text,
        QString::fromUtf8("Nessuna stampante è installata: la stampa è stata salvata nel file\r\n\r\n") +
            pdfs[0] +
            QString::fromUtf8("\r\n\r\nNessun programma del sistema ha aperto il file: accertarsi che un "
                              "programma per visualizzare i file PDF sia installato sul proprio computer."));
}

TEST_F(RealDesktopScreens, TheDesktopsApplicationGotTheFilesAndTheirPlaceIsStillTold) {
    ControlledDesktop desktop(ControlledDesktop::Handler::Records);
    exportAndPrint();
    const QStringList sheets = written(QStringLiteral("Esportazioni"));
    const QStringList pdfs = written(QStringLiteral("Stampe"));
    ASSERT_EQ(sheets.size(), 1);
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(desktop.received(2), (QStringList{sheets[0], pdfs[0]}));
    EXPECT_EQ(status, QString::fromUtf8(" Il file è stato salvato in: ") + sheets[0]);
    ASSERT_EQ(fakes.dialogs.shown.size(), 1u); // the printout's own note of where it went
    EXPECT_EQ(
        fakes.dialogs.shown[0].text,
        QString::fromUtf8("Nessuna stampante è installata: la stampa è stata salvata nel file\r\n\r\n") +
            pdfs[0]);
}

TEST_F(RealDesktopScreens, AnExportFolderThatIsAPlainFileIsNamedInTheMessage) {
    ControlledDesktop desktop(ControlledDesktop::Handler::Records);
    QFile(path(QStringLiteral("Esportazioni"))).open(QIODevice::WriteOnly);
    TfrmHelpForm help(services);
    TfrmImminenti exportScreen(services, help);
    showActive(&exportScreen);
    releaseOn(child<QLabel>(exportScreen, "lblWord"));
    EXPECT_EQ(
        fakes.dialogs.lastText(),
        QString::fromUtf8("Attenzione: il sistema non consente di creare il file di Microsoft Word.\n\r\n\r"
                          "Esportazione dati non riuscita.\r\n\r\nNon è stato possibile scrivere il file "
                          "nella cartella:\r\n") +
            path(QStringLiteral("Esportazioni")) +
            QString::fromUtf8("\r\n\r\nAccertarsi che la cartella esista, che sia possibile scrivervi e "
                              "che il disco non sia pieno."));
    EXPECT_TRUE(desktop.received(0).isEmpty());
}

// The e-mail to the maker through the real xdg-open: the Part's failure message when no mail
// program takes the address, nothing to say when one does.
TEST_F(RealDesktopScreens, AnEMailNoProgramTakesIsToldAndOneTakenIsNot) {
    {
        ControlledDesktop desktop(ControlledDesktop::Handler::None);
        writeToMaker(services, nullptr);
        EXPECT_EQ(fakes.dialogs.texts(), QStringList{QStringLiteral("Invio e-mail non riuscito.")});
    }
    ControlledDesktop desktop(ControlledDesktop::Handler::Records);
    writeToMaker(services, nullptr);
    EXPECT_EQ(fakes.dialogs.shown.size(), 1u);
    ASSERT_EQ(desktop.received(1).size(), 1);
    EXPECT_TRUE(desktop.received(1)[0].startsWith(QStringLiteral("mailto:")))
        << desktop.received(1)[0].toStdString();
}

} // namespace
} // namespace filmeria::testing
