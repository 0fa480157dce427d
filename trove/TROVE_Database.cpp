#include "trove/TROVE_Database.h"

#include <stdexcept>
#include <utility>

#include "base/BASE_Exception.h"
#include "trove/TROVE_MapActions.h"
#include "trove/TROVE_RouteActions.h"
#include "trove/TROVE_TrackActions.h"
#include "trove/TROVE_TransactionActions.h"
#include "trove/TROVE_WaypointActions.h"
#include "trove/jnl/JNL_Journal.h"

namespace trove {

namespace {

template <class Key>
bool SameKey(const Key& a, const Key& b) {
    return !(a < b) && !(b < a);
}

// The first byte of a waypoint block that no route may start at.
bool IsRouteStartBlocked(const WaypointId_t& id) {
    return !id.id_block.empty() && (id.id_block.front() == 31 || id.id_block.front() == 33);
}

}  // namespace

Database_t::Database_t(const trove::Name_t& name, std::uint32_t max_name_length)
    : waypoints(WaypointTable_t::allocator_type(&arena_)),
      routes(RouteTable_t::allocator_type(&arena_)),
      tracks(TrackTable_t::allocator_type(&arena_)),
      volumes(1),
      name_(name),
      max_name_length_(max_name_length) {
    BASE_ASSERT(max_name_length >= kMinNameLength);
}

Database_t::~Database_t() = default;

// --- waypoints

WaypointTable_t::iterator Database_t::InsertWaypoint(const WaypointId_t& id, const Waypoint_t& waypoint) {
    return InsertWaypoint(id, Waypoint_t(waypoint));
}

WaypointTable_t::iterator Database_t::InsertWaypoint(const WaypointId_t& id, Waypoint_t&& waypoint) {
    if (waypoints.Holds(id)) throw KeyExists_t(id, "TROVE_Database", 2206);
    MarkChanged(kWaypointKind);
    if (jnl::Journal_t* journal = Journal()) journal->Append(WptInsert_t(this, id));
    auto inserted = waypoints.emplace(id, std::move(waypoint));
    BASE_ASSERT(inserted.second);
    broadcaster.NotifyWaypointInserted(inserted.first->first, inserted.first->second);
    return inserted.first;
}

bool Database_t::RouteNamesWaypoint(const WaypointId_t& id) const {
    for (const auto& route : routes) {
        for (const RouteWaypoint_t& point : route.second.route_points) {
            if (SameKey(point.waypoint, id)) return true;
        }
    }
    return false;
}

std::size_t Database_t::EraseWaypoint(const WaypointId_t& id) {
    if (RouteNamesWaypoint(id)) return 0;
    return EraseUnnamedWaypoint(id);
}

std::size_t Database_t::EraseUnnamedWaypoint(const WaypointId_t& id) {
    auto entry = waypoints.find(id);
    if (entry == waypoints.end()) return 0;
    MarkChanged(kWaypointKind);
    // The stored key, not the caller's: an undo must bring back the very key erased.
    if (jnl::Journal_t* journal = Journal()) journal->Append(WptErase_t(this, entry->first, entry->second));
    // Held until the end: id may be the table's own key.
    auto node = waypoints.extract(entry);
    broadcaster.NotifyWaypointErased(id);
    return 1;
}

// --- routes

void Database_t::ValidateRoute(const RouteId_t& id, const Route_t& route) const {
    if (routes.Holds(id)) throw KeyExists_t(id, "TROVE_Database", 1715);
    if (route.route_points.empty() || IsRouteStartBlocked(route.route_points.front().waypoint)) {
        throw InvalidRoute_t(id, "TROVE_Database", 1722);
    }
    for (const RouteWaypoint_t& point : route.route_points) {
        if (!waypoints.Holds(point.waypoint)) throw KeyNotFound_t(point.waypoint, "TROVE_Database", 1730);
    }
}

RouteTable_t::iterator Database_t::InsertRoute(const RouteId_t& id, const Route_t& route) {
    return InsertRoute(id, Route_t(route));
}

RouteTable_t::iterator Database_t::InsertRoute(const RouteId_t& given_id, Route_t&& route) {
    RouteId_t id = given_id.generated_name != 0 ? DefaultRouteName(route) : given_id;
    ValidateRoute(id, route);
    MarkChanged(kRouteKind);
    auto inserted = routes.emplace(std::move(id), std::move(route));
    BASE_ASSERT(inserted.second);
    if (jnl::Journal_t* journal = Journal()) journal->Append(RteInsert_t(this, inserted.first->first));
    broadcaster.NotifyRouteInserted(inserted.first->first, inserted.first->second);
    return inserted.first;
}

std::size_t Database_t::EraseRoute(const RouteId_t& id) {
    auto entry = routes.find(id);
    if (entry == routes.end()) return 0;
    std::vector<WaypointId_t> own;  // in route order: the order they are erased in
    for (const RouteWaypoint_t& point : entry->second.route_points) {
        if (point.waypoint.id_class != 0) own.push_back(point.waypoint);
    }
    MarkChanged(kRouteKind);
    if (jnl::Journal_t* journal = Journal()) journal->Append(RteErase_t(this, entry->first, entry->second));
    auto node = routes.extract(entry);
    DropDanglingRoute0();
    broadcaster.NotifyRouteErased(id);
    if (own.empty()) return 1;
    // One pass over the other routes for all of them, rather than one per waypoint.
    std::set<WaypointId_t> unnamed(own.begin(), own.end());
    for (const auto& other : routes) {
        for (const RouteWaypoint_t& point : other.second.route_points) unnamed.erase(point.waypoint);
    }
    for (const WaypointId_t& waypoint : own) {
        if (unnamed.count(waypoint) != 0) EraseUnnamedWaypoint(waypoint);
    }
    return 1;
}

// --- tracks

TrackTable_t::iterator Database_t::InsertTrack(const TrackId_t& id, const Track_t& track) {
    return InsertTrack(id, Track_t(track));
}

TrackTable_t::iterator Database_t::InsertTrack(const TrackId_t& id, Track_t&& track) {
    if (tracks.Holds(id)) throw KeyExists_t(id, "TROVE_Database", 1572);
    MarkChanged(kTrackKind);
    if (jnl::Journal_t* journal = Journal()) journal->Append(TrkInsert_t(this, id));
    auto inserted = tracks.emplace(id, std::move(track));
    BASE_ASSERT(inserted.second);
    broadcaster.NotifyTrackInserted(inserted.first->first, inserted.first->second);
    return inserted.first;
}

std::size_t Database_t::EraseTrack(const TrackId_t& id) {
    auto entry = tracks.find(id);
    if (entry == tracks.end()) return 0;
    MarkChanged(kTrackKind);
    if (jnl::Journal_t* journal = Journal()) journal->Append(TrkErase_t(this, entry->first, entry->second));
    if (current_track_ && SameKey(*current_track_, entry->first)) current_track_.reset();
    auto node = tracks.extract(entry);
    broadcaster.NotifyTrackErased(id);
    return 1;
}

void Database_t::SetCurrentTrack(const TrackId_t& id) {
    current_track_ = std::make_unique<TrackId_t>(id);
}

// --- maps and the volume

MapSet_t::iterator Database_t::InsertMap(const Map_t& map) {
    if (maps.count(map) != 0) throw KeyExists_t(map, "TROVE_Database", 1776);
    MarkChanged(kMapKind);
    if (jnl::Journal_t* journal = Journal()) journal->Append(MapInsert_t(this, map));
    auto inserted = maps.insert(map);
    BASE_ASSERT(inserted.second);
    RefreshVolume();
    broadcaster.NotifyMapInserted(*inserted.first);
    return inserted.first;
}

std::size_t Database_t::EraseMap(const Map_t& map) {
    auto entry = maps.find(map);
    if (entry == maps.end()) return 0;
    MarkChanged(kMapKind);
    if (jnl::Journal_t* journal = Journal()) journal->Append(MapErase_t(this, *entry));
    auto node = maps.extract(entry);
    RefreshVolume();
    broadcaster.NotifyMapErased(map);
    return 1;
}

void Database_t::RefreshVolume() {
    SetVolume(Volume());
}

const Volume_t& Database_t::SetVolume(const Volume_t& volume) {
    const Volume_t before = Volume();
    Volume_t& current = Volume();
    current = volume;
    if (current.IsAutomatic()) current.volume_text = VolumeText(maps);
    if (current != before) {
        MarkChanged(kVolumeKind);
        if (jnl::Journal_t* journal = Journal()) journal->Append(VolUpdate_t(this, before));
        broadcaster.NotifyVolumeChanged(current);
    }
    return current;
}

// --- the route-0 entry

void Database_t::SetRoute0(const Route0Entry_t& entry) {
    if (!route0.empty()) throw KeyExists_t(route0.front().route, "TROVE_Database", 740);
    if (!routes.Holds(entry.route)) throw KeyNotFound_t(entry.route, "TROVE_Database", 745);
    MarkChanged(kRoute0Kind);
    if (jnl::Journal_t* journal = Journal()) journal->Append(Rt0Insert_t(this));
    route0.push_back(entry);
    broadcaster.NotifyRoute0Set(route0.front());
}

void Database_t::ClearRoute0() {
    if (route0.empty()) return;
    MarkChanged(kRoute0Kind);
    if (jnl::Journal_t* journal = Journal()) journal->Append(Rt0Erase_t(this, route0.front()));
    route0.clear();
    broadcaster.NotifyRoute0Erased();
}

void Database_t::DropDanglingRoute0() {
    if (route0.empty() || routes.Holds(route0.front().route)) return;
    MarkChanged(kRoute0Kind);
    route0.clear();
    broadcaster.NotifyRoute0Dropped();
}

// --- change sets

void Database_t::MarkChanged(std::size_t kind) {
    if (kind >= kChangeKindCount) throw std::out_of_range("trove::Database_t::MarkChanged: no such kind");
    if (changed.none()) {
        broadcaster.NotifyChangesBegin();
        if (jnl::Journal_t* journal = Journal()) journal->Append(StartTransaction_t(this));
    }
    changed.set(kind);
}

void Database_t::EndChanges() {
    if (changed.none()) return;
    broadcaster.NotifyChangesEnd(changed);
    jnl::Journal_t* journal = Journal();
    if (journal != nullptr && !journal->Empty() && !journal->Last().IsTransactionComplete()) {
        journal->Append(TransactionComplete_t());
    }
    changed.reset();
}

}  // namespace trove
