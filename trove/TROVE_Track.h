#pragma once
// A recorded path: points in segments of at most 100, consecutive segments sharing their
// boundary point, with whole-track statistics kept current as points are appended, so that
// appending takes constant time.
#include <cstdint>
#include <list>

#include "base/BASE_Arena.h"
#include "base/BASE_ArenaAllocator.h"
#include "base/BASE_AutoPtr.h"
#include "geo/GEO_Position.h"
#include "map/MAP_ScrnRect.h"
#include "trove/TROVE_Drawing.h"
#include "trove/TROVE_TrackFilter.h"
#include "trove/TROVE_TrackPoint.h"
#include "trove/TROVE_TrackSegment.h"
#include "trove/TROVE_TrackStats.h"

namespace trove {

class Track_t {
public:
    using Segments_t = std::list<TrackSegment_t, base::ArenaAllocator_t<TrackSegment_t>>;

    // Owns a new NullFilter_t.
    Track_t();
    // The same, with segments and points taken from arena (a database's, for a track read into
    // its table); copies of the track keep theirs on the heap.
    explicit Track_t(base::Arena_t* arena);
    // Deep copies; the filter is cloned. A track without a filter cannot be copied
    // (base::Assert_t from the owning pointer).
    Track_t(const Track_t& other);
    Track_t& operator=(const Track_t& other);
    // Moving hands over the points without copying them (tables take tracks by move);
    // the moved-from track has no filter.
    Track_t(Track_t&& other) noexcept = default;
    Track_t& operator=(Track_t&& other) noexcept = default;
    ~Track_t() = default;

    // Returns the new point count.
    std::int32_t AppendPoint(const TrackPoint_t& point);

    std::uint8_t track_byte = 1;
    std::int32_t track_enum = 0;  // 0 to 16, checked by the reader
    Segments_t segments;
    // All segments combined, except count, which stays 0 here.
    TrackStats_t stats;
    base::AutoPtr_t<TrackFilterIntf_t> filter;
    std::int32_t point_count = 0;
    double scale = kDefaultDrawingScale;
    geo::Position_t anchor;
    map::ScrnRect_t screen_rect;
};

}  // namespace trove
