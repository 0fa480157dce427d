#pragma once
// The walks of File_t (MODEL_File.h), written out here since every writer inlines them.

namespace model {

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

template <class Each>
void File_t::ForEachWaypoint(Each&& each) const {
    using namespace walk_detail;
    const trove::WaypointTable_t& table = db_.waypoints;
    auto node_ahead = table.begin();
    auto texts_ahead = table.begin();
    for (int i = 0; i < kNodesAhead && node_ahead != table.end(); ++i) ++node_ahead;
    for (int i = 0; i < kTextsAhead && texts_ahead != table.end(); ++i) ++texts_ahead;
    for (const auto& entry : table) {
        if (node_ahead != table.end()) PrefetchBytes(&*node_ahead++);
        if (texts_ahead != table.end()) PrefetchTexts((texts_ahead++)->second);
        each(Waypoint_t{entry.first, entry.second});
    }
}

template <class Each>
void File_t::ForEachRoutePoint(std::size_t route, const Route_t& r, Each&& each) const {
    std::size_t number = 0;
    for (const trove::RouteWaypoint_t& point : r.body.route_points)
        each(RoutePoint_t{r.id, route, number++, point, FindWaypoint(point)});
}

template <class Each>
void File_t::ForEachRoutePosition(const Route_t& route, Each&& each) const {
    for (const trove::RouteWaypoint_t& point : route.body.route_points) {
        if (const trove::Waypoint_t* waypoint = FindWaypoint(point)) each(waypoint->position, true);
        for (const geo::Position_t& p : point.link.link_points) each(p, false);
    }
}

template <class Each>
void File_t::ForEachRouteLinePosition(const Route_t& route, Each&& each) const {
    const geo::Position_t* last = nullptr;
    ForEachRoutePosition(route, [&](const geo::Position_t& p, bool) {
        if (last && last->latitude == p.latitude && last->longitude == p.longitude) return;
        each(p);
        last = &p;
    });
}

template <class Each>
void ForEachTrackSegment(const trove::Track_t& track, Each&& each) {
    bool first_segment = true;
    for (const trove::TrackSegment_t& segment : track.segments) {
        each(segment, std::size_t(first_segment || segment.points.empty() ? 0 : 1));
        first_segment = false;
    }
}

template <class Each>
void ForEachTrackPoint(const trove::Track_t& track, Each&& each) {
    ForEachTrackSegment(track, [&](const trove::TrackSegment_t& segment, std::size_t first) {
        for (auto point = segment.points.begin() + first; point != segment.points.end(); ++point)
            each(*point);
    });
}

}  // namespace model
