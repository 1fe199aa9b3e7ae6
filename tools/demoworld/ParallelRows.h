#pragma once

#include <algorithm>
#include <thread>
#include <vector>

namespace orvd::demo {

// Runs fn(firstRow, endRow) over bands of 0..rows on every core. Each row must depend only on
// data that no other band writes, so the result is the same as on one thread.
template <typename F> void ParallelRows(int rows, F fn) {
    const int threads = int(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    constexpr int kBand = 32;
    if (threads == 1 || rows <= kBand) {
        fn(0, rows);
        return;
    }
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([=, &fn] {
            for (int y = t * kBand; y < rows; y += threads * kBand)
                fn(y, std::min(rows, y + kBand));
        });
    }
    for (std::thread& thread : pool)
        thread.join();
}

} // namespace orvd::demo
