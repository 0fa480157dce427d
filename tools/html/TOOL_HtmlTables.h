#pragma once
// The tables of an HTML page: the file itself (format, versions, maps, volume), then its
// waypoints, routes and tracks, each table or a line saying there are none.
#include "model/MODEL_File.h"
#include "tools/formats/TOOL_Xml.h"

namespace tool {

void WriteHtmlFileTable(XmlOut_t& xml, const model::File_t& file);
void WriteHtmlWaypointTable(XmlOut_t& xml, const model::File_t& file);
void WriteHtmlRouteTable(XmlOut_t& xml, const model::File_t& file);
void WriteHtmlTrackTable(XmlOut_t& xml, const model::File_t& file);

}  // namespace tool
