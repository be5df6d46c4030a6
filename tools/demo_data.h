#pragma once
// Deterministic synthetic archives at any size: realistic Italian customers with correct
// fiscal codes, and rental slips with dates and amounts. Used by the demo folder and the
// benchmarks; the same seed always gives the same bytes.
#include "customers/customer_file.h"
#include "films/film_store.h"
#include "rentals/rental_file.h"

#include <cstdint>
#include <string>

namespace filmeria::demo {

// The check character of the first 15 characters of a fiscal code.
char fiscalCodeCheckCharacter(std::string_view first15);

CustomerRecord makeCustomer(std::uint64_t seed, int index);
// A slip of one of the customers 1 to `customers` of the same seed, renting 1 to `maxRows` films
// among the films 1 to `films` of the same seed (their codes, titles and prices). One slip in
// `outOf` has its films still out.
RentalRecord makeSlip(std::uint64_t seed, int index, int year, int customers, int films, int maxRows = 4,
                      int outOf = 4);

// Writes Clienti.pro / the year file in `folder` anew with `count` records.
void writeCustomers(const std::string& folder, int count, std::uint64_t seed = 1);

// A film with Italian texts; its poster is left to the caller.
FilmRow makeFilm(std::uint64_t seed, int index);

struct PosterPlan {
    int every = 2; // every n-th film gets a poster (0: none)
    int width = 245;
    int height = 350;
    int quality = 85;
    bool grain = false; // store-scale posters of about 60 KB
};

// Creates Film.db in `folder` (replacing it) with `count` films, in one transaction.
void writeFilms(const std::string& folder, int count, const PosterPlan& posters, std::uint64_t seed = 1);
void writeSlips(const std::string& folder, int year, int count, int customers, int films,
                std::uint64_t seed = 1, int maxRows = 4, int outOf = 4);

} // namespace filmeria::demo
