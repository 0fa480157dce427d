#include "trove/TROVE_RouteWaypoint.h"

#include "trove/TROVE_DocInfo.h"
#include "trove/bin/BIN_StreamDecode.h"

namespace trove {

void RouteWaypoint_t::Write(bin::ostream& out) const {
    waypoint.Write(out);
    link.Write(out);
}

void RouteWaypoint_t::Read(bin::istream& in) {
    Read(in, TheDocInfo().data_version);
}

void RouteWaypoint_t::Read(bin::istream& in, std::uint16_t data_version) {
    bin::DecodeStream(in, [&](bin::SpanReader_t& bytes) { Read(bytes, data_version); });
}

void RouteWaypoint_t::Read(bin::SpanReader_t& in, std::uint16_t data_version) {
    RouteWaypoint_t point;
    point.waypoint.Read(in, data_version, nullptr);
    point.link.Read(in, data_version);
    if (!in.fail()) *this = point;
}

}  // namespace trove
