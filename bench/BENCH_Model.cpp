// What loading costs per item in the GPS model: appending a track point (constant time,
// whatever the track's length) and comparing two names in the table order.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "trove/TROVE_NameOrder.h"
#include "trove/TROVE_Track.h"

namespace {

trove::TrackPoint_t PointNo(std::int64_t i) {
    trove::TrackPoint_t p;
    p.position =
        geo::Position_t(static_cast<std::int32_t>(500000000 + (i % 13) * 20000),
                        static_cast<std::int32_t>(i * 1193), base::Optional_t<double>(400.0 + (i % 50)));
    p.time = static_cast<std::int32_t>(1000000000 + i);
    return p;
}

// Builds tracks of range(0) points; the figure is the time per appended point.
void BM_AppendPoint(benchmark::State& state) {
    const std::int64_t points = state.range(0);
    std::vector<trove::TrackPoint_t> input;
    for (std::int64_t i = 0; i < points; ++i) input.push_back(PointNo(i));
    for (auto _ : state) {
        trove::Track_t track;
        for (const trove::TrackPoint_t& p : input) track.AppendPoint(p);
        benchmark::DoNotOptimize(track.stats.distance);
    }
    state.counters["per_point"] =
        benchmark::Counter(static_cast<double>(points),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_AppendPoint)->Arg(100)->Arg(10000)->Arg(200000)->Unit(benchmark::kMicrosecond);

// Names as handhelds and desktop maps give them: short codes, words, numbers, mixed case.
std::vector<std::string> TypicalNames(bool accented) {
    const char* stems[] = {"WPT",    "Camp", "home",  "Lake Geneva North", "TRAILHEAD", "Summit", "parking P",
                           "Bridge", "Hut",  "Spring"};
    std::vector<std::string> names;
    for (int i = 0; i < 2000; ++i) {
        std::string name = stems[i % 10];
        name += ' ';
        name += std::to_string(i * 7919 % 1000);
        if (accented && i % 3 == 0) name += " caf\xE9";
        names.push_back(name);
    }
    return names;
}

void CompareNames(benchmark::State& state, bool accented) {
    const std::vector<std::string> names = TypicalNames(accented);
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& a = names[i % names.size()];
        const std::string& b = names[(i * 31 + 17) % names.size()];
        benchmark::DoNotOptimize(trove::NameLess(a, b));
        ++i;
    }
}

void BM_NameLess(benchmark::State& state) {
    CompareNames(state, false);
}
BENCHMARK(BM_NameLess);

// One name in three carries a character of the upper half: the full multibyte walk.
void BM_NameLessAccented(benchmark::State& state) {
    CompareNames(state, true);
}
BENCHMARK(BM_NameLessAccented);

// Sorting a table's worth of names, as a load's inserts do.
void BM_SortNames(benchmark::State& state) {
    const std::vector<std::string> names = TypicalNames(false);
    for (auto _ : state) {
        std::vector<std::string> sorted = names;
        std::sort(sorted.begin(), sorted.end(), trove::NameOrder_t());
        benchmark::DoNotOptimize(sorted.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(names.size()));
}
BENCHMARK(BM_SortNames)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
