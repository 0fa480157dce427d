#pragma once
// The order of the record reader's pending waypoints and rename list: the full waypoint order
// (name, id_class, id_text, id_number_1, id_number_2, id_block, id_short, id_number_3), made
// total for names that are not valid multibyte text. Such names are the reason a waypoint
// waits in the pending list, and comparing them by the name order alone would raise; they
// are ordered by their valid prefix first and then by the bytes after it, so that valid names
// keep exactly the full waypoint order.
#include "trove/TROVE_WaypointId.h"

namespace trove {

struct PendingOrder_t {
    bool operator()(const WaypointId_t& a, const WaypointId_t& b) const;
};

// True when the whole text is made of valid multibyte characters of the current code page.
bool IsValidMultibyte(const std::string& text);

}  // namespace trove
