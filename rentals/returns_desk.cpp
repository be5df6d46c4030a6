#include "rentals/returns_desk.h"

#include "core/letterhead.h"
#include "core/profile_strings.h"
#include "core/text_rules.h"
#include "customers/customer_file.h"

#include <charconv>
#include <map>
#include <sys/stat.h>

namespace filmeria {
namespace {

constexpr const char* kSection = "Rientri";
constexpr const char* kKey = "Giorni di ritardo";

// Card number (letters folded) to the customer's telephone numbers, for the cards asked about.
std::map<std::string, std::string> phonesByCard(const std::string& folder,
                                                const std::vector<FilmOut>& films) {
    std::map<std::string, std::string> phones;
    for (const FilmOut& film : films)
        if (!film.card.empty())
            phones.emplace(asciiLower(film.card), std::string());
    struct stat st {};
    if (phones.empty() || ::stat(customerFilePath(folder).c_str(), &st) != 0)
        return phones;
    customerArchive(folder).scan([&](const CustomerView& customer, std::size_t) {
        const auto found = phones.find(asciiLower(trimmedView(customer.stored(CustomerField::Tessera))));
        if (found == phones.end() || !found->second.empty())
            return true; // not asked about, or the first customer with the card already found
        for (const CustomerField field :
             {CustomerField::TelCasa, CustomerField::TelUff, CustomerField::TelCel}) {
            const std::string_view number = trimmedView(customer.stored(field));
            if (number.empty())
                continue;
            if (!found->second.empty())
                found->second += " - ";
            found->second += number;
        }
        return true;
    });
    return phones;
}

} // namespace

ReturnsDesk returnsDesk(const std::string& folder, const CivilDate& today, int lateDays) {
    std::vector<FilmOut> films = filmsOut(folder, today);
    const auto phones = phonesByCard(folder, films);
    ReturnsDesk desk;
    desk.lines.reserve(films.size());
    for (FilmOut& film : films) {
        FilmOutLine line;
        if (const auto found = phones.find(asciiLower(film.card)); found != phones.end())
            line.phones = found->second;
        line.late = film.daysOut && *film.daysOut > lateDays;
        desk.late += line.late;
        line.film = std::move(film);
        desk.lines.push_back(std::move(line));
    }
    return desk;
}

bool matchesReturnsFilter(const FilmOutLine& line, std::string_view text) {
    const std::string_view wanted = trimmedView(text);
    if (wanted.empty())
        return true;
    for (const std::string* field : {&line.film.code, &line.film.title, &line.film.customer, &line.film.card})
        if (containsIgnoringAsciiCase(*field, wanted))
            return true;
    return false;
}

std::string returnsDeskLine(const FilmOutLine& line) {
    // What the desk looks for first leads: how long out, and whether late.
    std::string text;
    const std::string days = line.film.daysOut ? std::to_string(*line.film.daysOut) : "?";
    text += std::string(days.size() < 4 ? 4 - days.size() : 0, ' ') + days + " gg  ";
    appendPadded(text, line.late ? "RITARDO" : "", 7);
    text += "  dal ";
    appendPadded(text, line.film.rented, 10);
    text += "  ";
    appendPadded(text, line.film.code, 10);
    text += "  ";
    appendPadded(text, line.film.title, 28);
    text += "  ";
    appendPadded(text, line.film.customer, 22);
    text += "  Tessera ";
    appendPadded(text, line.film.card, 10);
    text += "  Tel. ";
    text += line.phones;
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

int lateDaysSetting(const std::string& folder) {
    const std::string value = trimmed(readProfileString(letterheadPath(folder), kSection, kKey));
    int days = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), days);
    if (value.empty() || error != std::errc() || end != value.data() + value.size() || days < 0 || days > 999)
        return kDefaultLateDays;
    return days;
}

void setLateDaysSetting(const std::string& folder, int days) {
    writeProfileStrings(letterheadPath(folder), kSection, {{kKey, std::to_string(days)}});
}

} // namespace filmeria
