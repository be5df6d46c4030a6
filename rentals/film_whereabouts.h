#pragma once
// Where a film is: the film out longest with a given code, asked again and again (a film card
// moving from film to film, a list's selection moving down). The films out are read again only
// when a year file of the folder has changed since.
#include "rentals/films_out.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace filmeria {

class FilmWhereabouts {
public:
    // The film out longest with this code (trimmed, letters in either case), if any. Throws
    // ArchiveError when the folder or a year file cannot be read.
    std::optional<FilmOut> filmOut(const std::string& folder, std::string_view code, const CivilDate& today);

private:
    struct Stamp {
        std::string year;
        long long size;
        long long inode;
        std::timespec modified;
        std::timespec changed;
        bool operator==(const Stamp& other) const;
    };
    static std::vector<Stamp> stampsOf(const std::string& folder);

    std::string folder_;
    std::vector<Stamp> stamps_;
    bool read_ = false;
    FilmsOut films_;
};

// The line the film screens show for a film out (Windows-1252): "In noleggio dal 12/03/2026 —
// Bar Sport, tessera A15", leaving out what the slip leaves blank.
std::string filmOutNote(const FilmOut& film);

} // namespace filmeria
