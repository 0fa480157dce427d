#include "trove/TROVE_TrackStats.h"

#include <algorithm>
#include <cstdlib>

namespace trove {

void TrackStats_t::AddLeg(const TrackPoint_t& a, const TrackPoint_t& b, double distance) {
    // Called once per point while loading: no temporary statistics, no copies of a as first
    // once a first point is there.
    box.Extend(a.position, b.position);
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
