#include "rentals/Statistiche.h"

#include "core/list_printout.h"
#include "core/posix_file.h"
#include "platform/services.h"
#include "rentals/statistics_charts.h"
#include "rentals/statistics_printout.h"
#include "screenkit/action_guard.h"
#include "screenkit/archive_message.h"
#include "screenkit/busy_cursor.h"
#include "screenkit/controls.h"
#include "screenkit/export_screen.h"
#include "screenkit/print_job.h"
#include "screenkit/screen_style.h"
#include "screenkit/status_panel.h"
#include "screenkit/window_placement.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>
#include <functional>

namespace filmeria {
namespace {

struct ChartPage {
    const char* tab;
    const char* chartName;
    const char* tableName;
    StatisticsTableId table;
};
constexpr ChartPage kPages[] = {
    {"Incassi per mese", "chrMesi", "tblMesi", Months},
    {"Saldato e da saldare", "chrSaldato", "tblSaldato", Months},
    {"Film più noleggiati", "chrFilm", "tblFilm", TopFilms},
    {"Clienti più assidui", "chrClienti", "tblClienti", TopCustomers},
    {"Noleggi per giorno", "chrGiorni", "tblGiorni", Weekdays},
};

QTableWidget* makeGrid(const char* name) {
    auto* grid = new QTableWidget;
    grid->setObjectName(QLatin1String(name));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(22);
    return grid;
}

void fillGrid(QTableWidget* grid, const StatisticsTable& table) {
    grid->clear();
    const auto columns = static_cast<int>(table.rows.front().size());
    grid->setColumnCount(columns);
    grid->setRowCount(static_cast<int>(table.rows.size()) - 1);
    QStringList headings;
    for (const std::string& heading : table.rows.front())
        headings << QString::fromStdString(heading);
    grid->setHorizontalHeaderLabels(headings);
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(table.rows[r][c]));
            if (c < table.kinds.size() && table.kinds[c] != ColumnKind::Text)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(static_cast<int>(r) - 1, static_cast<int>(c), item);
        }
    }
    grid->resizeColumnsToContents();
    // The names take the room left (the films' titles, the customers'), or every column shares it.
    QHeaderView* header = grid->horizontalHeader();
    const auto names = std::find(table.kinds.rbegin(), table.kinds.rend() - 1, ColumnKind::Text);
    if (names != table.kinds.rend() - 1)
        header->setSectionResizeMode(static_cast<int>(table.kinds.rend() - names) - 1, QHeaderView::Stretch);
    else
        header->setSectionResizeMode(QHeaderView::Stretch);
}

} // namespace

TfrmStatistiche::TfrmStatistiche(Services& services)
    : services_(services) {
    setObjectName("frmStatistiche");
    setUpDialog(this, QStringLiteral(" Statistiche"), {960, 640}, style::kSilver);
    centreOnDesktop(this);
    setFont(style::verdana(8));

    makeLabel(this, QStringLiteral("Anno:"), {12, 14, 40, 18}, style::verdana(8, true));
    spnAnno = new QSpinBox(this);
    spnAnno->setObjectName("spnAnno");
    spnAnno->setRange(1900, 9999);
    spnAnno->setGeometry(56, 10, 70, 24);
    cmdAggiorna = makeButton(this, "cmdAggiorna", QStringLiteral("Aggiorna"), {134, 8, 100, 28});
    cmdTabelle = makeButton(this, "cmdTabelle", QStringLiteral("Tabelle"), {242, 8, 100, 28});
    cmdTabelle->setCheckable(true);
    cmdTabelle->setToolTip(QStringLiteral(" Mostra le tabelle al posto dei grafici (Ctrl+T) "));
    cmdTabelle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    lblTotali = makeLabel(this, {}, {356, 6, 592, 16}, style::verdana(8, true), std::nullopt,
                          QStringLiteral("lblTotali"));
    lblAltro = makeLabel(this, {}, {356, 22, 592, 16}, style::verdana(8), QColor(128, 0, 0),
                         QStringLiteral("lblAltro"));

    tabGrafici = new QTabWidget(this);
    tabGrafici->setObjectName("tabGrafici");
    tabGrafici->setGeometry(12, 44, 936, 544);
    for (const ChartPage& page : kPages) {
        auto* stack = new QStackedWidget;
        auto* view = new QChartView;
        view->setObjectName(QLatin1String(page.chartName));
        view->setRenderHint(QPainter::Antialiasing);
        QTableWidget* grid = makeGrid(page.tableName);
        stack->addWidget(view);
        stack->addWidget(grid);
        tabGrafici->addTab(stack, QString::fromUtf8(page.tab));
        pages_.push_back(stack);
        charts_.push_back(view);
        grids_.push_back(grid);
    }
    tblAltro = makeGrid("tblAltro");

    cmdStampa = makeButton(this, "cmdStampa", QStringLiteral("Stampa"), {12, 598, 100, 30});
    cmdEsporta = makeButton(this, "cmdEsporta", QStringLiteral("Esporta"), {120, 598, 100, 30});
    cmdChiudi = makeButton(this, "cmdChiudi", QStringLiteral("Chiudi"), {848, 598, 100, 30});
    panInfo = makeStatusPanel(this, StatusPanelKind::Sunken);
    panInfo->setGeometry(228, 598, 612, 30);

    onClick(cmdAggiorna, services_.dialogs, [this] { refresh(); });
    connect(cmdTabelle, &QPushButton::toggled, this, [this](bool tables) { showTables(tables); });
    onClick(cmdStampa, services_.dialogs, [this] { print(); });
    onClick(cmdEsporta, services_.dialogs, [this] { exportWorkbook(); });
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmStatistiche::setYear(int year) {
    wantedYear_ = year;
}

void TfrmStatistiche::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    {
        const QSignalBlocker quiet(spnAnno);
        spnAnno->setValue(wantedYear_ > 0 ? wantedYear_ : services_.clock.today().year());
    }
    refresh();
    cmdAggiorna->setFocus();
}

void TfrmStatistiche::refresh() {
    const std::string folder = services_.folder.toStdString();
    const int year = spnAnno->value();
    try {
        BusyCursor busy;
        year_ = yearStatistics(folder, year);
        before_ = yearStatistics(folder, year - 1);
    } catch (const ArchiveError&) {
        year_ = YearStatistics{};
        year_.year = year;
        before_ = YearStatistics{};
        before_.year = year - 1;
        services_.dialogs.information(this, kArchiveAccessMessage);
    }
    showFigures();
}

void TfrmStatistiche::showFigures() {
    tables_ = statisticsTables(year_, before_);
    const std::function<QChart*()> makeChart[] = {
        [this] { return takingsChart(year_, before_); }, [this] { return paidChart(year_); },
        [this] { return topFilmsChart(year_); }, [this] { return topCustomersChart(year_); },
        [this] { return weekdaysChart(year_); }};
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        QChart* old = charts_[i]->chart();
        charts_[i]->setChart(makeChart[i]());
        delete old;
        fillGrid(grids_[i], tables_[kPages[i].table]);
    }

    // The slips apart, on a page of their own while there are any.
    const int altro = tabGrafici->indexOf(tblAltro);
    if (year_.warnings.empty()) {
        if (altro >= 0)
            tabGrafici->removeTab(altro);
        lblAltro->clear();
    } else {
        fillGrid(tblAltro, tables_[SlipsApart]);
        if (altro < 0)
            tabGrafici->addTab(tblAltro, QStringLiteral("Altro"));
        lblAltro->setText(QStringLiteral("Altro: %1 con data o totale non validi (pagina \"Altro\")")
                              .arg(QString::fromStdString(slipCountText(year_.other.slips))));
    }
    const PeriodFigures& t = year_.total;
    lblTotali->setText(QStringLiteral("%1 - schede: %2, film: %3, incasso: %4 (saldato %5, da saldare %6)")
                           .arg(year_.year)
                           .arg(t.slips)
                           .arg(t.films)
                           .arg(QString::fromStdString(amountText(t.takings)),
                                QString::fromStdString(amountText(t.paid)),
                                QString::fromStdString(amountText(t.unpaid))));
    panInfo->clear();
}

void TfrmStatistiche::showTables(bool tables) {
    for (QStackedWidget* page : pages_)
        page->setCurrentIndex(tables ? 1 : 0);
    cmdTabelle->setText(tables ? QStringLiteral("Grafici") : QStringLiteral("Tabelle"));
}

void TfrmStatistiche::print() {
    const QString question = QStringLiteral("Stampare le statistiche del %1?").arg(year_.year);
    if (!services_.dialogs.confirm(this, QString::fromUtf8(kPrintConfirmCaption), question))
        return;
    const std::string printed =
        services_.clock.now().toString(QStringLiteral("dd/MM/yyyy HH:mm")).toStdString();
    runPrintJob(
        services_, this, QStringLiteral("Statistiche %1").arg(year_.year),
        [this, printed](PrintCanvas& canvas) { printStatistics(canvas, year_, before_, tables_, printed); });
}

void TfrmStatistiche::exportWorkbook() {
    filmeria::exportWorkbook(services_, this, panInfo, QStringLiteral("Statistiche %1").arg(year_.year),
                             statisticsWorkbook(tables_));
}

} // namespace filmeria
