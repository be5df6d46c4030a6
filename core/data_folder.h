#pragma once
// Where the program keeps its archives, settings and printouts: the data folder, chosen at
// start-up from the command line, the executable's own folder (a copied, portable program or
// an existing store) or the user's data folder (an installed program).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace filmeria {

// What the choice looks at, so tests can give any machine.
struct DataFolderEnvironment {
    std::optional<std::string> option;                            // the folder of --cartella DIR
    std::string executableFolder;                                 // with its trailing separator
    std::string xdgDataHome;                                      // $XDG_DATA_HOME, empty when unset
    std::string home;                                             // $HOME
    std::function<bool(const std::string& folder)> holdsArchives; // an archive or the password file
    std::function<bool(const std::string& folder)> isWritable;
};

enum class DataFolderKind { Option, Portable, User };

struct DataFolderChoice {
    std::string folder; // with its trailing separator
    DataFolderKind kind;
};

// --cartella first; else the executable's folder when it holds archives or a password file
// and can be written; else $XDG_DATA_HOME/filmeria-pro (by default ~/.local/share/filmeria-pro).
DataFolderChoice chooseDataFolder(const DataFolderEnvironment& environment);

// The environment of this process: `option` from the command line, the real file system.
DataFolderEnvironment systemDataFolderEnvironment(std::optional<std::string> option,
                                                  const std::string& executableFolder);

// A year file's name: four digits and ".nol" ("2009.nol").
bool isYearFileName(std::string_view name);
// One of a store's own files: Film.db, Clienti.pro, a year file, the password file, Tessera.ini.
bool isStoreFileName(std::string_view name);

// The store's files a folder holds, in this order: Film.db, Clienti.pro, the year files by
// name, the password file, Tessera.ini.
std::vector<std::string> storeFiles(const std::string& folder);

// Whether a folder holds Film.db, Clienti.pro, a year file or the password file.
bool folderHoldsArchives(const std::string& folder);
// Whether a folder holds Film.db, Clienti.pro or a year file.
bool folderHoldsRecords(const std::string& folder);

// Makes a chosen folder ready: a missing user's folder or --cartella folder is created (the
// last level readable by its user only: it holds customers' personal data) and given the guide
// from `sharedData` when missing, and the initial password file when the folder is new or holds
// no archive. Throws ArchiveError when the folder cannot be made or written.
void prepareDataFolder(const DataFolderChoice& choice, const std::string& sharedData);

// The folder of --cartella DIR (or --cartella=DIR) among the program's arguments.
std::optional<std::string> folderOption(int argc, const char* const* argv);

} // namespace filmeria
