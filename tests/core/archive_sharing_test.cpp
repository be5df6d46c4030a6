// Two programs on one folder: processes appending to one year file while another deletes from
// it. Every operation holds its lock, so nothing written is lost or written twice.
#include "rentals/rental_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace filmeria {
namespace {

RentalRecord slip(const std::string& customer) {
    RentalRecord r;
    r[SlipField::Cliente] = customer;
    return r;
}

TEST(SharedArchive, AppendsWhileAnotherProgramDeletesLoseNothing) {
    testing::TempFolder dir;
    const RentalArchive slips = yearArchive(dir.folder(), "2009");
    for (int i = 0; i < 100; ++i)
        slips.append(slip("old"));
    constexpr int kPerWriter = 2000;
    std::vector<pid_t> children;
    for (int writer = 0; writer < 2; ++writer) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failures = 0;
            for (int i = 0; i < kPerWriter; ++i) {
                try {
                    yearArchive(dir.folder(), "2009")
                        .append(slip("w" + std::to_string(writer) + "-" + std::to_string(i)));
                } catch (...) {
                    ++failures;
                }
            }
            ::_exit(failures == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    const pid_t deleter = ::fork();
    ASSERT_GE(deleter, 0);
    if (deleter == 0) {
        int failures = 0;
        for (int i = 0; i < 100; ++i) {
            try {
                yearArchive(dir.folder(), "2009").deleteAt(1); // always an old slip: appends go to the end
            } catch (...) {
                ++failures;
            }
        }
        ::_exit(failures == 0 ? 0 : 1);
    }
    children.push_back(deleter);
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a process reported failures";
    }
    std::map<std::string, int> seen;
    slips.scan([&](const RentalView& v, std::size_t) {
        ++seen[v.text(SlipField::Cliente)];
        return true;
    });
    EXPECT_EQ(seen.count("old"), 0u);
    EXPECT_EQ(seen.size(), 2u * kPerWriter);
    for (const auto& [customer, times] : seen)
        ASSERT_EQ(times, 1) << customer;
    EXPECT_EQ(dir.read("2009.nol").size(), 2u * kPerWriter * kRentalRecordSize);
}

} // namespace
} // namespace filmeria
