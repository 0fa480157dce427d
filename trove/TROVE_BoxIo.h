#pragma once
// The box encoding of the data file: one byte, non-zero for an empty box; after a zero byte the
// first corner (north, east, max altitude) and the second corner (south, west, min altitude)
// as positions, from which the box is built and normalised.
#include "geo/GEO_Box.h"
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_OStream.h"
#include "trove/bin/BIN_SpanReader.h"

namespace trove {

// Leaves box unchanged when the stream fails.
void ReadBox(bin::istream& in, geo::Box_t& box);
void ReadBox(bin::SpanReader_t& in, geo::Box_t& box);
void WriteBox(bin::ostream& out, const geo::Box_t& box);

}  // namespace trove
