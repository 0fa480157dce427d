#pragma once
// The features of the layers, as views of the loaded database: nothing is copied, and a view
// stays valid while its file is loaded.
#include <cstddef>

#include "trove/TROVE_Route.h"
#include "trove/TROVE_RouteId.h"
#include "trove/TROVE_Track.h"
#include "trove/TROVE_TrackId.h"
#include "trove/TROVE_Waypoint.h"
#include "trove/TROVE_WaypointId.h"

namespace model {

struct Waypoint_t {
    const trove::WaypointId_t& id;
    const trove::Waypoint_t& body;
};

struct Route_t {
    const trove::RouteId_t& id;
    const trove::Route_t& body;
};

// One point of a route with the link stored after it (towards the next point).
struct RoutePoint_t {
    const trove::RouteId_t& route_id;
    std::size_t route;   // the route's index in the routes layer
    std::size_t number;  // 0 for the route's first point
    const trove::RouteWaypoint_t& point;
    // The waypoint the point names; null when the file lacks it (the point then has no
    // position, and the route's line leaves it out).
    const trove::Waypoint_t* waypoint;
};

struct Track_t {
    const trove::TrackId_t& id;
    const trove::Track_t& body;
};

// One point of a track, counted once: a later segment's copy of the point before it is no
// point of its own.
struct TrackPoint_t {
    const trove::TrackId_t& track_id;
    std::size_t track;   // the track's index in the tracks layer
    std::size_t number;  // 0 for the track's first point
    const trove::TrackPoint_t& point;
};

}  // namespace model
