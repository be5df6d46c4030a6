#include "rentals/rental_statistics.h"

#include "core/dates.h"
#include "core/folded_table.h"
#include "core/large_buffer_allocator.h"
#include "core/money_text.h"
#include "core/posix_file.h"
#include "core/record_file.h"
#include "core/side_by_side.h"
#include "core/text_rules.h"
#include "core/windows1252.h"
#include "films/film_store.h"
#include "films/sqlite_access.h"
#include "rentals/rental_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <iterator>
#include <sys/stat.h>

namespace filmeria {

void PeriodFigures::add(const PeriodFigures& other) {
    slips += other.slips;
    films += other.films;
    takings += other.takings;
    paid += other.paid;
    unpaid += other.unpaid;
}

namespace {

// Slips read as one part (about 11 MB), each in blocks of about 1 MB.
constexpr std::size_t kSlipsPerPart = 8192;
constexpr std::size_t kSlipsPerBlock = 766;

// A film or a card as counted. Its spelling and name are those of the first slip that has it,
// read again once the ten first are known.
struct Counted {
    std::uint32_t first = 0; // that slip's position
    std::uint32_t count = 0;
    std::int64_t takings = 0;
};
using CountTable = FoldedTable<Counted>;

void count(CountTable& table, std::string_view key, std::uint32_t hash, std::size_t position,
           std::uint32_t times, std::int64_t takings) {
    const auto [entry, isNew] = table.find(key, hash);
    Counted& counted = entry->value;
    if (isNew || position < counted.first)
        counted.first = static_cast<std::uint32_t>(position);
    counted.count += times;
    counted.takings += takings;
}

// What one thread has counted of the parts it read.
struct Tally {
    std::array<PeriodFigures, 12> months{};
    PeriodFigures other;
    std::array<long, 7> weekdays{};
    CountTable films;
    CountTable cards;

    // The codes and cards of a block of slips, counted once the block is read: their slots are
    // fetched from memory meanwhile, side by side rather than one after the other.
    struct Pending {
        std::string_view key; // in the block
        std::uint32_t hash;
        std::uint32_t position;
        std::int64_t takings;
        CountTable* table;
    };
    std::vector<Pending> pending;

    void countLater(CountTable& table, std::string_view key, std::size_t position, std::int64_t takings) {
        const std::uint32_t hash = CountTable::hashOf(key);
        table.prefetch(hash);
        pending.push_back({key, hash, static_cast<std::uint32_t>(position), takings, &table});
    }
    void countPending() {
        for (const Pending& p : pending)
            count(*p.table, p.key, p.hash, p.position, 1, p.takings);
        pending.clear();
    }
};

// A slip's total in cents: empty is nothing yet; what the money rule could not have written is
// no amount.
std::optional<std::int64_t> totalInCents(std::string_view text) {
    const std::string_view total = trimmedView(text);
    if (total.empty())
        return 0;
    // As the program writes them ("23,49", "7,5", "12"): the cents from the digits.
    const std::size_t comma = total.find(',');
    const std::string_view units = total.substr(0, comma);
    const std::string_view decimals =
        comma == std::string_view::npos ? std::string_view() : total.substr(comma + 1);
    const auto digitsOnly = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!units.empty() && units.size() <= 12 && digitsOnly(units) &&
        (comma == std::string_view::npos ||
         (!decimals.empty() && decimals.size() <= 2 && digitsOnly(decimals)))) {
        std::int64_t cents = 0;
        for (const char c : units)
            cents = cents * 10 + (c - '0');
        cents *= 100;
        if (!decimals.empty())
            cents += (decimals[0] - '0') * 10 + (decimals.size() == 2 ? decimals[1] - '0' : 0);
        return cents;
    }
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

// One slip into the thread's tally; a slip counted in "Altro" adds its warning to the part's.
void takeSlip(const RentalView& slip, std::size_t position, int year, Tally& tally,
              std::vector<std::string>& warnings) {
    PeriodFigures one;
    one.slips = 1;
    for (int row = 1; row <= kSlipRows; ++row) {
        // A row with a code is a film; without one, its title alone makes it one.
        const std::string_view code = trimmedView(slip.stored(RowField::Codice, row));
        if (!code.empty()) {
            ++one.films;
            tally.countLater(tally.films, code, position, 0);
        } else if (!trimmedView(slip.stored(RowField::Titolo, row)).empty()) {
            ++one.films;
        }
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
        tally.months[static_cast<std::size_t>(date->month - 1)].add(one);
        tally.weekdays[static_cast<std::size_t>(weekdayOf(*date))] += one.films;
    } else {
        tally.other.add(one);
        std::string why = "Scheda n. " + utf8FromCp1252(trimmedView(slip.stored(SlipField::NumScheda))) +
                          " (posizione " + std::to_string(position) + "):";
        if (!ofTheYear)
            why += " data \"" + utf8FromCp1252(dateText) + "\" non dell'anno " + std::to_string(year);
        if (!total)
            why += std::string(ofTheYear ? "" : ";") + " totale \"" +
                   utf8FromCp1252(trimmedView(slip.stored(SlipField::Totale))) + "\" non valido";
        warnings.push_back(std::move(why));
    }
    if (const std::string_view card = trimmedView(slip.stored(SlipField::Tessera)); !card.empty()) {
        tally.countLater(tally.cards, card, position, total.value_or(0));
    }
}

// Adds the counts of `from` to those of `into`.
void mergeCounts(CountTable& into, const CountTable& from) {
    from.forEach([&into, &from](const CountTable::Entry& entry) {
        count(into, from.textOf(entry), entry.hash, entry.value.first, entry.value.count,
              entry.value.takings);
    });
}

// The ten first by count; ties in the order of the code or card, letters in either case.
std::vector<const CountTable::Entry*> topTen(const CountTable& table) {
    std::vector<const CountTable::Entry*> order;
    order.reserve(table.size());
    table.forEach([&order](const CountTable::Entry& entry) { order.push_back(&entry); });
    const std::size_t kept = std::min(kTopCount, order.size());
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(kept), order.end(),
                      [&table](const CountTable::Entry* a, const CountTable::Entry* b) {
                          return a->value.count != b->value.count
                                     ? a->value.count > b->value.count
                                     : foldedLess(table.textOf(*a), table.textOf(*b));
                      });
    order.resize(kept);
    return order;
}

} // namespace

YearStatistics yearStatistics(const std::string& folder, int year) {
    YearStatistics figures;
    figures.year = year;
    const std::string path = yearFilePath(folder, std::to_string(year));
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT)
            failOnFile("impossibile leggere", path, errno);
        return figures;
    }

    // The file open under its shared lock until every part of it is read.
    const RecordFile file(path, kRentalRecordSize, RecordFile::IfMissing::Fail);
    const std::size_t count = file.count();
    const std::size_t parts = (count + kSlipsPerPart - 1) / kSlipsPerPart;
    const std::size_t threads = threadsFor(parts);
    std::vector<Tally> tallies(threads);
    for (Tally& tally : tallies) {
        // Room for a store's films and for a card a slip: a table grows by copying.
        tally.films.reserve(std::min<std::size_t>(count, 24576));
        tally.cards.reserve(std::min<std::size_t>(count / threads, 49152));
        tally.pending.reserve(kSlipsPerBlock * (kSlipRows + 1));
    }
    std::vector<std::vector<std::string>> warningsOf(parts);
    std::vector<std::vector<char, LargeBufferAllocator<char>>> blocks(threads);
    sideBySide(parts, threads, [&](std::uint32_t t, std::size_t p) {
        if (blocks[t].empty())
            blocks[t].resize(kSlipsPerBlock * kRentalRecordSize);
        const std::size_t last = std::min(count, (p + 1) * kSlipsPerPart);
        for (std::size_t first = p * kSlipsPerPart + 1; first <= last; first += kSlipsPerBlock) {
            const std::size_t n = std::min(kSlipsPerBlock, last - first + 1);
            file.readRecords(first, n, blocks[t].data());
            for (std::size_t i = 0; i < n; ++i)
                takeSlip(RentalView({blocks[t].data() + i * kRentalRecordSize, kRentalRecordSize}), first + i,
                         year, tallies[t], warningsOf[p]);
            tallies[t].countPending(); // while the block still holds the keys
        }
    });

    Tally& all = tallies.front();
    for (std::size_t t = 1; t < tallies.size(); ++t) {
        const Tally& other = tallies[t];
        for (std::size_t m = 0; m < all.months.size(); ++m)
            all.months[m].add(other.months[m]);
        all.other.add(other.other);
        for (std::size_t d = 0; d < all.weekdays.size(); ++d)
            all.weekdays[d] += other.weekdays[d];
        mergeCounts(all.films, other.films);
        mergeCounts(all.cards, other.cards);
    }
    figures.months = all.months;
    figures.other = all.other;
    figures.filmsByWeekday = all.weekdays;
    for (const PeriodFigures& month : figures.months)
        figures.total.add(month);
    figures.total.add(figures.other);
    for (std::vector<std::string>& part : warningsOf)
        std::move(part.begin(), part.end(), std::back_inserter(figures.warnings));

    // The spellings and names of the first slips, read again.
    std::vector<char> record(kRentalRecordSize);
    const auto firstSlip = [&](const CountTable::Entry& entry) {
        file.readRecords(entry.value.first, 1, record.data());
        return RentalView({record.data(), record.size()});
    };
    for (const CountTable::Entry* film : topTen(all.films)) {
        RankedFilm ranked{std::string(all.films.textOf(*film)), {}, static_cast<long>(film->value.count)};
        const RentalView slip = firstSlip(*film);
        for (int row = 1; row <= kSlipRows; ++row) {
            const std::string_view code = trimmedView(slip.stored(RowField::Codice, row));
            if (equalsIgnoringAsciiCase(code, ranked.code)) {
                ranked.code = code;
                ranked.title = trimmedView(slip.stored(RowField::Titolo, row));
                break;
            }
        }
        figures.topFilms.push_back(std::move(ranked));
    }
    titleFromFilmArchive(folder, figures.topFilms);
    for (const CountTable::Entry* customer : topTen(all.cards)) {
        const RentalView slip = firstSlip(*customer);
        figures.topCustomers.push_back({std::string(trimmedView(slip.stored(SlipField::Tessera))),
                                        std::string(trimmedView(slip.stored(SlipField::Cliente))),
                                        static_cast<long>(customer->value.count), customer->value.takings});
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
