// Work split over a few threads, for reading and writing large drawings.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace host::dxf {

// Threads worth using on this machine (at most eight).
inline unsigned workerCount()
{
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

// Runs work(i) for every i in [0, count) on up to `threads` threads,
// the calling one included; returns when all are done.
template <typename Work>
void runInParallel(size_t count, unsigned threads, Work work)
{
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i; (i = next.fetch_add(1)) < count;) work(i);
    };
    std::vector<std::thread> pool;
    unsigned extra = static_cast<unsigned>(std::min<size_t>(threads, count)) - (count > 0 ? 1 : 0);
    for (unsigned t = 0; t < extra; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();
}

} // namespace host::dxf
