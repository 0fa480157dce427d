#pragma once
// The elevation profiles of an HTML page: for each track whose points carry altitudes, the
// altitude over the distance along the track, lowest and highest point marked, and the times
// of its first and last point when it has them.
#include "tools/formats/TOOL_Xml.h"
#include "trove/TROVE_Database.h"

namespace tool {

// Writes one profile per such track (a line saying so when there is none).
void WriteHtmlProfiles(XmlOut_t& xml, const trove::Database_t& db);

}  // namespace tool
