#pragma once
// The waypoints of a file too big for a marker element each, as data for the page's script:
// one JSON data block ({"unit": u, "xy": base64 of a 24-bit x then y per waypoint, in u-ths of
// a pixel of the map, "names": [...]}), in the order of the table's rows. '<' is escaped, so no
// name ends the block.
#include "tools/formats/TOOL_Xml.h"
#include "tools/html/TOOL_Mercator.h"
#include "trove/TROVE_Database.h"

namespace tool {

void WriteWaypointData(XmlOut_t& xml, const trove::Database_t& db, unsigned code_page, const Mercator_t& m);

}  // namespace tool
