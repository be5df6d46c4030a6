// The screens on a real X server (Xvfb), with real message boxes and input from outside the
// program (xdotool): what the offscreen platform cannot show, such as which window a click or
// a key reaches while a drop-down list or a message box is open, and the titles the window
// system shows.
#include "app/Filmeria.h"
#include "app/screen_set.h"
#include "customers/Avanzate.h"
#include "films/ExpContatti.h"
#include "films/RicercaFilm.h"
#include "platform/qt_services.h"
#include "rentals/Noleggi.h"
#include "rentals/rental_file.h"
#include "screen_fixture.h"
#include "screenkit/enter_keys.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace filmeria::testing {
namespace {

// The real message boxes, counted.
class CountedDialogs final : public Dialogs {
public:
    void information(QWidget* parent, const QString& text) override {
        ++shown;
        real_.information(parent, text);
    }
    bool confirm(QWidget* parent, const QString& caption, const QString& question) override {
        ++shown;
        return real_.confirm(parent, caption, question);
    }
    void refusal(QWidget* parent, const QString& text) override {
        ++shown;
        real_.refusal(parent, text);
    }
    void errorReport(QWidget* parent, const QString& text) override {
        ++shown;
        real_.errorReport(parent, text);
    }
    int exec(QDialog& dialog) override { return real_.exec(dialog); }
    QString openFile(QWidget* parent, const QString& title, const QString& filters) override {
        return real_.openFile(parent, title, filters);
    }

    int shown = 0;

private:
    QtDialogs real_;
};

// Input as the X server delivers it: xdotool, waited for, then the program's events handled.
void xdotool(const QStringList& arguments) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0)
        << arguments.join(' ').toStdString();
    QTest::qWait(400);
}

void clickOn(QWidget* widget) {
    const QPoint at = widget->mapToGlobal(widget->rect().center());
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

void moveOver(QWidget* widget) {
    const QPoint at = widget->mapToGlobal(widget->rect().center());
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
}

// The title the window system shows for a window.
QString shownTitle(const QWidget& window) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {"-id", QString::number(window.winId()), "-notype", "_NET_WM_NAME"});
    xprop.waitForFinished();
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype first = line.indexOf(QLatin1Char('"'));
    return first < 0 ? line : line.mid(first + 1, line.lastIndexOf(QLatin1Char('"')) - first - 1);
}

class RealDesktop : public ScreenTest {
protected:
    RealDesktop()
        : services{dialogs, fakes.shell, fakes.clock, fakes.printing, fakes.office, folderOf(dir), [] {}} {}
    void TearDown() override {
        screens_.reset();
        ScreenTest::TearDown();
    }
    ScreenSet& screens() {
        if (!screens_)
            screens_ = std::make_unique<ScreenSet>(services);
        return *screens_;
    }
    static void showOnScreen(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    CountedDialogs dialogs;
    Services services;

private:
    std::unique_ptr<ScreenSet> screens_;
};

TEST_F(RealDesktop, EveryWindowShowsItsCaptionAloneAndTheReelIcon) {
    ScreenSet& set = screens();
    int seen = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->objectName().startsWith(QLatin1String("frm")) || window->windowTitle().isEmpty())
            continue;
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        EXPECT_EQ(shownTitle(*window), window->windowTitle()) << window->objectName().toStdString();
        EXPECT_FALSE(window->windowIcon().isNull());
        window->hide();
        ++seen;
    }
    EXPECT_GE(seen, 20);
    (void)set;

    // A message box is titled with the program's name.
    QTimer::singleShot(800, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(shownTitle(*box), QStringLiteral("Filmeria Pro"));
        box->accept();
    });
    dialogs.information(nullptr, QStringLiteral("Prova"));
}

TEST_F(RealDesktop, OneClickOnTheCriterionOpensItsList) {
    TfrmRicercaFilm& search = screens().ricercaFilm();
    showOnScreen(search);
    auto* criterion = child<QComboBox>(search, "cboCriterio");
    clickOn(criterion->lineEdit());
    EXPECT_TRUE(criterion->view()->isVisible());
    // A click on the second item picks it and closes the list.
    const QRect second = criterion->view()->visualRect(criterion->model()->index(1, 0));
    const QPoint at = criterion->view()->viewport()->mapToGlobal(second.center());
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    EXPECT_FALSE(criterion->view()->isVisible());
    EXPECT_EQ(criterion->currentIndex(), 1);
    search.hide();
}

TEST_F(RealDesktop, TheExportLabelsRestBlackAndTheGridSetsThemBack) {
    TfrmExpContatti& screen = screens().expContatti();
    showOnScreen(screen);
    auto* excel = child<QLabel>(screen, "lblExcel");
    auto* esci = child<QLabel>(screen, "lblEsci");
    const auto colour = [](QLabel* label) { return label->palette().color(QPalette::WindowText); };
    EXPECT_EQ(colour(excel), QColor(Qt::black));
    moveOver(excel);
    EXPECT_EQ(colour(excel), QColor(Qt::red));
    moveOver(esci);
    EXPECT_EQ(colour(esci), QColor(Qt::red));
    EXPECT_EQ(colour(excel), QColor(Qt::black));
    moveOver(child<QTableView>(screen, "grdRecords")->viewport());
    EXPECT_EQ(colour(esci), QColor(Qt::black));
    screen.hide();
}

TEST_F(RealDesktop, EnterInTheProvinceListChoosesAndMovesOnInOnePress) {
    TfrmAvanzate& search = screens().avanzate();
    showOnScreen(search);
    auto* province = child<QComboBox>(search, "cboGiorno");
    auto* next = child<QLineEdit>(search, "txtDettagli");
    focusByKeyboard(province);
    // The completions drop down while typing; the box's own list opens with Alt+Down.
    xdotool({"type", "R"});
    ASSERT_TRUE(province->completer()->popup()->isVisible());
    xdotool({"key", "Down", "Return"});
    EXPECT_EQ(province->currentText(), QStringLiteral("RA"));
    EXPECT_TRUE(next->hasFocus());
    focusByKeyboard(province);
    xdotool({"key", "alt+Down"});
    ASSERT_TRUE(province->view()->isVisible());
    xdotool({"key", "Down", "Return"});
    EXPECT_FALSE(province->view()->isVisible());
    EXPECT_EQ(province->currentText(), QStringLiteral("RC"));
    EXPECT_TRUE(next->hasFocus());
    search.hide();
}

TEST_F(RealDesktop, AWorkScreenShowsItsFormInTheSamePlaceOnEveryVisit) {
    TfrmFilmeria& main = screens().filmeria();
    TfrmNoleggi& rentals = screens().noleggi();
    main.showMain();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QList<QPoint> places;
    for (int visit = 0; visit < 3; ++visit) {
        releaseOn(child<QLabel>(main, "imgNoleggi")); // the main window hands over to the screen
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&rentals));
        QTest::qWait(500);
        places << child<QGroupBox>(rentals, "grpContainer")->mapToGlobal(QPoint(0, 0));
        rentals.close(); // and takes it back
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        QTest::qWait(300);
    }
    EXPECT_EQ(places.count(places.front()), 3) << places.front().y() << " " << places.back().y();
}

TEST_F(RealDesktop, EnterThatClosesAMessageDoesNotPressTheButtonAgain) {
    TfrmAvanzate& search = screens().avanzate();
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&search));
        child<QPushButton>(search, "cmdTrova")->click(); // nobody in the archive: an empty list
        QPushButton* print = child<QPushButton>(search, "cmdStampa");
        EXPECT_TRUE(print->isEnabled());
        focusByKeyboard(print);
        QTest::qWait(200);
        // Enter held down shows the message once, the next closes it; held as long, its
        // keyboard repeats reach neither the message nor the button.
        QProcess keys;
        keys.start(QStringLiteral("xdotool"),
                   {"keydown", "Return", "sleep", "1.2", "keyup", "Return", "sleep", "0.5", "keydown",
                    "Return", "sleep", "1.2", "keyup", "Return"});
        QElapsedTimer since;
        since.start();
        QTimer closer; // a message shown again would wait for ever: close it once the keys are sent
        QObject::connect(&closer, &QTimer::timeout, [&since] {
            if (since.elapsed() < 3500)
                return;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        closer.start(200);
        QTest::qWait(4500);
        keys.waitForFinished();
        EXPECT_EQ(dialogs.shown, 1);
        EXPECT_EQ(QApplication::activeModalWidget(), &search);
        search.reject();
    });
    dialogs.exec(search);
}

// A returned film at the counter with the keyboard alone: from the main window to the returns
// desk, the film's code typed as a scanner types it, Saldato ticked and the slip saved, every
// key through the X server and every box a real one.
TEST_F(RealDesktop, AReturnedFilmFromScanToSavedSlipWithTheKeyboardOnly) {
    const std::string folder = folderOf(dir).toStdString();
    RentalRecord slip;
    slip[SlipField::NumScheda] = "12";
    slip[SlipField::Cliente] = "Bar Sport";
    slip[SlipField::Tessera] = "A15";
    slip[SlipField::Data] = "20/02/2009";
    slip[SlipField::Saldato] = kNotPaid;
    slip.at(RowField::Codice, 1) = "F1";
    slip.at(RowField::Titolo, 1) = "Pane e tulipani";
    slip.at(RowField::Prestito, 1) = "20/02/2009"; // the fake clock says 28/02/2009
    slip.at(RowField::PrezzoDie, 1) = "1,50";
    yearArchive(folder, "2009").append(slip);

    TfrmFilmeria& main = screens().filmeria();
    main.showMain();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    // Sent at the pace of a clerk while the program waits in its boxes.
    QProcess keys;
    keys.start(QStringLiteral("sh"), {"-c", "xdotool key alt+r; sleep 2; xdotool type --delay 60 F1; "
                                            "xdotool key Return; sleep 2; xdotool key space; sleep 0.5; "
                                            "xdotool key ctrl+s; sleep 2; xdotool key Return"});
    QElapsedTimer since;
    since.start();
    const auto saved = [&] { return yearArchive(folder, "2009").readAt(1)[SlipField::Saldato] == kPaid; };
    while (!(saved() && keys.state() == QProcess::NotRunning) && since.elapsed() < 20000)
        QTest::qWait(200);
    keys.waitForFinished();

    const RentalRecord back = yearArchive(folder, "2009").readAt(1);
    EXPECT_EQ(back.at(RowField::Riconsegna, 1), "28/02/2009");
    EXPECT_EQ(back.at(RowField::TotGiorni, 1), "8");
    EXPECT_EQ(back.at(RowField::PrezzoTot, 1), "12,00");
    EXPECT_EQ(back[SlipField::Totale], "12,00");
    EXPECT_EQ(back[SlipField::Saldato], kPaid);
    EXPECT_EQ(dialogs.shown, 1); // the saved message, closed by Enter
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(screens().noleggi().isVisible());
}

} // namespace
} // namespace filmeria::testing
