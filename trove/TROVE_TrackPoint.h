#pragma once
// One recorded point of a track.
#include <cstdint>

#include "base/BASE_Optional.h"
#include "geo/GEO_Position.h"

namespace trove {

struct TrackPoint_t {
    geo::Position_t position;
    base::Optional_t<std::int32_t> time;  // seconds since 1970-01-01 00:00 UTC
    base::Optional_t<double> point_real;
};

}  // namespace trove
