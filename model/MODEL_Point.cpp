#include "model/MODEL_Point.h"

namespace model {

Point_t MakePoint(const geo::Position_t& p, const base::Optional_t<std::int32_t>& time) {
    Point_t point;
    point.latitude = p.latitude;
    point.longitude = p.longitude;
    point.altitude = p.altitude;
    if (time.Has()) point.time = *time;
    return point;
}

}  // namespace model
