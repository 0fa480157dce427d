#include "trove/TROVE_TrackSegment.h"

namespace trove {

void TrackSegment_t::Append(const TrackPoint_t& p) {
    stats.Combine(TrackStats_t::Leg(points.empty() ? p : points.back(), p));
    picture.reset();
    points.push_back(p);
}

}  // namespace trove
