#include "trove/TROVE_TrackFilter.h"

#include "trove/TROVE_Track.h"

namespace trove {

bool NullFilter_t::Filter(Track_t& track, const TrackPoint_t& point) {
    track.AppendPoint(point);
    return false;
}

std::unique_ptr<TrackFilterIntf_t> NullFilter_t::Clone() const {
    return std::make_unique<NullFilter_t>(*this);
}

}  // namespace trove
