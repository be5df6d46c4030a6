#include "rentals/film_whereabouts.h"

#include "core/posix_file.h"
#include "rentals/rental_file.h"

#include <cerrno>
#include <sys/stat.h>

namespace filmeria {

bool FilmWhereabouts::Stamp::operator==(const Stamp& other) const {
    const auto same = [](const std::timespec& a, const std::timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };
    return year == other.year && size == other.size && inode == other.inode &&
           same(modified, other.modified) && same(changed, other.changed);
}

std::vector<FilmWhereabouts::Stamp> FilmWhereabouts::stampsOf(const std::string& folder) {
    std::vector<Stamp> stamps;
    for (const std::string& year : yearFilesIn(folder)) {
        struct stat st {};
        const std::string path = yearFilePath(folder, year);
        if (::stat(path.c_str(), &st) != 0)
            failOnFile("impossibile leggere", path, errno);
        stamps.push_back({year, static_cast<long long>(st.st_size), static_cast<long long>(st.st_ino),
                          st.st_mtim, st.st_ctim});
    }
    return stamps;
}

std::optional<FilmOut> FilmWhereabouts::filmOut(const std::string& folder, std::string_view code,
                                                const CivilDate& today) {
    std::vector<Stamp> stamps = stampsOf(folder);
    if (!read_ || folder != folder_ || stamps != stamps_) {
        read_ = false; // a failure below leaves nothing stale behind
        films_ = filmsOut(folder, today);
        folder_ = folder;
        stamps_ = std::move(stamps);
        read_ = true;
    }
    return films_.findCode(code);
}

std::string filmOutNote(const FilmOut& film) {
    std::string note = "In noleggio dal ";
    note += film.rented;
    if (!film.customer.empty() || !film.card.empty())
        note += " \x97 "; // an em dash in Windows-1252
    note += film.customer;
    if (!film.card.empty()) {
        if (!film.customer.empty())
            note += ", ";
        note += "tessera ";
        note += film.card;
    }
    return note;
}

} // namespace filmeria
