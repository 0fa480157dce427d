#pragma once
// What a file's first bytes show it to be, so that a refusal can tell the user what was given
// in place of a data file.
#include <string>
#include <string_view>

namespace tool {

// "a GPX file", "a KML file", "an XML file", "a GeoJSON file", "a JSON file", "a ZIP archive",
// "a PNG image", "a PDF document" or "a text file"; empty when the bytes show none of these.
// head: the file's first bytes (a few hundred are enough).
std::string SniffFileKind(std::string_view head);

}  // namespace tool
