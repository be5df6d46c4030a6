#include "customers/identity_checks.h"

#include <array>
#include <optional>

namespace filmeria {
namespace {

// Values of the characters "0" to "Z" (codes 48 to 90); the seven signs between "9"
// and "A" count 0.
constexpr int kFirst = '0';
constexpr int kLast = 'Z';

constexpr std::array<int, 26> kOddLetters = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                             20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};

std::optional<int> oddValue(char c) {
    if (c < kFirst || c > kLast)
        return std::nullopt;
    if (c >= '0' && c <= '9')
        return kOddLetters[static_cast<std::size_t>(c - '0')];
    if (c >= 'A' && c <= 'Z')
        return kOddLetters[static_cast<std::size_t>(c - 'A')];
    return 0;
}

std::optional<int> evenValue(char c) {
    if (c < kFirst || c > kLast)
        return std::nullopt;
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    return 0;
}

const char* const kOffices[] = {nullptr,
                                "Torino",
                                "Vercelli",
                                "Novara",
                                "Cuneo",
                                "Asti",
                                "Alessandria",
                                "Aosta",
                                "Imperia",
                                "Savona",
                                "Genova 1",
                                "La Spezia",
                                "Varese",
                                "Como",
                                "Sondrio",
                                "Milano 1",
                                "Bergamo",
                                "Brescia 1",
                                "Pavia",
                                "Cremona",
                                "Mantova",
                                "Bolzano",
                                "Trento",
                                "Verona",
                                "Vicenza",
                                "Belluno",
                                "Treviso",
                                "Venezia",
                                "Padova",
                                "Rovigo",
                                "Udine",
                                "Gorizia",
                                "Trieste",
                                "Piacenza",
                                "Parma",
                                "Reggio Emilia",
                                "Modena",
                                "Bologna 1",
                                "Ferrara",
                                "Ravenna",
                                "Forlì",
                                "Pesaro",
                                "Ancona",
                                "Macerata",
                                "Ascoli Piceno",
                                "Massa Carrara",
                                "Lucca",
                                "Pistoia",
                                "Firenze 1",
                                "Livorno",
                                "Pisa",
                                "Arezzo",
                                "Siena",
                                "Grosseto",
                                "Perugia",
                                "Terni",
                                "Viterbo",
                                "Rieti",
                                "Roma 1",
                                "Latina",
                                "Frosinone",
                                "Caserta",
                                "Benevento",
                                "Napoli 1",
                                "Avellino",
                                "Salerno",
                                "Aquila",
                                "Teramo",
                                "Pescara",
                                "Chieti",
                                "Campobasso",
                                "Foggia",
                                "Bari",
                                "Taranto",
                                "Brindisi",
                                "Lecce",
                                "Potenza",
                                "Matera",
                                "Cosenza",
                                "Catanzaro",
                                "Reggio Calabria",
                                "Trapani",
                                "Palermo",
                                "Messina",
                                "Agrigento",
                                "Caltanissetta",
                                "Enna",
                                "Catania",
                                "Ragusa",
                                "Siracusa",
                                "Sassari",
                                "Nuoro",
                                "Cagliari",
                                "Pordenone",
                                "Isernia",
                                "Oristano",
                                "Monza (Milano 2)",
                                "Prato (Firenze 2)",
                                "Brescia 2",
                                "Chiavari (Genova 2)",
                                "Roma 2",
                                "Bologna 2",
                                "Napoli 2"};
static_assert(std::size(kOffices) == 103);

} // namespace

bool fiscalCodeIsCorrect(std::string_view code) {
    if (code.size() != 16)
        return false;
    int sum = 0;
    for (std::size_t i = 0; i < 15; ++i) {
        // Positions count from 1: the 1st, 3rd, ... characters are the odd ones.
        const auto value = (i % 2 == 0) ? oddValue(code[i]) : evenValue(code[i]);
        if (!value)
            return false;
        sum += *value;
    }
    return code[15] == static_cast<char>('A' + sum % 26);
}

bool vatNumberIsCorrect(std::string_view number) {
    if (number.size() != 11)
        return false;
    for (const char c : number) {
        if (c < '0' || c > '9')
            return false;
    }
    int sum = 0;
    for (std::size_t i = 0; i < 10; ++i) {
        const int d = number[i] - '0';
        if (i % 2 == 0) {
            sum += d;
        } else {
            const int t = 2 * d;
            sum += t / 10 + t % 10;
        }
    }
    const int check = sum % 10 == 0 ? 0 : 10 - sum % 10;
    return number[10] - '0' == check;
}

std::string vatOfficeName(std::string_view digits) {
    if (digits.size() != 3)
        return {};
    int code = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return {};
        code = code * 10 + (c - '0');
    }
    if (code == 120)
        return "Bologna 2";
    if (code == 121)
        return "Napoli 2";
    if (code >= 1 && code <= 102)
        return kOffices[code];
    return {};
}

} // namespace filmeria
