#include "model/MODEL_File.h"

#include <algorithm>

#include "base/BASE_Exception.h"

namespace model {

namespace {

// The import's own database: no name and the shortest allowed generated waypoint names.
constexpr std::uint32_t kImportMaxNameLength = 3;

template <class Table>
void IndexTable(const Table& table, std::vector<const typename Table::value_type*>& index) {
    if (!index.empty() || table.empty()) return;
    index.reserve(table.size());
    for (const auto& entry : table) index.push_back(&entry);
}

}  // namespace

std::size_t TrackPointCount(const trove::Track_t& track) {
    std::size_t count = 0;
    ForEachTrackSegment(track, [&](const trove::TrackSegment_t& segment, std::size_t first) {
        count += segment.points.size() - first;
    });
    return count;
}

File_t::File_t(unsigned code_page)
    : code_page_(code_page), code_page_scope_(code_page), db_(trove::Name_t(), kImportMaxNameLength) {}

File_t::~File_t() = default;

const trove::LoadResult_t& File_t::LoadPath(const std::string& path) {
    return Load(&path, nullptr, std::string_view());
}

const trove::LoadResult_t& File_t::LoadBytes(std::string_view bytes) {
    return Load(nullptr, nullptr, bytes);
}

const trove::LoadResult_t& File_t::LoadStream(bin::istream& in) {
    return Load(nullptr, &in, std::string_view());
}

const trove::LoadResult_t& File_t::Load(const std::string* path, bin::istream* in, std::string_view bytes) {
    BASE_ASSERT(CodePageAvailable());
    try {
        result_ = path ? trove::LoadFile(*path, db_, header_, &notes_)
                  : in ? trove::LoadStream(*in, db_, header_, &notes_)
                       : trove::LoadBytes(bytes, db_, header_, &notes_);
    } catch (...) {
        // What was read before the failure is counted all the same.
        Counted();
        throw;
    }
    Counted();
    return result_;
}

void File_t::Counted() {
    route_point_count_ = 0;
    for (const auto& entry : db_.routes) route_point_count_ += entry.second.route_points.size();
    track_point_count_ = 0;
    for (const auto& entry : db_.tracks) track_point_count_ += TrackPointCount(entry.second);
}

std::size_t File_t::Count(LayerId_t layer) const {
    switch (layer) {
        case LayerId_t::Waypoints:
            return db_.waypoints.size();
        case LayerId_t::Routes:
            return db_.routes.size();
        case LayerId_t::RoutePoints:
            return route_point_count_;
        case LayerId_t::Tracks:
            return db_.tracks.size();
        case LayerId_t::TrackPoints:
            return track_point_count_;
    }
    BASE_ASSERT(false);
    return 0;
}

const trove::Waypoint_t* File_t::FindWaypoint(const trove::RouteWaypoint_t& point) const {
    const auto found = db_.waypoints.find(point.waypoint);
    return found == db_.waypoints.end() ? nullptr : &found->second;
}

void File_t::IndexWaypoints() const {
    IndexTable(db_.waypoints, waypoint_index_);
}

void File_t::IndexRoutePoints() const {
    IndexTable(db_.routes, route_index_);
    if (!route_point_index_.empty() || route_point_count_ == 0) return;
    route_point_index_.reserve(route_point_count_);
    for (std::size_t route = 0; route < route_index_.size(); ++route) {
        std::size_t number = 0;
        for (const trove::RouteWaypoint_t& point : route_index_[route]->second.route_points)
            route_point_index_.push_back(RoutePointAt_t{route, number++, &point});
    }
}

void File_t::IndexTrackPoints() const {
    IndexTable(db_.tracks, track_index_);
    if (!track_first_.empty() || db_.tracks.empty()) return;
    std::size_t first = 0;
    for (const auto* entry : track_index_) {
        track_first_.push_back(first);
        std::vector<SegmentAt_t>& segments = track_segments_.emplace_back();
        std::size_t number = 0;
        ForEachTrackSegment(entry->second, [&](const trove::TrackSegment_t& segment, std::size_t skip) {
            if (segment.points.size() <= skip) return;
            segments.push_back(SegmentAt_t{number, skip, &segment});
            number += segment.points.size() - skip;
        });
        first += number;
    }
}

Waypoint_t File_t::WaypointAt(std::size_t index) const {
    BASE_ASSERT(index < Count(LayerId_t::Waypoints));
    IndexWaypoints();
    return Waypoint_t{waypoint_index_[index]->first, waypoint_index_[index]->second};
}

Route_t File_t::RouteAt(std::size_t index) const {
    BASE_ASSERT(index < Count(LayerId_t::Routes));
    IndexTable(db_.routes, route_index_);
    return Route_t{route_index_[index]->first, route_index_[index]->second};
}

RoutePoint_t File_t::RoutePointAt(std::size_t index) const {
    BASE_ASSERT(index < Count(LayerId_t::RoutePoints));
    IndexRoutePoints();
    const RoutePointAt_t& at = route_point_index_[index];
    return RoutePoint_t{route_index_[at.route]->first, at.route, at.number, *at.point,
                        FindWaypoint(*at.point)};
}

Track_t File_t::TrackAt(std::size_t index) const {
    BASE_ASSERT(index < Count(LayerId_t::Tracks));
    IndexTable(db_.tracks, track_index_);
    return Track_t{track_index_[index]->first, track_index_[index]->second};
}

TrackPoint_t File_t::TrackPointAt(std::size_t index) const {
    BASE_ASSERT(index < Count(LayerId_t::TrackPoints));
    IndexTrackPoints();
    // The last track whose first point is at or before index, then its segment likewise.
    const std::size_t track =
        static_cast<std::size_t>(std::upper_bound(track_first_.begin(), track_first_.end(), index) -
                                 track_first_.begin()) -
        1;
    const std::size_t number = index - track_first_[track];
    const std::vector<SegmentAt_t>& segments = track_segments_[track];
    const auto segment = std::upper_bound(segments.begin(), segments.end(), number,
                                          [](std::size_t n, const SegmentAt_t& s) { return n < s.first; }) -
                         1;
    const trove::TrackPoint_t& point = segment->segment->points[segment->skip + (number - segment->first)];
    return TrackPoint_t{track_index_[track]->first, track, number, point};
}

Value_t File_t::Value(LayerId_t layer, std::size_t index, std::size_t field) const {
    BASE_ASSERT(field < SchemaOf(layer).Size());
    switch (layer) {
        case LayerId_t::Waypoints:
            return ValueOf(WaypointAt(index), field);
        case LayerId_t::Routes:
            return ValueOf(RouteAt(index), field);
        case LayerId_t::RoutePoints:
            return ValueOf(RoutePointAt(index), field);
        case LayerId_t::Tracks:
            return ValueOf(TrackAt(index), field);
        case LayerId_t::TrackPoints:
            return ValueOf(TrackPointAt(index), field);
    }
    BASE_ASSERT(false);
    return Value_t::Absent();
}

void File_t::Geometry(LayerId_t layer, std::size_t index, GeometrySink_t& sink) const {
    switch (layer) {
        case LayerId_t::Waypoints:
            sink.Point(MakePoint(WaypointAt(index).body.position));
            break;
        case LayerId_t::Routes:
            ForEachRouteLinePosition(RouteAt(index),
                                     [&](const geo::Position_t& p) { sink.Point(MakePoint(p)); });
            break;
        case LayerId_t::RoutePoints: {
            const RoutePoint_t point = RoutePointAt(index);
            if (!point.waypoint) return;
            sink.Point(MakePoint(point.waypoint->position));
            break;
        }
        case LayerId_t::Tracks:
            ForEachTrackPoint(TrackAt(index).body, [&](const trove::TrackPoint_t& p) {
                sink.Point(MakePoint(p.position, p.time));
            });
            break;
        case LayerId_t::TrackPoints: {
            const trove::TrackPoint_t& p = TrackPointAt(index).point;
            sink.Point(MakePoint(p.position, p.time));
            break;
        }
    }
    sink.EndPart();
}

}  // namespace model
