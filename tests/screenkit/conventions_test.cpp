#include "screen_fixture.h"

#include "platform/qt_text.h"
#include "screenkit/HelpForm.h"
#include "screenkit/action_guard.h"
#include "screenkit/field_highlight.h"
#include "screenkit/picture_buttons.h"
#include "screenkit/screen_style.h"
#include "screenkit/work_window.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <stdexcept>

namespace filmeria::testing {
namespace {

TEST(ContainerCentring, FollowsTheFormulaWithItsOffsets) {
    const struct {
        QSize window;
        QSize container;
        QPoint origin;
    } cases[] = {
        {{800, 582}, {779, 536}, {400 - 389 - 4, 291 - 268 - 18}},
        {{1024, 768}, {779, 536}, {512 - 389 - 4, 384 - 268 - 18}},
        {{1921, 1081}, {779, 537}, {960 - 389 - 4, 540 - 268 - 18}}, // halves round toward zero
        {{700, 400}, {779, 536}, {350 - 389 - 4, 200 - 268 - 18}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(centredContainerOrigin(c.window, c.container), c.origin) << c.window.width();
}

TEST(DisplayText, LineBreakSequencesShowAsCleanBreaks) {
    EXPECT_EQ(displayText(QStringLiteral("Attenzione.\n\r\n\rAccertarsi.")),
              QStringLiteral("Attenzione.\n\nAccertarsi."));
}

TEST(Cp1252Fields, LettersWindows1252CannotHoldBecomeTheirClosestAndTheStatusPanelSaysSo) {
    QWidget window;
    auto* status = new QLabel(&window);
    status->setObjectName("panInfo");
    auto* field = new QLineEdit(&window);
    acceptOnlyCp1252(field);
    typeText(field, QString::fromUtf8("Wiśniewski Łukasz"));
    EXPECT_EQ(field->text(), QStringLiteral("Wisniewski Lukasz"));
    EXPECT_TRUE(status->text().contains(QStringLiteral("sostituite con la più simile")));
    field->clear();
    field->insert(QString::fromUtf8("ul. Floriańska 7, Győr – €uro 中 città ﬁne")); // pasted at once
    EXPECT_EQ(field->text(), QString::fromUtf8("ul. Florianska 7, Gyor – €uro ? città fine"));
    EXPECT_EQ(field->cursorPosition(), field->text().size());

    auto* memo = new QPlainTextEdit(&window);
    acceptOnlyCp1252(memo);
    memo->insertPlainText(QString::fromUtf8("Čapek, Đurđević\nşi 😀"));
    EXPECT_EQ(memoText(memo), QString::fromUtf8("Capek, Durdevic\nsi ?"));

    EXPECT_EQ(fromCp1252("\x80\xE0\x81"), QString::fromUtf8("€à\u0081"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("€à中Ő")), "\x80\xE0?O");
}

TEST(ActionGuard, EscapedErrorsReachTheDefaultReportWithItsFullStopRule) {
    FakeDialogs dialogs;
    runGuarded(dialogs, nullptr, [] { throw std::runtime_error("Impossibile aprire il file"); });
    runGuarded(dialogs, nullptr, [] { throw std::runtime_error("Operazione non riuscita!"); });
    runGuarded(dialogs, nullptr, [] { throw SilentAbort(); });
    runGuarded(dialogs, nullptr, [] {});
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].kind, ShownMessage::ErrorReport);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Impossibile aprire il file."));
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("Operazione non riuscita!"));
}

// A screen of two picture buttons over a background group, as every work screen has.
class PictureButtonScreen : public ::testing::Test {
protected:
    PictureButtonScreen() {
        window.resize(400, 300);
        area = new QGroupBox(&window);
        area->setGeometry(0, 0, 400, 260);
        status = new QLabel(&window);
        status->setGeometry(0, 270, 400, 20);
        imgNuovo = new QLabel(area);
        imgNuovo->setGeometry(10, 10, 32, 32);
        lblNuovo = new QLabel(QStringLiteral("Nuovo"), area);
        lblNuovo->setGeometry(10, 44, 60, 16);
        imgSalva = new QLabel(area);
        imgSalva->setGeometry(80, 10, 32, 32);
        lblSalva = new QLabel(QStringLiteral("Salva"), area);
        lblSalva->setGeometry(80, 44, 60, 16);
        buttons = new PictureButtons(&window, dialogs, status, style::kNavy);
        buttons->add(imgNuovo, lblNuovo, QStringLiteral(" Nuovo."), [this] { ++nuovo; });
        buttons->add(imgSalva, lblSalva, QStringLiteral(" Salva."),
                     [] { throw std::runtime_error("guasto"); });
        buttons->addResetArea(area);
        window.show();
    }

    QWidget window;
    FakeDialogs dialogs;
    QGroupBox* area;
    QLabel* status;
    QLabel *imgNuovo, *lblNuovo, *imgSalva, *lblSalva;
    PictureButtons* buttons;
    int nuovo = 0;
};

TEST_F(PictureButtonScreen, AnyMouseButtonReleasedOverImageOrLabelActs) {
    releaseOn(imgNuovo, Qt::LeftButton);
    releaseOn(lblNuovo, Qt::RightButton);
    releaseOn(imgNuovo, Qt::MiddleButton);
    EXPECT_EQ(nuovo, 3);
    QTest::mouseRelease(imgNuovo, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200)); // released elsewhere
    EXPECT_EQ(nuovo, 3);
    releaseOn(imgSalva);
    EXPECT_EQ(dialogs.lastText(), QStringLiteral("guasto."));
}

TEST_F(PictureButtonScreen, OneLabelRedAtATimeAndTheBackgroundResetsThem) {
    EXPECT_EQ(style::textColour(lblNuovo), style::kNavy);
    EXPECT_EQ(lblNuovo->font().underline(), true);
    hoverOver(imgNuovo);
    EXPECT_EQ(style::textColour(lblNuovo), style::kRed);
    EXPECT_EQ(status->text(), QStringLiteral(" Nuovo."));
    hoverOver(lblSalva); // straight onto the next button: only that one is red
    EXPECT_EQ(style::textColour(lblNuovo), style::kNavy);
    EXPECT_EQ(style::textColour(lblSalva), style::kRed);
    EXPECT_EQ(status->text(), QStringLiteral(" Salva."));
    moveOver(area, imgNuovo->geometry().center()); // still over a button: nothing resets
    EXPECT_EQ(style::textColour(lblSalva), style::kRed);
    moveOver(area, QPoint(300, 200));
    EXPECT_EQ(style::textColour(lblNuovo), style::kNavy);
    EXPECT_EQ(style::textColour(lblSalva), style::kNavy);
    EXPECT_TRUE(status->text().isEmpty());
}

class Conventions : public ScreenTest {};

TEST_F(Conventions, FocusedFieldTurnsYellowAndReturnsToItsRestingColour) {
    auto& window = make<QWidget>();
    auto* field = new QLineEdit(&window);
    highlightOnFocus(field, style::kWhite);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    showActive(&window);
    highlightOnFocus(other, style::kMoneyGreen);
    other->show();
    EXPECT_EQ(fieldColour(other), style::kMoneyGreen);
    field->setFocus();
    EXPECT_EQ(fieldColour(field), style::kYellow);
    other->setFocus();
    EXPECT_EQ(fieldColour(field), style::kWhite);
    EXPECT_EQ(fieldColour(other), style::kYellow);
    field->setFocus();
    EXPECT_EQ(fieldColour(other), style::kMoneyGreen);
}

TEST_F(Conventions, HelpWindowShowsEachTopicWithItsTitleAndParagraphs) {
    auto& help = make<TfrmHelpForm>(fakes.services);
    EXPECT_EQ(help.size(), QSize(561, 459));
    const HelpTopicId all[] = {HelpTopicId::MainWindow, HelpTopicId::Films,     HelpTopicId::Clienti,
                               HelpTopicId::Noleggi,    HelpTopicId::Imminenti, HelpTopicId::ExpNoleggi,
                               HelpTopicId::ExpContatti};
    const int paragraphs[] = {7, 9, 8, 14, 3, 3, 5};
    // The titles as the program's documentation gives them.
    const char* const titles[] = {"Uno sguardo a Filmeria Pro ©",       "Gestione archivio film",
                                  "Gestione archivio clienti",          "Gestione archivio noleggi",
                                  "Esportazione dell'archivio clienti", "Esportazione dell'archivio noleggi",
                                  "Esportazione archivio film"};
    for (std::size_t i = 0; i < std::size(all); ++i) {
        QString shownTitle;
        QString shownMemo;
        fakes.dialogs.onModal = [&](QDialog& d) {
            shownTitle = child<QLabel>(d, "panTitle")->text();
            shownMemo = child<QPlainTextEdit>(d, "memTopic")->toPlainText();
        };
        help.showTopic(all[i]);
        const HelpTopic& topic = helpTopic(all[i]);
        EXPECT_EQ(shownTitle, QString::fromUtf8(titles[i]));
        EXPECT_EQ(static_cast<int>(topic.paragraphs.size()), paragraphs[i]) << topic.title;
        EXPECT_EQ(help.topicText().count(QStringLiteral("\r\n\r\n")), paragraphs[i] - 1);
        EXPECT_EQ(shownMemo, QString(help.topicText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    EXPECT_TRUE(child<QPlainTextEdit>(help, "memTopic")->isReadOnly());
}

TEST_F(Conventions, HelpPdfLinkOpensTheGuideBesideTheProgramAndSaysWhenNothingOpenedIt) {
    auto& help = make<TfrmHelpForm>(fakes.services);
    help.show();
    auto* link = child<QLabel>(help, "lblPDF");
    hoverOver(child<QLabel>(help, "imgPDF"));
    EXPECT_EQ(style::textColour(link), style::kRed);
    moveOver(&help, QPoint(5, 300));
    EXPECT_EQ(style::textColour(link), style::kWhite);
    fakes.shell.succeeds = false;
    releaseOn(link, Qt::RightButton);
    EXPECT_EQ(fakes.shell.opened, QStringList{path("Guida.pdf")});
    EXPECT_EQ(fakes.shell.verbs.back(), ShellVerb::Default);
    EXPECT_EQ(fakes.dialogs.lastText(), QString::fromUtf8("Impossibile aprire la guida:\r\n") +
                                            path("Guida.pdf") +
                                            QString::fromUtf8("\r\n\r\nIl file non esiste."));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    QFile(path("Guida.pdf")).open(QIODevice::WriteOnly);
    releaseOn(link);
    EXPECT_TRUE(fakes.dialogs.lastText().endsWith(
        QString::fromUtf8("Nessun programma del sistema ha aperto il file: accertarsi che un programma per "
                          "visualizzare i file PDF "
                          "sia installato sul proprio computer.")));
    fakes.shell.succeeds = true;
    const auto told = fakes.dialogs.shown.size();
    releaseOn(link);
    EXPECT_EQ(fakes.dialogs.shown.size(), told);
}

} // namespace
} // namespace filmeria::testing
