#include "rentals/rental_statistics.h"

#include "core/dates.h"
#include "core/money_text.h"
#include "core/posix_file.h"
#include "core/record_file.h"
#include "core/text_rules.h"
#include "core/windows1252.h"
#include "films/film_store.h"
#include "films/sqlite_access.h"
#include "rentals/rental_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <sys/stat.h>
#include <unordered_map>

namespace filmeria {
namespace {

constexpr std::size_t kSlipsPerBlock = 766; // a read of about 1 MB

struct FilmCount {
    std::string code;
    std::string title;
    long rentals = 0;
};

struct CustomerCount {
    std::string card;
    std::string name;
    long slips = 0;
    std::int64_t takings = 0;
};

// A slip's total in cents: empty is nothing yet; what the money rule could not have written is
// no amount.
std::optional<std::int64_t> totalInCents(std::string_view text) {
    const std::string_view total = trimmedView(text);
    if (total.empty())
        return 0;
    if (!isAmountAsWritten(total, 2))
        return std::nullopt;
    const std::optional<double> value = textToNumber(total);
    if (!value)
        return std::nullopt;
    return static_cast<std::int64_t>(std::llround(RoundAmount(*value, 2) * 100.0));
}

// Texts in order with the letters A-Z in either case, for the rankings' ties.
bool foldedLess(std::string_view a, std::string_view b) {
    const auto fold = [](char c) { return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c); };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return fold(x) < fold(y); });
}

// Monday 0 ... Sunday 6; 1970-01-01 was a Thursday.
int weekdayOf(const CivilDate& date) {
    const long days = daysFromCivil(date);
    return static_cast<int>(((days % 7) + 7 + 3) % 7);
}

// Films' titles as the film archive gives them, for the codes found there.
void titleFromFilmArchive(const std::string& folder, std::vector<RankedFilm>& films) {
    struct stat st {};
    if (films.empty() || ::stat((folder + "Film.db").c_str(), &st) != 0)
        return; // no film archive: the slips' titles stand, and none is made
    try {
        FilmStore store(folder);
        for (RankedFilm& film : films) {
            const std::unique_ptr<TSQLiteTable> found = store.withCode(film.code);
            if (found->First() && !found->AtEnd())
                film.title = trimmed(found->BlobTextAt(found->ColumnIndex(filmColumn(FilmField::varTitolo))));
        }
    } catch (const ESQLiteException&) {
        // A film archive that cannot be read leaves the slips' titles.
    }
}

} // namespace

void PeriodFigures::add(const PeriodFigures& other) {
    slips += other.slips;
    films += other.films;
    takings += other.takings;
    paid += other.paid;
    unpaid += other.unpaid;
}

YearStatistics yearStatistics(const std::string& folder, int year) {
    YearStatistics figures;
    figures.year = year;
    const std::string yearText = std::to_string(year);
    const std::string path = yearFilePath(folder, yearText);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT)
            failOnFile("impossibile leggere", path, errno);
        return figures;
    }

    // Keyed by code and card, letters in either case; a lookup copies nothing.
    std::unordered_map<std::string, FilmCount, AsciiFoldedHash, AsciiFoldedEqual> films;
    std::unordered_map<std::string, CustomerCount, AsciiFoldedHash, AsciiFoldedEqual> customers;
    films.reserve(4096);
    customers.reserve(4096);
    const RecordFile file(path, kRentalRecordSize, RecordFile::IfMissing::Fail);
    const std::size_t count = file.count();
    std::vector<char> block(kSlipsPerBlock * kRentalRecordSize);
    for (std::size_t first = 1; first <= count; first += kSlipsPerBlock) {
        const std::size_t n = std::min(kSlipsPerBlock, count - first + 1);
        file.readRecords(first, n, block.data());
        for (std::size_t i = 0; i < n; ++i) {
            const RentalView slip({block.data() + i * kRentalRecordSize, kRentalRecordSize});
            PeriodFigures one;
            one.slips = 1;
            for (int row = 1; row <= kSlipRows; ++row) {
                const std::string_view code = trimmedView(slip.stored(RowField::Codice, row));
                const std::string_view title = trimmedView(slip.stored(RowField::Titolo, row));
                if (code.empty() && title.empty())
                    continue;
                ++one.films;
                if (code.empty())
                    continue;
                auto found = films.find(code);
                if (found == films.end())
                    found =
                        films.emplace(std::string(code), FilmCount{std::string(code), std::string(title), 0})
                            .first;
                ++found->second.rentals;
            }
            const std::string_view dateText = trimmedView(slip.stored(SlipField::Data));
            const std::optional<CivilDate> date = parseDate(dateText);
            const std::optional<std::int64_t> total = totalInCents(slip.stored(SlipField::Totale));
            if (total) {
                one.takings = *total;
                const std::string_view paid = trimmedView(slip.stored(SlipField::Saldato));
                if (equalsIgnoringAsciiCase(paid, kPaid))
                    one.paid = *total;
                else if (equalsIgnoringAsciiCase(paid, kNotPaid))
                    one.unpaid = *total;
            }
            const bool ofTheYear = date && date->year == year;
            if (ofTheYear && total) {
                figures.months[static_cast<std::size_t>(date->month - 1)].add(one);
                figures.filmsByWeekday[static_cast<std::size_t>(weekdayOf(*date))] += one.films;
            } else {
                figures.other.add(one);
                std::string why = "Scheda n. " +
                                  utf8FromCp1252(trimmedView(slip.stored(SlipField::NumScheda))) +
                                  " (posizione " + std::to_string(first + i) + "):";
                if (!ofTheYear)
                    why += " data \"" + utf8FromCp1252(dateText) + "\" non dell'anno " + yearText;
                if (!total)
                    why += std::string(ofTheYear ? "" : ";") + " totale \"" +
                           utf8FromCp1252(trimmedView(slip.stored(SlipField::Totale))) + "\" non valido";
                figures.warnings.push_back(std::move(why));
            }
            if (const std::string_view card = trimmedView(slip.stored(SlipField::Tessera)); !card.empty()) {
                auto found = customers.find(card);
                if (found == customers.end())
                    found = customers
                                .emplace(std::string(card),
                                         CustomerCount{
                                             std::string(card),
                                             std::string(trimmedView(slip.stored(SlipField::Cliente))), 0, 0})
                                .first;
                ++found->second.slips;
                found->second.takings += total.value_or(0);
            }
        }
    }
    for (const PeriodFigures& month : figures.months)
        figures.total.add(month);
    figures.total.add(figures.other);

    // The ten first of each ranking; ties in the order of the code or card, letters in either case.
    std::vector<std::pair<const std::string*, const FilmCount*>> filmOrder;
    filmOrder.reserve(films.size());
    for (const auto& [code, film] : films)
        filmOrder.emplace_back(&code, &film);
    const std::size_t filmsKept = std::min(kTopCount, filmOrder.size());
    std::partial_sort(filmOrder.begin(), filmOrder.begin() + static_cast<std::ptrdiff_t>(filmsKept),
                      filmOrder.end(), [](const auto& a, const auto& b) {
                          return a.second->rentals != b.second->rentals
                                     ? a.second->rentals > b.second->rentals
                                     : foldedLess(*a.first, *b.first);
                      });
    for (std::size_t k = 0; k < filmsKept; ++k)
        figures.topFilms.push_back(
            {filmOrder[k].second->code, filmOrder[k].second->title, filmOrder[k].second->rentals});
    titleFromFilmArchive(folder, figures.topFilms);

    std::vector<std::pair<const std::string*, const CustomerCount*>> customerOrder;
    customerOrder.reserve(customers.size());
    for (const auto& [card, customer] : customers)
        customerOrder.emplace_back(&card, &customer);
    const std::size_t customersKept = std::min(kTopCount, customerOrder.size());
    std::partial_sort(customerOrder.begin(),
                      customerOrder.begin() + static_cast<std::ptrdiff_t>(customersKept), customerOrder.end(),
                      [](const auto& a, const auto& b) {
                          return a.second->slips != b.second->slips ? a.second->slips > b.second->slips
                                                                    : foldedLess(*a.first, *b.first);
                      });
    for (std::size_t k = 0; k < customersKept; ++k) {
        const CustomerCount& c = *customerOrder[k].second;
        figures.topCustomers.push_back({c.card, c.name, c.slips, c.takings});
    }
    return figures;
}

std::string amountText(std::int64_t cents) {
    const bool negative = cents < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    std::string text = std::to_string(magnitude / 100) + ',';
    const std::uint64_t rest = magnitude % 100;
    text += static_cast<char>('0' + rest / 10);
    text += static_cast<char>('0' + rest % 10);
    return negative ? "-" + text : text;
}

std::string monthlyTable(const YearStatistics& figures) {
    std::string table = "Mese;Schede;Film;Incasso;Saldato;Da saldare\n";
    const auto line = [&table](const std::string& name, const PeriodFigures& f) {
        table += name + ';' + std::to_string(f.slips) + ';' + std::to_string(f.films) + ';' +
                 amountText(f.takings) + ';' + amountText(f.paid) + ';' + amountText(f.unpaid) + '\n';
    };
    for (std::size_t m = 0; m < figures.months.size(); ++m)
        line((m < 9 ? "0" : "") + std::to_string(m + 1), figures.months[m]);
    line("Totale", figures.total);
    if (figures.other.slips > 0)
        line("Altro", figures.other);
    return table;
}

} // namespace filmeria
