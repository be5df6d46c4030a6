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

} // namespace filmeria::bench
