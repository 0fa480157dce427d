#pragma once
// Up to 100 consecutive points of a track with their statistics.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/BASE_ArenaAllocator.h"
#include "gdi/GDI_MetaFile.h"
#include "geo/GEO_Vector.h"
#include "trove/TROVE_TrackPoint.h"
#include "trove/TROVE_TrackStats.h"

namespace trove {

constexpr std::size_t kTrackSegmentPoints = 100;

using TrackPoints_t = std::vector<TrackPoint_t, base::ArenaAllocator_t<TrackPoint_t>>;

struct TrackSegment_t {
    TrackSegment_t() = default;
    // Points taken from where allocator says (a database's arena); a copy keeps its own.
    explicit TrackSegment_t(const TrackPoints_t::allocator_type& allocator) : points(allocator) {}

    // Adds the leg from the last point to p (from p to p when empty) and drops the cached
    // picture.
    void Append(const TrackPoint_t& p);

    TrackPoints_t points;  // room for a full segment is taken at the first point
    TrackStats_t stats;
    gdi::MetaFilePtr_t picture;  // cached drawing, shared between copies
    std::uint32_t segment_value_1 = 0;
    std::uint32_t segment_value_2 = 0;

private:
    // The last point's unit vector and the coordinates it was made from, so the next leg
    // converts only its new point; a last point changed in place is converted afresh.
    geo::UnitVector_t last_unit_{};
    std::int32_t last_latitude_ = 0;
    std::int32_t last_longitude_ = 0;
};

}  // namespace trove
