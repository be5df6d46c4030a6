// The manifest of a backup, the first thing a restore reads from outside: whatever it says, the
// entries accepted are a store's own files, each once, with a size and a SHA-256 in hexadecimal.
#include "core/data_folder.h"
#include "fuzz_target.h"
#include "tools/backup.h"

#include <set>

namespace filmeria::fuzz {
namespace {

void run(std::string_view input) {
    const auto entries = parseManifest(std::string(input));
    if (!entries)
        return;
    FUZZ_EXPECT(!entries->empty(), input);
    std::set<std::string> names;
    for (const ManifestEntry& e : *entries) {
        FUZZ_EXPECT(isStoreFileName(e.name), input);
        FUZZ_EXPECT(names.insert(e.name).second, input);
        FUZZ_EXPECT(e.sha256.size() == 64 &&
                        e.sha256.find_first_not_of("0123456789abcdef") == std::string::npos,
                    input);
    }
}

} // namespace

Target target() {
    const std::string hash(64, 'c');
    return {"backup manifest",
            {"Filmeria Pro backup\nversion 1.0\nfile\tFilm.db\t8192\t" + hash +
                 "\t3\nfile\tClienti.pro\t3284\t" + hash + "\t2\nfile\t2009.nol\t1368\t" + hash +
                 "\t1\nfile\tunins000.dll\t26\t" + hash + "\t-\n",
             "Filmeria Pro backup\nversion 1.0\nfile\tTessera.ini\t40\t" + hash + "\t-\n"},
            {"\t", "\n", "file\t", "Clienti.pro", "../", "/", "2009.nol", "-1", "18446744073709551616",
             "0x10", "Film.db", hash},
            run};
}

} // namespace filmeria::fuzz
