#pragma once
// A route: route points in travel order and the route's bounding box. It names waypoints by
// key and does not own them. Copies are deep, except the shared picture of the drawing state.
#include <list>

#include "geo/GEO_Box.h"
#include "trove/TROVE_Drawing.h"
#include "trove/TROVE_RouteWaypoint.h"

namespace trove {

class Route_t : public Drawing_t {
public:
    Route_t() = default;
    Route_t(const Route_t&) = default;
    Route_t& operator=(const Route_t&) = default;
    ~Route_t() = default;

#ifdef _WIN32
    // Every link as a thin line inside a wide band (yellow when highlighted, else magenta) on
    // an opaque white background; the device context's pen, background mode and colour are
    // put back afterwards.
    void Draw(HDC dc, const map::Projector_t& projector, bool highlighted) const override;
#endif

    std::list<RouteWaypoint_t> route_points;
    geo::Box_t bounds;
};

}  // namespace trove
