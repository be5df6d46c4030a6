#pragma once
// Backup and restore of a data folder: one ZIP holding every archive, the settings files and a
// manifest (names, sizes, SHA-256, record counts, program version), checked whole before a
// restore writes anything.
#include <iosfwd>
#include <string>

namespace filmeria {

inline constexpr const char* kManifestName = "manifest.txt";

// Writes `zipPath` from the data folder `folder` (with its trailing separator). Film.db is
// copied with SQLite's online backup, the record files under their shared lock, so a backup
// taken while the program works is consistent. Progress goes to `progress`. Exit status: 0
// written, 2 failed (the message on `errors`, no ZIP left behind).
int backupDataFolder(const std::string& folder, const std::string& zipPath, std::ostream& progress,
                     std::ostream& errors);

// Restores a backup into `folder`. Every file the manifest names must be in the ZIP with its
// size and SHA-256, or nothing is written. An existing archive is replaced only with
// `overwrite`, and then kept in a dated subfolder. Exit status: 0 restored, 1 refused (damaged
// or incomplete backup, or archives in the way), 2 failed.
int restoreDataFolder(const std::string& zipPath, const std::string& folder, bool overwrite,
                      std::ostream& progress, std::ostream& errors);

} // namespace filmeria
