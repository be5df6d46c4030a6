#pragma once
// Which films are out: a film row of a slip with a rental date and no return date. Gathered
// from every year file of a data folder, nothing stored anywhere else.
#include "core/dates.h"
#include "core/large_buffer_allocator.h"
#include "core/text_arena.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace filmeria {

// One film out. Its texts (Windows-1252, trimmed) are views into the list that gave it.
struct FilmOut {
    std::string_view year; // of the year file, four digits
    std::string_view slip; // NumScheda
    std::size_t position;  // of the slip in its year file, from 1
    int row;               // 1 to 10
    std::string_view code;
    std::string_view title;
    std::string_view customer;
    std::string_view card;
    std::string_view rented;     // the rental date as written
    std::optional<long> daysOut; // none when the rental date is not a valid date
};

// The films out of a folder, in their order. The texts are kept once, in the blocks the scan
// filled, and each film in a small entry: the list's memory follows the films out, not the files.
class FilmsOut {
public:
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    FilmOut operator[](std::size_t i) const;

    // The film out longest of those with this code (trimmed, letters in either case), if any.
    std::optional<FilmOut> findCode(std::string_view code) const;

private:
    friend FilmsOut filmsOut(const std::string& folder, const CivilDate& today);
    static constexpr std::int32_t kNoDays = INT32_MIN;
    enum Text { Year, Slip, Code, Title, Customer, Card, Rented, TextCount };
    struct Entry {
        std::uint32_t arena;    // the texts' arena
        std::uint32_t text;     // where the film's texts start in it, one after the other
        std::uint32_t position; // of the slip
        std::int32_t daysOut;   // kNoDays when the rental date is not a date
        std::array<std::uint8_t, TextCount> lengths;
        std::uint8_t row;
    };
    std::vector<TextArena> texts_; // one for each thread of the scan
    std::vector<Entry, LargeBufferAllocator<Entry>> entries_;
};

// A row is out when its code or title is not blank, its rental date is not blank and its
// return date is blank. Days out are whole days from the rental date to `today` (0 when rented
// that day). Every year file of the folder (a four-digit name, ".nol") is read under its shared
// lock, in parts read side by side on the machine's processors. The most days out first, then
// year, slip position and row; rows whose rental date is not a date last. Throws ArchiveError
// when the folder or a year file cannot be read.
FilmsOut filmsOut(const std::string& folder, const CivilDate& today);

// The years of the folder's year files, in order; throws ArchiveError when the folder cannot
// be read.
std::vector<std::string> yearFilesIn(const std::string& folder);

} // namespace filmeria
