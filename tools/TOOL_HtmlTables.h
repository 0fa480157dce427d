#pragma once
// The tables of an HTML page: the file itself (format, versions, maps, volume), then its
// waypoints, routes and tracks, each table or a line saying there are none.
#include "tools/TOOL_Export.h"
#include "tools/TOOL_Xml.h"

namespace tool {

void WriteHtmlFileTable(XmlOut_t& xml, const ExportInput_t& input);
void WriteHtmlWaypointTable(XmlOut_t& xml, const trove::Database_t& db);
void WriteHtmlRouteTable(XmlOut_t& xml, const trove::Database_t& db);
void WriteHtmlTrackTable(XmlOut_t& xml, const trove::Database_t& db);

}  // namespace tool
