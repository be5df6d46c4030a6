// Two programs on one folder: processes saving to one archive while others delete from it.
// Every operation holds its lock, so nothing written is lost, written twice or numbered twice.
#include "customers/customer_file.h"
#include "rentals/rental_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace filmeria {
namespace {

constexpr int kPerWriter = 2000;
constexpr int kDeletions = 100;

// Runs every job in a process of its own, all at once; a job returns how many of its
// operations failed.
void runTogether(const std::vector<std::function<int()>>& jobs) {
    std::vector<pid_t> children;
    for (const auto& job : jobs) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            ::_exit(job() == 0 ? 0 : 1);
        children.push_back(pid);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a process reported failures";
    }
}

// `operation(i)` run `times` times, counting the ones that threw. An operation that found the
// archive busy beyond the wait (a slow machine, the sanitizers) is tried again, as the clerk
// told so would: it wrote nothing.
int failuresOf(int times, const std::function<void(int)>& operation) {
    int failures = 0;
    for (int i = 0; i < times; ++i) {
        for (int attempt = 1;; ++attempt) {
            try {
                operation(i);
            } catch (const ArchiveError& e) {
                if (e.error() == EAGAIN && attempt < 5)
                    continue;
                ++failures;
            } catch (...) {
                ++failures;
            }
            break;
        }
    }
    return failures;
}

RentalRecord slip(const std::string& customer, const std::string& number = "") {
    RentalRecord r;
    r[SlipField::Cliente] = customer;
    r[SlipField::NumScheda] = number;
    return r;
}

TEST(SharedArchive, SlipsSavedWhileOthersDeleteAreAllThereOnceWithTheirOwnNumbers) {
    testing::TempFolder dir;
    const std::string folder = dir.folder();
    for (int i = 0; i < kDeletions; ++i) {
        yearArchive(folder, "2009").append(slip("old", "old"));
        yearArchive(folder, "2010").append(slip("2010-" + std::to_string(i)));
    }
    // Saved as the slip screen saves: the number proposed by Nuovo, the slip saved a moment later.
    const auto writer = [&](int id) {
        return failuresOf(kPerWriter, [&, id](int i) {
            const std::string proposed = NextSlipNumber(yearArchive(folder, "2009"));
            appendNewSlip(yearArchive(folder, "2009"),
                          slip("w" + std::to_string(id) + "-" + std::to_string(i), proposed), proposed);
        });
    };
    // Always an old slip (new ones go to the end); the other year shares the temporary file.
    const auto deleter = [&](const char* year) {
        return failuresOf(kDeletions / 2, [&](int) { yearArchive(folder, year).deleteAt(1); });
    };
    runTogether({[&] { return writer(0); }, [&] { return writer(1); }, [&] { return deleter("2009"); },
                 [&] { return deleter("2009"); }, [&] { return deleter("2010"); }});

    std::map<std::string, int> customers;
    std::map<std::string, int> numbers;
    yearArchive(folder, "2009").scan([&](const RentalView& v, std::size_t) {
        ++customers[v.text(SlipField::Cliente)];
        ++numbers[v.text(SlipField::NumScheda)];
        return true;
    });
    EXPECT_EQ(customers.count("old"), 0u);
    EXPECT_EQ(customers.size(), 2u * kPerWriter);
    for (const auto& [customer, times] : customers)
        ASSERT_EQ(times, 1) << customer;
    for (const auto& [number, times] : numbers)
        ASSERT_EQ(times, 1) << "slip number " << number << " shared";
    EXPECT_EQ(dir.read("2009.nol").size(), 2u * kPerWriter * kRentalRecordSize);

    std::vector<std::string> otherYear;
    yearArchive(folder, "2010").scan([&](const RentalView& v, std::size_t) {
        otherYear.push_back(v.text(SlipField::Cliente));
        return true;
    });
    ASSERT_EQ(otherYear.size(), kDeletions / 2u);
    for (std::size_t i = 0; i < otherYear.size(); ++i)
        EXPECT_EQ(otherYear[i], "2010-" + std::to_string(i + kDeletions / 2));
    EXPECT_FALSE(dir.exists("Noleggi.tmp"));
}

TEST(SharedArchive, CustomersSavedWhileAnotherProgramDeletesAreAllThereOnce) {
    testing::TempFolder dir;
    const std::string folder = dir.folder();
    const auto customer = [](const std::string& name) {
        CustomerRecord r;
        r[CustomerField::Nome] = name;
        return r;
    };
    for (int i = 0; i < kDeletions; ++i)
        customerArchive(folder).append(customer("old"));
    const auto writer = [&](int id) {
        return failuresOf(kPerWriter, [&, id](int i) {
            customerArchive(folder).append(customer("w" + std::to_string(id) + "-" + std::to_string(i)));
        });
    };
    runTogether({[&] { return writer(0); }, [&] { return writer(1); },
                 [&] { return failuresOf(kDeletions, [&](int) { customerArchive(folder).deleteAt(1); }); }});

    std::map<std::string, int> seen;
    customerArchive(folder).scan([&](const CustomerView& v, std::size_t) {
        ++seen[v.text(CustomerField::Nome)];
        return true;
    });
    EXPECT_EQ(seen.count("old"), 0u);
    EXPECT_EQ(seen.size(), 2u * kPerWriter);
    for (const auto& [name, times] : seen)
        ASSERT_EQ(times, 1) << name;
    EXPECT_EQ(dir.read("Clienti.pro").size(), 2u * kPerWriter * CustomerLayout::kRecordSize);
}

// Counters that read a record, change it a moment later and save it, while another deletes
// records it has read: every rewrite and deletion lands on the record that was read, or on none.
template <typename Layout, typename Key, typename Note>
void editAndDeleteTogether(const RecordArchive<Layout>& archive, const testing::TempFolder& dir, Key key,
                           Note note) {
    using Record = FixedRecord<Layout>;
    constexpr int kRecords = 300;
    for (int i = 0; i < kRecords; ++i) {
        Record r;
        r[key] = "K" + std::to_string(1000 + i);
        archive.append(r);
    }
    const auto pick = [&](unsigned& seed) -> std::optional<std::pair<std::size_t, Record>> {
        const std::size_t count = archive.count();
        if (count == 0)
            return std::nullopt;
        const std::size_t position = 1 + static_cast<std::size_t>(::rand_r(&seed)) % count;
        try {
            return std::pair{position, archive.readAt(position)};
        } catch (const ArchiveError&) {
            return std::nullopt; // deleted by another program between the count and the reading
        }
    };
    const auto editor = [&](int id) {
        unsigned seed = 17u + static_cast<unsigned>(id);
        return failuresOf(200, [&, id](int i) {
            if (const auto read = pick(seed)) {
                ::usleep(200 + static_cast<useconds_t>(::rand_r(&seed)) % 800); // the clerk typing
                Record changed = read->second;
                changed[note] = "postazione " + std::to_string(id) + " modifica " + std::to_string(i);
                archive.rewriteLoaded(read->first, read->second, changed); // nullopt: changed meanwhile
            }
        });
    };
    const auto deleter = [&] {
        unsigned seed = 99u;
        std::ofstream log(dir.file("eliminati"), std::ios::app);
        return failuresOf(100, [&](int) {
            const auto read = pick(seed);
            ::usleep(200 + static_cast<useconds_t>(::rand_r(&seed)) % 800); // the clerk confirming
            if (read && archive.deleteLoaded(read->first, read->second))
                log << read->second[key] << std::endl;
        });
    };
    runTogether({[&] { return editor(0); }, [&] { return editor(1); }, deleter});

    std::set<std::string> deleted;
    std::istringstream log(dir.read("eliminati"));
    for (std::string line; std::getline(log, line);)
        EXPECT_TRUE(deleted.insert(line).second) << line << " deleted twice";
    std::map<std::string, int> seen;
    archive.scan([&](const auto& view, std::size_t) {
        ++seen[view.text(key)];
        return true;
    });
    EXPECT_GT(deleted.size(), 50u);
    EXPECT_EQ(seen.size() + deleted.size(), static_cast<std::size_t>(kRecords)) << "records lost";
    for (const auto& [name, times] : seen) {
        EXPECT_EQ(times, 1) << name << " written over another record";
        EXPECT_FALSE(deleted.contains(name)) << name << " deleted yet still there";
    }
}

TEST(SharedArchive, EditsAndDeletionsOfSeveralProgramsActOnTheCustomersTheyRead) {
    testing::TempFolder dir;
    editAndDeleteTogether(customerArchive(dir.folder()), dir, CustomerField::Nome, CustomerField::Trama);
}

TEST(SharedArchive, EditsAndDeletionsOfSeveralProgramsActOnTheSlipsTheyRead) {
    testing::TempFolder dir;
    editAndDeleteTogether(yearArchive(dir.folder(), "2009"), dir, SlipField::Cliente, SlipField::Tessera);
}

} // namespace
} // namespace filmeria
