#pragma once
// The waypoint body as a W record holds it after the key.
#include <cstdint>

#include "base/BASE_Arena.h"
#include "trove/TROVE_Waypoint.h"
#include "trove/bin/BIN_IStream.h"
#include "trove/bin/BIN_SpanReader.h"

namespace trove {

// Reads every field into a default body; target takes it only when the stream has not failed.
// enum_a (0 to 2), enum_b (0 to 16) and symbol (0 to 139) out of range fail the stream;
// number_1 and text_7 exist from data version 102 on. A latitude beyond the poles raises
// base::OutOfRange_t.
void ReadWaypointBody(bin::istream& in, Waypoint_t& target, std::uint16_t data_version);
void ReadWaypointBody(bin::SpanReader_t& in, Waypoint_t& target, std::uint16_t data_version);

// The same, read straight into body: for a default body that is dropped when the stream fails,
// as a file's reader does with the record it is filling. With an arena, the texts are made in it.
void ReadWaypointBodyInPlace(bin::istream& in, Waypoint_t& body, std::uint16_t data_version,
                             base::Arena_t* arena = nullptr);
void ReadWaypointBodyInPlace(bin::SpanReader_t& in, Waypoint_t& body, std::uint16_t data_version,
                             base::Arena_t* arena = nullptr);

}  // namespace trove
