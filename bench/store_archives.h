#pragma once
// Store-scale archives for the benchmarks, generated once per run into a temporary folder.
#include <string>

namespace filmeria::bench {

inline constexpr int kStoreCustomers = 100000;
inline constexpr int kStoreSlips = 100000;
inline constexpr int kStoreYear = 2009;
inline constexpr int kStoreFilms = 20000; // each with a poster of about 60 KB

// The folder (with its trailing separator) holding Clienti.pro, 2009.nol and Film.db at store scale.
const std::string& storeFolder();

inline constexpr int kGrowthCustomers = 1000000;
// A folder beside it holding only a Clienti.pro of a million customers (growth).
const std::string& growthFolder();

inline constexpr int kReturnsSlipRows = 9; // 1 to 9 films a slip: a million rows in the two years
// Folders beside it holding two year files of 100,000 slips each (2008 and 2009) and the store's
// Clienti.pro, for the returns desk: in "rientri" one slip in 400 has its films still out (about
// 2,500 films out, a busy store's), in "rientri-tutti" one in 4 (about 250,000, the list at its
// largest).
const std::string& returnsFolder();
const std::string& crowdedReturnsFolder();

} // namespace filmeria::bench
