#include "core/store_swap.h"

#include "core/data_folder.h"
#include "core/posix_file.h"

#include <sqlite3.h>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace filmeria {
namespace {

constexpr const char* kJournal = "Ripristino in corso.txt";
constexpr const char* kJournalHeading = "Filmeria Pro ripristino";

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Holds what a file's writers wait for while it is swapped: the archives' exclusive lock, an
// exclusive transaction of Film.db, the settings files' temporary-copy lock.
class WritersHeldOff {
public:
    WritersHeldOff(const std::string& folder, const std::string& name) {
        const std::string target = folder + name;
        if (name == "Film.db") {
            if (!exists(target))
                return;
            sqlite3* raw = nullptr;
            const int rc = sqlite3_open_v2(target.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
            store_.reset(raw);
            sqlite3_busy_timeout(raw, 5000);
            if (rc != SQLITE_OK ||
                sqlite3_exec(raw, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK)
                failOnFile("impossibile bloccare", target, EAGAIN);
        } else if (name == "Clienti.pro" || isYearFileName(name)) {
            file_ = FileDescriptor(::open(target.c_str(), O_RDWR | O_CLOEXEC));
            if (!file_.isOpen() && errno == ENOENT)
                return;
            if (!file_.isOpen() || !lockWholeFile(file_.get(), true))
                failOnFile("impossibile bloccare", target, errno == 0 ? EAGAIN : errno);
        } else {
            temporary_ = target + ".new";
            file_ = claimTemporaryFile(temporary_);
        }
    }
    ~WritersHeldOff() {
        if (store_)
            sqlite3_exec(store_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        if (!temporary_.empty() && file_.isOpen() && isFileAt(file_.get(), temporary_))
            ::unlink(temporary_.c_str());
    }
    WritersHeldOff(const WritersHeldOff&) = delete;
    WritersHeldOff& operator=(const WritersHeldOff&) = delete;

private:
    struct Close {
        void operator()(sqlite3* db) const { sqlite3_close(db); }
    };
    std::unique_ptr<sqlite3, Close> store_;
    FileDescriptor file_;
    std::string temporary_;
};

// One file: the one in use kept aside (a second name, so the name is never missing), then the
// staged one renamed over it. Done again after a crash, it finishes what is left.
void swapOne(const std::string& folder, const std::string& aside, const std::string& name) {
    const std::string target = folder + name;
    const std::string staged = folder + stagedName(name);
    if (!exists(staged))
        return; // swapped in already
    const WritersHeldOff held(folder, name);
    const std::string kept = aside + name;
    if (exists(target) && !exists(kept) && ::link(target.c_str(), kept.c_str()) != 0) {
        // A file system without second names: the file moves aside, and the name is missing for
        // the moment until the rename below.
        if (::rename(target.c_str(), kept.c_str()) != 0)
            failOnFile("impossibile mettere da parte", target, errno);
    }
    if (::rename(staged.c_str(), target.c_str()) != 0)
        failOnFile("impossibile sostituire", target, errno);
    flushFolderOf(target);
}

struct Journal {
    std::string aside;
    std::vector<std::string> names;
};

std::string journalText(const StoreSwap& swap) {
    std::ostringstream out;
    out << kJournalHeading << "\naside\t" << swap.aside << "\n";
    for (const std::string& name : swap.names)
        out << "file\t" << name << "\n";
    return out.str();
}

std::optional<Journal> readJournal(const std::string& folder) {
    const auto text = readWholeFile(folder + kJournal);
    if (!text)
        return std::nullopt;
    std::istringstream in(*text);
    std::string line;
    if (!std::getline(in, line) || line != kJournalHeading)
        return std::nullopt;
    Journal journal;
    while (std::getline(in, line)) {
        if (line.rfind("aside\t", 0) == 0)
            journal.aside = line.substr(6);
        else if (line.rfind("file\t", 0) == 0 && isStoreFileName(line.substr(5)))
            journal.names.push_back(line.substr(5));
    }
    if (journal.aside.empty() || journal.aside.back() != '/')
        return std::nullopt;
    return journal;
}

} // namespace

std::string stagedName(const std::string& name) {
    return name + ".ripristino";
}

void swapInStagedFiles(const StoreSwap& swap) {
    if (::mkdir(swap.aside.c_str(), 0700) != 0 && errno != EEXIST)
        failOnFile("impossibile creare", swap.aside, errno);
    // From here on the new store is whole on disk: the journal says to finish the swap.
    const std::string journal = swap.folder + kJournal;
    replaceFileAtomically(journal, journal + ".tmp", journalText(swap));
    for (const std::string& name : swap.names)
        swapOne(swap.folder, swap.aside, name);
    if (::unlink(journal.c_str()) != 0)
        failOnFile("impossibile sostituire", journal, errno);
    flushFolderOf(journal);
    ::rmdir(swap.aside.c_str()); // nothing was replaced: no folder of replaced files is left
}

bool finishInterruptedSwap(const std::string& folder) {
    const auto journal = readJournal(folder);
    if (!journal)
        return false;
    if (::mkdir(journal->aside.c_str(), 0700) != 0 && errno != EEXIST)
        failOnFile("impossibile creare", journal->aside, errno);
    for (const std::string& name : journal->names)
        swapOne(folder, journal->aside, name);
    const std::string path = folder + kJournal;
    if (::unlink(path.c_str()) != 0)
        failOnFile("impossibile sostituire", path, errno);
    flushFolderOf(path);
    ::rmdir(journal->aside.c_str());
    return true;
}

} // namespace filmeria
