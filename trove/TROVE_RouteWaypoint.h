#pragma once
// One point of a route: the key of the waypoint it names and the link towards the next point.
#include <cstdint>

#include "trove/TROVE_RouteLink.h"
#include "trove/TROVE_WaypointId.h"
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_OStream.h"
#include "trove/bin/BIN_SpanReader.h"

namespace trove {

struct RouteWaypoint_t {
    // The key (layout of data version 103 and higher), then the link.
    void Write(bin::ostream& out) const;
    // In the layout of the data version of the last header read (trove::TheDocInfo()).
    void Read(bin::istream& in);
    // Replaces this point only when key and link were both read.
    void Read(bin::istream& in, std::uint16_t data_version);
    void Read(bin::SpanReader_t& in, std::uint16_t data_version);

    WaypointId_t waypoint;
    RouteLink_t link;
};

}  // namespace trove
