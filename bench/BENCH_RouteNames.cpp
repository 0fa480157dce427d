// Loading a legacy file of N routes that all run between the same two waypoints and are named
// automatically ("A to B", "A to B 1", ...): the cost per route must stay flat as N grows, since
// every name is found from where the last one of the same text ended.
//   BM_LoadAutoNamedRoutes/4000 and /32000: compare items_per_second (routes per second).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "tbk/TBK_FileBuilder.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_Load.h"

namespace {

std::string MakeFile(int routes) {
    tbk::FileBuilder_t file = tbk::FileBuilder_t::Legacy();
    tbk::Route_t route;
    route.generated_name = 1;
    for (const char* name : {"A", "B"}) {
        tbk::Waypoint_t w;
        w.key.name = name;
        w.body.position = tbk::At(46.0, 8.0);
        file.Waypoint(w);
        tbk::RoutePoint_t point;
        point.waypoint = w.key;
        route.points.push_back(point);
    }
    for (int i = 0; i < routes; ++i) file.Route(route);
    const std::string path = "bench-routes-" + std::to_string(routes) + ".tbk";
    file.Save(path);
    return path;
}

void BM_LoadAutoNamedRoutes(benchmark::State& state) {
    const int routes = static_cast<int>(state.range(0));
    const std::string path = MakeFile(routes);
    for (auto _ : state) {
        trove::Database_t db{trove::Name_t(), 3};
        const trove::LoadResult_t result = trove::LoadFile(path, db);
        if (result.outcome != trove::LoadOutcome_t::Loaded || db.routes.size() != static_cast<std::size_t>(routes))
            state.SkipWithError("the file did not load whole");
    }
    state.SetItemsProcessed(state.iterations() * routes);
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadAutoNamedRoutes)->Arg(4000)->Arg(32000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
