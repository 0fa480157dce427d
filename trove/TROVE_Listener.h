#pragma once
// A party told about every change of a database, through its broadcaster. Every notification
// does nothing unless overridden. The numbered slots carry no meaning in this system: slots 3
// and 7 are only reached through the broadcaster's own deliveries, the others never.
#include <cstdint>

#include "trove/TROVE_ChangeKind.h"

namespace trove {

class Map_t;
class Route_t;
class RouteId_t;
class Track_t;
class TrackId_t;
class Waypoint_t;
class WaypointId_t;
struct Route0Entry_t;
struct Volume_t;

class Listener_t {
public:
    virtual ~Listener_t() = default;

    virtual void OnMapInserted(const Map_t& /*map*/) {}
    virtual void OnMapErased(const Map_t& /*map*/) {}
    virtual void OnSlot3() {}
    // The route erased last took the route-0 entry's route with it.
    virtual void OnRoute0Dropped() {}
    virtual void OnRoute0Erased() {}
    virtual void OnRoute0Set(const Route0Entry_t& /*entry*/) {}
    virtual void OnSlot7(std::uint32_t /*value*/) {}
    virtual void OnSlot8() {}
    virtual void OnSlot9() {}
    virtual void OnRouteErased(const RouteId_t& /*id*/) {}
    virtual void OnRouteInserted(const RouteId_t& /*id*/, const Route_t& /*route*/) {}
    virtual void OnSlot12() {}
    virtual void OnSlot13() {}
    virtual void OnSlot14() {}
    virtual void OnSlot15() {}
    virtual void OnTrackErased(const TrackId_t& /*id*/) {}
    virtual void OnTrackInserted(const TrackId_t& /*id*/, const Track_t& /*track*/) {}
    virtual void OnSlot18() {}
    virtual void OnSlot19() {}
    virtual void OnSlot20() {}
    virtual void OnSlot21() {}
    virtual void OnWaypointErased(const WaypointId_t& /*id*/) {}
    virtual void OnWaypointInserted(const WaypointId_t& /*id*/, const Waypoint_t& /*waypoint*/) {}
    virtual void OnSlot24() {}
    virtual void OnSlot25() {}
    virtual void OnVolumeChanged(const Volume_t& /*volume*/) {}
    virtual void OnChangesBegin() {}
    virtual void OnChangesEnd(const ChangedKinds_t& /*kinds*/) {}

protected:
    Listener_t() = default;
    Listener_t(const Listener_t&) = default;
    Listener_t& operator=(const Listener_t&) = default;
};

}  // namespace trove
