// SPDX-License-Identifier: GPL-3.0-or-later
// Every float's texts, checked: for each 32-bit pattern in a range (all 2^32 by default), numtext's
// mask texts for the masks the programs use and its plain text, and the trainer's picture masks for
// the values it formats (ET, ES, reaction times and their average: never negative), are compared
// with an independent formulation (numtext/tests/reference). Runs on all cores and prints its
// progress; exits non-zero when any text differs.
//
//   exhaustive [START END [STEP]]     patterns START, START+STEP, ... below END (hexadecimal or decimal)

#include "reference_text.h"

#include <numtext/numtext.h>
#include <vellarin/mask_format.h>

#include <array>
#include <atomic>
#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

struct NumtextMask {
    const char* mask;
    int places;
    const char* tail;
};
constexpr std::array<NumtextMask, 4> kNumtextMasks{{
    {".00 to 1", 2, " to 1"}, // Carrowen's rod ratio
    {".00cc", 2, "cc"},       // Sumbrelt's capacity
    {".ins", 0, "ins"},       // Quillon's primary length
    {". ins", 0, " ins"},     // Quillon's inlet length
}};

struct TrainerMask {
    const char* mask;
    const char* prefix;
    int wholePlaces;
    int decimals;
};
constexpr std::array<TrainerMask, 4> kTrainerMasks{{
    {"###.##", "", 3, 2}, // the ET and ES lines
    {"ET with Reaction Time: #.####", "ET with Reaction Time: ", 1, 4},
    {"Last Reaction Time: #.####", "Last Reaction Time: ", 1, 4},
    {"Average of Last Five: #.####", "Average of Last Five: ", 1, 4},
}};

struct Totals {
    std::atomic<std::uint64_t> checked{0};
    std::atomic<std::uint64_t> differing{0};
    std::mutex print;
};

void Report(Totals& totals, std::uint32_t bits, const char* what, const std::string& ours,
            const std::string& theirs) {
    if (totals.differing.fetch_add(1) < 20) {
        const std::lock_guard lock(totals.print);
        std::printf("differs: 0x%08x %s: \"%s\", reference \"%s\"\n", bits, what, ours.c_str(),
                    theirs.c_str());
    }
}

void Check(std::uint32_t bits, Totals& totals) {
    const float value = std::bit_cast<float>(bits);
    const reference::FloatTexts texts(value);
    for (const NumtextMask& m : kNumtextMasks) {
        const std::string ours = numtext::MaskNumberText(m.mask, value);
        const std::string theirs = texts.Mask(m.places, m.tail);
        if (ours != theirs) {
            Report(totals, bits, m.mask, ours, theirs);
        }
    }
    const std::string plain = numtext::PlainNumberText(value);
    if (const std::string theirs = texts.Plain(); plain != theirs) {
        Report(totals, bits, "plain", plain, theirs);
    }
    if ((bits >> 31) == 0) {
        // The ET and ES mask on every value; the three reaction masks share one field, so each
        // pattern tries one of them in turn.
        for (const TrainerMask* m : {&kTrainerMasks[0], &kTrainerMasks[1 + bits % 3]}) {
            const std::string ours = vellarin::FormatUsingMask(m->mask, value);
            const std::string theirs = texts.Trainer(m->prefix, m->wholePlaces, m->decimals);
            if (ours != theirs) {
                Report(totals, bits, m->mask, ours, theirs);
            }
        }
    }
}

std::uint64_t Argument(const char* text) {
    return std::strtoull(text, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::uint64_t start = argc > 2 ? Argument(argv[1]) : 0;
    const std::uint64_t end = argc > 2 ? Argument(argv[2]) : std::uint64_t{1} << 32;
    const std::uint64_t step = argc > 3 ? std::max<std::uint64_t>(1, Argument(argv[3])) : 1;
    if (start >= end || end > (std::uint64_t{1} << 32)) {
        std::fprintf(stderr, "usage: %s [START END [STEP]], with START < END <= 2^32\n", argv[0]);
        return 2;
    }
    const std::uint64_t count = (end - start + step - 1) / step;
    constexpr std::uint64_t kChunk = 1 << 16;
    const std::uint64_t chunks = (count + kChunk - 1) / kChunk;
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::printf("checking %llu patterns from 0x%llx below 0x%llx, every %llu, on %u threads\n",
                static_cast<unsigned long long>(count), static_cast<unsigned long long>(start),
                static_cast<unsigned long long>(end), static_cast<unsigned long long>(step), threads);
    std::fflush(stdout);

    Totals totals;
    std::atomic<std::uint64_t> nextChunk{0};
    std::atomic<std::uint64_t> chunksDone{0};
    const auto began = std::chrono::steady_clock::now();
    auto work = [&] {
        for (std::uint64_t chunk; (chunk = nextChunk.fetch_add(1)) < chunks;) {
            const std::uint64_t first = chunk * kChunk;
            const std::uint64_t last = std::min(count, first + kChunk);
            for (std::uint64_t i = first; i < last; ++i) {
                Check(static_cast<std::uint32_t>(start + i * step), totals);
            }
            totals.checked.fetch_add(last - first);
            const std::uint64_t done = chunksDone.fetch_add(1) + 1;
            // About a hundred progress lines over the run.
            if (done * 100 / chunks != (done - 1) * 100 / chunks) {
                const double seconds =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
                const std::lock_guard lock(totals.print);
                std::printf("progress: %3llu%%, %llu checked, %llu differ, %.0f s, about %.0f s to go\n",
                            static_cast<unsigned long long>(done * 100 / chunks),
                            static_cast<unsigned long long>(totals.checked.load()),
                            static_cast<unsigned long long>(totals.differing.load()), seconds,
                            seconds * static_cast<double>(chunks - done) / static_cast<double>(done));
                std::fflush(stdout);
            }
        }
    };
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back(work);
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::printf("%llu patterns checked in %.0f s: %llu texts differ\n",
                static_cast<unsigned long long>(totals.checked.load()), seconds,
                static_cast<unsigned long long>(totals.differing.load()));
    return totals.differing.load() == 0 ? 0 : 1;
}
