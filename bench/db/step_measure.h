// One step of a benchmark timed, with the growth of the peak resident
// memory while it runs (the peak is reset first, Linux 4.0 on): what the
// drawing benchmarks print for each open, pick, window and save.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

namespace bench {

struct Step {
    double ms = 0;
    double mb = 0;
};

// A field of /proc/self/status in kB ("VmRSS:", "VmHWM:").
inline long statusKilobytes(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string name;
    long value = 0;
    while (in >> name) {
        if (name == field) {
            in >> value;
            return value;
        }
        std::getline(in, name);
    }
    return 0;
}

inline void resetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
}

inline Step measure(const std::function<void()>& work) {
    constexpr double kKilobytesPerMegabyte = 1024.0;
    resetPeak();
    long before = statusKilobytes("VmRSS:");
    auto start = std::chrono::steady_clock::now();
    work();
    Step s;
    s.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    s.mb = std::max(0.0, static_cast<double>(statusKilobytes("VmHWM:") - before) / kKilobytesPerMegabyte);
    return s;
}

// `name: ms` and `name_memory: MB` lines.
inline void print(const std::string& name, const Step& s) {
    std::printf("%s: %.3f ms\n%s_memory: %.1f MB\n", name.c_str(), s.ms, name.c_str(), s.mb);
}

inline void measureAndPrint(const std::string& name, const std::function<void()>& work) { print(name, measure(work)); }

} // namespace bench
