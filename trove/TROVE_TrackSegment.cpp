#include "trove/TROVE_TrackSegment.h"

namespace trove {

void TrackSegment_t::Append(const TrackPoint_t& p) {
    const geo::UnitVector_t unit = geo::ToUnitVector(p.position);
    double distance = 0.0;
    if (points.empty()) {
        points.reserve(kTrackSegmentPoints);
        distance = geo::Distance(unit, unit);
        stats.AddLeg(p, p, distance);
    } else {
        const TrackPoint_t& last = points.back();
        const bool cached =
            last.position.latitude == last_latitude_ && last.position.longitude == last_longitude_;
        distance = geo::Distance(cached ? last_unit_ : geo::ToUnitVector(last.position), unit);
        stats.AddLeg(last, p, distance);
    }
    picture.reset();
    points.push_back(p);
    last_unit_ = unit;
    last_latitude_ = p.position.latitude;
    last_longitude_ = p.position.longitude;
}

}  // namespace trove
