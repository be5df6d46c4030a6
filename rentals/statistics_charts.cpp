#include "rentals/statistics_charts.h"

#include "core/windows1252.h"
#include "rentals/statistics_tables.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QColor>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QLocale>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <vector>

namespace filmeria {
namespace {

QLocale italian() {
    return QLocale(QLocale::Italian, QLocale::Italy);
}

QStringList monthInitials() {
    QStringList months;
    for (const char* month : kMonthNames)
        months << QString::fromUtf8(month).left(3);
    return months;
}

double euros(std::int64_t cents) {
    return static_cast<double>(cents) / 100.0;
}

QChart* chartOf(const QString& title, QAbstractBarSeries* series, const QStringList& categories,
                const QString& valueTitle, bool wholeNumbers) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setLocale(italian());
    chart->setLocalizeNumbers(true);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->addSeries(series);
    auto* categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(categories);
    auto* valueAxis = new QValueAxis;
    valueAxis->setTitleText(valueTitle);
    valueAxis->setLabelFormat(wholeNumbers ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
    // The highest bar, or stack of bars, with room above it.
    const bool stacked = series->type() == QAbstractSeries::SeriesTypeStackedBar;
    double top = 0;
    for (int i = 0; i < static_cast<int>(categories.size()); ++i) {
        double bar = 0;
        for (const QBarSet* set : series->barSets())
            bar = stacked ? bar + set->at(i) : std::max(bar, set->at(i));
        top = std::max(top, bar);
    }
    valueAxis->setRange(0, top > 0 ? top * 1.1 : 1);
    valueAxis->applyNiceNumbers();
    const bool horizontal = series->type() == QAbstractSeries::SeriesTypeHorizontalBar;
    chart->addAxis(categoryAxis, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(valueAxis, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(categoryAxis);
    series->attachAxis(valueAxis);
    chart->legend()->setVisible(series->count() > 1);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// A ranking's label: at most `width` characters, an ellipsis where it was cut.
QString shortened(const QString& text, int width) {
    return text.size() <= width ? text : text.left(width - 1) + QChar(0x2026);
}

// A ranking as horizontal bars, the first at the top (a horizontal chart draws its first
// category at the bottom), with the value on each bar.
QChart* rankingChart(const QString& title, const QString& valueName, const QColor& colour,
                     const QStringList& labels, const std::vector<long>& values) {
    auto* series = new QHorizontalBarSeries;
    auto* set = new QBarSet(valueName);
    set->setColor(colour);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value"));
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    QStringList categories;
    for (auto i = labels.size(); i-- > 0;) {
        *set << static_cast<double>(values[static_cast<std::size_t>(i)]);
        categories << labels[i];
    }
    series->append(set);
    return chartOf(title, series, categories, valueName, true);
}

} // namespace

QChart* takingsChart(const YearStatistics& year, const YearStatistics& before) {
    auto* series = new QBarSeries;
    auto* current = new QBarSet(QString::number(year.year));
    auto* previous = new QBarSet(QString::number(before.year));
    current->setColor(QColor::fromRgb(kYearColour));
    previous->setColor(QColor::fromRgb(kBeforeColour));
    for (std::size_t m = 0; m < year.months.size(); ++m) {
        *current << euros(year.months[m].takings);
        *previous << euros(before.months[m].takings);
    }
    series->append(current);
    series->append(previous);
    return chartOf(QStringLiteral("Incasso per mese: %1 e %2").arg(year.year).arg(before.year), series,
                   monthInitials(), QStringLiteral("Euro"), false);
}

QChart* paidChart(const YearStatistics& year) {
    auto* series = new QStackedBarSeries;
    auto* paid = new QBarSet(QStringLiteral("Saldato"));
    auto* unpaid = new QBarSet(QStringLiteral("Da saldare"));
    paid->setColor(QColor::fromRgb(kPaidColour));
    unpaid->setColor(QColor::fromRgb(kUnpaidColour));
    for (const PeriodFigures& month : year.months) {
        *paid << euros(month.paid);
        *unpaid << euros(month.unpaid);
    }
    series->append(paid);
    series->append(unpaid);
    return chartOf(QStringLiteral("Saldato e da saldare %1").arg(year.year), series, monthInitials(),
                   QStringLiteral("Euro"), false);
}

QChart* topFilmsChart(const YearStatistics& year) {
    QStringList titles;
    std::vector<long> rentals;
    for (const RankedFilm& film : year.topFilms) {
        titles << shortened(QString::fromUtf8(utf8FromCp1252(film.title.empty() ? film.code : film.title)),
                            32);
        rentals.push_back(film.rentals);
    }
    // A category axis draws one bar for a label however often it comes: films of one title are
    // told apart by their codes.
    const QStringList asTitled = titles;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const RankedFilm& film = year.topFilms[static_cast<std::size_t>(i)];
        if (asTitled.count(asTitled[i]) > 1)
            titles[i] = shortened(QString::fromUtf8(utf8FromCp1252(film.title)), 24) +
                        QStringLiteral(" (%1)").arg(QString::fromUtf8(utf8FromCp1252(film.code)));
    }
    return rankingChart(QStringLiteral("I film più noleggiati del %1").arg(year.year),
                        QStringLiteral("Noleggi"), QColor::fromRgb(kYearColour), titles, rentals);
}

QChart* topCustomersChart(const YearStatistics& year) {
    QStringList names;
    std::vector<long> slips;
    for (const RankedCustomer& customer : year.topCustomers) {
        names << shortened(QString::fromUtf8(utf8FromCp1252(customer.name)), 26) +
                     QStringLiteral(" (%1)").arg(QString::fromUtf8(utf8FromCp1252(customer.card)));
        slips.push_back(customer.slips);
    }
    return rankingChart(QStringLiteral("I clienti più assidui del %1").arg(year.year),
                        QStringLiteral("Schede"), QColor::fromRgb(kPaidColour), names, slips);
}

QChart* weekdaysChart(const YearStatistics& year) {
    auto* series = new QBarSeries;
    auto* set = new QBarSet(QStringLiteral("Film noleggiati"));
    set->setColor(QColor::fromRgb(kYearColour));
    QStringList days;
    for (std::size_t d = 0; d < year.filmsByWeekday.size(); ++d) {
        *set << static_cast<double>(year.filmsByWeekday[d]);
        days << QString::fromUtf8(kWeekdayNames[d]);
    }
    series->append(set);
    return chartOf(QStringLiteral("Film noleggiati per giorno della settimana, %1").arg(year.year), series,
                   days, QStringLiteral("Film"), true);
}

} // namespace filmeria
