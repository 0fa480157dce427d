#pragma once
// Big generated files for benchmarks, streamed to disk so that memory stays at one record.
#include <cstdint>
#include <string>

#include "tbk/TBK_Values.h"

namespace tbk {

struct BigFileSpec_t {
    std::uint32_t waypoints = 0;  // named "<word> <number>", unique up to letter case
    std::uint32_t tracks = 0;     // each of track_points timed points
    std::uint32_t track_points = 0;
    int data_version = 105;
};

// The i-th generated waypoint: typical name, texts, symbol, altitude, sometimes a distance.
Waypoint_t TypicalWaypoint(std::uint32_t i);

// Writes header, the waypoints, then the tracks to path; returns the file size in bytes.
// Raises base::Exception_t when the file cannot be written.
std::uint64_t WriteBigFile(const std::string& path, const BigFileSpec_t& shape);

}  // namespace tbk
