#pragma once
// The route body as an R record holds it after the route key.
#include <cstdint>

#include "trove/TROVE_Route.h"
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_SpanReader.h"

namespace trove {

// The bounds, a count and that many route points (waypoint key and link in the layouts of
// data_version). At the first failure the stream is left failed and target unchanged;
// otherwise target becomes a fresh route with the points and bounds read. The count is only
// trusted as far as the bytes go.
void ReadRouteBody(bin::istream& in, Route_t& target, std::uint16_t data_version);
void ReadRouteBody(bin::SpanReader_t& in, Route_t& target, std::uint16_t data_version);

}  // namespace trove
