#include "model/MODEL_Antimeridian.h"

#include <cmath>

namespace model {

bool AntimeridianCut_t::Next(const Point_t& p, Point_t& leave, Point_t& enter) {
    const Point_t a = last_;
    const bool first = !started_;
    started_ = true;
    last_ = p;
    const std::int64_t step = p.longitude - a.longitude;
    if (first || (step <= kHalfTurn && step >= -kHalfTurn)) return false;
    // A step west in numbers is the short way east, across +180, and the other way round.
    const bool east = step < 0;
    const std::int64_t edge = east ? kHalfTurn : -kHalfTurn;
    const std::int64_t to = p.longitude + (east ? kTurn : -kTurn);
    const double t = static_cast<double>(edge - a.longitude) / static_cast<double>(to - a.longitude);
    leave = Point_t();
    leave.latitude = static_cast<std::int32_t>(
        std::llround(a.latitude + t * (static_cast<double>(p.latitude) - a.latitude)));
    leave.longitude = edge;
    if (a.altitude.Has() && p.altitude.Has() && std::isfinite(*a.altitude) && std::isfinite(*p.altitude))
        leave.altitude = *a.altitude + t * (*p.altitude - *a.altitude);
    if (a.time.Has() && p.time.Has())
        leave.time = *a.time + std::llround(t * static_cast<double>(*p.time - *a.time));
    enter = leave;
    enter.longitude = -edge;
    return true;
}

}  // namespace model
