#include "store/ParallelFor.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

void ParallelFor(size_t count, const std::function<void(size_t)>& job)
{
    // More threads than this only add start-up cost for the sizes a diary has.
    constexpr size_t kMaxThreads = 8;
    const size_t threads =
        std::min({count, kMaxThreads, size_t{std::max(1u, std::thread::hardware_concurrency())}});
    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t i = next++; i < count; i = next++)
            job(i);
    };
    std::vector<std::thread> helpers;
    for (size_t t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error&) {
            break; // no more threads to be had: the others share the work
        }
    }
    work();
    for (std::thread& helper : helpers)
        helper.join();
}
