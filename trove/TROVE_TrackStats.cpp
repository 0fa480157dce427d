#include "trove/TROVE_TrackStats.h"

#include <algorithm>
#include <cstdlib>

#include "geo/GEO_Vector.h"

namespace trove {

TrackStats_t TrackStats_t::Leg(const TrackPoint_t& a, const TrackPoint_t& b) {
    return Leg(a, b, geo::Distance(a.position, b.position));
}

TrackStats_t TrackStats_t::Leg(const TrackPoint_t& a, const TrackPoint_t& b, double distance) {
    TrackStats_t leg;
    leg.box = geo::Box_t(a.position, b.position);
    leg.distance = distance;
    leg.count = 1;
    if (a.time.Has() && b.time.Has()) {
        leg.duration = static_cast<double>(std::llabs(static_cast<long long>(*b.time) - *a.time));
    }
    leg.first = a;
    leg.last = b;
    leg.area_sum = static_cast<double>(a.position.longitude) * b.position.latitude -
                   static_cast<double>(b.position.longitude) * a.position.latitude;
    leg.min_latitude = std::min(a.position.latitude, b.position.latitude);
    leg.max_latitude = std::max(a.position.latitude, b.position.latitude);
    return leg;
}

void TrackStats_t::Combine(const TrackStats_t& next) {
    box.Extend(next.box);
    distance += next.distance;
    count += next.count;
    area_sum += next.area_sum;
    if (next.duration.Has()) duration = duration.Has() ? *duration + *next.duration : *next.duration;
    if (!first.Has()) first = next.first;
    if (next.last.Has()) last = next.last;
    min_latitude = std::min(min_latitude, next.min_latitude);
    max_latitude = std::max(max_latitude, next.max_latitude);
}

void TrackStats_t::AddLeg(const TrackPoint_t& a, const TrackPoint_t& b, double distance) {
    // Called once per point while loading: no temporary statistics, no copies of a as first
    // once a first point is there.
    box.Extend(geo::Box_t(a.position, b.position));
    this->distance += distance;
    ++count;
    area_sum += static_cast<double>(a.position.longitude) * b.position.latitude -
                static_cast<double>(b.position.longitude) * a.position.latitude;
    if (a.time.Has() && b.time.Has()) {
        const double seconds = static_cast<double>(std::llabs(static_cast<long long>(*b.time) - *a.time));
        duration = duration.Has() ? *duration + seconds : seconds;
    }
    if (!first.Has()) first = a;
    last = b;
    min_latitude = std::min(min_latitude, std::min(a.position.latitude, b.position.latitude));
    max_latitude = std::max(max_latitude, std::max(a.position.latitude, b.position.latitude));
}

}  // namespace trove
