// Work split over a few threads, for reading and writing large drawings.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <sched.h>
#include <system_error>
#include <thread>
#include <vector>

namespace host::dxf {

// Threads worth using here (at most eight): the processors this process
// may run on, which can be fewer than the machine has.
inline unsigned workerCount()
{
    unsigned count = std::thread::hardware_concurrency();
    cpu_set_t allowed;
    if (::sched_getaffinity(0, sizeof allowed, &allowed) == 0) count = static_cast<unsigned>(CPU_COUNT(&allowed));
    return std::clamp(count, 1u, 8u);
}

// Starts up to `count` threads running `body`; fewer when the system has
// no more to give (the callers then do more of the work themselves).
template <typename Body>
void startThreads(std::vector<std::thread>& pool, unsigned count, Body& body)
{
    try {
        for (unsigned t = 0; t < count; ++t) pool.emplace_back(body);
    } catch (const std::system_error&) {
    }
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
    startThreads(pool, extra, worker);
    worker();
    for (std::thread& t : pool) t.join();
}

} // namespace host::dxf

#include <condition_variable>
#include <mutex>

namespace host::dxf {

// Makes pieces 0 .. count-1 on worker threads and hands them to `consume`
// on the calling thread in order.  At most `window` pieces wait at a time,
// each in a buffer of its own: make(i, buffer) fills one, consume(i, buffer)
// takes it (false stops everything).  Returns false when consume did.
template <typename Buffer, typename Make, typename Consume>
bool runOrdered(size_t count, unsigned threads, size_t window, const Buffer& prototype, Make make, Consume consume)
{
    std::vector<Buffer> buffers(window, prototype);
    std::vector<char> ready(count, 0);
    std::mutex mutex;
    std::condition_variable changed;
    size_t next = 0;      // the next piece to make
    size_t consumed = 0;  // pieces handed over so far
    bool stop = false;
    auto worker = [&] {
        for (;;) {
            size_t i;
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return stop || next >= count || next < consumed + window; });
                if (stop || next >= count) return;
                i = next++;
            }
            make(i, buffers[i % window]);
            {
                std::lock_guard<std::mutex> lock(mutex);
                ready[i] = 1;
            }
            changed.notify_all();
        }
    };
    std::vector<std::thread> pool;
    startThreads(pool, std::max(1u, threads), worker);
    if (pool.empty()) {  // no thread to be had: make each piece here
        for (size_t i = 0; i < count; ++i) {
            make(i, buffers[0]);
            if (!consume(i, buffers[0])) return false;
        }
        return true;
    }
    bool ok = true;
    for (size_t i = 0; i < count && ok; ++i) {
        {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock, [&] { return ready[i] != 0; });
        }
        ok = consume(i, buffers[i % window]);
        {
            std::lock_guard<std::mutex> lock(mutex);
            consumed = i + 1;
            if (!ok) stop = true;
        }
        changed.notify_all();
    }
    for (std::thread& t : pool) t.join();
    return ok;
}

} // namespace host::dxf
