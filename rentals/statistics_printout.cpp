#include "rentals/statistics_printout.h"

#include "core/windows1252.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace filmeria {
namespace {

// A4 upright, in tenths of a millimetre from the printable area's top left (y negative
// downward).
constexpr int kLeft = 100;
constexpr int kRight = 1850;
constexpr int kPageBottom = -2650;
constexpr int kLabelWidth = 520; // the rankings' names, left of their bars

CanvasFont arial(int tenths, bool bold = false) {
    return {"Arial", tenths, CanvasFont::Size::CellHeight, bold};
}

std::string printed(const std::string& utf8) {
    return printableLine(cp1252FromUtf8(utf8));
}

struct Series {
    std::string name;
    std::uint32_t colour;
    std::vector<double> values;
};

// The axis' top: the value rounded up to a round step (1, 1.2, 1.5, 2 ... 8) times a power of
// ten, so the top and its half read as round values.
double niceCeiling(double value) {
    if (value <= 0)
        return 0;
    double power = 1;
    while (power * 10 <= value)
        power *= 10;
    while (power > value)
        power /= 10;
    for (const double step : {1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0})
        if (step * power >= value)
            return step * power;
    return 10 * power;
}

// The legend: a square of each series' colour and its name, on one line at `y`.
void legend(PrintCanvas& canvas, int y, const std::vector<Series>& series) {
    canvas.setFont(arial(35));
    int x = kLeft;
    for (const Series& s : series) {
        canvas.fillRectangle(x, y - 5, x + 30, y - 35, s.colour);
        canvas.textOut(x + 45, y, printed(s.name));
        x += 80 + 25 * static_cast<int>(s.name.size());
    }
}

// Columns for each category, side by side or stacked, under a title, with the highest value
// told on the axis by `valueText`. Returns the y below it.
template <typename ValueText>
int columnChart(PrintCanvas& canvas, int top, const std::string& title,
                const std::vector<std::string>& categories, const std::vector<Series>& series, bool stacked,
                ValueText valueText) {
    canvas.setFont(arial(45, true));
    canvas.textOut(kLeft, top, printed(title));
    const int chartTop = top - 90;
    const int height = 600;
    const int base = chartTop - height;
    const int axis = kLeft + 200;
    double highest = 0;
    for (std::size_t c = 0; c < categories.size(); ++c) {
        double bar = 0;
        for (const Series& s : series)
            bar = stacked ? bar + s.values[c] : std::max(bar, s.values[c]);
        highest = std::max(highest, bar);
    }
    highest = niceCeiling(highest);
    canvas.setFont(arial(32));
    canvas.setTextAlignment(TextAlignment::Right);
    canvas.textOut(axis - 20, chartTop + 15, valueText(highest));
    canvas.textOut(axis - 20, chartTop - height / 2 + 15, valueText(highest / 2));
    canvas.textOut(axis - 20, base + 15, valueText(0));
    canvas.setTextAlignment(TextAlignment::LeftTop);
    canvas.fillRectangle(axis, chartTop, axis + 3, base, 0x000000);
    canvas.fillRectangle(axis, base, kRight, base - 3, 0x000000);
    canvas.fillRectangle(axis, chartTop - height / 2, kRight, chartTop - height / 2 - 1, 0xBFBFBF);
    const int slot = (kRight - axis) / static_cast<int>(categories.size());
    const int bars = stacked ? 1 : static_cast<int>(series.size());
    const int barWidth = slot * 3 / 4 / bars;
    for (std::size_t c = 0; c < categories.size(); ++c) {
        const int x = axis + static_cast<int>(c) * slot + slot / 8;
        int stackedHeight = 0;
        for (std::size_t k = 0; k < series.size(); ++k) {
            const int h = highest > 0 ? static_cast<int>(series[k].values[c] / highest * height) : 0;
            const int left = stacked ? x : x + static_cast<int>(k) * barWidth;
            const int bottom = base + (stacked ? stackedHeight : 0);
            if (h > 0)
                canvas.fillRectangle(left, bottom + h, left + barWidth, bottom, series[k].colour);
            stackedHeight += h;
        }
        canvas.textOut(x, base - 15, printed(categories[c]));
    }
    legend(canvas, base - 70, series);
    return base - 170;
}

// One bar a line, the first at the top, with its name to the left and its value to the right.
int rankingChart(PrintCanvas& canvas, int top, const std::string& title,
                 const std::vector<std::string>& names, const std::vector<long>& values,
                 std::uint32_t colour) {
    canvas.setFont(arial(45, true));
    canvas.textOut(kLeft, top, printed(title));
    int y = top - 90;
    const long highest = values.empty() ? 0 : *std::max_element(values.begin(), values.end());
    const int barLeft = kLeft + kLabelWidth;
    const int room = kRight - barLeft - 150;
    canvas.setFont(arial(32));
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string name = printed(names[i]);
        if (name.size() > 34)
            name = name.substr(0, 33) + '\x85'; // an ellipsis in Windows-1252
        canvas.textOut(kLeft, y, name);
        const int width =
            highest > 0
                ? static_cast<int>(static_cast<double>(values[i]) / static_cast<double>(highest) * room)
                : 0;
        canvas.fillRectangle(barLeft, y - 5, barLeft + std::max(width, 3), y - 40, colour);
        canvas.textOut(barLeft + width + 20, y, std::to_string(values[i]));
        y -= 55;
    }
    if (names.empty()) {
        canvas.textOut(kLeft, y, "Nessun dato");
        y -= 55;
    }
    return y - 60;
}

// A table in columns as wide as their longest text, on as many pages as it takes.
int tablePrintout(PrintCanvas& canvas, int top, const StatisticsTable& table) {
    // A table that fits a page starts on a new one rather than run over.
    const int height = 80 + 48 * static_cast<int>(table.rows.size());
    if (top - 300 < kPageBottom || (top - height < kPageBottom && height < -kPageBottom)) {
        canvas.newPage();
        top = 0;
    }
    canvas.setFont(arial(45, true));
    canvas.textOut(kLeft, top, printed(table.name));
    int y = top - 80;
    std::vector<int> widths(table.rows.front().size(), 0);
    for (const auto& row : table.rows)
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], 20 * static_cast<int>(printed(row[c]).size()) + 60);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (y < kPageBottom) {
            canvas.newPage();
            y = 0;
        }
        canvas.setFont(arial(32, r == 0));
        int x = kLeft;
        for (std::size_t c = 0; c < table.rows[r].size() && c < widths.size(); ++c) {
            const bool number = r > 0 && c < table.kinds.size() && table.kinds[c] != ColumnKind::Text;
            canvas.setTextAlignment(number ? TextAlignment::Right : TextAlignment::LeftTop);
            canvas.textOut(number ? x + widths[c] - 60 : x, y, printed(table.rows[r][c]));
            x += widths[c];
        }
        canvas.setTextAlignment(TextAlignment::LeftTop);
        if (r == 0)
            canvas.fillRectangle(kLeft, y - 42, std::min(x, kRight), y - 44, 0x000000);
        y -= 48;
    }
    return y - 80;
}

double euros(std::int64_t cents) {
    return static_cast<double>(cents) / 100.0;
}

std::string amountOf(double value) {
    return amountText(std::llround(value * 100.0));
}

} // namespace

void printStatistics(PrintCanvas& canvas, const YearStatistics& year, const YearStatistics& before,
                     const std::vector<StatisticsTable>& tables, const std::string& printedAt) {
    beginJob(canvas, PageOrientation::Portrait);
    canvas.useTenthsOfMillimetre();

    canvas.setFont(arial(70, true));
    canvas.textOut(kLeft, 0, "Statistiche " + std::to_string(year.year));
    canvas.setFont(arial(35));
    canvas.textOut(kLeft, -100,
                   printed("Schede: " + std::to_string(year.total.slips) +
                           " - film noleggiati: " + std::to_string(year.total.films) + " - incasso: " +
                           amountText(year.total.takings) + " (saldato " + amountText(year.total.paid) +
                           ", da saldare " + amountText(year.total.unpaid) + ")"));
    if (year.other.slips > 0)
        canvas.textOut(kLeft, -150,
                       printed("Altro: " + slipCountText(year.other.slips) +
                               " con data o totale non validi (elencate in fondo)"));

    std::vector<std::string> months;
    months.reserve(kMonthNames.size());
    for (const char* month : kMonthNames)
        months.push_back(std::string(month).substr(0, 3));
    Series current{std::to_string(year.year), kYearColour, {}};
    Series previous{std::to_string(before.year), kBeforeColour, {}};
    Series paid{"Saldato", kPaidColour, {}};
    Series unpaid{"Da saldare", kUnpaidColour, {}};
    for (std::size_t m = 0; m < 12; ++m) {
        current.values.push_back(euros(year.months[m].takings));
        previous.values.push_back(euros(before.months[m].takings));
        paid.values.push_back(euros(year.months[m].paid));
        unpaid.values.push_back(euros(year.months[m].unpaid));
    }
    int y = columnChart(
        canvas, -250, "Incasso per mese: " + std::to_string(year.year) + " e " + std::to_string(before.year),
        months, {current, previous}, false, amountOf);
    y = columnChart(canvas, y, "Saldato e da saldare " + std::to_string(year.year), months, {paid, unpaid},
                    true, amountOf);
    canvas.setFont(arial(30));
    canvas.textOut(kLeft, kPageBottom, "Stampa eseguita il " + printedAt);

    canvas.newPage();
    std::vector<std::string> names;
    std::vector<long> counts;
    for (const RankedFilm& film : year.topFilms) {
        names.push_back(utf8FromCp1252(film.title.empty() ? film.code : film.title));
        counts.push_back(film.rentals);
    }
    y = rankingChart(canvas, 0, "I film più noleggiati del " + std::to_string(year.year), names, counts,
                     kYearColour);
    names.clear();
    counts.clear();
    for (const RankedCustomer& customer : year.topCustomers) {
        names.push_back(utf8FromCp1252(customer.name) + " (" + utf8FromCp1252(customer.card) + ")");
        counts.push_back(customer.slips);
    }
    y = rankingChart(canvas, y, "I clienti più assidui del " + std::to_string(year.year), names, counts,
                     kPaidColour);
    std::vector<std::string> days(kWeekdayNames.begin(), kWeekdayNames.end());
    Series weekdays{"Film noleggiati", kYearColour, {}};
    for (const long films : year.filmsByWeekday)
        weekdays.values.push_back(static_cast<double>(films));
    columnChart(canvas, y, "Film noleggiati per giorno della settimana", days, {weekdays}, false,
                [](double value) { return std::to_string(std::lround(value)); });

    canvas.newPage();
    y = 0;
    for (const StatisticsTable& table : tables)
        y = tablePrintout(canvas, y, table);
    canvas.endDocument();
}

} // namespace filmeria
