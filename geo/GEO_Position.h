#pragma once
// A place on the earth: latitude and longitude in semicircles (2^31 = 180 degrees)
// and an optional altitude in metres.
#include <cstdint>

#include "base/BASE_Optional.h"

namespace geo {

constexpr std::int32_t kMinLatitude = -(1 << 30);  // 90 degrees south
constexpr std::int32_t kMaxLatitude = 1 << 30;     // 90 degrees north

class Position_t {
public:
    Position_t() = default;
    // Raises base::OutOfRange_t (GEO_Position, 63) for a latitude beyond the poles.
    // Inline: files and box unions make positions by the million.
    Position_t(std::int32_t lat, std::int32_t lon,
               const base::Optional_t<double>& alt = base::Optional_t<double>())
        : latitude(lat), longitude(lon), altitude(alt) {
        if (lat < kMinLatitude || lat > kMaxLatitude) RaiseBeyondPole();
    }

    std::int32_t latitude = 0;
    std::int32_t longitude = 0;
    base::Optional_t<double> altitude;

    friend bool operator==(const Position_t& a, const Position_t& b) {
        return a.latitude == b.latitude && a.longitude == b.longitude && a.altitude == b.altitude;
    }
    friend bool operator!=(const Position_t& a, const Position_t& b) { return !(a == b); }

private:
    [[noreturn]] static void RaiseBeyondPole();
};

// The latitude check shared by positions and box edges.
inline bool ValidLatitude(std::int32_t latitude) {
    return latitude >= kMinLatitude && latitude <= kMaxLatitude;
}

}  // namespace geo
