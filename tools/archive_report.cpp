#include "tools/archive_report.h"

#include "core/money_text.h"
#include "core/posix_file.h"
#include "core/text_rules.h"
#include "core/windows1252.h"
#include "customers/customer_file.h"
#include "films/film_store.h"
#include "rentals/films_out.h"
#include "rentals/rental_file.h"
#include "rentals/rental_statistics.h"
#include "tools/poster_jpeg.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

#include <fcntl.h>
#include <sys/stat.h>

namespace filmeria {
namespace {

constexpr std::size_t kReportBlockBytes = std::size_t{1} << 20;
// A line of films out at its longest: seven texts of 255 characters of up to three bytes each,
// numbers and separators.
constexpr std::size_t kLongestLine = 7 * 255 * 3 + 256;

// Windows-1252's upper half in UTF-8, worked out once.
struct Utf8Bytes {
    char bytes[3];
    std::uint8_t length;
};
const std::array<Utf8Bytes, 128> kUtf8OfHighBytes = [] {
    std::array<Utf8Bytes, 128> table{};
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        const std::string utf8 = utf8FromCp1252(std::string(1, static_cast<char>(byte)));
        Utf8Bytes& entry = table[byte - 0x80];
        entry.length = static_cast<std::uint8_t>(utf8.size());
        std::copy(utf8.begin(), utf8.end(), entry.bytes);
    }
    return table;
}();

struct ArchiveKind {
    std::span<const FieldLayout> fields;
    std::size_t recordSize;
    bool isSlipFile;
};

// The decimals the program writes an amount field of a year file with; 0 for other fields.
int amountPlaces(const FieldLayout& field) {
    if (field.name == "Totale")
        return 2;
    return field.name == "PrezzoDie" || field.name == "PrezzoTot" ? 4 : 0;
}

std::string problemsFound(int problems) {
    if (problems == 0)
        return "nessun problema trovato\n";
    return problems == 1 ? std::string("1 problema trovato\n")
                         : std::to_string(problems) + " problemi trovati\n";
}

std::optional<ArchiveKind> kindOf(const std::string& path) {
    const std::string lower = asciiLower(path);
    const auto endsWith = [&](std::string_view tail) {
        return lower.size() >= tail.size() &&
               lower.compare(lower.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (endsWith(".pro"))
        return ArchiveKind{CustomerLayout::kFields, CustomerLayout::kRecordSize, false};
    if (endsWith(".nol"))
        return ArchiveKind{RentalLayout::kFields, RentalLayout::kRecordSize, true};
    return std::nullopt;
}

std::string csvField(std::string_view utf8) {
    const bool quote = utf8.find_first_of(",\"\r\n") != std::string_view::npos;
    if (!quote)
        return std::string(utf8);
    std::string out = "\"";
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

// Reads the whole archive; nullopt (after reporting) when it cannot be read or is of
// no known kind.
// An archive is a regular file: a pipe or a device would make a read wait for ever.
bool isRegularFile(const std::string& path, std::ostream& err) {
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        err << "impossibile leggere '" << path << "': il file non esiste\n";
        return false;
    }
    if (!std::filesystem::is_regular_file(path, ignored)) {
        err << "impossibile leggere '" << path << "': non è un file regolare\n";
        return false;
    }
    return true;
}

std::optional<std::string> load(const std::string& path, std::ostream& err) {
    if (!kindOf(path)) {
        err << "tipo di archivio sconosciuto: '" << path << "' (previsti .pro, .nol o .db)\n";
        return std::nullopt;
    }
    if (!isRegularFile(path, err))
        return std::nullopt;
    try {
        auto bytes = readWholeFile(path);
        if (!bytes)
            err << "impossibile leggere '" << path << "': il file non esiste\n";
        return bytes;
    } catch (const ArchiveError& e) {
        err << e.what() << "\n";
        return std::nullopt;
    }
}

bool isFilmStore(const std::string& path) {
    const std::string lower = asciiLower(path);
    return lower.size() >= 3 && lower.compare(lower.size() - 3, 3, ".db") == 0;
}

// Opens an existing film store (never creating one); nullptr (after reporting) when it cannot.
std::unique_ptr<TSQLiteDatabase> openFilms(const std::string& path, std::ostream& err) {
    if (!isRegularFile(path, err))
        return nullptr;
    try {
        auto db = std::make_unique<TSQLiteDatabase>(path);
        db->Query("SELECT count(*) FROM sqlite_master");
        return db;
    } catch (const std::exception& e) {
        err << e.what() << "\n";
        return nullptr;
    }
}

int exportFilms(const std::string& path, std::ostream& out, std::ostream& err) {
    const auto db = openFilms(path, err);
    if (!db)
        return 2;
    try {
        if (!db->HasTable("film")) {
            err << "'" << path << "' non contiene la tabella film\n";
            return 2;
        }
        std::string columns = "ID";
        for (const char* column : filmColumns())
            columns += std::string(",") + column;
        // A film without a poster counts 0 bytes, so the column is an integer on every row.
        const auto rows =
            db->Query("SELECT " + columns + ",coalesce(length(Picture), 0) FROM film ORDER BY ID");
        out << columns << ",PosterBytes\r\n";
        for (bool row = rows->First(); row && !rows->AtEnd(); rows->Next()) {
            out << rows->IntegerAt(0);
            for (int c = 1; c <= static_cast<int>(kFilmTextFields); ++c)
                out << "," << csvField(utf8FromCp1252(rows->BlobTextAt(c)));
            out << "," << rows->IntegerAt(static_cast<int>(kFilmTextFields) + 1) << "\r\n";
        }
    } catch (const std::exception& e) {
        err << e.what() << "\n";
        return 2;
    }
    return 0;
}

int checkFilms(const std::string& path, std::ostream& out, std::ostream& err) {
    const auto db = openFilms(path, err);
    if (!db)
        return 2;
    int problems = 0;
    try {
        const auto integrity = db->Query("PRAGMA integrity_check");
        for (bool row = integrity->First(); row && !integrity->AtEnd(); integrity->Next()) {
            const std::string verdict = integrity->TextAt(0);
            if (verdict != "ok") {
                out << "integrità: " << verdict << "\n";
                ++problems;
            }
        }
        const auto table =
            db->Query("SELECT sql FROM sqlite_master WHERE type = 'table' AND lower(name) = 'film'");
        if (table->RowCount() == 0) {
            out << "manca la tabella film\n";
            ++problems;
        } else if (table->TextAt(0) != kFilmTableDefinition) {
            out << "la tabella film differisce dalla definizione del programma: " << table->TextAt(0) << "\n";
            ++problems;
        }
        std::size_t films = 0;
        std::size_t posters = 0;
        if (table->RowCount() > 0) {
            // One poster at a time, so a large archive is never held in memory whole.
            const auto ids = db->Query("SELECT ID FROM film WHERE Picture IS NOT NULL ORDER BY ID");
            films = static_cast<std::size_t>(db->Query("SELECT count(*) AS n FROM film")->IntegerAt(0));
            for (bool row = ids->First(); row && !ids->AtEnd(); ids->Next()) {
                const std::int64_t id = ids->IntegerAt(0);
                const auto poster = db->Query("SELECT Picture FROM film WHERE ID = ?", {id});
                ++posters;
                const auto bytes = poster->BlobAt(0);
                if (!bytes || !decodesAsJpeg(*bytes)) {
                    out << "film " << id << ": la locandina non è un'immagine JPEG leggibile\n";
                    ++problems;
                }
            }
            const auto prices = db->Query("SELECT ID, varPrezzo FROM film ORDER BY ID");
            for (bool row = prices->First(); row && !prices->AtEnd(); prices->Next()) {
                const std::string price = prices->BlobTextAt(1);
                if (!isAmountAsWritten(price, 4)) {
                    out << "film " << prices->IntegerAt(0) << ": il prezzo \"" << utf8FromCp1252(price)
                        << "\" non è un importo come lo scrive il programma\n";
                    ++problems;
                }
            }
        }
        out << path << ": " << films << " film, " << posters << " locandine\n";
    } catch (const std::exception& e) {
        err << e.what() << "\n";
        return 2;
    }
    out << problemsFound(problems);
    return problems ? 1 : 0;
}

} // namespace

int exportArchive(const std::string& path, std::ostream& out, std::ostream& err) {
    if (isFilmStore(path))
        return exportFilms(path, out, err);
    const auto bytes = load(path, err);
    if (!bytes)
        return 2;
    const auto kind = kindOf(path);
    for (std::size_t i = 0; i < kind->fields.size(); ++i)
        out << (i ? "," : "") << kind->fields[i].label();
    out << "\r\n";
    const std::size_t count = bytes->size() / kind->recordSize;
    for (std::size_t r = 0; r < count; ++r) {
        const std::span<const char> record(bytes->data() + r * kind->recordSize, kind->recordSize);
        for (std::size_t i = 0; i < kind->fields.size(); ++i)
            out << (i ? "," : "") << csvField(utf8FromCp1252(readText(record, kind->fields[i])));
        out << "\r\n";
    }
    return 0;
}

int checkArchive(const std::string& path, std::ostream& out, std::ostream& err) {
    if (isFilmStore(path))
        return checkFilms(path, out, err);
    const auto kind = kindOf(path);
    if (!kind) {
        err << "tipo di archivio sconosciuto: '" << path << "' (previsti .pro, .nol o .db)\n";
        return 2;
    }
    if (!isRegularFile(path, err))
        return 2;
    const std::size_t recordSize = kind->recordSize;
    int problems = 0;
    std::size_t records = 0;
    const auto checkRecord = [&](std::span<const char> record) {
        const std::size_t r = records++;
        for (const FieldLayout& field : kind->fields) {
            if (lengthExceedsCapacity(record, field)) {
                out << "record " << r + 1 << ": il campo " << field.label() << " ha lunghezza "
                    << static_cast<int>(static_cast<unsigned char>(record[field.offset]))
                    << " oltre la sua capacità " << field.capacity << "\n";
                ++problems;
            }
            const int places = kind->isSlipFile ? amountPlaces(field) : 0;
            if (places > 0) {
                const std::string amount = readText(record, field);
                if (!isAmountAsWritten(amount, places)) {
                    out << "record " << r + 1 << ": l'importo " << field.label() << " \""
                        << utf8FromCp1252(amount) << "\" non è come lo scrive il programma\n";
                    ++problems;
                }
            }
        }
        if (kind->isSlipFile) {
            const std::string paid = RentalView(record).text(SlipField::Saldato);
            if (paid != kPaid && paid != kNotPaid) {
                out << "record " << r + 1 << ": il campo Saldato \"" << utf8FromCp1252(paid)
                    << "\" non è né \"si\" né \"no\"\n";
                ++problems;
            }
        }
    };
    // The file streams through in blocks: memory stays the same whatever its size. A record
    // cut by a block's end waits in `pending` for the rest.
    std::string pending;
    try {
        const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        if (!fd.isOpen())
            failOnFile("impossibile aprire", path, errno);
        struct stat info {};
        if (::fstat(fd.get(), &info) != 0)
            failOnFile("impossibile leggere", path, errno);
        const auto size = static_cast<std::size_t>(info.st_size);
        out << path << ": " << size / recordSize << " record di " << recordSize << " byte\n";
        readInBlocks(fd.get(), path, [&](const char* data, std::size_t n) {
            if (!pending.empty()) {
                const std::size_t taken = std::min(n, recordSize - pending.size());
                pending.append(data, taken);
                data += taken;
                n -= taken;
                if (pending.size() < recordSize)
                    return;
                checkRecord(pending);
                pending.clear();
            }
            for (; n >= recordSize; data += recordSize, n -= recordSize)
                checkRecord({data, recordSize});
            pending.assign(data, n);
        });
    } catch (const ArchiveError& e) {
        err << e.what() << "\n";
        return 2;
    }
    if (!pending.empty()) {
        out << "frammento finale di " << pending.size()
            << " byte dopo l'ultimo record (il programma lo ignora)\n";
        ++problems;
    }
    out << problemsFound(problems);
    return problems ? 1 : 0;
}

int reportFilmsOut(const std::string& folder, const std::string& at, std::ostream& out, std::ostream& err) {
    CivilDate today{};
    if (at.empty()) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        today = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    } else if (const std::optional<CivilDate> date = parseDate(at)) {
        today = *date;
    } else {
        err << "data non valida: \"" << at << "\" (prevista gg/mm/aaaa)\n";
        return 2;
    }
    std::string folderPath = folder;
    if (!folderPath.empty() && folderPath.back() != '/')
        folderPath += '/';
    try {
        const FilmsOut films = filmsOut(folderPath, today);
        // The lines are made in one buffer, handed on a block at a time.
        const std::unique_ptr<char[]> buffer(new char[kReportBlockBytes + kLongestLine]);
        char* end = buffer.get();
        const auto put = [&](std::string_view text) { end = std::copy(text.begin(), text.end(), end); };
        const auto field = [&](std::string_view text) {
            for (const char c : text) {
                const auto byte = static_cast<unsigned char>(c);
                if (byte < 0x80) {
                    // The separator and line breaks inside a text would split its line.
                    *end++ = c == ';' || c == '\r' || c == '\n' ? ' ' : c;
                } else {
                    const Utf8Bytes& utf8 = kUtf8OfHighBytes[byte - 0x80];
                    end = std::copy(utf8.bytes, utf8.bytes + utf8.length, end);
                }
            }
            *end++ = ';';
        };
        const auto number = [&](long value) { end = std::to_chars(end, end + 24, value).ptr; };
        put("Anno;Scheda;Posizione;Riga;Codice;Titolo;Cliente;Tessera;Prestito;Giorni\n");
        for (std::size_t i = 0; i < films.size(); ++i) {
            const FilmOut f = films[i];
            put(f.year);
            *end++ = ';';
            field(f.slip);
            number(static_cast<long>(f.position));
            *end++ = ';';
            number(f.row);
            *end++ = ';';
            for (const std::string_view text : {f.code, f.title, f.customer, f.card, f.rented})
                field(text);
            if (f.daysOut)
                number(*f.daysOut);
            *end++ = '\n';
            if (end - buffer.get() >= static_cast<std::ptrdiff_t>(kReportBlockBytes)) {
                out.write(buffer.get(), end - buffer.get());
                end = buffer.get();
            }
        }
        out.write(buffer.get(), end - buffer.get());
    } catch (const ArchiveError& e) {
        err << e.what() << "\n";
        return 2;
    }
    return 0;
}

int reportStatistics(const std::string& folder, const std::string& year, std::ostream& out,
                     std::ostream& err) {
    if (year.size() != 4 ||
        !std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        err << "anno non valido: \"" << year << "\" (previste 4 cifre)\n";
        return 2;
    }
    std::string folderPath = folder;
    if (!folderPath.empty() && folderPath.back() != '/')
        folderPath += '/';
    struct stat st {};
    if (::stat(folderPath.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        err << "impossibile leggere la cartella '" << folder << "'\n";
        return 2;
    }
    // A year without its file is a year that cannot be read: a script asked for it.
    if (const std::string path = yearFilePath(folderPath, year); ::stat(path.c_str(), &st) != 0) {
        err << "impossibile leggere l'archivio '" << path << "'\n";
        return 2;
    }
    try {
        const YearStatistics figures = yearStatistics(folderPath, std::stoi(year));
        out << monthlyTable(figures);
        for (const std::string& warning : figures.warnings)
            err << "Altro: " << warning << "\n";
    } catch (const ArchiveError& e) {
        err << e.what() << "\n";
        return 2;
    }
    return 0;
}

} // namespace filmeria
