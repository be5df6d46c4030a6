#pragma once
// Backup and restore of a data folder: one ZIP holding every archive, the settings files and a
// manifest (names, sizes, SHA-256, record counts, program version), checked whole before a
// restore writes anything.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace filmeria {

inline constexpr const char* kManifestName = "manifest.txt";

struct ManifestEntry {
    std::string name;
    std::uint64_t size = 0;
    std::string sha256;  // hexadecimal, lower case
    std::string records; // a count, or "-" for settings files
};

// The manifest's entries; nullopt for a manifest that is not one, or that names a file twice
// or a file that is not one of a store's own.
std::optional<std::vector<ManifestEntry>> parseManifest(const std::string& text);

// Writes `zipPath` from the data folder `folder` (with its trailing separator). Each file is
// read straight into the ZIP and hashed as it passes, with no copy written first: Film.db inside
// a read transaction (through SQLite's online backup when it keeps a write-ahead log), the
// record files under their shared lock, so a backup taken while the program works is
// consistent; every file is opened for reading only, so a read-only store is backed up too. A file that
// cannot be read (a damaged Film.db) is left out and named, the others saved. The ZIP is readable by its
// owner only; what a killed backup to the same file left is removed first. Progress goes to `progress`. Exit
// status: 0 written, 1 written without the files named on `errors`, 2 failed (the message on `errors`, no ZIP
// left behind).
int backupDataFolder(const std::string& folder, const std::string& zipPath, std::ostream& progress,
                     std::ostream& errors);

// Restores a backup into `folder`. Every file the manifest names must be in the ZIP with its
// size and SHA-256, or nothing is changed: the new files are written and flushed beside the old
// ones first (after checking the free space), then swapped in under a journal, each while its
// writers are held off, so an interruption at any moment leaves the old store or the new one
// whole (an interrupted swap is finished at the next restore or start of the program). An
// existing archive is replaced only with `overwrite`, and then kept in a dated subfolder. Exit
// status: 0 restored, 1 refused (damaged or incomplete backup, or archives in the way), 2 failed.
int restoreDataFolder(const std::string& zipPath, const std::string& folder, bool overwrite,
                      std::ostream& progress, std::ostream& errors);

} // namespace filmeria
