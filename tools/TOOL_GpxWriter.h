#pragma once
// The GPX 1.1 form of a loaded database: every waypoint as wpt in table order, every route as
// rte, every track as trk with one trkseg; the fields GPX has no element for go into
// extensions of the Trovix namespace, so that nothing read is lost.
#include <string>

#include "tools/TOOL_Xml.h"
#include "trove/TROVE_Database.h"
#include "trove/TROVE_DocInfo.h"
#include "trove/TROVE_Load.h"

namespace tool {

extern const char kTrovixNamespace[];

// name is the metadata's name (the file's name). Writes the whole document to xml and flushes.
void WriteGpx(XmlOut_t& xml, const trove::Database_t& db, const trove::DocInfo_t& doc,
              const trove::LoadResult_t& result, const std::string& name);

}  // namespace tool
