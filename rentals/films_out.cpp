#include "rentals/films_out.h"

#include "core/posix_file.h"
#include "core/record_file.h"
#include "core/side_by_side.h"
#include "core/text_rules.h"
#include "rentals/rental_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <exception>
#include <memory>

namespace filmeria {
namespace {

// Slips read as one part: about 11 MB of a year file, small enough for the parts to share
// the processors evenly, large enough for each to be read in whole blocks.
constexpr std::size_t kSlipsPerPart = 8192;
constexpr std::size_t kSlipsPerBlock = 766; // a read of about 1 MB

struct Part {
    std::size_t file; // among the year files
    std::size_t first;
    std::size_t last;
};

// The order of the list: most days out first, rows without a date last; equal ranks keep the
// order they were gathered in (year, position, row).
std::uint32_t rankOf(std::int32_t daysOut, std::int32_t noDays) {
    if (daysOut == noDays)
        return UINT32_MAX;
    return static_cast<std::uint32_t>(std::int64_t{INT32_MAX} - daysOut);
}

} // namespace

std::vector<std::string> yearFilesIn(const std::string& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        failOnFile("impossibile leggere la cartella", folder, errno);
    std::vector<std::string> years;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name.size() == 8 &&
            std::all_of(name.begin(), name.begin() + 4, [](char c) { return c >= '0' && c <= '9'; }) &&
            equalsIgnoringAsciiCase(name.substr(4), ".nol"))
            years.emplace_back(name.substr(0, 4));
    }
    std::sort(years.begin(), years.end());
    return years;
}

FilmOut FilmsOut::operator[](std::size_t i) const {
    const Entry& e = entries_[i];
    const char* text = texts_[e.arena].data() + e.text;
    std::array<std::string_view, TextCount> t;
    for (std::size_t k = 0; k < TextCount; ++k) {
        t[k] = std::string_view(text, e.lengths[k]);
        text += e.lengths[k];
    }
    std::optional<long> days;
    if (e.daysOut != kNoDays)
        days = e.daysOut;
    return {t[Year], t[Slip], e.position, e.row, t[Code], t[Title], t[Customer], t[Card], t[Rented], days};
}

std::optional<FilmOut> FilmsOut::findCode(std::string_view code) const {
    const std::string_view wanted = trimmedView(code);
    if (wanted.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if (e.lengths[Code] != wanted.size())
            continue;
        const char* text = texts_[e.arena].data() + e.text + e.lengths[Year] + e.lengths[Slip];
        if (equalsIgnoringAsciiCase(std::string_view(text, wanted.size()), wanted))
            return (*this)[i];
    }
    return std::nullopt;
}

FilmsOut filmsOut(const std::string& folder, const CivilDate& today) {
    using Entry = FilmsOut::Entry;
    const std::vector<std::string> years = yearFilesIn(folder);
    // Each year file open under its shared lock until every part of it is read.
    std::vector<RecordFile> files;
    std::vector<Part> parts;
    files.reserve(years.size());
    for (const std::string& year : years) {
        files.emplace_back(yearFilePath(folder, year), kRentalRecordSize, RecordFile::IfMissing::Fail);
        const std::size_t count = files.back().count();
        for (std::size_t first = 1; first <= count; first += kSlipsPerPart)
            parts.push_back({files.size() - 1, first, std::min(count, first + kSlipsPerPart - 1)});
    }

    const std::size_t threads = threadsFor(parts.size());
    std::size_t slips = 0;
    for (const RecordFile& file : files)
        slips += file.count();

    // Each thread keeps the films it finds in its own arena and list; each part remembers where
    // its films are, so the list can be put together in the files' order.
    struct Found {
        std::uint32_t arena;
        std::size_t begin;
        std::size_t end;
    };
    using Entries = std::vector<Entry, LargeBufferAllocator<Entry>>;
    FilmsOut out;
    std::vector<Entries> entriesOf(threads);
    for (std::size_t t = 0; t < threads; ++t) {
        out.texts_.emplace_back(slips / threads * 64);
        entriesOf[t].reserve(slips / threads);
    }
    std::vector<Found> found(parts.size());
    const long todayDays = daysFromCivil(today);
    const auto takeSlip = [&](std::uint32_t t, const RentalView& slip, std::size_t position,
                              std::string_view year) {
        TextArena& text = out.texts_[t];
        for (int row = 1; row <= kSlipRows; ++row) {
            const std::string_view code = trimmedView(slip.stored(RowField::Codice, row));
            const std::string_view title = trimmedView(slip.stored(RowField::Titolo, row));
            const std::string_view rented = trimmedView(slip.stored(RowField::Prestito, row));
            if ((code.empty() && title.empty()) || rented.empty() ||
                !trimmedView(slip.stored(RowField::Riconsegna, row)).empty())
                continue;
            std::int32_t days = FilmsOut::kNoDays;
            if (const std::optional<CivilDate> date = parseDate(rented))
                days = static_cast<std::int32_t>(
                    std::clamp<long>(todayDays - daysFromCivil(*date), INT32_MIN + 1, INT32_MAX));
            const std::array<std::string_view, FilmsOut::TextCount> texts = {
                year,
                trimmedView(slip.stored(SlipField::NumScheda)),
                code,
                title,
                trimmedView(slip.stored(SlipField::Cliente)),
                trimmedView(slip.stored(SlipField::Tessera)),
                rented};
            Entry entry{
                t,  static_cast<std::uint32_t>(text.size()), static_cast<std::uint32_t>(position), days,
                {}, static_cast<std::uint8_t>(row)};
            // A field holds at most 255 bytes: its length is one byte in the record.
            text.reserveMore(std::size_t{255} * FilmsOut::TextCount);
            for (std::size_t k = 0; k < texts.size(); ++k) {
                entry.lengths[k] = static_cast<std::uint8_t>(texts[k].size());
                text.appendReserved(texts[k]);
            }
            entriesOf[t].push_back(entry);
        }
    };
    const auto readPart = [&](std::uint32_t t, std::size_t p,
                              std::vector<char, LargeBufferAllocator<char>>& block) {
        const Part& part = parts[p];
        found[p] = {t, entriesOf[t].size(), 0};
        const std::size_t perBlock = block.size() / kRentalRecordSize;
        for (std::size_t first = part.first; first <= part.last; first += perBlock) {
            const std::size_t n = std::min(perBlock, part.last - first + 1);
            files[part.file].readRecords(first, n, block.data());
            for (std::size_t i = 0; i < n; ++i)
                takeSlip(t, RentalView({block.data() + i * kRentalRecordSize, kRentalRecordSize}), first + i,
                         years[part.file]);
        }
        found[p].end = entriesOf[t].size();
    };

    // The parts are read side by side, each thread into its own block.
    std::vector<std::vector<char, LargeBufferAllocator<char>>> blocks(threads);
    sideBySide(parts.size(), threads, [&](std::uint32_t t, std::size_t p) {
        if (blocks[t].empty())
            blocks[t].resize(kSlipsPerBlock * kRentalRecordSize);
        readPart(t, p, blocks[t]);
    });

    // The list in its order: a stable sort on the rank, two passes of 16 bits, the first one
    // taking the films part by part (the files' order); the second is left out when every rank
    // has the same upper half (days out seldom differ there).
    std::size_t total = 0;
    for (const Entries& entries : entriesOf)
        total += entries.size();
    const auto rank = [](const Entry& e) { return rankOf(e.daysOut, FilmsOut::kNoDays); };
    const auto scatter = [&](int shift, const auto& forEach, Entries& into) {
        std::vector<std::size_t> counts(std::size_t{1} << 16, 0);
        forEach([&](const Entry& e) { ++counts[(rank(e) >> shift) & 0xFFFF]; });
        const bool oneDigit = std::find(counts.begin(), counts.end(), total) != counts.end();
        if (oneDigit && shift > 0)
            return true; // already in order
        into.resize(total);
        std::size_t at = 0;
        for (std::size_t& count : counts)
            at += std::exchange(count, at);
        forEach([&](const Entry& e) { into[counts[(rank(e) >> shift) & 0xFFFF]++] = e; });
        return oneDigit;
    };
    scatter(
        0,
        [&](const auto& visit) {
            for (const Found& f : found)
                for (std::size_t i = f.begin; i < f.end; ++i)
                    visit(entriesOf[f.arena][i]);
        },
        out.entries_);
    entriesOf.clear();
    Entries upper;
    const bool sameUpperHalf = scatter(
        16,
        [&](const auto& visit) {
            for (const Entry& e : out.entries_)
                visit(e);
        },
        upper);
    if (!sameUpperHalf)
        out.entries_.swap(upper);
    return out;
}

} // namespace filmeria
