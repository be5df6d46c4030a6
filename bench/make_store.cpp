// Writes the store-scale archives the benchmarks use into $FILMERIA_BENCH_FOLDER (kept there for
// later runs) and prints the folder: 100,000 customers, 100,000 slips of one year, 20,000 films
// with posters, a million customers in its subfolder "milione", and two year files of a
// million film rows in "rientri" and "rientri-tutti".
#include "store_archives.h"

#include <cstdio>

int main() {
    std::printf("%s\n", filmeria::bench::storeFolder().c_str());
    std::printf("%s\n", filmeria::bench::growthFolder().c_str());
    std::printf("%s\n", filmeria::bench::returnsFolder().c_str());
    std::printf("%s\n", filmeria::bench::crowdedReturnsFolder().c_str());
    return 0;
}
