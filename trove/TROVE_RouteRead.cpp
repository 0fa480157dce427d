#include "trove/TROVE_RouteRead.h"

#include <list>

#include "trove/TROVE_BoxIo.h"
#include "trove/bin/BIN_StreamDecode.h"

namespace trove {

void ReadRouteBody(bin::istream& in, Route_t& target, std::uint16_t data_version) {
    bin::DecodeStream(in, [&](bin::SpanReader_t& bytes) { ReadRouteBody(bytes, target, data_version); });
}

void ReadRouteBody(bin::SpanReader_t& in, Route_t& target, std::uint16_t data_version) {
    geo::Box_t bounds;
    std::uint32_t count = 0;
    ReadBox(in, bounds);
    in.Read(count);
    if (in.fail()) return;
    std::list<RouteWaypoint_t> points;
    for (std::uint32_t i = 0; i < count; ++i) {
        points.emplace_back();
        points.back().Read(in, data_version);
        if (in.fail()) return;
    }
    // The route's own lists move in; nothing of the read is copied.
    target = Route_t();
    target.bounds = bounds;
    target.route_points.swap(points);
}

}  // namespace trove
