#pragma once
// The GPX 1.1 form of a loaded database: every waypoint as wpt in table order, every route as
// rte, every track as trk with one trkseg; the fields GPX has no element for go into
// extensions of the Trovix namespace, so that nothing read is lost: each value an element of its
// own directly under extensions, which GIS readers take as a field.
#include <cstddef>
#include <ostream>

#include "tools/formats/TOOL_Registry.h"
#include "tools/formats/TOOL_Xml.h"

namespace tool {

extern const char kTrovixNamespace[];

// The gpx format (TOOL_Registry.h): name is the metadata's name (the file's name).
std::size_t WriteGpxDocument(std::ostream& out, const WriteInput_t& input);

}  // namespace tool
