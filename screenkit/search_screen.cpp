#include "screenkit/search_screen.h"

#include "core/record_file.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/action_guard.h"
#include "screenkit/archive_message.h"
#include "screenkit/controls.h"
#include "screenkit/enter_keys.h"
#include "screenkit/field_highlight.h"
#include "screenkit/print_job.h"
#include "screenkit/screen_style.h"
#include "screenkit/window_placement.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace filmeria {

QLabel* searchLabel(QWidget* parent, const QString& caption, QRect geometry, bool bold) {
    auto* l = new QLabel(caption, parent);
    l->setFont(style::verdana(8, bold));
    l->setGeometry(geometry);
    return l;
}

QLineEdit* searchField(QWidget* parent, const char* name, int maxLength, QRect geometry) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    e->setGeometry(geometry);
    acceptOnlyCp1252(e);
    highlightOnFocus(e, style::kWhite);
    return e;
}

SearchScreen::SearchScreen(Services& services, Texts texts, ControlsMade made)
    : services_(services)
    , texts_(std::move(texts)) {
    setUpDialog(this, texts_.caption, {660, 470}, style::kSilver,
                texts_.minimiseBox ? FrameButtons::MinimiseAndClose : FrameButtons::Close);
    centreOnDesktop(this);
    if (made == ControlsMade::AtConstruction) {
        makeCommonControls(); // the screen makes its own in its constructor
        controlsWereMade();
    }
}

void SearchScreen::makeControls() {
    makeCommonControls();
    makeOwnControls();
}

void SearchScreen::makeCommonControls() {
    const Texts& texts = texts_;
    grpCriteri = new QGroupBox(this);
    grpCriteri->setObjectName("grpCriteri");
    grpCriteri->setGeometry(8, 4, 644, 416);
    lblConta = new QLabel(QStringLiteral("0"), grpCriteri);
    lblConta->setObjectName("lblConta");
    lblConta->hide();

    grpElenco = new QGroupBox(this);
    grpElenco->setObjectName("grpElenco");
    grpElenco->setGeometry(8, 4, 644, 416);
    for (int i = 0; i < texts.listHelp.size(); ++i)
        searchLabel(grpElenco, texts.listHelp[i], {12, 10 + i * 17, 620, 17})->setFont(style::verdana(7));
    const int findTop = 14 + static_cast<int>(texts.listHelp.size()) * 17;
    txtTrova = searchField(grpElenco, "txtTrova", 255, {12, findTop, 520, 24});
    cmdTrova02 = makeButton(grpElenco, "cmdTrova02", QStringLiteral("Trova"), {540, findTop - 1, 92, 26});
    lstRecords = new ResultList(grpElenco);
    lstRecords->setObjectName("lstRecords");
    lstRecords->setFont(style::font("Courier New", 9));
    const int hintHeight = texts.doubleClickHint.isEmpty() ? 0 : 20;
    lstRecords->setGeometry(12, findTop + 32, 620, 416 - findTop - 42 - hintHeight);
    if (hintHeight) {
        QLabel* hint = searchLabel(grpElenco, texts.doubleClickHint, {12, 416 - 28, 620, 18});
        style::setTextColour(hint, QColor(128, 0, 0));
    }
    grpElenco->hide();

    cmdIndietro = makeButton(this, "cmdIndietro", QStringLiteral("<< Indietro"), {8, 430, 110, 30});
    cmdStampa = makeButton(this, "cmdStampa", QStringLiteral("Stampa"), {126, 430, 100, 30});
    cmdTrova = makeButton(this, "cmdTrova", QStringLiteral("Trova"), {436, 430, 100, 30});
    cmdAnnulla = makeButton(this, "cmdAnnulla", texts.closeCaption, {544, 430, 108, 30});
    cmdIndietro->setEnabled(false);
    cmdStampa->setEnabled(false);

    onClick(cmdTrova, services_.dialogs, [this] { search(); });
    connect(cmdIndietro, &QPushButton::clicked, this, [this] { back(); });
    onClick(cmdStampa, services_.dialogs, [this] {
        printResultList(services_, this, lstRecords->lines(), texts_.printQuestion, texts_.printTitle,
                        texts_.printOrientation);
    });
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    onClick(cmdTrova02, services_.dialogs, [this] { findInList(); });
    onEnter(txtTrova, services_.dialogs, [this] { findInList(); });
    connect(lstRecords, &QAbstractItemView::doubleClicked, this, [this] {
        if (hasDoubleClick())
            chooseSelectedLine();
    });
    // Enter in the list chooses its line, as a double click does.
    onEnter(lstRecords, services_.dialogs, [this] {
        if (hasDoubleClick() && lstRecords->currentRow() >= 0)
            chooseSelectedLine();
    });
}

void SearchScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    finder_.forget();
    if (lstRecords->count() > 0)
        lstRecords->setCurrentRow(0);
    txtTrova->clear();
}

void SearchScreen::search() {
    lblConta->setText(QString::number(criteriaInUse()));
    try {
        lstRecords->showLines(searchLines());
    } catch (const ArchiveError&) {
        services_.dialogs.information(this, kArchiveAccessMessage);
        return;
    }
    grpElenco->show();
    grpCriteri->hide();
    cmdTrova->setEnabled(false);
    cmdIndietro->setEnabled(true);
    cmdStampa->setEnabled(true);
    txtTrova->clear();
    txtTrova->setFocus();
}

void SearchScreen::clearResults() {
    lstRecords->clear();
    lblConta->setText(QStringLiteral("0"));
}

void SearchScreen::back() {
    clearResults();
    cmdIndietro->setEnabled(false);
    cmdStampa->setEnabled(false);
    cmdTrova->setEnabled(true);
    grpCriteri->show();
    grpElenco->hide();
    focusAfterBack()->setFocus();
}

void findInResultList(ResultList* list, ListFinder& finder, const QLineEdit* key, Dialogs& dialogs,
                      QWidget* screen) {
    if (list->lines().empty()) {
        dialogs.information(screen, QString::fromUtf8(kListEmpty));
        return;
    }
    if (list->currentRow() < 0)
        list->setCurrentRow(0);
    if (const auto found = finder.find(list->lines(), list->currentRow(), toCp1252(key->text())))
        list->setCurrentRow(*found);
}

void SearchScreen::findInList() {
    findInResultList(lstRecords, finder_, txtTrova, services_.dialogs, this);
}

void SearchScreen::chooseSelectedLine() {
    const int selected = lstRecords->currentRow();
    try {
        if (selected >= 0 && selected < lstRecords->count())
            lineChosen(std::string(lstRecords->lines()[static_cast<std::size_t>(selected)]));
    } catch (...) {
        // A failure while loading closes the screen without a message.
    }
    accept();
}

} // namespace filmeria
