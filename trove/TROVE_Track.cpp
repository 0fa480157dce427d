#include "trove/TROVE_Track.h"

#include <algorithm>

namespace trove {

Track_t::Track_t() : filter(std::make_unique<NullFilter_t>()) {}

Track_t::Track_t(base::Arena_t* arena)
    : segments(Segments_t::allocator_type(arena)), filter(std::make_unique<NullFilter_t>()) {}

Track_t::Track_t(const Track_t& other)
    : track_byte(other.track_byte),
      track_enum(other.track_enum),
      segments(other.segments),
      stats(other.stats),
      filter(other.filter->Clone()),
      point_count(other.point_count),
      scale(other.scale),
      anchor(other.anchor),
      screen_rect(other.screen_rect) {}

Track_t& Track_t::operator=(const Track_t& other) {
    // Clone first: a failure leaves this track as it was.
    base::AutoPtr_t<TrackFilterIntf_t> cloned(other.filter->Clone());
    if (this != &other) {
        track_byte = other.track_byte;
        track_enum = other.track_enum;
        segments = other.segments;
        stats = other.stats;
        point_count = other.point_count;
        scale = other.scale;
        anchor = other.anchor;
        screen_rect = other.screen_rect;
    }
    filter = std::move(cloned);
    return *this;
}

std::int32_t Track_t::AppendPoint(const TrackPoint_t& point) {
    if (!segments.empty()) {
        TrackSegment_t& last = segments.back();
        if (last.points.size() >= kTrackSegmentPoints) {
            // A full segment keeps its share of the totals; the new one starts at its last point.
            const TrackPoint_t boundary = last.points.back();
            segments.emplace_back(segments.get_allocator()).Append(boundary);
        } else {
            // The growing segment's share is taken out and put back in below.
            stats.distance -= last.stats.distance;
            stats.area_sum -= last.stats.area_sum;
            if (last.stats.duration.Has() && stats.duration.Has()) *stats.duration -= *last.stats.duration;
        }
    }
    if (segments.empty()) {
        segments.emplace_back(segments.get_allocator());
        stats.first = point;
    }

    TrackSegment_t& current = segments.back();
    current.Append(point);

    const TrackStats_t& share = current.stats;
    stats.distance += share.distance;
    stats.box.Extend(share.box);
    if (share.duration.Has())
        stats.duration = stats.duration.Has() ? *stats.duration + *share.duration : *share.duration;
    stats.area_sum += share.area_sum;
    stats.min_latitude = std::min(stats.min_latitude, share.min_latitude);
    stats.max_latitude = std::max(stats.max_latitude, share.max_latitude);
    stats.last = point;
    return ++point_count;
}

}  // namespace trove
