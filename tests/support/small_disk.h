#pragma once
// A small disk of the test's own: a tmpfs of a few megabytes mounted on a fresh folder, to
// fill up for real. Mounting needs root; without it the test that asks is skipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace filmeria::testing {

class SmallDisk {
public:
    explicit SmallDisk(const std::string& folder, int megabytes)
        : folder_(folder) {
        std::filesystem::create_directories(folder_);
        const std::string options = "size=" + std::to_string(megabytes) + "m,mode=0755";
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    // The folder with its trailing separator.
    std::string folder() const { return folder_ + "/"; }

private:
    std::string folder_;
    bool mounted_ = false;
};

} // namespace filmeria::testing
