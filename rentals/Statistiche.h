#pragma once
// TfrmStatistiche: the store's statistics for a year, "Statistiche". The takings of each month
// beside the year before, paid and still to be paid, the films and customers at the top, the
// rentals by weekday: each a chart, its table one click away ("Tabelle"). Printed on A4 and
// exported as a workbook.
#include "rentals/rental_statistics.h"
#include "rentals/statistics_tables.h"

#include <QDialog>

#include <vector>

class QChartView;
class QLabel;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;
class QTabWidget;

namespace filmeria {

struct Services;

class TfrmStatistiche final : public QDialog {
public:
    explicit TfrmStatistiche(Services& services);

    // Opens on `year` (the current one when 0): its figures read when the screen is shown.
    void setYear(int year);
    // "Aggiorna": the figures of the chosen year and the year before, read again.
    void refresh();

    const YearStatistics& figures() const { return year_; }
    const YearStatistics& figuresBefore() const { return before_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showFigures();
    void showTables(bool tables);
    void print();
    void exportWorkbook();

    Services& services_;
    YearStatistics year_;
    YearStatistics before_;
    std::vector<StatisticsTable> tables_;
    int wantedYear_ = 0;

    QSpinBox* spnAnno;
    QPushButton* cmdAggiorna;
    QPushButton* cmdTabelle;
    QTabWidget* tabGrafici;
    std::vector<QStackedWidget*> pages_; // a chart over its table
    std::vector<QChartView*> charts_;
    std::vector<QTableWidget*> grids_;
    QTableWidget* tblAltro;
    QLabel* lblTotali;
    QLabel* lblAltro;
    QLabel* panInfo;
    QPushButton* cmdStampa;
    QPushButton* cmdEsporta;
    QPushButton* cmdChiudi;
};

} // namespace filmeria
