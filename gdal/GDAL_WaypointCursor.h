#pragma once
// Waypoints by index as GDAL asks for them, mostly in order. A read in order walks the table
// and asks for the nodes a few waypoints ahead, as the tool's writers do, since a big table's
// nodes lie all over the heap; any other read goes through the model's index.
#include <cstddef>
#include <cstdint>

#include "model/MODEL_File.h"

namespace gdal {

class WaypointCursor_t {
public:
    explicit WaypointCursor_t(const model::File_t& file) : file_(file) {}

    // index < the file's count of waypoints.
    model::Waypoint_t At(std::size_t index);

private:
    const model::File_t& file_;
    trove::WaypointTable_t::const_iterator next_;
    trove::WaypointTable_t::const_iterator ahead_;
    std::size_t next_index_ = SIZE_MAX;  // the index next_ stands at; SIZE_MAX before the first
};

}  // namespace gdal
