#include "rentals/returns_desk.h"

#include "core/letterhead.h"
#include "core/profile_strings.h"
#include "core/record_file.h"
#include "core/text_rules.h"
#include "customers/customer_file.h"

#include <charconv>
#include <exception>
#include <sys/stat.h>
#include <thread>
#include <unordered_map>

namespace filmeria {
namespace {

constexpr const char* kSection = "Rientri";
constexpr const char* kKey = "Giorni di ritardo";
constexpr std::size_t kCustomersPerBlock = 638; // a read of about 1 MB

// Each card's telephone numbers, from the first customer of the archive with that card.
void findPhones(const std::string& folder, ReturnsDesk& desk) {
    constexpr std::uint32_t kNotFound = UINT32_MAX;
    constexpr std::uint32_t kNoCard = UINT32_MAX;
    // Each card asked about once: its slot, and each film's slot.
    std::unordered_map<std::string_view, std::uint32_t, AsciiFoldedHash, AsciiFoldedEqual> slots;
    slots.reserve(desk.films.size());
    std::vector<std::uint32_t> slotOf(desk.films.size(), kNoCard);
    for (std::size_t i = 0; i < desk.films.size(); ++i)
        if (const std::string_view card = desk.films[i].card; !card.empty())
            slotOf[i] = slots.emplace(card, static_cast<std::uint32_t>(slots.size())).first->second;
    desk.phonesOf.assign(desk.films.size(), {0, 0});
    struct stat st {};
    if (slots.empty() || ::stat(customerFilePath(folder).c_str(), &st) != 0)
        return;
    const RecordFile customers(customerFilePath(folder), kCustomerRecordSize, RecordFile::IfMissing::Fail);

    // The archive read in two halves side by side; each half keeps, for every card, the first
    // customer it holds with it, and the first half's is taken before the second's.
    struct Half {
        std::vector<char> texts;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> phones; // per slot: where, how long
    };
    const std::size_t count = customers.count();
    const std::size_t halves =
        count >= 2 * kCustomersPerBlock && std::thread::hardware_concurrency() > 1 ? 2 : 1;
    std::vector<Half> found(halves);
    const auto readHalf = [&](std::size_t h) {
        Half& half = found[h];
        half.phones.assign(slots.size(), {kNotFound, 0});
        std::size_t left = slots.size();
        std::vector<char, LargeBufferAllocator<char>> block(kCustomersPerBlock * kCustomerRecordSize);
        const std::size_t first = 1 + count * h / halves;
        const std::size_t last = count * (h + 1) / halves;
        for (std::size_t from = first; from <= last && left > 0; from += kCustomersPerBlock) {
            const std::size_t n = std::min(kCustomersPerBlock, last - from + 1);
            customers.readRecords(from, n, block.data());
            for (std::size_t i = 0; i < n && left > 0; ++i) {
                const CustomerView customer({block.data() + i * kCustomerRecordSize, kCustomerRecordSize});
                const auto slot = slots.find(trimmedView(customer.stored(CustomerField::Tessera)));
                if (slot == slots.end() || half.phones[slot->second].first != kNotFound)
                    continue; // not asked about, or an earlier customer of this half has the card
                auto& [at, length] = half.phones[slot->second];
                at = static_cast<std::uint32_t>(half.texts.size());
                for (const CustomerField field :
                     {CustomerField::TelCasa, CustomerField::TelUff, CustomerField::TelCel}) {
                    const std::string_view number = trimmedView(customer.stored(field));
                    if (number.empty())
                        continue;
                    if (half.texts.size() != at)
                        half.texts.insert(half.texts.end(), {' ', '-', ' '});
                    half.texts.insert(half.texts.end(), number.begin(), number.end());
                }
                length = static_cast<std::uint32_t>(half.texts.size()) - at;
                --left; // every card found: the rest of the half is not needed
            }
        }
    };
    std::exception_ptr failure;
    std::thread second;
    if (halves == 2)
        second = std::thread([&] {
            try {
                readHalf(1);
            } catch (...) {
                failure = std::current_exception();
            }
        });
    try {
        readHalf(0);
    } catch (...) {
        if (second.joinable())
            second.join();
        throw;
    }
    if (second.joinable())
        second.join();
    if (failure)
        std::rethrow_exception(failure);

    // Each card's numbers once in the desk, the first half's first.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> phones(slots.size(), {0, 0});
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        for (const Half& half : found) {
            const auto [at, length] = half.phones[slot];
            if (at == kNotFound)
                continue;
            phones[slot] = {static_cast<std::uint32_t>(desk.phoneTexts.size()), length};
            desk.phoneTexts.insert(desk.phoneTexts.end(), half.texts.begin() + at,
                                   half.texts.begin() + at + length);
            break;
        }
    }
    for (std::size_t i = 0; i < desk.films.size(); ++i)
        if (slotOf[i] != kNoCard)
            desk.phonesOf[i] = phones[slotOf[i]];
}

} // namespace

ReturnsDesk returnsDesk(const std::string& folder, const CivilDate& today, int lateDays) {
    ReturnsDesk desk;
    desk.films = filmsOut(folder, today);
    findPhones(folder, desk);
    desk.setLateDays(lateDays);
    return desk;
}

FilmOutLine ReturnsDesk::line(std::size_t i) const {
    const FilmOut film = films[i];
    const auto [at, length] = phonesOf[i];
    return {film, std::string_view(phoneTexts.data() + at, length), film.daysOut && *film.daysOut > lateDays};
}

void ReturnsDesk::setLateDays(int days) {
    lateDays = days;
    late = 0;
    for (std::size_t i = 0; i < films.size(); ++i) {
        const std::optional<long> out = films[i].daysOut;
        late += out && *out > days;
    }
}

bool matchesReturnsFilter(const FilmOutLine& line, std::string_view text) {
    const std::string_view wanted = trimmedView(text);
    if (wanted.empty())
        return true;
    for (const std::string_view field : {line.film.code, line.film.title, line.film.customer, line.film.card})
        if (containsIgnoringAsciiCase(field, wanted))
            return true;
    return false;
}

std::string returnsDeskLine(const FilmOutLine& line) {
    std::string text;
    appendReturnsDeskLine(text, line);
    return text;
}

void appendReturnsDeskLine(std::string& text, const FilmOutLine& line) {
    // What the desk looks for first leads: how long out, and whether late.
    const std::size_t start = text.size();
    char days[24];
    const auto [end, error] = line.film.daysOut ? std::to_chars(days, days + sizeof days, *line.film.daysOut)
                                                : std::to_chars_result{};
    const std::string_view daysText =
        line.film.daysOut && error == std::errc() ? std::string_view(days, end) : "?";
    if (daysText.size() < 4)
        text.append(4 - daysText.size(), ' ');
    text += daysText;
    text += " gg  ";
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
    while (text.size() > start && text.back() == ' ')
        text.pop_back();
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
