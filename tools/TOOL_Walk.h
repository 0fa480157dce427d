#pragma once
// How every export walks a loaded database: waypoints in table order, the path of a route as
// drawn, the points of a track once each.
#include <cstddef>

#include "base/BASE_Exception.h"
#include "geo/GEO_Position.h"
#include "trove/TROVE_Database.h"

namespace tool {

namespace walk_detail {

constexpr int kNodesAhead = 6;
constexpr int kTextsAhead = 3;

inline void Prefetch(const void* p) {
#if defined(__GNUC__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}

template <class T>
void PrefetchBytes(const T* object) {
    const char* bytes = reinterpret_cast<const char*>(object);
    for (std::size_t at = 0; at < sizeof(T); at += 64) Prefetch(bytes + at);
}

inline void PrefetchTexts(const trove::Waypoint_t& w) {
    Prefetch(w.text_1.data());
    Prefetch(w.text_2.data());
    Prefetch(w.text_3.data());
    Prefetch(w.text_4.data());
    Prefetch(w.text_5.data());
    Prefetch(w.text_6.data());
    Prefetch(w.text_7.data());
}

}  // namespace walk_detail

// each(id, waypoint) for every waypoint in table order. The nodes of a big table lie all over
// the heap: each is fetched a few waypoints before it is written, its texts a little later, so
// the writing seldom waits for memory.
template <class Each>
void ForEachWaypoint(const trove::Database_t& db, Each&& each) {
    using namespace walk_detail;
    auto node_ahead = db.waypoints.begin();
    auto texts_ahead = db.waypoints.begin();
    for (int i = 0; i < kNodesAhead && node_ahead != db.waypoints.end(); ++i) ++node_ahead;
    for (int i = 0; i < kTextsAhead && texts_ahead != db.waypoints.end(); ++i) ++texts_ahead;
    for (const auto& entry : db.waypoints) {
        if (node_ahead != db.waypoints.end()) PrefetchBytes(&*node_ahead++);
        if (texts_ahead != db.waypoints.end()) PrefetchTexts((texts_ahead++)->second);
        each(entry.first, entry.second);
    }
}

// The waypoint a route point names, as its table entry.
inline const auto& RouteWaypoint(const trove::Database_t& db, const trove::RouteWaypoint_t& point) {
    // The database files a route only when every waypoint it names is there.
    const auto found = db.waypoints.find(point.waypoint);
    BASE_ASSERT(found != db.waypoints.end());
    return *found;
}

// each(position) along the route as drawn: each route point's waypoint, then the link points
// stored on the way to the next. A point where the one before it lies is left out.
template <class Each>
void ForEachRoutePosition(const trove::Database_t& db, const trove::Route_t& route, Each&& each) {
    const geo::Position_t* last = nullptr;
    auto step = [&](const geo::Position_t& p) {
        if (last && last->latitude == p.latitude && last->longitude == p.longitude) return;
        each(p);
        last = &p;
    };
    for (const trove::RouteWaypoint_t& point : route.route_points) {
        step(RouteWaypoint(db, point).second.position);
        for (const geo::Position_t& p : point.link.link_points) step(p);
    }
}

// each(point) for every point of the track once: every later segment opens with a copy of the
// previous one's last point.
template <class Each>
void ForEachTrackPoint(const trove::Track_t& track, Each&& each) {
    bool first_segment = true;
    for (const trove::TrackSegment_t& segment : track.segments) {
        auto point = segment.points.begin();
        if (!first_segment && point != segment.points.end()) ++point;
        first_segment = false;
        for (; point != segment.points.end(); ++point) each(*point);
    }
}

}  // namespace tool
