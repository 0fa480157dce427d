#pragma once
// The map of an HTML page: every waypoint, route and track of the file drawn as inline SVG in
// Web Mercator, north up, fitted to the data, with a graticule, a scale bar and a legend.
#include "model/MODEL_File.h"
#include "tools/formats/TOOL_Xml.h"

namespace tool {

// Writes the map and its legend; texts are read in the file's code page (the labels' widths
// need them as characters). A file without positions gives a line that says so instead.
void WriteHtmlMap(XmlOut_t& xml, const model::File_t& file);

}  // namespace tool
