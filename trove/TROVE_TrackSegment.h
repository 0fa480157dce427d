#pragma once
// Up to 100 consecutive points of a track with their statistics.
#include <cstddef>
#include <cstdint>
#include <list>

#include "gdi/GDI_MetaFile.h"
#include "trove/TROVE_TrackPoint.h"
#include "trove/TROVE_TrackStats.h"

namespace trove {

constexpr std::size_t kTrackSegmentPoints = 100;

struct TrackSegment_t {
    // Adds the leg from the last point to p (from p to p when empty) and drops the cached
    // picture.
    void Append(const TrackPoint_t& p);

    std::list<TrackPoint_t> points;
    TrackStats_t stats;
    gdi::MetaFilePtr_t picture;  // cached drawing, shared between copies
    std::uint32_t segment_value_1 = 0;
    std::uint32_t segment_value_2 = 0;
};

}  // namespace trove
