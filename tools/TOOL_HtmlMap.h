#pragma once
// The map of an HTML page: every waypoint, route and track of the file drawn as inline SVG in
// Web Mercator, north up, fitted to the data, with a graticule, a scale bar and a legend.
#include "tools/TOOL_Xml.h"
#include "trove/TROVE_Database.h"

namespace tool {

// Writes the map and its legend; texts are read in code_page (the labels' widths need them as
// characters). A file without positions gives a line that says so instead.
void WriteHtmlMap(XmlOut_t& xml, const trove::Database_t& db, unsigned code_page);

}  // namespace tool
