#pragma once
// Statistics of a run of track points, kept up to date point by point.
#include <cstdint>

#include "base/BASE_Optional.h"
#include "geo/GEO_Box.h"
#include "geo/GEO_Position.h"
#include "trove/TROVE_TrackPoint.h"

namespace trove {

struct TrackStats_t {
    // Adds the leg from a to b, whose distance the caller has measured.
    void AddLeg(const TrackPoint_t& a, const TrackPoint_t& b, double distance);

    geo::Box_t box;
    double distance = 0.0;              // metres
    std::int32_t count = 0;             // legs summed
    base::Optional_t<double> duration;  // seconds, over the legs whose points both have a time
    base::Optional_t<TrackPoint_t> first;
    base::Optional_t<TrackPoint_t> last;
    double area_sum = 0.0;  // twice the signed area by the shoelace rule, semicircles squared
    std::int32_t min_latitude = geo::kMaxLatitude;
    std::int32_t max_latitude = geo::kMinLatitude;
};

}  // namespace trove
