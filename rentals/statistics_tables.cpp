#include "rentals/statistics_tables.h"

#include "core/windows1252.h"

namespace filmeria {

std::vector<StatisticsTable> statisticsTables(const YearStatistics& year, const YearStatistics& before) {
    using K = ColumnKind;
    std::vector<StatisticsTable> tables;

    StatisticsTable months{"Incassi per mese",
                           {{"Mese", "Schede", "Film", "Incasso", "Saldato", "Da saldare",
                             "Incasso " + std::to_string(before.year)}},
                           {K::Text, K::Count, K::Count, K::Amount, K::Amount, K::Amount, K::Amount}};
    const auto monthRow = [&months](const std::string& name, const PeriodFigures& f,
                                    std::int64_t takingsBefore) {
        months.rows.push_back({name, std::to_string(f.slips), std::to_string(f.films), amountText(f.takings),
                               amountText(f.paid), amountText(f.unpaid), amountText(takingsBefore)});
    };
    for (std::size_t m = 0; m < year.months.size(); ++m)
        monthRow(kMonthNames[m], year.months[m], before.months[m].takings);
    monthRow("Totale", year.total, before.total.takings);
    if (year.other.slips > 0 || before.other.slips > 0)
        monthRow("Altro", year.other, before.other.takings);
    tables.push_back(std::move(months));

    StatisticsTable films{"Film più noleggiati",
                          {{"Posizione", "Codice", "Titolo", "Noleggi"}},
                          {K::Count, K::Text, K::Text, K::Count}};
    for (std::size_t i = 0; i < year.topFilms.size(); ++i) {
        const RankedFilm& film = year.topFilms[i];
        films.rows.push_back({std::to_string(i + 1), utf8FromCp1252(film.code), utf8FromCp1252(film.title),
                              std::to_string(film.rentals)});
    }
    tables.push_back(std::move(films));

    StatisticsTable customers{"Clienti più assidui",
                              {{"Posizione", "Tessera", "Cliente", "Schede", "Incasso"}},
                              {K::Count, K::Text, K::Text, K::Count, K::Amount}};
    for (std::size_t i = 0; i < year.topCustomers.size(); ++i) {
        const RankedCustomer& customer = year.topCustomers[i];
        customers.rows.push_back({std::to_string(i + 1), utf8FromCp1252(customer.card),
                                  utf8FromCp1252(customer.name), std::to_string(customer.slips),
                                  amountText(customer.takings)});
    }
    tables.push_back(std::move(customers));

    StatisticsTable weekdays{"Noleggi per giorno", {{"Giorno", "Film noleggiati"}}, {K::Text, K::Count}};
    for (std::size_t d = 0; d < year.filmsByWeekday.size(); ++d)
        weekdays.rows.push_back({kWeekdayNames[d], std::to_string(year.filmsByWeekday[d])});
    tables.push_back(std::move(weekdays));

    if (!year.warnings.empty()) {
        StatisticsTable apart{"Schede in Altro", {{"Scheda"}}, {K::Text}};
        for (const std::string& warning : year.warnings)
            apart.rows.push_back({warning});
        tables.push_back(std::move(apart));
    }
    return tables;
}

std::string slipCountText(long slips) {
    return slips == 1 ? std::string("1 scheda") : std::to_string(slips) + " schede";
}

Workbook statisticsWorkbook(const std::vector<StatisticsTable>& tables) {
    Workbook book;
    for (const StatisticsTable& table : tables) {
        Spreadsheet sheet;
        sheet.sheetName = table.name;
        sheet.cells = table.rows;
        sheet.columnKinds = table.kinds;
        const int columns = static_cast<int>(table.rows.front().size());
        sheet.boldFirstColumn = 1;
        sheet.boldLastColumn = columns;
        sheet.fittedColumns = columns;
        book.sheets.push_back(std::move(sheet));
    }
    ColumnChart takings{"Incasso per mese", "Euro", MonthName, {Takings, TakingsBefore}, 1, 12};
    book.sheets.front().charts.push_back(std::move(takings));
    return book;
}

} // namespace filmeria
