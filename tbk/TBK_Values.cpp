#include "tbk/TBK_Values.h"

#include <algorithm>
#include <cmath>

namespace tbk {

std::int32_t Semicircles(double degrees) {
    double s = std::round(degrees / 180.0 * 2147483648.0);
    s = std::min(std::max(s, -2147483648.0), 2147483647.0);
    return static_cast<std::int32_t>(s);
}

Position_t At(double latitude_degrees, double longitude_degrees, std::optional<double> altitude) {
    return Position_t{Semicircles(latitude_degrees), Semicircles(longitude_degrees), altitude};
}

Box_t BoxAround(const std::vector<Position_t>& points) {
    Box_t box;
    if (points.empty()) return box;
    box.empty = false;
    box.first = box.second = points.front();
    bool altitudes = true;
    for (const Position_t& p : points) {
        box.first.latitude = std::max(box.first.latitude, p.latitude);
        box.second.latitude = std::min(box.second.latitude, p.latitude);
        box.first.longitude = std::max(box.first.longitude, p.longitude);
        box.second.longitude = std::min(box.second.longitude, p.longitude);
        if (!p.altitude || !altitudes) {
            altitudes = false;
            continue;
        }
        box.first.altitude = std::max(*box.first.altitude, *p.altitude);
        box.second.altitude = std::min(*box.second.altitude, *p.altitude);
    }
    if (!altitudes) box.first.altitude = box.second.altitude = std::nullopt;
    return box;
}

}  // namespace tbk
