// The add-in's own work per waypoint, without a host: the handheld record the conversion hands the
// host (coded line, note with its label texts, the texts), for the waypoints of a generated file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "addin/record/ADDIN_HandheldRecord.h"
#include "tbk/TBK_BigFile.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_Load.h"

namespace {

void BM_HandheldRecord(benchmark::State& state) {
    const std::string path = "bench_record.tbk";
    tbk::BigFileSpec_t shape;
    shape.waypoints = static_cast<std::uint32_t>(state.range(0));
    tbk::WriteBigFile(path, shape);
    trove::Database_t db{trove::Name_t(), 3};
    trove::LoadFile(path, db);
    std::remove(path.c_str());
    const std::string category = "Unfiled";
    for (auto _ : state) {
        for (const auto& entry : db.waypoints) {
            if (entry.first.id_class != 0) continue;
            addin::HandheldRecord_t record = addin::MakeHandheldRecord(entry.first, entry.second, category);
            benchmark::DoNotOptimize(record.note.data());
        }
    }
    state.counters["per_waypoint"] =
        benchmark::Counter(static_cast<double>(db.waypoints.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_HandheldRecord)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
