#include "geo/GEO_Position.h"

namespace geo {

Position_t::Position_t(std::int32_t lat, std::int32_t lon, const base::Optional_t<double>& alt)
    : latitude(lat), longitude(lon), altitude(alt) {
    if (!ValidLatitude(lat)) throw base::OutOfRange_t("GEO_Position", 63);
}

}  // namespace geo
