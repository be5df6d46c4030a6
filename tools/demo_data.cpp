#include "tools/demo_data.h"

#include "core/dates.h"
#include "core/text_rules.h"
#include "rentals/amounts.h"
#include "tools/poster_jpeg.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace filmeria::demo {
namespace {

// A small generator of our own, so the output does not depend on the standard library.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : state_(seed * 0x9E3779B97F4A7C15ULL + 0xD1B54A32D192ED03ULL) {}
    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(below(N))];
    }

private:
    std::uint64_t state_;
};

const std::array<const char*, 40> kSurnames = {
    "Rossi",      "Russo",  "Ferrari",  "Esposito", "Bianchi",  "Romano",    "Colombo",  "Ricci",
    "Marino",     "Greco",  "Bruno",    "Gallo",    "Conti",    "De Luca",   "Mancini",  "Costa",
    "Giordano",   "Rizzo",  "Lombardi", "Moretti",  "Barbieri", "Fontana",   "Santoro",  "Mariani",
    "Rinaldi",    "Caruso", "Ferrara",  "Galli",    "Martini",  "Leone",     "Longo",    "Gentile",
    "Martinelli", "Vitale", "Lombardo", "Serra",    "Coppola",  "De Santis", "D'Angelo", "Marchetti"};
const std::array<const char*, 24> kMaleNames = {
    "Marco",  "Giuseppe", "Luca",      "Andrea",  "Francesco", "Alessandro", "Matteo",   "Lorenzo",
    "Davide", "Simone",   "Nicol\xF2", "Stefano", "Paolo",     "Roberto",    "Giovanni", "Antonio",
    "Fabio",  "Riccardo", "Emanuele",  "Tommaso", "Pietro",    "Filippo",    "Gabriele", "Michele"};
const std::array<const char*, 24> kFemaleNames = {
    "Giulia",   "Francesca", "Chiara", "Sara",     "Martina",  "Valentina", "Alessia", "Elisa",
    "Federica", "Silvia",    "Laura",  "Anna",     "Paola",    "Elena",     "Giorgia", "Ilaria",
    "Marta",    "Roberta",   "Simona", "Cristina", "Beatrice", "Noemi",     "Arianna", "Lucia"};

struct Town {
    const char* name;
    const char* province;
    const char* cap;
    const char* cadastral; // the town's code inside fiscal codes
};
const std::array<Town, 20> kTowns = {{
    {"Roma", "RM", "00185", "H501"},     {"Milano", "MI", "20121", "F205"},
    {"Napoli", "NA", "80134", "F839"},   {"Torino", "TO", "10121", "L219"},
    {"Palermo", "PA", "90133", "G273"},  {"Genova", "GE", "16121", "D969"},
    {"Bologna", "BO", "40121", "A944"},  {"Firenze", "FI", "50122", "D612"},
    {"Bari", "BA", "70121", "A662"},     {"Catania", "CT", "95121", "C351"},
    {"Venezia", "VE", "30121", "L736"},  {"Verona", "VR", "37121", "L781"},
    {"Padova", "PD", "35121", "G224"},   {"Trieste", "TS", "34121", "L424"},
    {"Brescia", "BS", "25121", "B157"},  {"Parma", "PR", "43121", "G337"},
    {"Modena", "MO", "41121", "F257"},   {"Perugia", "PG", "06121", "G478"},
    {"Cagliari", "CA", "09124", "B354"}, {"Forl\xEC", "FC", "47121", "D704"},
}};
const std::array<const char*, 12> kStreets = {"Via Roma",    "Via Garibaldi",    "Corso Italia",
                                              "Via Mazzini", "Via Dante",        "Piazza della Libert\xE0",
                                              "Via Verdi",   "Viale Europa",     "Via Cavour",
                                              "Via Manzoni", "Via XX Settembre", "Via Marconi"};
const std::array<const char*, 10> kGenres = {"Commedia",     "Drammatico", "Giallo", "Fantascienza",
                                             "Animazione",   "Western",    "Horror", "Thriller",
                                             "Documentario", "Musical"};
const std::array<const char*, 30> kTitles = {"Ladri di biciclette",
                                             "La dolce vita",
                                             "Il sorpasso",
                                             "Roma citt\xE0 aperta",
                                             "Nuovo cinema Paradiso",
                                             "La vita \xE8 bella",
                                             "Il postino",
                                             "Mediterraneo",
                                             "Amarcord",
                                             "Otto e mezzo",
                                             "Il gattopardo",
                                             "C'era una volta il West",
                                             "Il buono, il brutto, il cattivo",
                                             "Divorzio all'italiana",
                                             "I soliti ignoti",
                                             "La grande bellezza",
                                             "Perfetti sconosciuti",
                                             "Il divo",
                                             "Gomorra",
                                             "Caro diario",
                                             "La stanza del figlio",
                                             "Pane e tulipani",
                                             "Io non ho paura",
                                             "Il racconto dei racconti",
                                             "Lo chiamavano Jeeg Robot",
                                             "Smetto quando voglio",
                                             "Marrakech Express",
                                             "Non ci resta che piangere",
                                             "Il ciclone",
                                             "Johnny Stecchino"};

const std::array<const char*, 16> kDirectors = {
    "Federico Fellini", "Vittorio De Sica",    "Roberto Rossellini",     "Luchino Visconti",
    "Sergio Leone",     "Pier Paolo Pasolini", "Michelangelo Antonioni", "Ettore Scola",
    "Mario Monicelli",  "Dino Risi",           "Giuseppe Tornatore",     "Nanni Moretti",
    "Paolo Sorrentino", "Gabriele Salvatores", "Matteo Garrone",         "Roberto Benigni"};
const std::array<const char*, 12> kActors = {
    "Marcello Mastroianni", "Sophia Loren",  "Anna Magnani",          "Alberto Sordi",
    "Vittorio Gassman",     "Monica Vitti",  "Gian Maria Volont\xE8", "Claudia Cardinale",
    "Toni Servillo",        "Nino Manfredi", "Ugo Tognazzi",          "Giulietta Masina"};
const std::array<const char*, 6> kMedia = {"DivX",           "DVD",      "Pellicola",
                                           "Super video CD", "Video CD", "Videocassetta"};
const std::array<const char*, 8> kFilmGenres = {"Commedia",     "Drammatico", "Giallo",  "Western",
                                                "Fantascienza", "Animazione", "Storico", "Thriller"};
const std::array<const char*, 6> kCountries = {"Italia",      "Italia",      "Francia",
                                               "Stati Uniti", "Regno Unito", "Spagna"};

std::string consonants(std::string_view s) {
    std::string out;
    for (const char c : asciiUpper(s)) {
        if (c >= 'A' && c <= 'Z' && std::string_view("AEIOU").find(c) == std::string_view::npos)
            out += c;
    }
    return out;
}

std::string vowels(std::string_view s) {
    std::string out;
    for (const char c : asciiUpper(s)) {
        if (std::string_view("AEIOU").find(c) != std::string_view::npos)
            out += c;
    }
    return out;
}

std::string surnameCode(std::string_view surname) {
    return (consonants(surname) + vowels(surname) + "XXX").substr(0, 3);
}

std::string nameCode(std::string_view name) {
    const std::string c = consonants(name);
    if (c.size() >= 4)
        return {c[0], c[2], c[3]};
    return (c + vowels(name) + "XXX").substr(0, 3);
}

std::string fiscalCode(std::string_view surname, std::string_view name, const CivilDate& birth, bool female,
                       const char* cadastral) {
    static constexpr char kMonths[] = "ABCDEHLMPRST";
    char date[8];
    std::snprintf(date, sizeof date, "%02d%c%02d", birth.year % 100, kMonths[birth.month - 1],
                  birth.day + (female ? 40 : 0));
    const std::string first15 = surnameCode(surname) + nameCode(name) + date + cadastral;
    return first15 + fiscalCodeCheckCharacter(first15);
}

// Letters a-z of a name, for an e-mail address.
std::string mailbox(std::string_view s) {
    std::string out;
    for (const char c : asciiLower(s)) {
        if (c >= 'a' && c <= 'z')
            out += c;
    }
    return out;
}

std::string money(int cents) {
    return NormaliseMoneyText(std::to_string(cents / 100) + "," + (cents % 100 < 10 ? "0" : "") +
                                  std::to_string(cents % 100),
                              4, "");
}

} // namespace

char fiscalCodeCheckCharacter(std::string_view first15) {
    // Values of a character in an odd (1st, 3rd, ...) position; digits count as A-J.
    static constexpr int kOdd[26] = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                     20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};
    int sum = 0;
    for (std::size_t i = 0; i < first15.size(); ++i) {
        const char c = first15[i];
        const int index = (c >= '0' && c <= '9') ? c - '0' : c - 'A';
        sum += (i % 2 == 0) ? kOdd[index] : index;
    }
    return static_cast<char>('A' + sum % 26);
}

CustomerRecord makeCustomer(std::uint64_t seed, int index) {
    Random rng(seed * std::uint64_t{1000003} + static_cast<std::uint64_t>(index));
    const bool female = rng.below(2) == 1;
    const std::string surname = rng.pick(kSurnames);
    const std::string name = female ? rng.pick(kFemaleNames) : rng.pick(kMaleNames);
    const Town& home = rng.pick(kTowns);
    const Town& birthplace = rng.below(3) == 0 ? rng.pick(kTowns) : home;
    const CivilDate birth{1940 + rng.below(66), 1 + rng.below(12), 1 + rng.below(28)};
    const CivilDate joined{2005 + rng.below(20), 1 + rng.below(12), 1 + rng.below(28)};

    CustomerRecord r;
    r[CustomerField::Nome] = surname + " " + name;
    r[CustomerField::Indirizzo] = std::string(rng.pick(kStreets)) + ", " + std::to_string(1 + rng.below(180));
    r[CustomerField::Cap] = home.cap;
    r[CustomerField::Citta] = home.name;
    r[CustomerField::Prov] = home.province;
    r[CustomerField::DataNasc] = formatDate(birth);
    r[CustomerField::LuogoNasc] = birthplace.name;
    r[CustomerField::CodFisc] = fiscalCode(surname, name, birth, female, birthplace.cadastral);
    if (rng.below(8) == 0)
        r[CustomerField::Iva] = "0" + std::to_string(1000000000 + rng.below(999999999));
    r[CustomerField::Tessera] = "T" + std::to_string(100000 + index);
    r[CustomerField::Iscrizione] = formatDate(joined);
    r[CustomerField::Noleggio] = rng.pick(kGenres);
    if (rng.below(3) != 0)
        r[CustomerField::TelCasa] =
            "0" + std::to_string(2 + rng.below(8)) + " " + std::to_string(4000000 + rng.below(5999999));
    r[CustomerField::TelCel] =
        "3" + std::to_string(20 + rng.below(80)) + " " + std::to_string(1000000 + rng.below(8999999));
    if (rng.below(2) == 0)
        r[CustomerField::Email] = mailbox(name) + "." + mailbox(surname) + "@esempio.it";
    if (rng.below(5) == 0)
        r[CustomerField::Trama] = "Preferisce i film in lingua originale.\r\nAvvisare per le nuove uscite.";
    return r;
}

RentalRecord makeSlip(std::uint64_t seed, int index, int year, int customers, int films, int maxRows,
                      int outOf) {
    Random rng(seed * std::uint64_t{7919} + static_cast<std::uint64_t>(index) * std::uint64_t{31} +
               static_cast<std::uint64_t>(year));
    const int customerIndex = 1 + rng.below(customers);
    const CustomerRecord customer = makeCustomer(seed, customerIndex);
    const CivilDate issued{year, 1 + rng.below(12), 1 + rng.below(28)};

    RentalRecord r;
    r[SlipField::NumScheda] = std::to_string(index);
    r[SlipField::Cliente] = customer[CustomerField::Nome];
    r[SlipField::Tessera] = customer[CustomerField::Tessera];
    r[SlipField::Data] = formatDate(issued);
    const int rows = 1 + rng.below(std::clamp(maxRows, 1, kSlipRows));
    std::array<std::string, 10> amounts;
    const bool returned = rng.below(std::max(outOf, 1)) != 0;
    for (int k = 1; k <= rows; ++k) {
        const int days = 1 + rng.below(6);
        // A film of the archive written with the same seed, as the film picker fills a row.
        const FilmRow film = makeFilm(seed, 1 + rng.below(std::max(films, 1)));
        r.at(RowField::Codice, k) = film[FilmField::varCodice];
        r.at(RowField::Titolo, k) = film[FilmField::varTitolo];
        r.at(RowField::Prestito, k) = r[SlipField::Data];
        r.at(RowField::PrezzoDie, k) = film[FilmField::varPrezzo];
        if (returned) {
            // Back a few days after the issue date, possibly in the next year.
            CivilDate back = issued;
            for (int d = 0; d < days; ++d) {
                back.day += 1;
                if (!isValidDate(back)) {
                    back.day = 1;
                    if (++back.month > 12) {
                        back.month = 1;
                        ++back.year;
                    }
                }
            }
            r.at(RowField::Riconsegna, k) = formatDate(back);
            const RowCalculation row =
                CalculateRow({r.at(RowField::Prestito, k), r.at(RowField::Riconsegna, k),
                              r.at(RowField::PrezzoDie, k), "", ""});
            r.at(RowField::TotGiorni, k) = row.texts.totGiorni;
            r.at(RowField::PrezzoTot, k) = row.texts.prezzoTot;
            amounts[static_cast<std::size_t>(k - 1)] = row.texts.prezzoTot;
        }
    }
    r[SlipField::Totale] = returned ? CalculateTotal(amounts) : "";
    r[SlipField::Saldato] = returned && rng.below(5) != 0 ? kPaid : kNotPaid;
    return r;
}

FilmRow makeFilm(std::uint64_t seed, int index) {
    Random rng(seed * std::uint64_t{104729} + static_cast<std::uint64_t>(index));
    FilmRow f;
    const std::string title = rng.pick(kTitles);
    f[FilmField::varTitolo] =
        index > static_cast<int>(kTitles.size()) ? title + " " + std::to_string(index) : title;
    f[FilmField::varNazione] = rng.pick(kCountries);
    f[FilmField::varAnno] = std::to_string(1945 + rng.below(80));
    f[FilmField::varGenere] = rng.pick(kFilmGenres);
    f[FilmField::varDurata] = std::to_string(80 + rng.below(80)) + " min";
    f[FilmField::varRegista] = rng.pick(kDirectors);
    f[FilmField::varDistributore] = rng.below(2) ? "Cineteca Nazionale" : "Lanterna Distribuzione";
    f[FilmField::varCast] = std::string(rng.pick(kActors)) + ", " + rng.pick(kActors);
    f[FilmField::varOriginale] = f[FilmField::varTitolo];
    f[FilmField::varSottotitoli] = rng.below(2) ? "Italiano, Inglese" : "";
    f[FilmField::varLingue] = rng.below(3) ? "Italiano" : "Italiano, Inglese";
    f[FilmField::varPrezzo] = money(99 + 50 * rng.below(6));
    f[FilmField::varSupporto] = rng.pick(kMedia);
    f[FilmField::varDisponibile] = rng.below(4) ? "S\xEC" : "No";
    f[FilmField::varTrama] =
        "Una storia italiana raccontata con ironia e affetto.\r\nUn classico da rivedere.";
    f[FilmField::varCodice] = "F" + std::to_string(1000 + index);
    f[FilmField::varWeb] = "http://www.esempio.it/film/" + std::to_string(index);
    return f;
}

void writeFilms(const std::string& folder, int count, const PosterPlan& posters, std::uint64_t seed) {
    std::filesystem::remove(filmStorePath(folder));
    FilmStore store(folder);
    TSQLiteDatabase& db = store.database();
    std::string sql = "INSERT INTO film(ID";
    for (const char* column : filmColumns())
        sql += std::string(",") + column;
    sql += ",Picture,Ext) VALUES (NULL";
    for (std::size_t i = 0; i < kFilmTextFields; ++i)
        sql += ",?";
    sql += ",?,'JPG');";
    db.StartTransaction();
    for (int i = 1; i <= count; ++i) {
        const FilmRow film = makeFilm(seed, i);
        std::vector<SqlValue> values;
        for (const std::string& text : film.texts)
            values.emplace_back(SqlText{text});
        if (posters.every > 0 && i % posters.every == 1 % posters.every)
            values.emplace_back(SqlBlob{posterJpeg(seed * 31 + static_cast<std::uint64_t>(i), posters.width,
                                                   posters.height, posters.quality, posters.grain)});
        else
            values.emplace_back(std::monostate{});
        db.Execute(sql, values);
    }
    db.CommitTransaction();
}

void writeCustomers(const std::string& folder, int count, std::uint64_t seed) {
    std::ofstream out(customerFilePath(folder), std::ios::binary | std::ios::trunc);
    for (int i = 1; i <= count; ++i)
        out << makeCustomer(seed, i).encode();
    if (!out.flush())
        throw std::runtime_error("cannot write " + customerFilePath(folder));
}

void writeSlips(const std::string& folder, int year, int count, int customers, int films, std::uint64_t seed,
                int maxRows, int outOf) {
    const std::string path = yearFilePath(folder, std::to_string(year));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (int i = 1; i <= count; ++i)
        out << makeSlip(seed, i, year, customers, films, maxRows, outOf).encode();
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

} // namespace filmeria::demo
