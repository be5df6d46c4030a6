#pragma once
// The process's peak resident memory, reset before a measured run (Linux /proc).
#include <fstream>
#include <string>

namespace filmeria::bench {

inline double peakResidentMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

inline void resetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace filmeria::bench
