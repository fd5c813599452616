// SPDX-License-Identifier: GPL-3.0-or-later
// Every number text the programs show, checked against an independent formulation that works from
// the exact decimal value of each float or double (numtext/tests/reference). Four families:
// - floats: for every 32-bit pattern, numtext's plain text and mask texts for the masks the programs
//   use, and the trainer's picture masks for the patterns that are not negative (the trainer formats
//   no negative value);
// - pressure: the general number text of ConvertPressure for each of the 121 unit pairs, for every
//   value typed with six significant digits from 1E-03 to 1E+07 (every sixteenth one negative too),
//   and for every power of ten from 1E-300 to 1E+300 with four doubles either side;
// - general: the general number text of the doubles either side of each switch-over (each power of
//   ten, and the rounding boundary just below it), of the exact ties at the fifteenth digit that a
//   structured search finds, and of 10^9 random doubles of log-uniform magnitude (a fixed seed);
// - trainer: "ET with Reaction Time" from the light tree's own runs, for the ETs the estimator gives
//   for whole weights 1 to 10,000 lb and powers 1 to 2,000 hp with the stored reaction times 0.5000
//   to 3.0000 s (every 1009th of those pairs), and "Last Reaction Time" and "Average of Last Five"
//   for five equal runs of each stored reaction time from 0.5000 to 10.0000 s.
// Runs on all cores, prints its progress and per family the count, the time and the exact ties met;
// exits non-zero when any text differs.
//
//   exhaustive [FAMILY] [STEP]   FAMILY: floats, pressure, general, trainer or all (the default);
//                                every STEP-th case of each family (every case by default)

#include "reference_text.h"

#include <numtext/numtext.h>
#include <pressure/conversion.h>
#include <vellarin/estimator.h>
#include <vellarin/light_tree_sequence.h>
#include <vellarin/mask_format.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Totals {
    std::atomic<std::uint64_t> differing{0};
    std::atomic<std::uint64_t> ties{0};
    std::mutex print;
};

void Expect(Totals& totals, double value, const char* what, const std::string& ours,
            const std::string& theirs) {
    if (ours != theirs && totals.differing.fetch_add(1) < 20) {
        const std::lock_guard lock(totals.print);
        std::printf("differs: %.17g (%a) %s: \"%s\", reference \"%s\"\n", value, value, what, ours.c_str(),
                    theirs.c_str());
    }
}

// Whether the exact value lies halfway between its two neighbours of n significant digits.
bool IsTie(const reference::Leading20& exact, int n) {
    return !exact.beyond && n >= 1 && n <= 19 && reference::RoundToDigits(exact, n).tie;
}

using CaseCheck = std::function<void(std::uint64_t, Totals&)>;

// Checks cases 0, step, 2 step, ... below `cases` on all cores; returns whether all texts agreed.
bool Run(const char* family, std::uint64_t cases, std::uint64_t step, const CaseCheck& check,
         const char* tieRounding) {
    const std::uint64_t count = (cases + step - 1) / step;
    constexpr std::uint64_t kChunk = 1 << 14;
    const std::uint64_t chunks = (count + kChunk - 1) / kChunk;
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::printf("%s: checking %llu cases, every %llu of %llu, on %u threads\n", family,
                static_cast<unsigned long long>(count), static_cast<unsigned long long>(step),
                static_cast<unsigned long long>(cases), threads);
    std::fflush(stdout);

    Totals totals;
    std::atomic<std::uint64_t> nextChunk{0};
    std::atomic<std::uint64_t> chunksDone{0};
    const auto began = std::chrono::steady_clock::now();
    auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    };
    auto work = [&] {
        for (std::uint64_t chunk; (chunk = nextChunk.fetch_add(1)) < chunks;) {
            const std::uint64_t last = std::min(count, (chunk + 1) * kChunk);
            for (std::uint64_t i = chunk * kChunk; i < last; ++i) {
                check(i * step, totals);
            }
            const std::uint64_t done = chunksDone.fetch_add(1) + 1;
            if (done * 20 / chunks != (done - 1) * 20 / chunks) { // twenty progress lines a family
                const std::lock_guard lock(totals.print);
                std::printf("progress: %3llu%%, %.0f s, about %.0f s to go\n",
                            static_cast<unsigned long long>(done * 100 / chunks), seconds(),
                            seconds() * static_cast<double>(chunks - done) / static_cast<double>(done));
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
    std::printf("%s: %llu cases checked in %.0f s: %llu texts differ", family,
                static_cast<unsigned long long>(count), seconds(),
                static_cast<unsigned long long>(totals.differing.load()));
    if (tieRounding != nullptr) {
        std::printf("; %llu exact ties, each rounded %s by the program and the reference alike",
                    static_cast<unsigned long long>(totals.ties.load()), tieRounding);
    }
    std::printf("\n");
    std::fflush(stdout);
    return totals.differing.load() == 0;
}

// ---- floats

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
constexpr TrainerMask kEtMask{"###.##", "", 3, 2}; // the ET and ES lines
constexpr TrainerMask kRunEtMask{"ET with Reaction Time: #.####", "ET with Reaction Time: ", 1, 4};
constexpr TrainerMask kLastMask{"Last Reaction Time: #.####", "Last Reaction Time: ", 1, 4};
constexpr TrainerMask kAverageMask{"Average of Last Five: #.####", "Average of Last Five: ", 1, 4};

std::string TrainerText(const TrainerMask& m, const reference::ExactTexts& texts) {
    return texts.Trainer(m.prefix, m.wholePlaces, m.decimals);
}

void CheckFloat(std::uint64_t index, Totals& totals) {
    const auto bits = static_cast<std::uint32_t>(index);
    const float value = std::bit_cast<float>(bits);
    const reference::ExactTexts texts(value);
    for (const NumtextMask& m : kNumtextMasks) {
        Expect(totals, value, m.mask, numtext::MaskNumberText(m.mask, value), texts.Mask(m.places, m.tail));
    }
    Expect(totals, value, "plain", numtext::PlainNumberText(value), texts.Plain());
    if ((bits >> 31) == 0) {
        // The ET and ES mask on every value; the three reaction masks share one field, so each
        // pattern tries one of them in turn.
        constexpr std::array<const TrainerMask*, 3> kReactionMasks{&kRunEtMask, &kLastMask, &kAverageMask};
        for (const TrainerMask* m : {&kEtMask, kReactionMasks[bits % 3]}) {
            Expect(totals, value, m->mask, vellarin::FormatUsingMask(m->mask, value), TrainerText(*m, texts));
        }
    }
}

// ---- doubles through the general number text

double Parse(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The double `ulps` steps away from `value`.
double Step(double value, int ulps) {
    for (; ulps > 0; --ulps) {
        value = std::nextafter(value, INFINITY);
    }
    for (; ulps < 0; ++ulps) {
        value = std::nextafter(value, -INFINITY);
    }
    return value;
}

void CheckGeneral(double value, std::string_view separator, Totals& totals) {
    const reference::ExactTexts texts(value);
    if (IsTie(texts.exact(), 15)) {
        totals.ties.fetch_add(1);
    }
    Expect(totals, value, "general", numtext::GeneralNumberText(value, separator), texts.General(separator));
}

// The values a user types: d.ddddd x 10^k for k = -3 to 6, and 1E+07.
constexpr std::uint64_t kMantissas = 900'000;
constexpr std::uint64_t kTyped = 10 * kMantissas + 1;
constexpr std::uint64_t kNegativeEvery = 16;
constexpr int kUlps = 4;
constexpr std::uint64_t kPowerValues = 601 * (2 * kUlps + 1); // 1E-300 to 1E+300
constexpr std::uint64_t kPressureValues = kTyped + kTyped / kNegativeEvery + kPowerValues;
constexpr std::uint64_t kPairs = pressure::kUnitCount * pressure::kUnitCount;

double TypedValue(std::uint64_t n) {
    if (n == kTyped - 1) {
        return 1e7;
    }
    constexpr std::array<double, 9> kPowers{1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    const auto digits = static_cast<double>(100'000 + n % kMantissas);
    const auto k = static_cast<int>(n / kMantissas) - 3; // digits x 10^(k - 5)
    // Both operands exact, so one rounding: the double the reader makes of the typed text.
    return k >= 5 ? digits * kPowers[static_cast<std::size_t>(k - 5)]
                  : digits / kPowers[static_cast<std::size_t>(5 - k)];
}

double PressureValue(std::uint64_t n) {
    if (n < kTyped) {
        return TypedValue(n);
    }
    n -= kTyped;
    if (n < kTyped / kNegativeEvery) {
        return -TypedValue(n * kNegativeEvery);
    }
    n -= kTyped / kNegativeEvery;
    const int power = static_cast<int>(n / (2 * kUlps + 1)) - 300;
    return Step(Parse("1e" + std::to_string(power)), static_cast<int>(n % (2 * kUlps + 1)) - kUlps);
}

void CheckPressure(std::uint64_t index, Totals& totals) {
    const auto pair = static_cast<int>(index % kPairs);
    const std::uint64_t n = index / kPairs;
    const double product = pressure::ConvertPressure(PressureValue(n), pair / pressure::kUnitCount + 1,
                                                     pair % pressure::kUnitCount + 1);
    CheckGeneral(product, n % 2 == 0 ? "." : ",", totals);
}

// Either side of each switch-over: 10^k, and 9.99999999999999500... x 10^(k-1), where the rounding
// to fifteen digits reaches 10^k.
constexpr int kSwitchUlps = 8;
constexpr std::uint64_t kSwitchValues = 632 * 2 * (2 * kSwitchUlps + 1); // k = -323 to 308

double SwitchValue(std::uint64_t n) {
    const auto k = static_cast<int>(n / (2 * (2 * kSwitchUlps + 1))) - 323;
    const bool boundary = n / (2 * kSwitchUlps + 1) % 2 == 1;
    const double anchor =
        Parse(boundary ? "9.999999999999995e" + std::to_string(k - 1) : "1e" + std::to_string(k));
    return Step(anchor, static_cast<int>(n % (2 * kSwitchUlps + 1)) - kSwitchUlps);
}

// The exact ties at the fifteenth digit are the sixteen-digit D ending in 5, times 10^t, that a
// double holds: t = -s for s = 1 to 22 (D / 10^s = M / 2^s for odd M = D / 5^s below 2^53), t = 0
// (D below 2^53) and t = 1 (5 D below 2^53). Each scale is searched in full, or at evenly spread
// points when it holds more than kTiesPerScale.
struct TieScale {
    int s;                // D x 10^-s; -1 for D x 10
    std::uint64_t first;  // the first M (s >= 1) or D
    std::uint64_t count;  // ties at this scale
    std::uint64_t stride; // between checked ties
};
constexpr std::uint64_t kTiesPerScale = 1 << 24;
constexpr std::uint64_t kTwo53 = std::uint64_t{1} << 53;

std::vector<TieScale> TieScales() {
    std::vector<TieScale> scales;
    auto add = [&](int s, std::uint64_t first, std::uint64_t count) {
        const std::uint64_t stride = std::max<std::uint64_t>(1, count / kTiesPerScale);
        scales.push_back({s, first, count, stride});
    };
    constexpr std::uint64_t kLow = 1'000'000'000'000'000; // 10^15
    add(-1, kLow + 5, ((kTwo53 - 1) / 5 - kLow - 5) / 10 + 1);
    add(0, kLow + 5, (kTwo53 - 1 - kLow - 5) / 10 + 1);
    std::uint64_t five = 1;
    for (int s = 1; s <= 22; ++s) {
        five *= 5;
        std::uint64_t first = (kLow + five - 1) / five;
        first |= 1;
        const std::uint64_t end = (10 * kLow + five - 1) / five; // M x 5^s below 10^16
        if (first < end) {
            add(s, first, (end - first + 1) / 2);
        }
    }
    return scales;
}

std::uint64_t CheckedTies(const TieScale& t) {
    return (t.count + t.stride - 1) / t.stride;
}

double TieValue(const TieScale& t, std::uint64_t n) {
    const std::uint64_t k = std::min(t.count - 1, n * t.stride);
    if (t.s >= 1) {
        return std::ldexp(static_cast<double>(t.first + 2 * k), -t.s);
    }
    const std::uint64_t d = t.first + 10 * k;
    return t.s == 0 ? static_cast<double>(d) : 2.0 * static_cast<double>(5 * d);
}

constexpr std::uint64_t kRandomDoubles = 1'000'000'000;

// Any finite double with its binary exponent, and so its magnitude's logarithm, evenly spread.
double RandomDouble(std::uint64_t n) {
    std::uint64_t z = n + 0x9e3779b97f4a7c15ULL; // splitmix64, seeded with the index
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    const std::uint64_t biased = (z >> 52) % 2047;
    return std::bit_cast<double>((z & (std::uint64_t{1} << 63)) | (biased << 52) |
                                 (z & ((std::uint64_t{1} << 52) - 1)));
}

// ---- the light tree's results

// One run of the light tree whose press comes `ticks` counter ticks (10 kHz) after green: a stored
// reaction time of 0.5 s + ticks / 10000.
vellarin::RunTexts TreeRun(vellarin::LightTreeSequence& tree, std::int64_t ticks) {
    std::int64_t now = 0;
    tree.Press(false, now);
    tree.Press(false, now);
    while (tree.IsTiming()) {
        now += 5001; // just over a step
        tree.TimerCheck(now);
        tree.RestartInterval(now);
    }
    return *tree.Press(false, now + ticks);
}

float StoredReaction(std::int64_t tenThousandths) {
    return static_cast<float>(static_cast<double>(tenThousandths) / 10000.0);
}

// Reaction times in ten-thousandths of a second.
constexpr std::int64_t kFastest = 5000;
constexpr std::int64_t kSlowestPaired = 30000;
constexpr std::int64_t kSlowest = 100000;
constexpr std::uint64_t kPairedTimes = kSlowestPaired - kFastest + 1;
constexpr std::uint64_t kPairStride = 1009; // prime, so every ET meets many reaction times

std::vector<float> EstimatedEts() {
    std::vector<float> ets;
    ets.reserve(10'000 * 2'000);
    for (int weight = 1; weight <= 10'000; ++weight) {
        for (int power = 1; power <= 2'000; ++power) {
            ets.push_back(vellarin::EstimateEt(static_cast<float>(weight), static_cast<float>(power)));
        }
    }
    std::sort(ets.begin(), ets.end());
    ets.erase(std::unique(ets.begin(), ets.end()), ets.end());
    return ets;
}

void CheckRunEt(const std::vector<float>& ets, std::uint64_t index, Totals& totals) {
    const std::uint64_t pair = index * kPairStride;
    const float et = ets[pair / kPairedTimes];
    const auto ticks = static_cast<std::int64_t>(pair % kPairedTimes);
    vellarin::LightTreeSequence tree(et);
    tree.Calibrate(10000, 0, 0);
    const double sum = static_cast<double>(et) + static_cast<double>(StoredReaction(kFastest + ticks)) - 0.5;
    const reference::ExactTexts texts(sum);
    if (IsTie(texts.exact(), texts.exact().exponent + 1 + kRunEtMask.decimals)) {
        totals.ties.fetch_add(1);
    }
    Expect(totals, sum, kRunEtMask.mask, TreeRun(tree, ticks).etLine, TrainerText(kRunEtMask, texts));
}

void CheckFiveRuns(std::uint64_t index, Totals& totals) {
    const auto ticks = static_cast<std::int64_t>(index);
    vellarin::LightTreeSequence tree(vellarin::kDefaultEt);
    tree.Calibrate(10000, 0, 0);
    vellarin::RunTexts texts;
    for (int run = 0; run < 5; ++run) {
        texts = TreeRun(tree, ticks);
    }
    const float reaction = StoredReaction(kFastest + ticks);
    Expect(totals, reaction, kLastMask.mask, texts.lastLine,
           TrainerText(kLastMask, reference::ExactTexts(reaction)));
    float sum = 0; // the average as the trainer takes it: float sums in slot order
    for (int run = 0; run < 5; ++run) {
        sum += reaction;
    }
    const float average = sum / 5.0f;
    Expect(totals, average, kAverageMask.mask, texts.averageLine.value_or(""),
           TrainerText(kAverageMask, reference::ExactTexts(average)));
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string family = argc > 1 ? argv[1] : "all";
    const std::uint64_t step = argc > 2 ? std::max<std::uint64_t>(1, std::strtoull(argv[2], nullptr, 0)) : 1;
    const bool all = family == "all";
    if (!all && family != "floats" && family != "pressure" && family != "general" && family != "trainer") {
        std::fprintf(stderr, "usage: %s [floats|pressure|general|trainer|all] [STEP]\n", argv[0]);
        return 2;
    }
    bool agreed = true;
    if (all || family == "floats") {
        agreed = Run("floats", std::uint64_t{1} << 32, step, CheckFloat, nullptr) && agreed;
    }
    if (all || family == "pressure") {
        agreed = Run("pressure", kPairs * kPressureValues, step, CheckPressure, "to even") && agreed;
    }
    if (all || family == "general") {
        const std::vector<TieScale> scales = TieScales();
        std::vector<std::uint64_t> tieStarts{0};
        for (const TieScale& t : scales) {
            tieStarts.push_back(tieStarts.back() + CheckedTies(t));
        }
        const std::uint64_t ties = tieStarts.back();
        auto check = [&](std::uint64_t i, Totals& totals) {
            if (i < kSwitchValues) {
                CheckGeneral(SwitchValue(i), i % 2 == 0 ? "." : ",", totals);
            } else if (i < kSwitchValues + ties) {
                const std::uint64_t n = i - kSwitchValues;
                const auto scale = static_cast<std::size_t>(
                    std::upper_bound(tieStarts.begin(), tieStarts.end(), n) - tieStarts.begin() - 1);
                const double value = TieValue(scales[scale], n - tieStarts[scale]);
                if (!IsTie(reference::ExactTexts(value).exact(), 15)) {
                    Expect(totals, value, "tie search", "not a tie", "a tie");
                }
                CheckGeneral(value, ".", totals);
            } else {
                CheckGeneral(RandomDouble(i), i % 2 == 0 ? "." : ",", totals);
            }
        };
        agreed = Run("general", kSwitchValues + ties + kRandomDoubles, step, check, "to even") && agreed;
    }
    if (all || family == "trainer") {
        const std::vector<float> ets = EstimatedEts();
        const std::uint64_t paired = (ets.size() * kPairedTimes + kPairStride - 1) / kPairStride;
        const auto fiveRuns = static_cast<std::uint64_t>(kSlowest - kFastest + 1);
        auto check = [&](std::uint64_t i, Totals& totals) {
            if (i < paired) {
                CheckRunEt(ets, i, totals);
            } else {
                CheckFiveRuns(i - paired, totals);
            }
        };
        std::printf("trainer: %zu distinct ETs\n", ets.size());
        agreed = Run("trainer", paired + fiveRuns, step, check, "half up") && agreed;
    }
    return agreed ? 0 : 1;
}
