#pragma once
// A store restored from a backup is written beside the store in use ("NAME.ripristino", each
// file whole and flushed), then swapped in file by file under a journal: a restore interrupted
// at any moment is finished from the journal the next time the folder is used, so the folder
// holds the old store or the new one, whole, never a mix and never nothing.
#include <string>
#include <vector>

namespace filmeria {

// The name a restored file is written under, beside its target.
std::string stagedName(const std::string& name);

struct StoreSwap {
    std::string folder;             // with its trailing separator
    std::string aside;              // where the replaced files are kept, with its separator
    std::vector<std::string> names; // staged beside their targets
};

// Swaps every staged file in: the file in use (if any) is kept in `aside`, then the staged one
// takes its name in one step, each under the lock its writers take (an archive's exclusive
// lock, an exclusive transaction of Film.db, the settings file's temporary lock), so a program
// saving meanwhile waits and then writes into the new file. Throws ArchiveError.
void swapInStagedFiles(const StoreSwap& swap);

// Finishes a swap a crash interrupted; true when there was one.
bool finishInterruptedSwap(const std::string& folder);

} // namespace filmeria
