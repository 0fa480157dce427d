// What the database's checked operations cost at the sizes a large file brings: inserting
// waypoints one by one into a growing table, naming a clashing waypoint in a full table, and
// erasing a route whose own waypoints have to be checked against every other route.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "trove/TROVE_Database.h"

namespace {

trove::WaypointId_t WptId(std::int64_t i, std::int32_t id_class = 0) {
    trove::WaypointId_t id;
    id.name = trove::Name_t("Wpt " + std::to_string(i * 7919 % 1000003));
    id.id_class = id_class;
    return id;
}

// Inserts range(0) waypoints; the figure is the time per insertion.
void BM_InsertWaypoint(benchmark::State& state) {
    const std::int64_t count = state.range(0);
    std::vector<trove::WaypointId_t> ids;
    for (std::int64_t i = 0; i < count; ++i) ids.push_back(WptId(i));
    for (auto _ : state) {
        trove::Database_t db(trove::Name_t(""), 3);
        for (const trove::WaypointId_t& id : ids) db.InsertWaypoint(id, trove::Waypoint_t());
        db.EndChanges();
        benchmark::DoNotOptimize(db.waypoints.size());
    }
    state.counters["per_waypoint"] =
        benchmark::Counter(static_cast<double>(count),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_InsertWaypoint)->Arg(1000)->Arg(200000)->Unit(benchmark::kMillisecond);

// One clashing name made unique in a table of range(0) waypoints.
void BM_MakeUniqueWaypointName(benchmark::State& state) {
    trove::Database_t db(trove::Name_t(""), 10);
    for (std::int64_t i = 0; i < state.range(0); ++i) db.InsertWaypoint(WptId(i), trove::Waypoint_t());
    for (auto _ : state) {
        trove::WaypointId_t id = WptId(1);
        db.MakeUniqueWaypointName(id);
        benchmark::DoNotOptimize(id.name.text);
    }
}
BENCHMARK(BM_MakeUniqueWaypointName)->Arg(200000);

// Erasing one route of range(0) points of class 2, among 100 other routes of as many points.
void BM_EraseRoute(benchmark::State& state) {
    const std::int64_t points = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<trove::Database_t>(trove::Name_t(""), 3);
        for (std::int64_t r = 0; r <= 100; ++r) {
            trove::Route_t route;
            for (std::int64_t p = 0; p < points; ++p) {
                const trove::WaypointId_t id = WptId(r * points + p, 2);
                db->InsertWaypoint(id, trove::Waypoint_t());
                trove::RouteWaypoint_t point;
                point.waypoint = id;
                route.route_points.push_back(point);
            }
            db->InsertRoute(trove::RouteId_t(trove::Name_t("Route " + std::to_string(r)), 0),
                            std::move(route));
        }
        state.ResumeTiming();
        db->EraseRoute(trove::RouteId_t(trove::Name_t("Route 0"), 0));
        state.PauseTiming();
        benchmark::DoNotOptimize(db->waypoints.size());
        db.reset();  // outside the timed part
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EraseRoute)->Arg(500)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
