#pragma once
// One point of a feature's geometry: a position in semicircles with its altitude and time where
// present. Longitudes are held in 64 bits, so that +180 (2^31) can be said where a line is cut
// at the antimeridian.
#include <cstdint>

#include "base/BASE_Optional.h"
#include "geo/GEO_Position.h"

namespace model {

constexpr std::int64_t kHalfTurn = std::int64_t(1) << 31;  // 180 degrees in semicircles
constexpr std::int64_t kTurn = std::int64_t(1) << 32;

struct Point_t {
    std::int32_t latitude = 0;
    std::int64_t longitude = 0;  // -2^31 to 2^31
    base::Optional_t<double> altitude;
    base::Optional_t<std::int64_t> time;  // seconds since 1970-01-01 00:00 UTC
};

Point_t MakePoint(const geo::Position_t& p, const base::Optional_t<std::int32_t>& time = {});

}  // namespace model
