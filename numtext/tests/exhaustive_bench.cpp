// Compares the mask and plain texts with the independent printf formulation over every one of the
// 2^32 floats, on all cores, and prints how many differ. Takes hours; not run by the test suite.

#include "reference_text.h"

#include <numtext/numtext.h>

#include <atomic>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <thread>
#include <vector>

int main() {
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::atomic<std::uint64_t> differing{0};
    std::atomic<std::uint64_t> checked{0};
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([t, threads, &differing, &checked] {
            for (std::uint64_t bits = t; bits <= UINT32_MAX; bits += threads) {
                const float value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
                if (!std::isfinite(value)) {
                    continue;
                }
                if (numtext::PlainNumberText(value) != reference::PlainText(value) ||
                    numtext::MaskNumberText(".00cc", value) != reference::MaskText(2, "cc", value) ||
                    numtext::MaskNumberText(". ins", value) != reference::MaskText(0, " ins", value)) {
                    if (differing.fetch_add(1) < 10) {
                        std::printf("differs: %.9g\n", static_cast<double>(value));
                    }
                }
                checked.fetch_add(1, std::memory_order_relaxed);
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%llu finite floats checked in %.0f s, %llu differ\n",
                static_cast<unsigned long long>(checked.load()), seconds,
                static_cast<unsigned long long>(differing.load()));
    return differing.load() == 0 ? 0 : 1;
}
